/*
 * automation.h for the Windows test programs: the part of the platform's
 * automation interface that tests shared with Windows use, implemented
 * with plain Win32 calls (automation.cpp). The virtual clock has no
 * Windows counterpart: tests that depend on it are listed in
 * linux_only.txt and never run here.
 */
#ifndef TESTS_WINDOWS_AUTOMATION_H
#define TESTS_WINDOWS_AUTOMATION_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

UINT AutoPump(void);
/* Dispatches every message that is queued now (PeekMessageA with
 * PM_REMOVE, DispatchMessageA), including those posted while dispatching,
 * and the WM_PAINT of every invalid window. Leaves WM_QUIT in the queue.
 * Returns the number of messages dispatched. */

UINT AutoAdvanceClock(DWORD dwMilliseconds);
/* Pumps for dwMilliseconds of real time. Windows has no virtual clock, so
 * timer counts are only as exact as the system's timers. */

BOOL AutoClick(HWND hWnd);
/* Posts WM_LBUTTONDOWN (MK_LBUTTON) and WM_LBUTTONUP at the centre of
 * hWnd's client area to the capture window, when there is one, else to
 * hWnd, in the receiver's client coordinates, pumping after each. FALSE,
 * and nothing posted, when hWnd is invalid, hidden or disabled (itself or
 * a parent). */

BOOL AutoSetGlobalMove(BOOL bMove);
/* Windows never moves a block on its own; returns FALSE and does nothing. */

UINT AutoGetIdleQuitCount(void);
/* A real GetMessageA blocks instead of answering WM_QUIT when idle; this
 * reports a test failure and returns 0. */

typedef void(CALLBACK *AUTODIALOGPROC)(HWND hDlg, void *pUser);
BOOL AutoQueueModalHandler(AUTODIALOGPROC pfnHandler, void *pUser);
/* Queues pfnHandler for the next modal dialog that opens (first in, first
 * out: a dialog opened by a handler takes the next one). A hook on the
 * dialog's WM_INITDIALOG answer sets a thread timer, so the handler runs
 * from the dialog's own modal loop, just after it starts. A dialog still
 * open after its handler, or opened with no handler left, gets IDCANCEL
 * (as Esc would) and is logged; one deaf to IDCANCEL is ended with
 * EndDialog(IDCANCEL). Top-level dialogs only: a child dialog (a panel) is
 * never modal. FALSE when pfnHandler is NULL or 16 are already queued. */

UINT AutoPendingModalHandlers(void);
/* Handlers queued and not yet used. */

void AutoClearModalHandlers(void);

UINT AutoGetCancelledDialogCount(void);
/* Modal dialogs cancelled by the hook since AutoClearCancelledDialogs. */

void AutoClearCancelledDialogs(void);

BOOL AutoGetCancelledDialog(UINT uIndex, LPSTR lpName, int cchName);
/* Win32 does not tell which template a dialog came from: this reports a
 * test failure and returns FALSE. */

BOOL AutoTypeText(HWND hEdit, LPCSTR lpText);
/* Focuses the edit (SetFocus), selects its whole text (EM_SETSEL 0, -1)
 * and sends one WM_CHAR per byte of lpText (a double-byte character as its
 * two bytes), or one backspace for "", so that the edit itself sends
 * EN_UPDATE and EN_CHANGE. FALSE for a window that is not an enabled edit
 * control, or a NULL lpText. */

BOOL AutoLeaveFocus(HWND hWnd);
/* Moves the focus from hWnd to the next tab stop of its parent
 * (GetNextDlgTabItem; an edit reached gets its text selected, as Tab
 * does), or to the parent when there is none, so that an edit sends
 * EN_KILLFOCUS. FALSE when hWnd does not have the focus. */

BOOL AutoChooseComboIndex(HWND hCombo, int nIndex);
/* Picks item nIndex as a user does from the dropped list: focus, the list
 * dropped (CB_SHOWDROPDOWN), the item reached with one arrow key (or Home)
 * when it is not already selected, then Enter. The combo box sends
 * CBN_DROPDOWN, CBN_SELCHANGE (only when the selection changes),
 * CBN_SELENDOK and CBN_CLOSEUP itself. FALSE for a bad index or a window
 * that is not an enabled combo box. */

BOOL AutoChooseComboText(HWND hCombo, LPCSTR lpText);
/* As AutoChooseComboIndex for the item whose text equals lpText (without
 * case, CB_FINDSTRINGEXACT); FALSE when there is none. */

BOOL AutoPressKey(HWND hDlg, UINT uVirtKey, BOOL bShift);
/* Posts WM_KEYDOWN to the focused control of hDlg (or to hDlg) and runs
 * the queued key messages through IsDialogMessageA(hDlg), translating and
 * dispatching those it leaves, so that the WM_CHAR TranslateMessage makes
 * follows; then the same for WM_KEYUP. bShift holds Shift down in the
 * thread's keyboard state meanwhile. FALSE for a bad dialog. */

BOOL AutoScroll(HWND hWnd, int nBar, UINT uCode, int nPos);
/* The user works scroll bar nBar (SB_CTL for a SCROLLBAR control, SB_HORZ
 * or SB_VERT of a window): WM_HSCROLL / WM_VSCROLL with uCode and nPos to
 * the control's parent (lParam the control) or to the window (lParam 0).
 * The position itself is left to the receiver. FALSE for a bad window. */

const char *AutoMessageName(UINT uMsg);
/* "WM_CREATE" for WM_CREATE, ...; "WM_USER+n" / "WM_APP+n" for private
 * messages, "0x%04X" otherwise (a static buffer for those). */

#ifdef __cplusplus
}
#endif

#endif /* TESTS_WINDOWS_AUTOMATION_H */
