// The backing images of top-level windows: each covers its window, frame
// included, and every window context of the window or its children draws
// into it, clipped to the client area and to every parent's client area.
// While a window is rendered on its own (a picture of a child), it and its
// children draw into an image of the window's own size instead, clipped
// by nothing above it.
#include <windows.h>

#include <algorithm>
#include <map>

#include "gdi.h"
#include "internal.h"

namespace {

std::map<HWND, cairo_surface_t *> g_surfaces;
HWND g_hwndOwnImage;   // the window rendered on its own image, NULL if none

// The window whose image hwnd draws into.
HWND ImageOwnerOf(HWND hwnd)
{
    for (WND *pWnd = WndGet(hwnd); pWnd; pWnd = WndGet(pWnd->hwndParent))
        if (pWnd->hwnd == g_hwndOwnImage || pWnd->hwndParent == WndDesktop())
            return pWnd->hwnd;
    return NULL;
}

// The top-left corner of hwnd's frame in screen coordinates.
POINT WindowOrigin(HWND hwnd)
{
    POINT pt = WndClientOrigin(hwnd);
    int nFrame = WndFrameWidth(WndGet(hwnd));
    return POINT{pt.x - nFrame, pt.y - nFrame};
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
    POINT pt = WndClientOrigin(hwnd);
    POINT ptTop = WindowOrigin(hwndTop);
    int cx, cy;
    WndClientSize(pWnd, &cx, &cy);
    LONG x = pt.x - ptTop.x, y = pt.y - ptTop.y;
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
    HWND hwndTop = ImageOwnerOf(hwnd);
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

RECT WndFrameInImage(HWND hwnd, HWND hwndImage)
{
    POINT pt = WindowOrigin(hwnd);
    POINT ptImage = WindowOrigin(hwndImage);
    RECT rc = WndGet(hwnd)->rcWindow;
    LONG x = pt.x - ptImage.x, y = pt.y - ptImage.y;
    return RECT{x, y, x + rc.right - rc.left, y + rc.bottom - rc.top};
}

HWND WndImageBegin(HWND hwnd)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return NULL;
    if (pWnd->hwndParent == WndDesktop())
        return hwnd;
    WndSurfaceDrop(hwnd);
    g_hwndOwnImage = hwnd;
    return hwnd;
}

void WndImageEnd(HWND hwndImage)
{
    if (g_hwndOwnImage != hwndImage)
        return;
    g_hwndOwnImage = NULL;
    WndSurfaceDrop(hwndImage);
}
