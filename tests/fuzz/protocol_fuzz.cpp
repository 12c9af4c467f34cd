// Drives an analysis window with a random sequence of host messages, page
// data and button commands, and checks after each message what must always
// hold: the record is unlocked, its counts stay within their bounds, nothing
// was written beyond a host buffer, and a saved report holds no NaN.
#include <windows.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <automation.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "drive.h"
#include "frame/layout.h"
#include "fuzzcommon.h"
#include "peek.h"
#include "testhost.h"

namespace {

const BYTE kGuard = 0xA5;
const size_t kGuardBytes = 32;
const int kMaxSteps = 48;
const DWORD kMaxPageSamples = 1 << 16;

// A host buffer of cb bytes followed by guard bytes the plug-in must leave.
class GuardedBuffer {
public:
    explicit GuardedBuffer(size_t cb) : m_cb(cb), m_bytes(cb + kGuardBytes, kGuard) {}
    char *Data() { return (char *)m_bytes.data(); }
    void Check(const char *pszWhat) const
    {
        for (size_t i = m_cb; i < m_bytes.size(); i++)
            if (m_bytes[i] != kGuard)
                FuzzFail("%s wrote %zu bytes beyond the host's buffer", pszWhat, i - m_cb + 1);
    }

private:
    size_t m_cb;
    std::vector<BYTE> m_bytes;
};

const WORD kValueItems[] = {3, 6, 10, 11, 15, 16, 17, 18, 19, 21, 22, 23, 24,
                            30, 31, 32, 35, 36, 37, 38, 39, 124};
const DWORD kValues[] = {0, 1, 2, 3, 4, 8, 16, 50, 100, 128, 200, 256, 500, 1000, 4096,
                         65535, 65536, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
const UINT kPlainMessages[] = {QPM_NOOP,     QPM_QUERY,     WM_ENABLE,
                               WM_KILLFOCUS, WM_GETDLGCODE, WM_PAINT};
const WORD kTextItems[] = {10, 15, 20, 21};
const WORD kTextSubs[] = {11, 13, 14, 21, 22, 23, 24, 25, 101, 104, 105, 106, 107, 201,
                          301, 310, 0, 1, 63, 64, 65535};
const int kCommands[] = {IDC_SETUPPANEL, IDC_HISTOGRAM, IDC_MONITOR, IDC_ADD,  IDC_CLEAR,
                         IDC_COHERENCE,  IDC_SAVE,      IDC_BANDSETUP, IDC_GRAPH_FIRST};

// Settings an input may change before the window reads them: the area
// mode, FFT size, channel count and the switches that change what an
// analysis and its report do.
const struct {
    const char *pszKey;
    const char *apszValues[4];
} kSettings[] = {
    {"FFTAreaSw", {"1", "0", "2", "1"}},       {"FFTPoint", {"16", "256", "100", "-1"}},
    {"AnalyCh", {"1", "3", "8", "0"}},         {"AutoChSelect", {"0", "1", "0", "1"}},
    {"LowCutSw", {"1", "0", "1", "0"}},        {"HiCutSw", {"1", "0", "1", "0"}},
    {"TxOutOption", {"1", "0", "3", "1"}},     {"WindowType", {"1", "3", "4", "0"}},
    {"FFTFreqStdSw", {"0", "1", "0", "1"}},    {"FFTCalMode", {"0", "1", "0", "1"}},
    {"FreqMax", {"6000", "100", "0", "3000"}}, {"EdgePercent", {"0", "100", "50", "101"}},
};

void ChooseSettings(FuzzedDataProvider &in, const std::string &sDir)
{
    std::string sFile = sDir + "QFFTANA.INI";
    CopyFileA((sDir + "DEFAULT/QFFTANA.INI").c_str(), sFile.c_str(), FALSE);
    for (const auto &setting : kSettings)
        if (in.ConsumeBool())
            WritePrivateProfileStringA("FFTINFO", setting.pszKey,
                                       in.PickValueInArray(setting.apszValues), sFile.c_str());
}

struct Session {
    FuzzedDataProvider *pIn;
    TestHost *pHost;
    std::string sDir;
    std::string sReport;
    std::vector<DWORD> anRate; // per host channel, pushed on request
};

DWORD PickValue(FuzzedDataProvider &in)
{
    if (in.ConsumeBool())
        return in.PickValueInArray(kValues);
    return in.ConsumeIntegral<DWORD>();
}

WORD PickIndex(FuzzedDataProvider &in)
{
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<WORD>(0, 9) : in.ConsumeIntegral<WORD>();
}

// The recording the host pushes when the plug-in asks: its own defaults,
// then each channel's rate as this input chose.
void PushRecording(const Session &s)
{
    s.pHost->PushRecording();
    for (size_t ch = 0; ch < s.anRate.size(); ch++)
        s.pHost->SetValue(QPI_CHRATE, (WORD)ch, s.anRate[ch]);
}

// Samples of one channel's page: a ramp, a constant or an alternation, of
// an amplitude the input chooses.
void FillPage(FuzzedDataProvider &in, std::vector<short> &anSamples)
{
    int nKind = in.ConsumeIntegralInRange(0, 2);
    short nAmp = in.ConsumeIntegral<short>();
    for (size_t i = 0; i < anSamples.size(); i++)
        anSamples[i] = nKind == 0 ? (short)((i * 37 % 200) - 100) * (nAmp % 300 / 100 + 1)
                     : nKind == 1 ? nAmp
                                  : (short)(i & 1 ? nAmp : -nAmp);
}

// What a host does for every page: start, each channel's samples, the
// page position. Gets the random steps past the set-up to the results.
void RunPage(Session &s)
{
    FuzzedDataProvider &in = *s.pIn;
    s.pHost->Send(QPM_STARTANALY, 0, 0);
    DWORD nPageTime = s.pHost->GetValue(QPI_PAGETIME);
    for (size_t ch = 0; ch < s.anRate.size(); ch++) {
        unsigned long long nSamples = (unsigned long long)s.anRate[ch] * nPageTime;
        if (nSamples == 0 || nSamples > kMaxPageSamples)
            continue;
        std::vector<short> anSamples((size_t)nSamples);
        FillPage(in, anSamples);
        s.pHost->Send(QPM_SETCHDATA, MAKEWPARAM(ch, s.anRate[ch]), (LPARAM)anSamples.data());
    }
    s.pHost->Send(QPM_SETAREA, 0, 0);
}

void SendChData(Session &s)
{
    FuzzedDataProvider &in = *s.pIn;
    WORD wCh = in.ConsumeIntegralInRange<WORD>(0, 9);
    WORD wRate = in.ConsumeBool() ? (WORD)(wCh < s.anRate.size() ? s.anRate[wCh] : 0)
                                  : in.ConsumeIntegral<WORD>();
    DWORD nPageTime = s.pHost->GetValue(QPI_PAGETIME);
    unsigned long long nSamples = (unsigned long long)wRate * nPageTime;
    if (nSamples > kMaxPageSamples)
        return;
    // Exactly as long as the protocol says: ASan reports any read beyond.
    std::vector<short> anSamples((size_t)nSamples);
    FillPage(in, anSamples);
    s.pHost->Send(QPM_SETCHDATA, MAKEWPARAM(wCh, wRate),
                  (LPARAM)(anSamples.empty() ? NULL : anSamples.data()));
}

void SendText(Session &s)
{
    FuzzedDataProvider &in = *s.pIn;
    WORD wItem = in.ConsumeBool() ? in.PickValueInArray(kTextItems) : PickIndex(in);
    WORD wSub = in.PickValueInArray(kTextSubs);
    std::string sText = FuzzText(in, 300);
    // A heap copy of exactly the text and its terminator.
    std::vector<char> achText(sText.begin(), sText.end());
    achText.push_back('\0');
    s.pHost->Send(QPM_SETTEXT, MAKEWPARAM(wItem, wSub), (LPARAM)achText.data());
}

void GetTexts(Session &s)
{
    FuzzedDataProvider &in = *s.pIn;
    GuardedBuffer text(64);
    WORD wItem = in.ConsumeBool() ? in.PickValueInArray(kTextItems) : PickIndex(in);
    LRESULT cch = s.pHost->Send(QPM_GETTEXT, MAKEWPARAM(wItem, PickIndex(in)), (LPARAM)text.Data());
    text.Check("QPM_GETTEXT");
    if ((size_t)cch != strnlen(text.Data(), 64))
        FuzzFail("QPM_GETTEXT returned %ld for a text of %zu", (long)cch, strnlen(text.Data(), 64));
    GuardedBuffer message(128);
    s.pHost->Send(QPM_GETMESSAGE, 0, (LPARAM)message.Data());
    message.Check("QPM_GETMESSAGE");
}

void CALLBACK AnswerDialog(HWND hDlg, void *pUser)
{
    EndDialog(hDlg, (INT_PTR)pUser);
}

// A report, if one was written, must hold numbers only where numbers go.
void CheckReport(const Session &s)
{
    std::ifstream file(s.sReport, std::ios::binary);
    if (!file)
        return;
    std::ostringstream os;
    os << file.rdbuf();
    std::string sText = os.str();
    for (char &c : sText)
        c = (char)tolower((unsigned char)c);
    if (sText.find("nan") != std::string::npos || sText.find("inf") != std::string::npos)
        FuzzFail("the report holds a value that is not a number:\n%s", os.str().c_str());
    file.close();
    remove(s.sReport.c_str());
}

void SendCommand(Session &s)
{
    FuzzedDataProvider &in = *s.pIn;
    int nId = in.PickValueInArray(kCommands);
    if (nId == IDC_GRAPH_FIRST)
        nId += in.ConsumeIntegralInRange(0, 9);
    if (nId == IDC_CLEAR)
        AutoQueueModalHandler(AnswerDialog, (void *)(INT_PTR)(in.ConsumeBool() ? IDOK : IDCANCEL));
    if (nId == IDC_SAVE) {
        if (in.ConsumeBool())
            AutoQueueFileDialogPath(s.sReport.c_str());
        else
            AutoQueueFileDialogCancel();
    }
    WORD wCode = in.ConsumeIntegralInRange<WORD>(0, 30);
    s.pHost->Send(WM_COMMAND, MAKEWPARAM(nId, wCode), 0);
    CheckReport(s);
}

void Step(Session &s)
{
    FuzzedDataProvider &in = *s.pIn;
    TestHost &host = *s.pHost;
    switch (in.ConsumeIntegralInRange(0, 19)) {
    case 0:
    case 1: {
        WORD wItem = in.ConsumeBool() ? in.PickValueInArray(kValueItems) : PickIndex(in);
        host.Send(QPM_SETVALUE, MAKEWPARAM(wItem, PickIndex(in)), (LPARAM)(LONG)PickValue(in));
        break;
    }
    case 2:
        host.Send(QPM_GETVALUE, MAKEWPARAM(in.PickValueInArray(kValueItems), PickIndex(in)), 0);
        break;
    case 3: SendText(s); break;
    case 4: GetTexts(s); break;
    case 5:
    case 6: SendChData(s); break;
    case 7:
        if (in.ConsumeBool())
            host.Send(QPM_STARTANALY, 0, 0);
        else
            RunPage(s);
        break;
    case 8: host.Send(QPM_STOPANALY, 0, 0); break;
    case 9: host.Send(in.ConsumeBool() ? QPM_REFRESH : QPM_REFRESHSTATE, 0, 0); break;
    case 10: host.Send(QPM_SETAREA, 0, (LPARAM)(LONG)PickValue(in)); break;
    case 11:
        host.Send(QPM_KEYNOTIFY,
                  in.ConsumeBool() ? MAKEWPARAM(QPK_EVENT_KEY, QPK_KEY_F1)
                                   : (WPARAM)in.ConsumeIntegral<DWORD>(),
                  0);
        break;
    case 12:
    case 13: SendCommand(s); break;
    case 14:
        if (in.ConsumeBool())
            host.Send(QPM_SETLINKWND, in.ConsumeBool() ? (WPARAM)host.Link() : 0, 0);
        else
            host.Send(QPM_SETNOTIFY, in.ConsumeBool() ? (WPARAM)host.Frame() : 0,
                      TestHost::NOTIFY_ID);
        break;
    case 15: {
        std::string sPath = FuzzText(in, 300);
        host.Send(QPM_SETPATH, in.ConsumeIntegralInRange(1, 3), (LPARAM)sPath.c_str());
        break;
    }
    case 16:
        host.Send(WM_SIZE, 0, MAKELPARAM(in.ConsumeIntegral<WORD>(), in.ConsumeIntegral<WORD>()));
        break;
    case 17: DriveAdvanceClock(in.ConsumeIntegralInRange(0, 600)); break;
    case 18:
        host.Send(in.PickValueInArray(kPlainMessages), 0, 0);
        break;
    case 19: host.Send(WM_TIMER, in.ConsumeBool() ? IDT_UPDATE : in.ConsumeIntegral<WORD>(), 0); break;
    }
}

// What must hold between any two messages.
void CheckRecord(HWND hWnd)
{
    HGLOBAL hData = (HGLOBAL)GetWindowLongPtrA(hWnd, FVW_DATA);
    if (hData == NULL)
        FuzzFail("the analysis window lost its record");
    if ((GlobalFlags(hData) & GMEM_LOCKCOUNT) != 0)
        FuzzFail("the record is still locked between messages");
    PeekRecord(hWnd, [](const FFTVIEWDATA &d) {
        if (d.nHostChCount > FV_HOSTCH || d.wAnalyCh > FV_ANALYCH || d.nAddCount > FV_ADDLOG)
            FuzzFail("counts out of bounds: host channels %u, analysis channels %u, adds %u",
                     d.nHostChCount, d.wAnalyCh, d.nAddCount);
        for (const ANALYCHANNEL &ch : d.aAnalyCh)
            if (ch.nHostCh < -1 || ch.nHostCh >= FV_HOSTCH)
                FuzzFail("an analysis channel is bound to host channel %d", (int)ch.nHostCh);
        for (const HOSTCHANNEL &ch : d.aHostCh) {
            if (ch.hData != NULL && GlobalSize(ch.hData) < (SIZE_T)ch.nDataSamples * 2)
                FuzzFail("a page buffer is smaller than its %u samples", ch.nDataSamples);
            if (ch.hData != NULL && (GlobalFlags(ch.hData) & GMEM_LOCKCOUNT) != 0)
                FuzzFail("a page buffer is still locked between messages");
        }
        if (strnlen(d.szMessage, FV_MESSAGE) == FV_MESSAGE)
            FuzzFail("the message text is not terminated");
    });
}

struct Setup {
    std::string sDir;
    Setup()
    {
        sDir = FuzzTempDir("protocol");
        FuzzInstallTemplates(sDir);
        if (LoadLibraryA("QFFTANA.dll") == NULL)
            FuzzFail("QFFTANA.dll could not be loaded");
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pbData, size_t cbData)
{
    static Setup setup;
    FuzzResetSettings(setup.sDir);
    FuzzedDataProvider in(pbData, cbData);
    ChooseSettings(in, setup.sDir);
    Session s;
    s.pIn = &in;
    s.sDir = setup.sDir;
    s.sReport = setup.sDir + "report.csv";
    {
        TestHost host;
        s.pHost = &host;
        int nChannels = in.ConsumeIntegralInRange(0, 10);
        host.SetRecording(nChannels, in.PickValueInArray({0, 1, 100, 128, 200, 256, 500, 1000}),
                          in.ConsumeIntegralInRange(0, 20));
        for (int ch = 0; ch < nChannels; ch++)
            s.anRate.push_back(in.PickValueInArray({0u, 1u, 50u, 100u, 200u, 250u, 500u, 1000u}));
        if (host.CreatePlugin() == NULL)
            FuzzFail("the analysis window could not be created");
        host.OnNotify(QPN_REQ_211, [&s] { PushRecording(s); });
        host.OnNotify(QPN_REQ_215, [&s] { PushRecording(s); });
        host.Initialise(s.sDir);
        DrivePump();
        CheckRecord(host.Plugin());
        if (in.ConsumeBool()) {
            RunPage(s);
            CheckRecord(host.Plugin());
        }
        for (int i = 0; i < kMaxSteps && in.remaining_bytes() > 0; i++) {
            Step(s);
            CheckRecord(host.Plugin());
            DrivePump();
            CheckRecord(host.Plugin());
        }
    }
    DrivePump();
    AutoClearModalHandlers();
    AutoClearFileDialogAnswers();
    AutoClearLogs();
    return 0;
}
