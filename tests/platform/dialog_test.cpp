// Dialogs from templates: controls and geometry, child dialogs, modal loops
// (nesting, the disabled owner, the cancel of unanswered dialogs) and the
// keyboard handling of IsDialogMessageA.
#include <gtest/gtest.h>
#include <windows.h>

#include <automation.h>
#include <algorithm>
#include <cstring>
#include <string>

#include "dibcanvas.h"
#include "dlgtest.h"
#include "platform/testres.h"

namespace {

HINSTANCE Inst()
{
    return GetModuleHandleA(NULL);
}

// MulDiv for the non-negative values of these tests.
int MulDivForTest(int a, int b, int c)
{
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

// The custom class of IDD_CONTROLS, registered globally as another module
// would; it remembers the font it was given.
HFONT g_hCustomFont;

LRESULT CALLBACK CustomWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_SETFONT)
        g_hCustomFont = reinterpret_cast<HFONT>(wParam);
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static bool registered;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.style = CS_GLOBALCLASS;
            wc.lpfnWndProc = CustomWndProc;
            wc.hInstance = Inst();
            wc.lpszClassName = "PlatformTestCustom";
            registered = RegisterClassA(&wc) != 0;
        }
        Notes().clear();
        AutoClearModalHandlers();
        AutoClearCancelledDialogs();
        m_hHost = CreateHost();
        ASSERT_NE(m_hHost, nullptr);
    }
    void TearDown() override { DestroyWindow(m_hHost); }

    HWND m_hHost = nullptr;
};

// Base units of a font measured independently: (extent of the 52 letters
// / 26 + 1) / 2 and the character height.
void MeasureBaseUnits(HFONT hFont, int *pcx, int *pcy)
{
    HDC hdc = GetDC(NULL);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    SIZE size;
    GetTextMetricsA(hdc, &tm);
    GetTextExtentPoint32A(hdc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &size);
    SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);
    *pcx = (size.cx / 26 + 1) / 2;
    *pcy = tm.tmHeight;
}

