/*
 * drive.h - what the tests need beyond the Win32 API: pumping the queue,
 * moving the clock, answering a modal dialog, reading the beep log.
 *
 * The headless platform provides these through its automation calls
 * (drive_headless.cpp); a build of the same tests for Windows supplies this
 * interface in its own way.
 */
#ifndef TESTS_FRAME_DRIVE_H
#define TESTS_FRAME_DRIVE_H

#include <windows.h>

void DrivePump(void);
/* Dispatches every message queued and due, without moving the clock. */

void DriveAdvanceClock(DWORD dwMilliseconds);
/* Moves the clock on, firing due timers and dispatching what they post. */

typedef void(CALLBACK *DRIVEDIALOGPROC)(HWND hDlg, void *pUser);
void DriveOnNextDialog(DRIVEDIALOGPROC pfnAnswer, void *pUser);
/* The next modal dialog is handed to pfnAnswer once initialised; the answer
   ends it (for example by clicking one of its buttons). */

void DriveOnNextFileDialog(const char *pszPath);
/* The next save or open dialog is answered with pszPath, or cancelled when
   pszPath is NULL. */

BOOL DriveLastFileDialog(char *pszInitialDir, char *pszInitialFile, DWORD *pdwFlags);
/* What the last file dialog was opened with: its initial folder and file
   (MAX_PATH bytes each) and its flags. FALSE when none was opened since the
   last DriveClearLogs. */

int DriveBeepCount(void);
/* MessageBeep calls since the last DriveClearLogs. */

int DriveHelpQuitCount(const char *pszFile);
/* WinHelpA(HELP_QUIT) calls for pszFile since the last DriveClearLogs. */

BOOL DriveLastHelpCall(char *pszFile, UINT *puCommand, ULONG_PTR *pdwData);
/* The file (MAX_PATH bytes), command and data of the last WinHelpA call;
   FALSE when none was made since the last DriveClearLogs. */

BOOL DriveLastShellFile(char *pszFile);
/* The file (MAX_PATH bytes) of the last ShellExecuteA call; FALSE when none
   was made since the last DriveClearLogs. */

void DriveOnNextMenu(UINT uCommand);
/* The next popup menu is answered with the item of command uCommand, or
   closed unanswered when uCommand is 0. A menu opened with no answer armed
   is closed unanswered: it never waits for a user. */

int DriveMenuCount(void);
/* Popup menus opened since the last DriveClearLogs. */

void DriveLastMenuItems(char *pszItems, int cchItems);
/* The items of the last popup menu, one "id text\n" line each; "" if none. */

void DriveClearLogs(void);

void DriveLimitFileSize(LONG cbMax);
/* A file written from now on cannot grow beyond cbMax bytes: a write past
   that fails as on a full disk. A negative cbMax lifts the limit. */

#endif /* TESTS_FRAME_DRIVE_H */
