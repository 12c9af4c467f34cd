// The CSV report read back and summarised.
#include "report.h"

#include "peak.h"

#include <math.h>
#include <string.h>

#include <fstream>
#include <sstream>

double ReportParseNumber(const char *psz, bool *pbOk)
{
    while (*psz == ' ')
        psz++;
    double dSign = 1.0;
    if (*psz == '-' || *psz == '+')
        dSign = *psz++ == '-' ? -1.0 : 1.0;
    double d = 0.0, dScale = 0.0;
    bool bDigit = false;
    for (; (*psz >= '0' && *psz <= '9') || (*psz == '.' && dScale == 0.0); psz++) {
        if (*psz == '.') {
            dScale = 1.0;
            continue;
        }
        bDigit = true;
        if (dScale == 0.0) {
            d = d * 10.0 + (*psz - '0');
        } else {
            dScale /= 10.0;
            d += dScale * (*psz - '0');
        }
    }
    while (*psz == ' ')
        psz++;
    *pbOk = bDigit && *psz == '\0';
    return dSign * d;
}

static std::vector<std::string> SplitLine(const std::string &strLine)
{
    std::vector<std::string> aCells;
    std::string strCell;
    for (char c : strLine) {
        if (c == ',') {
            aCells.push_back(strCell);
            strCell.clear();
        } else if (c != '\r') {
            strCell += c;
        }
    }
    aCells.push_back(strCell);
    return aCells;
}

static std::vector<std::string> SplitLines(const std::string &strText)
{
    std::vector<std::string> aLines;
    std::istringstream in(strText);
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        aLines.push_back(strLine);
    }
    return aLines;
}

static size_t FindLine(const std::vector<std::string> &aLines, const char *pszStart)
{
    for (size_t i = 0; i < aLines.size(); i++) {
        if (aLines[i].compare(0, strlen(pszStart), pszStart) == 0)
            return i;
    }
    return aLines.size();
}

static bool Fail(char *pszError, size_t cbError, const char *pszText)
{
    snprintf(pszError, cbError, "the report is not as expected: %s", pszText);
    return false;
}

// The cells from iFirst to iLast (exclusive) joined again by the commas
// that split them.
static std::string JoinCells(const std::vector<std::string> &aCells, size_t iFirst, size_t iLast)
{
    std::string strText;
    for (size_t i = iFirst; i < iLast; i++)
        strText += (i > iFirst ? "," : "") + aCells[i];
    return strText;
}

// The plug-in writes titles and labels as they are, commas included: a
// channel heading runs from one "CHn(" to the next, and a band line's
// label is all that precedes its limits and channel cells.
static std::vector<std::string> ChannelHeadings(const std::vector<std::string> &aHeading)
{
    std::vector<std::string> aTitles;
    for (size_t c = 3; c < aHeading.size(); c++) {
        std::string strNext = "CH" + std::to_string(aTitles.size() + 1) + "(";
        if (aTitles.empty() || aHeading[c].compare(0, strNext.size(), strNext) == 0)
            aTitles.push_back(aHeading[c]);
        else
            aTitles.back() += "," + aHeading[c];
    }
    return aTitles;
}

// "Band Name,Min Freq(Hz),Max Freq(Hz),CH1(..),..." then one line per band.
static bool ParsePercentTable(const std::vector<std::string> &aLines, REPORT *pReport, char *pszError, size_t cbError)
{
    size_t i = FindLine(aLines, "Contain Band Power(%)");
    if (i + 1 >= aLines.size())
        return Fail(pszError, cbError, "no band percentage table");
    std::vector<std::string> aHeading = SplitLine(aLines[i + 1]);
    if (aHeading.size() < 3 || aHeading[0] != "Band Name")
        return Fail(pszError, cbError, "no heading in the band percentage table");
    for (const std::string &strTitle : ChannelHeadings(aHeading)) {
        REPORTCHANNEL ch;
        ch.strTitle = strTitle;
        ch.dMeanFreq = ch.dEdgeFreq = ch.dPeakFreq = NAN;
        pReport->aChannels.push_back(ch);
    }
    size_t nChannels = pReport->aChannels.size();
    for (i += 2; i < aLines.size() && !aLines[i].empty(); i++) {
        std::vector<std::string> aCells = SplitLine(aLines[i]);
        if (aCells.size() < nChannels + 3)
            return Fail(pszError, cbError, "a band line has the wrong number of cells");
        size_t iMin = aCells.size() - nChannels - 2;
        pReport->aBands.push_back(JoinCells(aCells, 0, iMin));
        bool bMin = false, bMax = false;
        pReport->adBandMin.push_back(ReportParseNumber(aCells[iMin].c_str(), &bMin));
        pReport->adBandMax.push_back(ReportParseNumber(aCells[iMin + 1].c_str(), &bMax));
        if (!bMin || !bMax)
            pReport->adBandMax.back() = NAN;
        for (size_t c = 0; c < nChannels; c++) {
            bool bOk = false;
            double d = ReportParseNumber(aCells[iMin + 2 + c].c_str(), &bOk);
            pReport->aChannels[c].adPercent.push_back(bOk ? d : NAN);
        }
    }
    return true;
}

