// The report of one analysis run as HTML.
#include "htmlreport.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include <fstream>
#include <sstream>

#include "codepage.h"
#include "prjfile.h"
#include "version.h"

// A number with its unit, "-" when there is none.
static std::string Value(double d, const char *pszFormat, const char *pszUnit)
{
    if (!isfinite(d))
        return "-";
    char sz[64];
    snprintf(sz, sizeof(sz), pszFormat, d);
    return std::string(sz) + pszUnit;
}

static HTMLCELL Text(const std::string &str)
{
    return {str, HTML_NOCOLOUR, false};
}

static HTMLCELL Number(const std::string &str, unsigned int rgbBack = HTML_NOCOLOUR)
{
    return {str, rgbBack, true};
}

void HtmlRecordingSection(HTMLDOC *pDoc, const RECORDING *pRec)
{
    HtmlSection(pDoc, "Recording");
    char szStart[64], szDuration[64];
    snprintf(szStart, sizeof(szStart), "%04d-%02d-%02d %02d:%02d:%02d", pRec->anStart[0], pRec->anStart[1],
             pRec->anStart[2], pRec->anStart[3], pRec->anStart[4], pRec->anStart[5]);
    int nSeconds = (int)pRec->dDuration;
    snprintf(szDuration, sizeof(szDuration), "%.1f s (%d:%02d:%02d)", pRec->dDuration, nSeconds / 3600,
             nSeconds / 60 % 60, nSeconds % 60);
    std::vector<std::pair<std::string, std::string>> aFacts = {
        {"File", CpCleanUtf8(pRec->szName)},   // the file system's name, not a text of the recording
        {"Format", pRec->szFormat},
        {"Patient", CpAnsiToUtf8String(pRec->szPatientName)},
        {"Patient id", CpAnsiToUtf8String(pRec->szPatientId)}};
    if (pRec->szPatientField[0] != '\0' || pRec->szRecordingField[0] != '\0') {
        aFacts.push_back({"Patient field", CpAnsiToUtf8String(pRec->szPatientField)});
        aFacts.push_back({"Recording field", CpAnsiToUtf8String(pRec->szRecordingField)});
    }
    aFacts.push_back({"Start", szStart});
    aFacts.push_back({"Duration", szDuration});
    aFacts.push_back({"Channels", std::to_string(pRec->aChannels.size()) + " given to the plug-in, "
                                      + std::to_string(pRec->nSkipped) + " left out (annotations or unusable)"});
    HtmlFacts(pDoc, aFacts);
    std::vector<std::vector<HTMLCELL>> aRows;
    for (size_t c = 0; c < pRec->aChannels.size(); c++) {
        const RECCHANNEL &ch = pRec->aChannels[c];
        char szType[PF_NAMESIZE] = "?";
        PfGetSignalName(ch.wSignalType, szType);
        char szStep[64];
        snprintf(szStep, sizeof(szStep), "%.6g ", ch.dUvPerStep);
        aRows.push_back({Text(std::to_string(c + 1)), Text(CpAnsiToUtf8String(ch.szLabel)),
                         Text(CpAnsiToUtf8String(ch.szFileLabel)), Text(szType),
                         Number(std::to_string(ch.nRate) + " Hz"),
                         Number(szStep + CpAnsiToUtf8String(ch.szUnit) + " per step")});
    }
    HtmlTable(pDoc, {"#", "Label", "Label in the file", "Type", "Rate", "Step"}, aRows);
}

static std::string Range(double dMin, double dMax)
{
    return Value(dMin, "%.2f", "") + " to " + Value(dMax, "%.2f", " Hz");
}

