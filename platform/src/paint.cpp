// Invalidation and painting. Each window keeps the bounding rectangle of its
// update region and whether the background must be erased; the queue turns
// a non-empty update rectangle of a visible window into WM_PAINT.
#include <windows.h>

#include <algorithm>

#include "gdi.h"
#include "internal.h"

namespace {

bool IsEmpty(const RECT &rc)
{
    return rc.right <= rc.left || rc.bottom <= rc.top;
}

RECT Intersect(const RECT &a, const RECT &b)
{
    RECT rc{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
    return IsEmpty(rc) ? RECT{0, 0, 0, 0} : rc;
}

RECT Union(const RECT &a, const RECT &b)
{
    if (IsEmpty(a))
        return b;
    if (IsEmpty(b))
        return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

RECT ClientRect(const WND *pWnd)
{
    int cx, cy;
    WndClientSize(pWnd, &cx, &cy);
    return RECT{0, 0, cx, cy};
}

// Adds rc (client coordinates) to the window and, unless it clips its
// children, to the visible children it overlaps.
void Invalidate(HWND hwnd, const RECT &rcArea, BOOL bErase)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    RECT rc = Intersect(rcArea, ClientRect(pWnd));
    if (IsEmpty(rc))
        return;
    pWnd->rcUpdate = Union(pWnd->rcUpdate, rc);
    if (bErase)
        pWnd->fErase = TRUE;
    if (pWnd->dwStyle & WS_CLIPCHILDREN)
        return;
    for (HWND hwndChild : std::vector<HWND>(pWnd->children)) {
        WND *pChild = WndGet(hwndChild);
        if (!pChild || !(pChild->dwStyle & WS_VISIBLE))
            continue;
        POINT pt = {0, 0};
        MapWindowPoints(hwnd, hwndChild, &pt, 1);
        RECT rcChild{rc.left + pt.x, rc.top + pt.y, rc.right + pt.x, rc.bottom + pt.y};
        Invalidate(hwndChild, rcChild, bErase);
    }
}

void ValidateAll(WND *pWnd)
{
    pWnd->rcUpdate = RECT{0, 0, 0, 0};
    pWnd->fErase = FALSE;
}

// Removes rc from the update rectangle where the remainder is still a
// rectangle; otherwise the bounding rectangle stays as it is.
void Subtract(WND *pWnd, const RECT &rc)
{
    RECT &u = pWnd->rcUpdate;
    RECT i = Intersect(u, rc);
    if (IsEmpty(i))
        return;
    bool fFullWidth = i.left == u.left && i.right == u.right;
    bool fFullHeight = i.top == u.top && i.bottom == u.bottom;
    if (fFullWidth && fFullHeight)
        ValidateAll(pWnd);
    else if (fFullWidth && i.top == u.top)
        u.top = i.bottom;
    else if (fFullWidth && i.bottom == u.bottom)
        u.bottom = i.top;
    else if (fFullHeight && i.left == u.left)
        u.left = i.right;
    else if (fFullHeight && i.right == u.right)
        u.right = i.left;
}

// Removes rc (client coordinates) from the window and, unless it clips its
// children, from the visible children it overlaps: validating, like
// invalidating, reaches the children a parent paints over.
void Validate(HWND hwnd, const RECT &rcArea)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    RECT rc = Intersect(rcArea, ClientRect(pWnd));
    if (IsEmpty(rc))
        return;
    Subtract(pWnd, rc);
    if (pWnd->dwStyle & WS_CLIPCHILDREN)
        return;
    for (HWND hwndChild : std::vector<HWND>(pWnd->children)) {
        WND *pChild = WndGet(hwndChild);
        if (!pChild || !(pChild->dwStyle & WS_VISIBLE))
            continue;
        POINT pt = {0, 0};
        MapWindowPoints(hwnd, hwndChild, &pt, 1);
        Validate(hwndChild, RECT{rc.left + pt.x, rc.top + pt.y, rc.right + pt.x, rc.bottom + pt.y});
    }
}

bool NeedsPaint(HWND hwnd)
{
    WND *pWnd = WndGet(hwnd);
    return pWnd && !IsEmpty(pWnd->rcUpdate) && IsWindowVisible(hwnd);
}

// Sends WM_ERASEBKGND if one is pending; returns whether the window erased.
bool EraseIfPending(HWND hwnd, HDC hdc)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd || !pWnd->fErase)
        return true;
    pWnd->fErase = FALSE;
    return SendMessageA(hwnd, WM_ERASEBKGND, (WPARAM)hdc, 0) != 0;
}

}  // namespace

