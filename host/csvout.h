/*
 * csvout.h - cells and lines of the host's own CSV tables (batch summary,
 * coherence), written as RFC 4180 asks: a cell holding a comma, a double
 * quote, CR or LF is enclosed in double quotes, with every double quote
 * inside doubled; lines end with CR LF. Texts are UTF-8.
 */
#ifndef HOST_CSVOUT_H
#define HOST_CSVOUT_H

#include <string>
#include <vector>

std::string CsvCell(const std::string &strText);
/* The text as one cell, quoted when it has to be. */

std::string CsvLine(const std::vector<std::string> &aCells);
/* The cells, each through CsvCell, joined by commas, ended by CR LF. */

std::string CsvNumber(double d, int nDecimals);
/* d with nDecimals (0 to 6) decimals, without the locale ("12.50");
 * empty for NaN, infinity and numbers too large to print whole. */

bool CsvSplitLine(const std::string &strLine, std::vector<std::string> *paCells);
/* The cells of one line CsvLine wrote (without its CR LF), quotes undone;
 * false when a quoted cell is not closed. */

#endif /* HOST_CSVOUT_H */
