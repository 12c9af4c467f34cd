// How the standard controls look when they draw themselves through
// WM_PRINTCLIENT into a DIB: the classic 3-D edges, check and focus
// marks, grey text when disabled, and the colours the parent answers to
// WM_CTLCOLOR*.
#include <gtest/gtest.h>
#include <windows.h>

#include "dibcanvas.h"

namespace {

const COLORREF kParentBack = RGB(255, 0, 0);
const COLORREF kParentText = RGB(0, 0, 255);

// A parent that paints its controls' static and edit backgrounds red
// with blue text.
LRESULT CALLBACK ColourParentProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    static HBRUSH s_hbr;
    if (uMsg == WM_CTLCOLORSTATIC || uMsg == WM_CTLCOLOREDIT) {
        if (!s_hbr)
            s_hbr = CreateSolidBrush(kParentBack);
        SetTextColor((HDC)wParam, kParentText);
        SetBkColor((HDC)wParam, kParentBack);
        return (LRESULT)s_hbr;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

COLORREF Sys(int nIndex)
{
    return (COLORREF)GetSysColor(nIndex);
}

class ControlLook : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ColourParentProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = "LookParent";
        RegisterClassA(&wc);
        m_hParent = CreateWindowExA(0, "LookParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL,
                                    GetModuleHandleA(NULL), NULL);
        ASSERT_NE(m_hParent, nullptr);
    }
    void TearDown() override { DestroyWindow(m_hParent); }

    HWND Make(LPCSTR lpClass, LPCSTR lpText, DWORD dwStyle, int cx = 80, int cy = 24)
    {
        return CreateWindowExA(0, lpClass, lpText, WS_CHILD | WS_VISIBLE | dwStyle, 10, 10, cx, cy, m_hParent,
                               (HMENU)100, GetModuleHandleA(NULL), NULL);
    }

    // The control drawn alone on a white canvas of its own size.
    void Draw(HWND hWnd, DibCanvas &canvas)
    {
        SendMessageA(hWnd, WM_PRINTCLIENT, (WPARAM)canvas.hdc, PRF_CLIENT);
        GdiFlush();
    }

    HWND m_hParent = nullptr;
};

TEST_F(ControlLook, PushButtonsRaiseSinkAndMarkTheDefault)
{
    struct CASE {
        DWORD dwStyle;
        BOOL fPushed;
        COLORREF crCorner;       // pixel (0, 0)
        COLORREF crFarCorner;    // the bottom-right pixel
    };
    const CASE aCases[] = {
        {BS_PUSHBUTTON, FALSE, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_3DDKSHADOW)},
        {BS_PUSHBUTTON, TRUE, Sys(COLOR_3DDKSHADOW), Sys(COLOR_BTNHIGHLIGHT)},
        {BS_DEFPUSHBUTTON, FALSE, Sys(COLOR_WINDOWFRAME), Sys(COLOR_WINDOWFRAME)},
    };
    for (const CASE &c : aCases) {
        HWND hButton = Make("BUTTON", "OK", c.dwStyle);
        SendMessageA(hButton, BM_SETSTATE, c.fPushed, 0);
        DibCanvas canvas(80, 24);
        Draw(hButton, canvas);
        EXPECT_EQ(canvas.Pixel(0, 0), c.crCorner) << c.dwStyle << " pushed " << c.fPushed;
        EXPECT_EQ(canvas.Pixel(79, 23), c.crFarCorner) << c.dwStyle << " pushed " << c.fPushed;
        EXPECT_GT(canvas.Count(RECT{20, 4, 60, 20}, Sys(COLOR_BTNTEXT)), 5) << "the label";
        EXPECT_EQ(canvas.Pixel(40, 3), Sys(COLOR_BTNFACE)) << "the face above the label";
        DestroyWindow(hButton);
    }
}

// A row just inside the edge where every other pixel is inverted.
bool HasDottedRow(const DibCanvas &canvas)
{
    for (int y = 2; y <= 4; y++) {
        int nFace = canvas.Count(RECT{4, y, 76, y + 1}, Sys(COLOR_BTNFACE));
        if (nFace > 20 && nFace < 60)
            return true;
    }
    return false;
}

TEST_F(ControlLook, DisabledButtonLabelIsGreyAndFocusIsDotted)
{
    HWND hButton = Make("BUTTON", "OK", BS_PUSHBUTTON);
    DibCanvas before(80, 24);
    Draw(hButton, before);
    EXPECT_FALSE(HasDottedRow(before)) << "no focus rectangle yet";

    SetFocus(hButton);
    DibCanvas focused(80, 24);
    Draw(hButton, focused);
    EXPECT_TRUE(HasDottedRow(focused));

    SetFocus(NULL);
    EnableWindow(hButton, FALSE);
    DibCanvas disabled(80, 24);
    Draw(hButton, disabled);
    EXPECT_EQ(disabled.Count(RECT{4, 4, 76, 20}, Sys(COLOR_BTNTEXT)), 0);
    EXPECT_GT(disabled.Count(RECT{4, 4, 76, 20}, Sys(COLOR_BTNSHADOW)), 5);
}

