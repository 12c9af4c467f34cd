// Window contexts on the layer's backing images: what a child paints stays
// in its client area, BeginPaint clips to the update rectangle, and the
// class background erases.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

// Paints far beyond its client area, so clipping is what keeps it inside.
LRESULT CALLBACK GreedyProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_PAINT)
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
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

}  // namespace
