// The exchange with the host from creation to destruction, and the request
// notifications of start, stop and refresh.
#include "fixture.h"

typedef PluginTest Lifecycle;

static const HOSTMSG s_seqSetNotify[] = {POSTED_NOTIFY(QPN_NOTIFYSET), SEQ_END};

static const HOSTMSG s_seqInitialise[] = {SENT_NOTIFY(QPN_REQ_160), POSTED_NOTIFY(QPN_INITDONE),
                                          SEQ_END};

// A start: the requests, the FFT set-up's outcome, then the start itself.
#define START_SEQUENCE                                                             \
    SENT_NOTIFY(QPN_REQ_211), SENT_NOTIFY(QPN_REQ_215), SENT_NOTIFY(QPN_REQ_210),  \
    SENT_NOTIFY(QPN_REQ_216), SENT_NOTIFY(QPN_REQ_206), SENT_NOTIFY(QPN_REQ_151),  \
    SENT_NOTIFY(QPN_REQ_160), SENT_NOTIFY(QPN_REQ_152), SENT_NOTIFY(QPN_REQ_START), \
    SENT_NOTIFY(QPN_INFOTEXT), SENT_NOTIFY(QPN_ANALYSTARTED)

static const HOSTMSG s_seqStartLinked[] = {
    START_SEQUENCE,
    LINK_MSG(QLM_SETITEM, QLM_ITEM_AREAMODE, 0),
    LINK_MSG(QLM_SETITEM, QLM_ITEM_FFTLENGTH, 1024),
    LINK_MSG(QLM_SETSTATE, 1, 0),
    SEQ_END,
};

#define STOP_SEQUENCE SENT_NOTIFY(QPN_ANALYSTOP), SENT_NOTIFY(QPN_REQ_STOP)

static const HOSTMSG s_seqStop[] = {STOP_SEQUENCE, SEQ_END};

static const HOSTMSG s_seqRestart[] = {STOP_SEQUENCE, START_SEQUENCE, SEQ_END};

static const HOSTMSG s_seqRefreshAnalysing[] = {SENT_NOTIFY(QPN_REQ_216), SENT_NOTIFY(QPN_REQ_206),
                                                SENT_NOTIFY(QPN_REQ_151), SENT_NOTIFY(QPN_REQ_160),
                                                SEQ_END};

TEST_F(Lifecycle, HostExchangeFromCreationToDestruction)
{
    InstallTemplates();
    ASSERT_NE(m_host->CreatePlugin(), nullptr);
    ok_sequence(*m_host, g_seqNone, "creation");

    m_host->Send(QPM_SETNOTIFY, (WPARAM)m_host->Frame(), TestHost::NOTIFY_ID);
    ok_sequence(*m_host, g_seqNone, "set notify before the queue is pumped");
    DrivePump();
    ok_sequence(*m_host, s_seqSetNotify, "set notify");
    m_host->ClearLog();

    std::string sAppDir = Folder().string();
    m_host->Send(QPM_SETPATH, 2, (LPARAM)sAppDir.c_str());
    m_host->Send(QPM_SETPATH, 1, (LPARAM)"host");
    ok_sequence(*m_host, g_seqNone, "application folder and host path");
    std::string sSettings = SettingsDir();
    m_host->Send(QPM_SETPATH, 0, (LPARAM)sSettings.c_str());
    DrivePump();
    ok_sequence(*m_host, s_seqInitialise, "settings folder");
    m_host->ClearLog();
    // Loaded from the template's copy; only the write-back brings it again.
    ASSERT_TRUE(std::filesystem::remove(FileIn("QFFTANA.INI")));

    m_host->SetRecording(4, 500, 10);
    m_host->PushRecording();
    m_host->Send(QPM_SETLINKWND, (WPARAM)m_host->Link(), 0);
    ok_sequence(*m_host, g_seqNone, "recording items");

    m_host->Send(QPM_STARTANALY, 0, 0);
    ok_sequence(*m_host, s_seqStartLinked, "start");
    m_host->ClearLog();

    std::vector<short> page(5000, 7);
    m_host->Send(QPM_SETCHDATA, MAKEWPARAM(0, 500), (LPARAM)page.data());
    m_host->Send(QPM_SETAREA, 0, 0);
    m_host->Send(QPM_STOPANALY, 0, 0);
    DrivePump();
    ok_sequence(*m_host, s_seqStop, "page, area and stop");
    m_host->ClearLog();

    DestroyPlugin();
    ok_sequence(*m_host, g_seqNone, "destruction");
    std::string sHelp = sAppDir + "\\HELP\\QFFTANA.HLP";
    EXPECT_EQ(DriveHelpQuitCount(sHelp.c_str()), 1) << "WinHelp is told to quit for " << sHelp;
    EXPECT_EQ(GetPrivateProfileIntA("FFTINFO", "AnalyCh", 0, FileIn("QFFTANA.INI").c_str()), 8u)
        << "settings written back";
}

