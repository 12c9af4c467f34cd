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

const char *AutoMessageName(UINT uMsg);
/* "WM_CREATE" for WM_CREATE, ...; "WM_USER+n" / "WM_APP+n" for private
 * messages, "0x%04X" otherwise (a static buffer for those). */

#ifdef __cplusplus
}
#endif

#endif /* TESTS_WINDOWS_AUTOMATION_H */
