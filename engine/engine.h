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
/* Rebuilds the FFT object, the spectrum and sum buffers and the graphs for
   the bound channels; reports a size error with string 9. nFlag is unused.
   Nothing while not analysing. */

void SetupFilter(HWND hWnd, FFTVIEWDATA *pData);
/* Gives the filter object the channel rates and cut-offs and designs it.
   Nothing while not analysing. */

int CalcSectionFFT(HWND hWnd, FFTVIEWDATA *pData, DWORD nOffset);
/* Spectrum of one block at nOffset base-rate samples into the page. Returns
   1 when computed, 0 when the section does not fit in the page. */

int CalcPageFFT(HWND hWnd, FFTVIEWDATA *pData, WPARAM wRedraw);
/* Spectrum averaged over the blocks of the whole page; wRedraw goes to the
   graphs' final redraw. Returns 1 when it ran. */

void AddSpectrum(HWND hWnd, FFTVIEWDATA *pData);
/* Adds the current spectra to the running sums and logs the section. */

void ClearAdd(HWND hWnd, FFTVIEWDATA *pData);
/* Drops the sums and the add log for all eight slots: frees each sum buffer
   (a bound slot gets a new zero-filled one and its graph leaves ADD mode),
   zeroes line and add counts and the band results, the whole add log,
   wFFTDone and nAddCount, then refreshes the graphs with erase. */

void RefreshGraphs(HWND hWnd, FFTVIEWDATA *pData, BOOL bErase);
/* Pushes the display switches to the spectrum graphs, repaints the bar
   graphs (erasing when bErase) and shows the add count. */

#endif /* QFFTANA_ENGINE_H */
