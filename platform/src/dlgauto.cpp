// Automation of dialogs and controls: the queue of modal-dialog handlers,
// the log of dialogs nobody answered, and typing, focus, combo, key and
// scroll actions done as a user would do them.
#include <cstdio>
#include <cstring>

#include <automation.h>

#include "dlgint.h"

#define AUTO_MAXHANDLERS 16
#define AUTO_MAXCANCELLED 64

struct AUTOHANDLER {
    AUTODIALOGPROC pfnHandler;
    void *pUser;
};

static AUTOHANDLER g_aHandlers[AUTO_MAXHANDLERS];
static UINT g_cHandlers;
static char g_aszCancelled[AUTO_MAXCANCELLED][64];
static UINT g_cCancelled;

extern "C" BOOL AutoQueueModalHandler(AUTODIALOGPROC pfnHandler, void *pUser)
{
    if (!pfnHandler || g_cHandlers == AUTO_MAXHANDLERS)
        return FALSE;
    g_aHandlers[g_cHandlers++] = AUTOHANDLER{pfnHandler, pUser};
    return TRUE;
}

extern "C" UINT AutoPendingModalHandlers(void)
{
    return g_cHandlers;
}

extern "C" void AutoClearModalHandlers(void)
{
    g_cHandlers = 0;
}

BOOL AutoRunModalHandler(HWND hDlg)
{
    if (g_cHandlers == 0)
        return FALSE;
    AUTOHANDLER next = g_aHandlers[0];
    // Taken off the queue before it runs: a dialog it opens takes the next.
    std::memmove(&g_aHandlers[0], &g_aHandlers[1], (g_cHandlers - 1) * sizeof g_aHandlers[0]);
    --g_cHandlers;
    next.pfnHandler(hDlg, next.pUser);
    return TRUE;
}

void AutoLogCancelledDialog(LPCSTR lpTemplate)
{
    if (g_cCancelled < AUTO_MAXCANCELLED)
        std::snprintf(g_aszCancelled[g_cCancelled], sizeof g_aszCancelled[0], "%s", lpTemplate ? lpTemplate : "");
    ++g_cCancelled;
}

extern "C" UINT AutoGetCancelledDialogCount(void)
{
    return g_cCancelled;
}

extern "C" BOOL AutoGetCancelledDialog(UINT uIndex, LPSTR lpName, int cchName)
{
    if (!lpName || cchName <= 0 || uIndex >= g_cCancelled || uIndex >= AUTO_MAXCANCELLED)
        return FALSE;
    std::snprintf(lpName, static_cast<size_t>(cchName), "%s", g_aszCancelled[uIndex]);
    return TRUE;
}

extern "C" void AutoClearCancelledDialogs(void)
{
    g_cCancelled = 0;
}

extern "C" BOOL AutoTypeText(HWND hEdit, LPCSTR lpText)
{
    if (!lpText || !CtlIsClass(hEdit, "EDIT") || !IsWindowEnabled(hEdit))
        return FALSE;
    if (GetFocus() != hEdit)
        SetFocus(hEdit);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(lpText); *p; ++p)
        SendMessageA(hEdit, WM_CHAR, *p, 1);
    if (!*lpText) // typing nothing over a selection deletes it
        SendMessageA(hEdit, WM_CHAR, '\b', 1);
    return TRUE;
}

extern "C" BOOL AutoLeaveFocus(HWND hWnd)
{
    if (!hWnd || GetFocus() != hWnd)
        return FALSE;
    HWND hParent = GetParent(hWnd);
    HWND hNext = hParent ? GetNextDlgTabItem(hParent, hWnd, FALSE) : NULL;
    if (hNext && hNext != hWnd)
        DlgSetFocus(hNext);
    else
        SetFocus(hParent);
    return TRUE;
}

extern "C" BOOL AutoChooseComboIndex(HWND hCombo, int nIndex)
{
    return ComboUserSelect(hCombo, nIndex);
}

extern "C" BOOL AutoChooseComboText(HWND hCombo, LPCSTR lpText)
{
    if (!lpText || !CtlIsClass(hCombo, "COMBOBOX"))
        return FALSE;
    LRESULT nIndex = SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(lpText));
    return nIndex != CB_ERR && ComboUserSelect(hCombo, static_cast<int>(nIndex));
}

static void AutoKeyMessage(HWND hDlg, UINT uMsg, WPARAM wParam)
{
    HWND hFocus = GetFocus();
    MSG msg = {};
    msg.hwnd = hFocus && IsChild(hDlg, hFocus) ? hFocus : hDlg;
    msg.message = uMsg;
    msg.wParam = wParam;
    msg.lParam = uMsg == WM_KEYUP ? static_cast<LPARAM>(0xC0000001) : 1;
    IsDialogMessageA(hDlg, &msg);
}

// The characters that TranslateMessage posted for the key come next, as
// they would from the keyboard.
static void AutoDeliverChars(HWND hDlg)
{
    MSG msg;
    while (IsWindow(hDlg) && PeekMessageA(&msg, NULL, WM_CHAR, WM_CHAR, PM_REMOVE))
        if (!IsDialogMessageA(hDlg, &msg))
            DispatchMessageA(&msg);
}

extern "C" BOOL AutoPressKey(HWND hDlg, UINT uVirtKey, BOOL bShift)
{
    if (!IsWindow(hDlg))
        return FALSE;
    DlgSetShiftState(bShift);
    AutoKeyMessage(hDlg, WM_KEYDOWN, uVirtKey);
    AutoDeliverChars(hDlg);
    if (IsWindow(hDlg))
        AutoKeyMessage(hDlg, WM_KEYUP, uVirtKey);
    DlgSetShiftState(FALSE);
    return TRUE;
}

extern "C" BOOL AutoScroll(HWND hWnd, int nBar, UINT uCode, int nPos)
{
    return ScrollUserAction(hWnd, nBar, uCode, nPos);
}