bool PaintFindWindow(HWND hwndFilter, const std::set<HWND> *pSkip, HWND *phwnd)
{
    HWND hwndFound = NULL;
    HWND hwndRoot = (hwndFilter && hwndFilter != (HWND)-1) ? hwndFilter : WndDesktop();
    if (hwndFilter == (HWND)-1)
        return false;
    WndForEachInTree(hwndRoot, [&](HWND hwnd) {
        if (!hwndFound && NeedsPaint(hwnd) && !(pSkip && pSkip->count(hwnd)))
            hwndFound = hwnd;
    });
    if (!hwndFound)
        return false;
    *phwnd = hwndFound;
    return true;
}

void PaintInvalidateAll(HWND hwnd, BOOL bErase)
{
    WND *pWnd = WndGet(hwnd);
    if (pWnd)
        Invalidate(hwnd, ClientRect(pWnd), bErase);
}

// Exposes the parent's area under a window that moves, shrinks or hides.
void PaintInvalidateParentArea(HWND hwnd)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd || pWnd->hwndParent == WndDesktop() || !IsWindowVisible(hwnd))
        return;
    WND *pParent = WndGet(pWnd->hwndParent);
    if (!pParent)
        return;
    RECT rc = Intersect(pWnd->rcWindow, ClientRect(pParent));
    if (IsEmpty(rc))
        return;
    pParent->rcUpdate = Union(pParent->rcUpdate, rc);
    pParent->fErase = TRUE;
}

extern "C" BOOL WINAPI InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase)
{
    if (!hWnd) {
        for (HWND hwndTop : std::vector<HWND>(WndGet(WndDesktop())->children))
            PaintInvalidateAll(hwndTop, bErase);
        return TRUE;
    }
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return FALSE;
    Invalidate(hWnd, lpRect ? *lpRect : ClientRect(pWnd), bErase);
    return TRUE;
}

extern "C" BOOL WINAPI ValidateRect(HWND hWnd, const RECT *lpRect)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return FALSE;
    if (!lpRect)
        ValidateAll(pWnd);
    Validate(hWnd, lpRect ? *lpRect : ClientRect(pWnd));
    return TRUE;
}

extern "C" BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return FALSE;
    RECT rc = pWnd->rcUpdate;
    if (lpRect)
        *lpRect = IsEmpty(rc) ? RECT{0, 0, 0, 0} : rc;
    if (IsEmpty(rc))
        return FALSE;
    if (bErase) {
        HDC hdc = GetDC(hWnd);
        EraseIfPending(hWnd, hdc);
        ReleaseDC(hWnd, hdc);
    }
    return TRUE;
}

extern "C" BOOL WINAPI UpdateWindow(HWND hWnd)
{
    if (!WndGetOrFail(hWnd))
        return FALSE;
    WndForEachInTree(hWnd, [](HWND hwnd) {
        if (NeedsPaint(hwnd))
            SendMessageA(hwnd, WM_PAINT, 0, 0);
    });
    return TRUE;
}

extern "C" HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint)
{
    if (!lpPaint || !WndGetOrFail(hWnd))
        return NULL;
    *lpPaint = PAINTSTRUCT{};
    HDC hdc = DcCreateForWindow(hWnd);
    if (!hdc)
        return NULL;
    lpPaint->hdc = hdc;
    lpPaint->fErase = !EraseIfPending(hWnd, hdc);
    WND *pWnd = WndGet(hWnd);
    if (!pWnd) {
        DcRelease(hdc);
        return NULL;
    }
    lpPaint->rcPaint = IsEmpty(pWnd->rcUpdate) ? RECT{0, 0, 0, 0} : pWnd->rcUpdate;
    ValidateAll(pWnd);
    DcClipToPaint(hdc, lpPaint->rcPaint);
    return hdc;
}

extern "C" BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT *lpPaint)
{
    if (!lpPaint)
        return FALSE;
    DcRelease(lpPaint->hdc);
    return TRUE;
}
