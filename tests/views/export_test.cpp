// What the views hand out: metafiles of their drawing, and through the
// context menu driven as a user drives it, exactly the chosen format on
// the clipboard.
#include "viewtest.h"

using ViewMenu = ViewTest;
using BarGraph = ViewTest;

bool ViewTest::DrawImage(int nMode)
{
    ClearCanvas();
    HANDLE hImage = (HANDLE)SendMessageA(m_hView, QPM_GETGRAPHIMAGE, nMode, 0);
    if (hImage == NULL)
        return false;
    if (nMode == 0) {
        PlayMetaFile(m_hdc, (HMETAFILE)hImage);
        DeleteMetaFile((HMETAFILE)hImage);
    } else {
        // Played onto its own bounds, so that nothing is scaled: a picture
        // made without a frame rectangle gets its frame from its bounds.
        ENHMETAHEADER hdr = {};
        GetEnhMetaFileHeader((HENHMETAFILE)hImage, sizeof(hdr), &hdr);
        RECT rc = {hdr.rclBounds.left, hdr.rclBounds.top, hdr.rclBounds.right,
                   hdr.rclBounds.bottom};
        PlayEnhMetaFile(m_hdc, (HENHMETAFILE)hImage, &rc);
        DeleteEnhMetaFile((HENHMETAFILE)hImage);
    }
    GdiFlush();
    return true;
}

// The enhanced metafile replays to the pixels of direct drawing (in the
// plot with its frame, where no text is: glyphs may be placed differently
// on replay); the Windows metafile plays back too; other modes give
// nothing.
TEST_F(BarGraph, MetafilesReplayTheDrawing)
{
    CreateView(BARGRAPH, 1080);
    for (int b = 0; b < 4; b++)
        Data().aBand[b].afBandPercent[0] = 20.0f * (b + 1);
    Draw();
    KeepDrawing();
    ASSERT_TRUE(DrawImage(1));
    RECT r = PlotRect();
    EXPECT_EQ(DiffersFromKept({r.left, r.top - 1, r.right + 2, r.bottom + 1}), 0);
    ASSERT_TRUE(DrawImage(0));
    EXPECT_EQ(Pixel(ColumnMid(r, 3, 4), r.bottom - 2), Rgb(Data().acrBandColor[3]));
    EXPECT_EQ(SendMessageA(m_hView, QPM_GETGRAPHIMAGE, 2, 0), 0);
}

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
    for (const char *pszClass : {BARGRAPH, COHGRAPH}) {
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
    EmptyTheClipboard();  // the clipboard's blocks would outlive the test
}

// Without a record a view draws nothing, offers no menu and hands out no
// picture or text.
TEST_F(ViewMenu, ViewWithoutARecordShowsAndCopiesNothing)
{
    CreateView(BARGRAPH, 1080);
    Detach();
    Draw();
    EXPECT_EQ(Pixel(m_cx / 2, m_cy / 2), 0xFFFFFFu);
    EXPECT_EQ(SendMessageA(m_hView, QPM_GETGRAPHIMAGE, 1, 0), 0);
    EXPECT_EQ(SendMessageA(m_hView, QPM_GETGRAPHTEXT, 0, 2), 0);
    EmptyTheClipboard();
    DriveOnNextMenu(2801);
    SendMessageA(m_hView, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    SendMessageA(m_hView, WM_COMMAND, 2801, 0);
    DrivePump();
    EXPECT_EQ(DriveMenuCount(), 0);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    DriveOnNextMenu(0);
}