void HtmlSettingsSection(HTMLDOC *pDoc, const RUNSUMMARY *pSummary)
{
    const RUNSETTINGS &s = pSummary->settings;
    HtmlSection(pDoc, "Settings");
    HtmlFacts(pDoc, {{"FFT", std::to_string(s.nFFTPoints) + " points, " + SummaryWindowName(s.nWindowType) + " window"},
                     {"Mode", s.bSection ? "one block at the section of each page" : "blocks over the whole page"},
                     {"Page", std::to_string(pSummary->nPageSeconds) + " s"},
                     {"Scaling", s.bDensity ? "power density (\u00b5V\u00b2/Hz)" : "power per spectral line (\u00b5V\u00b2)"},
                     {"Low-cut filter", s.bLowCut ? Value(s.dLowCutHz, "%.2f", " Hz") : "off"},
                     {"High-cut filter", s.bHighCut ? Value(s.dHighCutHz, "%.2f", " Hz") : "off"},
                     {"Band shares of", Range(s.ranges.dDisplayMin, s.ranges.dDisplayMax)},
                     {"Mean frequency over", Range(s.ranges.dMeanMin, s.ranges.dMeanMax)},
                     {"Edge frequency", Value(s.ranges.dEdgePercent, "%.0f", " %") + " of the power over "
                                            + Range(s.ranges.dEdgeMin, s.ranges.dEdgeMax)},
                     {"Peak frequency within", Range(s.dPeakMinHz, s.dPeakMaxHz)},
                     {"Sections added", std::to_string(pSummary->nAddCount)}});
    std::vector<std::vector<HTMLCELL>> aRows;
    for (const SUMMARYBAND &band : pSummary->aBands)
        aRows.push_back({Text(band.strLabel), Number(Value(band.dMinHz, "%.2f", " Hz")),
                         Number(Value(band.dMaxHz, "%.2f", " Hz"))});
    HtmlTable(pDoc, {"Band", "From", "To"}, aRows);
}