RECT ChildRect(HWND hDlg, int id)
{
    RECT rc;
    GetWindowRect(GetDlgItem(hDlg, id), &rc);
    MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

struct ItemCase {
    int id;
    const char *pszClass;
    DWORD dwStyle;   // exact style
    RECT rcUnits;    // template rectangle: x, y, x + cx, y + cy
    DWORD dwOwnBits; // style bits the control itself may take off (Wine does)
    bool fListHeight; // the template height includes a combo box's list
};

const ItemCase kItems[] = {
    {IDC_LABEL, "Static", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, {10, 62, 50, 70}, 0, false},
    {IDC_EDIT, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {10, 10, 70, 22}, WS_BORDER,
     false},
    {IDC_CHECK, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, {10, 30, 70, 40}, 0, false},
    {IDC_COMBO, "ComboBox", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, {10, 45, 70, 125},
     WS_VSCROLL, true},
    {IDC_CUSTOM, "PlatformTestCustom", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP, {80, 75, 120, 85}, 0, false},
    {IDOK, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {140, 5, 190, 19}, 0, false},
};

RECT ExpectedRect(const RECT &rcUnits, int cx, int cy)
{
    RECT rc = {MulDivForTest(rcUnits.left, cx, 4), MulDivForTest(rcUnits.top, cy, 8), 0, 0};
    rc.right = rc.left + MulDivForTest(rcUnits.right - rcUnits.left, cx, 4);
    rc.bottom = rc.top + MulDivForTest(rcUnits.bottom - rcUnits.top, cy, 8);
    return rc;
}

TEST_F(DialogTest, TemplateGivesControlsIdsStylesAndDialogUnitGeometry)
{
    TESTDLG test = {TRUE, FALSE, 0, NULL};
    HWND hDlg = CreateDialogParamA(Inst(), MAKEINTRESOURCE(IDD_CONTROLS), m_hHost, TestDlgProc,
                                   reinterpret_cast<LPARAM>(&test));
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(test.hDlg, hDlg);

    char szText[64];
    GetWindowTextA(hDlg, szText, sizeof szText);
    EXPECT_STREQ(szText, "\x83\x65\x83\x58\x83\x67"); // the caption in code page 932

    HFONT hFont = reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0));
    ASSERT_NE(hFont, nullptr);
    int cx = 0, cy = 0;
    MeasureBaseUnits(hFont, &cx, &cy);
    ASSERT_GT(cx, 0);

    for (const ItemCase &c : kItems) {
        HWND hCtl = GetDlgItem(hDlg, c.id);
        ASSERT_NE(hCtl, nullptr) << c.id;
        GetClassNameA(hCtl, szText, sizeof szText);
        EXPECT_STREQ(szText, c.pszClass) << c.id;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hCtl, GWL_STYLE)) & ~(WS_DISABLED | c.dwOwnBits),
                  c.dwStyle & ~c.dwOwnBits) << c.id;
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(hCtl, WM_GETFONT, 0, 0)) == hFont,
                  std::strcmp(c.pszClass, "PlatformTestCustom") != 0) << c.id;
        RECT expected = ExpectedRect(c.rcUnits, cx, cy);
        RECT actual = ChildRect(hDlg, c.id);
        EXPECT_EQ(actual.left, expected.left) << c.id;
        EXPECT_EQ(actual.top, expected.top) << c.id;
        EXPECT_EQ(actual.right, expected.right) << c.id;
        if (!c.fListHeight) {
            EXPECT_EQ(actual.bottom, expected.bottom) << c.id;
        }
    }
    EXPECT_EQ(g_hCustomFont, hFont) << "custom classes get the template font too";

    RECT rc = {10, 10, 70, 22};
    ASSERT_TRUE(MapDialogRect(hDlg, &rc));
    RECT edit = ChildRect(hDlg, IDC_EDIT);
    EXPECT_EQ(rc.left, edit.left);
    EXPECT_EQ(rc.bottom, edit.bottom);
    GetClientRect(hDlg, &rc);
    EXPECT_EQ(rc.right, MulDivForTest(200, cx, 4));
    EXPECT_EQ(rc.bottom, MulDivForTest(100, cy, 8));

    EXPECT_EQ(SendMessageA(hDlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    EXPECT_EQ(reinterpret_cast<HICON>(SendDlgItemMessageA(hDlg, IDC_TESTICON, STM_GETICON, 0, 0)),
              LoadIconA(Inst(), MAKEINTRESOURCE(IDI_TEST)));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(GetDlgItem(hDlg, IDC_TESTICON), GWL_STYLE)),
              static_cast<DWORD>(WS_CHILD | WS_VISIBLE | SS_ICON | SS_NOTIFY));
    RECT icon = ChildRect(hDlg, IDC_TESTICON); // sized to the icon, placed by the template
    EXPECT_EQ(icon.left, MulDivForTest(80, cx, 4));
    EXPECT_EQ(icon.right - icon.left, 32);
    EXPECT_EQ(icon.bottom - icon.top, 32);
    DibCanvas canvas(32, 32); // the icon at the control's origin, over its background
    SendDlgItemMessageA(hDlg, IDC_TESTICON, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.hdc), PRF_CLIENT);
    EXPECT_EQ(canvas.Pixel(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(canvas.Pixel(20, 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_EDIT)) << "WM_INITDIALOG TRUE focuses the first tab stop";
    DestroyWindow(hDlg);
}

// The layer keeps every template style bit and gives a combo box its
// template height, list included; Wine takes WS_BORDER off an edit (drawing
// a client edge instead) and the scroll bar off a combo box (its list has
// it), and sizes a closed combo box to one line.
TEST_F(DialogTest, EditAndComboKeepTheirTemplateStyleAndHeight)
{
    HWND hDlg = CreateDialogParamA(Inst(), MAKEINTRESOURCE(IDD_CONTROLS), m_hHost, TestDlgProc, 0);
    ASSERT_NE(hDlg, nullptr);
    int cx = 0, cy = 0;
    MeasureBaseUnits(reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0)), &cx, &cy);
    for (const ItemCase &c : kItems) {
        if (!c.dwOwnBits)
            continue;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(GetDlgItem(hDlg, c.id), GWL_STYLE)), c.dwStyle) << c.id;
        EXPECT_EQ(ChildRect(hDlg, c.id).bottom, ExpectedRect(c.rcUnits, cx, cy).bottom) << c.id;
    }
    DestroyWindow(hDlg);
}