TEST_F(Lifecycle, StartWhileAnalysingStopsFirst)
{
    CreateAndInitialise();
    m_host->Send(QPM_STARTANALY, 0, 0);
    m_host->ClearLog();
    m_host->Send(QPM_STARTANALY, 0, 0);
    ok_sequence(*m_host, s_seqRestart, "second start");
}

TEST_F(Lifecycle, RefreshAsksForDataOnlyWhileAnalysing)
{
    CreateAndInitialise();
    m_host->Send(QPM_REFRESH, 0, 0);
    ok_sequence(*m_host, g_seqNone, "refresh while idle");
    m_host->Send(QPM_STARTANALY, 0, 0);
    m_host->ClearLog();
    m_host->Send(QPM_REFRESH, 0, 0);
    ok_sequence(*m_host, s_seqRefreshAnalysing, "refresh while analysing");
    m_host->ClearLog();
    m_host->Send(QPM_STOPANALY, 0, 0);
    m_host->ClearLog();
    m_host->Send(QPM_REFRESH, 0, 0);
    ok_sequence(*m_host, g_seqNone, "refresh after stop");
}

TEST_F(Lifecycle, StopReleasesPagesAndUnbindsEverySlot)
{
    CreateAndInitialise();
    m_host->SetRecording(2, 200, 10);
    m_host->AnswerRequests();
    m_host->Send(QPM_STARTANALY, 0, 0);
    std::vector<short> page(2000, 1);
    m_host->Send(QPM_SETCHDATA, MAKEWPARAM(0, 200), (LPARAM)page.data());
    m_host->Send(QPM_STOPANALY, 0, 0);
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.wAnalyState, 0);
        for (const HOSTCHANNEL &ch : d.aHostCh) {
            EXPECT_EQ(ch.hData, nullptr);
            EXPECT_EQ(ch.nDataSamples, 0u);
        }
        for (const ANALYCHANNEL &ch : d.aAnalyCh)
            EXPECT_EQ(ch.nHostCh, -1);
        EXPECT_EQ(d.nAddCount, 0u);
        EXPECT_EQ(d.wFFTDone, 0);
    });
}

// A host answers the request notifications by sending items back while the
// plug-in holds its record: the nested messages must reach the same record.
TEST_F(Lifecycle, RequestAnswersReenterTheLockedRecord)
{
    CreateAndInitialise();
    m_host->SetRecording(6, 250, 20);
    DWORD dwSeenInside = 0;
    m_host->OnNotify(QPN_REQ_211, [&] {
        m_host->PushRecording();
        dwSeenInside = m_host->GetValue(QPI_BASERATE);
    });
    m_host->OnNotify(QPN_REQ_210, [&] { m_host->SetText(QPT_CHNAME2, 5, "second"); });
    m_host->Send(QPM_STARTANALY, 0, 0);

    EXPECT_EQ(dwSeenInside, 250u);
    EXPECT_EQ(m_host->GetValue(QPI_PAGETIME), 20u);
    EXPECT_EQ(m_host->GetValue(QPI_CHRATE, 5), 250u);
    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 5), "Ch6");
    EXPECT_EQ(m_host->GetText(QPT_CHNAME2, 5), "second");
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.nHostChCount, 6u);
        EXPECT_EQ(d.wAnalyState, 2);
        EXPECT_EQ(d.wMonitor, 1);
    });
}

