// An analysis run as a host drives it.
#include "analysis.h"

#include <math.h>

#include <random>
#include <sstream>

#include "fftgrph/fftgrph.h"

// The tests' [FFTINFO] defaults.
static const std::map<std::string, std::string> s_defaultInfo = {
    {"TxOutOption", "1"},   {"AutoChSelect", "0"},  {"FFTAreaSw", "0"},     {"FFTCalMode", "1"},
    {"FFTFreqStdSw", "0"},  {"ADDKeySw", "1"},      {"FreqMin", "0"},       {"FreqMax", "3000"},
    {"FFTPoint", "1024"},   {"WindowType", "2"},    {"LowCutSw", "0"},      {"HiCutSw", "0"},
    {"EdgePercent", "80"},  {"MeanMinRange", "0"},  {"MeanMaxRange", "3000"},
    {"EdgeMinRange", "0"},  {"EdgeMaxRange", "3000"}, {"ShowFreqPara", "1"},
};

static const struct {
    const char *pszLabel;
    int nMin, nMax;
} s_aBands[] = {{"delta", 50, 400}, {"theta", 400, 800}, {"alpha", 800, 1300}, {"beta", 1300, 3000}};

Recording Channels(DWORD nRate, const std::vector<const char *> &apszNames, DWORD nPageTime)
{
    Recording rec;
    rec.nBaseRate = (LONG)nRate;
    rec.nPageTime = nPageTime;
    for (const char *pszName : apszNames)
        rec.aChannels.push_back({pszName, nRate});
    return rec;
}

void AnalysisTest::WriteSettings(const std::vector<AnalyChannel> &aChannels,
                                 const std::map<std::string, std::string> &fftInfo, bool bCoherence)
{
    std::map<std::string, std::string> info = s_defaultInfo;
    for (const auto &kv : fftInfo)
        info[kv.first] = kv.second;
    if (info.find("AnalyCh") == info.end())
        info["AnalyCh"] = std::to_string(aChannels.size());
    std::ostringstream ini;
    ini << "[FFTINFO]\r\n";
    for (const auto &kv : info)
        ini << kv.first << "=" << kv.second << "\r\n";
    for (size_t j = 0; j < 8; j++) {
        ini << "[ANALYCH" << j + 1 << "]\r\n";
        if (j < aChannels.size())
            ini << "Signal=" << aChannels[j].nSignal << "\r\nLabel=\"" << aChannels[j].sLabel
                << "\"\r\n";
        else
            ini << "Signal=0\r\nLabel=\"\"\r\n";
    }
    for (size_t b = 0; b < 8; b++) {
        ini << "[FREQBAND" << b + 1 << "]\r\n";
        if (b < 4)
            ini << "Enable=1\r\nShow=1\r\nMinFreq=" << s_aBands[b].nMin << "\r\nMaxFreq="
                << s_aBands[b].nMax << "\r\nLabel=" << s_aBands[b].pszLabel << "\r\n";
        else
            ini << "Enable=0\r\nShow=0\r\nMinFreq=0\r\nMaxFreq=0\r\nLabel=off\r\n";
    }
    WriteFile(FileIn("QFFTANA.INI"), ini.str());
    WriteFile(FileIn("QFFTANAX.INI"),
              std::string("[INITIAL]\r\nEnable=") + (bCoherence ? "1" : "0") +
                  "\r\nCoherenceSquare=1\r\n");
}

static void PushRecording(const TestHost &host, const Recording &rec)
{
    host.SetValue(QPI_HOSTCHCOUNT, 0, (DWORD)rec.aChannels.size());
    host.SetValue(QPI_BASERATE, 0, (DWORD)rec.nBaseRate);
    host.SetValue(QPI_PAGETIME, 0, rec.nPageTime);
    for (WORD i = 0; i < 3; i++)
        host.SetValue(QPI_RECTIME, (WORD)(3 + i), rec.anStartTime[i]);
    for (size_t k = 0; k < rec.aChannels.size(); k++) {
        const HostChannel &ch = rec.aChannels[k];
        WORD wCh = (WORD)k;
        host.SetValue(QPI_CHUSED, wCh, ch.wUsed);
        host.SetValue(QPI_SIGNALTYPE, wCh, ch.wSignal);
        host.SetValue(QPI_CHRATE, wCh, ch.nRate);
        host.SetValue(QPI_CALVALUE, wCh, ch.nCalValue);
        host.SetValue(QPI_CALHEIGHT, wCh, ch.nCalHeight);
        host.SetValue(QPI_CALRANGE, wCh, ch.nCalRange);
        host.SetText(QPT_CHNAME, wCh, ch.sName.c_str());
    }
}

void AnalysisTest::Start(const Recording &rec)
{
    m_rec = rec;
    if (m_host->Plugin() == NULL)
        CreateAndInitialise();
    const TestHost &host = *m_host;
    Recording *pRec = &m_rec;
    m_host->OnNotify(QPN_REQ_211, [&host, pRec] { PushRecording(host, *pRec); });
    m_host->Send(QPM_STARTANALY, 0, 0);
    DrivePump();
}