static bool ReadFile(const std::string &strPath, std::string *pstrBytes)
{
    std::ifstream in(strPath, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    *pstrBytes = bytes.str();
    return !pstrBytes->empty();
}

void HtmlPicturesSection(HTMLDOC *pDoc, const std::string &strFolder)
{
    static const struct {
        const char *pszFile;
        const char *pszCaption;
    } aPicture[] = {
        {"analysis.png", "The spectrum of each channel: the last page in black, the ADD average in blue "
                         "(power against frequency in Hz)."},
        {"histogram.png", "The band power histogram of each channel."},
        {"coherence.png", "The coherence window: coherence spectra below the diagonal, band coherence above."},
    };
    HtmlSection(pDoc, "Pictures");
    int nShown = 0;
    for (const auto &pic : aPicture) {
        std::string strPng;
        if (!strFolder.empty() && ReadFile(strFolder + "/" + pic.pszFile, &strPng)) {
            HtmlPicture(pDoc, strPng, pic.pszCaption);
            nShown++;
        }
    }
    if (nShown == 0)
        HtmlParagraph(pDoc, "No pictures could be made.");
}

void HtmlChannelsSection(HTMLDOC *pDoc, const RUNSUMMARY *pSummary)
{
    HtmlSection(pDoc, "Band powers and frequencies");
    HtmlParagraph(pDoc, pSummary->bAveraged ? "Of the averaged spectrum of the sections added."
                                            : "Shares of the last page or section (the plug-in's table); "
                                              "frequencies of the averaged spectrum.");
    std::vector<std::string> aHeading = {"Channel"};
    for (const SUMMARYBAND &band : pSummary->aBands)
        aHeading.push_back(band.strLabel);
    for (const char *psz : {"Mean frequency", "Edge frequency", "Peak frequency"})
        aHeading.push_back(psz);
    std::vector<std::vector<HTMLCELL>> aPower, aShare;
    for (const SUMMARYCHANNEL &ch : pSummary->aChannels) {
        std::vector<HTMLCELL> aRow = {Text(ch.strTitle)};
        aShare.push_back({Text(ch.strTitle)});
        for (size_t b = 0; b < pSummary->aBands.size(); b++) {
            aRow.push_back(Number(Value(b < ch.adBandPower.size() ? ch.adBandPower[b] : NAN, "%.2f", " \u00b5V\u00b2")));
            aShare.back().push_back(Number(Value(b < ch.adBandShare.size() ? ch.adBandShare[b] : NAN, "%.1f", " %")));
        }
        for (double d : {ch.dMeanFreq, ch.dEdgeFreq, ch.dPeakFreq})
            aRow.push_back(Number(Value(d, "%.2f", " Hz")));
        aPower.push_back(aRow);
    }
    HtmlTable(pDoc, aHeading, aPower);
    aHeading.resize(1 + pSummary->aBands.size());
    HtmlParagraph(pDoc, "Share of each band in the power of the band-share range:");
    HtmlTable(pDoc, aHeading, aShare);
}

unsigned int HtmlCoherenceColour(double dCoherence)
{
    if (!isfinite(dCoherence))
        return 0xDDDDDDu;
    double t = dCoherence < 0.0 ? 0.0 : dCoherence > 1.0 ? 1.0 : dCoherence;
    // White to orange (0xF08C28): light enough for black text throughout.
    unsigned int r = (unsigned int)lround(255.0 + (240.0 - 255.0) * t);
    unsigned int g = (unsigned int)lround(255.0 + (140.0 - 255.0) * t);
    unsigned int b = (unsigned int)lround(255.0 + (40.0 - 255.0) * t);
    return (r << 16) | (g << 8) | b;
}

// "alpha (8.00 to 13.00 Hz)" when the summary lists the band.
static std::string BandCaption(const std::string &strLabel, const RUNSUMMARY *pSummary)
{
    for (const SUMMARYBAND &band : pSummary->aBands) {
        if (band.strLabel == strLabel)
            return strLabel + " (" + Range(band.dMinHz, band.dMaxHz) + ")";
    }
    return strLabel;
}

void HtmlCoherenceSection(HTMLDOC *pDoc, const COHMATRIX *pCoh, const RUNSUMMARY *pSummary)
{
    HtmlSection(pDoc, "Coherence");
    if (pCoh->aBands.empty()) {
        HtmlParagraph(pDoc, pSummary->settings.bCoherence ? "The coherence could not be read."
                                                          : "Coherence is not switched on in the settings.");
        return;
    }
    HtmlParagraph(pDoc, std::string(pSummary->settings.bCohSquared ? "Squared coherence" : "Coherence")
                            + " of every pair of channels in the last page or section analysed, per band: "
                              "0 (white, unrelated) to 1 (orange, fully related); a ratio without unit.");
    size_t n = pCoh->aChannels.size();
    HtmlGroupBegin(pDoc);
    for (size_t b = 0; b < pCoh->aBands.size(); b++) {
        std::vector<std::string> aHeading = {""};
        aHeading.insert(aHeading.end(), pCoh->aChannels.begin(), pCoh->aChannels.end());
        std::vector<std::vector<HTMLCELL>> aRows;
        for (size_t a = 0; a < n; a++) {
            aRows.push_back({Text(pCoh->aChannels[a])});
            for (size_t c = 0; c < n; c++) {
                double d = CohValue(pCoh, b, a, c);
                aRows.back().push_back(Number(a == c ? "" : Value(d, "%.2f", ""), HtmlCoherenceColour(a == c ? NAN : d)));
            }
        }
        HtmlTable(pDoc, aHeading, aRows, BandCaption(pCoh->aBands[b], pSummary));
    }
    HtmlGroupEnd(pDoc);
}

void HtmlAddLogSection(HTMLDOC *pDoc, const REPORT *pReport)
{
    HtmlSection(pDoc, "ADD log");
    if (pReport->aAddStart.empty()) {
        HtmlParagraph(pDoc, "No section was added.");
        return;
    }
    HtmlParagraph(pDoc, "The sections averaged, with their clock times (hours:minutes:seconds).");
    std::vector<std::vector<HTMLCELL>> aRows;
    for (size_t i = 0; i < pReport->aAddStart.size(); i++)
        aRows.push_back({Number(std::to_string(i + 1)), Number(pReport->aAddStart[i]), Number(pReport->aAddStop[i])});
    HtmlTable(pDoc, {"No.", "Start", "Stop"}, aRows);
}

bool HtmlWriteRunReport(const std::string &strPath, const RECORDING *pRec, const RUNSUMMARY *pSummary,
                        const REPORT *pReport, const COHMATRIX *pCoh, const std::string &strPictures,
                        char *pszError, size_t cbError)
{
    HTMLDOC doc;
    HtmlBegin(&doc, "FFT analysis of " + CpCleanUtf8(pRec->szName),
              std::string(pRec->szFormat) + ", " + std::to_string(pSummary->nAddCount) + " sections averaged");
    HtmlRecordingSection(&doc, pRec);
    HtmlSettingsSection(&doc, pSummary);
    HtmlChannelsSection(&doc, pSummary);
    HtmlPicturesSection(&doc, strPictures);
    HtmlCoherenceSection(&doc, pCoh, pSummary);
    HtmlAddLogSection(&doc, pReport);
    HtmlEnd(&doc, std::string("qfftana ") + QFFTANA_VERSION);
    return HtmlWrite(&doc, strPath, pszError, cbError);
}
