// The analysis window's children: what initialisation creates, the state of
// the command buttons, the commands, the update timer and the graph sync.
#include "fixture.h"

#include <string.h>

#include "custom/qcustom.h"
#include "fftgrph/fftgraph.h"
#include "resources/resource.h"
#include "wintool/wintool.h"

typedef PluginTest Children;

struct ChildSpec {
    int nId;
    const char *pszClass;
    const char *pszText;
    LONG lStyle;
    int nFont;
};

static const ChildSpec s_aControls[] = {
    {1013, "QCUSTOMTEXTBTN32", "FFT/HISTOGRAM", 0x500041A1, 0},
    {1014, "QCUSTOMTEXTBTN32", "FFT Monitor", 0x500041A1, 0},
    {1011, "QCUSTOMSTATIC32", "Count ", 0x500000B5, 0},
    {1012, "QCUSTOMSTATIC32", "0", 0x500001A1, 7},
    {1010, "QCUSTOMSTATIC32", "", 0x500001A3, 7},
    {1020, "QCUSTOMTEXTBTN32", "Band Setup", 0x500042A0, 0},
    {1021, "QCUSTOMTEXTBTN32", "ADD (F1)", 0x500042A0, 0},
    {1022, "QCUSTOMTEXTBTN32", "CLEAR", 0x500042A0, 0},
    {1023, "QCUSTOMTEXTBTN32", "Coherence", 0x500042A1, 0},
    {1024, "QCUSTOMTEXTBTN32", "Save..", 0x500042A0, 0},
};

static std::string ClassOf(HWND hWnd)
{
    char szClass[64] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    return szClass;
}

