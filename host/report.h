/*
 * report.h - reading back the CSV report the plug-in wrote, for the
 * summary the host prints after a run.
 *
 * The report holds, among other tables, the share of each frequency band
 * in percent per analysis channel ("Contain Band Power(%)") and the
 * averaged power spectrum of each channel ("Average Power Spectrum(^2)").
 * The summary gives per channel the band shares and the mean and edge
 * frequency of that averaged spectrum. The band table holds the shares of
 * the last spectrum the plug-in computed, not of the average, so the
 * shares of the average are computed here from its spectrum. Numbers are read without the
 * locale; a cell "ERR" (band beyond the channel's range) reads as NaN.
 */
#ifndef HOST_REPORT_H
#define HOST_REPORT_H

#include <stddef.h>
#include <stdio.h>

#include <string>
#include <vector>

typedef struct tagREPORTCHANNEL {
    std::string strTitle;              /* heading, e.g. "CH1(O1)" */
    std::vector<double> adPercent;     /* per listed band, last spectrum; NaN for ERR */
    std::vector<double> adAvgPercent;  /* per listed band, averaged spectrum; empty until computed */
    std::vector<double> adAvgPower;    /* per listed band: the sum of its lines of the averaged spectrum */
    std::vector<double> adSpectrum;    /* per spectrum row; NaN for a blank cell; empty without data */
    double dMeanFreq;                  /* Hz, NaN until computed or without spectrum */
    double dEdgeFreq;
    double dPeakFreq;                  /* Hz, NaN without a peak in the peak range */
} REPORTCHANNEL;

typedef struct tagREPORT {
    int nAddCount;                     /* "Average Count" */
    std::vector<std::string> aAddStart;   /* the add log's clock times, "hh:mm:ss.ttt" */
    std::vector<std::string> aAddStop;
    std::vector<std::string> aBands;   /* labels of the listed bands */
    std::vector<double> adBandMin;     /* Hz, per listed band */
    std::vector<double> adBandMax;
    std::vector<double> adFreq;        /* frequency of each spectrum row, Hz */
    std::vector<REPORTCHANNEL> aChannels;
} REPORT;

typedef struct tagFREQRANGES {
    double dMeanMin, dMeanMax;         /* Hz */
    double dEdgeMin, dEdgeMax;         /* Hz */
    double dEdgePercent;               /* percent of the power below the edge */
    double dDisplayMin, dDisplayMax;   /* Hz: the range band shares are taken of */
} FREQRANGES;

bool ReportParse(const std::string &strText, REPORT *pReport, char *pszError, size_t cbError);
/* Reads a report's text. The add log's lines are kept as long as they
 * have their three cells. Spectrum cells are given to the channels in use in
 * order, as the report writes them; when a row has another number of
 * cells, no channel gets a spectrum. false, with a reason, when the count
 * line or the band percentage table is missing or a band line has the
 * wrong number of cells. */

bool ReportRead(const char *pszPath, REPORT *pReport, char *pszError, size_t cbError);
/* ReportParse of a file. */

void ReportComputeFrequencies(REPORT *pReport, const FREQRANGES *pRanges);
/* Mean frequency (power-weighted over the mean range), edge frequency
 * (first row at which the power from the edge range's start reaches the
 * percentage of the range's total) and band powers and shares (a band's lines, from
 * its minimum's line to its maximum's, in percent of the lines of the
 * display range; a line is frequency / line width, truncated) of each
 * channel's averaged spectrum. */

void ReportComputePeaks(REPORT *pReport, double dPeakMinHz, double dPeakMaxHz);
/* The peak frequency of each channel's averaged spectrum (PeakFrequency
 * over the range given); NaN for a channel without spectrum. */

void ReportPrintSummary(const REPORT *pReport, FILE *pOut);
/* A title saying what the shares are of, then one line per channel:
 * title, band shares (of the averaged spectrum when every channel has
 * them, else the plug-in's last-spectrum table), mean, edge and peak
 * frequency. */

double ReportParseNumber(const char *psz, bool *pbOk);
/* A decimal number with optional blanks around, sign and fraction, as the
 * report prints it ("  12.50", "-0.25"); *pbOk false otherwise. */

#endif /* HOST_REPORT_H */
