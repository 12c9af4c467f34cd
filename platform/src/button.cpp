// The BUTTON control: push buttons, check boxes, radio buttons and group
// boxes. It keeps its check and push state and tells its parent about
// clicks; how it looks is drawn in ctllook.cpp.
#include "dlgint.h"

struct BUTTONINFO {
    UINT uState;          // BST_ check value | BST_PUSHED | BST_FOCUS
    HFONT hFont;
    BOOL fTracking;       // the left button went down on it
};

static BUTTONINFO *ButtonInfo(HWND hWnd)
{
    return CtlInfo<BUTTONINFO>(hWnd);
}

static UINT ButtonType(HWND hWnd)
{
    return static_cast<UINT>(GetWindowLongA(hWnd, GWL_STYLE)) & BS_TYPEMASK;
}

BOOL ButtonIsCheckable(UINT uType)
{
    switch (uType) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return TRUE;
    default:
        return FALSE;
    }
}

static void Button_SetCheck(HWND hWnd, BUTTONINFO *pInfo, UINT uCheck)
{
    UINT uType = ButtonType(hWnd);
    if (!ButtonIsCheckable(uType))
        return;
    if (uCheck == BST_INDETERMINATE && uType != BS_3STATE && uType != BS_AUTO3STATE)
        uCheck = BST_CHECKED;
    pInfo->uState = (pInfo->uState & ~3u) | (uCheck & 3u);
    // A checked radio button is where Tab enters its group.
    if (uType == BS_RADIOBUTTON || uType == BS_AUTORADIOBUTTON) {
        LONG style = GetWindowLongA(hWnd, GWL_STYLE);
        LONG newStyle = uCheck ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (newStyle != style)
            SetWindowLongA(hWnd, GWL_STYLE, newStyle);
    }
    InvalidateRect(hWnd, NULL, FALSE);
}

