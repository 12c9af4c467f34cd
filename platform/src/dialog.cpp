// The dialog manager: dialogs from resource templates, dialog units, the
// dialog class's window procedure and the modal loop. It builds on the
// public window API only, as Windows' dialog manager builds on user32.
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include <automation.h>

#include "dlgint.h"
#include "resfind.h"

// Headless screens have 96 pixels per logical inch.
#define DLG_LOGPIXELSY 96

static const char kDialogClass[] = "#32770";
static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Dialog state by window: a hash lookup, freed at WM_NCDESTROY.
static std::unordered_map<HWND, DLGINFO *> g_dialogs;

// MulDiv as kernel32 rounds it: to nearest, halves away from zero.
static int DlgMulDiv(int nNumber, int nNumerator, int nDenominator)
{
    long long v = static_cast<long long>(nNumber) * nNumerator;
    long long half = nDenominator / 2;
    return static_cast<int>(v >= 0 ? (v + half) / nDenominator : (v - half) / nDenominator);
}

// Base units of a font as Windows computes them: half the rounded average
// width of the 52 letters, and the character height.
static BOOL DlgFontBaseUnits(HFONT hFont, int *pcx, int *pcy)
{
    HDC hdc = GetDC(NULL);
    if (!hdc)
        return FALSE;
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    SIZE size;
    BOOL ok = GetTextMetricsA(hdc, &tm) && GetTextExtentPoint32A(hdc, kAlphabet, 52, &size);
    if (hOld)
        SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);
    if (!ok || tm.tmHeight <= 0)
        return FALSE;
    *pcx = (size.cx / 26 + 1) / 2;
    *pcy = tm.tmHeight;
    return *pcx > 0;
}

extern "C" LONG WINAPI GetDialogBaseUnits(void)
{
    int cx = 8, cy = 16; // the classic system font, should the GDI have none
    DlgFontBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), &cx, &cy);
    return MAKELONG(cx, cy);
}

DLGINFO *DlgGetInfo(HWND hDlg)
{
    auto it = g_dialogs.find(hDlg);
    if (it != g_dialogs.end())
        return it->second;
    // A window of a dialog class made without the dialog manager.
    if (!IsWindow(hDlg) || !CtlIsClass(hDlg, kDialogClass))
        return nullptr;
    DLGINFO *pInfo = new DLGINFO();
    LONG units = GetDialogBaseUnits();
    pInfo->cxBase = LOWORD(units);
    pInfo->cyBase = HIWORD(units);
    g_dialogs[hDlg] = pInfo;
    return pInfo;
}

extern "C" BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    DLGINFO *pInfo = DlgGetInfo(hDlg);
    if (!pInfo || !lpRect)
        return FALSE;
    lpRect->left = DlgMulDiv(lpRect->left, pInfo->cxBase, 4);
    lpRect->right = DlgMulDiv(lpRect->right, pInfo->cxBase, 4);
    lpRect->top = DlgMulDiv(lpRect->top, pInfo->cyBase, 8);
    lpRect->bottom = DlgMulDiv(lpRect->bottom, pInfo->cyBase, 8);
    return TRUE;
}

// ---- default processing ----

