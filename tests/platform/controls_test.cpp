// The standard controls: what each keeps, and which notifications reach
// the parent for what (buttons, edits, combo boxes, statics, scroll bars),
// and the *DlgItem* helpers.
#include <gtest/gtest.h>
#include <windows.h>

#include <automation.h>
#include <algorithm>
#include <string>
#include <vector>

#include "dlgtest.h"
#include "platform/testres.h"

namespace {

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hHost = CreateHost();
        ASSERT_NE(m_hHost, nullptr);
        Notes().clear();
    }
    void TearDown() override { DestroyWindow(m_hHost); }

    std::string Text(HWND hWnd)
    {
        char sz[256];
        GetWindowTextA(hWnd, sz, sizeof sz);
        return sz;
    }

    HWND m_hHost = nullptr;
};

using Seq = std::vector<NOTE>;

TEST_F(ControlTest, CheckBoxesToggleAndNotifyButNotWhenDisabled)
{
    HWND hAuto = CreateControl(m_hHost, "BUTTON", "auto", BS_AUTOCHECKBOX, 10);
    HWND hPlain = CreateControl(m_hHost, "BUTTON", "plain", BS_CHECKBOX, 11);
    HWND hPush = CreateControl(m_hHost, "BUTTON", "push", BS_PUSHBUTTON, 12);

    SendMessageA(hAuto, BM_CLICK, 0, 0);
    SendMessageA(hPlain, BM_CLICK, 0, 0); // a plain check box only tells
    EXPECT_EQ(IsDlgButtonChecked(m_hHost, 10), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(m_hHost, 11), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Notes(), (Seq{{10, BN_CLICKED}, {11, BN_CLICKED}}));

    CheckDlgButton(m_hHost, 11, BST_CHECKED);
    CheckDlgButton(m_hHost, 12, BST_CHECKED); // push buttons have no check
    EXPECT_EQ(IsDlgButtonChecked(m_hHost, 11), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(m_hHost, 12), 0u);
    SendMessageA(hAuto, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(m_hHost, 10), static_cast<UINT>(BST_UNCHECKED));

    Notes().clear();
    EnableWindow(hAuto, FALSE);
    EXPECT_FALSE(AutoClick(hAuto));
    EXPECT_EQ(IsDlgButtonChecked(m_hHost, 10), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_TRUE(Notes().empty());

    AutoClick(hPush);
    EXPECT_EQ(Notes(), (Seq{{12, BN_CLICKED}}));
}

// The layer ignores BM_CLICK on a disabled button; Wine clicks it anyway.
TEST_F(ControlTest, DisabledCheckBoxIgnoresBmClick)
{
    HWND hAuto = CreateControl(m_hHost, "BUTTON", "auto", BS_AUTOCHECKBOX | WS_DISABLED, 10);
    SendMessageA(hAuto, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(m_hHost, 10), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_TRUE(Notes().empty());
}

TEST_F(ControlTest, ButtonClicksNeedDownAndUpInsideOrTheSpaceKey)
{
    HWND hButton = CreateControl(m_hHost, "BUTTON", "b", BS_PUSHBUTTON, 20);
    SendMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(SendMessageA(hButton, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(500, 5)); // released outside
    EXPECT_TRUE(Notes().empty());
    EXPECT_FALSE(SendMessageA(hButton, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); // up without down
    EXPECT_TRUE(Notes().empty());

    SetFocus(hButton);
    SendMessageA(hButton, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(hButton, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Notes(), (Seq{{20, BN_CLICKED}}));

    SendMessageA(hButton, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_TRUE(SendMessageA(hButton, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongA(hButton, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    SendMessageA(hButton, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(SendMessageA(hButton, BM_GETSTATE, 0, 0) & BST_PUSHED);
}

TEST_F(ControlTest, AutoRadioButtonsClearTheRestOfTheirGroup)
{
    HWND hA = CreateControl(m_hHost, "BUTTON", "a", BS_AUTORADIOBUTTON | WS_GROUP, 30);
    HWND hB = CreateControl(m_hHost, "BUTTON", "b", BS_AUTORADIOBUTTON, 31);
    HWND hC = CreateControl(m_hHost, "BUTTON", "c", BS_AUTORADIOBUTTON, 32);
    HWND hOther = CreateControl(m_hHost, "BUTTON", "d", BS_AUTORADIOBUTTON | WS_GROUP, 33);
    CheckDlgButton(m_hHost, 33, BST_CHECKED);

    AutoClick(hA);
    AutoClick(hC);
    EXPECT_EQ(SendMessageA(hA, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(hC, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(hOther, BM_GETCHECK, 0, 0), BST_CHECKED) << "another group is left alone";
    EXPECT_TRUE(GetWindowLongA(hC, GWL_STYLE) & WS_TABSTOP) << "the checked radio button is the tab stop";

    CheckRadioButton(m_hHost, 30, 32, 31);
    EXPECT_EQ(SendMessageA(hB, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(hC, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlTest, EditReportsFocusChangesInOrder)
{
    HWND hEdit1 = CreateControl(m_hHost, "EDIT", "", WS_TABSTOP, 40);
    HWND hEdit2 = CreateControl(m_hHost, "EDIT", "", WS_TABSTOP, 41);
    SetFocus(hEdit1);
    SetFocus(hEdit2);
    EXPECT_EQ(Notes(), (Seq{{40, EN_SETFOCUS}, {40, EN_KILLFOCUS}, {41, EN_SETFOCUS}}));

    Notes().clear();
    ASSERT_TRUE(AutoLeaveFocus(hEdit2));
    EXPECT_EQ(Notes(), (Seq{{41, EN_KILLFOCUS}, {40, EN_SETFOCUS}})) << "Tab order wraps to the first edit";
    EXPECT_FALSE(AutoLeaveFocus(hEdit2)) << "no longer focused";
}

TEST_F(ControlTest, EditTypingNotifiesEachChangeAndHonoursTheLimit)
{
    HWND hEdit = CreateControl(m_hHost, "EDIT", "old", ES_AUTOHSCROLL, 50);
    EXPECT_EQ(Text(hEdit), "old");
    ASSERT_TRUE(AutoTypeText(hEdit, "12"));
    EXPECT_EQ(Text(hEdit), "12") << "typing replaces the whole text";
    EXPECT_EQ(Notes(), (Seq{{50, EN_SETFOCUS}, {50, EN_UPDATE}, {50, EN_CHANGE}, {50, EN_UPDATE}, {50, EN_CHANGE}}));

    Notes().clear();
    SendMessageA(hEdit, EM_LIMITTEXT, 3, 0);
    EXPECT_EQ(SendMessageA(hEdit, EM_GETLIMITTEXT, 0, 0), 3);
    AutoTypeText(hEdit, "abcd");
    EXPECT_EQ(Text(hEdit), "abc");
    // Windows may still send EN_UPDATE / EN_CHANGE for the refused key.
    EXPECT_NE(std::find(Notes().begin(), Notes().end(), NOTE{50, EN_MAXTEXT}), Notes().end());

    HWND hNumber = CreateControl(m_hHost, "EDIT", "", ES_NUMBER, 51);
    AutoTypeText(hNumber, "4x2.");
    EXPECT_EQ(Text(hNumber), "42");
    HWND hReadOnly = CreateControl(m_hHost, "EDIT", "ro", ES_READONLY, 52);
    AutoTypeText(hReadOnly, "zz");
    EXPECT_EQ(Text(hReadOnly), "ro");
    SendMessageA(hReadOnly, EM_SETREADONLY, FALSE, 0);
    AutoTypeText(hReadOnly, "zz");
    EXPECT_EQ(Text(hReadOnly), "zz");
}

// A double-byte character arrives as two WM_CHARs and is never split by the
// limit. Windows reads WM_CHAR bytes in the keyboard layout's code page,
// which under Wine's headless driver is 1252 whatever the ANSI code page.
TEST_F(ControlTest, EditTakesADoubleByteCharacterWhole)
{
    HWND hEdit = CreateControl(m_hHost, "EDIT", "", ES_AUTOHSCROLL, 50);
    SendMessageA(hEdit, EM_LIMITTEXT, 3, 0);
    AutoTypeText(hEdit, "\x82\xA0\x82\xA2");
    EXPECT_EQ(Text(hEdit), "\x82\xA0");
    SendMessageA(hEdit, WM_CHAR, '\b', 0);
    EXPECT_EQ(Text(hEdit), "");
}

TEST_F(ControlTest, EditSelectionAndReplacement)
{
    HWND hEdit = CreateControl(m_hHost, "EDIT", "abcdef", 0, 60);
    DWORD start = 9, end = 9;
    SendMessageA(hEdit, EM_SETSEL, 4, 1);
    EXPECT_EQ(SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
              MAKELRESULT(1, 4));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
    SendMessageA(hEdit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XY"));
    EXPECT_EQ(Text(hEdit), "aXYef");
    EXPECT_EQ(SendMessageA(hEdit, EM_GETSEL, 0, 0), MAKELRESULT(3, 3));
    EXPECT_EQ(Notes(), (Seq{{60, EN_UPDATE}, {60, EN_CHANGE}}));

    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    EXPECT_EQ(SendMessageA(hEdit, EM_GETSEL, 0, 0), MAKELRESULT(0, 5));
    SendMessageA(hEdit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(SendMessageA(hEdit, EM_GETSEL, 0, 0), MAKELRESULT(5, 5));

    char sz[4];
    EXPECT_EQ(SendMessageA(hEdit, WM_GETTEXT, sizeof sz, reinterpret_cast<LPARAM>(sz)), 3);
    EXPECT_STREQ(sz, "aXY");
    EXPECT_EQ(SendMessageA(hEdit, WM_GETTEXTLENGTH, 0, 0), 5);
    Notes().clear();
    SetWindowTextA(hEdit, "new");
    EXPECT_EQ(Notes(), (Seq{{60, EN_UPDATE}, {60, EN_CHANGE}}));
}

TEST_F(ControlTest, ComboListMessages)
{
    HWND hCombo = CreateControl(m_hHost, "COMBOBOX", "", CBS_DROPDOWNLIST, 70);
    auto send = [&](UINT msg, WPARAM w, const char *p) {
        return SendMessageA(hCombo, msg, w, reinterpret_cast<LPARAM>(p));
    };
    EXPECT_EQ(send(CB_ADDSTRING, 0, "Beta"), 0);
    EXPECT_EQ(send(CB_ADDSTRING, 0, "alpha"), 1);
    EXPECT_EQ(send(CB_INSERTSTRING, 1, "Gamma"), 1);
    EXPECT_EQ(send(CB_INSERTSTRING, static_cast<WPARAM>(-1), "delta"), 3);
    EXPECT_EQ(send(CB_INSERTSTRING, 9, "x"), CB_ERR);
    EXPECT_EQ(send(CB_GETCOUNT, 0, nullptr), 4);

    char sz[16];
    EXPECT_EQ(SendMessageA(hCombo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(sz)), 5);
    EXPECT_STREQ(sz, "Gamma");
    EXPECT_EQ(send(CB_GETLBTEXTLEN, 3, nullptr), 5);
    EXPECT_EQ(send(CB_GETLBTEXTLEN, 4, nullptr), CB_ERR);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETLBTEXT, 7, reinterpret_cast<LPARAM>(sz)), CB_ERR);

    EXPECT_EQ(send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "GAMMA"), 1);
    EXPECT_EQ(send(CB_FINDSTRINGEXACT, 1, "gamma"), 1) << "the search wraps round to the start item";
    EXPECT_EQ(send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "Gam"), CB_ERR);
    EXPECT_EQ(send(CB_SELECTSTRING, static_cast<WPARAM>(-1), "DEL"), 3);
    EXPECT_EQ(send(CB_GETCURSEL, 0, nullptr), 3);
    EXPECT_EQ(send(CB_SELECTSTRING, static_cast<WPARAM>(-1), "zeta"), CB_ERR);
    EXPECT_EQ(send(CB_GETCURSEL, 0, nullptr), 3) << "a failed CB_SELECTSTRING keeps the selection";
    EXPECT_EQ(Text(hCombo), "delta");

    EXPECT_NE(SendMessageA(hCombo, CB_SETITEMDATA, 2, 1234), CB_ERR);
    EXPECT_EQ(send(CB_GETITEMDATA, 2, nullptr), 1234);
    EXPECT_EQ(SendMessageA(hCombo, CB_SETITEMDATA, 4, 1), CB_ERR);

    EXPECT_EQ(send(CB_DELETESTRING, 0, nullptr), 3);
    EXPECT_EQ(send(CB_GETCURSEL, 0, nullptr), 2) << "the selection follows its item";
    EXPECT_EQ(send(CB_GETITEMDATA, 1, nullptr), 1234);
    EXPECT_EQ(send(CB_DELETESTRING, 2, nullptr), 2);
    EXPECT_EQ(send(CB_GETCURSEL, 0, nullptr), CB_ERR) << "deleting the selected item clears the selection";
    EXPECT_EQ(send(CB_SETCURSEL, 5, nullptr), CB_ERR);
    send(CB_RESETCONTENT, 0, nullptr);
    EXPECT_EQ(send(CB_GETCOUNT, 0, nullptr), 0);

    HWND hSorted = CreateControl(m_hHost, "COMBOBOX", "", CBS_DROPDOWNLIST | CBS_SORT, 71);
    for (const char *p : {"pear", "Apple", "fig"})
        SendMessageA(hSorted, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p));
    SendMessageA(hSorted, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(sz));
    EXPECT_STREQ(sz, "fig");
}

TEST_F(ControlTest, ComboSelChangeComesOnlyFromTheUser)
{
    HWND hCombo = CreateControl(m_hHost, "COMBOBOX", "", CBS_DROPDOWNLIST, 80);
    for (const char *p : {"1", "2", "4"})
        SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p));
    SendMessageA(hCombo, CB_SETCURSEL, 0, 0);
    EXPECT_TRUE(Notes().empty());

    ASSERT_TRUE(AutoChooseComboIndex(hCombo, 2));
    EXPECT_EQ(Notes(), (Seq{{80, CBN_SETFOCUS}, {80, CBN_DROPDOWN}, {80, CBN_SELCHANGE}, {80, CBN_SELENDOK},
                            {80, CBN_CLOSEUP}}));
    Notes().clear();
    ASSERT_TRUE(AutoChooseComboText(hCombo, "4"));
    EXPECT_EQ(Notes(), (Seq{{80, CBN_DROPDOWN}, {80, CBN_SELENDOK}, {80, CBN_CLOSEUP}})) << "same item again";
    EXPECT_FALSE(AutoChooseComboText(hCombo, "3"));
    EXPECT_FALSE(AutoChooseComboIndex(hCombo, 3));
    ASSERT_TRUE(AutoChooseComboIndex(hCombo, 0));
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 0);
    ASSERT_TRUE(AutoChooseComboIndex(hCombo, 1));
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 1);

    Notes().clear();
    SendMessageA(hCombo, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 2) << "an arrow key on the closed list moves the selection";
    EXPECT_NE(std::find(Notes().begin(), Notes().end(), NOTE{80, CBN_SELCHANGE}), Notes().end());
}

// An arrow key on a closed list: the layer sends CBN_SELCHANGE alone; Wine
// sends CBN_SELENDOK first.
TEST_F(ControlTest, ComboArrowKeyOnAClosedListSendsOnlySelChange)
{
    HWND hCombo = CreateControl(m_hHost, "COMBOBOX", "", CBS_DROPDOWNLIST, 80);
    for (const char *p : {"1", "2", "4"})
        SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p));
    SendMessageA(hCombo, CB_SETCURSEL, 2, 0);
    SendMessageA(hCombo, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Notes(), (Seq{{80, CBN_SELCHANGE}}));
}

TEST_F(ControlTest, StaticReportsClicksOnlyWithSsNotify)
{
    HWND hQuiet = CreateControl(m_hHost, "STATIC", "q", SS_LEFT, 90);
    HWND hLoud = CreateControl(m_hHost, "STATIC", "l", SS_LEFT | SS_NOTIFY, 91);
    SendMessageA(hQuiet, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(hLoud, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(hLoud, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_EQ(Notes(), (Seq{{91, STN_CLICKED}, {91, STN_DBLCLK}}));

    // Windows keeps only a real icon.
    HWND hIcon = CreateControl(m_hHost, "STATIC", "", SS_ICON, 92);
    HICON hTest = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCE(IDI_TEST));
    ASSERT_NE(hTest, nullptr);
    EXPECT_EQ(SendMessageA(hIcon, STM_SETICON, reinterpret_cast<WPARAM>(hTest), 0), 0);
    EXPECT_EQ(SendMessageA(hIcon, STM_GETICON, 0, 0), reinterpret_cast<LRESULT>(hTest));
    EXPECT_EQ(SendMessageA(hQuiet, STM_SETICON, reinterpret_cast<WPARAM>(hTest), 0), 0);
    EXPECT_EQ(SendMessageA(hQuiet, STM_GETICON, 0, 0), 0) << "a text static holds no icon";
}

TEST_F(ControlTest, ScrollBarsClampAndWindowBarsShowWithTheirRange)
{
    HWND hBar = CreateControl(m_hHost, "SCROLLBAR", "", SBS_VERT, 100);
    int nMin = -1, nMax = -1;
    ASSERT_TRUE(GetScrollRange(hBar, SB_CTL, &nMin, &nMax));
    EXPECT_EQ(nMax, 0);
    SetScrollRange(hBar, SB_CTL, 0, 10, FALSE);
    EXPECT_EQ(SetScrollPos(hBar, SB_CTL, 15, TRUE), 0);
    EXPECT_EQ(GetScrollPos(hBar, SB_CTL), 10);
    SCROLLINFO si = {sizeof si, SIF_PAGE, 0, 0, 4, 0, 0};
    EXPECT_EQ(SetScrollInfo(hBar, SB_CTL, &si, TRUE), 7) << "the page leaves positions 0..7";
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(hBar, SB_CTL, &si));
    EXPECT_EQ(si.nMax, 10);
    EXPECT_EQ(si.nPage, 4u);
    EXPECT_EQ(si.nPos, 7);

    AutoScroll(hBar, SB_CTL, SB_LINEDOWN, 0);
    EXPECT_EQ(Notes(), (Seq{{WM_VSCROLL, SB_LINEDOWN}}));

    // A window's own bar: 0..0 until a range shows it.
    EXPECT_FALSE(GetWindowLongA(m_hHost, GWL_STYLE) & WS_VSCROLL);
    GetScrollRange(m_hHost, SB_VERT, &nMin, &nMax);
    EXPECT_EQ(nMax, 0);
    SetScrollRange(m_hHost, SB_VERT, 0, 5, FALSE);
    EXPECT_TRUE(GetWindowLongA(m_hHost, GWL_STYLE) & WS_VSCROLL);
    SetScrollPos(m_hHost, SB_VERT, 3, FALSE);
    EXPECT_EQ(GetScrollPos(m_hHost, SB_VERT), 3);
    SetScrollRange(m_hHost, SB_VERT, 0, 0, FALSE);
    EXPECT_FALSE(GetWindowLongA(m_hHost, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(GetScrollPos(m_hHost, SB_VERT), 0);
}

struct IntCase {
    const char *pszText;
    BOOL bSigned;
    BOOL fOk;
    UINT uValue;
};

const IntCase kIntCases[] = {
    {"42", FALSE, TRUE, 42},          {"  42 ", FALSE, TRUE, 42},
    {"-7", TRUE, TRUE, static_cast<UINT>(-7)}, {"", FALSE, FALSE, 0},
    {"4294967295", FALSE, TRUE, 4294967295u}, {"4294967296", FALSE, FALSE, 0},
    {"2147483648", TRUE, FALSE, 0},
};

// Where the layer and Wine part: Wine takes "12a" as 12, an unsigned "-7"
// as 2^32 - 7, and rejects the smallest int.
const IntCase kStrictIntCases[] = {
    {"-7", FALSE, FALSE, 0},
    {"12a", FALSE, FALSE, 0},
    {"-2147483648", TRUE, TRUE, 0x80000000u},
};

void CheckIntCases(HWND hHost, const IntCase *pCases, size_t cCases)
{
    for (size_t i = 0; i < cCases; ++i) {
        const IntCase &c = pCases[i];
        SetDlgItemTextA(hHost, 110, c.pszText);
        BOOL ok = !c.fOk;
        EXPECT_EQ(GetDlgItemInt(hHost, 110, &ok, c.bSigned), c.uValue) << c.pszText;
        EXPECT_EQ(ok, c.fOk) << c.pszText;
    }
}

TEST_F(ControlTest, DlgItemIntTakesOnlyWholeNumbersInRange)
{
    CreateControl(m_hHost, "EDIT", "", 0, 110);
    CheckIntCases(m_hHost, kStrictIntCases, sizeof kStrictIntCases / sizeof kStrictIntCases[0]);
}

TEST_F(ControlTest, DlgItemTextAndNumbers)
{
    CreateControl(m_hHost, "EDIT", "", 0, 110);
    CheckIntCases(m_hHost, kIntCases, sizeof kIntCases / sizeof kIntCases[0]);
    SetDlgItemInt(m_hHost, 110, static_cast<UINT>(-15), TRUE);
    char sz[8];
    EXPECT_EQ(GetDlgItemTextA(m_hHost, 110, sz, 3), 2u);
    EXPECT_STREQ(sz, "-1");
    EXPECT_EQ(GetDlgItemTextA(m_hHost, 999, sz, sizeof sz), 0u);
    EXPECT_STREQ(sz, "");
    EXPECT_FALSE(SetDlgItemTextA(m_hHost, 999, "x"));
    EXPECT_EQ(SendDlgItemMessageA(m_hHost, 999, WM_GETTEXTLENGTH, 0, 0), 0);
}

} // namespace
