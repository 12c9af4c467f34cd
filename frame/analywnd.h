/*
 * analywnd.h - handlers of the analysis window's messages.
 *
 * The window procedure locks the record for the length of one message and
 * hands it to one handler; pData is NULL when the window has no record, and
 * every handler copes with that first. Returns are those of the message.
 */
#ifndef QFFTANA_ANALYWND_H
#define QFFTANA_ANALYWND_H

#include <windows.h>

#include "frame/fftview.h"

/* Host protocol: the recording's items and texts (hostitems.cpp). */
void AnalyWnd_SetValue(HWND hWnd, FFTVIEWDATA *pData, WORD wItem, WORD wIndex, DWORD dwValue);
LRESULT AnalyWnd_GetValue(const FFTVIEWDATA *pData, WORD wItem, WORD wIndex);
void AnalyWnd_SetText(FFTVIEWDATA *pData, WORD wItem, WORD wSub, const char *pszText);
LRESULT AnalyWnd_GetText(const FFTVIEWDATA *pData, WORD wItem, WORD wCh, char *pszBuffer);
LRESULT AnalyWnd_GetMessage(const FFTVIEWDATA *pData, char *pszBuffer);

/* Host protocol: set-up and the run of an analysis (hostanaly.cpp). */
void AnalyWnd_SetNotify(HWND hWnd, FFTVIEWDATA *pData, HWND hNotify, WORD wId);
void AnalyWnd_SetPath(HWND hWnd, FFTVIEWDATA *pData, WPARAM wWhich, const char *pszPath);
void AnalyWnd_RefreshState(HWND hWnd, FFTVIEWDATA *pData);
void AnalyWnd_StartAnaly(HWND hWnd, FFTVIEWDATA *pData);
void AnalyWnd_StopAnaly(HWND hWnd, FFTVIEWDATA *pData);
void AnalyWnd_Refresh(HWND hWnd, FFTVIEWDATA *pData);
void AnalyWnd_SetArea(HWND hWnd, FFTVIEWDATA *pData, DWORD nPageStart);
void AnalyWnd_SetChData(HWND hWnd, FFTVIEWDATA *pData, WORD wHostCh, WORD wRate,
                        const short *pSamples);
void AnalyWnd_KeyNotify(HWND hWnd, FFTVIEWDATA *pData, WORD wEvent, WORD wKey);

void AnalyWnd_RunSectionFFT(HWND hWnd, FFTVIEWDATA *pData);
/* Section FFT at nAreaOffset, then the coherence window is told to refresh;
   item 124 runs it when the cursor area moves. Nothing while no analysis
   runs. */

#endif /* QFFTANA_ANALYWND_H */
