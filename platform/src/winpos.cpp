// Window geometry and visibility: ShowWindow, SetWindowPos, rectangles and
// coordinate mapping. Coordinates of a window are kept relative to its
// parent's client area; the desktop's client area is the screen.
#include <windows.h>

#include <algorithm>

#include "internal.h"

namespace {

RECT ScreenRect(void)
{
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT WindowRectInParent(const WND *pWnd)
{
    if (pWnd->hwnd == WndDesktop())
        return ScreenRect();
    return pWnd->rcWindow;
}

bool FindSibling(const std::vector<HWND> &v, HWND hwnd, size_t *pi)
{
    auto it = std::find(v.begin(), v.end(), hwnd);
    if (it == v.end())
        return false;
    *pi = (size_t)(it - v.begin());
    return true;
}

// Moves the window in its parent's z-order: HWND_TOP, HWND_BOTTOM (also for
// the topmost values, which mean nothing headless) or after a sibling.
void Reorder(WND *pWnd, HWND hwndInsertAfter)
{
    WND *pParent = WndGet(pWnd->hwndParent);
    if (!pParent || hwndInsertAfter == pWnd->hwnd)
        return;
    auto &v = pParent->children;
    size_t iAfter = 0;
    if (hwndInsertAfter != HWND_TOP && hwndInsertAfter != HWND_BOTTOM
        && hwndInsertAfter != HWND_TOPMOST && hwndInsertAfter != HWND_NOTOPMOST
        && !FindSibling(v, hwndInsertAfter, &iAfter))
        return;
    v.erase(std::remove(v.begin(), v.end(), pWnd->hwnd), v.end());
    if (hwndInsertAfter == HWND_TOP || hwndInsertAfter == HWND_TOPMOST || hwndInsertAfter == HWND_NOTOPMOST)
        v.insert(v.begin(), pWnd->hwnd);
    else if (hwndInsertAfter == HWND_BOTTOM)
        v.push_back(pWnd->hwnd);
    else if (FindSibling(v, hwndInsertAfter, &iAfter))
        v.insert(v.begin() + (long)iAfter + 1, pWnd->hwnd);
}

// The flags that tell WM_WINDOWPOSCHANGED's default processing whether the
// client area moved or changed size.
UINT ClientChangeFlags(const WND *pWnd, const WINDOWPOS &wp)
{
    UINT uFlags = 0;
    const RECT &rc = pWnd->rcWindow;
    if ((wp.flags & SWP_NOMOVE) || (wp.x == rc.left && wp.y == rc.top))
        uFlags |= SWP_NOCLIENTMOVE;
    if ((wp.flags & SWP_NOSIZE) || (wp.cx == rc.right - rc.left && wp.cy == rc.bottom - rc.top))
        uFlags |= SWP_NOCLIENTSIZE;
    return uFlags;
}

void ApplyPos(WND *pWnd, const WINDOWPOS &wp)
{
    RECT &rc = pWnd->rcWindow;
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (!(wp.flags & SWP_NOMOVE)) {
        rc.left = wp.x;
        rc.top = wp.y;
    }
    if (!(wp.flags & SWP_NOSIZE)) {
        cx = std::max(wp.cx, 0);
        cy = std::max(wp.cy, 0);
    }
    rc.right = rc.left + cx;
    rc.bottom = rc.top + cy;
    if (!(wp.flags & SWP_NOZORDER))
        Reorder(pWnd, wp.hwndInsertAfter);
    if (wp.flags & SWP_SHOWWINDOW)
        pWnd->dwStyle |= WS_VISIBLE;
    if (wp.flags & SWP_HIDEWINDOW)
        pWnd->dwStyle &= ~WS_VISIBLE;
}

}  // namespace

int WndFrameWidth(const WND *pWnd)
{
    int nFrame = 0;
    if (pWnd->dwStyle & WS_BORDER)
        nFrame += 1;
    if (pWnd->dwExStyle & WS_EX_CLIENTEDGE)
        nFrame += 2;
    return nFrame;
}

void WndClientSize(const WND *pWnd, int *pcx, int *pcy)
{
    RECT rc = WindowRectInParent(pWnd);
    int nFrame = WndFrameWidth(pWnd);
    *pcx = std::max<int>(rc.right - rc.left - 2 * nFrame, 0);
    *pcy = std::max<int>(rc.bottom - rc.top - 2 * nFrame, 0);
}

POINT WndClientOrigin(HWND hwnd)
{
    POINT pt{0, 0};
    for (WND *pWnd = WndGet(hwnd); pWnd && pWnd->hwnd != WndDesktop(); pWnd = WndGet(pWnd->hwndParent)) {
        int nFrame = WndFrameWidth(pWnd);
        pt.x += pWnd->rcWindow.left + nFrame;
        pt.y += pWnd->rcWindow.top + nFrame;
    }
    return pt;
}

extern "C" BOOL WINAPI IsWindowVisible(HWND hWnd)
{
    WND *pWnd = WndGet(hWnd);
    if (!pWnd)
        return FALSE;
    for (; pWnd; pWnd = WndGet(pWnd->hwndParent))
        if (!(pWnd->dwStyle & WS_VISIBLE))
            return FALSE;
    return TRUE;
}

extern "C" BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || hWnd == WndDesktop())
        return FALSE;
    WINDOWPOS wp{hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    if (!(uFlags & SWP_NOSENDCHANGING))
        SendMessageA(hWnd, WM_WINDOWPOSCHANGING, 0, (LPARAM)&wp);
    pWnd = WndGet(hWnd);
    if (!pWnd)
        return FALSE;
    bool fWasVisible = IsWindowVisible(hWnd);
    bool fRedraw = !(wp.flags & SWP_NOREDRAW);
    bool fChanges = ClientChangeFlags(pWnd, wp) != (SWP_NOCLIENTMOVE | SWP_NOCLIENTSIZE)
                    || (wp.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW));
    if (fWasVisible && fRedraw && fChanges)
        PaintInvalidateParentArea(hWnd);
    wp.flags |= ClientChangeFlags(pWnd, wp);
    ApplyPos(pWnd, wp);
    if (fRedraw && fChanges && IsWindowVisible(hWnd))
        PaintInvalidateAll(hWnd, TRUE);
    // A child moved, sized or reordered without SWP_NOACTIVATE is told it
    // was activated, whether or not anything changed.
    if ((pWnd->dwStyle & (WS_CHILD | WS_POPUP)) == WS_CHILD && !(wp.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)))
        SendMessageA(hWnd, WM_CHILDACTIVATE, 0, 0);
    SendMessageA(hWnd, WM_WINDOWPOSCHANGED, 0, (LPARAM)&wp);
    return TRUE;
}