// "Count No.,Start Time,Stop Time" then "k, hh:mm:ss.ttt, hh:mm:ss.ttt".
static void ParseAddLog(const std::vector<std::string> &aLines, REPORT *pReport)
{
    size_t i = FindLine(aLines, "Count No.,");
    for (i++; i < aLines.size() && !aLines[i].empty(); i++) {
        std::vector<std::string> aCells = SplitLine(aLines[i]);
        if (aCells.size() != 3)
            break;
        for (std::string &strCell : aCells)
            strCell.erase(0, strCell.find_first_not_of(' '));
        pReport->aAddStart.push_back(aCells[1]);
        pReport->aAddStop.push_back(aCells[2]);
    }
}

// Rows "f,v1,v2,...," with a cell for each channel that has a spectrum.
static bool ParseSpectrum(const std::vector<std::string> &aLines, REPORT *pReport)
{
    size_t i = FindLine(aLines, "Average Power Spectrum(^2)");
    if (i + 1 >= aLines.size())
        return true;
    for (i += 2; i < aLines.size() && !aLines[i].empty(); i++) {
        std::vector<std::string> aCells = SplitLine(aLines[i]);
        if (!aCells.empty() && aCells.back().empty())
            aCells.pop_back();
        // A channel in use without a sum buffer has no cells: the columns
        // can then not be told apart, and no channel gets a spectrum.
        if (aCells.size() != pReport->aChannels.size() + 1) {
            pReport->adFreq.clear();
            for (REPORTCHANNEL &ch : pReport->aChannels)
                ch.adSpectrum.clear();
            return true;
        }
        bool bOk = false;
        pReport->adFreq.push_back(ReportParseNumber(aCells[0].c_str(), &bOk));
        for (size_t c = 1; c < aCells.size(); c++) {
            double d = ReportParseNumber(aCells[c].c_str(), &bOk);
            pReport->aChannels[c - 1].adSpectrum.push_back(bOk ? d : NAN);
        }
    }
    return true;
}

bool ReportParse(const std::string &strText, REPORT *pReport, char *pszError, size_t cbError)
{
    *pReport = REPORT();
    std::vector<std::string> aLines = SplitLines(strText);
    size_t iCount = FindLine(aLines, "Average Count,");
    if (iCount == aLines.size())
        return Fail(pszError, cbError, "no Average Count line");
    bool bOk = false;
    pReport->nAddCount = (int)ReportParseNumber(aLines[iCount].c_str() + strlen("Average Count,"), &bOk);
    if (!bOk)
        return Fail(pszError, cbError, "the Average Count is no number");
    ParseAddLog(aLines, pReport);
    return ParsePercentTable(aLines, pReport, pszError, cbError) && ParseSpectrum(aLines, pReport);
}

