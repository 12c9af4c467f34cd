/*
 * winuser.h - user-interface part of the platform layer: window classes,
 * windows, messages, timers, focus and capture; dialogs, standard controls
 * and resources; beeps, help, system metrics and the cursor.
 */
#ifndef PLATFORM_WINUSER_H
#define PLATFORM_WINUSER_H

#include "windef.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

/* ---- window classes, windows, messages, timers ---- */

/* ---- resources, dialogs and standard controls ---- */

/* ---- beeps, help, system metrics, cursor ---- */

/*
 * Headless: beeps make no sound and help opens nothing; both are logged
 * (see automation.h). The screen is virtual: its size and the cursor
 * position are set through the automation API (1280 x 1024 and (0, 0)
 * until then); other metrics are fixed values of a classic 96-dpi desktop.
 */

#define HELP_CONTEXT 0x0001
#define HELP_QUIT 0x0002
#define HELP_INDEX 0x0003
#define HELP_CONTENTS 0x0003
#define HELP_HELPONHELP 0x0004
#define HELP_SETINDEX 0x0005
#define HELP_SETCONTENTS 0x0005
#define HELP_CONTEXTPOPUP 0x0008
#define HELP_FORCEFILE 0x0009
#define HELP_FINDER 0x000B
#define HELP_KEY 0x0101
#define HELP_COMMAND 0x0102
#define HELP_PARTIALKEY 0x0105

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXFIXEDFRAME SM_CXDLGFRAME
#define SM_CYFIXEDFRAME SM_CYDLGFRAME
#define SM_CYVTHUMB 9
#define SM_CXHTHUMB 10
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXCURSOR 13
#define SM_CYCURSOR 14
#define SM_CYMENU 15
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_MOUSEPRESENT 19
#define SM_CYVSCROLL 20
#define SM_CXHSCROLL 21
#define SM_SWAPBUTTON 23
#define SM_CXMIN 28
#define SM_CYMIN 29
#define SM_CXSIZE 30
#define SM_CYSIZE 31
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXSIZEFRAME SM_CXFRAME
#define SM_CYSIZEFRAME SM_CYFRAME
#define SM_CXMINTRACK 34
#define SM_CYMINTRACK 35
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_DBCSENABLED 42
#define SM_CMOUSEBUTTONS 43
#define SM_CXEDGE 45
#define SM_CYEDGE 46
#define SM_CXSMICON 49
#define SM_CYSMICON 50
#define SM_CYSMCAPTION 51
#define SM_CXMAXIMIZED 61
#define SM_CYMAXIMIZED 62
#define SM_CXMENUCHECK 71
#define SM_CYMENUCHECK 72
#define SM_XVIRTUALSCREEN 76
#define SM_YVIRTUALSCREEN 77
#define SM_CXVIRTUALSCREEN 78
#define SM_CYVIRTUALSCREEN 79
#define SM_CMONITORS 80

#ifndef RC_INVOKED
BOOL WINAPI MessageBeep(UINT uType);
/* Logs the beep with its type (0, 0xFFFFFFFF or an MB_ICON value); TRUE. */

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
/* Logs the help request (window, file, HELP_ command, data); TRUE. */

int WINAPI GetSystemMetrics(int nIndex);
/* SM_CXSCREEN / SM_CYSCREEN: the virtual screen's size in pixels (and the
 * values derived from it); other known indexes: fixed values; 0 for an
 * unknown index, as Windows answers. */

BOOL WINAPI GetCursorPos(LPPOINT lpPoint);
/* The cursor position in screen pixels; FALSE for a NULL lpPoint. */
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINUSER_H */
