// QCUSTOMRNGSCALE32: a vertical scale on which the user drags a range (see
// qcustom.h for the messages and the geometry).
#include <string.h>

#include "ccintern.h"
#include "qcustom.h"

namespace {

enum { DRAG_NONE, DRAG_LOW, DRAG_HIGH, DRAG_RANGE };

#define RS_SETTINGS 2
#define RS_OPTIONS 4
#define RS_MAXDECIMALS 6

LRESULT RNGSCALE_Create(HWND hwnd)
{
    if (CcCreateRecord(hwnd, sizeof(CCRNGSCALEDATA)) != 0)
        return -1;
    HGLOBAL hRecord = CcRecordHandle(hwnd);
    CCRNGSCALEDATA *p = (CCRNGSCALEDATA *)GlobalLock(hRecord);
    if (p == NULL)
        return -1;
    p->nScaleMax = 100;
    p->nDivisions = 10;
    GlobalUnlock(hRecord);
    return 0;
}

LONG Clamp(LONG v, LONG lo, LONG hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

// The value under pixel row y of the track, on the scale.
LONG ValueAt(const CCRNGSCALEDATA *p, const RSTRACK &t, int y)
{
    int yc = Clamp(y, t.top, t.bottom);
    LONGLONG span = (LONGLONG)p->nScaleMax - p->nScaleMin;
    LONG v = (LONG)(p->nScaleMin + (t.bottom - yc) * span / (t.bottom - t.top));
    LONG nStep = p->anOption[1];
    if (nStep > 0)
        v = p->nScaleMin + (v - p->nScaleMin + nStep / 2) / nStep * nStep;
    return Clamp(v, p->nScaleMin, p->nScaleMax);
}

// Change of value for a move of dy pixels upwards.
LONG ValueDelta(const CCRNGSCALEDATA *p, const RSTRACK &t, int dy)
{
    LONGLONG span = (LONGLONG)p->nScaleMax - p->nScaleMin;
    return (LONG)(dy * span / (t.bottom - t.top));
}

// The owner hears of a change last: it may set the values again, or
// destroy the control.
void Notify(HWND hwnd)
{
    HWND hwndParent = GetParent(hwnd);
    if (hwndParent != NULL)
        SendMessageA(hwndParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), RSN_CHANGED),
                     (LPARAM)hwnd);
}

// Which end a press at y takes, or the whole range, or the nearer end
// brought to y when the press is beside the bar.
WORD DragAt(CCRNGSCALEDATA *p, const RSTRACK &t, int y, BOOL *pbMoved)
{
    int yLow = RngScaleY(p, &t, p->nLow);
    int yHigh = RngScaleY(p, &t, p->nHigh);
    int dLow = y > yLow ? y - yLow : yLow - y;
    int dHigh = y > yHigh ? y - yHigh : yHigh - y;
    *pbMoved = FALSE;
    if (dLow <= RS_GRIP || dHigh <= RS_GRIP) {
        if (dLow != dHigh)
            return dHigh < dLow ? DRAG_HIGH : DRAG_LOW;
        return y <= yHigh ? DRAG_HIGH : DRAG_LOW;
    }
    if ((y - yLow) * (y - yHigh) < 0)
        return DRAG_RANGE;
    *pbMoved = TRUE;
    if (dHigh < dLow) {
        p->nHigh = ValueAt(p, t, y);
        return DRAG_HIGH;
    }
    p->nLow = ValueAt(p, t, y);
    return DRAG_LOW;
}

LRESULT RNGSCALE_LButtonDown(HWND hwnd, CCRNGSCALEDATA *p, int y)
{
    RSTRACK t;
    if (!IsWindowEnabled(hwnd) || !RngScaleTrack(hwnd, p, &t))
        return 0;
    LONG nLow = p->nLow, nHigh = p->nHigh;
    BOOL bMoved;
    p->wDrag = DragAt(p, t, y, &bMoved);
    p->nDragY = y;
    p->nDragLow = p->nLow;
    p->nDragHigh = p->nHigh;
    SetCapture(hwnd);
    if (p->nLow != nLow || p->nHigh != nHigh) {
        InvalidateRect(hwnd, NULL, FALSE);
        Notify(hwnd);
    }
    return 0;
}

