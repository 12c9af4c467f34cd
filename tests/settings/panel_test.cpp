// The setup panel: what each control writes, the one change notification
// it posts, the help and the About box.
#include <string.h>

#include "setuptest.h"

namespace {

class SetupPanel : public SetupTest {
protected:
    WORD Switch(WORD FFTVIEWDATA::*pField) const
    {
        return Read<WORD>([pField](const FFTVIEWDATA &d) { return d.*pField; });
    }
    // What the analysis window re-applied since the log was cleared: each
    // set-up change sends request 151 to the host once.
    int SetupChanges()
    {
        DrivePump();
        return HostHeard(QPN_REQ_151);
    }
};

TEST_F(SetupPanel, ChannelCountIsWrittenAndReportedOnce)
{
    HWND hList = GetDlgItem(Panel(), IDC_ANALYCH);
    EXPECT_EQ(SendMessageA(hList, CB_GETCOUNT, 0, 0), 6);
    EXPECT_TRUE(AutoChooseComboText(hList, " 6 "));
    EXPECT_EQ(Switch(&FFTVIEWDATA::wAnalyCh), 6);
    EXPECT_EQ(SetupChanges(), 1);

    // A count the list does not offer leaves the shown choice alone.
    Poke([](FFTVIEWDATA &d) { d.wAnalyCh = 5; });
    m_host->Send(QPM_REFRESH, 0, 0);
    EXPECT_EQ(SendMessageA(hList, CB_GETCURSEL, 0, 0), 4);
}

TEST_F(SetupPanel, SwitchesWriteTheRecordAndOnlySwitchingOnReports)
{
    static const struct {
        int nId;
        WORD FFTVIEWDATA::*pField;
        WORD wBefore;
        int nChanges;
    } s_aSwitches[] = {
        {IDC_AUTOCHSELECT, &FFTVIEWDATA::wAutoChSelect, 1, 0},  // switched off: nothing else
        {IDC_AUTOCHSELECT, &FFTVIEWDATA::wAutoChSelect, 0, 1},
        {IDC_AREAFFT, &FFTVIEWDATA::wFFTAreaSw, 0, 1},
        {IDC_AREAFFT, &FFTVIEWDATA::wFFTAreaSw, 1, 1},
    };
    for (const auto &sw : s_aSwitches) {
        SCOPED_TRACE(sw.nId);
        Poke([&sw](FFTVIEWDATA &d) { d.*sw.pField = sw.wBefore; });
        m_host->Send(QPM_REFRESH, 0, 0);
        m_host->ClearLog();
        Press(Panel(), sw.nId);
        EXPECT_EQ(Switch(sw.pField), 1 - sw.wBefore);
        EXPECT_EQ(SetupChanges(), sw.nChanges);
    }
}

TEST_F(SetupPanel, HelpOpensTheManualOrTheHelpFileAtEachContext)
{
    static const struct {
        int nFrom;      // 0: the panel's "?", else the button opening the dialog
        UINT uCommand;
        ULONG_PTR dwContext;
    } s_aHelps[] = {
        {0, HELP_CONTENTS, 0},
        {IDC_DETAILSETUP, HELP_CONTEXT, 10007},
        {1020, HELP_CONTEXT, 10008},
    };
    for (const auto &help : s_aHelps) {
        SCOPED_TRACE(help.nFrom);
        DriveClearLogs();
        if (help.nFrom == 0) {
            Press(Panel(), IDC_HELPBTN);
        } else {
            OnDialog([](HWND hDlg) {
                Press(hDlg, IDC_HELPBTN);
                Press(hDlg, IDCANCEL);
            });
            Press(help.nFrom == 1020 ? Plugin() : Panel(), help.nFrom);
        }
        char szFile[MAX_PATH];
        UINT uCommand = 0;
        ULONG_PTR dwData = 1;
        ASSERT_TRUE(DriveLastHelpCall(szFile, &uCommand, &dwData));
        EXPECT_EQ(uCommand, help.uCommand);
        EXPECT_EQ(dwData, help.dwContext);
        EXPECT_EQ(std::string(szFile), Read<std::string>([](const FFTVIEWDATA &d) {
                      return std::string(d.szHelpFile);
                  }));
    }
    Poke([](FFTVIEWDATA &d) { strcpy(d.szManualFile, "app\\HELP\\QFFTANA.PDF"); });
    DriveClearLogs();
    Press(Panel(), IDC_HELPBTN);
    char szFile[MAX_PATH];
    ASSERT_TRUE(DriveLastShellFile(szFile));
    EXPECT_STREQ(szFile, "app\\HELP\\QFFTANA.PDF");
}

TEST_F(SetupPanel, IconOpensTheAboutBox)
{
    std::string sTitle;
    OnDialog([&sTitle](HWND hDlg) {
        char szTitle[64] = "";
        GetWindowTextA(hDlg, szTitle, sizeof(szTitle));
        sTitle = szTitle;
        Press(hDlg, IDOK);
    });
    Press(Panel(), IDC_ABOUTICON);
    EXPECT_EQ(sTitle, "About FFT Analysis");
    EXPECT_EQ(SetupChanges(), 0);
}

}  // namespace
