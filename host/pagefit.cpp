// Page lengths against the plug-in's FFT size rules.
#include "pagefit.h"

// Block length of an FFT size, 0 for a size the plug-in does not take.
static DWORD BlockLength(DWORD nFFTPoints)
{
    for (DWORD n = 128; n <= 16384; n *= 2) {
        if (n == nFFTPoints)
            return n / 128 * 125;
    }
    return 0;
}

BOOL PageFits(DWORD nSeconds, DWORD nRate, DWORD nFFTPoints, BOOL bSection)
{
    DWORD nBlock = BlockLength(nFFTPoints);
    unsigned long long nPage = (unsigned long long)nSeconds * nRate;
    if (nBlock == 0 || nPage == 0)
        return FALSE;
    if (bSection)
        return nPage >= nFFTPoints;
    if (nPage < nFFTPoints && nFFTPoints - nPage >= nFFTPoints * 5 / 100)
        return FALSE;
    return nPage % nBlock <= nFFTPoints * 10 / 100;
}

DWORD PageNearestFit(DWORD nSeconds, DWORD nRate, DWORD nFFTPoints, BOOL bSection, int nDirection)
{
    for (long n = (long)nSeconds + (nDirection < 0 ? -1 : 1); n >= 1 && n <= PAGE_MAX_SECONDS;
         n += nDirection < 0 ? -1 : 1) {
        if (PageFits((DWORD)n, nRate, nFFTPoints, bSection))
            return (DWORD)n;
    }
    return 0;
}

DWORD PageDefault(DWORD nRate, DWORD nFFTPoints, BOOL bSection)
{
    if (PageFits(PAGE_PREFERRED_SECONDS, nRate, nFFTPoints, bSection))
        return PAGE_PREFERRED_SECONDS;
    DWORD nBelow = PageNearestFit(PAGE_PREFERRED_SECONDS, nRate, nFFTPoints, bSection, -1);
    DWORD nAbove = PageNearestFit(PAGE_PREFERRED_SECONDS, nRate, nFFTPoints, bSection, 1);
    if (nBelow == 0 || (nAbove != 0 && nAbove - PAGE_PREFERRED_SECONDS < PAGE_PREFERRED_SECONDS - nBelow))
        return nAbove;
    return nBelow;
}