// The whole range moves by the pointer's travel since the press, kept on
// the scale with the width it had then.
void MoveRange(CCRNGSCALEDATA *p, const RSTRACK &t, int y)
{
    LONG nDelta = ValueDelta(p, t, p->nDragY - y);
    LONG nLo = p->nDragLow < p->nDragHigh ? p->nDragLow : p->nDragHigh;
    LONG nHi = p->nDragLow < p->nDragHigh ? p->nDragHigh : p->nDragLow;
    if (nLo + nDelta < p->nScaleMin)
        nDelta = p->nScaleMin - nLo;
    if (nHi + nDelta > p->nScaleMax)
        nDelta = p->nScaleMax - nHi;
    p->nLow = p->nDragLow + nDelta;
    p->nHigh = p->nDragHigh + nDelta;
}

LRESULT RNGSCALE_MouseMove(HWND hwnd, CCRNGSCALEDATA *p, int y)
{
    RSTRACK t;
    if (p->wDrag == DRAG_NONE || !RngScaleTrack(hwnd, p, &t))
        return 0;
    LONG nLow = p->nLow, nHigh = p->nHigh;
    if (p->wDrag == DRAG_LOW)
        p->nLow = ValueAt(p, t, y);
    else if (p->wDrag == DRAG_HIGH)
        p->nHigh = ValueAt(p, t, y);
    else
        MoveRange(p, t, y);
    if (p->nLow == nLow && p->nHigh == nHigh)
        return 0;
    InvalidateRect(hwnd, NULL, FALSE);
    Notify(hwnd);
    return 0;
}

LRESULT RNGSCALE_LButtonUp(HWND hwnd, CCRNGSCALEDATA *p)
{
    p->wDrag = DRAG_NONE;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    return 0;
}

LRESULT RNGSCALE_CaptureChanged(HWND hwnd, CCRNGSCALEDATA *p, HWND hwndNew)
{
    if (hwndNew != hwnd)
        p->wDrag = DRAG_NONE;
    return 0;
}

LRESULT RNGSCALE_SetValue(HWND hwnd, LONG *pnField, WPARAM wParam, LONG nValue)
{
    if (wParam != 0)
        return FALSE;
    *pnField = nValue;
    InvalidateRect(hwnd, NULL, FALSE);
    return TRUE;
}

LRESULT RNGSCALE_SetDivisions(HWND hwnd, CCRNGSCALEDATA *p, WPARAM wParam, LONG nValue)
{
    if (wParam != 0 || nValue < 1 || nValue > 100)
        return FALSE;
    p->nDivisions = nValue;
    InvalidateRect(hwnd, NULL, FALSE);
    return TRUE;
}

LRESULT RNGSCALE_SetUnit(HWND hwnd, CCRNGSCALEDATA *p, WPARAM wParam, LPCSTR pszUnit)
{
    if (wParam != 0)
        return FALSE;
    p->szUnit[0] = '\0';
    if (pszUnit != NULL)
        strncat(p->szUnit, pszUnit, sizeof(p->szUnit) - 1);
    InvalidateRect(hwnd, NULL, FALSE);
    return TRUE;
}

LRESULT RNGSCALE_SetFormat(HWND hwnd, CCRNGSCALEDATA *p, WPARAM wSetting, LONG nValue)
{
    if (wSetting >= RS_SETTINGS || nValue < 0 || nValue > RS_MAXDECIMALS)
        return FALSE;
    p->anSetting[wSetting] = nValue;
    InvalidateRect(hwnd, NULL, FALSE);
    return TRUE;
}

LRESULT RNGSCALE_SetOption(CCRNGSCALEDATA *p, WPARAM wOption, LONG nValue)
{
    if (wOption >= RS_OPTIONS || nValue < 0)
        return FALSE;
    p->anOption[wOption] = nValue;
    return TRUE;
}

