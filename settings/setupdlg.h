/*
 * setupdlg.h - the setup panel beside the analysis window, the analysis
 * setup dialog, the band setup dialog and the help they share.
 *
 * The panel and the dialogs edit the analysis window's record. They reach
 * it through the window's long 0 for one message at a time, never keeping a
 * pointer: a dialog's handlers check first that the window still holds the
 * record the dialog was opened for, and a dialog whose window has gone (or
 * lost its record) ends as cancelled without touching anything. Each dialog
 * keeps module-wide working state, so one of each kind is open at a time; a
 * second request while one is up returns IDCANCEL without a dialog.
 */
#ifndef QFFTANA_SETUPDLG_H
#define QFFTANA_SETUPDLG_H

#include <windows.h>

#include "frame/fftview.h"

/* Help contexts of the panel and the two dialogs. */
#define HELP_CTX_PANEL      0
#define HELP_CTX_ANALYSETUP 10007
#define HELP_CTX_BANDSETUP  10008

HWND CreateSetupPanel(HWND hWnd, FFTVIEWDATA *pData);
/* Creates the setup panel of analysis window hWnd from "SETUPDLG_NORMAL"
   when the screen is wider than 1024 pixels, else from "SETUPDLG_SMALL",
   gives it control id 1000 and keeps it in hSetupDlg. NULL when it cannot
   be created. */

INT_PTR CALLBACK SetupPanelProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* Dialog procedure of the panel: WM_INITDIALOG, WM_COMMAND and QPM_REFRESH
   (which makes the controls show the record again). */

void FFTShowHelp(HWND hOwner, const FFTVIEWDATA *pData, DWORD dwContext);
/* Opens szManualFile with the shell when it is at least 4 characters long;
   otherwise the help file szHelpFile at dwContext (its contents for 0). */

INT_PTR AnalysisSetupDialog(HWND hOwner, HGLOBAL hData);
/* Runs the analysis setup dialog ("DETAILSETUP_JP" when wHostItem19 is
   non-zero, else "DETAILSETUP_EG") on the record hData of an analysis
   window. IDOK after the working copy was stored, IDCANCEL when nothing was
   stored; IDCANCEL at once for a NULL handle. */

INT_PTR BandSetupDialog(HWND hOwner, HGLOBAL hData);
/* Runs the band setup dialog "FREQBANDSETUP" on the record hData: IDOK after
   the bands and the total area were stored, IDCANCEL otherwise. */

/* Shared by the dialogs (setupcommon.cpp). */

typedef struct tagSETUPLINK {
    HWND    hAnaly;                 /* the analysis window */
    HGLOBAL hData;                  /* its record when the dialog opened */
} SETUPLINK;

FFTVIEWDATA *SetupLockRecord(const SETUPLINK *pLink);
/* Locks the record when the analysis window still holds it; NULL when the
   window or its record has gone. Unlock with GlobalUnlock(pLink->hData). */

BOOL SetupReadNumber(HWND hDlg, int nId, LONG nMax, LONG *pnValue);
/* Reads up to 64 characters of edit nId as a decimal number (text that does
   not start with one counts as 0), times 100, truncated toward zero. TRUE
   with *pnValue set when that lies in 0..nMax; FALSE, *pnValue untouched,
   otherwise (also for numbers too large to hold). */

void SetupShowNumber(HWND hDlg, int nId, const char *pszFormat, LONG nValue);
/* Writes nValue x 0.01 (single precision) into control nId with pszFormat. */

void SetupCutText(char *pszText, size_t cbMax);
/* Cuts pszText to at most cbMax - 1 bytes without splitting a double-byte
   character. */

#endif /* QFFTANA_SETUPDLG_H */
