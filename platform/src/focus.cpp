// Keyboard focus, mouse capture and the enabled state.
#include <windows.h>

#include "internal.h"

namespace {

HWND g_hwndFocus;
HWND g_hwndCapture;

// A window can take the focus only when it and all its parents are enabled.
bool CanTakeFocus(HWND hwnd)
{
    for (WND *pWnd = WndGet(hwnd); pWnd; pWnd = WndGet(pWnd->hwndParent))
        if (pWnd->dwStyle & WS_DISABLED)
            return false;
    return true;
}

}  // namespace

// Moves the focus out of a window that is hidden or destroyed: to its
// parent when that can take it, else nowhere.
void FocusReleaseTree(HWND hwndRoot)
{
    if (g_hwndCapture && WndIsInTree(hwndRoot, g_hwndCapture))
        ReleaseCapture();
    if (!g_hwndFocus || !WndIsInTree(hwndRoot, g_hwndFocus))
        return;
    WND *pRoot = WndGet(hwndRoot);
    HWND hwndParent = pRoot ? pRoot->hwndParent : NULL;
    WND *pParent = WndGet(hwndParent);
    if (hwndParent == WndDesktop() || !pParent || pParent->fDestroying || !SetFocus(hwndParent))
        SetFocus(NULL);
}

extern "C" HWND WINAPI SetFocus(HWND hWnd)
{
    if (hWnd && !WndGetOrFail(hWnd))
        return NULL;
    if (hWnd && !CanTakeFocus(hWnd))
        return NULL;
    HWND hwndOld = g_hwndFocus;
    if (hWnd == hwndOld)
        return hwndOld;
    // As on Windows, GetFocus already answers the new window while the old
    // one handles WM_KILLFOCUS.
    g_hwndFocus = hWnd;
    if (hwndOld && IsWindow(hwndOld)) {
        SendMessageA(hwndOld, WM_KILLFOCUS, (WPARAM)hWnd, 0);
        if (g_hwndFocus != hWnd)
            return hwndOld;
    }
    if (hWnd && IsWindow(hWnd))
        SendMessageA(hWnd, WM_SETFOCUS, (WPARAM)hwndOld, 0);
    return IsWindow(hwndOld) ? hwndOld : NULL;
}

extern "C" HWND WINAPI GetFocus(void)
{
    if (g_hwndFocus && !IsWindow(g_hwndFocus))
        g_hwndFocus = NULL;
    return g_hwndFocus;
}

extern "C" HWND WINAPI SetCapture(HWND hWnd)
{
    if (!WndGetOrFail(hWnd))
        return NULL;
    HWND hwndOld = GetCapture();
    g_hwndCapture = hWnd;
    if (hwndOld && hwndOld != hWnd)
        SendMessageA(hwndOld, WM_CAPTURECHANGED, 0, (LPARAM)hWnd);
    return hwndOld;
}

extern "C" BOOL WINAPI ReleaseCapture(void)
{
    HWND hwndOld = GetCapture();
    g_hwndCapture = NULL;
    if (hwndOld)
        SendMessageA(hwndOld, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

extern "C" HWND WINAPI GetCapture(void)
{
    if (g_hwndCapture && !IsWindow(g_hwndCapture))
        g_hwndCapture = NULL;
    return g_hwndCapture;
}

extern "C" BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return FALSE;
    BOOL fWasDisabled = (pWnd->dwStyle & WS_DISABLED) != 0;
    if (bEnable && fWasDisabled) {
        pWnd->dwStyle &= ~WS_DISABLED;
        SendMessageA(hWnd, WM_ENABLE, TRUE, 0);
    } else if (!bEnable && !fWasDisabled) {
        SendMessageA(hWnd, WM_CANCELMODE, 0, 0);
        pWnd = WndGet(hWnd);
        if (!pWnd)
            return FALSE;
        pWnd->dwStyle |= WS_DISABLED;
        if (GetFocus() && WndIsInTree(hWnd, GetFocus()))
            SetFocus(NULL);
        if (IsWindow(hWnd))
            SendMessageA(hWnd, WM_ENABLE, FALSE, 0);
    }
    return fWasDisabled;
}

extern "C" BOOL WINAPI IsWindowEnabled(HWND hWnd)
{
    WND *pWnd = WndGet(hWnd);
    return pWnd && !(pWnd->dwStyle & WS_DISABLED);
}
