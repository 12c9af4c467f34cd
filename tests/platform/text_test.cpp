// Text: extents measured on the font, where TextOutA and DrawTextA put
// their pixels, alignment, DT_CALCRECT and fonts that do not exist.
#include <windows.h>

#include <gtest/gtest.h>

#include "dibcanvas.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

HFONT GothicFont(int nHeight, const char *pszFace = "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e")
{
    return CreateFontA(nHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH, pszFace);
}

// The bounding box of the pixels that are not white.
RECT InkBox(const DibCanvas &canvas)
{
    RECT rc = {canvas.cx, canvas.cy, -1, -1};
    for (int y = 0; y < canvas.cy; y++)
        for (int x = 0; x < canvas.cx; x++)
            if (canvas.Pixel(x, y) != kWhite) {
                rc.left = x < rc.left ? x : rc.left;
                rc.top = y < rc.top ? y : rc.top;
                rc.right = x + 1 > rc.right ? x + 1 : rc.right;
                rc.bottom = y + 1 > rc.bottom ? y + 1 : rc.bottom;
            }
    return rc;
}

TEST(Text, ExtentsGrowWithTheTextAndFollowTheHeight)
{
    DibCanvas canvas(10, 10);
    for (int nHeight : {-12, -16, 20}) {
        HFONT hFont = GothicFont(nHeight);
        HGDIOBJ hOld = SelectObject(canvas.hdc, hFont);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(canvas.hdc, &tm));
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        // A cell height is matched as closely as the font's design grid
        // allows: Windows promises the nearest size, not the exact one.
        if (nHeight > 0)
            EXPECT_NEAR(tm.tmHeight, nHeight, 1);
        else
            EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -nHeight);
        SIZE size5, size10, sizeKanji;
        ASSERT_TRUE(GetTextExtentPoint32A(canvas.hdc, "ABCDEFGHIJ", 5, &size5));
        ASSERT_TRUE(GetTextExtentPoint32A(canvas.hdc, "ABCDEFGHIJ", 10, &size10));
        EXPECT_GT(size5.cx, 0);
        EXPECT_GT(size10.cx, size5.cx);
        EXPECT_EQ(size10.cy, tm.tmHeight);
        // Two CP932 characters: wider than one half-width character each.
        ASSERT_TRUE(GetTextExtentPoint32A(canvas.hdc, "\x83\x65\x83\x58", 4, &sizeKanji));
        EXPECT_GT(sizeKanji.cx, size5.cx / 5 * 2);
        SelectObject(canvas.hdc, hOld);
        DeleteObject(hFont);
    }
}

TEST(Text, TextOutDrawsWithinItsExtentAtEachAlignment)
{
    struct ALIGNCASE {
        UINT uAlign;
        int dxBox;    // box left relative to x, in units of the text width: 0, -1/2, -1
    };
    const ALIGNCASE aCases[] = {{TA_LEFT | TA_TOP, 0}, {TA_CENTER | TA_TOP, 1}, {TA_RIGHT | TA_TOP, 2}};
    for (const ALIGNCASE &ac : aCases) {
        DibCanvas canvas(200, 40);
        HFONT hFont = GothicFont(-16);
        HGDIOBJ hOld = SelectObject(canvas.hdc, hFont);
        SetBkMode(canvas.hdc, TRANSPARENT);
        SetTextAlign(canvas.hdc, ac.uAlign);
        SIZE size;
        GetTextExtentPoint32A(canvas.hdc, "Hz 12.5", 7, &size);
        ASSERT_TRUE(TextOutA(canvas.hdc, 100, 10, "Hz 12.5", 7));
        RECT rcInk = InkBox(canvas);
        int xBox = 100 - ac.dxBox * size.cx / 2;
        EXPECT_LT(rcInk.left, rcInk.right) << "something is drawn";
        EXPECT_GE(rcInk.left, xBox - 1) << "align " << ac.uAlign;
        EXPECT_LE(rcInk.right, xBox + size.cx + 1);
        EXPECT_GE(rcInk.top, 10);
        EXPECT_LE(rcInk.bottom, 10 + size.cy);
        SelectObject(canvas.hdc, hOld);
        DeleteObject(hFont);
    }
}

