// What the automation API does for drawing, menus and the clipboard:
// enhanced metafiles exported as SVG and PNG, popup menus answered, the
// clipboard read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "automation.h"

namespace {

std::string ReadFile(const std::string &strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream ss;
    ss << file.rdbuf();
    return ss.str();
}

TEST(AutoDraw, EnhancedMetafileExportsAsSvgAndPng)
{
    RECT rcFrame = {0, 0, 2540, 1270};   // 96 x 48 pixels
    HDC hdcMeta = CreateEnhMetaFileA(NULL, NULL, &rcFrame, NULL);
    HBRUSH hbr = CreateSolidBrush(RGB(255, 0, 0));
    RECT rc = {10, 10, 40, 30};
    FillRect(hdcMeta, &rc, hbr);
    DeleteObject(hbr);
    MoveToEx(hdcMeta, 0, 40, NULL);
    LineTo(hdcMeta, 90, 40);
    TextOutA(hdcMeta, 50, 5, "Hz", 2);
    HENHMETAFILE hemf = CloseEnhMetaFile(hdcMeta);

    std::string strSvg = testing::TempDir() + "autodraw.svg";
    ASSERT_TRUE(AutoEnhMetaFileToSvg(hemf, strSvg.c_str()));
    std::string strText = ReadFile(strSvg);
    EXPECT_NE(strText.find("<svg"), std::string::npos);
    EXPECT_NE(strText.find("width=\"96"), std::string::npos) << "the frame's size";
    EXPECT_NE(strText.find("rgb(100%"), std::string::npos) << "the red rectangle";

    std::string strPng = testing::TempDir() + "autodraw.png";
    ASSERT_TRUE(AutoEnhMetaFileToPng(hemf, strPng.c_str()));
    std::string strBytes = ReadFile(strPng);
    ASSERT_GT(strBytes.size(), 24u);
    EXPECT_EQ(strBytes.substr(1, 3), "PNG");
    EXPECT_EQ((unsigned char)strBytes[19], 96u) << "width in IHDR";
    EXPECT_EQ((unsigned char)strBytes[23], 48u) << "height in IHDR";

    EXPECT_FALSE(AutoEnhMetaFileToSvg(hemf, "/nonexistent-dir/x.svg"));
    DeleteEnhMetaFile(hemf);
    EXPECT_FALSE(AutoEnhMetaFileToPng(hemf, strPng.c_str()));
    remove(strSvg.c_str());
    remove(strPng.c_str());
}

UINT g_uCommand;
int g_cInitMenuPopup;

LRESULT CALLBACK MenuOwnerProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_COMMAND)
        g_uCommand = LOWORD(wParam);
    if (uMsg == WM_INITMENUPOPUP)
        g_cInitMenuPopup++;
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

TEST(AutoDraw, PopupMenusTakeQueuedAnswersAndNeverWait)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = MenuOwnerProc;
    wc.lpszClassName = "MenuOwner";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "MenuOwner", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HMENU hMenu = CreatePopupMenu();
    HMENU hSub = CreatePopupMenu();
    AppendMenuA(hSub, MF_STRING, 201, "Sub item");
    AppendMenuA(hMenu, MF_STRING, 101, "&Copy");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(hMenu, MF_STRING | MF_GRAYED, 102, "Grayed");
    AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "More");
    AutoClearMenuAnswers();
    AutoClearMenuLog();

    struct MENUCASE {
        UINT uAnswer;       // 0: none queued
        UINT uFlags;
        UINT uReturn;       // with TPM_RETURNCMD
        UINT uCommand;      // WM_COMMAND posted, without it
    };
    const MENUCASE aCases[] = {
        {101, TPM_RETURNCMD, 101, 0}, {201, TPM_RETURNCMD, 201, 0}, {102, TPM_RETURNCMD, 0, 0},
        {0, TPM_RETURNCMD, 0, 0},     {101, 0, TRUE, 101},          {0, 0, TRUE, 0},
    };
    for (const MENUCASE &mc : aCases) {
        if (mc.uAnswer)
            AutoQueueMenuAnswer(mc.uAnswer);
        g_uCommand = 0;
        EXPECT_EQ((UINT)TrackPopupMenu(hMenu, mc.uFlags, 5, 6, 0, hwnd, NULL), mc.uReturn) << mc.uAnswer;
        AutoPump();
        EXPECT_EQ(g_uCommand, mc.uCommand) << mc.uAnswer;
    }
    EXPECT_EQ(g_cInitMenuPopup, 6);
    ASSERT_EQ(AutoGetMenuCount(), 6);
    AUTOMENUCALL call;
    ASSERT_TRUE(AutoGetMenuCall(0, &call));
    EXPECT_EQ(call.hwndOwner, hwnd);
    ASSERT_EQ(call.cItems, 4u);
    EXPECT_STREQ(call.aItems[0].szText, "&Copy");
    EXPECT_EQ(call.aItems[2].uFlags & MF_GRAYED, (UINT)MF_GRAYED);
    EXPECT_EQ(call.uChosen, 101u);

    EXPECT_TRUE(DestroyMenu(hMenu));
    EXPECT_FALSE(DestroyMenu(hSub)) << "destroyed with its parent";
    EXPECT_FALSE(TrackPopupMenu(hMenu, TPM_RETURNCMD, 0, 0, 0, hwnd, NULL));
    DestroyWindow(hwnd);
}

TEST(AutoDraw, ClipboardReadsWithoutOpening)
{
    ASSERT_TRUE(OpenClipboard(NULL));
    EmptyClipboard();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(GlobalLock(h), "12.5\n", 6);
    GlobalUnlock(h);
    SetClipboardData(CF_TEXT, h);
    CloseClipboard();
    char sz[4];
    ASSERT_TRUE(AutoGetClipboardText(sz, sizeof sz));
    EXPECT_STREQ(sz, "12.");
    EXPECT_EQ(AutoGetClipboardEnhMetaFile(), nullptr);
    OpenClipboard(NULL);
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(AutoGetClipboardText(sz, sizeof sz));
}

}  // namespace
