// Drawing into a memory context on a DIB section: line end pixels, shape
// edges, pens, clipping, origins, blits and the DIB's own memory.
#include <windows.h>

#include <gtest/gtest.h>

#include "dibcanvas.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

TEST(Drawing, LineLeavesOutItsLastPixel)
{
    struct LINECASE {
        POINT ptFrom, ptTo, ptBeforeEnd;
    };
    const LINECASE aCases[] = {
        {{2, 5}, {20, 5}, {19, 5}},
        {{20, 6}, {2, 6}, {3, 6}},
        {{4, 2}, {4, 30}, {4, 29}},
        {{5, 5}, {25, 25}, {24, 24}},
    };
    for (const LINECASE &lc : aCases) {
        DibCanvas canvas(40, 40);
        HPEN hPen = CreatePen(PS_SOLID, 1, kRed);
        HGDIOBJ hOld = SelectObject(canvas.hdc, hPen);
        MoveToEx(canvas.hdc, lc.ptFrom.x, lc.ptFrom.y, NULL);
        EXPECT_TRUE(LineTo(canvas.hdc, lc.ptTo.x, lc.ptTo.y));
        EXPECT_EQ(canvas.Pixel(lc.ptFrom.x, lc.ptFrom.y), kRed) << "first pixel " << lc.ptFrom.x;
        EXPECT_EQ(canvas.Pixel(lc.ptBeforeEnd.x, lc.ptBeforeEnd.y), kRed) << "pixel before the end";
        EXPECT_EQ(canvas.Pixel(lc.ptTo.x, lc.ptTo.y), kWhite) << "the end pixel is left out";
        POINT pt;
        GetCurrentPositionEx(canvas.hdc, &pt);
        EXPECT_EQ(pt.x, lc.ptTo.x);
        SelectObject(canvas.hdc, hOld);
        DeleteObject(hPen);
    }
}

TEST(Drawing, PenStylesAndWidths)
{
    DibCanvas canvas(100, 30);
    HPEN hDot = CreatePen(PS_DOT, 1, kRed);
    HGDIOBJ hOld = SelectObject(canvas.hdc, hDot);
    SetBkMode(canvas.hdc, TRANSPARENT);
    MoveToEx(canvas.hdc, 0, 2, NULL);
    LineTo(canvas.hdc, 90, 2);
    EXPECT_GT(canvas.Count(RECT{0, 2, 90, 3}, kRed), 20);
    EXPECT_GT(canvas.Count(RECT{0, 2, 90, 3}, kWhite), 20) << "gaps keep the background";
    // OPAQUE fills the gaps with the background colour.
    SetBkMode(canvas.hdc, OPAQUE);
    SetBkColor(canvas.hdc, kBlue);
    MoveToEx(canvas.hdc, 0, 4, NULL);
    LineTo(canvas.hdc, 90, 4);
    EXPECT_EQ(canvas.Count(RECT{0, 4, 90, 5}, kRed) + canvas.Count(RECT{0, 4, 90, 5}, kBlue), 90);

    HPEN hWide = CreatePen(PS_SOLID, 3, kRed);
    SelectObject(canvas.hdc, hWide);
    DeleteObject(hDot);
    MoveToEx(canvas.hdc, 10, 15, NULL);
    LineTo(canvas.hdc, 60, 15);
    for (int y : {14, 15, 16})
        EXPECT_EQ(canvas.Pixel(30, y), kRed) << "row " << y;
    EXPECT_EQ(canvas.Pixel(30, 12), kWhite);
    EXPECT_EQ(canvas.Pixel(30, 18), kWhite);

    SelectObject(canvas.hdc, GetStockObject(NULL_PEN));
    DeleteObject(hWide);
    MoveToEx(canvas.hdc, 0, 25, NULL);
    LineTo(canvas.hdc, 90, 25);
    EXPECT_EQ(canvas.Count(RECT{0, 25, 90, 26}, kWhite), 90) << "a null pen draws nothing";
    SelectObject(canvas.hdc, hOld);
}