TEST(Text, OpaqueBackgroundFillsTheTextBox)
{
    DibCanvas canvas(100, 30);
    SetBkColor(canvas.hdc, RGB(0, 0, 255));
    TextOutA(canvas.hdc, 5, 5, "ab", 2);
    SIZE size;
    GetTextExtentPoint32A(canvas.hdc, "ab", 2, &size);
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(5 + size.cx, 5), kWhite);
    EXPECT_EQ(canvas.Pixel(5, 5 + size.cy), kWhite);
}

TEST(Text, UnknownFaceStillDrawsText)
{
    DibCanvas canvas(120, 30);
    HFONT hFont = GothicFont(-14, "No Such Face 1234");
    HGDIOBJ hOld = SelectObject(canvas.hdc, hFont);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(canvas.hdc, "Fp1-A1", 6, &size));
    EXPECT_GT(size.cx, 0);
    SetBkMode(canvas.hdc, TRANSPARENT);
    TextOutA(canvas.hdc, 2, 2, "Fp1-A1", 6);
    EXPECT_GT(canvas.CountOther(RECT{0, 0, 120, 30}, kWhite), 10);
    SelectObject(canvas.hdc, hOld);
    DeleteObject(hFont);
}

TEST(Text, DrawTextCalcRectMatchesWhatIsDrawn)
{
    DibCanvas canvas(200, 100);
    HFONT hFont = GothicFont(-12);
    HGDIOBJ hOld = SelectObject(canvas.hdc, hFont);
    TEXTMETRICA tm;
    GetTextMetricsA(canvas.hdc, &tm);
    SetBkMode(canvas.hdc, TRANSPARENT);

    RECT rcCalc = {10, 10, 10, 10};
    int cy = DrawTextA(canvas.hdc, "&Channel", -1, &rcCalc, DT_CALCRECT | DT_SINGLELINE);
    SIZE size;
    GetTextExtentPoint32A(canvas.hdc, "Channel", 7, &size);
    EXPECT_EQ(cy, tm.tmHeight);
    EXPECT_EQ(rcCalc.right - rcCalc.left, size.cx) << "the prefix '&' takes no room";
    EXPECT_EQ(canvas.CountOther(RECT{0, 0, 200, 100}, kWhite), 0) << "DT_CALCRECT draws nothing";

    // Word breaks: a narrow rectangle gives several lines, each tmHeight.
    RECT rcNarrow = {0, 0, size.cx, 0};
    cy = DrawTextA(canvas.hdc, "alpha beta gamma delta", -1, &rcNarrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(cy, 3 * tm.tmHeight);
    EXPECT_EQ(cy % tm.tmHeight, 0);
    EXPECT_EQ(rcNarrow.bottom, cy);

    // Right alignment puts the ink in the right part; nothing leaves the
    // rectangle.
    RECT rc = {20, 20, 180, 60};
    DrawTextA(canvas.hdc, "12 Hz", -1, &rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    RECT rcInk = InkBox(canvas);
    EXPECT_GT(rcInk.left, 100);
    EXPECT_LE(rcInk.right, 180);
    EXPECT_GE(rcInk.top, 20 + (40 - tm.tmHeight) / 2 - 1);
    EXPECT_LE(rcInk.bottom, 60);
    SelectObject(canvas.hdc, hOld);
    DeleteObject(hFont);
}

TEST(Text, EmptyAndInvalidTexts)
{
    DibCanvas canvas(20, 20);
    SIZE size = {5, 5};
    EXPECT_TRUE(GetTextExtentPoint32A(canvas.hdc, "", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.hdc, "abc", -1, &size));
    EXPECT_TRUE(TextOutA(canvas.hdc, 0, 0, "", 0));
    RECT rcZero = {5, 5, 5, 5};
    DrawTextA(canvas.hdc, "text", -1, &rcZero, DT_LEFT);
    EXPECT_EQ(canvas.CountOther(RECT{0, 0, 20, 20}, kWhite), 0) << "a zero-sized rectangle clips everything";
}

}  // namespace
