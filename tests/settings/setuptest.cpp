// The setup tests' fixture and user actions.
#include "setuptest.h"

void SetupTest::SetUp()
{
    PluginTest::SetUp();
    CreateAndInitialise();
    ShowWindow(m_host->Frame(), SW_SHOW);  // a user clicks what is shown
    ASSERT_NE(Panel(), nullptr);
}

void SetupTest::Poke(const std::function<void(FFTVIEWDATA &)> &fnChange) const
{
    HGLOBAL hData = (HGLOBAL)GetWindowLongPtrA(Plugin(), FVW_DATA);
    FFTVIEWDATA *pData = (FFTVIEWDATA *)GlobalLock(hData);
    ASSERT_NE(pData, nullptr);
    fnChange(*pData);
    GlobalUnlock(hData);
}

void CALLBACK SetupTest::RunUser(HWND hDlg, void *pUser)
{
    SetupTest *pTest = (SetupTest *)pUser;
    // A user clicks what is shown; Windows shows a modal dialog only once
    // its loop first waits, which may be after the answer started.
    ShowWindow(hDlg, SW_SHOW);
    std::function<void(HWND)> fnUser;
    fnUser.swap(pTest->m_fnUser);
    fnUser(hDlg);
}

void SetupTest::OnDialog(std::function<void(HWND)> fnUser)
{
    m_fnUser = std::move(fnUser);
    DriveOnNextDialog(RunUser, this);
}

int SetupTest::HostHeard(WORD wCode) const
{
    int nCount = 0;
    for (const HOSTMSG &msg : m_host->Log())
        if (msg.uMsg == WM_COMMAND && msg.wParam == wCode)
            nCount++;
    return nCount;
}

void Enter(HWND hDlg, int nId, const char *pszText)
{
    HWND hEdit = GetDlgItem(hDlg, nId);
    ASSERT_TRUE(AutoTypeText(hEdit, pszText)) << nId;
    ASSERT_TRUE(AutoLeaveFocus(hEdit)) << nId;
}

void Press(HWND hDlg, int nId)
{
    ASSERT_TRUE(AutoClick(GetDlgItem(hDlg, nId))) << nId;
}

std::string TextOf(HWND hDlg, int nId)
{
    char szText[256] = "";
    GetDlgItemTextA(hDlg, nId, szText, sizeof(szText));
    return szText;
}
