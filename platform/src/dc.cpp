// Device contexts, their attributes, and text measurement with the
// deterministic metrics model described in wingdi.h.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "gdi.h"
#include "internal.h"

namespace {

GDIOBJ *GetDcObj(HDC hdc)
{
    GDIOBJ *pObj = GdiGet(hdc);
    if (!pObj || (pObj->dwType != OBJ_DC && pObj->dwType != OBJ_MEMDC)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return pObj;
}

HDC NewDc(DWORD dwType, HWND hwnd)
{
    GDIOBJ obj{};
    obj.dwType = dwType;
    obj.hwnd = hwnd;
    obj.hPen = GetStockObject(BLACK_PEN);
    obj.hBrush = GetStockObject(WHITE_BRUSH);
    obj.hFont = GetStockObject(SYSTEM_FONT);
    obj.crText = RGB(0, 0, 0);
    obj.crBk = RGB(255, 255, 255);
    obj.nBkMode = OPAQUE;
    for (HGDIOBJ h : {obj.hPen, obj.hBrush, obj.hFont})
        GdiGet(h)->cSelected++;
    return (HDC)GdiAdd(obj);
}

void EndDc(HDC hdc, GDIOBJ *pDc)
{
    HGDIOBJ selected[] = {pDc->hPen, pDc->hBrush, pDc->hFont};
    GdiRemove(hdc);
    for (HGDIOBJ h : selected)
        GdiDeselect(h);
}

LONG RoundDiv(LONG lNum, LONG lDen)
{
    return (lNum + lDen / 2) / lDen;
}

void FontMetrics(const LOGFONTA &lf, TEXTMETRICA *ptm)
{
    LONG lCell, lChar;
    if (lf.lfHeight > 0) {
        lCell = lf.lfHeight;
        lChar = RoundDiv(lCell * 10, 12);
    } else if (lf.lfHeight < 0) {
        lChar = -lf.lfHeight;
        lCell = RoundDiv(lChar * 12, 10);
    } else {
        lCell = 16;
        lChar = RoundDiv(lCell * 10, 12);
    }
    *ptm = TEXTMETRICA{};
    ptm->tmHeight = lCell;
    ptm->tmAscent = RoundDiv(lCell * 8, 10);
    ptm->tmDescent = lCell - ptm->tmAscent;
    ptm->tmInternalLeading = lCell - lChar;
    ptm->tmExternalLeading = 0;
    ptm->tmAveCharWidth = lf.lfWidth > 0 ? lf.lfWidth : std::max<LONG>(1, RoundDiv(lCell * 4, 10));
    ptm->tmMaxCharWidth = 2 * ptm->tmAveCharWidth;
    ptm->tmWeight = lf.lfWeight ? lf.lfWeight : FW_NORMAL;
    ptm->tmDigitizedAspectX = 96;
    ptm->tmDigitizedAspectY = 96;
    ptm->tmFirstChar = 0x20;
    ptm->tmLastChar = 0xFF;
    ptm->tmDefaultChar = 0x1F;
    ptm->tmBreakChar = 0x20;
    ptm->tmItalic = lf.lfItalic;
    ptm->tmUnderlined = lf.lfUnderline;
    ptm->tmStruckOut = lf.lfStrikeOut;
    // As on Windows, the bit is set for a variable-pitch font.
    ptm->tmPitchAndFamily = (BYTE)((lf.lfPitchAndFamily & 0xF0) | TMPF_TRUETYPE
                                   | ((lf.lfPitchAndFamily & 3) == FIXED_PITCH ? 0 : TMPF_FIXED_PITCH));
    ptm->tmCharSet = lf.lfCharSet;
}

bool IsLeadByte(BYTE b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool SelectedFontMetrics(HDC hdc, TEXTMETRICA *ptm)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    if (!pDc)
        return false;
    GDIOBJ *pFont = GdiGet(pDc->hFont);
    if (!pFont)
        return false;
    FontMetrics(pFont->lf, ptm);
    return true;
}

}  // namespace

HDC DcCreateForWindow(HWND hwnd)
{
    return NewDc(OBJ_DC, hwnd);
}

BOOL DcRelease(HDC hdc)
{
    GDIOBJ *pDc = GdiGet(hdc);
    if (!pDc || pDc->dwType != OBJ_DC)
        return FALSE;
    EndDc(hdc, pDc);
    return TRUE;
}

extern "C" HDC WINAPI GetDC(HWND hWnd)
{
    if (hWnd && !WndGetOrFail(hWnd))
        return NULL;
    return DcCreateForWindow(hWnd);
}

extern "C" HDC WINAPI GetWindowDC(HWND hWnd)
{
    return GetDC(hWnd);
}

extern "C" int WINAPI ReleaseDC(HWND, HDC hDC)
{
    return DcRelease(hDC) ? 1 : 0;
}

extern "C" HDC WINAPI CreateCompatibleDC(HDC hdc)
{
    if (hdc && !GetDcObj(hdc))
        return NULL;
    return NewDc(OBJ_MEMDC, NULL);
}

extern "C" BOOL WINAPI DeleteDC(HDC hdc)
{
    GDIOBJ *pDc = GdiGet(hdc);
    if (!pDc || pDc->dwType != OBJ_MEMDC)
        return FALSE;
    EndDc(hdc, pDc);
    return TRUE;
}

extern "C" HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    if (!pDc)
        return NULL;
    switch (type) {
    case OBJ_PEN: return pDc->hPen;
    case OBJ_BRUSH: return pDc->hBrush;
    case OBJ_FONT: return pDc->hFont;
    }
    return NULL;
}

extern "C" BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm)
{
    if (!lptm)
        return FALSE;
    return SelectedFontMetrics(hdc, lptm);
}

extern "C" BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl)
{
    TEXTMETRICA tm;
    if (!psizl || c < 0 || (c > 0 && !lpString) || !SelectedFontMetrics(hdc, &tm))
        return FALSE;
    LONG cx = 0;
    for (int i = 0; i < c; i++) {
        if (IsLeadByte((BYTE)lpString[i]) && i + 1 < c) {
            cx += 2 * tm.tmAveCharWidth;
            i++;
        } else {
            cx += tm.tmAveCharWidth;
        }
    }
    psizl->cx = cx;
    psizl->cy = tm.tmHeight;
    return TRUE;
}

extern "C" COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    if (!pDc)
        return CLR_INVALID;
    COLORREF crOld = pDc->crText;
    pDc->crText = color;
    return crOld;
}

extern "C" COLORREF WINAPI GetTextColor(HDC hdc)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    return pDc ? pDc->crText : CLR_INVALID;
}

extern "C" COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    if (!pDc)
        return CLR_INVALID;
    COLORREF crOld = pDc->crBk;
    pDc->crBk = color;
    return crOld;
}

extern "C" COLORREF WINAPI GetBkColor(HDC hdc)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    return pDc ? pDc->crBk : CLR_INVALID;
}

extern "C" int WINAPI SetBkMode(HDC hdc, int mode)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    if (!pDc || (mode != TRANSPARENT && mode != OPAQUE)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int nOld = pDc->nBkMode;
    pDc->nBkMode = mode;
    return nOld;
}

extern "C" int WINAPI GetBkMode(HDC hdc)
{
    GDIOBJ *pDc = GetDcObj(hdc);
    return pDc ? pDc->nBkMode : 0;
}
