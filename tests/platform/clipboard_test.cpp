// The clipboard: what is set is read back, the clipboard owns and frees
// its data, the window that empties it becomes its owner, and nothing
// works while it is closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

int g_cDestroyClipboard;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_DESTROYCLIPBOARD)
        g_cDestroyClipboard++;
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

HGLOBAL TextBlock(const char *psz)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, strlen(psz) + 1);
    memcpy(GlobalLock(h), psz, strlen(psz) + 1);
    GlobalUnlock(h);
    return h;
}

TEST(Clipboard, TextAndPictureWithOwnership)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = "ClipOwner";
    RegisterClassA(&wc);
    HWND hwndA = CreateWindowExA(0, "ClipOwner", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HWND hwndB = CreateWindowExA(0, "ClipOwner", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);

    HGLOBAL hRefused = TextBlock("closed");
    EXPECT_EQ(SetClipboardData(CF_TEXT, hRefused), nullptr) << "the clipboard is closed";
    GlobalFree(hRefused); // a refused block stays the caller's
    EXPECT_FALSE(CloseClipboard());

    ASSERT_TRUE(OpenClipboard(hwndA));
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardOwner(), hwndA);
    HGLOBAL hText = TextBlock("Fp1\t8.25\r\n");
    EXPECT_EQ(SetClipboardData(CF_TEXT, hText), hText);
    HDC hdcMeta = CreateEnhMetaFileA(NULL, NULL, NULL, NULL);
    Rectangle(hdcMeta, 0, 0, 20, 10);
    EXPECT_NE(SetClipboardData(CF_ENHMETAFILE, CloseEnhMetaFile(hdcMeta)), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "closed again";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));

    ASSERT_TRUE(OpenClipboard(hwndB));
    HGLOBAL hGot = GetClipboardData(CF_TEXT);
    ASSERT_NE(hGot, nullptr);
    EXPECT_STREQ((const char *)GlobalLock(hGot), "Fp1\t8.25\r\n");
    GlobalUnlock(hGot);
    HENHMETAFILE hemf = (HENHMETAFILE)GetClipboardData(CF_ENHMETAFILE);
    ENHMETAHEADER hdr;
    EXPECT_EQ(GetEnhMetaFileHeader(hemf, sizeof(hdr), &hdr), (UINT)sizeof(hdr));

    g_cDestroyClipboard = 0;
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(g_cDestroyClipboard, 1) << "the old owner hears it";
    EXPECT_EQ(GetClipboardOwner(), hwndB);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_ENHMETAFILE));
    EXPECT_TRUE(CloseClipboard());
    DestroyWindow(hwndA);
    DestroyWindow(hwndB);
}

}  // namespace
