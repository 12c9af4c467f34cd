/*
 * summary.h - the per-channel numbers of one run, gathered in one place
 * for everything that shows or writes them (the printed summary, JSON,
 * the HTML report, tables over several runs).
 *
 * The numbers come from the report the plug-in wrote and the settings
 * that shaped it: per channel the power and share of each band in the
 * averaged spectrum and its mean, edge and peak frequency. Texts are UTF-8
 * (the report's labels are code page 932). Band powers are in uV^2: the
 * report's spectrum carries the channel's calibration once and its unit
 * is counts x uV, so each line is scaled once more by the channel's uV per
 * step; in standard power density the lines are per Hz and are multiplied
 * by the line width before they are summed.
 */
#ifndef HOST_SUMMARY_H
#define HOST_SUMMARY_H

#include <windows.h>

#include <stddef.h>

#include <string>
#include <vector>

#include "recording.h"
#include "report.h"

typedef struct tagRUNSETTINGS {
    int nFFTPoints;
    int nWindowType;                /* 0 rectangle, 1 Hamming, 2 Hanning, 3 Blackman */
    BOOL bSection;                  /* one block at the section, else the whole page */
    BOOL bDensity;                  /* standard power density (per Hz) */
    BOOL bLowCut, bHighCut;
    double dLowCutHz, dHighCutHz;
    double dPeakMinHz, dPeakMaxHz;
    FREQRANGES ranges;              /* mean, edge and display ranges, edge percent */
    BOOL bCoherence;                /* coherence offered */
    BOOL bCohSquared;               /* coherence squared, else its square root */
} RUNSETTINGS;

typedef struct tagSUMMARYBAND {
    std::string strLabel;           /* UTF-8 */
    double dMinHz, dMaxHz;
} SUMMARYBAND;

typedef struct tagSUMMARYCHANNEL {
    std::string strTitle;           /* UTF-8, as the report heads it: "CH1(O1)" */
    double dUvPerStep;              /* the channel's step, NaN when its label is unknown */
    std::vector<double> adBandPower;   /* uV^2 per band; NaN where unknown */
    std::vector<double> adBandShare;   /* percent per band */
    double dMeanFreq, dEdgeFreq, dPeakFreq;   /* Hz; NaN when there is none */
} SUMMARYCHANNEL;

typedef struct tagRUNSUMMARY {
    RUNSETTINGS settings;
    int nPageSeconds;
    int nAddCount;
    BOOL bAveraged;                 /* shares of the averaged spectrum, else the plug-in's last */
    std::vector<SUMMARYBAND> aBands;
    std::vector<SUMMARYCHANNEL> aChannels;
} RUNSUMMARY;

void SummaryReadSettings(const std::string &strSettingsFolder, RUNSETTINGS *pSettings);
/* The settings of the folder's QFFTANA.INI and QFFTANAX.INI, with the
 * plug-in's defaults for missing keys. */

void SummaryCollect(REPORT *pReport, const RUNSETTINGS *pSettings, const RECORDING *pRec, int nPageSeconds,
                    RUNSUMMARY *pSummary);
/* Computes the report's frequencies, shares and peaks (ReportCompute*)
 * and gathers the numbers. A channel's step comes from the recording's
 * channel of the label in its title's brackets (pRec may be NULL). */

const char *SummaryWindowName(int nWindowType);
/* "rectangle", "Hamming", "Hanning", "Blackman" or "unknown". */

#endif /* HOST_SUMMARY_H */
