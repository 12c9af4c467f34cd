// The per-channel numbers of one run, from its report and settings.
#include "summary.h"

#include <math.h>

#include "codepage.h"
#include "setfolder.h"

static double SettingHz(const std::string &strFile, const char *pszKey, int nDefault)
{
    return GetPrivateProfileIntA("FFTINFO", pszKey, nDefault, strFile.c_str()) / 100.0;
}

static int SettingInt(const std::string &strFile, const char *pszKey, int nDefault)
{
    return (int)GetPrivateProfileIntA("FFTINFO", pszKey, nDefault, strFile.c_str());
}

void SummaryReadSettings(const std::string &strSettingsFolder, RUNSETTINGS *pSettings)
{
    const std::string strFile = strSettingsFolder + SET_MAINFILE;
    RUNSETTINGS s = {};
    s.nFFTPoints = SettingInt(strFile, "FFTPoint", 1024);
    s.nWindowType = SettingInt(strFile, "WindowType", 0);
    s.bSection = SettingInt(strFile, "FFTAreaSw", 0) == 1;
    s.bDensity = SettingInt(strFile, "FFTFreqStdSw", 1) != 0;
    s.bLowCut = SettingInt(strFile, "LowCutSw", 0) != 0;
    s.bHighCut = SettingInt(strFile, "HiCutSw", 0) != 0;
    s.dLowCutHz = SettingHz(strFile, "LowCutFreq", 20);
    s.dHighCutHz = SettingHz(strFile, "HiCutFreq", 3000);
    s.dPeakMinHz = SettingHz(strFile, "PeakMinRange", 100);
    s.dPeakMaxHz = SettingHz(strFile, "PeakMaxRange", 3000);
    s.ranges = {SettingHz(strFile, "MeanMinRange", 0), SettingHz(strFile, "MeanMaxRange", 3000),
                SettingHz(strFile, "EdgeMinRange", 100), SettingHz(strFile, "EdgeMaxRange", 3000),
                (double)SettingInt(strFile, "EdgePercent", 80),
                SettingHz(strFile, "FreqMin", 0), SettingHz(strFile, "FreqMax", 3000)};
    const std::string strCohFile = strSettingsFolder + SET_COHFILE;
    s.bCoherence = GetPrivateProfileIntA("INITIAL", "Enable", 0, strCohFile.c_str()) != 0;
    s.bCohSquared = GetPrivateProfileIntA("INITIAL", "CoherenceSquare", 1, strCohFile.c_str()) != 0;
    *pSettings = s;
}

const char *SummaryWindowName(int nWindowType)
{
    static const char *const apszName[] = {"rectangle", "Hamming", "Hanning", "Blackman"};
    return nWindowType >= 0 && nWindowType < 4 ? apszName[nWindowType] : "unknown";
}

// The step of the recording's channel named in the title "CHn(label)".
static double ChannelStep(const RECORDING *pRec, const std::string &strTitle)
{
    size_t nOpen = strTitle.find('('), nClose = strTitle.rfind(')');
    if (pRec == NULL || nOpen == std::string::npos || nClose == std::string::npos || nClose < nOpen)
        return NAN;
    int iCh = RecFindLabel(pRec, strTitle.substr(nOpen + 1, nClose - nOpen - 1).c_str());
    return iCh < 0 ? NAN : pRec->aChannels[iCh].dUvPerStep;
}

void SummaryCollect(REPORT *pReport, const RUNSETTINGS *pSettings, const RECORDING *pRec, int nPageSeconds,
                    RUNSUMMARY *pSummary)
{
    ReportComputeFrequencies(pReport, &pSettings->ranges);
    ReportComputePeaks(pReport, pSettings->dPeakMinHz, pSettings->dPeakMaxHz);
    RUNSUMMARY sum;
    sum.settings = *pSettings;
    sum.nPageSeconds = nPageSeconds;
    sum.nAddCount = pReport->nAddCount;
    sum.bAveraged = !pReport->aChannels.empty();
    for (const REPORTCHANNEL &ch : pReport->aChannels)
        sum.bAveraged = sum.bAveraged && ch.adAvgPercent.size() == pReport->aBands.size();
    for (size_t b = 0; b < pReport->aBands.size(); b++)
        sum.aBands.push_back({CpAnsiToUtf8String(pReport->aBands[b].c_str()), pReport->adBandMin[b], pReport->adBandMax[b]});
    double dLineWidth = pReport->adFreq.size() >= 2 ? pReport->adFreq[1] - pReport->adFreq[0] : NAN;
    for (const REPORTCHANNEL &ch : pReport->aChannels) {
        SUMMARYCHANNEL out;
        out.strTitle = CpAnsiToUtf8String(ch.strTitle.c_str());
        out.dUvPerStep = ChannelStep(pRec, ch.strTitle);
        double dScale = out.dUvPerStep * (pSettings->bDensity ? dLineWidth : 1.0);
        for (size_t b = 0; b < pReport->aBands.size(); b++)
            out.adBandPower.push_back(sum.bAveraged ? ch.adAvgPower[b] * dScale : NAN);
        out.adBandShare = sum.bAveraged ? ch.adAvgPercent : ch.adPercent;
        out.dMeanFreq = ch.dMeanFreq;
        out.dEdgeFreq = ch.dEdgeFreq;
        out.dPeakFreq = ch.dPeakFreq;
        sum.aChannels.push_back(out);
    }
    *pSummary = sum;
}