bool ReportRead(const char *pszPath, REPORT *pReport, char *pszError, size_t cbError)
{
    std::ifstream in(pszPath, std::ios::binary);
    if (!in) {
        snprintf(pszError, cbError, "%s: cannot read the report", pszPath);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ReportParse(text.str(), pReport, pszError, cbError);
}

static void ComputeChannel(const std::vector<double> &adFreq, REPORTCHANNEL *pCh, const FREQRANGES *pRanges)
{
    double dPower = 0.0, dMoment = 0.0, dEdgeTotal = 0.0;
    for (size_t i = 0; i < adFreq.size(); i++) {
        double p = pCh->adSpectrum[i];
        if (isnan(p))
            continue;
        if (adFreq[i] >= pRanges->dMeanMin && adFreq[i] <= pRanges->dMeanMax) {
            dPower += p;
            dMoment += p * adFreq[i];
        }
        if (adFreq[i] >= pRanges->dEdgeMin && adFreq[i] <= pRanges->dEdgeMax)
            dEdgeTotal += p;
    }
    pCh->dMeanFreq = dPower > 0.0 ? dMoment / dPower : NAN;
    pCh->dEdgeFreq = NAN;
    double dSum = 0.0;
    for (size_t i = 0; i < adFreq.size() && dEdgeTotal > 0.0; i++) {
        double p = pCh->adSpectrum[i];
        if (isnan(p) || adFreq[i] < pRanges->dEdgeMin || adFreq[i] > pRanges->dEdgeMax)
            continue;
        dSum += p;
        if (dSum >= dEdgeTotal * pRanges->dEdgePercent / 100.0) {
            pCh->dEdgeFreq = adFreq[i];
            break;
        }
    }
}

// The power of the lines kFirst..kLast of a spectrum whose rows are
// lines of width dStep.
static double LinePower(const std::vector<double> &adFreq, const std::vector<double> &adSpectrum, double dStep,
                        double kFirst, double kLast)
{
    double dSum = 0.0;
    for (size_t i = 0; i < adFreq.size(); i++) {
        double k = floor(adFreq[i] / dStep + 0.5);
        if (k >= kFirst && k <= kLast && !isnan(adSpectrum[i]))
            dSum += adSpectrum[i];
    }
    return dSum;
}

static void ComputeShares(const REPORT *pReport, REPORTCHANNEL *pCh, const FREQRANGES *pRanges)
{
    const std::vector<double> &adFreq = pReport->adFreq;
    double dStep = adFreq.size() >= 2 ? adFreq[1] - adFreq[0] : 0.0;
    if (!(dStep > 0.0))
        return;
    // A small allowance keeps a frequency that is a whole number of lines
    // (printed rounded) on its own line.
    auto line = [dStep](double dHz) { return floor(dHz / dStep + 1e-6); };
    double dTotal = LinePower(adFreq, pCh->adSpectrum, dStep, line(pRanges->dDisplayMin), line(pRanges->dDisplayMax));
    for (size_t b = 0; b < pReport->aBands.size(); b++) {
        double dBand = LinePower(adFreq, pCh->adSpectrum, dStep, line(pReport->adBandMin[b]), line(pReport->adBandMax[b]));
        bool bKnown = !isnan(pReport->adBandMax[b]);
        pCh->adAvgPower.push_back(bKnown ? dBand : NAN);
        pCh->adAvgPercent.push_back(dTotal > 0.0 && bKnown ? dBand * 100.0 / dTotal : NAN);
    }
}

void ReportComputeFrequencies(REPORT *pReport, const FREQRANGES *pRanges)
{
    for (REPORTCHANNEL &ch : pReport->aChannels) {
        ch.adAvgPercent.clear();
        ch.adAvgPower.clear();
        if (ch.adSpectrum.size() == pReport->adFreq.size() && !ch.adSpectrum.empty()) {
            ComputeChannel(pReport->adFreq, &ch, pRanges);
            ComputeShares(pReport, &ch, pRanges);
        }
    }
}

void ReportComputePeaks(REPORT *pReport, double dPeakMinHz, double dPeakMaxHz)
{
    for (REPORTCHANNEL &ch : pReport->aChannels)
        ch.dPeakFreq = PeakFrequency(pReport->adFreq, ch.adSpectrum, dPeakMinHz, dPeakMaxHz);
}

static void PrintValue(FILE *pOut, double d, const char *pszUnit)
{
    if (isnan(d))
        fprintf(pOut, " %9s", "-");
    else
        fprintf(pOut, " %8.2f%s", d, pszUnit);
}

void ReportPrintSummary(const REPORT *pReport, FILE *pOut)
{
    bool bAveraged = !pReport->aChannels.empty();
    for (const REPORTCHANNEL &ch : pReport->aChannels)
        bAveraged = bAveraged && ch.adAvgPercent.size() == pReport->aBands.size();
    fprintf(pOut, "%s\n", bAveraged ? "band shares, mean, edge and peak frequency of the averaged spectrum:"
                                    : "band shares of the last page or section (the plug-in's table); "
                                      "mean, edge and peak frequency of the averaged spectrum:");
    fprintf(pOut, "%-14s", "channel");
    for (const std::string &strBand : pReport->aBands)
        fprintf(pOut, " %9.9s", strBand.c_str());
    fprintf(pOut, " %9s %9s %9s\n", "mean Hz", "edge Hz", "peak Hz");
    for (const REPORTCHANNEL &ch : pReport->aChannels) {
        fprintf(pOut, "%-14.14s", ch.strTitle.c_str());
        for (double d : bAveraged ? ch.adAvgPercent : ch.adPercent)
            PrintValue(pOut, d, "%");
        PrintValue(pOut, ch.dMeanFreq, " ");
        PrintValue(pOut, ch.dEdgeFreq, " ");
        PrintValue(pOut, ch.dPeakFreq, " ");
        fputc('\n', pOut);
    }
}