// The record is the window's; every slot starts unbound, so a refresh
// copies nothing from host channel 0.
TEST_F(Lifecycle, FreshRecordIsTheWindowsAndItsSlotsAreUnbound)
{
    ASSERT_NE(m_host->CreatePlugin(), nullptr);
    HWND hPlugin = m_host->Plugin();
    EXPECT_TRUE(PeekRecord(hPlugin, [&](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.hSelf, (HGLOBAL)GetWindowLongPtrA(hPlugin, FVW_DATA));
        EXPECT_EQ(d.hWnd, hPlugin);
    }));
    EXPECT_EQ(GetWindowLongPtrA(hPlugin, FVW_FONT), 0) << "the window's own WM_GETFONT answer";
    m_host->SetValue(QPI_CHRATE, 0, 500);
    m_host->Send(QPM_REFRESH, 0, 0);
    PeekRecord(hPlugin, [](const FFTVIEWDATA &d) { EXPECT_EQ(d.aAnalyCh[0].nChRate, 0u); });
}

TEST_F(Lifecycle, UpdateTimerPostsDelayedUpdateOnce)
{
    CreateAndInitialise();
    SetTimer(m_host->Plugin(), 801, 100, NULL);
    DriveAdvanceClock(300);
    ok_sequence(*m_host, g_seqNone, "a foreign timer id is ignored");
    KillTimer(m_host->Plugin(), 801);

    SetTimer(m_host->Plugin(), 800, 250, NULL);
    DriveAdvanceClock(300);
    DrivePump();
    ok_sequence(*m_host, g_seqDelayedUpdate, "timer 800 expired");
    m_host->ClearLog();
    DriveAdvanceClock(1000);
    DrivePump();
    ok_sequence(*m_host, g_seqNone, "the update timer is one-shot");
}

// After its record is freed the window must not hold the handle: a message
// that reaches it during the rest of its destruction finds no record.
static WNDPROC s_pfnBeforeDestroyCheck;
static LONG_PTR s_nLongAfterDestroy = -1;
static LRESULT s_nValueAfterDestroy = -1;

static LRESULT CALLBACK DestroyCheckProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CallWindowProcA(s_pfnBeforeDestroyCheck, hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_DESTROY) {
        s_nLongAfterDestroy = GetWindowLongPtrA(hWnd, FVW_DATA);
        s_nValueAfterDestroy = SendMessageA(hWnd, QPM_GETVALUE, QPI_BASERATE, 0);
    }
    return lResult;
}

TEST_F(Lifecycle, DestructionLeavesNoHandleToTheFreedRecord)
{
    CreateAndInitialise();
    m_host->SetValue(QPI_BASERATE, 0, 500);
    s_pfnBeforeDestroyCheck = (WNDPROC)SetWindowLongPtrA(m_host->Plugin(), GWLP_WNDPROC,
                                                         (LONG_PTR)DestroyCheckProc);
    DestroyPlugin();
    EXPECT_EQ(s_nLongAfterDestroy, 0);
    EXPECT_EQ(s_nValueAfterDestroy, 0);
}

TEST_F(Lifecycle, FontSetsTheLineHeightFromItsMetrics)
{
    CreateAndInitialise();
    HFONT hFont = CreateFontA(-20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, "MS UI Gothic");
    HDC hdc = GetDC(NULL);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(hdc, &tm));
    SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);

    m_host->Send(WM_SETFONT, (WPARAM)hFont, 0);
    EXPECT_EQ((HFONT)GetWindowLongPtrA(m_host->Plugin(), FVW_FONT), hFont);
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.nLineHeight, (DWORD)tm.tmHeight + 4);
    });
    DestroyPlugin();
    DeleteObject(hFont);
}
