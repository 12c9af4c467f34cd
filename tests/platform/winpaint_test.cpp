// Window contexts on the layer's backing images: what a child paints stays
// in its client area, BeginPaint clips to the update rectangle, the class
// background erases, and a window renders to PNG.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <cairo.h>

#include "automation.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

// Paints far beyond its client area, so clipping is what keeps it inside;
// with its user data set it first clips itself to a square at (5, 5).
LRESULT CALLBACK GreedyProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_PAINT)
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (GetWindowLongPtrA(hwnd, GWLP_USERDATA))
        IntersectClipRect(hdc, 5, 5, 15, 15);
    HBRUSH hbr = CreateSolidBrush(kRed);
    RECT rc = {-500, -500, 500, 500};
    FillRect(hdc, &rc, hbr);
    DeleteObject(hbr);
    EndPaint(hwnd, &ps);
    return 0;
}

struct WINPAIR {
    HWND hwndTop, hwndChild;
    WINPAIR()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = "PaintTop";
        RegisterClassA(&wc);
        wc.lpfnWndProc = GreedyProc;
        wc.lpszClassName = "PaintGreedy";
        RegisterClassA(&wc);
        hwndTop = CreateWindowExA(0, "PaintTop", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, 0, 102, 82, NULL, NULL,
                                  NULL, NULL);
        hwndChild = CreateWindowExA(0, "PaintGreedy", "", WS_CHILD | WS_VISIBLE, 20, 10, 30, 20, hwndTop, NULL,
                                    NULL, NULL);
    }
    ~WINPAIR() { DestroyWindow(hwndTop); }
    COLORREF TopPixel(int x, int y) const
    {
        HDC hdc = GetDC(hwndTop);
        COLORREF cr = GetPixel(hdc, x, y);
        ReleaseDC(hwndTop, hdc);
        return cr;
    }
};

TEST(WindowPaint, ChildPaintsOnlyItsClientArea)
{
    WINPAIR w;
    InvalidateRect(w.hwndTop, NULL, TRUE);
    UpdateWindow(w.hwndTop);
    EXPECT_EQ(w.TopPixel(20, 10), kRed);
    EXPECT_EQ(w.TopPixel(49, 29), kRed);
    EXPECT_EQ(w.TopPixel(50, 29), (COLORREF)GetSysColor(COLOR_WINDOW)) << "right of the child";
    EXPECT_EQ(w.TopPixel(20, 30), (COLORREF)GetSysColor(COLOR_WINDOW)) << "below the child";
    EXPECT_EQ(w.TopPixel(19, 10), (COLORREF)GetSysColor(COLOR_WINDOW));
}

TEST(WindowPaint, BeginPaintClipsToTheUpdateRectangle)
{
    WINPAIR w;
    UpdateWindow(w.hwndTop);
    HDC hdc = GetDC(w.hwndChild);
    HBRUSH hbr = CreateSolidBrush(kGreen);
    RECT rcAll = {0, 0, 30, 20};
    FillRect(hdc, &rcAll, hbr);
    DeleteObject(hbr);
    ReleaseDC(w.hwndChild, hdc);
    EXPECT_EQ(ReleaseDC(w.hwndChild, hdc), 0) << "released twice";

    RECT rcUpdate = {0, 0, 10, 5};
    InvalidateRect(w.hwndChild, &rcUpdate, FALSE);
    UpdateWindow(w.hwndChild);
    EXPECT_EQ(w.TopPixel(20 + 9, 10 + 4), kRed);
    EXPECT_EQ(w.TopPixel(20 + 10, 10 + 4), kGreen) << "outside the update rectangle";
    EXPECT_EQ(w.TopPixel(20 + 9, 10 + 5), kGreen);
}

TEST(WindowPaint, HiddenChildDrawsNothing)
{
    WINPAIR w;
    UpdateWindow(w.hwndTop);
    ShowWindow(w.hwndChild, SW_HIDE);
    RECT rc = {0, 0, 100, 80};
    HDC hdc = GetDC(w.hwndTop);
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(BLACK_BRUSH));
    ReleaseDC(w.hwndTop, hdc);
    hdc = GetDC(w.hwndChild);
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    ReleaseDC(w.hwndChild, hdc);
    EXPECT_EQ(w.TopPixel(25, 15), RGB(0, 0, 0));
}

