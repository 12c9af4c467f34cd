// Keyboard navigation of dialogs: IsDialogMessageA, the tab and group
// order, and how the dialog manager gives a control the focus.
#include "dlgint.h"

// Shift is down between the WM_KEYDOWN and WM_KEYUP of VK_SHIFT that pass
// through IsDialogMessageA (headless, there is no keyboard to ask).
static BOOL g_fShiftDown;

void DlgSetShiftState(BOOL fDown)
{
    g_fShiftDown = fDown;
}

static BOOL DlgIsTabCandidate(HWND hCtl)
{
    LONG style = GetWindowLongA(hCtl, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

static BOOL DlgIsGroupCandidate(HWND hCtl)
{
    LONG style = GetWindowLongA(hCtl, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// Walks the children of hDlg after (before) hCtl, wrapping around, and
// returns the first one that pass() accepts; hCtl NULL starts at the ends.
template <typename Pass>
static HWND DlgWalk(HWND hDlg, HWND hCtl, BOOL bPrevious, Pass pass)
{
    HWND hFirst = GetWindow(hDlg, GW_CHILD);
    if (!hFirst)
        return NULL;
    HWND hLast = GetWindow(hFirst, GW_HWNDLAST);
    auto step = [&](HWND h) {
        HWND hNext = GetWindow(h, bPrevious ? GW_HWNDPREV : GW_HWNDNEXT);
        return hNext ? hNext : (bPrevious ? hLast : hFirst);
    };
    HWND hStart = hCtl && GetParent(hCtl) == hDlg ? hCtl : NULL;
    HWND h = hStart ? step(hStart) : (bPrevious ? hLast : hFirst);
    for (HWND hStop = h;;) {
        if (h != hStart && pass(h))
            return h;
        if (h == hStart)
            return pass(h) ? h : NULL;
        h = step(h);
        if (h == hStop)
            return NULL;
    }
}

extern "C" HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (!IsWindow(hDlg))
        return NULL;
    return DlgWalk(hDlg, hCtl, bPrevious, DlgIsTabCandidate);
}

// The first control of hCtl's group: the nearest WS_GROUP control at or
// before it (the first child when there is none).
static HWND DlgGroupStart(HWND hDlg, HWND hCtl)
{
    HWND h = hCtl;
    while (h && !(GetWindowLongA(h, GWL_STYLE) & WS_GROUP)) {
        HWND hPrev = GetWindow(h, GW_HWNDPREV);
        if (!hPrev)
            return GetWindow(hDlg, GW_CHILD);
        h = hPrev;
    }
    return h;
}

extern "C" HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (!IsWindow(hDlg) || !hCtl || GetParent(hCtl) != hDlg)
        return NULL;
    HWND hStart = DlgGroupStart(hDlg, hCtl);
    HWND hEnd = hStart; // last control before the next group starts
    for (HWND h = GetWindow(hStart, GW_HWNDNEXT); h && !(GetWindowLongA(h, GWL_STYLE) & WS_GROUP);
         h = GetWindow(h, GW_HWNDNEXT))
        hEnd = h;
    HWND h = hCtl;
    do {
        if (h == (bPrevious ? hStart : hEnd))
            h = bPrevious ? hEnd : hStart;
        else
            h = GetWindow(h, bPrevious ? GW_HWNDPREV : GW_HWNDNEXT);
        if (DlgIsGroupCandidate(h))
            return h;
    } while (h != hCtl);
    return hCtl;
}

void DlgSetFocus(HWND hCtl)
{
    if (SendMessageA(hCtl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(hCtl, EM_SETSEL, 0, -1);
    SetFocus(hCtl);
}

// The control of hDlg that holds the focus, NULL when the focus is elsewhere.
static HWND DlgFocusedControl(HWND hDlg)
{
    HWND hFocus = GetFocus();
    return hFocus && IsChild(hDlg, hFocus) ? hFocus : NULL;
}

// Enter: a focused push button is the one pressed (Windows makes it the
// default while it has the focus); else the default button; else IDOK.
static void DlgPressEnter(HWND hDlg, HWND hFocus)
{
    if (hFocus && (SendMessageA(hFocus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hFocus), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hFocus));
        return;
    }
    LRESULT def = SendMessageA(hDlg, DM_GETDEFID, 0, 0);
    if (HIWORD(def) == DC_HASDEFID) {
        HWND hDef = GetDlgItem(hDlg, LOWORD(def));
        if (!hDef || IsWindowEnabled(hDef))
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED), reinterpret_cast<LPARAM>(hDef));
        return;
    }
    SendMessageA(hDlg, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDOK)));
}

static void DlgArrow(HWND hDlg, HWND hFocus, BOOL bPrevious)
{
    HWND hNext = hFocus ? GetNextDlgGroupItem(hDlg, hFocus, bPrevious) : NULL;
    if (!hNext || hNext == hFocus)
        return;
    DlgSetFocus(hNext);
    // Moving onto an automatic radio button checks it.
    if ((SendMessageA(hNext, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        && (GetWindowLongA(hNext, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        SendMessageA(hNext, BM_CLICK, 0, 0);
}

// A WM_KEYDOWN the dialog itself acts on; FALSE lets the control have it.
static BOOL DlgKeyDown(HWND hDlg, const MSG *lpMsg)
{
    HWND hFocus = DlgFocusedControl(hDlg);
    UINT code = hFocus ? static_cast<UINT>(SendMessageA(hFocus, WM_GETDLGCODE, lpMsg->wParam,
                                                        reinterpret_cast<LPARAM>(lpMsg)))
                       : 0;
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return FALSE;
    switch (lpMsg->wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB)
            return FALSE;
        HWND hNext = GetNextDlgTabItem(hDlg, hFocus, g_fShiftDown);
        if (hNext)
            DlgSetFocus(hNext);
        return TRUE;
    }
    case VK_RETURN:
        DlgPressEnter(hDlg, hFocus);
        return TRUE;
    case VK_ESCAPE:
        SendMessageA(hDlg, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
        return TRUE;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return FALSE;
        DlgArrow(hDlg, hFocus, lpMsg->wParam == VK_LEFT || lpMsg->wParam == VK_UP);
        return TRUE;
    default:
        return FALSE;
    }
}

extern "C" BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg)
{
    if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
        return FALSE;
    if (lpMsg->message == WM_KEYDOWN || lpMsg->message == WM_KEYUP) {
        if (lpMsg->wParam == VK_SHIFT)
            g_fShiftDown = lpMsg->message == WM_KEYDOWN;
        if (lpMsg->message == WM_KEYDOWN && DlgKeyDown(hDlg, lpMsg))
            return TRUE;
    }
    if (lpMsg->message == WM_CHAR && (lpMsg->wParam == '\r' || lpMsg->wParam == '\x1b' || lpMsg->wParam == '\t')) {
        // The key itself was handled at WM_KEYDOWN; its character goes only
        // to a control that asks for characters.
        HWND hFocus = DlgFocusedControl(hDlg);
        if (!hFocus || !(SendMessageA(hFocus, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg))
                         & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
            return TRUE;
    }
    TranslateMessage(lpMsg);
    DispatchMessageA(lpMsg);
    return TRUE;
}
