// Default window procedure, window text and the shared cursors.
#include <windows.h>

#include <cstring>

#include "internal.h"

namespace {

void StoreText(HWND hwnd, LPCSTR pszText)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    pWnd->strText = (pszText && !IS_INTRESOURCE(pszText)) ? pszText : "";
}

LRESULT DefGetText(HWND hwnd, WPARAM cchMax, LPSTR pszBuf)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd || !pszBuf || cchMax == 0)
        return 0;
    size_t cch = pWnd->strText.size() < cchMax - 1 ? pWnd->strText.size() : cchMax - 1;
    memcpy(pszBuf, pWnd->strText.data(), cch);
    pszBuf[cch] = '\0';
    return (LRESULT)cch;
}

LRESULT DefGetTextLength(HWND hwnd)
{
    WND *pWnd = WndGet(hwnd);
    return pWnd ? (LRESULT)pWnd->strText.size() : 0;
}

LRESULT DefPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps))
        EndPaint(hwnd, &ps);
    return 0;
}

// Fills the client area with the class background; the answer tells
// BeginPaint whether the class has one.
LRESULT DefEraseBackground(HWND hwnd, HDC hdc)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return 0;
    HBRUSH hbr = BrushFromClassBackground(pWnd->pClass->hbrBackground);
    if (!hbr)
        return 0;
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(hdc, &rc, hbr);
    return 1;
}

LRESULT DefWindowPosChanged(HWND hwnd, const WINDOWPOS *pwp)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd || !pwp)
        return 0;
    if (!(pwp->flags & SWP_NOCLIENTMOVE)) {
        int nFrame = WndFrameWidth(pWnd);
        SendMessageA(hwnd, WM_MOVE, 0,
                     MAKELPARAM(pWnd->rcWindow.left + nFrame, pWnd->rcWindow.top + nFrame));
    }
    pWnd = WndGet(hwnd);
    if (pWnd && !(pwp->flags & SWP_NOCLIENTSIZE)) {
        int cx, cy;
        WndClientSize(pWnd, &cx, &cy);
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cx, cy));
    }
    return 0;
}

// Edit and list boxes sit on the window colour, everything else on the
// face colour, as the default processing of Windows answers.
LRESULT DefCtlColor(UINT uMsg, HDC hdc)
{
    bool fWindow = uMsg == WM_CTLCOLOREDIT || uMsg == WM_CTLCOLORLISTBOX;
    SetTextColor(hdc, GetSysColor(fWindow ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(hdc, GetSysColor(fWindow ? COLOR_WINDOW : COLOR_BTNFACE));
    return (LRESULT)GetSysColorBrush(fWindow ? COLOR_WINDOW : COLOR_BTNFACE);
}

}  // namespace

extern "C" LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_NCCREATE: {
        const CREATESTRUCTA *pcs = (const CREATESTRUCTA *)lParam;
        StoreText(hWnd, pcs ? pcs->lpszName : NULL);
        return TRUE;
    }
    case WM_SETTEXT:
        StoreText(hWnd, (LPCSTR)lParam);
        return TRUE;
    case WM_GETTEXT:
        return DefGetText(hWnd, wParam, (LPSTR)lParam);
    case WM_GETTEXTLENGTH:
        return DefGetTextLength(hWnd);
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessageA(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_PAINT:
        return DefPaint(hWnd);
    case WM_ERASEBKGND:
        return DefEraseBackground(hWnd, (HDC)wParam);
    case WM_WINDOWPOSCHANGED:
        return DefWindowPosChanged(hWnd, (const WINDOWPOS *)lParam);
    case WM_CANCELMODE:
        if (GetCapture() == hWnd)
            ReleaseCapture();
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return DefCtlColor(Msg, (HDC)wParam);
    }
    return 0;
}

extern "C" BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString)
{
    if (!WndGetOrFail(hWnd))
        return FALSE;
    return SendMessageA(hWnd, WM_SETTEXT, 0, (LPARAM)lpString) != 0;
}

extern "C" int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount)
{
    if (!lpString || nMaxCount <= 0)
        return 0;
    lpString[0] = '\0';
    if (!WndGetOrFail(hWnd))
        return 0;
    return (int)SendMessageA(hWnd, WM_GETTEXT, (WPARAM)nMaxCount, (LPARAM)lpString);
}

extern "C" int WINAPI GetWindowTextLengthA(HWND hWnd)
{
    if (!WndGetOrFail(hWnd))
        return 0;
    return (int)SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0);
}

// Headless there is no cursor to show; the standard ids answer distinct,
// stable handles so that classes can store and compare them.
extern "C" HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName)
{
    if (hInstance || !IS_INTRESOURCE(lpCursorName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return NULL;
    }
    WORD wId = (WORD)(ULONG_PTR)lpCursorName;
    if (wId < 32512 || wId > 32660) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return NULL;
    }
    return (HCURSOR)(ULONG_PTR)(0x10000 + ((ULONG_PTR)wId << 4) + 0xC);
}
