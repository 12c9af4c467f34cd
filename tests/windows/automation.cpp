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

// ---- modal dialogs ----
//
// A WH_CALLWNDPROCRET hook sees every WM_INITDIALOG of the thread. For a
// top-level dialog it starts a thread timer; the timer message is
// dispatched by the dialog's modal loop, which runs the queued handler.
// Later ticks check whether the dialog went, and cancel it if not. Each
// step removes its entry before calling out, since a handler may open a
// nested modal dialog whose loop dispatches this code again; the check of
// a dialog is scheduled only once its handler has returned.

namespace {

struct MODALHANDLER {
    AUTODIALOGPROC pfn;
    void *pUser;
};

// A dialog being answered: after its handler (nStep 1) it is cancelled
// (nStep 2), then ended (nStep 3) if it is still there.
struct MODALDIALOG {
    UINT_PTR idTimer;
    HWND hDlg;
    int nStep;
};

const UINT MAX_HANDLERS = 16;
std::vector<MODALHANDLER> s_handlers;
std::vector<MODALDIALOG> s_dialogs;
UINT s_cCancelled;
HHOOK s_hHook;

void CALLBACK ModalStep(HWND, UINT, UINT_PTR idTimer, DWORD);

void ScheduleStep(HWND hDlg, int nStep)
{
    UINT_PTR idTimer = SetTimer(NULL, 0, USER_TIMER_MINIMUM, ModalStep);
    if (idTimer != 0)
        s_dialogs.push_back({idTimer, hDlg, nStep});
}

void CALLBACK ModalStep(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    KillTimer(NULL, idTimer);
    auto it = std::find_if(s_dialogs.begin(), s_dialogs.end(),
                           [idTimer](const MODALDIALOG &d) { return d.idTimer == idTimer; });
    if (it == s_dialogs.end())
        return;
    MODALDIALOG dialog = *it;
    s_dialogs.erase(it);
    if (!IsWindow(dialog.hDlg))
        return;
    if (dialog.nStep == 1 && !s_handlers.empty()) {
        MODALHANDLER handler = s_handlers.front();
        s_handlers.erase(s_handlers.begin());
        handler.pfn(dialog.hDlg, handler.pUser);
        ScheduleStep(dialog.hDlg, 2);
    } else if (dialog.nStep <= 2) {
        s_cCancelled++;
        ScheduleStep(dialog.hDlg, 3);
        SendMessageA(dialog.hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     (LPARAM)GetDlgItem(dialog.hDlg, IDCANCEL));
    } else {
        EndDialog(dialog.hDlg, IDCANCEL);
    }
}

LRESULT CALLBACK InitDialogHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT *pMsg = (const CWPRETSTRUCT *)lParam;
    if (nCode == HC_ACTION && pMsg->message == WM_INITDIALOG &&
        !(GetWindowLongA(pMsg->hwnd, GWL_STYLE) & WS_CHILD))
        ScheduleStep(pMsg->hwnd, 1);
    return CallNextHookEx(s_hHook, nCode, wParam, lParam);
}

// Installed before any test runs, so that a dialog nobody answers is
// cancelled instead of waiting for a click that never comes.
struct HOOKINSTALLER {
    HOOKINSTALLER()
    {
        s_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, InitDialogHook, NULL, GetCurrentThreadId());
    }
} s_hookInstaller;

}  // namespace

extern "C" BOOL AutoQueueModalHandler(AUTODIALOGPROC pfnHandler, void *pUser)
{
    if (pfnHandler == NULL || s_handlers.size() >= MAX_HANDLERS)
        return FALSE;
    s_handlers.push_back({pfnHandler, pUser});
    return TRUE;
}

extern "C" UINT AutoPendingModalHandlers(void)
{
    return (UINT)s_handlers.size();
}

extern "C" void AutoClearModalHandlers(void)
{
    s_handlers.clear();
}

extern "C" UINT AutoGetCancelledDialogCount(void)
{
    return s_cCancelled;
}

extern "C" void AutoClearCancelledDialogs(void)
{
    s_cCancelled = 0;
}