static std::string TextOf(HWND hWnd)
{
    char szText[64] = "";
    GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

TEST_F(Children, InitialisationCreatesEveryChildOnce)
{
    CreateAndInitialise();
    HWND hWnd = m_host->Plugin();
    for (const ChildSpec &spec : s_aControls) {
        SCOPED_TRACE(spec.nId);
        HWND hCtl = GetDlgItem(hWnd, spec.nId);
        ASSERT_NE(hCtl, nullptr);
        EXPECT_EQ(ClassOf(hCtl), spec.pszClass);
        EXPECT_EQ(TextOf(hCtl), spec.pszText);
        EXPECT_EQ(GetWindowLongA(hCtl, GWL_STYLE) & ~WS_DISABLED, spec.lStyle);
        EXPECT_EQ((UINT_PTR)SendMessageA(hCtl, WM_GETFONT, 0, 0), WtGetFont(WT_FONT_HANDLE, spec.nFont));
        if (strcmp(spec.pszClass, "QCUSTOMTEXTBTN32") == 0) {
            EXPECT_EQ(SendMessageA(hCtl, CBM_GETCOLOR, CB_COLOR_FACE, 0), 0xF0C8A0);
            EXPECT_EQ(SendMessageA(hCtl, CBM_GETCOLOR, CB_COLOR_CHECKED, 0), 0x00FFFF);
        }
    }
    for (int j = 0; j < 8; j++) {
        SCOPED_TRACE(j);
        HWND hGraph = GetDlgItem(hWnd, 1050 + j);
        ASSERT_NE(hGraph, nullptr);
        EXPECT_EQ(ClassOf(hGraph), "QFFTGFRAPHCLASS");
        EXPECT_EQ(TextOf(hGraph), "FFT Graph");
        EXPECT_EQ(GetWindowLongA(hGraph, GWL_STYLE), 0x40000101);
        const LPARAM alProps[][2] = {{2, 2}, {3, 2}, {15, 1}, {30, 1}, {19, 0}, {32, 1},
                                     {0x1000B, 0}, {0x2000B, 0xFF0000}};
        for (const auto &prop : alProps)
            EXPECT_EQ(SendMessageA(hGraph, FGM_GETPROP, (WPARAM)prop[0], 0), prop[1]) << prop[0];
        HWND hBar = GetDlgItem(hWnd, 1080 + j);
        ASSERT_NE(hBar, nullptr);
        EXPECT_EQ(ClassOf(hBar), "QPANEFFTANALYBARGRAPH");
        EXPECT_EQ(GetWindowLongA(hBar, GWL_STYLE), 0x500001A1);
        // Created in pairs: the bar graph follows its spectrum graph.
        EXPECT_EQ(GetWindow(hGraph, GW_HWNDNEXT), hBar);
    }
    // The setup panel comes first, as control 1000.
    HWND hPanel = GetWindow(hWnd, GW_CHILD);
    EXPECT_EQ(GetDlgCtrlID(hPanel), 1000);
    PeekRecord(hWnd, [hPanel](const FFTVIEWDATA &d) { EXPECT_EQ(d.hSetupDlg, hPanel); });

    // Naming the settings folder again makes no second set.
    HWND hFirst = GetDlgItem(hWnd, 1021);
    m_host->Send(QPM_SETPATH, 0, (LPARAM)SettingsDir().c_str());
    int nChildren = 0;
    for (HWND h = GetWindow(hWnd, GW_CHILD); h != NULL; h = GetWindow(h, GW_HWNDNEXT))
        nChildren++;
    EXPECT_EQ(nChildren, 27);
    EXPECT_EQ(GetDlgItem(hWnd, 1021), hFirst);
}

TEST_F(Children, ButtonsFollowTheAnalysisState)
{
    CreateAndInitialise();
    HWND hWnd = m_host->Plugin();
    auto enabled = [hWnd](int nId) { return IsWindowEnabled(GetDlgItem(hWnd, nId)) != FALSE; };
    // Before a start only Band Setup and the display switches work.
    EXPECT_TRUE(enabled(1020));
    EXPECT_FALSE(enabled(1021));
    EXPECT_FALSE(enabled(1022));
    EXPECT_FALSE(enabled(1023));
    EXPECT_FALSE(enabled(1024));
    m_host->Send(QPM_STARTANALY, 0, 0);
    EXPECT_TRUE(enabled(1023));
    EXPECT_FALSE(enabled(1021)) << "nothing to add before an FFT";
    EXPECT_FALSE(enabled(1024)) << "nothing to save before an ADD";
    EXPECT_EQ(IsDlgButtonChecked(hWnd, 1014), BST_CHECKED) << "a start switches the monitor on";

    m_host->Send(WM_COMMAND, MAKEWPARAM(1013, 0), (LPARAM)GetDlgItem(hWnd, 1013));
    EXPECT_EQ(IsDlgButtonChecked(hWnd, 1013), BST_CHECKED);
    EXPECT_FALSE(enabled(1014));
    EXPECT_EQ(IsDlgButtonChecked(hWnd, 1014), BST_UNCHECKED);
    m_host->Send(WM_COMMAND, MAKEWPARAM(1013, 0), (LPARAM)GetDlgItem(hWnd, 1013));
    EXPECT_TRUE(enabled(1014));
    EXPECT_EQ(IsDlgButtonChecked(hWnd, 1014), BST_CHECKED) << "the former check state returns";

    m_host->Send(WM_COMMAND, MAKEWPARAM(1014, 0), (LPARAM)GetDlgItem(hWnd, 1014));
    EXPECT_EQ(IsDlgButtonChecked(hWnd, 1014), BST_UNCHECKED);
    PeekRecord(hWnd, [](const FFTVIEWDATA &d) { EXPECT_EQ(d.wMonitor, 0); });
}

TEST_F(Children, SetupChangeStartsTheUpdateTimerOnce)
{
    CreateAndInitialise();
    m_host->Send(QPM_STARTANALY, 0, 0);
    m_host->Send(WM_COMMAND, MAKEWPARAM(1000, QPN_SETUPCHANGED), 0);
    m_host->Send(WM_COMMAND, MAKEWPARAM(1000, QPN_SETUPCHANGED), 0);
    m_host->ClearLog();
    DriveAdvanceClock(249);
    ok_sequence(*m_host, g_seqNone, "before 250 ms");
    DriveAdvanceClock(1);
    ok_sequence(*m_host, g_seqDelayedUpdate, "at 250 ms");
    m_host->ClearLog();
    DriveAdvanceClock(1000);
    ok_sequence(*m_host, g_seqNone, "one shot");
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) { EXPECT_EQ(d.idUpdateTimer, 0u); });
}

