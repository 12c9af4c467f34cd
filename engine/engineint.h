/*
 * engineint.h - helpers the engine's operations share: the calibration copy,
 * the conversion of frequency ranges into spectral line indices, the clock
 * times of a section and the child windows the results go to.
 */
#ifndef QFFTANA_ENGINEINT_H
#define QFFTANA_ENGINEINT_H

#include <windows.h>

#include "frame/fftview.h"

/* The ADD log is refused beyond this many entries; the log itself keeps
   room for FV_ADDLOG, and the refusal text names this bound. */
#define ADD_MAX_ENTRIES 100

void CopyChannelCal(ANALYCHANNEL *pCh, const HOSTCHANNEL *pHost);
/* Rate, calibration pair and amplitude scale reference of a bound host
   channel. A host pair of 0xFFFF, 0xFFFF (no calibration) becomes 1000, 1000. */

BOOL LineRange(float fStep, LONG nChFFTPoint, DWORD nLoFreq, DWORD nHiFreq, int *pnFirst,
               int *pnLast);
/* Line indices of the range nLoFreq..nHiFreq (0.01 Hz) for lines fStep Hz
   wide: first = lo / (100 step), last = hi / (100 step), both truncated;
   last is cut to nChFFTPoint / 2 - 1, first is not clamped. FALSE (indices
   untouched) when fStep is not positive. */

void SetSectionTimes(FFTVIEWDATA *pData);
/* awSectStartTime and awSectEndTime from nSectStart and nSectEnd (base-rate
   samples from the recording start) and the recording's start time of day
   (anRecTime 3..5): hour (mod 24), minute, second, tenth. */

HWND GraphWindow(HWND hWnd, int iSlot);
/* Spectrum graph of slot iSlot (control 1050 + iSlot), or NULL. */

void InvalidateBarGraph(HWND hWnd, int iSlot, BOOL bErase);
/* Repaints the bar graph of slot iSlot (control 1080 + iSlot) if it exists. */

void SendGraph(HWND hWnd, int iSlot, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* Sends a message to the spectrum graph of slot iSlot if it exists. */

#endif /* QFFTANA_ENGINEINT_H */

/* Results of one channel after its data were fed (results.cpp). */

BOOL ShowChannelSpectrum(HWND hWnd, FFTVIEWDATA *pData, int j, BOOL bMean, WPARAM wRedraw);
/* Reads channel j's spectrum from the FFT object into hSpecBuf (the last
   block's, or with bMean the mean over the blocks fed), sets nLines, takes
   mean and edge frequency over their ranges and hands all of it to graph j
   with redraw code wRedraw; then, while no ADD exists, stores the band
   powers and percentages of slot j. FALSE, with graph j told "no data",
   when there is no buffer to hold the spectrum or the channel has no
   frequency step. */

void StoreCoherence(FFTVIEWDATA *pData, BOOL bSection);
/* Coherence of every pair of bound slots, whole spectrum and per enabled
   band, into afCohValue and awCohLines (upper triangle only; the rest is
   cleared). A section computes each pair now; a page has accumulated the
   pairs block by block. */
