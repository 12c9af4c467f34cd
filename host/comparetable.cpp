// Two averaged spectra compared, printed and written as CSV.
#include "comparetable.h"

#include <math.h>
#include <string.h>

static BOOL Fail(char *pszError, size_t cbError, const char *pszText)
{
    snprintf(pszError, cbError, "the two runs cannot be compared: %s", pszText);
    return FALSE;
}

static BOOL SameShape(const REPORT &a, const REPORT &b)
{
    if (a.aChannels.size() != b.aChannels.size() || a.adFreq != b.adFreq || a.aBands != b.aBands)
        return FALSE;
    for (size_t c = 0; c < a.aChannels.size(); c++) {
        if (a.aChannels[c].strTitle != b.aChannels[c].strTitle)
            return FALSE;
    }
    return TRUE;
}

BOOL CmpBuild(const REPORT aReport[2], const RUNSUMMARY aSummary[2], COMPARISON *pCmp, char *pszError, size_t cbError)
{
    if (aReport[0].adFreq.size() < 2 || aReport[1].adFreq.size() < 2 || !aSummary[0].bAveraged || !aSummary[1].bAveraged)
        return Fail(pszError, cbError, "a report has no averaged spectrum");
    if (!SameShape(aReport[0], aReport[1]))
        return Fail(pszError, cbError, "the reports differ in channels, bands or spectrum rows");
    const RUNSUMMARY &first = aSummary[0];
    pCmp->aBands.clear();
    pCmp->adBandMin.clear();
    pCmp->adBandMax.clear();
    for (const SUMMARYBAND &band : first.aBands) {
        pCmp->aBands.push_back(band.strLabel);
        pCmp->adBandMin.push_back(band.dMinHz);
        pCmp->adBandMax.push_back(band.dMaxHz);
    }
    pCmp->adFreq = aReport[0].adFreq;
    pCmp->bDensity = first.settings.bDensity;
    pCmp->aChannels.assign(first.aChannels.size(), COMPARECHANNEL());
    for (int s = 0; s < 2; s++) {
        pCmp->anAveraged[s] = aSummary[s].nAddCount;
        pCmp->aadSpectrum[s].clear();
        for (size_t c = 0; c < first.aChannels.size(); c++) {
            const SUMMARYCHANNEL &sum = aSummary[s].aChannels[c];
            COMPARECHANNEL &ch = pCmp->aChannels[c];
            ch.strTitle = sum.strTitle;
            ch.aadPower[s] = sum.adBandPower;
            ch.adPeak[s] = sum.dPeakFreq;
            // The report's lines carry the calibration once (counts x uV).
            std::vector<double> adSpectrum = aReport[s].aChannels[c].adSpectrum;
            for (double &d : adSpectrum)
                d *= sum.dUvPerStep;
            pCmp->aadSpectrum[s].push_back(adSpectrum);
        }
    }
    return TRUE;
}

double CmpRatio(double dA, double dB)
{
    return dA > 0.0 && !isnan(dB) ? dB / dA : NAN;
}

static void PrintValue(FILE *pOut, double d, const char *pszFormat)
{
    if (isnan(d))
        fprintf(pOut, " %10s", "-");
    else
        fprintf(pOut, pszFormat, d);
}

void CmpPrint(const COMPARISON *pCmp, FILE *pOut)
{
    for (int s = 0; s < 2; s++)
        fprintf(pOut, "%c  %s: pages %s, %d sections averaged\n", 'A' + s, pCmp->astrLabel[s].c_str(),
                pCmp->astrPages[s].c_str(), pCmp->anAveraged[s]);
    fprintf(pOut, "band power in uV^2 of each averaged spectrum, ratio B/A and log10(B/A), peak frequency in Hz:\n");
    fprintf(pOut, "%-12s %-10s %10s %10s %10s %10s %10s %10s\n", "channel", "band", "power A", "power B", "B/A",
            "log10 B/A", "peak A", "peak B");
    for (const COMPARECHANNEL &ch : pCmp->aChannels) {
        for (size_t b = 0; b < pCmp->aBands.size(); b++) {
            double dRatio = CmpRatio(ch.aadPower[0][b], ch.aadPower[1][b]);
            fprintf(pOut, "%-12.12s %-10.10s", ch.strTitle.c_str(), pCmp->aBands[b].c_str());
            PrintValue(pOut, ch.aadPower[0][b], " %10.2f");
            PrintValue(pOut, ch.aadPower[1][b], " %10.2f");
            PrintValue(pOut, dRatio, " %10.3f");
            PrintValue(pOut, dRatio > 0.0 ? log10(dRatio) : NAN, " %10.3f");
            PrintValue(pOut, ch.adPeak[0], " %10.2f");
            PrintValue(pOut, ch.adPeak[1], " %10.2f");
            fputc('\n', pOut);
        }
    }
}

std::string CmpCsvCell(const std::string &str)
{
    if (str.find_first_of(",\"\r\n") == std::string::npos)
        return str;
    std::string strQuoted = "\"";
    for (char c : str)
        strQuoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return strQuoted + "\"";
}

// A number with a decimal point whatever the locale; "" for NaN.
static std::string Number(double d, const char *pszFormat)
{
    if (isnan(d) || isinf(d))
        return "";
    char sz[64];
    snprintf(sz, sizeof(sz), pszFormat, d);
    for (char *p = sz; *p; p++) {
        if (*p == ',')
            *p = '.';
    }
    return sz;
}

std::string CmpCsvText(const COMPARISON *pCmp)
{
    const std::string &strA = pCmp->astrLabel[0], &strB = pCmp->astrLabel[1];
    const std::string astrHeading[] = {"channel", "band", "from (Hz)", "to (Hz)", "power " + strA + " (uV^2)",
                                       "power " + strB + " (uV^2)", "ratio " + strB + " / " + strA,
                                       "log10 ratio " + strB + " / " + strA, "peak " + strA + " (Hz)",
                                       "peak " + strB + " (Hz)"};
    std::string strText;
    for (const std::string &str : astrHeading)
        strText += (strText.empty() ? "" : ",") + CmpCsvCell(str);
    strText += "\r\n";
    for (const COMPARECHANNEL &ch : pCmp->aChannels) {
        for (size_t b = 0; b < pCmp->aBands.size(); b++) {
            double dRatio = CmpRatio(ch.aadPower[0][b], ch.aadPower[1][b]);
            strText += CmpCsvCell(ch.strTitle) + "," + CmpCsvCell(pCmp->aBands[b]) + ","
                     + Number(pCmp->adBandMin[b], "%.2f") + "," + Number(pCmp->adBandMax[b], "%.2f") + ","
                     + Number(ch.aadPower[0][b], "%.6g") + "," + Number(ch.aadPower[1][b], "%.6g") + ","
                     + Number(dRatio, "%.6g") + "," + Number(dRatio > 0.0 ? log10(dRatio) : NAN, "%.6f") + ","
                     + Number(ch.adPeak[0], "%.3f") + "," + Number(ch.adPeak[1], "%.3f") + "\r\n";
        }
    }
    return strText;
}
