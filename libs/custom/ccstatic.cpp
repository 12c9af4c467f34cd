// QCUSTOMSTATIC32: a text display with its own text colour.
#include "ccintern.h"
#include "qcustom.h"

namespace {

LRESULT STATIC_Create(HWND hwnd)
{
    if (CcCreateRecord(hwnd, sizeof(CCSTATICDATA)) != 0)
        return -1;
    HGLOBAL hRecord = CcRecordHandle(hwnd);
    CCSTATICDATA *p = (CCSTATICDATA *)GlobalLock(hRecord);
    if (p == NULL)
        return -1;
    p->crText = GetSysColor(COLOR_WINDOWTEXT);
    GlobalUnlock(hRecord);
    return 0;
}

LRESULT STATIC_SetTextColor(HWND hwnd, CCSTATICDATA *p, WPARAM wWhich, COLORREF cr)
{
    if (wWhich != 0)
        return FALSE;
    p->crText = cr;
    InvalidateRect(hwnd, NULL, FALSE);
    return TRUE;
}

LRESULT STATIC_SetFont(HWND hwnd, CCSTATICDATA *p, HFONT hFont, BOOL bRedraw)
{
    p->hFont = hFont;
    if (bRedraw)
        InvalidateRect(hwnd, NULL, TRUE);
    return 0;
}

LRESULT STATIC_SetText(HWND hwnd, LPCSTR pszText)
{
    LRESULT lResult = DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)pszText);
    InvalidateRect(hwnd, NULL, TRUE);
    return lResult;
}

// Draws into any context: WM_PAINT's, or a caller's (WM_PRINTCLIENT).
LRESULT STATIC_Draw(HWND hwnd, const CCSTATICDATA *p, HDC hdc)
{
    RECT rc;
    if (hdc == NULL || !GetClientRect(hwnd, &rc))
        return 0;
    char szText[256];
    GetWindowTextA(hwnd, szText, sizeof(szText));
    CcPaintStatic(hdc, &rc, GetWindowLongA(hwnd, GWL_STYLE), szText, p);
    return 0;
}

LRESULT STATIC_Paint(HWND hwnd, const CCSTATICDATA *p)
{
    PAINTSTRUCT ps;
    STATIC_Draw(hwnd, p, BeginPaint(hwnd, &ps));
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT STATIC_Dispatch(HWND hwnd, void *pRecord, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CCSTATICDATA *p = (CCSTATICDATA *)pRecord;
    switch (uMsg) {
    case CSM_SETTEXTCOLOR:
        return STATIC_SetTextColor(hwnd, p, wParam, COLORREF(lParam));
    case CSM_GETTEXTCOLOR:
        return wParam == 0 ? LRESULT(p->crText) : LRESULT(CLR_INVALID);
    case WM_SETFONT:
        return STATIC_SetFont(hwnd, p, (HFONT)wParam, LOWORD(lParam));
    case WM_GETFONT:
        return (LRESULT)p->hFont;
    case WM_SETTEXT:
        return STATIC_SetText(hwnd, (LPCSTR)lParam);
    case WM_PAINT:
        return STATIC_Paint(hwnd, p);
    case WM_PRINTCLIENT:
        return STATIC_Draw(hwnd, p, (HDC)wParam);
    case WM_ERASEBKGND:
        return 1;  // the painter fills the whole client area
    default:
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
}

LRESULT CALLBACK STATIC_WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return CcRecordWindowProc(hwnd, uMsg, wParam, lParam, STATIC_Create, STATIC_Dispatch);
}

}  // namespace

BOOL CcRegisterStatic(HINSTANCE hInstance)
{
    return CcRegisterClass(hInstance, CC_STATIC_CLASS, STATIC_WindowProc);
}
