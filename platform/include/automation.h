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

/* A modal dialog never waits for a user: each one takes the next queued
 * handler, which drives it as a user would; one left open with no handler
 * is cancelled and logged (DialogBoxParamA). */
typedef void (CALLBACK *AUTODIALOGPROC)(HWND hDlg, void *pUser);
BOOL AutoQueueModalHandler(AUTODIALOGPROC pfnHandler, void *pUser);
/* Queues pfnHandler for the next modal dialog that opens (first in, first
 * out: a dialog opened by a handler takes the next one). It runs after
 * WM_INITDIALOG with the shown dialog and may click, type, press keys and
 * call EndDialog. FALSE when pfnHandler is NULL or 16 are already queued. */
UINT AutoPendingModalHandlers(void);
/* Handlers queued and not yet used. */
void AutoClearModalHandlers(void);
UINT AutoGetCancelledDialogCount(void);
/* Modal dialogs ended as Cancel because no handler was left for them,
 * since the last AutoClearCancelledDialogs. */
BOOL AutoGetCancelledDialog(UINT uIndex, LPSTR lpName, int cchName);
/* The template name of cancelled dialog uIndex (0 = first): "#102" for an
 * id, else the name ("SETUPDLG_NORMAL"). FALSE for an index beyond the 64
 * recorded or a bad buffer. */
void AutoClearCancelledDialogs(void);

BOOL AutoTypeText(HWND hEdit, LPCSTR lpText);
/* Types into an edit as a user replacing its contents: focus (EN_SETFOCUS),
 * whole text selected, then one WM_CHAR per byte (a double-byte character
 * as its two bytes), each change followed by EN_UPDATE and EN_CHANGE.
 * FALSE for a window that is not an enabled edit control. */
BOOL AutoLeaveFocus(HWND hWnd);
/* Moves the focus from hWnd to the next tab stop of its parent (or to the
 * parent itself), so that an edit hears EN_KILLFOCUS. FALSE when hWnd does
 * not have the focus. */
BOOL AutoChooseComboIndex(HWND hCombo, int nIndex);
/* Picks item nIndex from a combo box's list as a user would: focus,
 * CBN_DROPDOWN, CBN_SELCHANGE (only when the selection changes),
 * CBN_SELENDOK, CBN_CLOSEUP. FALSE for a bad index or window. */
BOOL AutoChooseComboText(HWND hCombo, LPCSTR lpText);
/* As AutoChooseComboIndex for the item whose text equals lpText (without
 * case); FALSE when there is none. */
BOOL AutoPressKey(HWND hDlg, UINT uVirtKey, BOOL bShift);
/* A key press in a dialog: WM_KEYDOWN, the WM_CHAR that TranslateMessage
 * posts for it, and WM_KEYUP, for the focused control and each through
 * IsDialogMessageA(hDlg), so Enter presses the default button and Tab
 * moves the focus; bShift holds Shift down meanwhile. FALSE for a bad
 * dialog. */
BOOL AutoScroll(HWND hWnd, int nBar, UINT uCode, int nPos);
/* The user works scroll bar nBar (SB_CTL for a SCROLLBAR control, SB_HORZ
 * or SB_VERT of a window): WM_HSCROLL / WM_VSCROLL with uCode and nPos
 * (SB_THUMBTRACK / SB_THUMBPOSITION) to the control's parent or to the
 * window. The position itself is left to the receiver, as on Windows. */

/* -- open and save file dialogs -- */

#define AUTO_FILEDLG_SAVE 0
#define AUTO_FILEDLG_OPEN 1

/* One call of GetSaveFileNameA / GetOpenFileNameA as the caller made it,
 * and its outcome. Texts longer than a field are cut; NULL is logged as "". */
