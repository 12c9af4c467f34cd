/*
 * pagefit.h - which page lengths the plug-in accepts for an FFT size.
 *
 * The plug-in takes an FFT size of 128 .. 16384 points and feeds blocks of
 * points * 125 / 128 samples. A page of P samples (seconds times rate) is
 * refused when it is shorter than one FFT, except that in page mode a
 * shortfall under 5 % of the points is accepted; in page mode it is also
 * refused when what is left after its whole blocks exceeds 10 % of the
 * points.
 */
#ifndef HOST_PAGEFIT_H
#define HOST_PAGEFIT_H

#include <windows.h>

#define PAGE_PREFERRED_SECONDS 10
#define PAGE_MAX_SECONDS       3600

BOOL PageFits(DWORD nSeconds, DWORD nRate, DWORD nFFTPoints, BOOL bSection);
/* Whether a page of nSeconds at nRate suits nFFTPoints. */

DWORD PageNearestFit(DWORD nSeconds, DWORD nRate, DWORD nFFTPoints, BOOL bSection, int nDirection);
/* The nearest fitting whole-second length below (nDirection < 0) or above
 * (> 0) nSeconds within 1 .. PAGE_MAX_SECONDS, 0 when there is none. */

DWORD PageDefault(DWORD nRate, DWORD nFFTPoints, BOOL bSection);
/* The fitting length nearest PAGE_PREFERRED_SECONDS (itself when it fits;
 * the shorter on a tie), 0 when no length fits. */

#endif /* HOST_PAGEFIT_H */
