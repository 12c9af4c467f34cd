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

/* ---- dialogs, edits, combo boxes, save dialog ---- */

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
/* Cursor position in screen pixels for GetCursorPos. */

#ifdef __cplusplus
}
#endif

#endif /* PLATFORM_AUTOMATION_H */
