/*
 * fftgrph.h - the FFT computation object of QFFTGRPH.
 *
 * (Interface fixed for the plug-in; the library's own documentation of
 * units, ranges and results is written with its implementation.)
 */
#ifndef FFTGRPH_H
#define FFTGRPH_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

QF_EXPORT DWORD WINAPI FgCreate(int nSizeCode);
QF_EXPORT DWORD WINAPI FgDestroy(DWORD hFFT);
QF_EXPORT int WINAPI FgSetParam(DWORD hFFT, int nId, int nCh, int nValue);
QF_EXPORT int WINAPI FgSetChannelSize(DWORD hFFT, int nChannels, int nCh, int nSizeCode);
QF_EXPORT int WINAPI FgInitChannel(DWORD hFFT, int nCh);
QF_EXPORT int WINAPI FgResetData(DWORD hFFT);
QF_EXPORT int WINAPI FgInputData(DWORD hFFT, int nMode, int nCh, const short *pSamples, int nCount);
QF_EXPORT int WINAPI FgGetSpectrum(DWORD hFFT, int nCh, LONG *pSpectrum);
QF_EXPORT int WINAPI FgGetMeanSpectrum(DWORD hFFT, int nMode, int nCh, LONG *pSpectrum);
QF_EXPORT float WINAPI FgGetFreqStep(DWORD hFFT, int nCh);
QF_EXPORT float WINAPI FgGetBandPower(DWORD hFFT, int nCh, int nFirst, int nLast);
QF_EXPORT float WINAPI FgGetMeanFreq(DWORD hFFT, int nCh, int nFirst, int nLast);
QF_EXPORT float WINAPI FgGetEdgeFreq(DWORD hFFT, int nCh, int nFirst, int nLast, int nPercent);
QF_EXPORT int WINAPI FgSetAddSpectrum(DWORD hFFT, int nCh, int nCount, const LONG *pSums);
QF_EXPORT float WINAPI FgGetAddMeanFreq(DWORD hFFT, int nCh, int nFirst, int nLast);
QF_EXPORT float WINAPI FgGetAddEdgeFreq(DWORD hFFT, int nCh, int nFirst, int nLast, int nPercent);
QF_EXPORT int WINAPI FgCohBegin(DWORD hFFT, int nChannels);
QF_EXPORT int WINAPI FgCohCompute(DWORD hFFT, int nFlags, int nA, int nB);
QF_EXPORT float WINAPI FgCohGetMean(DWORD hFFT, int nA, int nB, int nMode);
QF_EXPORT float WINAPI FgCohGetBand(DWORD hFFT, int nA, int nB, int nFirst, int nLast);
QF_EXPORT int WINAPI FgCohGetSpectrum(DWORD hFFT, int nA, int nB, LONG *pCoherence);

#ifdef __cplusplus
}
#endif

#endif /* FFTGRPH_H */
