// Device contexts: creation and release, attributes, SaveDC/RestoreDC,
// coordinates and clipping, and the cairo context each drawing call uses.
#include <windows.h>

#include <algorithm>

#include "gdi.h"
#include "internal.h"

namespace {

bool IsDcType(DWORD dwType)
{
    return dwType == OBJ_DC || dwType == OBJ_MEMDC || dwType == OBJ_METADC || dwType == OBJ_ENHMETADC;
}

RECT Intersect(const RECT &a, const RECT &b)
{
    RECT rc{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    return rc;
}

void EndDc(HDC hdc, GDIOBJ *pDc)
{
    std::vector<HGDIOBJ> selected = {pDc->st.hPen, pDc->st.hBrush, pDc->st.hFont, pDc->hBitmap};
    GdiRemove(hdc);
    for (HGDIOBJ h : selected) {
        GDIOBJ *pObj = GdiGet(h);
        if (pObj && pObj->dwType == OBJ_BITMAP && pObj->hdcOwner == hdc)
            pObj->hdcOwner = NULL;
        GdiDeselect(h);
    }
}

POINT Offset(const GDIOBJ *pDc)
{
    return POINT{pDc->ptOrg.x + pDc->st.ptViewportOrg.x - pDc->st.ptWindowOrg.x,
                 pDc->ptOrg.y + pDc->st.ptViewportOrg.y - pDc->st.ptWindowOrg.y};
}

}  // namespace

GDIOBJ *DcGet(HDC hdc)
{
    GDIOBJ *pObj = GdiGet(hdc);
    if (!pObj || !IsDcType(pObj->dwType)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return pObj;
}

bool DcIsMeta(const GDIOBJ *pDc)
{
    return pDc->dwType == OBJ_METADC || pDc->dwType == OBJ_ENHMETADC;
}

HDC DcNew(DWORD dwType, HWND hwnd)
{
    GDIOBJ obj{};
    obj.dwType = dwType;
    obj.hwnd = hwnd;
    obj.st.hPen = GetStockObject(BLACK_PEN);
    obj.st.hBrush = GetStockObject(WHITE_BRUSH);
    obj.st.hFont = GetStockObject(SYSTEM_FONT);
    obj.st.crText = RGB(0, 0, 0);
    obj.st.crBk = RGB(255, 255, 255);
    obj.st.nBkMode = OPAQUE;
    for (HGDIOBJ h : {obj.st.hPen, obj.st.hBrush, obj.st.hFont})
        GdiGet(h)->cSelected++;
    return (HDC)GdiAdd(obj);
}

cairo_surface_t *DcSurface(GDIOBJ *pDc)
{
    if (pDc->dwType == OBJ_MEMDC) {
        GDIOBJ *pBmp = GdiGet(pDc->hBitmap);
        if (!pBmp || !pBmp->pBits)
            return nullptr;
        pDc->ptOrg = POINT{0, 0};
        pDc->rcBase = RECT{0, 0, pBmp->bm.bmWidth, pBmp->bm.bmHeight};
        return pBmp->pBits;
    }
    if (pDc->dwType == OBJ_DC && pDc->hwnd)
        return WndSurfaceFor(pDc->hwnd, &pDc->ptOrg, &pDc->rcBase);
    return nullptr;
}

RECT DcClipRect(const GDIOBJ *pDc)
{
    RECT rc = pDc->st.fClip ? Intersect(pDc->rcBase, pDc->st.rcClip) : pDc->rcBase;
    if (pDc->fPaint)
        rc = Intersect(rc, RECT{pDc->rcPaint.left + pDc->ptOrg.x, pDc->rcPaint.top + pDc->ptOrg.y,
                                pDc->rcPaint.right + pDc->ptOrg.x, pDc->rcPaint.bottom + pDc->ptOrg.y});
    return rc;
}

POINT DcToSurface(const GDIOBJ *pDc, int x, int y)
{
    POINT ptOff = Offset(pDc);
    return POINT{x + ptOff.x, y + ptOff.y};
}

cairo_t *DcBeginDraw(HDC hdc, GDIOBJ **ppDc)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return nullptr;
    cairo_surface_t *pSurface = DcSurface(pDc);
    if (!pSurface)
        return nullptr;
    RECT rc = DcClipRect(pDc);
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return nullptr;
    cairo_t *cr = cairo_create(pSurface);
    cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    cairo_clip(cr);
    POINT ptOff = Offset(pDc);
    cairo_translate(cr, ptOff.x, ptOff.y);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (ppDc)
        *ppDc = pDc;
    return cr;
}

void DcEndDraw(cairo_t *cr)
{
    cairo_surface_t *pSurface = cairo_get_target(cr);
    cairo_destroy(cr);
    cairo_surface_flush(pSurface);
}

// The context knows where its window lies from the start: clipping set
// before the first drawing call is in the window's coordinates too.
HDC DcCreateForWindow(HWND hwnd)
{
    HDC hdc = DcNew(OBJ_DC, hwnd);
    GDIOBJ *pDc = GdiGet(hdc);
    if (pDc)
        DcSurface(pDc);
    return hdc;
}

BOOL DcRelease(HDC hdc)
{
    GDIOBJ *pDc = GdiGet(hdc);
    if (!pDc || pDc->dwType != OBJ_DC)
        return FALSE;
    EndDc(hdc, pDc);
    return TRUE;
}

// Clips a window context to the paint rectangle (client coordinates).
void DcClipToPaint(HDC hdc, const RECT &rcPaint)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return;
    pDc->fPaint = TRUE;
    pDc->rcPaint = rcPaint;
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
    if (hdc && !DcGet(hdc))
        return NULL;
    HDC hdcNew = DcNew(OBJ_MEMDC, NULL);
    GDIOBJ *pDc = GdiGet(hdcNew);
    if (pDc) {
        pDc->hBitmap = (HBITMAP)BitmapDefault();
        GdiGet(pDc->hBitmap)->cSelected++;
    }
    return hdcNew;
}