typedef struct tagAUTOFILEDLGCALL {
    UINT uKind;                     /* AUTO_FILEDLG_SAVE or AUTO_FILEDLG_OPEN */
    HWND hwndOwner;
    char szTitle[128];
    char szFilter[512];             /* the filter strings, each followed by '|':
                                       "CSV File(*.CSV)|*.CSV|All Files(*.*)|*.*|" */
    DWORD nFilterIndex;
    char szInitialDir[MAX_PATH];
    char szInitialFile[MAX_PATH];   /* lpstrFile as passed in */
    DWORD dwFlags;                  /* Flags as passed in */
    char szDefExt[16];
    DWORD dwStructSize;
    BOOL bResult;                   /* what the call returned */
    DWORD dwError;                  /* CommDlgExtendedError() after the call */
    char szResult[MAX_PATH];        /* lpstrFile on return, when bResult */
} AUTOFILEDLGCALL;

void AutoQueueFileDialogPath(LPCSTR pszPath);
/* The next file dialog is answered with pszPath (a full path, or a bare
 * file name as the user would type it). Answers are used in order. */

void AutoQueueFileDialogCancel(void);
/* The next file dialog is cancelled. */

void AutoClearFileDialogAnswers(void);
/* Drops every queued answer. */

int AutoGetFileDialogCount(void);
/* Number of file dialog calls logged since the last AutoClearLogs. */

BOOL AutoGetFileDialogCall(int iCall, AUTOFILEDLGCALL *pCall);
/* Copies call iCall (0 = the first) into *pCall; FALSE when out of range. */

/* ---- logs: beeps, help, shell, system metrics ---- */

/* Log of MessageBeep, WinHelpA and ShellExecuteA calls (and of the file
 * dialogs, above), oldest first. Texts longer than a field are cut; NULL
 * is logged as "". */

typedef struct tagAUTOHELPCALL {
    HWND hwnd;
    char szHelpFile[MAX_PATH];
    UINT uCommand;
    ULONG_PTR dwData;
} AUTOHELPCALL;

typedef struct tagAUTOSHELLCALL {
    HWND hwnd;
    char szVerb[32];
    char szFile[MAX_PATH];
    char szParameters[MAX_PATH];
    char szDirectory[MAX_PATH];
    INT nShowCmd;
    INT_PTR nResult;                /* what ShellExecuteA returned */
} AUTOSHELLCALL;

void AutoClearLogs(void);
/* Empties the beep, help, shell and file dialog logs. */

int AutoGetBeepCount(void);
BOOL AutoGetBeep(int iBeep, UINT *puType);
/* Number of MessageBeep calls; the type of beep iBeep (FALSE when out of
 * range). */

int AutoGetHelpCount(void);
BOOL AutoGetHelpCall(int iCall, AUTOHELPCALL *pCall);
/* Number of WinHelpA calls; a copy of call iCall (FALSE when out of range). */

int AutoGetShellCount(void);
BOOL AutoGetShellCall(int iCall, AUTOSHELLCALL *pCall);
/* Number of ShellExecuteA calls; a copy of call iCall (FALSE when out of
 * range). */

BOOL AutoSetScreenSize(int cx, int cy);
/* Size of the virtual screen in pixels for GetSystemMetrics (SM_CXSCREEN,
 * SM_CYSCREEN and what derives from them). FALSE, nothing changed, unless
 * both are at least 1. */

void AutoSetCursorPos(int x, int y);

/* ---- popup menus ---- */

void AutoQueueMenuAnswer(UINT uCommand);
/* The next popup menu chooses the item of command uCommand, or closes
 * unanswered when uCommand is 0 or no item has it. Answers are used in
 * order; a menu with none queued closes unanswered. */
int AutoGetMenuCount(void);
/* Popup menus tracked since the last AutoClearLogs. */
BOOL AutoGetLastMenuItems(LPSTR lpItems, int cchItems);
/* The items of the last menu tracked, one "id text\n" line each (cut to
 * cchItems - 1 bytes); FALSE when none was tracked or for a bad buffer. */
/* Cursor position in screen pixels for GetCursorPos. */

#ifdef __cplusplus
}
#endif

#endif /* PLATFORM_AUTOMATION_H */
