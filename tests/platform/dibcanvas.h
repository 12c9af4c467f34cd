// A white 32-bit DIB section selected into a memory context, for drawing
// tests that read back pixels (the same on Windows and on the layer).
#ifndef TESTS_PLATFORM_DIBCANVAS_H
#define TESTS_PLATFORM_DIBCANVAS_H

#include <windows.h>

#include <cstdint>

struct DibCanvas {
    HDC hdc;
    HBITMAP hbm;
    HGDIOBJ hbmOld;
    uint32_t *pBits;
    int cx, cy;
    bool fBottomUp;

    // nSign -1: top-down rows, 1: bottom-up.
    DibCanvas(int cxIn, int cyIn, int nSign = -1) : cx(cxIn), cy(cyIn), fBottomUp(nSign > 0)
    {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = nSign * cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        void *pv = nullptr;
        hdc = CreateCompatibleDC(NULL);
        hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pv, NULL, 0);
        pBits = (uint32_t *)pv;
        hbmOld = SelectObject(hdc, hbm);
        RECT rc = {0, 0, cx, cy};
        FillRect(hdc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    }
    ~DibCanvas()
    {
        SelectObject(hdc, hbmOld);
        DeleteDC(hdc);
        DeleteObject(hbm);
    }
    DibCanvas(const DibCanvas &) = delete;
    DibCanvas &operator=(const DibCanvas &) = delete;

    // The colour in memory at (x, y), whatever the context's clipping.
    COLORREF Pixel(int x, int y) const
    {
        uint32_t px = pBits[(fBottomUp ? cy - 1 - y : y) * cx + x];
        return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    }

    // Pixels of colour cr in rc, leaving out rcExcept.
    int Count(const RECT &rc, COLORREF cr, const RECT &rcExcept = RECT{0, 0, 0, 0}) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++) {
                POINT pt = {x, y};
                if (!PtInRect(&rcExcept, pt) && Pixel(x, y) == cr)
                    n++;
            }
        return n;
    }

    // Pixels in rc that differ from cr.
    int CountOther(const RECT &rc, COLORREF cr) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                if (Pixel(x, y) != cr)
                    n++;
        return n;
    }
};

#endif
