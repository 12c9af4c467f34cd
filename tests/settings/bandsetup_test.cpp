// The band setup dialog, opened with the analysis window's "Band Setup"
// button: what OK stores, what it corrects, what Cancel keeps, and a window
// that goes away under the dialog.
#include <string.h>

#include "custom/qcustom.h"
#include "setuptest.h"

namespace {

class BandSetup : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        Poke([](FFTVIEWDATA &d) {
            d.nFreqMin = 0;
            d.nFreqMax = 30000;
            d.nBaseRate = 500;
            for (int b = 0; b < 8; b++) {
                FREQBAND &band = d.aBand[b];
                band.wEnable = band.wShow = 1;
                band.nMinFreq = 800;
                band.nMaxFreq = 1300;
                snprintf(band.szLabel, sizeof(band.szLabel), "band %d", b + 1);
            }
        });
    }
    // Clicks "Band Setup" with fnUser sitting at the dialog.
    void RunDialog(std::function<void(HWND)> fnUser)
    {
        OnDialog(std::move(fnUser));
        ASSERT_TRUE(AutoClick(GetDlgItem(Plugin(), 1020)));
    }
    FREQBAND Band(int b) const
    {
        return Read<FREQBAND>([b](const FFTVIEWDATA &d) { return d.aBand[b]; });
    }
};

// Pixel row of value v on a scale of 0..nMax (the library's geometry).
int ScaleY(HWND hScale, LONG nMax, LONG v)
{
    RECT rc;
    GetClientRect(hScale, &rc);
    int nTop = RS_MARGIN, nBottom = rc.bottom - RS_MARGIN - 1;
    return nBottom - (int)((LONGLONG)v * (nBottom - nTop) / nMax);
}

void Drag(HWND hScale, int yFrom, int yTo)
{
    PostMessageA(hScale, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, yFrom));
    PostMessageA(hScale, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, yTo));
    PostMessageA(hScale, WM_LBUTTONUP, 0, MAKELPARAM(20, yTo));
    AutoPump();
}

LONG Low(HWND hDlg, int b)
{
    return (LONG)SendDlgItemMessageA(hDlg, IDC_BANDSCALE + b, RSM_GETLOW, 0, 0);
}

LONG High(HWND hDlg, int b)
{
    return (LONG)SendDlgItemMessageA(hDlg, IDC_BANDSCALE + b, RSM_GETHIGH, 0, 0);
}

TEST_F(BandSetup, OkStoresBandsAndAreaAndTheWindowSetsUpAgain)
{
    RunDialog([](HWND hDlg) {
        EXPECT_EQ(TextOf(hDlg, IDC_TOTALMAX), "300.00");
        EXPECT_EQ(TextOf(hDlg, IDC_BANDLABEL + 2), "band 3");
        Enter(hDlg, IDC_TOTALMIN, "0.5");
        Enter(hDlg, IDC_TOTALMAX, "1000");
        for (int b = 0; b < 8; b++)
            EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_BANDSCALE + b, RSM_GETSCALEMAX, 0, 0), 100000);
        Enter(hDlg, IDC_BANDLABEL, "Delta wave");
        Press(hDlg, IDC_BANDENABLE + 1);
        Press(hDlg, IDOK);
    });
    EXPECT_EQ(Read<DWORD>([](const FFTVIEWDATA &d) { return d.nFreqMin; }), 50u);
    EXPECT_EQ(Read<DWORD>([](const FFTVIEWDATA &d) { return d.nFreqMax; }), 100000u);
    EXPECT_STREQ(Band(0).szLabel, "Delta wave");
    EXPECT_EQ(Band(1).wEnable, 0);
    EXPECT_EQ(Band(1).wShow, 0);
    EXPECT_EQ(Band(2).wEnable, 1);
    EXPECT_EQ(Band(2).nMinFreq, 800u);
    DriveAdvanceClock(300);
    EXPECT_EQ(HostHeard(QPN_DELAYEDUPDATE), 1) << "the window sets itself up again";
}

