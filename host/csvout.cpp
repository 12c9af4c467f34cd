// RFC 4180 cells and lines for the host's tables.
#include "csvout.h"

#include <math.h>
#include <stdio.h>

std::string CsvCell(const std::string &strText)
{
    if (strText.find_first_of(",\"\r\n") == std::string::npos)
        return strText;
    std::string strQuoted = "\"";
    for (char c : strText) {
        if (c == '"')
            strQuoted += '"';
        strQuoted += c;
    }
    return strQuoted + "\"";
}

std::string CsvLine(const std::vector<std::string> &aCells)
{
    std::string strLine;
    for (size_t i = 0; i < aCells.size(); i++)
        strLine += (i ? "," : "") + CsvCell(aCells[i]);
    return strLine + "\r\n";
}

std::string CsvNumber(double d)
{
    if (isnan(d))
        return "";
    // Whole hundredths printed by hand: no locale can change the decimal sign.
    long long n = llround(fabs(d) * 100.0);
    char sz[48];
    snprintf(sz, sizeof(sz), "%s%lld.%02lld", d < 0 && n != 0 ? "-" : "", n / 100, n % 100);
    return sz;
}

bool CsvSplitLine(const std::string &strLine, std::vector<std::string> *paCells)
{
    paCells->clear();
    std::string strCell;
    bool bQuoted = false;
    for (size_t i = 0; i < strLine.size(); i++) {
        char c = strLine[i];
        if (bQuoted && c == '"' && i + 1 < strLine.size() && strLine[i + 1] == '"') {
            strCell += '"';
            i++;
        } else if (c == '"') {
            bQuoted = !bQuoted;
        } else if (c == ',' && !bQuoted) {
            paCells->push_back(strCell);
            strCell.clear();
        } else {
            strCell += c;
        }
    }
    paCells->push_back(strCell);
    return !bQuoted;
}
