/*
 * jsonout.h - the summary's numbers as UTF-8 JSON, for pipelines.
 *
 * One object: the program and its version, the recording's file and
 * format, the settings that shaped the numbers, the bands, and per
 * channel the band powers (uV^2) and shares (percent) and the mean, edge
 * and peak frequency (Hz). Numbers are written without the locale, in
 * their shortest exact form; a number that is not known (NaN) is null.
 */
#ifndef HOST_JSONOUT_H
#define HOST_JSONOUT_H

#include <stddef.h>

#include <string>

#include "summary.h"

std::string JsonQuote(const std::string &strUtf8);
/* A JSON string literal: quotes, backslash and control characters escaped. */

std::string JsonNumber(double d);
/* The shortest text that reads back as d; "null" for NaN or infinity. */

std::string JsonSummary(const RUNSUMMARY *pSummary, const RECORDING *pRec);
/* The whole document, ending in a newline. */

bool JsonWriteSummary(const RUNSUMMARY *pSummary, const RECORDING *pRec, const std::string &strPath, char *pszError,
                      size_t cbError);
/* JsonSummary written to strPath whole or not at all. */

#endif /* HOST_JSONOUT_H */