extern "C" BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint)
{
    UINT uFlags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
    return SetWindowPos(hWnd, NULL, X, Y, nWidth, nHeight, uFlags);
}

extern "C" BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return FALSE;
    BOOL fWasVisible = (pWnd->dwStyle & WS_VISIBLE) != 0;
    BOOL fShow = nCmdShow != SW_HIDE;
    if (fShow == fWasVisible)
        return fWasVisible;
    SendMessageA(hWnd, WM_SHOWWINDOW, (WPARAM)fShow, 0);
    if (!IsWindow(hWnd))
        return fWasVisible;
    UINT uFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(hWnd, NULL, 0, 0, 0, 0, uFlags | (fShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (!fShow)
        FocusReleaseTree(hWnd);
    return fWasVisible;
}

extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || !lpRect)
        return FALSE;
    int cx, cy;
    WndClientSize(pWnd, &cx, &cy);
    *lpRect = RECT{0, 0, cx, cy};
    return TRUE;
}

extern "C" BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || !lpRect)
        return FALSE;
    RECT rc = WindowRectInParent(pWnd);
    POINT ptParent = WndClientOrigin(pWnd->hwndParent);
    *lpRect = RECT{rc.left + ptParent.x, rc.top + ptParent.y, rc.right + ptParent.x, rc.bottom + ptParent.y};
    return TRUE;
}

extern "C" BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    if (!WndGetOrFail(hWnd) || !lpPoint)
        return FALSE;
    POINT pt = WndClientOrigin(hWnd);
    lpPoint->x += pt.x;
    lpPoint->y += pt.y;
    return TRUE;
}

extern "C" BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    if (!WndGetOrFail(hWnd) || !lpPoint)
        return FALSE;
    POINT pt = WndClientOrigin(hWnd);
    lpPoint->x -= pt.x;
    lpPoint->y -= pt.y;
    return TRUE;
}

extern "C" int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints)
{
    if ((hWndFrom && !WndGetOrFail(hWndFrom)) || (hWndTo && !WndGetOrFail(hWndTo)))
        return 0;
    POINT ptFrom = hWndFrom ? WndClientOrigin(hWndFrom) : POINT{0, 0};
    POINT ptTo = hWndTo ? WndClientOrigin(hWndTo) : POINT{0, 0};
    LONG dx = ptFrom.x - ptTo.x, dy = ptFrom.y - ptTo.y;
    for (UINT i = 0; lpPoints && i < cPoints; i++) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    SetLastError(NO_ERROR);
    return MAKELONG((WORD)(SHORT)dx, (WORD)(SHORT)dy);
}