// A check box and a radio button sit on the parent's colours; the mark
// shows only when checked.
TEST_F(ControlLook, CheckBoxesShowTheirStateOnTheParentsColours)
{
    for (DWORD dwStyle : {(DWORD)BS_AUTOCHECKBOX, (DWORD)BS_AUTORADIOBUTTON}) {
        HWND hCheck = Make("BUTTON", "Check", dwStyle, 80, 16);
        DibCanvas off(80, 16);
        Draw(hCheck, off);
        RECT rcBox = {2, 4, 11, 12};
        EXPECT_EQ(off.Count(rcBox, Sys(COLOR_WINDOWTEXT)), 0) << dwStyle;
        EXPECT_GT(off.Count(rcBox, Sys(COLOR_WINDOW)), 20) << dwStyle << " the box is white inside";
        EXPECT_EQ(off.Pixel(79, 0), kParentBack) << dwStyle << " the parent's brush";
        EXPECT_GT(off.Count(RECT{16, 0, 80, 16}, kParentText), 5) << dwStyle << " the parent's text colour";

        SendMessageA(hCheck, BM_SETCHECK, BST_CHECKED, 0);
        DibCanvas on(80, 16);
        Draw(hCheck, on);
        EXPECT_GT(on.Count(rcBox, Sys(COLOR_WINDOWTEXT)), 5) << dwStyle << " the mark";
        DestroyWindow(hCheck);
    }
}

TEST_F(ControlLook, StaticTextFramesAndGreyWhenDisabled)
{
    HWND hText = Make("STATIC", "Label", SS_LEFT);
    DibCanvas text(80, 24);
    Draw(hText, text);
    EXPECT_EQ(text.Pixel(79, 23), kParentBack);
    EXPECT_GT(text.Count(RECT{0, 0, 40, 24}, kParentText), 5);
    EnableWindow(hText, FALSE);
    DibCanvas grey(80, 24);
    Draw(hText, grey);
    EXPECT_EQ(grey.Count(RECT{0, 0, 40, 24}, kParentText), 0);
    EXPECT_GT(grey.Count(RECT{0, 0, 40, 24}, Sys(COLOR_GRAYTEXT)), 5);

    // An etched frame: shadow then highlight at the top left, nothing
    // drawn inside.
    HWND hFrame = Make("STATIC", "", SS_ETCHEDFRAME);
    DibCanvas frame(80, 24);
    Draw(hFrame, frame);
    EXPECT_EQ(frame.Pixel(10, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(frame.Pixel(10, 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(frame.Pixel(10, 23), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(frame.CountOther(RECT{2, 2, 78, 22}, RGB(255, 255, 255)), 0);
}

// The selection shows in the highlight colours only while the edit has
// the focus.
TEST_F(ControlLook, EditShowsItsSelectionWithTheFocus)
{
    HWND hEdit = Make("EDIT", "12.5 Hz", ES_AUTOHSCROLL);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    DibCanvas blurred(80, 24);
    Draw(hEdit, blurred);
    RECT rcAll = {0, 0, 80, 24};
    EXPECT_EQ(blurred.Count(rcAll, Sys(COLOR_HIGHLIGHT)), 0);
    EXPECT_GT(blurred.Count(rcAll, kParentText), 5);
    EXPECT_EQ(blurred.Pixel(79, 23), kParentBack);

    SetFocus(hEdit);
    SendMessageA(hEdit, EM_SETSEL, 0, 2);
    DibCanvas focused(80, 24);
    Draw(hEdit, focused);
    EXPECT_GT(focused.Count(rcAll, Sys(COLOR_HIGHLIGHT)), 10);
    EXPECT_GT(focused.Count(rcAll, kParentText), 5) << "the rest of the text";
}

// A drop-down list shows its selected item and the arrow of its button.
TEST_F(ControlLook, ComboShowsTheSelectedItemAndItsArrow)
{
    HWND hCombo = Make("COMBOBOX", "", CBS_DROPDOWNLIST, 80, 24);
    SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)"Hann");
    RECT rcWindow;
    GetClientRect(hCombo, &rcWindow);
    int cy = rcWindow.bottom;
    int cxButton = GetSystemMetrics(SM_CXVSCROLL);
    RECT rcText = {2, 2, 80 - cxButton - 2, cy - 2};
    RECT rcButton = {80 - cxButton, 2, 78, cy - 2};

    DibCanvas empty(80, cy);
    Draw(hCombo, empty);
    EXPECT_EQ(empty.Count(rcText, kParentText), 0);
    EXPECT_GT(empty.Count(rcButton, Sys(COLOR_BTNTEXT)), 6) << "the arrow";

    SendMessageA(hCombo, CB_SETCURSEL, 0, 0);
    DibCanvas chosen(80, cy);
    Draw(hCombo, chosen);
    EXPECT_GT(chosen.Count(rcText, kParentText), 5);
}

}  // namespace
