/*
 * eegfilt.h - the EEG filter object of QEEGFILT.
 *
 * (Interface fixed for the plug-in; the library's own documentation of
 * units, ranges and results is written with its implementation.)
 */
#ifndef EEGFILT_H
#define EEGFILT_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

QF_EXPORT DWORD WINAPI EfCreate(int nChannels);
QF_EXPORT DWORD WINAPI EfDestroy(DWORD hFilter);
QF_EXPORT int WINAPI EfSetParam(DWORD hFilter, int nId, int nCh, int nValue);
QF_EXPORT int WINAPI EfDesign(DWORD hFilter);
QF_EXPORT int WINAPI EfReset(DWORD hFilter);
QF_EXPORT int WINAPI EfLowCut(DWORD hFilter, int nMode, int nCh, const short *pIn, short *pOut, int nCount);
QF_EXPORT int WINAPI EfHighCut(DWORD hFilter, int nMode, int nCh, const short *pIn, short *pOut, int nCount);

#ifdef __cplusplus
}
#endif

#endif /* EEGFILT_H */