TEST(Drawing, ShapesCoverLeftToRightMinusOne)
{
    DibCanvas canvas(60, 60);
    HPEN hPen = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH hbr = CreateSolidBrush(kBlue);
    HGDIOBJ hOldPen = SelectObject(canvas.hdc, hPen);
    HGDIOBJ hOldBrush = SelectObject(canvas.hdc, hbr);
    ASSERT_TRUE(Rectangle(canvas.hdc, 10, 10, 20, 30));
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.Pixel(19, 29), kRed);
    EXPECT_EQ(canvas.Pixel(15, 20), kBlue);
    EXPECT_EQ(canvas.Pixel(20, 20), kWhite);
    EXPECT_EQ(canvas.Pixel(15, 30), kWhite);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 60, 60}, kRed) + canvas.Count(RECT{0, 0, 60, 60}, kBlue), 10 * 20);

    // Without a pen the filled area is one pixel smaller to the right and below.
    SelectObject(canvas.hdc, GetStockObject(NULL_PEN));
    Rectangle(canvas.hdc, 30, 10, 40, 20);
    EXPECT_EQ(canvas.Count(RECT{30, 10, 40, 20}, kBlue), 9 * 9);

    // Ellipse stays inside its box and fills its centre.
    SelectObject(canvas.hdc, hPen);
    Ellipse(canvas.hdc, 30, 30, 50, 50);
    EXPECT_EQ(canvas.Pixel(40, 40), kBlue);
    EXPECT_EQ(canvas.Pixel(30, 30), kWhite);
    EXPECT_EQ(canvas.Count(RECT{25, 25, 55, 55}, kRed, RECT{30, 30, 50, 50}), 0) << "pen pixels outside the box";
    EXPECT_GT(canvas.Count(RECT{30, 30, 50, 50}, kRed), 40);

    // A null brush leaves the inside alone.
    SelectObject(canvas.hdc, GetStockObject(NULL_BRUSH));
    Rectangle(canvas.hdc, 2, 40, 12, 50);
    EXPECT_EQ(canvas.Pixel(6, 45), kWhite);
    EXPECT_EQ(canvas.Pixel(2, 45), kRed);

    SelectObject(canvas.hdc, hOldPen);
    SelectObject(canvas.hdc, hOldBrush);
    DeleteObject(hPen);
    DeleteObject(hbr);
}

TEST(Drawing, FillFrameAndPolygonAreas)
{
    DibCanvas canvas(50, 50);
    HBRUSH hbr = CreateSolidBrush(kRed);
    RECT rc = {5, 5, 15, 10};
    EXPECT_TRUE(FillRect(canvas.hdc, &rc, hbr));
    EXPECT_EQ(canvas.Count(RECT{0, 0, 50, 50}, kRed), 10 * 5);
    // Empty rectangles fill nothing; a frame is one pixel inside the edge.
    RECT aEmpty[] = {{20, 20, 20, 30}, {20, 20, 30, 20}};
    for (const RECT &rcEmpty : aEmpty)
        FillRect(canvas.hdc, &rcEmpty, hbr);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 50, 50}, kRed), 10 * 5);
    RECT rcFrame = {20, 20, 30, 26};
    FrameRect(canvas.hdc, &rcFrame, hbr);
    EXPECT_EQ(canvas.Count(RECT{20, 20, 30, 26}, kRed), 2 * 10 + 2 * 4);
    // A system colour index + 1 stands for its brush.
    RECT rcSys = {40, 40, 42, 42};
    FillRect(canvas.hdc, &rcSys, (HBRUSH)(COLOR_WINDOWTEXT + 1));
    EXPECT_EQ(canvas.Pixel(41, 41), (COLORREF)GetSysColor(COLOR_WINDOWTEXT));

    HGDIOBJ hOld = SelectObject(canvas.hdc, hbr);
    POINT aPts[] = {{5, 30}, {25, 30}, {15, 45}};
    EXPECT_TRUE(Polygon(canvas.hdc, aPts, 3));
    EXPECT_EQ(canvas.Pixel(15, 35), kRed);
    EXPECT_EQ(canvas.Pixel(5, 44), kWhite);
    SelectObject(canvas.hdc, hOld);
    DeleteObject(hbr);
}

