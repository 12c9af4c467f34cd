/*
 * The custom controls' look, read back from a DIB section: the frame
 * painter's edges, the button's face by check state, its pressed and
 * disabled looks, and the static's text colour.
 */
#include <gtest/gtest.h>

#include "canvas.h"
#include "custom/qcustom.h"

namespace {

const COLORREF kFace = 0xF0C8A0;
const COLORREF kChecked = 0x00FFFF;

class CcDraw : public testing::Test {
protected:
    void SetUp() override
    {
        m_hwndParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, NULL, NULL, NULL, NULL);
    }
    void TearDown() override { DestroyWindow(m_hwndParent); }
    HWND Create(LPCSTR pszClass, LPCSTR pszText, DWORD dwStyle)
    {
        return CreateWindowExA(0, pszClass, pszText, dwStyle, 0, 0, 80, 24, m_hwndParent, (HMENU)1021,
                               GetModuleHandleA(NULL), NULL);
    }
    HWND m_hwndParent = NULL;
};

TEST_F(CcDraw, FramePainterDrawsTheEdgesOfItsKindAndShade)
{
    HWND hwnd = Create(CC_STATIC_CLASS, "", 0x500001A1);
    static const struct {
        int nKind, nShade;
        COLORREF crTopLeft, crBottomRight;
    } frames[] = {{2, 15, RGB(0, 0, 0), RGB(255, 255, 255)},
                  {0, 15, RGB(0, 0, 0), RGB(0, 0, 0)},
                  {0, 31, RGB(0, 0, 0), RGB(0, 0, 0)},  // only the low 4 bits count
                  {2, 7, RGB(0x80, 0x80, 0x80), RGB(255, 255, 255)}};
    for (const auto &f : frames) {
        Canvas c(80, 24);
        HGDIOBJ hPen = GetCurrentObject(c.Dc(), OBJ_PEN);
        EXPECT_TRUE(CcDrawFrame(hwnd, c.Dc(), f.nKind, f.nShade));
        GdiFlush();
        EXPECT_EQ(GetCurrentObject(c.Dc(), OBJ_PEN), hPen) << "the context's pen is restored";
        EXPECT_EQ(c.At(0, 12), f.crTopLeft) << f.nKind << "/" << f.nShade;
        EXPECT_EQ(c.At(40, 0), f.crTopLeft) << f.nKind << "/" << f.nShade;
        EXPECT_EQ(c.At(79, 12), f.crBottomRight) << f.nKind << "/" << f.nShade;
        EXPECT_EQ(c.At(40, 23), f.crBottomRight) << f.nKind << "/" << f.nShade;
        EXPECT_EQ(c.At(40, 12), Canvas::SENTINEL) << "a frame, not a fill";
    }
    EXPECT_FALSE(CcDrawFrame(hwnd, NULL, 2, 1));
    DestroyWindow(hwnd);
    Canvas c(80, 24);
    EXPECT_FALSE(CcDrawFrame(hwnd, c.Dc(), 2, 1)) << "a destroyed window";
    EXPECT_EQ(c.Count(Canvas::SENTINEL, 0, 0, 80, 24), 80 * 24);
}

TEST_F(CcDraw, ButtonFaceFollowsCheckStateAndPressShowsSunken)
{
    HWND hwnd = Create(CC_TEXTBTN_CLASS, "ADD", 0x500042A0);
    SendMessageA(hwnd, CBM_SETCOLOR, CB_COLOR_FACE, kFace);
    SendMessageA(hwnd, CBM_SETCOLOR, CB_COLOR_CHECKED, kChecked);
    Canvas up(80, 24);
    up.Print(hwnd);
    EXPECT_EQ(up.At(4, 4), kFace);
    EXPECT_EQ(up.Count(Canvas::SENTINEL, 0, 0, 80, 24), 0) << "the whole button is painted";
    const COLORREF crLitEdge = up.At(0, 12);

    SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    Canvas checked(80, 24);
    checked.Print(hwnd);
    EXPECT_EQ(checked.At(4, 4), kChecked);

    SendMessageA(hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Canvas pressed(80, 24);
    pressed.Print(hwnd);
    EXPECT_EQ(pressed.At(4, 4), kFace);
    EXPECT_NE(pressed.At(0, 12), crLitEdge) << "a pressed button's left edge is dark";
    ReleaseCapture();
}

TEST_F(CcDraw, DisabledButtonTextIsGrey)
{
    HWND hwnd = Create(CC_TEXTBTN_CLASS, "WWWW", 0x500042A0);
    SendMessageA(hwnd, CBM_SETCOLOR, CB_COLOR_FACE, RGB(255, 255, 255));
    const COLORREF crText = GetSysColor(COLOR_BTNTEXT), crGrey = GetSysColor(COLOR_GRAYTEXT);
    Canvas on(80, 24);
    on.Print(hwnd);
    EXPECT_GT(on.Count(crText, 2, 2, 78, 22), 0);
    EnableWindow(hwnd, FALSE);
    Canvas off(80, 24);
    off.Print(hwnd);
    EXPECT_EQ(off.Count(crText, 2, 2, 78, 22), 0);
    EXPECT_GT(off.Count(crGrey, 2, 2, 78, 22), 0);
}

TEST_F(CcDraw, StaticTextTakesItsColour)
{
    HWND hwnd = Create(CC_STATIC_CLASS, "ADD", 0x500001A3);
    SendMessageA(hwnd, CSM_SETTEXTCOLOR, 0, RGB(255, 0, 0));
    Canvas c(80, 24);
    c.Print(hwnd);
    EXPECT_GT(c.Count(RGB(255, 0, 0), 0, 0, 80, 24), 0);
    EXPECT_EQ(c.Count(Canvas::SENTINEL, 0, 0, 80, 24), 0);
    // Right-aligned text (style bit 2) lies in the right half only.
    HWND hwndRight = Create(CC_STATIC_CLASS, "Count ", 0x500000B5);
    SendMessageA(hwndRight, CSM_SETTEXTCOLOR, 0, RGB(255, 0, 0));
    Canvas r(80, 24);
    r.Print(hwndRight);
    EXPECT_EQ(r.Count(RGB(255, 0, 0), 0, 0, 30, 24), 0);
    EXPECT_GT(r.Count(RGB(255, 0, 0), 40, 0, 80, 24), 0);
}

}  // namespace