TEST_F(Children, GraphsFollowTheOneTheUserChanged)
{
    CreateAndInitialise();
    HWND hWnd = m_host->Plugin();
    HWND hSource = GetDlgItem(hWnd, 1052);
    SendMessageA(hSource, FGM_SETSYNC, FG_SYNC_FREQ, 1050);
    SendMessageA(hSource, FGM_SETSYNC, FG_SYNC_STATE, 1);
    m_host->Send(WM_COMMAND, MAKEWPARAM(1052, FGN_CURSOR), (LPARAM)hSource);
    SendMessageA(hSource, FGM_SETPROP, FG_PROP_DRAWTYPE, 2);
    m_host->Send(WM_COMMAND, MAKEWPARAM(1052, FGN_TYPECHANGED), (LPARAM)hSource);
    SendMessageA(hSource, FGM_SETPROP, FG_PROP_MAG, 8);
    m_host->Send(WM_COMMAND, MAKEWPARAM(1052, FGN_MAGCHANGED), (LPARAM)hSource);
    for (int j = 0; j < 8; j++) {
        SCOPED_TRACE(j);
        HWND hGraph = GetDlgItem(hWnd, 1050 + j);
        EXPECT_EQ(SendMessageA(hGraph, FGM_GETSYNC, FG_SYNC_FREQ, 0), 1050);
        EXPECT_EQ(SendMessageA(hGraph, FGM_GETSYNC, FG_SYNC_STATE, 0), 1);
        EXPECT_EQ(SendMessageA(hGraph, FGM_GETPROP, FG_PROP_DRAWTYPE, 0), 2);
        EXPECT_EQ(SendMessageA(hGraph, FGM_GETPROP, FG_PROP_MAG, 0), 8);
    }
    PeekRecord(hWnd, [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.nFFTViewMag, 8u);
        EXPECT_EQ(d.wFFTDrawType, 0) << "the stored draw type stays for the next set-up";
    });
}

TEST_F(Children, SaveTellsTheHostHowItWent)
{
    CreateAndInitialise();
    m_host->Send(QPM_STARTANALY, 0, 0);
    HWND hSave = GetDlgItem(m_host->Plugin(), 1024);
    static const struct {
        const char *pszFile; // NULL: the dialog is cancelled
        const HOSTMSG *pSeq;
        UINT nText;          // 0: no text expected
    } s_aOutcomes[] = {{NULL, g_seqNone, 0},
                       {"out.csv", g_seqInfoText, IDS_CSVSAVED},
                       {"no/such/folder.csv", g_seqErrorText, IDS_CSVFAILED}};
    for (const auto &t : s_aOutcomes) {
        SCOPED_TRACE(t.pszFile != NULL ? t.pszFile : "cancelled");
        m_host->ClearLog();
        DriveOnNextFileDialog(t.pszFile != NULL ? FileIn(t.pszFile).c_str() : NULL);
        m_host->Send(WM_COMMAND, MAKEWPARAM(1024, 0), (LPARAM)hSave);
        ok_sequence(*m_host, t.pSeq, "Save..");
        if (t.nText == 0)
            continue;
        char szText[128] = "";
        LoadStringA(m_hPlugin, t.nText, szText, sizeof(szText));
        EXPECT_EQ(m_host->GetMessageText(), szText);
    }
}
