/*
 * automation.h - what a user or the host would do, for tests and the host
 * simulator (Linux only; the plug-in never includes this).
 *
 * Nothing here exists on Windows. Tests that must also run on Windows reach
 * these calls through their own small helper interface.
 */
#ifndef PLATFORM_AUTOMATION_H
#define PLATFORM_AUTOMATION_H

#include "windows.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- message pump, virtual clock, mouse and focus ---- */

/*
 * The virtual clock (GetTickCount) starts at 1000000 ms and moves only
 * through AutoAdvanceClock and a GetMessageA that waits for a timer.
 */

UINT AutoPump(void);
/* Dispatches everything that is due now: posted messages (also those posted
 * while pumping), WM_PAINT for windows with an update region and WM_TIMER
 * for due timers, without moving the clock. A window that stays invalid
 * after its WM_PAINT gets no second one in the same call (so a faulty
 * WM_PAINT handler cannot hang a test). WM_QUIT is left in place. Returns
 * the number of messages dispatched. */
UINT AutoAdvanceClock(DWORD dwMilliseconds);
/* Moves the virtual clock forward by dwMilliseconds, stopping at every
 * timer expiry in time order to pump (a timer of period P fires once per
 * elapsed P), then pumps at the final time. Returns the number of messages
 * dispatched. */
DWORD AutoGetClock(void);
/* The virtual clock in ms (same as GetTickCount). */
BOOL AutoClick(HWND hWnd);
/* A left click at the centre of hWnd's client area as the mouse would
 * make it: WM_LBUTTONDOWN (MK_LBUTTON) then WM_LBUTTONUP, each posted and
 * pumped, in client coordinates of the window that receives it (the
 * capture window when there is one). FALSE, and nothing sent, when the
 * window is invalid, hidden or disabled (itself or a parent). */
BOOL AutoSetGlobalMove(BOOL bMove);
/* Turns on/off the moving-memory debug mode: an unlocked movable block
 * moves to a new address at its next GlobalLock (contents copied, the old
 * storage poisoned and freed), so a pointer kept past its unlock is caught
 * by the sanitizers. Also switched on by QF_GLOBAL_MOVE=1 in the
 * environment at start-up. Returns the previous mode. */
UINT AutoGetIdleQuitCount(void);
/* How often GetMessageA found nothing to deliver and no timer to wait for,
 * and answered WM_QUIT instead of blocking. */
const char *AutoMessageName(UINT uMsg);
/* "WM_CREATE" for WM_CREATE, ...; "WM_USER+n" / "WM_APP+n" for private
 * messages, "0x%04X" otherwise (a static buffer for those: copy it before
 * the next call). */

/* ---- dialogs, edits, combo boxes, save dialog ---- */

/* ---- logs: beeps, help, shell, system metrics ---- */

#ifdef __cplusplus
}
#endif

#endif /* PLATFORM_AUTOMATION_H */
