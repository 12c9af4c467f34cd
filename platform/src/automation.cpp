// Automation of the mouse: a click as the mouse would make it.
#include <windows.h>

#include "automation.h"
#include "internal.h"

namespace {

bool IsClickable(HWND hwnd)
{
    if (!IsWindowVisible(hwnd))
        return false;
    for (WND *pWnd = WndGet(hwnd); pWnd; pWnd = WndGet(pWnd->hwndParent))
        if (pWnd->dwStyle & WS_DISABLED)
            return false;
    return true;
}

// Posts a mouse message for the screen point to the capture window, if any,
// else to hwnd, in the receiver's client coordinates; then pumps.
UINT PostMouse(HWND hwnd, UINT uMsg, WPARAM wKeys, POINT ptScreen)
{
    HWND hwndTarget = GetCapture() ? GetCapture() : hwnd;
    POINT pt = ptScreen;
    ScreenToClient(hwndTarget, &pt);
    MsgPostAt(hwndTarget, uMsg, wKeys, MAKELPARAM(pt.x, pt.y), ptScreen);
    return AutoPump();
}

}  // namespace

extern "C" BOOL AutoClick(HWND hWnd)
{
    if (!IsWindow(hWnd) || !IsClickable(hWnd))
        return FALSE;
    RECT rc;
    GetClientRect(hWnd, &rc);
    POINT pt{rc.right / 2, rc.bottom / 2};
    ClientToScreen(hWnd, &pt);
    PostMouse(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    if (IsWindow(hWnd) || GetCapture())
        PostMouse(hWnd, WM_LBUTTONUP, 0, pt);
    return TRUE;
}
