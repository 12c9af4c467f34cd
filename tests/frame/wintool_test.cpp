// QWINTOOL: fonts, dialog placement and the modal dialogs of the plug-in.
#include "fixture.h"
#include "resources/resource.h"
#include "wintool/wintool.h"

typedef PluginTest WinTool;

TEST_F(WinTool, FontsAreKeptByTheLibrary)
{
    for (int nFont : {0, 1, 7, 14}) {
        UINT_PTR hFont = WtGetFont(WT_FONT_HANDLE, nFont);
        EXPECT_NE(hFont, 0u) << "font " << nFont;
        EXPECT_EQ(WtGetFont(WT_FONT_HANDLE, nFont), hFont) << "the same handle every time";
        EXPECT_GT(WtGetFont(WT_FONT_WIDTH, nFont), 0u) << "font " << nFont;
    }
    EXPECT_NE(WtGetFont(WT_FONT_HANDLE, 0), WtGetFont(WT_FONT_HANDLE, 7));
    EXPECT_EQ(WtGetFont(WT_FONT_HANDLE, -1), 0u);
    EXPECT_EQ(WtGetFont(WT_FONT_HANDLE, WT_FONT_COUNT), 0u);
    EXPECT_EQ(WtGetFont(2, 0), 0u);
}

TEST_F(WinTool, InitDialogOverCentresOverTheParent)
{
    HWND hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 200, 400, 300, NULL, NULL,
                                   GetModuleHandleA(NULL), NULL);
    HWND hDlg = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    WtInitDialogOver(hDlg, hParent);
    RECT rc;
    GetWindowRect(hDlg, &rc);
    EXPECT_EQ(rc.left, 200);
    EXPECT_EQ(rc.top, 300);
    EXPECT_EQ(rc.right - rc.left, 200) << "the size is kept";

    MoveWindow(hParent, -300, -300, 100, 100, FALSE);
    WtInitDialogOver(hDlg, hParent);
    GetWindowRect(hDlg, &rc);
    EXPECT_EQ(rc.left, 0) << "kept inside the screen";
    EXPECT_EQ(rc.top, 0);
    WtInitDialog(NULL);
    DestroyWindow(hDlg);
    DestroyWindow(hParent);
}

struct DIALOGANSWER {
    int nButton;
    std::string sText;
};

static void CALLBACK PressButton(HWND hDlg, void *pUser)
{
    DIALOGANSWER *pAnswer = (DIALOGANSWER *)pUser;
    char szText[128] = "";
    HWND hStatic = GetWindow(hDlg, GW_CHILD);
    if (hStatic != NULL)
        GetWindowTextA(hStatic, szText, sizeof(szText));
    pAnswer->sText = szText;
    SendMessageA(GetDlgItem(hDlg, pAnswer->nButton), BM_CLICK, 0, 0);
}

// "FFT加算結果をクリアしますか？" in code page 932.
static const char s_szClearQuestion[] =
    "FFT\x89\xC1\x8E\x5A\x8C\x8B\x89\xCA\x82\xF0\x83\x4E\x83\x8A\x83\x41\x82\xB5\x82\xDC\x82\xB7"
    "\x82\xA9\x81\x48";

TEST_F(WinTool, ModalDialogsEndWithTheButtonPressed)
{
    static const struct {
        int nTemplate, nButton;
        const char *pszText; // of the first child; NULL: not checked
    } s_aDialogs[] = {{IDD_CLEARCONFIRM, IDOK, s_szClearQuestion},
                      {IDD_CLEARCONFIRM, IDCANCEL, s_szClearQuestion},
                      {IDD_ABOUT, IDOK, NULL}};
    for (const auto &t : s_aDialogs) {
        DIALOGANSWER answer = {t.nButton, ""};
        DriveOnNextDialog(PressButton, &answer);
        EXPECT_EQ(WtDialogBox(m_host->Frame(), m_hPlugin, t.nTemplate), t.nButton);
        if (t.pszText != NULL) {
            EXPECT_EQ(answer.sText, t.pszText);
        }
    }
    EXPECT_EQ(WtDialogBox(m_host->Frame(), m_hPlugin, 4242), -1) << "no such template";
}
