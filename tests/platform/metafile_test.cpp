// Metafiles: a recording replayed into a DIB gives the pixels of drawing
// there directly, objects deleted after recording do not matter, and the
// enhanced metafile's header tells its bounds.
#include <windows.h>

#include <gtest/gtest.h>

#include "dibcanvas.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// A picture whose bounds are fixed by its first rectangle: filled areas,
// styled and plain lines, a shape, pixels, and a state saved around a
// clip. The caller's objects are deleted while the recording goes on.
void DrawPicture(HDC hdc)
{
    HBRUSH hbrBack = CreateSolidBrush(RGB(250, 250, 200));
    RECT rcAll = {0, 0, 60, 40};
    FillRect(hdc, &rcAll, hbrBack);
    DeleteObject(hbrBack);
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(200, 0, 0));
    HBRUSH hbr = CreateSolidBrush(RGB(0, 0, 200));
    HGDIOBJ hOldPen = SelectObject(hdc, hPen);
    HGDIOBJ hOldBrush = SelectObject(hdc, hbr);
    Rectangle(hdc, 5, 5, 25, 20);
    MoveToEx(hdc, 2, 30, NULL);
    LineTo(hdc, 55, 37);
    POINT aPts[] = {{30, 5}, {50, 10}, {40, 25}, {58, 30}};
    Polyline(hdc, aPts, 4);
    SaveDC(hdc);
    IntersectClipRect(hdc, 30, 30, 45, 40);
    HPEN hDash = CreatePen(PS_DASH, 1, RGB(0, 150, 0));
    SelectObject(hdc, hDash);
    DeleteObject(hDash);
    MoveToEx(hdc, 0, 33, NULL);
    LineTo(hdc, 59, 33);
    RestoreDC(hdc, -1);
    SetPixel(hdc, 58, 2, RGB(1, 2, 3));
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldBrush);
    DeleteObject(hPen);
    DeleteObject(hbr);
}

int DifferentPixels(const DibCanvas &a, const DibCanvas &b)
{
    int n = 0;
    for (int y = 0; y < a.cy; y++)
        for (int x = 0; x < a.cx; x++)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                n++;
    return n;
}

TEST(Metafile, EnhancedReplayEqualsDirectDrawing)
{
    HDC hdcMeta = CreateEnhMetaFileA(NULL, NULL, NULL, NULL);
    ASSERT_NE(hdcMeta, nullptr);
    EXPECT_EQ(GetObjectType(hdcMeta), (DWORD)OBJ_ENHMETADC);
    DrawPicture(hdcMeta);
    HENHMETAFILE hemf = CloseEnhMetaFile(hdcMeta);
    ASSERT_NE(hemf, nullptr);
    EXPECT_EQ(CloseEnhMetaFile(hdcMeta), nullptr) << "closed once";

    ENHMETAHEADER hdr;
    ASSERT_EQ(GetEnhMetaFileHeader(hemf, sizeof(hdr), &hdr), (UINT)sizeof(hdr));
    EXPECT_EQ(hdr.dSignature, (DWORD)ENHMETA_SIGNATURE);
    EXPECT_EQ(hdr.rclBounds.left, 0);
    EXPECT_EQ(hdr.rclBounds.top, 0);
    EXPECT_EQ(hdr.rclBounds.right, 59);
    EXPECT_EQ(hdr.rclBounds.bottom, 39);

    DibCanvas direct(80, 60), played(80, 60);
    SetViewportOrgEx(direct.hdc, 10, 15, NULL);
    DrawPicture(direct.hdc);
    // The frame taken from the bounds runs from the first to the last
    // pixel: 59 x 39 here, the size that plays without scaling.
    RECT rcPlay = {10, 15, 69, 54};
    ASSERT_TRUE(PlayEnhMetaFile(played.hdc, hemf, &rcPlay));
    EXPECT_EQ(DifferentPixels(direct, played), 0);
    EXPECT_EQ(played.Pixel(68, 17), RGB(1, 2, 3));
    EXPECT_EQ(played.Pixel(9, 15), kWhite) << "nothing outside the picture";

    // A larger rectangle stretches the picture over it.
    DibCanvas stretched(120, 80);
    RECT rcBig = {0, 0, 120, 80};
    ASSERT_TRUE(PlayEnhMetaFile(stretched.hdc, hemf, &rcBig));
    EXPECT_EQ(stretched.Pixel(119, 79), RGB(250, 250, 200));
    EXPECT_EQ(stretched.Pixel(30, 24), RGB(0, 0, 200)) << "the rectangle's inside, scaled by two";

    EXPECT_TRUE(DeleteEnhMetaFile(hemf));
    EXPECT_EQ(GetEnhMetaFileHeader(hemf, sizeof(hdr), &hdr), 0u);
    EXPECT_FALSE(PlayEnhMetaFile(played.hdc, hemf, &rcPlay));
}

TEST(Metafile, ClassicReplayFollowsTheContextOrigin)
{
    HDC hdcMeta = CreateMetaFileA(NULL);
    ASSERT_NE(hdcMeta, nullptr);
    DrawPicture(hdcMeta);
    HMETAFILE hmf = CloseMetaFile(hdcMeta);
    ASSERT_NE(hmf, nullptr);

    DibCanvas direct(80, 60), played(80, 60);
    SetViewportOrgEx(direct.hdc, 7, 3, NULL);
    DrawPicture(direct.hdc);
    SetViewportOrgEx(played.hdc, 7, 3, NULL);
    ASSERT_TRUE(PlayMetaFile(played.hdc, hmf));
    EXPECT_EQ(DifferentPixels(direct, played), 0);
    POINT pt;
    GetViewportOrgEx(played.hdc, &pt);
    EXPECT_EQ(pt.x, 7) << "the context's state is kept";
    EXPECT_EQ(GetCurrentObject(played.hdc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteMetaFile(hmf));
    EXPECT_FALSE(DeleteMetaFile(hmf));
}

TEST(Metafile, TextReplaysInItsPlace)
{
    HDC hdcMeta = CreateEnhMetaFileA(NULL, NULL, NULL, NULL);
    RECT rcAll = {0, 0, 100, 30};
    FillRect(hdcMeta, &rcAll, (HBRUSH)GetStockObject(WHITE_BRUSH));
    SetBkMode(hdcMeta, TRANSPARENT);
    TextOutA(hdcMeta, 50, 5, "50 Hz", 5);
    HENHMETAFILE hemf = CloseEnhMetaFile(hdcMeta);
    DibCanvas played(100, 30);
    ASSERT_TRUE(PlayEnhMetaFile(played.hdc, hemf, &rcAll));
    EXPECT_GT(played.CountOther(RECT{50, 0, 100, 30}, kWhite), 5);
    EXPECT_EQ(played.CountOther(RECT{0, 0, 48, 30}, kWhite), 0);
    DeleteEnhMetaFile(hemf);
}

}  // namespace
