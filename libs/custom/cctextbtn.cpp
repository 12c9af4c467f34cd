// QCUSTOMTEXTBTN32: a push or two-state button with text and two face
// colours. The check state is set by the owner only (see qcustom.h).
#include "ccintern.h"
#include "qcustom.h"

namespace {

LRESULT TEXTBTN_Create(HWND hwnd)
{
    if (CcCreateRecord(hwnd, sizeof(CCTEXTBTNDATA)) != 0)
        return -1;
    HGLOBAL hRecord = CcRecordHandle(hwnd);
    CCTEXTBTNDATA *p = (CCTEXTBTNDATA *)GlobalLock(hRecord);
    if (p == NULL)
        return -1;
    p->acrFace[CB_COLOR_FACE] = GetSysColor(COLOR_BTNFACE);
    p->acrFace[CB_COLOR_CHECKED] = GetSysColor(COLOR_HIGHLIGHT);
    GlobalUnlock(hRecord);
    return 0;
}

LRESULT TEXTBTN_SetColor(HWND hwnd, CCTEXTBTNDATA *p, WPARAM wWhich, COLORREF cr)
{
    if (wWhich > CB_COLOR_CHECKED)
        return FALSE;
    p->acrFace[wWhich] = cr;
    InvalidateRect(hwnd, NULL, FALSE);
    return TRUE;
}

LRESULT TEXTBTN_SetCheck(HWND hwnd, CCTEXTBTNDATA *p, WPARAM wState)
{
    // Two states: BST_INDETERMINATE and other values count as checked.
    WORD wCheck = wState == BST_UNCHECKED ? BST_UNCHECKED : BST_CHECKED;
    if (wCheck != p->wCheck)
        InvalidateRect(hwnd, NULL, FALSE);
    p->wCheck = wCheck;
    return 0;
}

LRESULT TEXTBTN_LButtonDown(HWND hwnd, CCTEXTBTNDATA *p)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    p->wPressed = 1;
    SetCapture(hwnd);
    InvalidateRect(hwnd, NULL, FALSE);
    return 0;
}

// The release ends the press; inside the button it is a click. The
// notification is the last act: the owner may destroy the button.
LRESULT TEXTBTN_LButtonUp(HWND hwnd, CCTEXTBTNDATA *p, int x, int y)
{
    if (!p->wPressed)
        return 0;
    p->wPressed = 0;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    InvalidateRect(hwnd, NULL, FALSE);
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (x < rc.left || x >= rc.right || y < rc.top || y >= rc.bottom)
        return 0;
    HWND hwndParent = GetParent(hwnd);
    if (hwndParent != NULL)
        SendMessageA(hwndParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), (LPARAM)hwnd);
    return 0;
}

// Losing the capture mid-press (disabled, or taken by another window)
// cancels the click.
LRESULT TEXTBTN_CaptureChanged(HWND hwnd, CCTEXTBTNDATA *p, HWND hwndNew)
{
    if (hwndNew != hwnd && p->wPressed) {
        p->wPressed = 0;
        InvalidateRect(hwnd, NULL, FALSE);
    }
    return 0;
}

LRESULT TEXTBTN_SetFont(HWND hwnd, CCTEXTBTNDATA *p, HFONT hFont, BOOL bRedraw)
{
    p->hFont = hFont;
    if (bRedraw)
        InvalidateRect(hwnd, NULL, TRUE);
    return 0;
}

LRESULT TEXTBTN_SetText(HWND hwnd, LPCSTR pszText)
{
    LRESULT lResult = DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)pszText);
    InvalidateRect(hwnd, NULL, TRUE);
    return lResult;
}

// Draws into any context: WM_PAINT's, or a caller's (WM_PRINTCLIENT).
LRESULT TEXTBTN_Draw(HWND hwnd, const CCTEXTBTNDATA *p, HDC hdc)
{
    RECT rc;
    if (hdc == NULL || !GetClientRect(hwnd, &rc))
        return 0;
    char szText[256];
    GetWindowTextA(hwnd, szText, sizeof(szText));
    CcPaintTextButton(hdc, &rc, szText, IsWindowEnabled(hwnd), p);
    return 0;
}

LRESULT TEXTBTN_Paint(HWND hwnd, const CCTEXTBTNDATA *p)
{
    PAINTSTRUCT ps;
    TEXTBTN_Draw(hwnd, p, BeginPaint(hwnd, &ps));
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT TEXTBTN_Dispatch(HWND hwnd, void *pRecord, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CCTEXTBTNDATA *p = (CCTEXTBTNDATA *)pRecord;
    switch (uMsg) {
    case CBM_SETCOLOR:
        return TEXTBTN_SetColor(hwnd, p, wParam, COLORREF(lParam));
    case CBM_GETCOLOR:
        return wParam <= CB_COLOR_CHECKED ? LRESULT(p->acrFace[wParam]) : LRESULT(CLR_INVALID);
    case BM_SETCHECK:
        return TEXTBTN_SetCheck(hwnd, p, wParam);
    case BM_GETCHECK:
        return p->wCheck;
    case WM_LBUTTONDOWN:
        return TEXTBTN_LButtonDown(hwnd, p);
    case WM_LBUTTONUP:
        return TEXTBTN_LButtonUp(hwnd, p, (short)LOWORD(lParam), (short)HIWORD(lParam));
    case WM_CAPTURECHANGED:
        return TEXTBTN_CaptureChanged(hwnd, p, (HWND)lParam);
    case WM_ENABLE:
        InvalidateRect(hwnd, NULL, FALSE);
        return 0;
    case WM_SETFONT:
        return TEXTBTN_SetFont(hwnd, p, (HFONT)wParam, LOWORD(lParam));
    case WM_GETFONT:
        return (LRESULT)p->hFont;
    case WM_SETTEXT:
        return TEXTBTN_SetText(hwnd, (LPCSTR)lParam);
    case WM_PAINT:
        return TEXTBTN_Paint(hwnd, p);
    case WM_PRINTCLIENT:
        return TEXTBTN_Draw(hwnd, p, (HDC)wParam);
    case WM_ERASEBKGND:
        return 1;  // the painter fills the whole client area
    default:
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
}

LRESULT CALLBACK TEXTBTN_WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return CcRecordWindowProc(hwnd, uMsg, wParam, lParam, TEXTBTN_Create, TEXTBTN_Dispatch);
}

}  // namespace

BOOL CcRegisterTextButton(HINSTANCE hInstance)
{
    return CcRegisterClass(hInstance, CC_TEXTBTN_CLASS, TEXTBTN_WindowProc);
}
