/*
 * comparetable.h - two averaged spectra compared: per channel and band
 * the power in each set, their ratio B / A and its base-10 logarithm, and
 * per channel the peak frequency in each set; printed as a table and
 * written as CSV.
 *
 * Both sets come from the reports of two runs of the plug-in over the
 * same recording with the same settings and steps, so their channels,
 * bands and spectrum rows are the same. Band powers (uV^2) and peaks are
 * the runs' summaries' (summary.h); the spectra are the reports' lines
 * scaled to uV^2 (per Hz in standard power density) the same way. The CSV file is UTF-8 with CR LF line ends, quoted as RFC
 * 4180 says, numbers with a decimal point whatever the locale, an empty
 * cell for a value that does not exist (a band beyond the channel's range,
 * a ratio over no power, no peak).
 */
#ifndef HOST_COMPARETABLE_H
#define HOST_COMPARETABLE_H

#include <windows.h>

#include <stddef.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "report.h"
#include "summary.h"

typedef struct tagCOMPARECHANNEL {
    std::string strTitle;              /* heading, e.g. "CH9(O1)" */
    std::vector<double> aadPower[2];   /* per band, uV^2; NaN beyond the channel's range */
    double adPeak[2];                  /* Hz; NaN: no peak */
} COMPARECHANNEL;

typedef struct tagCOMPARISON {
    std::string astrLabel[2];          /* the sets' names */
    std::string astrPages[2];          /* the pages averaged, "1-9" */
    int anAveraged[2];                 /* sections the plug-in averaged */
    std::vector<std::string> aBands;
    std::vector<double> adBandMin, adBandMax;   /* Hz */
    std::vector<double> adFreq;        /* Hz, per spectrum row */
    std::vector<std::vector<double>> aadSpectrum[2];  /* per channel, per row: uV^2, or uV^2/Hz */
    BOOL bDensity;                     /* the spectra are densities, per Hz */
    std::vector<COMPARECHANNEL> aChannels;
} COMPARISON;

BOOL CmpBuild(const REPORT aReport[2], const RUNSUMMARY aSummary[2], COMPARISON *pCmp, char *pszError, size_t cbError);
/* Fills pCmp's bands, spectra and channels from the two runs' reports and
 * summaries (labels and pages are the caller's). FALSE, with a reason,
 * when a report has no averaged spectrum or the two differ in channels,
 * bands or rows. */

double CmpRatio(double dA, double dB);
/* dB / dA, NaN when either is NaN or dA is not above 0. */

void CmpPrint(const COMPARISON *pCmp, FILE *pOut);
/* The sets with their pages, then one line per channel and band. */

std::string CmpCsvText(const COMPARISON *pCmp);
/* The table as the CSV file holds it. */

std::string CmpCsvCell(const std::string &str);
/* A cell quoted as RFC 4180 asks: in double quotes, inner quotes doubled,
 * when it holds a comma, a quote, CR or LF; else as it is. */

#endif /* HOST_COMPARETABLE_H */
