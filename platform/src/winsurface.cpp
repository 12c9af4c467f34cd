// The backing images of top-level windows: each covers its window, frame
// included, and every window context of the window or its children draws
// into it, clipped to the client area and to every parent's client area.
#include <windows.h>

#include <algorithm>
#include <map>

#include "gdi.h"
#include "internal.h"

namespace {

std::map<HWND, cairo_surface_t *> g_surfaces;

HWND TopLevelOf(HWND hwnd)
{
    for (WND *pWnd = WndGet(hwnd); pWnd; pWnd = WndGet(pWnd->hwndParent))
        if (pWnd->hwndParent == WndDesktop())
            return pWnd->hwnd;
    return NULL;
}

RECT Intersect(const RECT &a, const RECT &b)
{
    RECT rc{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
    return (rc.right <= rc.left || rc.bottom <= rc.top) ? RECT{0, 0, 0, 0} : rc;
}

// The client area of hwnd in the coordinates of hwndTop's surface.
RECT ClientInSurface(HWND hwnd, HWND hwndTop)
{
    WND *pWnd = WndGet(hwnd);
    WND *pTop = WndGet(hwndTop);
    POINT pt = WndClientOrigin(hwnd);
    int cx, cy;
    WndClientSize(pWnd, &cx, &cy);
    LONG x = pt.x - pTop->rcWindow.left, y = pt.y - pTop->rcWindow.top;
    return RECT{x, y, x + cx, y + cy};
}

}  // namespace

cairo_surface_t *WndSurfaceOfTop(HWND hwndTop)
{
    WND *pTop = WndGet(hwndTop);
    if (!pTop)
        return nullptr;
    int cx = std::max<int>(1, pTop->rcWindow.right - pTop->rcWindow.left);
    int cy = std::max<int>(1, pTop->rcWindow.bottom - pTop->rcWindow.top);
    cairo_surface_t *&pSurface = g_surfaces[hwndTop];
    if (pSurface && cairo_image_surface_get_width(pSurface) == cx && cairo_image_surface_get_height(pSurface) == cy)
        return pSurface;
    // A new size keeps what was drawn; the rest starts white.
    cairo_surface_t *pNew = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy);
    cairo_t *cr = cairo_create(pNew);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (pSurface) {
        cairo_set_source_surface(cr, pSurface, 0, 0);
        cairo_paint(cr);
        cairo_surface_destroy(pSurface);
    }
    cairo_destroy(cr);
    pSurface = pNew;
    return pSurface;
}

cairo_surface_t *WndSurfaceFor(HWND hwnd, POINT *pptOrg, RECT *prcBase)
{
    HWND hwndTop = TopLevelOf(hwnd);
    cairo_surface_t *pSurface = WndSurfaceOfTop(hwndTop);
    if (!pSurface)
        return nullptr;
    RECT rcClient = ClientInSurface(hwnd, hwndTop);
    *pptOrg = POINT{rcClient.left, rcClient.top};
    RECT rcBase = rcClient;
    for (WND *pWnd = WndGet(hwnd); pWnd && pWnd->hwnd != hwndTop; pWnd = WndGet(pWnd->hwndParent)) {
        if (!(pWnd->dwStyle & WS_VISIBLE))
            rcBase = RECT{0, 0, 0, 0};
        rcBase = Intersect(rcBase, ClientInSurface(pWnd->hwndParent, hwndTop));
    }
    *prcBase = rcBase;
    return pSurface;
}

void WndSurfaceDrop(HWND hwnd)
{
    auto it = g_surfaces.find(hwnd);
    if (it == g_surfaces.end())
        return;
    cairo_surface_destroy(it->second);
    g_surfaces.erase(it);
}
