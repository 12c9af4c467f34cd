// GDI objects of the platform layer: one handle table for pens, brushes,
// fonts, bitmaps, device contexts and metafiles, so a handle of one kind is
// never taken for another. Drawing goes to cairo image surfaces.
#ifndef PLATFORM_GDI_H
#define PLATFORM_GDI_H

#include <windows.h>

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct METAREC;      // a recorded display list (metafile.cpp)

// What SaveDC keeps and RestoreDC brings back.
struct DCSTATE {
    HGDIOBJ hPen, hBrush, hFont;
    COLORREF crText, crBk;
    int nBkMode;
    UINT uTextAlign;
    POINT ptViewportOrg, ptWindowOrg;
    POINT ptCur;
    BOOL fClip;          // rcClip applies
    RECT rcClip;         // surface coordinates
};

struct GDIOBJ {
    DWORD dwType;       // OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_DC, OBJ_MEMDC, ...
    BOOL fStock;        // never deleted
    int cSelected;      // contexts that have it selected
    BOOL fDeletePending;
    LOGPEN lp;
    LOGBRUSH lb;
    LOGFONTA lf;
    // Fonts: the cairo font, made at first use.
    cairo_scaled_font_t *pFont;
    // Bitmaps: the surface holds the pixels (a DIB section's own memory).
    cairo_surface_t *pBits;
    BITMAP bm;
    BOOL fDib;
    BITMAPINFOHEADER bih;
    HDC hdcOwner;       // the memory context it is selected into
    // Device contexts.
    HWND hwnd;          // window of GetDC/BeginPaint; NULL for the screen
    HBITMAP hBitmap;    // memory contexts
    DCSTATE st;
    RECT rcBase;        // surface coordinates the context may touch
    POINT ptOrg;        // surface position of the context's (0,0)
    BOOL fPaint;        // BeginPaint: drawing stays in rcPaint
    RECT rcPaint;       // client coordinates
    std::vector<DCSTATE> saved;
    // Metafile contexts record instead of drawing; metafile handles hold the
    // finished list.
    std::shared_ptr<METAREC> pMeta;
};

GDIOBJ *GdiGet(HGDIOBJ h);                  // NULL for stale or foreign handles
HGDIOBJ GdiAdd(const GDIOBJ &obj);          // NULL when the table is full
void GdiRemove(HGDIOBJ h);
void GdiDeselect(HGDIOBJ h);                // one context let go of h

// Device contexts (dc.cpp).
GDIOBJ *DcGet(HDC hdc);                     // any kind of context, else NULL
HDC DcNew(DWORD dwType, HWND hwnd);         // default objects selected
void DcClipToPaint(HDC hdc, const RECT &rcPaint);
bool DcIsMeta(const GDIOBJ *pDc);
cairo_surface_t *DcSurface(GDIOBJ *pDc);    // NULL when nothing can be drawn
RECT DcClipRect(const GDIOBJ *pDc);         // surface coordinates
POINT DcToSurface(const GDIOBJ *pDc, int x, int y);
// A point of the context's state (an origin, the current position):
// set, answering the old one and recording the call pfnSet for metafiles;
// or read. FALSE for a bad context (or a NULL lppt when reading).
BOOL DcSetPoint(HDC hdc, POINT DCSTATE::*pMember, POINT pt, LPPOINT lpptOld,
                BOOL (WINAPI *pfnSet)(HDC, int, int, LPPOINT));
BOOL DcGetPoint(HDC hdc, POINT DCSTATE::*pMember, LPPOINT lppt);
// A cairo context on the DC's surface, clipped and translated so that
// drawing uses logical coordinates; NULL when there is nothing to draw on.
cairo_t *DcBeginDraw(HDC hdc, GDIOBJ **ppDc);
void DcEndDraw(cairo_t *cr);

// Bitmaps (bitmap.cpp).
HGDIOBJ BitmapDefault(void);                // the 1 x 1 stock bitmap of a new memory context
HBITMAP BitmapCreate(int cx, int cy);       // a black 32-bit bitmap

// Window surfaces (winsurface.cpp): one image per top-level window,
// covering the whole window; WndSurfaceFor fills the context's origin and
// the rectangle it may touch (the client area, clipped by every parent).
cairo_surface_t *WndSurfaceFor(HWND hwnd, POINT *pptOrg, RECT *prcBase);
cairo_surface_t *WndSurfaceOfTop(HWND hwndTop);
void WndSurfaceDrop(HWND hwnd);
// A picture of hwnd: a top-level window draws on its own backing image;
// any other window, with its children, on an image of its own size until
// WndImageEnd, unclipped by its parents. Returns the window whose image
// the picture is taken from (hwnd), NULL for a bad window.
HWND WndImageBegin(HWND hwnd);
void WndImageEnd(HWND hwndImage);
// hwnd's window rectangle (frame included) in hwndImage's image.
RECT WndFrameInImage(HWND hwnd, HWND hwndImage);

// Fonts and text (font.cpp).
cairo_scaled_font_t *FontGet(HGDIOBJ hFont);   // never NULL for a font object
std::string FontToUtf8(const char *psz, int cb);
bool FontIsLeadByte(BYTE b);
LONG FontTextWidth(cairo_scaled_font_t *pFont, const char *psz, int cb);
void FontMetrics(HGDIOBJ hFont, TEXTMETRICA *ptm);
// Draws text with the DC's colours and background mode, top-left at (x, y)
// in logical coordinates; lpDx gives per-byte advances or NULL.
void FontDrawText(cairo_t *cr, GDIOBJ *pDc, int x, int y, const char *psz, int cb, const INT *lpDx);

// Colours.
inline void GdiSetColor(cairo_t *cr, COLORREF cr_)
{
    cairo_set_source_rgb(cr, GetRValue(cr_) / 255.0, GetGValue(cr_) / 255.0, GetBValue(cr_) / 255.0);
}
void GdiFreeResources(GDIOBJ *pObj);
// Sets the brush as cr's source for a fill in pDc (brush.cpp): its colour,
// or its hatch in the context's background mode. False for a null brush.
bool GdiSetBrushSource(cairo_t *cr, const GDIOBJ *pDc, HBRUSH hbr);

// Metafiles (metafile.cpp): a metafile context keeps the call to replay
// and the logical rectangle it may draw in (the picture's bounds).
void MetaRecord(GDIOBJ *pDc, std::function<void(HDC)> fn, const RECT *prcBounds = nullptr);
// A context drawing into any cairo surface (SVG export); bitmap-only paths
// are skipped for it.
bool GdiIsImage(cairo_surface_t *pSurface);

#endif /* PLATFORM_GDI_H */
