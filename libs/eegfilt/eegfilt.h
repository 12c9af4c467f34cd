/*
 * eegfilt.h - the EEG filter object of QEEGFILT.
 *
 * A filter object holds, for each of its channels (0 .. count - 1, at most
 * 8), a low-cut filter (2nd-order Butterworth high-pass) and a high-cut
 * filter (2nd-order Butterworth low-pass). Both are designed by the bilinear
 * transform with pre-warped cut-off, in double precision, and run as one
 * biquad in transposed direct form II.
 *
 * Units: sampling rates in Hz, cut-off frequencies in hundredths of a hertz
 * (50 = 0.50 Hz), samples in 16-bit counts. A cut-off <= 0 or at or above
 * half the rate, or a channel without a rate, leaves the signal unchanged.
 *
 * Each EfLowCut / EfHighCut call filters its samples as one segment that
 * starts in the steady state of its first sample, as if that value had been
 * there forever, so a constant signal passes a low-cut as 0 and a high-cut
 * unchanged, and nothing rings at the start. Outputs are rounded to nearest
 * and saturate to -32768..32767. No state carries from one call to the next.
 *
 * Handles are opaque 32-bit values; 0 is never a valid handle. Every entry
 * point accepts a null, destroyed or foreign handle and a bad channel and
 * then returns 0 without touching anything. Parameters take effect at
 * EfDesign. The object is not thread-safe: use it from one thread.
 */
#ifndef EEGFILT_H
#define EEGFILT_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

#define EF_MAXCHANNELS 8

/* Parameter ids of EfSetParam. */
#define EF_PARAM_CHANNELS 2  /* channels in use, 1 .. the count given to EfCreate */
#define EF_PARAM_RATE     10 /* per channel: sampling rate in Hz, >= 0 */
#define EF_PARAM_LOWCUT   21 /* per channel: low-cut frequency in 0.01 Hz */
#define EF_PARAM_HIGHCUT  22 /* per channel: high-cut frequency in 0.01 Hz */

QF_EXPORT DWORD WINAPI EfCreate(int nChannels);
/* Creates an object for nChannels (1..8) channels, all in use, with no rate
 * (so passing signals unchanged). Returns its handle, or 0 for a channel
 * count outside 1..8 or when memory or handles run out. */

QF_EXPORT DWORD WINAPI EfDestroy(DWORD hFilter);
/* Frees the object; its handle and every copy of it become invalid.
 * Always returns 0, the null handle, for the caller to store. */

QF_EXPORT int WINAPI EfSetParam(DWORD hFilter, int nId, int nCh, int nValue);
/* Sets parameter nId (EF_PARAM_*); nCh is ignored for EF_PARAM_CHANNELS.
 * Returns 1 when stored, 0 when refused (unknown id, channel outside the
 * created count, channel count outside 1..created count, negative rate). */

QF_EXPORT int WINAPI EfDesign(DWORD hFilter);
/* Designs both filters of every channel from its parameters.
 * Returns 1, or 0 for a bad handle. */

QF_EXPORT int WINAPI EfReset(DWORD hFilter);
/* Clears the filter states. Every call starts from the steady state of its
 * first sample, so this only confirms the handle. Returns 1, or 0. */

QF_EXPORT int WINAPI EfLowCut(DWORD hFilter, int nMode, int nCh, const short *pIn, short *pOut, int nCount);
/* nMode 1: high-pass filters nCount samples of channel nCh (below the
 * EF_PARAM_CHANNELS count) from pIn into pOut, which may be pIn itself
 * (other overlaps are not allowed). Returns nCount, or 0 when nothing was
 * written (bad mode, channel, buffer or a count below 1). */

QF_EXPORT int WINAPI EfHighCut(DWORD hFilter, int nMode, int nCh, const short *pIn, short *pOut, int nCount);
/* As EfLowCut, with the low-pass filter. */

#ifdef __cplusplus
}
#endif

#endif /* EEGFILT_H */