extern "C" BOOL WINAPI DeleteDC(HDC hdc)
{
    GDIOBJ *pDc = GdiGet(hdc);
    if (!pDc || (pDc->dwType != OBJ_MEMDC && !DcIsMeta(pDc)))
        return FALSE;
    EndDc(hdc, pDc);
    return TRUE;
}

extern "C" HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return NULL;
    switch (type) {
    case OBJ_PEN: return pDc->st.hPen;
    case OBJ_BRUSH: return pDc->st.hBrush;
    case OBJ_FONT: return pDc->st.hFont;
    case OBJ_BITMAP: return pDc->hBitmap;
    }
    return NULL;
}

// A DC's setting swapped for a new value, recorded when the DC is a
// metafile's; the old value, or tFail for a handle that is no DC.
template <typename T, typename F>
static T SwapSetting(HDC hdc, T DCSTATE::*pMember, T value, T tFail, F pfnReplay)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return tFail;
    MetaRecord(pDc, [=](HDC h) { pfnReplay(h, value); });
    T old = pDc->st.*pMember;
    pDc->st.*pMember = value;
    return old;
}

template <typename T>
static T ReadSetting(HDC hdc, T DCSTATE::*pMember, T tFail)
{
    GDIOBJ *pDc = DcGet(hdc);
    return pDc ? pDc->st.*pMember : tFail;
}

extern "C" COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color)
{
    return SwapSetting(hdc, &DCSTATE::crText, color, (COLORREF)CLR_INVALID, SetTextColor);
}

extern "C" COLORREF WINAPI GetTextColor(HDC hdc)
{
    return ReadSetting(hdc, &DCSTATE::crText, (COLORREF)CLR_INVALID);
}

extern "C" COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color)
{
    return SwapSetting(hdc, &DCSTATE::crBk, color, (COLORREF)CLR_INVALID, SetBkColor);
}

extern "C" COLORREF WINAPI GetBkColor(HDC hdc)
{
    return ReadSetting(hdc, &DCSTATE::crBk, (COLORREF)CLR_INVALID);
}

extern "C" int WINAPI SetBkMode(HDC hdc, int mode)
{
    if (!DcGet(hdc) || (mode != TRANSPARENT && mode != OPAQUE)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return SwapSetting(hdc, &DCSTATE::nBkMode, mode, 0, SetBkMode);
}

extern "C" int WINAPI GetBkMode(HDC hdc)
{
    return ReadSetting(hdc, &DCSTATE::nBkMode, 0);
}

extern "C" UINT WINAPI SetTextAlign(HDC hdc, UINT align)
{
    return SwapSetting(hdc, &DCSTATE::uTextAlign, align, (UINT)GDI_ERROR, SetTextAlign);
}

extern "C" UINT WINAPI GetTextAlign(HDC hdc)
{
    return ReadSetting(hdc, &DCSTATE::uTextAlign, (UINT)GDI_ERROR);
}

extern "C" COLORREF WINAPI GetNearestColor(HDC hdc, COLORREF color)
{
    return DcGet(hdc) ? (color & 0x00FFFFFF) : CLR_INVALID;
}

extern "C" BOOL WINAPI GdiFlush(void)
{
    return TRUE;
}

// The saved states hold their own references to the selected objects, so
// an object deleted meanwhile lives until the state is dropped.
extern "C" int WINAPI SaveDC(HDC hdc)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return 0;
    MetaRecord(pDc, [](HDC h) { SaveDC(h); });
    for (HGDIOBJ h : {pDc->st.hPen, pDc->st.hBrush, pDc->st.hFont})
        GdiGet(h)->cSelected++;
    pDc->saved.push_back(pDc->st);
    return (int)pDc->saved.size();
}

