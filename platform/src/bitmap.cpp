// Bitmaps and blocks of pixels: compatible bitmaps, DIB sections whose
// pixels are the cairo surface's own memory, BitBlt, GetPixel/SetPixel.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "gdi.h"

namespace {

HGDIOBJ g_hDefault;

HBITMAP AddBitmap(cairo_surface_t *pSurface, BOOL fStock)
{
    if (cairo_surface_status(pSurface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(pSurface);
        return NULL;
    }
    GDIOBJ obj{};
    obj.dwType = OBJ_BITMAP;
    obj.fStock = fStock;
    obj.pBits = pSurface;
    obj.bm.bmWidth = cairo_image_surface_get_width(pSurface);
    obj.bm.bmHeight = cairo_image_surface_get_height(pSurface);
    obj.bm.bmWidthBytes = obj.bm.bmWidth * 4;
    obj.bm.bmPlanes = 1;
    obj.bm.bmBitsPixel = 32;
    HBITMAP hbm = (HBITMAP)GdiAdd(obj);
    if (!hbm)
        cairo_surface_destroy(pSurface);
    return hbm;
}

// The pixel at surface coordinates (x, y) of an image surface.
uint32_t *PixelAt(cairo_surface_t *pSurface, int x, int y)
{
    unsigned char *pData = cairo_image_surface_get_data(pSurface);
    int nStride = cairo_image_surface_get_stride(pSurface);
    return (uint32_t *)(pData + (ptrdiff_t)y * nStride) + x;
}

bool InRect(const RECT &rc, int x, int y)
{
    return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

COLORREF FromPixel(uint32_t px)
{
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

bool FillWithRop(HDC hdc, int x, int y, int cx, int cy, DWORD rop)
{
    GDIOBJ *pDc;
    cairo_t *cr = DcBeginDraw(hdc, &pDc);
    if (!cr)
        return true;
    if (rop == PATCOPY) {
        if (!GdiSetBrushSource(cr, pDc, (HBRUSH)pDc->st.hBrush)) {
            DcEndDraw(cr);
            return true;
        }
    } else {
        GdiSetColor(cr, rop == WHITENESS ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
    cairo_rectangle(cr, x, y, cx, cy);
    cairo_fill(cr);
    DcEndDraw(cr);
    return true;
}

}  // namespace

HGDIOBJ BitmapDefault(void)
{
    if (!g_hDefault)
        g_hDefault = AddBitmap(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1), TRUE);
    return g_hDefault;
}

HBITMAP BitmapCreate(int cx, int cy)
{
    if (cx <= 0 || cy <= 0 || cx > 32767 || cy > 32767)
        return NULL;
    return AddBitmap(cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy), FALSE);
}

extern "C" HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    if (!DcGet(hdc))
        return NULL;
    // An empty size gives the stock 1 x 1 bitmap a new memory context
    // holds, as Windows answers.
    if (cx == 0 || cy == 0)
        return (HBITMAP)BitmapDefault();
    return BitmapCreate(cx, cy);
}

extern "C" HBITMAP WINAPI CreateDIBSection(HDC, const BITMAPINFO *pbmi, UINT usage, VOID **ppvBits, HANDLE hSection,
                                           DWORD)
{
    if (ppvBits)
        *ppvBits = NULL;
    if (!pbmi || usage != DIB_RGB_COLORS || hSection)
        return NULL;
    const BITMAPINFOHEADER &bih = pbmi->bmiHeader;
    LONG cy = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    if (bih.biBitCount != 32 || bih.biCompression != BI_RGB || bih.biWidth <= 0 || cy <= 0 || bih.biWidth > 32767
        || cy > 32767)
        return NULL;
    int nStride = bih.biWidth * 4;
    unsigned char *pData = (unsigned char *)calloc((size_t)cy, (size_t)nStride);
    if (!pData)
        return NULL;
    // A bottom-up DIB keeps its last row first: cairo sees it through a
    // negative stride from the last row of the block.
    bool fBottomUp = bih.biHeight > 0;
    unsigned char *pFirstRow = fBottomUp ? pData + (size_t)(cy - 1) * nStride : pData;
    cairo_surface_t *pSurface = cairo_image_surface_create_for_data(pFirstRow, CAIRO_FORMAT_RGB24, bih.biWidth,
                                                                    (int)cy, fBottomUp ? -nStride : nStride);
    static cairo_user_data_key_t s_key;
    cairo_surface_set_user_data(pSurface, &s_key, pData, free);
    HBITMAP hbm = AddBitmap(pSurface, FALSE);
    GDIOBJ *pObj = GdiGet(hbm);
    if (!pObj)
        return NULL;
    pObj->fDib = TRUE;
    pObj->bih = bih;
    pObj->bm.bmBits = pData;
    if (ppvBits)
        *ppvBits = pData;
    return hbm;
}

extern "C" BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                                  int ySrc, int wSrc, int hSrc, DWORD rop)
{
    GDIOBJ *pDest = DcGet(hdcDest);
    if (!pDest)
        return FALSE;
    if (rop == PATCOPY || rop == BLACKNESS || rop == WHITENESS) {
        RECT rcBounds{xDest, yDest, xDest + wDest, yDest + hDest};
        MetaRecord(pDest, [=](HDC h) { StretchBlt(h, xDest, yDest, wDest, hDest, NULL, 0, 0, 0, 0, rop); },
                   &rcBounds);
        return FillWithRop(hdcDest, xDest, yDest, wDest, hDest, rop);
    }
    GDIOBJ *pSrc = DcGet(hdcSrc);
    if (rop != SRCCOPY || !pSrc || wSrc == 0 || hSrc == 0)
        return FALSE;
    cairo_surface_t *pSrcSurface = DcSurface(pSrc);
    if (!pSrcSurface || !GdiIsImage(pSrcSurface))
        return FALSE;
    POINT ptSrc = DcToSurface(pSrc, xSrc, ySrc);
    RECT rcSrc = DcClipRect(pSrc);
    // A copy of the source block: the source may be the destination.
    cairo_surface_t *pBlock = cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::abs(wSrc), std::abs(hSrc));
    cairo_t *crBlock = cairo_create(pBlock);
    cairo_rectangle(crBlock, rcSrc.left - ptSrc.x, rcSrc.top - ptSrc.y, rcSrc.right - rcSrc.left,
                    rcSrc.bottom - rcSrc.top);
    cairo_clip(crBlock);
    cairo_set_source_surface(crBlock, pSrcSurface, -ptSrc.x, -ptSrc.y);
    cairo_paint(crBlock);
    cairo_destroy(crBlock);
    if (DcIsMeta(pDest)) {
        // The block is kept in the recording as a bitmap of its own.
        HBITMAP hbm = BitmapCreate(std::abs(wSrc), std::abs(hSrc));
        GDIOBJ *pBmp = GdiGet(hbm);
        if (pBmp) {
            cairo_t *cr = cairo_create(pBmp->pBits);
            cairo_set_source_surface(cr, pBlock, 0, 0);
            cairo_paint(cr);
            cairo_destroy(cr);
        }
        RECT rcDest{xDest, yDest, xDest + wDest, yDest + hDest};
        std::shared_ptr<void> pKeep((void *)hbm, [](void *h) { DeleteObject((HGDIOBJ)h); });
        MetaRecord(pDest, [=](HDC h) {
            HDC hdcMem = CreateCompatibleDC(NULL);
            HGDIOBJ hOld = SelectObject(hdcMem, (HGDIOBJ)pKeep.get());
            StretchBlt(h, xDest, yDest, wDest, hDest, hdcMem, 0, 0, std::abs(wSrc), std::abs(hSrc), SRCCOPY);
            SelectObject(hdcMem, hOld);
            DeleteDC(hdcMem);
        }, &rcDest);
        cairo_surface_destroy(pBlock);
        return TRUE;
    }
    cairo_t *cr = DcBeginDraw(hdcDest, nullptr);
    if (cr) {
        cairo_translate(cr, xDest, yDest);
        cairo_scale(cr, (double)wDest / wSrc, (double)hDest / hSrc);
        cairo_set_source_surface(cr, pBlock, wSrc < 0 ? wSrc : 0, hSrc < 0 ? hSrc : 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_rectangle(cr, wSrc < 0 ? wSrc : 0, hSrc < 0 ? hSrc : 0, std::abs(wSrc), std::abs(hSrc));
        cairo_fill(cr);
        DcEndDraw(cr);
    }
    cairo_surface_destroy(pBlock);
    return TRUE;
}

extern "C" BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    return StretchBlt(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

extern "C" COLORREF WINAPI GetPixel(HDC hdc, int x, int y)
{
    GDIOBJ *pDc = DcGet(hdc);
    cairo_surface_t *pSurface = pDc ? DcSurface(pDc) : nullptr;
    if (!pSurface || !GdiIsImage(pSurface))
        return CLR_INVALID;
    POINT pt = DcToSurface(pDc, x, y);
    if (!InRect(DcClipRect(pDc), pt.x, pt.y))
        return CLR_INVALID;
    cairo_surface_flush(pSurface);
    return FromPixel(*PixelAt(pSurface, pt.x, pt.y));
}

extern "C" COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return (COLORREF)-1;
    RECT rcBounds{x, y, x + 1, y + 1};
    MetaRecord(pDc, [=](HDC h) { SetPixel(h, x, y, color); }, &rcBounds);
    cairo_surface_t *pSurface = DcSurface(pDc);
    if (!pSurface)
        return DcIsMeta(pDc) ? color : (COLORREF)-1;
    POINT pt = DcToSurface(pDc, x, y);
    if (!InRect(DcClipRect(pDc), pt.x, pt.y))
        return (COLORREF)-1;
    if (!GdiIsImage(pSurface)) {
        cairo_t *cr = cairo_create(pSurface);
        GdiSetColor(cr, color);
        cairo_rectangle(cr, pt.x, pt.y, 1, 1);
        cairo_fill(cr);
        cairo_destroy(cr);
        return color & 0x00FFFFFF;
    }
    cairo_surface_flush(pSurface);
    *PixelAt(pSurface, pt.x, pt.y) =
        0xFF000000u | ((uint32_t)GetRValue(color) << 16) | ((uint32_t)GetGValue(color) << 8) | GetBValue(color);
    cairo_surface_mark_dirty_rectangle(pSurface, pt.x, pt.y, 1, 1);
    return color & 0x00FFFFFF;
}
