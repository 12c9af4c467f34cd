// QCUSTOMSTATIC32: a text display with its own text colour.
#include "ccintern.h"
#include "qcustom.h"

namespace {

struct CCSTATICDATA {
    HFONT hFont;
    COLORREF crText;
};

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