TEST_F(BandSetup, TotalLimitsOutOfRangeBeepAndKeepTheirValue)
{
    static const struct {
        const char *pszTyped;
        const char *pszShown;
        bool bBeep;
    } s_aEntries[] = {
        {"1500", "300.00", true},  // 150000 > 100000
        {"-1", "300.00", true},
        {"1e9", "300.00", true},
        {"inf", "0.00", false},    // not a number: 0
        {"12.345", "12.34", false},
    };
    RunDialog([](HWND hDlg) {
        for (const auto &entry : s_aEntries) {
            DriveClearLogs();
            Enter(hDlg, IDC_TOTALMAX, entry.pszTyped);
            EXPECT_EQ(TextOf(hDlg, IDC_TOTALMAX), entry.pszShown) << entry.pszTyped;
            EXPECT_EQ(DriveBeepCount(), entry.bBeep ? 1 : 0) << entry.pszTyped;
        }
        Press(hDlg, IDOK);
    });
    EXPECT_EQ(Read<DWORD>([](const FFTVIEWDATA &d) { return d.nFreqMax; }), 1234u);
}

TEST_F(BandSetup, MovedBandsStayBelowAThirdOfTheBaseRateAndInOrder)
{
    Poke([](FFTVIEWDATA &d) { d.aBand[1].nMaxFreq = 8000; });
    RunDialog([](HWND hDlg) {
        auto hScale = [hDlg](int b) { return GetDlgItem(hDlg, IDC_BANDSCALE + b); };
        const int yTop = -100, yBottom = 1000;
        Drag(hScale(0), ScaleY(hScale(0), 30000, 1300), yTop);   // upper end to 300 Hz
        EXPECT_EQ(High(hDlg, 0), 16666);
        Drag(hScale(1), ScaleY(hScale(1), 30000, 4400), yTop);   // whole range up
        EXPECT_EQ(Low(hDlg, 1), 16666);
        EXPECT_EQ(High(hDlg, 1), 16716);
        Drag(hScale(2), ScaleY(hScale(2), 30000, 1300), yBottom); // upper end below the lower
        EXPECT_EQ(Low(hDlg, 2), 0);
        EXPECT_EQ(High(hDlg, 2), 800);
        Drag(hScale(3), ScaleY(hScale(3), 30000, 800), yBottom);
        Drag(hScale(3), ScaleY(hScale(3), 30000, 1300), yBottom); // both ends meet at 0
        EXPECT_EQ(Low(hDlg, 3), 0);
        EXPECT_EQ(High(hDlg, 3), 50);
        for (int b = 0; b < 8; b++)
            EXPECT_EQ(TextOf(hDlg, IDC_BANDRANGE + b), " -- ") << "no analysis runs";
        Press(hDlg, IDOK);
    });
    EXPECT_EQ(Band(0).nMaxFreq, 16666u);
    EXPECT_EQ(Band(1).nMinFreq, 16666u);
    EXPECT_EQ(Band(2).nMaxFreq, 800u);
    EXPECT_EQ(Band(3).nMaxFreq, 50u);
    EXPECT_EQ(Band(4).nMaxFreq, 1300u);
}

TEST_F(BandSetup, WithoutABaseRateAMovedBandKeepsWhatTheUserSet)
{
    Poke([](FFTVIEWDATA &d) { d.nBaseRate = 0; });
    RunDialog([](HWND hDlg) {
        HWND hScale = GetDlgItem(hDlg, IDC_BANDSCALE);
        Drag(hScale, ScaleY(hScale, 30000, 1300), -100);
        EXPECT_EQ(Low(hDlg, 0), 800);
        EXPECT_EQ(High(hDlg, 0), 30000);
        Press(hDlg, IDCANCEL);
    });
}

