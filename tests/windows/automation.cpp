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

extern "C" BOOL AutoGetCancelledDialog(UINT, LPSTR, int)
{
    ADD_FAILURE() << "Win32 does not tell a dialog's template name: this test belongs in linux_only.txt";
    return FALSE;
}

// ---- keyboard, edits, combo boxes and scroll bars ----

namespace {

bool IsClass(HWND hWnd, LPCSTR lpClass)
{
    char szClass[32];
    return IsWindow(hWnd) && GetClassNameA(hWnd, szClass, sizeof szClass) > 0 && lstrcmpiA(szClass, lpClass) == 0;
}

// lParam of a key message: one repeat, the key's scan code, and for a
// release the previous-state and transition bits.
LPARAM KeyLParam(UINT uVirtKey, bool bUp)
{
    LPARAM lParam = 1 | ((LPARAM)(MapVirtualKeyA(uVirtKey, MAPVK_VK_TO_VSC) & 0xFF) << 16);
    return bUp ? (LPARAM)((DWORD)lParam | 0xC0000000u) : lParam;
}

// A key pressed and released on the focused window, sent directly as the
// window's own keyboard handling sees it (no dialog manager in between).
void SendKey(HWND hWnd, UINT uVirtKey)
{
    SendMessageA(hWnd, WM_KEYDOWN, uVirtKey, KeyLParam(uVirtKey, false));
    SendMessageA(hWnd, WM_KEYUP, uVirtKey, KeyLParam(uVirtKey, true));
}

// Shift held down or released in the thread's keyboard state, which
// GetKeyState (and so IsDialogMessageA's Tab handling) reads.
void SetShift(bool bDown)
{
    BYTE abState[256];
    GetKeyboardState(abState);
    abState[VK_SHIFT] = abState[VK_LSHIFT] = bDown ? 0x80 : 0;
    SetKeyboardState(abState);
}

// Every key message queued for the thread (the key posted and the
// characters TranslateMessage made of it) through the dialog manager, as a
// modal loop does; what it does not take is translated and dispatched.
void RunKeyMessages(HWND hDlg)
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        if (IsWindow(hDlg) && IsDialogMessageA(hDlg, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// One character typed into hWnd: posted, then dispatched at once.
void PostChar(HWND hWnd, BYTE bChar)
{
    PostMessageA(hWnd, WM_CHAR, bChar, 1);
    MSG msg;
    while (PeekMessageA(&msg, hWnd, WM_CHAR, WM_CHAR, PM_REMOVE))
        DispatchMessageA(&msg);
}

}  // namespace

extern "C" BOOL AutoTypeText(HWND hEdit, LPCSTR lpText)
{
    if (lpText == NULL || !IsClass(hEdit, "Edit") || !IsWindowEnabled(hEdit))
        return FALSE;
    if (GetFocus() != hEdit)
        SetFocus(hEdit);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    // Posted and dispatched as the keyboard's characters come: a
    // double-byte character posted as its lead byte, then its trail byte,
    // reaches the edit whole (Windows joins the two bytes of posted
    // WM_CHARs; Wine does not join sent ones).
    for (const BYTE *p = (const BYTE *)lpText; *p != 0; p++)
        PostChar(hEdit, *p);
    if (*lpText == 0)  // typing nothing over the selection deletes it
        PostChar(hEdit, '\b');
    return TRUE;
}

extern "C" BOOL AutoLeaveFocus(HWND hWnd)
{
    if (hWnd == NULL || GetFocus() != hWnd)
        return FALSE;
    HWND hParent = GetParent(hWnd);
    HWND hNext = hParent ? GetNextDlgTabItem(hParent, hWnd, FALSE) : NULL;
    if (hNext == NULL || hNext == hWnd) {
        SetFocus(hParent);
        return TRUE;
    }
    // Tab selects the whole text of an edit it reaches, as the dialog
    // manager does.
    SetFocus(hNext);
    if (SendMessageA(hNext, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(hNext, EM_SETSEL, 0, -1);
    return TRUE;
}

// The list dropped, the item reached with one arrow key (or Home) so that
// the list box itself reports one selection change, and Enter to take it
// and close the list: the combo box then sends CBN_SELCHANGE, CBN_SELENDOK
// and CBN_CLOSEUP itself. CB_SETCURSEL alone would notify nothing.
extern "C" BOOL AutoChooseComboIndex(HWND hCombo, int nIndex)
{
    if (!IsClass(hCombo, "ComboBox") || !IsWindowEnabled(hCombo) || nIndex < 0 ||
        nIndex >= (int)SendMessageA(hCombo, CB_GETCOUNT, 0, 0))
        return FALSE;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(hCombo, &info))
        return FALSE;
    HWND hFocus = GetFocus();
    if (hFocus != hCombo && !IsChild(hCombo, hFocus))
        SetFocus(hCombo);
    hFocus = GetFocus();
    SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    if ((int)SendMessageA(hCombo, CB_GETCURSEL, 0, 0) != nIndex) {
        if (nIndex == 0) {
            SendKey(hFocus, VK_HOME);
        } else {
            SendMessageA(info.hwndList, LB_SETCURSEL, nIndex - 1, 0);
            SendKey(hFocus, VK_DOWN);
        }
    }
    SendKey(hFocus, VK_RETURN);
    return TRUE;
}

extern "C" BOOL AutoChooseComboText(HWND hCombo, LPCSTR lpText)
{
    if (lpText == NULL || !IsClass(hCombo, "ComboBox"))
        return FALSE;
    LRESULT nIndex = SendMessageA(hCombo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)lpText);
    return nIndex != CB_ERR && AutoChooseComboIndex(hCombo, (int)nIndex);
}

extern "C" BOOL AutoPressKey(HWND hDlg, UINT uVirtKey, BOOL bShift)
{
    if (!IsWindow(hDlg))
        return FALSE;
    SetShift(bShift != FALSE);
    HWND hFocus = GetFocus();
    HWND hTarget = hFocus && IsChild(hDlg, hFocus) ? hFocus : hDlg;
    PostMessageA(hTarget, WM_KEYDOWN, uVirtKey, KeyLParam(uVirtKey, false));
    RunKeyMessages(hDlg);
    hFocus = GetFocus();
    hTarget = hFocus && IsChild(hDlg, hFocus) ? hFocus : hDlg;
    if (IsWindow(hTarget)) {
        PostMessageA(hTarget, WM_KEYUP, uVirtKey, KeyLParam(uVirtKey, true));
        RunKeyMessages(hDlg);
    }
    SetShift(false);
    return TRUE;
}

// A scroll bar control tells its parent, a window's own bar the window.
extern "C" BOOL AutoScroll(HWND hWnd, int nBar, UINT uCode, int nPos)
{
    if (!IsWindow(hWnd) || (nBar == SB_CTL && !IsClass(hWnd, "ScrollBar")))
        return FALSE;
    BOOL bVertical = nBar == SB_CTL ? (GetWindowLongA(hWnd, GWL_STYLE) & SBS_VERT) != 0 : nBar == SB_VERT;
    HWND hTarget = nBar == SB_CTL ? GetParent(hWnd) : hWnd;
    if (hTarget == NULL)
        return FALSE;
    SendMessageA(hTarget, bVertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(uCode, (WORD)nPos),
                 nBar == SB_CTL ? (LPARAM)hWnd : 0);
    return TRUE;
}
