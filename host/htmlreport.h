/*
 * htmlreport.h - the report of one analysis run as one HTML file to read
 * and share: the recording's facts, the settings that shaped the numbers,
 * the analysis window's pictures, per channel the band powers and shares
 * of the averaged spectrum with its mean, edge and peak frequency, the
 * coherence of every pair per band as a colour-coded matrix, and the ADD
 * log. Each section is its own function, so that another command can put
 * the sections it shares into a report of its own (htmlwrite.h).
 */
#ifndef HOST_HTMLREPORT_H
#define HOST_HTMLREPORT_H

#include <stddef.h>

#include <string>

#include "cohread.h"
#include "htmlwrite.h"
#include "recording.h"
#include "report.h"
#include "summary.h"

void HtmlRecordingSection(HTMLDOC *pDoc, const RECORDING *pRec);
/* Format, file, patient and recording fields, start, duration and the
 * channels with their rates and steps. */

void HtmlSettingsSection(HTMLDOC *pDoc, const RUNSUMMARY *pSummary);
/* FFT points, window, mode, page, scaling, filters, ranges and bands. */

void HtmlPicturesSection(HTMLDOC *pDoc, const std::string &strFolder);
/* The pictures the run wrote into strFolder (analysis, histogram,
 * coherence), those that are there; a line saying so when none is. */

void HtmlChannelsSection(HTMLDOC *pDoc, const RUNSUMMARY *pSummary);
/* Band powers (uV^2) and shares (%) per channel, mean, edge and peak
 * frequency (Hz). */

void HtmlCoherenceSection(HTMLDOC *pDoc, const COHMATRIX *pCoh, const RUNSUMMARY *pSummary);
/* One matrix per band, each cell's background from white (0) to orange
 * (1); a line saying why there is none when the matrix is empty. */

void HtmlAddLogSection(HTMLDOC *pDoc, const REPORT *pReport);
/* The sections added, with their start and stop clock times. */

unsigned int HtmlCoherenceColour(double dCoherence);
/* 0xRRGGBB for a coherence from 0 (white) to 1 (orange); grey for NaN. */

bool HtmlWriteRunReport(const std::string &strPath, const RECORDING *pRec, const RUNSUMMARY *pSummary,
                        const REPORT *pReport, const COHMATRIX *pCoh, const std::string &strPictures,
                        char *pszError, size_t cbError);
/* The whole report written to strPath whole or not at all; false, with a
 * one-line reason, when it could not be written. */

#endif /* HOST_HTMLREPORT_H */