TEST_F(DialogTest, InitDialogFalseKeepsTheFocusWhereTheProcedurePutIt)
{
    TESTDLG test = {FALSE, FALSE, 0, NULL};
    HWND hDlg = CreateDialogParamA(Inst(), MAKEINTRESOURCE(IDD_CONTROLS), m_hHost, TestDlgProc,
                                   reinterpret_cast<LPARAM>(&test));
    ASSERT_NE(hDlg, nullptr);
    EXPECT_NE(GetFocus(), GetDlgItem(hDlg, IDC_EDIT));
    DestroyWindow(hDlg);
}

TEST_F(DialogTest, WithoutFontTheSystemFontGivesTheUnits)
{
    HWND hDlg = CreateDialogParamA(Inst(), MAKEINTRESOURCE(IDD_NOFONT), m_hHost, TestDlgProc, 0);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(SendMessageA(hDlg, WM_GETFONT, 0, 0), 0);
    LONG units = GetDialogBaseUnits();
    RECT rc = ChildRect(hDlg, IDOK);
    EXPECT_EQ(rc.left, MulDivForTest(4, LOWORD(units), 4));
    EXPECT_EQ(rc.top, MulDivForTest(8, HIWORD(units), 8));
    EXPECT_EQ(rc.right - rc.left, MulDivForTest(40, LOWORD(units), 4));
    EXPECT_EQ(rc.bottom - rc.top, MulDivForTest(16, HIWORD(units), 8));
    DestroyWindow(hDlg);
}

TEST_F(DialogTest, MissingTemplateOrControlClassFails)
{
    EXPECT_EQ(CreateDialogParamA(Inst(), MAKEINTRESOURCE(IDD_BADCLASS), m_hHost, TestDlgProc, 0), nullptr);
    EXPECT_EQ(CreateDialogParamA(Inst(), "NOSUCHTEMPLATE", m_hHost, TestDlgProc, 0), nullptr);
    EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_BADCLASS), m_hHost, TestDlgProc, 0), -1);
    EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(999), m_hHost, TestDlgProc, 0), -1);
    EXPECT_TRUE(IsWindowEnabled(m_hHost)) << "a failed modal dialog leaves its owner usable";
}

TEST_F(DialogTest, ChildDialogByNameLivesInsideItsParent)
{
    HWND hPanel = CreateDialogParamA(Inst(), "testpanel", m_hHost, TestDlgProc, 0);
    ASSERT_NE(hPanel, nullptr);
    EXPECT_EQ(GetParent(hPanel), m_hHost);
    EXPECT_TRUE(GetWindowLongA(hPanel, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(hPanel));
    SetWindowLongA(hPanel, GWL_ID, 1000);
    EXPECT_EQ(GetDlgItem(m_hHost, 1000), hPanel);

    SendDlgItemMessageA(hPanel, IDC_CHECK, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(hPanel, IDC_CHECK), static_cast<UINT>(BST_CHECKED));
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], (NOTE{IDC_CHECK, BN_CLICKED}));
    DestroyWindow(hPanel);
}

// ---- modal dialogs ----

struct OwnerProbe {
    HWND hOwner;
    BOOL fEnabledInside;
};

void CALLBACK EndWithSeven(HWND hDlg, void *pUser)
{
    OwnerProbe *pProbe = static_cast<OwnerProbe *>(pUser);
    if (pProbe)
        pProbe->fEnabledInside = IsWindowEnabled(pProbe->hOwner);
    EndDialog(hDlg, 7);
}

void CALLBACK ClickOpen(HWND hDlg, void *)
{
    AutoClick(GetDlgItem(hDlg, IDC_OPEN));
}

void CALLBACK DoNothing(HWND, void *) {}