// Moves the default-button look from the old default to wId.
static void DlgSetDefId(HWND hDlg, DLGINFO *pInfo, WORD wId)
{
    HWND hOld = pInfo->wDefId ? GetDlgItem(hDlg, pInfo->wDefId) : NULL;
    if (hOld && (SendMessageA(hOld, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
        SendMessageA(hOld, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    pInfo->wDefId = wId;
    HWND hNew = wId ? GetDlgItem(hDlg, wId) : NULL;
    if (hNew && (SendMessageA(hNew, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
        SendMessageA(hNew, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

static void DlgFreeInfo(HWND hDlg)
{
    auto it = g_dialogs.find(hDlg);
    if (it == g_dialogs.end())
        return;
    DLGINFO *pInfo = it->second;
    g_dialogs.erase(it);
    if (pInfo->pModal) // the loop learns that its dialog is gone
        pInfo->pModal->fEnded = TRUE;
    if (pInfo->fOwnFont && pInfo->hFont)
        DeleteObject(pInfo->hFont);
    delete pInfo;
}

// A dialog's background is the brush its procedure answers to
// WM_CTLCOLORDLG, the face colour by default.
static LRESULT DlgEraseBackground(HWND hDlg, HDC hdc)
{
    HBRUSH hbr = reinterpret_cast<HBRUSH>(SendMessageA(hDlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc),
                                                       reinterpret_cast<LPARAM>(hDlg)));
    if (hbr) {
        RECT rc;
        GetClientRect(hDlg, &rc);
        FillRect(hdc, &rc, hbr);
    }
    return 1;
}

static LRESULT DlgDefault(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    DLGINFO *pInfo = nullptr;
    switch (uMsg) {
    case WM_ERASEBKGND:
        return DlgEraseBackground(hDlg, reinterpret_cast<HDC>(wParam));
    case WM_SETFONT:
        if ((pInfo = DlgGetInfo(hDlg)) != nullptr)
            pInfo->hFont = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        pInfo = DlgGetInfo(hDlg);
        return pInfo ? reinterpret_cast<LRESULT>(pInfo->hFont) : 0;
    case DM_GETDEFID:
        pInfo = DlgGetInfo(hDlg);
        return pInfo && pInfo->wDefId ? MAKELRESULT(pInfo->wDefId, DC_HASDEFID) : 0;
    case DM_SETDEFID:
        if ((pInfo = DlgGetInfo(hDlg)) != nullptr)
            DlgSetDefId(hDlg, pInfo, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE: {
        // As the Cancel button; nothing when it exists but is disabled.
        HWND hCancel = GetDlgItem(hDlg, IDCANCEL);
        if (!hCancel || IsWindowEnabled(hCancel))
            PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(hCancel));
        return 0;
    }
    case WM_NEXTDLGCTL: {
        // lParam TRUE: wParam is the control; else the next (wParam 0) or
        // previous tab stop from the focused control.
        HWND hFocus = GetFocus();
        HWND hNext = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                    : GetNextDlgTabItem(hDlg, hFocus && IsChild(hDlg, hFocus) ? hFocus : NULL,
                                                        wParam != 0);
        if (hNext && IsChild(hDlg, hNext))
            DlgSetFocus(hNext);
        return 0;
    }
    case WM_SETFOCUS: {
        HWND hFirst = GetNextDlgTabItem(hDlg, NULL, FALSE);
        if (hFirst)
            DlgSetFocus(hFirst);
        return 0;
    }
    default:
        return DefWindowProcA(hDlg, uMsg, wParam, lParam);
    }
}

// Messages whose answer is the dialog procedure's own return value.
static bool DlgReturnsProcValue(UINT uMsg)
{
    switch (uMsg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

extern "C" LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    DLGPROC pfnProc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hDlg, DWLP_DLGPROC));
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
    INT_PTR handled = pfnProc ? pfnProc(hDlg, uMsg, wParam, lParam) : 0;

    LRESULT result;
    if (DlgReturnsProcValue(uMsg) && (handled || uMsg == WM_INITDIALOG))
        result = handled;
    else if (handled)
        result = IsWindow(hDlg) ? GetWindowLongPtrA(hDlg, DWLP_MSGRESULT) : 0;
    else
        result = DlgDefault(hDlg, uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY)
        DlgFreeInfo(hDlg);
    return result;
}

// ---- creation from a template ----

static void DlgTemplateName(LPCSTR lpTemplate, char *pszOut, size_t cbOut)
{
    if (IS_INTRESOURCE(lpTemplate))
        std::snprintf(pszOut, cbOut, "#%u", static_cast<unsigned>(LOWORD(lpTemplate)));
    else
        std::snprintf(pszOut, cbOut, "%s", lpTemplate);
}

// The template font, or NULL for the system font.
static HFONT DlgCreateFont(const RCDIALOG *pTemplate)
{
    if (!(pTemplate->dwStyle & DS_SETFONT) || !pTemplate->pszFace)
        return NULL;
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = -DlgMulDiv(pTemplate->wPointSize, DLG_LOGPIXELSY, 72);
    lf.lfWeight = pTemplate->wWeight;
    lf.lfItalic = pTemplate->bItalic;
    lf.lfCharSet = pTemplate->bCharSet;
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", pTemplate->pszFace);
    return CreateFontIndirectA(&lf);
}

static void DlgMapRect(const DLGINFO *pInfo, int x, int y, int cx, int cy, RECT *pRect)
{
    pRect->left = DlgMulDiv(x, pInfo->cxBase, 4);
    pRect->top = DlgMulDiv(y, pInfo->cyBase, 8);
    pRect->right = pRect->left + DlgMulDiv(cx, pInfo->cxBase, 4);
    pRect->bottom = pRect->top + DlgMulDiv(cy, pInfo->cyBase, 8);
}

// Gives the dialog the client size of its template (the frame comes on top).
static void DlgFitClient(HWND hDlg, int cxClient, int cyClient)
{
    RECT rcWindow, rcClient;
    GetWindowRect(hDlg, &rcWindow);
    GetClientRect(hDlg, &rcClient);
    int cxFrame = (rcWindow.right - rcWindow.left) - rcClient.right;
    int cyFrame = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
    if (cxFrame || cyFrame)
        SetWindowPos(hDlg, NULL, 0, 0, cxClient + cxFrame, cyClient + cyFrame,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static BOOL DlgCreateControls(HWND hDlg, DLGINFO *pInfo, const RCDIALOG *pTemplate, HINSTANCE hInstance)
{
    for (UINT i = 0; i < pTemplate->cItems; ++i) {
        const RCDLGITEM *pItem = &pTemplate->pItems[i];
        char szOrdinal[8];
        LPCSTR lpText = pItem->pszText;
        if (!lpText) { // an ordinal text (an icon id) travels as "#id"
            std::snprintf(szOrdinal, sizeof szOrdinal, "#%u", static_cast<unsigned>(pItem->wTextId));
            lpText = szOrdinal;
        }
        RECT rc;
        DlgMapRect(pInfo, pItem->x, pItem->y, pItem->cx, pItem->cy, &rc);
        HWND hCtl = CreateWindowExA(pItem->dwExStyle | WS_EX_NOPARENTNOTIFY, pItem->pszClass, lpText,
                                    pItem->dwStyle | WS_CHILD, rc.left, rc.top, rc.right - rc.left,
                                    rc.bottom - rc.top, hDlg,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(pItem->dwId)), hInstance,
                                    NULL);
        if (!hCtl) {
            if (pTemplate->dwStyle & DS_NOFAILCREATE)
                continue;
            return FALSE;
        }
        if (pInfo->hFont)
            SendMessageA(hCtl, WM_SETFONT, reinterpret_cast<WPARAM>(pInfo->hFont), 0);
        if (SendMessageA(hCtl, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            pInfo->wDefId = LOWORD(pItem->dwId);
    }
    return TRUE;
}

// Where a top-level dialog goes: its template position from the owner's
// client origin (from the screen origin with DS_ABSALIGN or no owner).
static POINT DlgOrigin(const RCDIALOG *pTemplate, HWND hOwner, const RECT &rc)
{
    POINT pt = {rc.left, rc.top};
    if (hOwner && !(pTemplate->dwStyle & (DS_ABSALIGN | WS_CHILD)))
        ClientToScreen(hOwner, &pt);
    return pt;
}

// Creates the dialog and its controls and sends WM_INITDIALOG. The window
// stays hidden; the caller shows it.
static HWND DlgCreate(HINSTANCE hInstance, LPCSTR lpTemplate, HWND hParent, DLGPROC pfnProc,
                      LPARAM dwInitParam, DLGMODAL *pModal)
{
    const RCDIALOG *pTemplate = ResFindDialog(hInstance, lpTemplate);
    if (!pTemplate)
        return NULL;

    DLGINFO *pInfo = new DLGINFO();
    DlgTemplateName(lpTemplate, pInfo->szTemplate, sizeof pInfo->szTemplate);
    pInfo->pModal = pModal;
    pInfo->hFont = DlgCreateFont(pTemplate);
    pInfo->fOwnFont = pInfo->hFont != NULL;
    if (!pInfo->hFont || !DlgFontBaseUnits(pInfo->hFont, &pInfo->cxBase, &pInfo->cyBase)) {
        LONG units = GetDialogBaseUnits();
        pInfo->cxBase = LOWORD(units);
        pInfo->cyBase = HIWORD(units);
    }

    RECT rc;
    DlgMapRect(pInfo, pTemplate->x, pTemplate->y, pTemplate->cx, pTemplate->cy, &rc);
    POINT pt = DlgOrigin(pTemplate, hParent, rc);
    DWORD dwStyle = pTemplate->dwStyle & ~WS_VISIBLE;
    HWND hDlg = CreateWindowExA(pTemplate->dwExStyle, pTemplate->pszClass ? pTemplate->pszClass : kDialogClass,
                                pTemplate->pszCaption, dwStyle, pt.x, pt.y, rc.right - rc.left,
                                rc.bottom - rc.top, hParent, NULL, hInstance, NULL);
    if (!hDlg) {
        if (pInfo->fOwnFont)
            DeleteObject(pInfo->hFont);
        delete pInfo;
        return NULL;
    }
    auto it = g_dialogs.find(hDlg);
    if (it != g_dialogs.end()) // made on the fly by a creation message
        delete it->second;
    g_dialogs[hDlg] = pInfo;
    DlgFitClient(hDlg, rc.right - rc.left, rc.bottom - rc.top);
    SetWindowLongPtrA(hDlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(pfnProc));

    if (pInfo->hFont)
        SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(pInfo->hFont), 0);
    if (!DlgCreateControls(hDlg, pInfo, pTemplate, hInstance)) {
        DestroyWindow(hDlg);
        return NULL;
    }

    HWND hFocus = GetNextDlgTabItem(hDlg, NULL, FALSE);
    if (SendMessageA(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hFocus), dwInitParam) && IsWindow(hDlg)
        && (!(pTemplate->dwStyle & DS_CONTROL) || (pTemplate->dwStyle & WS_VISIBLE))) {
        // The procedure may have changed the controls: look again.
        hFocus = GetNextDlgTabItem(hDlg, NULL, FALSE);
        if (hFocus)
            DlgSetFocus(hFocus);
    }
    return IsWindow(hDlg) ? hDlg : NULL;
}

extern "C" HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                                          DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    HWND hDlg = DlgCreate(hInstance, lpTemplateName, hWndParent, lpDialogFunc, dwInitParam, nullptr);
    if (!hDlg)
        return NULL;
    const RCDIALOG *pTemplate = ResFindDialog(hInstance, lpTemplateName);
    DLGINFO *pInfo = DlgGetInfo(hDlg);
    if ((pTemplate->dwStyle & WS_VISIBLE) && pInfo && !pInfo->fEnded)
        ShowWindow(hDlg, SW_SHOWNORMAL);
    return hDlg;
}

// ---- modal dialogs ----

static void DlgEnableOwner(DLGMODAL *pModal)
{
    if (pModal->hwndOwner && IsWindow(pModal->hwndOwner))
        EnableWindow(pModal->hwndOwner, TRUE);
    pModal->hwndOwner = NULL;
}

extern "C" BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult)
{
    DLGINFO *pInfo = DlgGetInfo(hDlg);
    if (!pInfo)
        return FALSE;
    pInfo->fEnded = TRUE;
    pInfo->nResult = nResult;
    if (pInfo->pModal) {
        pInfo->pModal->fEnded = TRUE;
        pInfo->pModal->nResult = nResult;
        // The owner is usable again before the dialog disappears, so that
        // the focus can return to it.
        DlgEnableOwner(pInfo->pModal);
    }
    ShowWindow(hDlg, SW_HIDE);
    return TRUE;
}

// The top-level window that owns a modal dialog created for hWnd.
static HWND DlgTopLevel(HWND hWnd)
{
    while (hWnd && (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = GetParent(hWnd);
    return hWnd;
}

// Nobody is left to answer the dialog: cancel it as Esc would, and if its
// procedure ignores that, end it with IDCANCEL, so that the loop never
// waits for a user who is not there.
static void DlgCancelUnanswered(HWND hDlg, DLGMODAL *pModal, BOOL *pfCancelSent)
{
    DLGINFO *pInfo = DlgGetInfo(hDlg);
    if (!*pfCancelSent) {
        *pfCancelSent = TRUE;
        AutoLogCancelledDialog(pInfo ? pInfo->szTemplate : "");
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
        return;
    }
    if (!pModal->fEnded)
        EndDialog(hDlg, IDCANCEL);
}

// True when msg repeats the WM_PAINT just seen: a window that never
// validates itself is painted forever, and the queue counts as empty then.
static BOOL DlgRepeatedPaint(const MSG &msg, HWND *phLastPaint)
{
    if (msg.message != WM_PAINT) {
        *phLastPaint = NULL;
        return FALSE;
    }
    BOOL repeated = msg.hwnd == *phLastPaint;
    *phLastPaint = msg.hwnd;
    return repeated;
}

static void DlgModalLoop(HWND hDlg, DLGMODAL *pModal)
{
    BOOL fCancelSent = FALSE;
    HWND hLastPaint = NULL;
    while (!pModal->fEnded && IsWindow(hDlg)) {
        MSG msg;
        BOOL fGot = PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE);
        if (!fGot || DlgRepeatedPaint(msg, &hLastPaint)) {
            DlgCancelUnanswered(hDlg, pModal, &fCancelSent);
            continue;
        }
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the outer loop, as Windows does.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageA(hDlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

extern "C" INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                                          DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    DLGMODAL modal = {FALSE, IDCANCEL, NULL};
    HWND hOwner = DlgTopLevel(hWndParent);
    if (!ResFindDialog(hInstance, lpTemplateName))
        return -1;
    if (hOwner && IsWindowEnabled(hOwner)) {
        EnableWindow(hOwner, FALSE);
        modal.hwndOwner = hOwner;
    }
    HWND hDlg = DlgCreate(hInstance, lpTemplateName, hOwner, lpDialogFunc, dwInitParam, &modal);
    if (!hDlg) {
        DlgEnableOwner(&modal);
        return -1;
    }
    if (!modal.fEnded) {
        ShowWindow(hDlg, SW_SHOWNORMAL);
        AutoRunModalHandler(hDlg);
    }
    DlgModalLoop(hDlg, &modal);
    DlgEnableOwner(&modal);
    DLGINFO *pInfo = DlgGetInfo(hDlg);
    if (pInfo)
        pInfo->pModal = nullptr;
    if (IsWindow(hDlg))
        DestroyWindow(hDlg);
    return modal.fEnded ? modal.nResult : -1;
}
