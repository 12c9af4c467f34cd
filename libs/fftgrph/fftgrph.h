/*
 * fftgrph.h - the FFT computation object of QFFTGRPH.
 *
 * An FFT object computes, for up to 8 channels (0..7), power spectra of
 * blocks of 16-bit samples, their mean over the blocks fed since the last
 * reset, the spectral parameters of that mean (band power, mean and edge
 * frequency), the same parameters of an externally summed "ADD" spectrum,
 * and the coherence between pairs of channels.
 *
 * Sizes. A size code c (4..14) gives N = 2^c transform points; 7..14 are
 * the sizes the plug-in uses (128..16384 points), 4 (16 points) marks a
 * channel whose size was rejected. Each channel has its own size code.
 * A spectrum has N/2 lines, k = 0 .. N/2 - 1; line k lies at f_k = k * rate / N
 * Hz, rate being the channel's sampling rate (parameter 6).
 *
 * One block. FgInputData takes n samples (2 <= n <= N), removes their mean,
 * multiplies them by the window (parameter 4, periodic form over n samples),
 * pads them with zeros to N points and transforms them. With w the window
 * and X_k the transform, c_0 = 1 and c_k = 2 for k > 0, a line is
 *   power per line (parameters 8 and 10 both 0):
 *       P_k = c_k |X_k|^2 / (N * sum w^2)        counts^2
 *   power density (parameter 8 or 10 non-zero):
 *       P_k = c_k |X_k|^2 / (rate * sum w^2)     counts^2 / Hz
 * Per line, the lines of a block sum to its window-weighted mean square, so
 * the power of a band is the sum of its lines. Samples are raw counts: the
 * calibration pair (parameters 15/16) is stored but never scales a result.
 * Spectra are accumulated in double precision; integer spectra are rounded
 * to nearest and saturate at INT32_MAX (LONG_MAX).
 *
 * Coherence. Per line, C_k = |S_ab|^2 / (S_aa S_bb) (squared coherence) or
 * its square root, from cross- and auto-spectra averaged over segments;
 * C_k = 0 where a channel has no power. Page coherence (flag 0x001)
 * accumulates the current blocks of both channels, one per call. Section
 * coherence (no 0x001) splits the channels' last block into Hann
 * sub-segments of a quarter of its length, overlapping by half, each padded
 * to N points, because a single block would give C = 1 on every line.
 *
 * Handles are opaque 32-bit values; 0 is never a valid handle. Every entry
 * point accepts a null, destroyed or foreign handle, a channel outside 0..7,
 * an uninitialised channel and a null buffer, and then returns 0 (0.0 for
 * the float results) without touching anything. The object is not
 * thread-safe: use it from one thread.
 */
#ifndef FFTGRPH_H
#define FFTGRPH_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

#define FG_MAXCHANNELS 8

/* Parameter ids of FgSetParam. */
#define FG_PARAM_WINDOW    4  /* global: 0 rectangle, 1 Hamming, 2 Hann, 3 Blackman */
#define FG_PARAM_RATE      6  /* per channel: sampling rate in Hz, >= 0 */
#define FG_PARAM_DENSITY   8  /* global: non-zero = power density (counts^2/Hz) */
#define FG_PARAM_COHERENCE 9  /* global: coherence switch, stored */
#define FG_PARAM_DENSITY2 10  /* global: same meaning as 8 */
#define FG_PARAM_CALVALUE 15  /* per channel: calibration value, stored only */
#define FG_PARAM_CALHEIGHT 16 /* per channel: calibration height, stored only */

/* Flags of FgCohCompute. */
#define FG_COH_ACCUMULATE 0x001 /* add the current blocks to the pair's sums */
#define FG_COH_SQUARED    0x100 /* |S_ab|^2 / (S_aa S_bb) rather than its root */

QF_EXPORT DWORD WINAPI FgCreate(int nSizeCode);
/* Creates an object whose channels default to size code nSizeCode (4..14),
 * Hann window, power per line. Returns its handle, or 0 for a size code
 * outside 4..14 or when memory or handles run out. */

QF_EXPORT DWORD WINAPI FgDestroy(DWORD hFFT);
/* Frees the object; its handle and every copy of it become invalid.
 * Always returns 0, the null handle, for the caller to store. */

QF_EXPORT int WINAPI FgSetParam(DWORD hFFT, int nId, int nCh, int nValue);
/* Sets parameter nId (FG_PARAM_*). Global parameters ignore nCh; per-channel
 * ones need nCh in 0..7. A window type outside 0..3 or a negative rate is
 * refused. Returns 1 when stored, 0 when refused (unknown id included). */

QF_EXPORT int WINAPI FgSetChannelSize(DWORD hFFT, int nChannels, int nCh, int nSizeCode);
/* Sets the number of channels in use (1..8) and the size code (4..14) of
 * channel nCh (0 .. nChannels - 1), which takes effect at FgInitChannel.
 * Returns 1, or 0 when an argument is out of range (nothing changes). */

QF_EXPORT int WINAPI FgInitChannel(DWORD hFFT, int nCh);
/* Prepares channel nCh for its size and clears its data. A channel must be
 * initialised before it takes blocks. Returns its line count N/2, or 0. */

