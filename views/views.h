/*
 * views.h - the result views as the analysis window uses them: the window
 * procedures of the bar graph and the coherence band histogram, and the
 * coherence window.
 *
 * The coherence window is one per process. It is bound to the analysis
 * window that opened it last (hCohOwner) and to that window's record
 * (hCohData); every handler of the coherence window locks that record for
 * one message. An analysis window that opens the coherence window while
 * another one has it open takes it over: the other's window is closed
 * first and its record's hCohWnd cleared, so no window is ever left bound
 * to a record it does not belong to. An analysis window that is destroyed
 * closes the coherence window it owns before its record is freed.
 */
#ifndef QFFTANA_VIEWS_H
#define QFFTANA_VIEWS_H

#include <windows.h>

#include "frame/fftview.h"

LRESULT CALLBACK BarGraphWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* QPANEFFTANALYBARGRAPH: the band shares of the analysis channel of slot
   (control id - 1080). */

LRESULT CALLBACK CohGraphWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* QPANEFFTANALYCOHGRAPH: the band coherences of the pair set by
   QPM_SETVALUE items COH_ITEM_CHA and COH_ITEM_CHB. */

/* QPM_SETVALUE items of the coherence band histogram. */
#define COH_ITEM_CHA 10 /* channel A, the row */
#define COH_ITEM_CHB 11 /* channel B, the column */

HWND CoherenceDlgToggle(HWND hWnd, HGLOBAL hData, FFTVIEWDATA *pData);
/* Command 1023 of analysis window hWnd (record hData, locked as pData):
   closes its coherence window when pData->hCohWnd is open and returns 0,
   otherwise opens it from the template "COHERENCEDLG" and returns it (0 on
   failure). The caller stores the result in hCohWnd. */

void CoherenceDlgOwnerDestroyed(HWND hWnd);
/* The analysis window hWnd is going: the coherence window it owns, if any,
   is destroyed and unbound. Called before its record is freed. */

#endif /* QFFTANA_VIEWS_H */
