/*
 * comparehtml.h - a comparison of two sets of pages as one self-contained
 * HTML file (htmlwrite.h): the recording, the settings, the two sets with
 * their pages, per channel and band the power in each with ratio and log
 * ratio, the peak frequencies, and each channel's picture of both spectra.
 */
#ifndef HOST_COMPAREHTML_H
#define HOST_COMPAREHTML_H

#include <stddef.h>

#include <string>
#include <vector>

#include "comparetable.h"
#include "recording.h"
#include "summary.h"

bool CmpWriteHtml(const std::string &strPath, const RECORDING *pRec, const RUNSUMMARY *pSummary,
                  const COMPARISON *pCmp, const std::vector<std::string> &aPng, char *pszError, size_t cbError);
/* Writes the report to strPath whole or not at all. pSummary gives the
 * settings (either run's: they share them); aPng holds each channel's
 * picture as PNG bytes (compareplot.h). false, with a one-line reason,
 * when the file could not be written. */

#endif /* HOST_COMPAREHTML_H */