QF_EXPORT int WINAPI FgResetData(DWORD hFFT);
/* Forgets every block fed, the ADD spectra and all coherence sums of every
 * channel; sizes and parameters stay. Returns 1, or 0 for a bad handle. */

QF_EXPORT int WINAPI FgInputData(DWORD hFFT, int nMode, int nCh, const short *pSamples, int nCount);
/* Feeds one block: nMode 2 (16-bit samples), nCount samples with
 * 2 <= nCount <= N of channel nCh. Its spectrum becomes the channel's last
 * spectrum and enters the mean. Returns the line count N/2, or 0 when
 * nothing was computed (bad mode, count, channel or buffer). */

QF_EXPORT int WINAPI FgGetSpectrum(DWORD hFFT, int nCh, LONG *pSpectrum);
/* Writes the last block's spectrum, N/2 integer lines, into pSpectrum (room
 * for N/2 LONGs). Returns N/2, or 0 (nothing written) before any block. */

QF_EXPORT int WINAPI FgGetMeanSpectrum(DWORD hFFT, int nMode, int nCh, LONG *pSpectrum);
/* nMode 1: as FgGetSpectrum, for the mean over every block fed since
 * FgResetData. Returns N/2, or 0 before any block or for another mode. */

QF_EXPORT float WINAPI FgGetFreqStep(DWORD hFFT, int nCh);
/* Line width rate / N in Hz; 0 when the channel has no rate. */

QF_EXPORT float WINAPI FgGetBandPower(DWORD hFFT, int nCh, int nFirst, int nLast);
/* Sum of the mean spectrum's lines nFirst..nLast, clamped to 0 .. N/2 - 1,
 * in the unit of the lines. 0 before any block or when nFirst > nLast. */

QF_EXPORT float WINAPI FgGetMeanFreq(DWORD hFFT, int nCh, int nFirst, int nLast);
/* sum f_k P_k / sum P_k over the mean spectrum's lines nFirst..nLast
 * (clamped), in Hz; 0 when that power is 0. */

QF_EXPORT float WINAPI FgGetEdgeFreq(DWORD hFFT, int nCh, int nFirst, int nLast, int nPercent);
/* f_k in Hz of the first line k from nFirst on at which the power summed
 * from nFirst reaches nPercent % (clamped to 0..100) of the power over
 * nFirst..nLast (clamped); 0 when that power is 0. */

QF_EXPORT int WINAPI FgSetAddSpectrum(DWORD hFFT, int nCh, int nCount, const LONG *pSums);
/* Takes N/2 summed lines of nCount > 0 spectra as the channel's ADD spectrum
 * (line = sum / nCount; a negative sum, which can only come from an
 * overflowed 32-bit sum, counts as 0). Returns N/2, or 0 (the ADD spectrum
 * is then cleared) for a bad count or buffer. */

QF_EXPORT float WINAPI FgGetAddMeanFreq(DWORD hFFT, int nCh, int nFirst, int nLast);
/* FgGetMeanFreq of the ADD spectrum; 0 when none was set. */

QF_EXPORT float WINAPI FgGetAddEdgeFreq(DWORD hFFT, int nCh, int nFirst, int nLast, int nPercent);
/* FgGetEdgeFreq of the ADD spectrum; 0 when none was set. */

QF_EXPORT int WINAPI FgCohBegin(DWORD hFFT, int nChannels);
/* Clears the coherence of every pair for nChannels (1..8) channels.
 * Returns 1, or 0 when an argument is out of range. */

QF_EXPORT int WINAPI FgCohCompute(DWORD hFFT, int nFlags, int nA, int nB);
/* Computes the coherence of channels nA and nB (different, both below the
 * FgCohBegin count, same size, each with a block). With FG_COH_ACCUMULATE
 * the current blocks enter the pair's sums, unless either channel has had
 * no new block since the pair's last accumulation; without it, the section
 * coherence of the two last blocks (of equal length, at least 8 samples)
 * replaces them. FG_COH_SQUARED selects squared coherence.
 * Returns the line count N/2, or 0 when nothing was computed. */

QF_EXPORT float WINAPI FgCohGetMean(DWORD hFFT, int nA, int nB, int nMode);
/* nMode 1: mean coherence over lines 1 .. N/2 - 1 (0..1); 0 when the pair
 * has none or for another mode. The order of nA and nB does not matter. */

QF_EXPORT float WINAPI FgCohGetBand(DWORD hFFT, int nA, int nB, int nFirst, int nLast);
/* Mean coherence over lines nFirst..nLast, clamped to 0 .. N/2 - 1;
 * 0 when the pair has none or nFirst > nLast. */

QF_EXPORT int WINAPI FgCohGetSpectrum(DWORD hFFT, int nA, int nB, LONG *pCoherence);
/* Writes the pair's coherence, C_k * 10000 rounded (0..10000), for N/2
 * lines into pCoherence (room for N/2 LONGs). Returns N/2, or 0. */

#ifdef __cplusplus
}
#endif

#endif /* FFTGRPH_H */
