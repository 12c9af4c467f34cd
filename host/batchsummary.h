/*
 * batchsummary.h - a batch result from the report a worker wrote: the
 * bands, and per channel the band powers and shares, mean, edge and peak
 * frequency of the averaged spectrum. Texts of the report are in the
 * plug-in's code page and become UTF-8 here.
 */
#ifndef HOST_BATCHSUMMARY_H
#define HOST_BATCHSUMMARY_H

#include <string>

#include "batchresult.h"

bool BatchSummarise(const std::string &strReport, const std::string &strSettingsFolder, BATCHRESULT *pResult,
                    std::string *pstrError);
/* Adds the bands and channel lines of the report strReport, analysed with
 * the settings in strSettingsFolder (ending in '/'), to *pResult; false,
 * with a reason, when the report cannot be read. */

#endif /* HOST_BATCHSUMMARY_H */
