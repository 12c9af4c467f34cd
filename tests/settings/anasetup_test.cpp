// The analysis setup dialog, opened with the setup panel's first button:
// entries and their corrections, lists, switches, the two variants, what
// OK stores and Cancel keeps.
#include <string.h>

#include "setuptest.h"

namespace {

class AnalysisSetup : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        Poke([](FFTVIEWDATA &d) {
            d.wHostItem19 = 1;
            d.nFFTPoint = 1024;
            d.wWindowType = 2;
            d.nEdgePercent = 90;
            d.wLowCutSw = 1;
            d.nLowCutFreq = 50;
            d.wHiCutSw = 0;
            d.nHiCutFreq = 2050;
            d.wADDKeySw = 1;
            d.wShowFreqPara = 0;
            d.wFFTFreqStdSw = 1;
        });
        m_host->ClearLog();
    }
    void RunDialog(std::function<void(HWND)> fnUser)
    {
        OnDialog(std::move(fnUser));
        ASSERT_TRUE(AutoClick(GetDlgItem(Panel(), IDC_DETAILSETUP)));
        DrivePump();
    }
    DWORD Field(DWORD FFTVIEWDATA::*pField) const
    {
        return Read<DWORD>([pField](const FFTVIEWDATA &d) { return d.*pField; });
    }
    WORD Switch(WORD FFTVIEWDATA::*pField) const
    {
        return Read<WORD>([pField](const FFTVIEWDATA &d) { return d.*pField; });
    }
};

LRESULT Selected(HWND hDlg, int nId)
{
    return SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0);
}

TEST_F(AnalysisSetup, FrequencyEntriesAreCheckedAndShownInTheirFormat)
{
    static const struct {
        int nId;
        const char *pszTyped;
        const char *pszShown;
    } s_aEntries[] = {
        {IDC_LOWCUTFREQ, "150", "0.50"},   // 15000 > 10000: refused
        {IDC_LOWCUTFREQ, "8.2", "8.19"},   // 819.99.. truncated
        {IDC_LOWCUTFREQ, "-3", "8.19"},
        {IDC_LOWCUTFREQ, "1e400", "8.19"}, // too large to hold
        {IDC_LOWCUTFREQ, "", "0.00"},      // no number: 0
        {IDC_LOWCUTFREQ, "0x10", "0.00"},  // decimal only
        {IDC_LOWCUTFREQ, "3.5Hz", "3.50"},
        {IDC_HICUTFREQ, "30", "30.0"},
        {IDC_HICUTFREQ, "100.001", "100.0"},
        {IDC_HICUTFREQ, "100.01", "100.0"},  // 10001 > 10000: refused
    };
    RunDialog([](HWND hDlg) {
        EXPECT_EQ(TextOf(hDlg, IDC_LOWCUTFREQ), "0.50");
        EXPECT_EQ(TextOf(hDlg, IDC_HICUTFREQ), "20.5");
        for (const auto &entry : s_aEntries) {
            Enter(hDlg, entry.nId, entry.pszTyped);
            EXPECT_EQ(TextOf(hDlg, entry.nId), entry.pszShown) << entry.pszTyped;
        }
        Press(hDlg, IDOK);
    });
    EXPECT_EQ(Field(&FFTVIEWDATA::nLowCutFreq), 350u);
    EXPECT_EQ(Field(&FFTVIEWDATA::nHiCutFreq), 10000u);
}