TEST_F(BandSetup, RangeTextShowsTheLinesCoveredWhileAnalysing)
{
    Poke([](FFTVIEWDATA &d) {
        d.wAnalyState = 2;
        d.nFFTPoint = 1024;
        d.aBand[0].nMinFreq = 700;
        d.aBand[0].nMaxFreq = 1200;
    });
    RunDialog([](HWND hDlg) {
        EXPECT_EQ(TextOf(hDlg, IDC_BANDRANGE), "6.84\x81\x60" "11.72");
        Press(hDlg, IDCANCEL);
    });
    Poke([](FFTVIEWDATA &d) { d.wAnalyState = 0; });
}

TEST_F(BandSetup, CancelAndCloseStoreNothing)
{
    FREQBAND aBefore[8];
    PeekRecord(Plugin(), [&](const FFTVIEWDATA &d) { memcpy(aBefore, d.aBand, sizeof(aBefore)); });
    for (bool bClose : {false, true}) {
        RunDialog([bClose](HWND hDlg) {
            Enter(hDlg, IDC_TOTALMAX, "100");
            Enter(hDlg, IDC_BANDLABEL + 4, "changed");
            Press(hDlg, IDC_BANDENABLE + 5);
            Drag(GetDlgItem(hDlg, IDC_BANDSCALE + 6), 1000, 1000);
            if (bClose)
                SendMessageA(hDlg, WM_CLOSE, 0, 0);
            else
                Press(hDlg, IDCANCEL);
        });
        SCOPED_TRACE(bClose ? "closed" : "cancelled");
        EXPECT_EQ(Read<DWORD>([](const FFTVIEWDATA &d) { return d.nFreqMax; }), 30000u);
        PeekRecord(Plugin(), [&](const FFTVIEWDATA &d) {
            EXPECT_EQ(memcmp(aBefore, d.aBand, sizeof(aBefore)), 0);
        });
    }
    DriveAdvanceClock(300);
    EXPECT_EQ(HostHeard(QPN_DELAYEDUPDATE), 0);
}

TEST_F(BandSetup, LabelsAreCutWholeToTheirField)
{
    // Characters are those of the ANSI code page: in 932 (the plug-in's,
    // and Wine's under a Japanese locale) 0x82 0xA0 is one kana, elsewhere
    // two single bytes.
    const bool bKana = IsDBCSLeadByte(0x82) != FALSE;
    static const struct {
        const char *pszLabel;
        size_t cbStored, cbStoredSingleByte;
    } s_aLabels[] = {
        {"0123456789012345678901234567890123456789", 31, 31},
        {"012345678901234567890123456789\x82\xa0", 30, 31},  // a kana would straddle the end
        {"01234567890123456789012345678\x82\xa0", 31, 31},   // it just fits
    };
    RunDialog([](HWND hDlg) {
        for (int i = 0; i < 3; i++)  // double-byte text cannot be typed everywhere
            SetDlgItemTextA(hDlg, IDC_BANDLABEL + i, s_aLabels[i].pszLabel);
        Press(hDlg, IDOK);
    });
    for (int i = 0; i < 3; i++) {
        FREQBAND band = Band(i);
        const size_t cbStored = bKana ? s_aLabels[i].cbStored : s_aLabels[i].cbStoredSingleByte;
        EXPECT_EQ(strlen(band.szLabel), cbStored) << i;
        EXPECT_EQ(strncmp(band.szLabel, s_aLabels[i].pszLabel, cbStored), 0) << i;
    }
}

bool s_bSecondDialog;

void CALLBACK SecondDialog(HWND hDlg, void *)
{
    s_bSecondDialog = true;
    EndDialog(hDlg, IDCANCEL);
}

TEST_F(BandSetup, NoSecondDialogAndNothingTouchedOnceTheWindowIsGone)
{
    s_bSecondDialog = false;
    HWND hWnd = Plugin();
    RunDialog([hWnd](HWND hDlg) {
        DriveOnNextDialog(SecondDialog, NULL);
        SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(1020, BN_CLICKED), (LPARAM)GetDlgItem(hWnd, 1020));
        DestroyWindow(hWnd);
        Press(hDlg, IDOK);
    });
    EXPECT_FALSE(s_bSecondDialog);
    AutoClearModalHandlers();
    EXPECT_FALSE(IsWindow(hWnd));
}

}  // namespace