// A clip rectangle set before the first drawing call lies in the
// window's own coordinates, not in those of the top-level image.
TEST(WindowPaint, ClipBeforeTheFirstDrawingIsInClientCoordinates)
{
    WINPAIR w;
    WNDCLASSA wc{};
    wc.lpfnWndProc = GreedyProc;
    wc.lpszClassName = "PaintClipFirst";   // erasing nothing, it draws first after the clip
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "PaintClipFirst", "", WS_CHILD | WS_VISIBLE, 40, 30, 30, 30, w.hwndTop, NULL,
                                NULL, NULL);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 1);
    UpdateWindow(w.hwndTop);
    EXPECT_EQ(w.TopPixel(45, 35), kRed);
    EXPECT_EQ(w.TopPixel(54, 44), kRed);
    EXPECT_NE(w.TopPixel(44, 35), kRed);
    EXPECT_NE(w.TopPixel(55, 44), kRed);
    EXPECT_NE(w.TopPixel(5, 5), kRed) << "the same square at the image's origin";
    DestroyWindow(hwnd);
}

// The PNG's size from its header (big-endian width and height of IHDR).
bool PngSize(const char *pszPath, int *pcx, int *pcy)
{
    unsigned char ab[24];
    FILE *pFile = fopen(pszPath, "rb");
    bool fOk = pFile && fread(ab, 1, sizeof ab, pFile) == sizeof ab && memcmp(ab + 1, "PNG", 3) == 0;
    if (pFile)
        fclose(pFile);
    *pcx = (ab[16] << 24) | (ab[17] << 16) | (ab[18] << 8) | ab[19];
    *pcy = (ab[20] << 24) | (ab[21] << 16) | (ab[22] << 8) | ab[23];
    return fOk;
}

TEST(WindowPaint, RenderPaintsTheTreeAndWritesTheWindowRectangle)
{
    WINPAIR w;
    ShowWindow(w.hwndTop, SW_HIDE);
    std::string strPath = testing::TempDir() + "render_test.png";
    ASSERT_TRUE(AutoRenderWindowToPng(w.hwndTop, strPath.c_str())) << "a hidden window renders too";
    int cx, cy;
    ASSERT_TRUE(PngSize(strPath.c_str(), &cx, &cy));
    EXPECT_EQ(cx, 102);
    EXPECT_EQ(cy, 82);
    EXPECT_EQ(w.TopPixel(25, 15), kRed) << "the child was painted";
    EXPECT_EQ(w.TopPixel(60, 15), (COLORREF)GetSysColor(COLOR_WINDOW)) << "the parent was erased";
    ASSERT_TRUE(AutoRenderWindowToPng(w.hwndChild, strPath.c_str()));
    ASSERT_TRUE(PngSize(strPath.c_str(), &cx, &cy));
    EXPECT_EQ(cx, 30);
    EXPECT_FALSE(AutoRenderWindowToPng(w.hwndChild, "/nonexistent-dir/x.png"));
    EXPECT_FALSE(AutoRenderWindowToPng((HWND)(uintptr_t)0x1234, strPath.c_str()));
    remove(strPath.c_str());
}

// A child larger than the window holding it is pictured whole: what its
// parent would clip on the screen is in the picture.
TEST(WindowPaint, RenderOfAChildIsNotClippedByItsParents)
{
    WINPAIR w;
    MoveWindow(w.hwndChild, 20, 10, 200, 150, FALSE);
    std::string strPath = testing::TempDir() + "render_child.png";
    ASSERT_TRUE(AutoRenderWindowToPng(w.hwndChild, strPath.c_str()));
    cairo_surface_t *pPng = cairo_image_surface_create_from_png(strPath.c_str());
    ASSERT_EQ(cairo_surface_status(pPng), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(pPng), 200);
    const unsigned char *pRow = cairo_image_surface_get_data(pPng) + 149 * cairo_image_surface_get_stride(pPng);
    uint32_t px = ((const uint32_t *)pRow)[199];
    EXPECT_EQ(px & 0xFFFFFF, 0xFF0000u) << "the far corner, outside the parent";
    cairo_surface_destroy(pPng);
    remove(strPath.c_str());
    UpdateWindow(w.hwndTop);
    EXPECT_EQ(w.TopPixel(25, 15), kRed) << "the top-level image is painted again";
}

}  // namespace