TEST_F(AnalysisSetup, OkStoresListsAndSwitchesAndTheWindowSetsUpAgain)
{
    RunDialog([](HWND hDlg) {
        EXPECT_EQ(Selected(hDlg, IDC_FFTPOINT), 3);
        EXPECT_EQ(Selected(hDlg, IDC_WINDOWTYPE), 2);
        EXPECT_EQ(Selected(hDlg, IDC_EDGEPERCENT), 8);
        EXPECT_TRUE(AutoChooseComboText(GetDlgItem(hDlg, IDC_FFTPOINT), " 16384 "));
        EXPECT_TRUE(AutoChooseComboText(GetDlgItem(hDlg, IDC_WINDOWTYPE), "Blackman"));
        EXPECT_TRUE(AutoChooseComboText(GetDlgItem(hDlg, IDC_EDGEPERCENT), "50"));
        for (int nId : {IDC_LOWCUTSW, IDC_HICUTSW, IDC_ADDKEYSW, IDC_SHOWFREQPARA, IDC_FREQSTDSW})
            Press(hDlg, nId);
        Press(hDlg, IDOK);
    });
    EXPECT_EQ(Field(&FFTVIEWDATA::nFFTPoint), 16384u);
    EXPECT_EQ(Switch(&FFTVIEWDATA::wWindowType), 3);
    EXPECT_EQ(Field(&FFTVIEWDATA::nEdgePercent), 50u);
    EXPECT_EQ(Switch(&FFTVIEWDATA::wLowCutSw), 0);
    EXPECT_EQ(Switch(&FFTVIEWDATA::wHiCutSw), 1);
    EXPECT_EQ(Switch(&FFTVIEWDATA::wADDKeySw), 0);
    EXPECT_EQ(Switch(&FFTVIEWDATA::wShowFreqPara), 1);
    EXPECT_EQ(Switch(&FFTVIEWDATA::wFFTFreqStdSw), 0);
    EXPECT_EQ(HostHeard(QPN_REQ_151), 1) << "one set-up change re-applied";
}

TEST_F(AnalysisSetup, EnglishVariantLeavesStandardDensityAlone)
{
    Poke([](FFTVIEWDATA &d) { d.nFFTPoint = 1000; });  // not offered by the list
    m_host->SetValue(QPI_DIALOGLANG, 0, 0);
    m_host->Send(QPM_REFRESH, 0, 0);
    RunDialog([](HWND hDlg) {
        EXPECT_EQ(GetDlgItem(hDlg, IDC_FREQSTDSW), nullptr);
        EXPECT_EQ(Selected(hDlg, IDC_FFTPOINT), CB_ERR);
        Press(hDlg, IDOK);
    });
    EXPECT_EQ(Switch(&FFTVIEWDATA::wFFTFreqStdSw), 1);
    EXPECT_EQ(Field(&FFTVIEWDATA::nFFTPoint), 1000u);
    EXPECT_EQ(TextOf(Panel(), IDC_DETAILSETUP), "Analysis Setup..");
}

TEST_F(AnalysisSetup, CancelAndCloseChangeNothing)
{
    std::vector<BYTE> before(sizeof(FFTVIEWDATA));
    PeekRecord(Plugin(), [&](const FFTVIEWDATA &d) { memcpy(before.data(), &d, sizeof(d)); });
    for (bool bClose : {false, true}) {
        RunDialog([bClose](HWND hDlg) {
            Enter(hDlg, IDC_LOWCUTFREQ, "12");
            EXPECT_TRUE(AutoChooseComboIndex(GetDlgItem(hDlg, IDC_FFTPOINT), 0));
            Press(hDlg, IDC_FREQSTDSW);
            if (bClose)
                SendMessageA(hDlg, WM_CLOSE, 0, 0);
            else
                Press(hDlg, IDCANCEL);
        });
        PeekRecord(Plugin(), [&](const FFTVIEWDATA &d) {
            EXPECT_EQ(memcmp(before.data(), &d, sizeof(d)), 0) << (bClose ? "closed" : "cancelled");
        });
    }
    EXPECT_EQ(HostHeard(QPN_REQ_151), 0);
}

TEST_F(AnalysisSetup, OkAfterTheWindowWentAwayTouchesNothing)
{
    HWND hWnd = Plugin();
    RunDialog([hWnd](HWND hDlg) {
        Enter(hDlg, IDC_LOWCUTFREQ, "12");
        DestroyWindow(hWnd);
        Press(hDlg, IDOK);
    });
    EXPECT_FALSE(IsWindow(hWnd));
}

}  // namespace
