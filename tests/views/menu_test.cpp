// The views' context menu driven as a user drives it: its two items, and
// exactly the chosen format on the clipboard.
#include "viewtest.h"

using ViewMenu = ViewTest;

static void EmptyTheClipboard(void)
{
    ASSERT_TRUE(OpenClipboard(NULL));
    EmptyClipboard();
    CloseClipboard();
}

static std::string ClipboardText(void)
{
    std::string s;
    if (!OpenClipboard(NULL))
        return s;
    HANDLE hText = GetClipboardData(CF_TEXT);
    const char *psz = hText != NULL ? (const char *)GlobalLock(hText) : NULL;
    if (psz != NULL) {
        s = psz;
        GlobalUnlock(hText);
    }
    CloseClipboard();
    return s;
}

TEST_F(ViewMenu, EachCopyPutsExactlyItsFormat)
{
    for (const char *pszClass : {"QPANEFFTANALYBARGRAPH", "QPANEFFTANALYCOHGRAPH"}) {
        SCOPED_TRACE(pszClass);
        CreateView(pszClass, 1080);
        const struct {
            UINT uCommand, uFormat, uOther;
        } aCases[] = {{2800, CF_ENHMETAFILE, CF_TEXT}, {2801, CF_TEXT, CF_ENHMETAFILE}};
        for (const auto &c : aCases) {
            EmptyTheClipboard();
            int nMenus = DriveMenuCount();
            DriveOnNextMenu(c.uCommand);
            SendMessageA(m_hView, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
            DrivePump();
            EXPECT_EQ(DriveMenuCount(), nMenus + 1);
            char szItems[256];
            DriveLastMenuItems(szItems, sizeof(szItems));
            EXPECT_STREQ(szItems, "2800 Copy Graph Image\n2801 Copy Text Data\n");
            EXPECT_TRUE(IsClipboardFormatAvailable(c.uFormat)) << c.uCommand;
            EXPECT_FALSE(IsClipboardFormatAvailable(c.uOther)) << c.uCommand;
        }
        EXPECT_EQ(ClipboardText(), Text(2));
        DestroyWindow(m_hView);
    }
}

// Without a record there is no menu and nothing to copy.
TEST_F(ViewMenu, ViewWithoutARecordOffersNoMenu)
{
    CreateView("QPANEFFTANALYBARGRAPH", 1080);
    Detach();
    EmptyTheClipboard();
    DriveOnNextMenu(2801);
    SendMessageA(m_hView, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    SendMessageA(m_hView, WM_COMMAND, 2801, 0);
    DrivePump();
    EXPECT_EQ(DriveMenuCount(), 0);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    DriveOnNextMenu(0);
}