void AnalysisTest::SendPage(int nCh, const std::vector<short> &samples) const
{
    DWORD nRate = m_rec.aChannels[(size_t)nCh].nRate;
    m_host->Send(QPM_SETCHDATA, MAKEWPARAM(nCh, nRate), (LPARAM)samples.data());
}

void AnalysisTest::SetArea(DWORD nPageStart) const
{
    m_host->Send(QPM_SETAREA, 0, (LPARAM)nPageStart);
}

void AnalysisTest::SetAreaOffset(DWORD nOffset) const
{
    m_host->SetValue(QPI_AREAOFFSET, 0, nOffset);
}

HWND AnalysisTest::Child(int nId) const
{
    return GetDlgItem(m_host->Plugin(), nId);
}

void AnalysisTest::Command(int nId, int nCode) const
{
    m_host->Send(WM_COMMAND, MAKEWPARAM(nId, nCode), (LPARAM)Child(nId));
}

static std::vector<LONG> ReadLines(HWND hGraph, UINT uMsg)
{
    LRESULT nLines = SendMessageA(hGraph, uMsg, 0, 0);
    std::vector<LONG> lines((size_t)nLines);
    if (nLines > 0)
        SendMessageA(hGraph, uMsg, (WPARAM)nLines, (LPARAM)lines.data());
    return lines;
}

std::vector<LONG> AnalysisTest::GraphData(int iSlot) const
{
    return ReadLines(Child(1050 + iSlot), FGM_GETDATA);
}

std::vector<LONG> AnalysisTest::GraphAddData(int iSlot) const
{
    return ReadLines(Child(1050 + iSlot), FGM_GETADDDATA);
}

LRESULT AnalysisTest::GraphProp(int iSlot, int nProp) const
{
    return SendMessageA(Child(1050 + iSlot), FGM_GETPROP, (WPARAM)nProp, 0);
}

float AnalysisTest::GraphValue(int iSlot, int nValue) const
{
    float fValue = -1.0f;
    SendMessageA(Child(1050 + iSlot), FGM_GETVALUE, (WPARAM)nValue, (LPARAM)&fValue);
    return fValue;
}

std::string AnalysisTest::ChildText(int nId) const
{
    char szText[256] = "";
    GetWindowTextA(Child(nId), szText, sizeof(szText));
    return szText;
}

std::string AnalysisTest::PluginString(UINT nId) const
{
    char szText[256] = "";
    LoadStringA(m_hPlugin, nId, szText, sizeof(szText));
    return szText;
}

std::unique_ptr<FFTVIEWDATA> AnalysisTest::Record() const
{
    std::unique_ptr<FFTVIEWDATA> pCopy(new FFTVIEWDATA());
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &data) { *pCopy = data; });
    return pCopy;
}

std::vector<short> Sines(int nRate, int nSamples, const std::vector<std::pair<double, double>> &aSines,
                         double dNoise, unsigned uSeed)
{
    std::mt19937 gen(uSeed);
    std::normal_distribution<double> noise(0.0, dNoise > 0.0 ? dNoise : 1.0);
    std::vector<short> samples((size_t)nSamples);
    for (int n = 0; n < nSamples; n++) {
        double d = 0.0;
        for (const auto &sine : aSines)
            d += sine.first * sin(2.0 * M_PI * sine.second * n / nRate);
        if (dNoise > 0.0)
            d += noise(gen);
        samples[(size_t)n] = (short)lround(d);
    }
    return samples;
}

std::vector<LONG> BlockSpectrum(int nSizeCode, int nRate, const short *psSamples, int nCount)
{
    DWORD hFFT = FgCreate(nSizeCode);
    FgSetParam(hFFT, FG_PARAM_WINDOW, 0, 2);
    FgSetChannelSize(hFFT, 1, 0, nSizeCode);
    FgInitChannel(hFFT, 0);
    FgSetParam(hFFT, FG_PARAM_RATE, 0, nRate);
    std::vector<LONG> lines((size_t)1 << nSizeCode);
    int nLines = FgInputData(hFFT, 2, 0, psSamples, nCount) != 0 ? FgGetSpectrum(hFFT, 0, lines.data()) : 0;
    lines.resize((size_t)nLines);
    FgDestroy(hFFT);
    return lines;
}

std::vector<double> MeanBlockSpectrum(int nSizeCode, int nRate, const short *psSamples, int nBlockLen,
                                      int nBlocks)
{
    std::vector<double> mean;
    for (int k = 0; k < nBlocks; k++) {
        std::vector<LONG> lines = BlockSpectrum(nSizeCode, nRate, psSamples + k * nBlockLen, nBlockLen);
        mean.resize(lines.size());
        for (size_t i = 0; i < lines.size(); i++)
            mean[i] += (double)lines[i] / nBlocks;
    }
    return mean;
}

void CALLBACK PressDialogButton(HWND hDlg, void *pUser)
{
    int nId = (int)(INT_PTR)pUser;
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nId));
}
