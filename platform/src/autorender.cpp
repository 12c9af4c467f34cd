// Pictures of windows: a window and its children painted as on a screen
// and written as PNG.
#include <windows.h>

#include "automation.h"
#include "gdi.h"
#include "internal.h"
#include "path.h"

namespace {

// Visible as far as the picture goes: hWnd's own style does not count.
bool ShownUnder(HWND hwndRoot, HWND hwnd)
{
    for (WND *pWnd = WndGet(hwnd); pWnd && pWnd->hwnd != hwndRoot; pWnd = WndGet(pWnd->hwndParent))
        if (!(pWnd->dwStyle & WS_VISIBLE))
            return false;
    return true;
}

void PaintTree(HWND hwndRoot)
{
    WndForEachInTree(hwndRoot, [hwndRoot](HWND hwnd) {
        if (ShownUnder(hwndRoot, hwnd))
            InvalidateRect(hwnd, NULL, TRUE);
    });
    WndForEachInTree(hwndRoot, [hwndRoot](HWND hwnd) {
        if (!ShownUnder(hwndRoot, hwnd) || !GetUpdateRect(hwnd, NULL, FALSE))
            return;
        SendMessageA(hwnd, WM_PAINT, 0, 0);
    });
}

void Edge(cairo_t *cr, const RECT &rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    GdiSetColor(cr, crTopLeft);
    cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, 1);
    cairo_rectangle(cr, rc.left, rc.top, 1, rc.bottom - rc.top);
    cairo_fill(cr);
    GdiSetColor(cr, crBottomRight);
    cairo_rectangle(cr, rc.left, rc.bottom - 1, rc.right - rc.left, 1);
    cairo_rectangle(cr, rc.right - 1, rc.top, 1, rc.bottom - rc.top);
    cairo_fill(cr);
}

// A border is a dark line; a client edge is sunken, two pixels deep.
void DrawFrames(HWND hwndRoot, HWND hwndTop, cairo_surface_t *pSurface)
{
    cairo_t *cr = cairo_create(pSurface);
    WndForEachInTree(hwndRoot, [&](HWND hwnd) {
        WND *pWnd = WndGet(hwnd);
        if (!ShownUnder(hwndRoot, hwnd) || WndFrameWidth(pWnd) == 0)
            return;
        RECT rc = WndFrameInImage(hwnd, hwndTop);
        if (pWnd->dwStyle & WS_BORDER) {
            Edge(cr, rc, RGB(64, 64, 64), RGB(64, 64, 64));
            rc = RECT{rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
        }
        if (pWnd->dwExStyle & WS_EX_CLIENTEDGE) {
            Edge(cr, rc, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
            Edge(cr, RECT{rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1}, RGB(64, 64, 64),
                 GetSysColor(COLOR_BTNFACE));
        }
    });
    cairo_destroy(cr);
}

// The frames, then the window's rectangle of the image, as PNG.
BOOL WritePicture(HWND hWnd, HWND hwndImage, LPCSTR pszPath)
{
    cairo_surface_t *pSurface = WndSurfaceOfTop(hwndImage);
    DrawFrames(hWnd, hwndImage, pSurface);
    cairo_surface_flush(pSurface);
    RECT rc = WndFrameInImage(hWnd, hwndImage);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return FALSE;
    cairo_surface_t *pOut = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy);
    cairo_t *cr = cairo_create(pOut);
    cairo_set_source_surface(cr, pSurface, -rc.left, -rc.top);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_status_t status = cairo_surface_write_to_png(pOut, PathToHost(pszPath).c_str());
    cairo_surface_destroy(pOut);
    return status == CAIRO_STATUS_SUCCESS;
}

}  // namespace

extern "C" BOOL AutoRenderWindowToPng(HWND hWnd, LPCSTR pszPath)
{
    if (!pszPath)
        return FALSE;
    // A child is pictured whole, even where its parents would clip it on
    // the screen (a window larger than the top-level window holding it).
    HWND hwndImage = WndImageBegin(hWnd);
    if (!hwndImage)
        return FALSE;
    PaintTree(hWnd);
    BOOL fOk = IsWindow(hWnd) && WritePicture(hWnd, hwndImage, pszPath);
    WndImageEnd(hwndImage);
    if (IsWindow(hWnd) && hwndImage == hWnd && GetParent(hWnd))
        InvalidateRect(hWnd, NULL, TRUE);  // its place on the screen is painted again
    return fOk;
}
