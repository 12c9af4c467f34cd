// The automation calls the shared tests use, done with plain Win32: what a
// user would do is posted as input messages and pumped.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "automation.h"

namespace {

// Parents included: a click reaches only a visible, enabled window.
bool AcceptsInput(HWND hWnd)
{
    return IsWindow(hWnd) && IsWindowVisible(hWnd) && IsWindowEnabled(hWnd) &&
           (!(GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) || AcceptsInput(GetParent(hWnd)));
}

void PostMouse(HWND hwndTarget, UINT uMsg, WPARAM wParam, POINT ptScreen)
{
    POINT pt = ptScreen;
    ScreenToClient(hwndTarget, &pt);
    PostMessageA(hwndTarget, uMsg, wParam, MAKELPARAM(pt.x, pt.y));
}

}  // namespace

extern "C" UINT AutoPump(void)
{
    // A window that stays invalid after its WM_PAINT would get WM_PAINT
    // forever; as on Linux it gets one per call, then is validated.
    std::vector<HWND> painted;
    UINT cDispatched = 0;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        if (!PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            break;
        if (msg.message == WM_PAINT) {
            if (std::find(painted.begin(), painted.end(), msg.hwnd) != painted.end()) {
                ValidateRect(msg.hwnd, NULL);
                continue;
            }
            painted.push_back(msg.hwnd);
        }
        DispatchMessageA(&msg);
        cDispatched++;
    }
    return cDispatched;
}

extern "C" UINT AutoAdvanceClock(DWORD dwMilliseconds)
{
    UINT cDispatched = AutoPump();
    DWORD dwEnd = GetTickCount() + dwMilliseconds;
    for (;;) {
        DWORD dwNow = GetTickCount();
        if ((LONG)(dwEnd - dwNow) <= 0)
            break;
        MsgWaitForMultipleObjects(0, NULL, FALSE, dwEnd - dwNow, QS_ALLINPUT);
        cDispatched += AutoPump();
    }
    return cDispatched;
}

extern "C" BOOL AutoClick(HWND hWnd)
{
    if (!AcceptsInput(hWnd))
        return FALSE;
    RECT rc;
    GetClientRect(hWnd, &rc);
    POINT pt = {(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2};
    ClientToScreen(hWnd, &pt);
    HWND hwndCapture = GetCapture();
    PostMouse(hwndCapture ? hwndCapture : hWnd, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    AutoPump();
    hwndCapture = GetCapture();
    PostMouse(hwndCapture ? hwndCapture : hWnd, WM_LBUTTONUP, 0, pt);
    AutoPump();
    return TRUE;
}

extern "C" BOOL AutoSetGlobalMove(BOOL)
{
    return FALSE;
}

extern "C" UINT AutoGetIdleQuitCount(void)
{
    ADD_FAILURE() << "an idle GetMessageA blocks on Windows: this test belongs in linux_only.txt";
    return 0;
}