TEST_F(DialogTest, NestedModalLoopsReturnTheirEndDialogValues)
{
    AutoQueueModalHandler(ClickOpen, nullptr);     // outer: opens the inner one
    AutoQueueModalHandler(EndWithSeven, nullptr);  // inner
    EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_NESTED), m_hHost, TestDlgProc, 0), 107);
    EXPECT_EQ(AutoPendingModalHandlers(), 0u);
    EXPECT_EQ(AutoGetCancelledDialogCount(), 0u);
}

TEST_F(DialogTest, OwnerIsDisabledWhileTheModalLoopRuns)
{
    OwnerProbe probe = {m_hHost, TRUE};
    AutoQueueModalHandler(EndWithSeven, &probe);
    EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_INNER), m_hHost, TestDlgProc, 0), 7);
    EXPECT_FALSE(probe.fEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(m_hHost));

    // Opened for a child window, the dialog disables the top-level window.
    HWND hChild = CreateControl(m_hHost, "STATIC", "x", 0, 5);
    probe.fEnabledInside = TRUE;
    AutoQueueModalHandler(EndWithSeven, &probe);
    EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_INNER), hChild, TestDlgProc, 0), 7);
    EXPECT_FALSE(probe.fEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(m_hHost));
}

// The loop enables again only the owner it disabled (Wine enables it anyway).
TEST_F(DialogTest, AnOwnerDisabledBeforehandStaysDisabled)
{
    EnableWindow(m_hHost, FALSE);
    AutoQueueModalHandler(EndWithSeven, nullptr);
    DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_INNER), m_hHost, TestDlgProc, 0);
    EXPECT_FALSE(IsWindowEnabled(m_hHost));
}

TEST_F(DialogTest, UnansweredModalDialogsAreCancelledAndLogged)
{
    // No handler at all: cancelled through IDCANCEL, as Esc would.
    EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_INNER), m_hHost, TestDlgProc, 0), IDCANCEL);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], (NOTE{IDCANCEL, BN_CLICKED}));

    // A handler that leaves the dialog open, and a procedure deaf to Cancel.
    TESTDLG deaf = {TRUE, TRUE, 0, NULL};
    AutoQueueModalHandler(DoNothing, nullptr);
    EXPECT_EQ(DialogBoxParamA(Inst(), "#202", m_hHost, TestDlgProc, reinterpret_cast<LPARAM>(&deaf)), IDCANCEL);
    EXPECT_FALSE(IsWindow(deaf.hDlg));

    EXPECT_EQ(AutoGetCancelledDialogCount(), 2u);
    EXPECT_TRUE(IsWindowEnabled(m_hHost));
}

// The log names each cancelled dialog's template the same way, whether it
// was given by id or as "#id".
TEST_F(DialogTest, CancelledDialogLogNamesTheTemplates)
{
    DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_INNER), m_hHost, TestDlgProc, 0);
    DialogBoxParamA(Inst(), "#202", m_hHost, TestDlgProc, 0);
    ASSERT_EQ(AutoGetCancelledDialogCount(), 2u);
    char szName[32];
    ASSERT_TRUE(AutoGetCancelledDialog(0, szName, sizeof szName));
    EXPECT_STREQ(szName, "#202");
    ASSERT_TRUE(AutoGetCancelledDialog(1, szName, sizeof szName));
    EXPECT_STREQ(szName, "#202");
    EXPECT_FALSE(AutoGetCancelledDialog(2, szName, sizeof szName));
}

// A control that never validates itself keeps WM_PAINT coming.
LRESULT CALLBACK NeverPaintsWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return uMsg == WM_PAINT ? 0 : DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void CALLBACK AddNeverPainted(HWND hDlg, void *)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = NeverPaintsWndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "NeverPaints";
    RegisterClassA(&wc);
    HWND hCtl = CreateWindowExA(0, "NeverPaints", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hDlg, NULL,
                                GetModuleHandleA(NULL), NULL);
    InvalidateRect(hCtl, NULL, TRUE);
}