extern "C" BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return FALSE;
    int nLevel = nSavedDC < 0 ? (int)pDc->saved.size() + 1 + nSavedDC : nSavedDC;
    if (nLevel < 1 || nLevel > (int)pDc->saved.size())
        return FALSE;
    MetaRecord(pDc, [=](HDC h) { RestoreDC(h, nSavedDC); });
    DCSTATE st = pDc->saved[nLevel - 1];
    std::vector<HGDIOBJ> released;
    for (size_t i = (size_t)nLevel - 1; i < pDc->saved.size(); i++)
        for (HGDIOBJ h : {pDc->saved[i].hPen, pDc->saved[i].hBrush, pDc->saved[i].hFont})
            released.push_back(h);
    pDc->saved.resize((size_t)nLevel - 1);
    for (HGDIOBJ h : {st.hPen, st.hBrush, st.hFont})
        GdiGet(h)->cSelected++;
    for (HGDIOBJ h : {pDc->st.hPen, pDc->st.hBrush, pDc->st.hFont})
        released.push_back(h);
    pDc->st = st;
    for (HGDIOBJ h : released)
        GdiDeselect(h);
    return TRUE;
}

BOOL DcSetPoint(HDC hdc, POINT DCSTATE::*pMember, POINT pt, LPPOINT lpptOld,
                BOOL (WINAPI *pfnSet)(HDC, int, int, LPPOINT))
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return FALSE;
    MetaRecord(pDc, [=](HDC h) { pfnSet(h, pt.x, pt.y, NULL); });
    if (lpptOld)
        *lpptOld = pDc->st.*pMember;
    pDc->st.*pMember = pt;
    return TRUE;
}

BOOL DcGetPoint(HDC hdc, POINT DCSTATE::*pMember, LPPOINT lppt)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc || !lppt)
        return FALSE;
    *lppt = pDc->st.*pMember;
    return TRUE;
}

extern "C" BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return DcSetPoint(hdc, &DCSTATE::ptViewportOrg, POINT{x, y}, lppt, SetViewportOrgEx);
}

extern "C" BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt)
{
    return DcGetPoint(hdc, &DCSTATE::ptViewportOrg, lppt);
}

extern "C" BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    POINT pt;
    if (!GetViewportOrgEx(hdc, &pt))
        return FALSE;
    if (lppt)
        *lppt = pt;
    return SetViewportOrgEx(hdc, pt.x + x, pt.y + y, NULL);
}

extern "C" BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return DcSetPoint(hdc, &DCSTATE::ptWindowOrg, POINT{x, y}, lppt, SetWindowOrgEx);
}

extern "C" BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppt)
{
    return DcGetPoint(hdc, &DCSTATE::ptWindowOrg, lppt);
}

extern "C" int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return ERROR;
    MetaRecord(pDc, [=](HDC h) { IntersectClipRect(h, left, top, right, bottom); });
    if (!DcIsMeta(pDc))
        DcSurface(pDc);  // the window may have moved since the last call
    POINT pt0 = DcToSurface(pDc, std::min(left, right), std::min(top, bottom));
    POINT pt1 = DcToSurface(pDc, std::max(left, right), std::max(top, bottom));
    RECT rc{pt0.x, pt0.y, pt1.x, pt1.y};
    pDc->st.rcClip = pDc->st.fClip ? Intersect(pDc->st.rcClip, rc) : rc;
    pDc->st.fClip = TRUE;
    if (DcIsMeta(pDc))
        return SIMPLEREGION;
    RECT rcVis = DcClipRect(pDc);
    return (rcVis.right > rcVis.left && rcVis.bottom > rcVis.top) ? SIMPLEREGION : NULLREGION;
}

extern "C" int WINAPI GetClipBox(HDC hdc, LPRECT lprect)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc || !lprect)
        return ERROR;
    DcSurface(pDc);
    RECT rc = DcClipRect(pDc);
    POINT ptOff = DcToSurface(pDc, 0, 0);
    *lprect = RECT{rc.left - ptOff.x, rc.top - ptOff.y, rc.right - ptOff.x, rc.bottom - ptOff.y};
    return (rc.right > rc.left && rc.bottom > rc.top) ? SIMPLEREGION : NULLREGION;
}