TEST(Drawing, ClipOriginAndSavedStates)
{
    DibCanvas canvas(40, 40);
    HBRUSH hbr = CreateSolidBrush(kRed);
    int nLevel = SaveDC(canvas.hdc);
    EXPECT_EQ(nLevel, 1);
    EXPECT_EQ(IntersectClipRect(canvas.hdc, 10, 10, 20, 20), SIMPLEREGION);
    SetViewportOrgEx(canvas.hdc, 5, 5, NULL);
    RECT rcAll = {-100, -100, 100, 100};
    FillRect(canvas.hdc, &rcAll, hbr);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 40}, kRed), 100) << "only the clip rectangle";
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.Pixel(20, 20), kWhite);
    RECT rcBox;
    EXPECT_EQ(GetClipBox(canvas.hdc, &rcBox), SIMPLEREGION);
    EXPECT_EQ(rcBox.left, 5) << "logical coordinates";
    EXPECT_EQ(IntersectClipRect(canvas.hdc, 100, 100, 110, 110), NULLREGION);

    EXPECT_TRUE(RestoreDC(canvas.hdc, -1));
    EXPECT_FALSE(RestoreDC(canvas.hdc, 1)) << "nothing left to restore";
    POINT pt;
    GetViewportOrgEx(canvas.hdc, &pt);
    EXPECT_EQ(pt.x, 0);
    FillRect(canvas.hdc, &rcAll, hbr);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 40}, kRed), 40 * 40);
    DeleteObject(hbr);
}

// A hatch repeats every 8 pixels from the device origin, its lines in the
// brush's colour, the gaps in the background colour when OPAQUE and left
// alone when TRANSPARENT. Only what every GDI guarantees is checked: the
// lines' direction and spacing, not their phase.
TEST(Drawing, HatchedBrushesRepeatFromTheOriginInTheBackgroundMode)
{
    struct HATCHCASE {
        int iHatch;
        int nLines;       // line pixels in one 8 x 8 tile
        int dx, dy;       // a line pixel's neighbour on the same line
    };
    const HATCHCASE aCases[] = {
        {HS_HORIZONTAL, 8, 1, 0}, {HS_VERTICAL, 8, 0, 1}, {HS_FDIAGONAL, 8, 1, 1},
        {HS_BDIAGONAL, 8, -1, 1}, {HS_CROSS, 15, 0, 0},   {HS_DIAGCROSS, 16, 0, 0},
    };
    for (const HATCHCASE &hc : aCases) {
        HBRUSH hbr = CreateHatchBrush(hc.iHatch, kRed);
        LOGBRUSH lb = {};
        ASSERT_EQ(GetObjectA(hbr, sizeof lb, &lb), (int)sizeof lb);
        EXPECT_EQ(lb.lbStyle, (UINT)BS_HATCHED);
        DibCanvas opaque(24, 24), shifted(24, 24), clear(24, 24);
        SetBkColor(opaque.hdc, kBlue);
        RECT rcAll = {0, 0, 24, 24}, rcPart = {3, 5, 24, 24};
        FillRect(opaque.hdc, &rcAll, hbr);
        SetBkColor(shifted.hdc, kBlue);
        FillRect(shifted.hdc, &rcPart, hbr);
        SetBkMode(clear.hdc, TRANSPARENT);
        SetBkColor(clear.hdc, kBlue);
        FillRect(clear.hdc, &rcAll, hbr);
        GdiFlush();
        EXPECT_EQ(opaque.Count(RECT{0, 0, 8, 8}, kRed), hc.nLines) << hc.iHatch;
        EXPECT_EQ(opaque.Count(rcAll, kRed) + opaque.Count(rcAll, kBlue), 24 * 24) << hc.iHatch;
        EXPECT_EQ(clear.Count(rcAll, kBlue), 0) << hc.iHatch << " transparent gaps";
        for (int y = 0; y < 16; y++)
            for (int x = 1; x < 16; x++) {
                COLORREF cr = opaque.Pixel(x, y);
                ASSERT_EQ(cr, opaque.Pixel(x + 8, y)) << hc.iHatch << " at " << x << "," << y;
                ASSERT_EQ(cr, opaque.Pixel(x, y + 8)) << hc.iHatch << " at " << x << "," << y;
                ASSERT_EQ(shifted.Pixel(x + 3, y + 5), opaque.Pixel(x + 3, y + 5)) << hc.iHatch << " from the origin";
                ASSERT_EQ(clear.Pixel(x, y), cr == kRed ? kRed : kWhite) << hc.iHatch;
                if (cr == kRed && (hc.dx || hc.dy)) {
                    ASSERT_EQ(opaque.Pixel(x + hc.dx, y + hc.dy), kRed) << hc.iHatch << " along the line";
                }
            }
        DeleteObject(hbr);
    }
    // Past the six hatches a solid brush, from HS_API_MAX none.
    HBRUSH hbrSolid = CreateHatchBrush(HS_DIAGCROSS + 1, kRed);
    LOGBRUSH lb = {};
    GetObjectA(hbrSolid, sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, (UINT)BS_SOLID);
    DeleteObject(hbrSolid);
    EXPECT_EQ(CreateHatchBrush(HS_API_MAX, kRed), nullptr);
}