TEST_F(DialogTest, AWindowThatNeverValidatesDoesNotHoldTheLoop)
{
    AutoQueueModalHandler(AddNeverPainted, nullptr);
    EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_INNER), m_hHost, TestDlgProc, 0), IDCANCEL);
    EXPECT_EQ(AutoGetCancelledDialogCount(), 1u);
}

// ---- keyboard ----

struct KeyPlan {
    int nFocusId;    // control to focus first (0: leave the initial focus)
    UINT uKey;
    WPARAM wDefId;   // DM_SETDEFID first when not 0
};

void CALLBACK PressPlannedKey(HWND hDlg, void *pUser)
{
    const KeyPlan *pPlan = static_cast<const KeyPlan *>(pUser);
    if (pPlan->wDefId)
        SendMessageA(hDlg, DM_SETDEFID, pPlan->wDefId, 0);
    // Through the dialog manager, as Tab moves it: a push button that gets
    // the focus becomes the default one (a bare SetFocus would not do that
    // on Windows).
    if (pPlan->nFocusId)
        SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, pPlan->nFocusId)), TRUE);
    AutoPressKey(hDlg, pPlan->uKey, FALSE);
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscCancels)
{
    const struct {
        KeyPlan plan;
        INT_PTR nResult;
    } cases[] = {
        {{0, VK_RETURN, 0}, IDOK},                // from the edit: the default button
        {{0, VK_RETURN, IDCANCEL}, IDCANCEL},     // after DM_SETDEFID
        {{IDCANCEL, VK_RETURN, 0}, IDCANCEL},     // a focused push button is pressed
        {{IDC_CHECK, VK_RETURN, 0}, IDOK},
        {{0, VK_ESCAPE, 0}, IDCANCEL},
    };
    for (const auto &c : cases) {
        Notes().clear();
        AutoQueueModalHandler(PressPlannedKey, const_cast<KeyPlan *>(&c.plan));
        EXPECT_EQ(DialogBoxParamA(Inst(), MAKEINTRESOURCE(IDD_CONTROLS), m_hHost, TestDlgProc, 0), c.nResult)
            << "focus " << c.plan.nFocusId << " key " << c.plan.uKey;
        // The command, then the edit losing the focus as the dialog goes.
        EXPECT_NE(std::find(Notes().begin(), Notes().end(), NOTE{static_cast<int>(c.nResult), BN_CLICKED}),
                  Notes().end());
    }
    EXPECT_EQ(AutoGetCancelledDialogCount(), 0u);
}

TEST_F(DialogTest, TabMovesAmongTabStopsBothWays)
{
    HWND hDlg = CreateDialogParamA(Inst(), MAKEINTRESOURCE(IDD_CONTROLS), m_hHost, TestDlgProc, 0);
    ASSERT_NE(hDlg, nullptr);
    // Radio button B has WS_TABSTOP by default; the label and icon have none.
    const int order[] = {IDC_EDIT, IDC_EDIT2,  IDC_CHECK, IDC_COMBO, IDC_RADIOA,
                         IDC_RADIOB, IDC_CUSTOM, IDOK, IDCANCEL, IDC_EDIT};
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[0]);
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i) {
        AutoPressKey(hDlg, VK_TAB, FALSE);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[i]) << "tab " << i;
    }
    AutoPressKey(hDlg, VK_TAB, TRUE);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDCANCEL);
    EnableWindow(GetDlgItem(hDlg, IDC_EDIT2), FALSE);
    EXPECT_EQ(GetNextDlgTabItem(hDlg, GetDlgItem(hDlg, IDC_EDIT), FALSE), GetDlgItem(hDlg, IDC_CHECK));
    DestroyWindow(hDlg);
}

// With no control to start from, the search starts at the first control:
// backwards, that is the last tab stop (Wine answers NULL).
TEST_F(DialogTest, TabSearchWithoutAStartControl)
{
    HWND hDlg = CreateDialogParamA(Inst(), MAKEINTRESOURCE(IDD_CONTROLS), m_hHost, TestDlgProc, 0);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(GetNextDlgTabItem(hDlg, NULL, TRUE), GetDlgItem(hDlg, IDCANCEL));
    DestroyWindow(hDlg);
}

} // namespace
