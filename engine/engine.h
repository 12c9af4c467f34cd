/*
 * engine.h - the analysis operations the analysis window runs on its record.
 *
 * Each takes the analysis window and its locked record and runs on the
 * window's thread inside one message.
 */
#ifndef QFFTANA_ENGINE_H
#define QFFTANA_ENGINE_H

#include <windows.h>

#include "frame/fftview.h"

void MatchChannels(HWND hWnd, FFTVIEWDATA *pData);
/* Binds each analysis channel in use to the first free host channel of its
   signal type and label; nHostCh = -1 where none matches. Nothing while not
   analysing. */

void AutoSelectChannels(HWND hWnd, FFTVIEWDATA *pData);
/* Gives each analysis channel the name of a host channel offered for
   automatic selection with its signal type, in host order. */

void UpdateChannelCal(HWND hWnd, FFTVIEWDATA *pData);
/* Copies rate and calibration of each bound host channel into its analysis
   channel. */

void SetupFFT(HWND hWnd, FFTVIEWDATA *pData, int nFlag);
/* Rebuilds the FFT object, the spectrum buffers and the graphs for the
   bound channels; reports a size error with string 9. A channel whose
   size code, points and rate are unchanged keeps its ADD sums; where a
   channel with sums changed, the whole ADD state is cleared as CLEAR does.
   nFlag is unused. Nothing while not analysing. */

void SetupFilter(HWND hWnd, FFTVIEWDATA *pData);
/* Gives the filter object the channel rates and cut-offs and designs it.
   Nothing while not analysing. */

int CalcSectionFFT(HWND hWnd, FFTVIEWDATA *pData, DWORD nOffset);
/* Spectrum of one block at nOffset base-rate samples into the page. Returns
   1 when computed, 0 when the section does not fit in the page. */

int CalcPageFFT(HWND hWnd, FFTVIEWDATA *pData, WPARAM wRedraw);
/* Spectrum averaged over the blocks of the whole page; wRedraw goes to the
   graphs' final redraw. Returns 1 when it ran. */

void ApplySetup(HWND hWnd, FFTVIEWDATA *pData, int nCtlId, int nCode);
/* The setup panel's notification nCode: on QPN_SETUPCHANGED clears the ADD
   results, asks the host for its items again (151, 162), rebinds and sets
   up FFT and filters, lays the window out, starts the update timer, tells
   the link window the area mode and FFT length, and redraws. Other codes
   do nothing. */

void SyncGraphs(HWND hWnd, FFTVIEWDATA *pData, HWND hSource, int nCode, int iSource);
/* Keeps the other seven spectrum graphs in step with graph iSource after
   its notification nCode: the frequency cursor (11), the draw type (20) or
   the magnification (21, also kept in nFFTViewMag). Other codes do nothing. */

void AddSpectrum(HWND hWnd, FFTVIEWDATA *pData);
/* Adds the current spectrum of every bound, sized slot that has one from
   the last run to its running sum (sums saturate at the 32-bit limits),
   shows the average, derives the ADD parameters and logs the section. With 100 entries logged it refuses with
   string 7. Shows the add count and the ADD indicator either way. */

void ClearAdd(HWND hWnd, FFTVIEWDATA *pData);
/* Drops the sums and the add log for all eight slots: frees each sum buffer
   (a bound slot gets a new zero-filled one and its graph leaves ADD mode),
   zeroes line and add counts and the band results, the whole add log,
   wFFTDone and nAddCount, then refreshes the graphs with erase. */

void ShowAddState(HWND hWnd, FFTVIEWDATA *pData);
/* Shows "ADD" in red when the current section's start or end lies inside a
   logged section (whose end is exclusive), and then clears wFFTDone so it
   cannot be added twice; else "YET" in blue. */

void RefreshGraphs(HWND hWnd, FFTVIEWDATA *pData, BOOL bErase);
/* Pushes the display switches to the spectrum graphs, repaints the bar
   graphs (erasing when bErase) and shows the add count. */

#endif /* QFFTANA_ENGINE_H */