// Unchecks the other automatic radio buttons of hWnd's group.
static void Button_UncheckGroup(HWND hWnd)
{
    HWND hParent = GetParent(hWnd);
    if (!hParent)
        return;
    for (HWND h = GetNextDlgGroupItem(hParent, hWnd, FALSE); h && h != hWnd;
         h = GetNextDlgGroupItem(hParent, h, FALSE)) {
        if (CtlIsClass(h, "BUTTON") && ButtonType(h) == BS_AUTORADIOBUTTON)
            SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// A completed click: automatic boxes change their state, then the parent
// hears BN_CLICKED.
static void Button_Click(HWND hWnd, BUTTONINFO *pInfo)
{
    switch (ButtonType(hWnd)) {
    case BS_AUTOCHECKBOX:
        Button_SetCheck(hWnd, pInfo, (pInfo->uState & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        Button_SetCheck(hWnd, pInfo, ((pInfo->uState & 3u) + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        Button_SetCheck(hWnd, pInfo, BST_CHECKED);
        Button_UncheckGroup(hWnd);
        break;
    default:
        break;
    }
    CtlNotify(hWnd, BN_CLICKED);
}

static void Button_SetPushed(HWND hWnd, BUTTONINFO *pInfo, BOOL fPushed)
{
    UINT uOld = pInfo->uState;
    pInfo->uState = fPushed ? (uOld | BST_PUSHED) : (uOld & ~static_cast<UINT>(BST_PUSHED));
    if (pInfo->uState != uOld)
        InvalidateRect(hWnd, NULL, FALSE);
}

static void Button_LButtonDown(HWND hWnd, BUTTONINFO *pInfo)
{
    if (!IsWindowEnabled(hWnd) || ButtonType(hWnd) == BS_GROUPBOX)
        return;
    SetFocus(hWnd);
    SetCapture(hWnd);
    pInfo->fTracking = TRUE;
    Button_SetPushed(hWnd, pInfo, TRUE);
}

static void Button_LButtonUp(HWND hWnd, BUTTONINFO *pInfo, LPARAM lParam)
{
    if (!pInfo->fTracking)
        return;
    pInfo->fTracking = FALSE;
    Button_SetPushed(hWnd, pInfo, FALSE);
    if (GetCapture() == hWnd)
        ReleaseCapture();
    RECT rc;
    GetClientRect(hWnd, &rc);
    int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    if (x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom)
        Button_Click(hWnd, pInfo);
}

static LRESULT Button_GetDlgCode(HWND hWnd)
{
    switch (ButtonType(hWnd)) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

static void Button_SetStyle(HWND hWnd, WPARAM wParam)
{
    LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    LONG newStyle = (style & ~BS_TYPEMASK) | (static_cast<LONG>(wParam) & BS_TYPEMASK);
    if (newStyle != style)
        SetWindowLongA(hWnd, GWL_STYLE, newStyle);
    InvalidateRect(hWnd, NULL, FALSE);
}

static LRESULT Button_Create(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    BUTTONINFO *pInfo = new BUTTONINFO();
    SetWindowLongPtrA(hWnd, 0, reinterpret_cast<LONG_PTR>(pInfo));
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK ButtonWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        return Button_Create(hWnd, uMsg, wParam, lParam);
    BUTTONINFO *pInfo = ButtonInfo(hWnd);
    if (!pInfo)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);

    switch (uMsg) {
    case WM_NCDESTROY:
        return CtlFreeInfo<BUTTONINFO>(hWnd, uMsg, wParam, lParam);
    case WM_GETDLGCODE:
        return Button_GetDlgCode(hWnd);
    case WM_PAINT:
        return CtlPaint(hWnd, NULL, ButtonDraw);
    case WM_PRINTCLIENT:
        return CtlPaint(hWnd, reinterpret_cast<HDC>(wParam), ButtonDraw);
    case WM_ERASEBKGND: // the painting covers the whole control
        return 1;
    case WM_ENABLE:
        InvalidateRect(hWnd, NULL, FALSE);
        return 0;
    case WM_SETTEXT:
        InvalidateRect(hWnd, NULL, FALSE);
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    case WM_SETFONT:
        pInfo->hFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hWnd, NULL, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(pInfo->hFont);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Button_LButtonDown(hWnd, pInfo);
        return 0;
    case WM_LBUTTONUP:
        Button_LButtonUp(hWnd, pInfo, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (pInfo->fTracking && reinterpret_cast<HWND>(lParam) != hWnd) {
            pInfo->fTracking = FALSE;
            Button_SetPushed(hWnd, pInfo, FALSE);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && IsWindowEnabled(hWnd) && ButtonType(hWnd) != BS_GROUPBOX)
            Button_SetPushed(hWnd, pInfo, TRUE);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && (pInfo->uState & BST_PUSHED)) {
            Button_SetPushed(hWnd, pInfo, FALSE);
            Button_Click(hWnd, pInfo);
        }
        return 0;
    case WM_SETFOCUS:
        pInfo->uState |= BST_FOCUS;
        InvalidateRect(hWnd, NULL, FALSE);
        if (GetWindowLongA(hWnd, GWL_STYLE) & BS_NOTIFY)
            CtlNotify(hWnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        pInfo->uState &= ~static_cast<UINT>(BST_FOCUS);
        InvalidateRect(hWnd, NULL, FALSE);
        if (!pInfo->fTracking)
            Button_SetPushed(hWnd, pInfo, FALSE);
        if (GetWindowLongA(hWnd, GWL_STYLE) & BS_NOTIFY)
            CtlNotify(hWnd, BN_KILLFOCUS);
        return 0;
    case BM_CLICK:
        // As a mouse click at (0, 0): the button takes the focus first (an
        // edit that had it hears EN_KILLFOCUS); a disabled one ignores it.
        Button_LButtonDown(hWnd, pInfo);
        Button_LButtonUp(hWnd, pInfo, 0);
        return 0;
    case BM_GETCHECK:
        return ButtonIsCheckable(ButtonType(hWnd)) ? (pInfo->uState & 3u) : 0;
    case BM_SETCHECK:
        Button_SetCheck(hWnd, pInfo, static_cast<UINT>(wParam));
        return 0;
    case BM_GETSTATE:
        return pInfo->uState;
    case BM_SETSTATE:
        Button_SetPushed(hWnd, pInfo, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        Button_SetStyle(hWnd, wParam);
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