LRESULT RNGSCALE_Paint(HWND hwnd, CCRNGSCALEDATA *p)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc != NULL)
        RngScaleDraw(hwnd, hdc, p);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT RNGSCALE_Dispatch(HWND hwnd, void *pRecord, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CCRNGSCALEDATA *p = (CCRNGSCALEDATA *)pRecord;
    switch (uMsg) {
    case RSM_SETSCALEMIN:
        return RNGSCALE_SetValue(hwnd, &p->nScaleMin, wParam, (LONG)lParam);
    case RSM_SETSCALEMAX:
        return RNGSCALE_SetValue(hwnd, &p->nScaleMax, wParam, (LONG)lParam);
    case RSM_GETSCALEMAX:
        return p->nScaleMax;
    case RSM_SETLOW:
        return RNGSCALE_SetValue(hwnd, &p->nLow, wParam, (LONG)lParam);
    case RSM_GETLOW:
        return p->nLow;
    case RSM_SETHIGH:
        return RNGSCALE_SetValue(hwnd, &p->nHigh, wParam, (LONG)lParam);
    case RSM_GETHIGH:
        return p->nHigh;
    case RSM_SETDIVISIONS:
        return RNGSCALE_SetDivisions(hwnd, p, wParam, (LONG)lParam);
    case RSM_SETUNIT:
        return RNGSCALE_SetUnit(hwnd, p, wParam, (LPCSTR)lParam);
    case RSM_SETFORMAT:
        return RNGSCALE_SetFormat(hwnd, p, wParam, (LONG)lParam);
    case RSM_SETOPTION:
        return RNGSCALE_SetOption(p, wParam, (LONG)lParam);
    case WM_LBUTTONDOWN:
        return RNGSCALE_LButtonDown(hwnd, p, (short)HIWORD(lParam));
    case WM_MOUSEMOVE:
        return RNGSCALE_MouseMove(hwnd, p, (short)HIWORD(lParam));
    case WM_LBUTTONUP:
        return RNGSCALE_LButtonUp(hwnd, p);
    case WM_CAPTURECHANGED:
        return RNGSCALE_CaptureChanged(hwnd, p, (HWND)lParam);
    case WM_PAINT:
        return RNGSCALE_Paint(hwnd, p);
    case WM_PRINTCLIENT:
        if (wParam != 0)
            RngScaleDraw(hwnd, (HDC)wParam, p);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the painter fills the whole client area
    case WM_ENABLE:
        InvalidateRect(hwnd, NULL, FALSE);
        return 0;
    case WM_SETFONT:
        p->hFont = (HFONT)wParam;
        if (LOWORD(lParam))
            InvalidateRect(hwnd, NULL, TRUE);
        return 0;
    case WM_GETFONT:
        return (LRESULT)p->hFont;
    default:
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
}

LRESULT CALLBACK RNGSCALE_WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return CcRecordWindowProc(hwnd, uMsg, wParam, lParam, RNGSCALE_Create, RNGSCALE_Dispatch);
}

}  // namespace

BOOL RngScaleTrack(HWND hwnd, const CCRNGSCALEDATA *p, RSTRACK *pTrack)
{
    RECT rc;
    if (!GetClientRect(hwnd, &rc))
        return FALSE;
    pTrack->left = (rc.left + rc.right) / 2;
    pTrack->right = rc.right - RS_MARGIN;
    pTrack->top = rc.top + RS_MARGIN;
    pTrack->bottom = rc.bottom - RS_MARGIN - 1;
    return pTrack->bottom > pTrack->top && pTrack->right > pTrack->left &&
           p->nScaleMax > p->nScaleMin;
}

int RngScaleY(const CCRNGSCALEDATA *p, const RSTRACK *pTrack, LONG nValue)
{
    LONG v = Clamp(nValue, p->nScaleMin, p->nScaleMax);
    LONGLONG span = (LONGLONG)p->nScaleMax - p->nScaleMin;
    return (int)(pTrack->bottom - (v - p->nScaleMin) * (pTrack->bottom - pTrack->top) / span);
}

BOOL CcRegisterRangeScale(HINSTANCE hInstance)
{
    return CcRegisterClass(hInstance, CC_RNGSCALE_CLASS, RNGSCALE_WindowProc);
}