TEST(Drawing, DibSectionMemoryIsWhatIsDrawn)
{
    for (int nSign : {-1, 1}) {
        DibCanvas canvas(8, 4, nSign);
        EXPECT_EQ(SetPixel(canvas.hdc, 1, 0, RGB(10, 20, 30)), RGB(10, 20, 30));
        // Row 0 is the first row in memory top-down, the last bottom-up.
        int iRow = nSign < 0 ? 0 : 3;
        EXPECT_EQ(canvas.pBits[iRow * 8 + 1] & 0x00FFFFFF, 0x000A141Eu) << "sign " << nSign;
        canvas.pBits[(nSign < 0 ? 3 : 0) * 8 + 2] = 0x00112233;
        EXPECT_EQ(GetPixel(canvas.hdc, 2, 3), RGB(0x11, 0x22, 0x33));
        EXPECT_EQ(GetPixel(canvas.hdc, 8, 0), (COLORREF)CLR_INVALID);
        EXPECT_EQ(GetPixel(canvas.hdc, -1, 0), (COLORREF)CLR_INVALID);
        BITMAP bm;
        ASSERT_EQ(GetObjectA(canvas.hbm, sizeof(bm), &bm), (int)sizeof(bm));
        EXPECT_EQ(bm.bmWidth, 8);
        EXPECT_EQ(bm.bmBitsPixel, 32);
    }
}

TEST(Drawing, BlitsCopyAndBitmapsSelectOnce)
{
    DibCanvas canvas(20, 20);
    HDC hdcSrc = CreateCompatibleDC(canvas.hdc);
    HBITMAP hbm = CreateCompatibleBitmap(canvas.hdc, 4, 4);
    // An empty size answers the stock bitmap of a new memory context.
    HDC hdcFresh = CreateCompatibleDC(NULL);
    EXPECT_EQ(CreateCompatibleBitmap(canvas.hdc, 0, 4), GetCurrentObject(hdcFresh, OBJ_BITMAP));
    DeleteDC(hdcFresh);
    HGDIOBJ hOld = SelectObject(hdcSrc, hbm);
    EXPECT_EQ(GetPixel(hdcSrc, 0, 0), RGB(0, 0, 0)) << "a new compatible bitmap is black";
    SetPixel(hdcSrc, 1, 1, kRed);
    EXPECT_TRUE(BitBlt(canvas.hdc, 10, 10, 4, 4, hdcSrc, 0, 0, SRCCOPY));
    EXPECT_EQ(canvas.Pixel(11, 11), kRed);
    EXPECT_EQ(canvas.Pixel(10, 10), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(14, 14), kWhite);
    // Overlapping copy within one bitmap.
    EXPECT_TRUE(BitBlt(canvas.hdc, 11, 10, 4, 4, canvas.hdc, 10, 10, SRCCOPY));
    EXPECT_EQ(canvas.Pixel(12, 11), kRed);

    HDC hdcOther = CreateCompatibleDC(NULL);
    EXPECT_EQ(SelectObject(hdcOther, hbm), nullptr) << "already selected elsewhere";
    DeleteDC(hdcOther);
    SelectObject(hdcSrc, hOld);
    DeleteDC(hdcSrc);
    EXPECT_TRUE(DeleteObject(hbm));
}

}  // namespace
