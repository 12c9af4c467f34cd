// Geometry of the spectrum graph: plot area, scales, ticks and positions.
#include "graphgeom.h"

#include <math.h>

namespace {

// Frequency ticks are spaced by at least this many label widths.
const int kFreqLabelChars = 4;

// Smallest margins around the plot: value labels left, title above, half
// a frequency label right, frequency labels below. A larger font widens
// them.
const int kMarginLeft = 40;
const int kMarginTop = 16;
const int kMarginRight = 8;
const int kMarginBottom = 20;

int AtLeast(int n, int nMin)
{
    return n > nMin ? n : nMin;
}

}  // namespace

double FgNiceStep(double dSpan, int nMaxTicks)
{
    if (!(dSpan > 0) || nMaxTicks <= 0)
        return 1.0;
    const double dRaw = dSpan / nMaxTicks;
    double dPow = pow(10.0, floor(log10(dRaw)));
    static const double s_adMul[] = {1.0, 2.0, 5.0};
    for (;;) {
        for (double dMul : s_adMul)
            if (dMul * dPow >= dRaw * (1 - 1e-9))
                return dMul * dPow;
        dPow *= 10.0;
    }
}

double FgNiceCeil(double dValue)
{
    if (!(dValue > 0))
        return 1.0;
    double dPow = pow(10.0, floor(log10(dValue)));
    static const double s_adMul[] = {1.0, 2.0, 2.5, 5.0};
    for (;;) {
        for (double dMul : s_adMul)
            if (dMul * dPow >= dValue * (1 - 1e-9))
                return dMul * dPow;
        dPow *= 10.0;
    }
}

void FgCalcScale(const GRAPHSCALEIN *pIn, GRAPHSCALE *pScale)
{
    // Without font metrics the smallest margins hold as they are.
    const bool fFont = pIn->nCharHeight > 0 && pIn->nCharWidth > 0;
    const int cy = fFont ? pIn->nCharHeight : 12;
    const int cx = fFont ? pIn->nCharWidth : 6;
    RECT rc = pIn->rcClient;
    rc.left += fFont ? AtLeast(5 * cx + 8, kMarginLeft) : kMarginLeft;  // 5 characters and a tick
    rc.top += fFont ? AtLeast(cy + 4, kMarginTop) : kMarginTop;
    rc.right -= fFont ? AtLeast(2 * cx, kMarginRight) : kMarginRight;
    rc.bottom -= fFont ? AtLeast(cy + 6, kMarginBottom) : kMarginBottom;
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    pScale->rcPlot = rc;

    const LONG nHalf = pIn->nPoints / 2;
    LONG nLines = pIn->nShowLines > 0 && pIn->nShowLines < nHalf ? pIn->nShowLines : nHalf;
    if (pIn->nPoints < 2 || pIn->nRate <= 0)
        nLines = 0;
    pScale->nLines = int(nLines);
    pScale->dLineHz = nLines > 0 ? double(pIn->nRate) / pIn->nPoints : 0.0;
    pScale->dFreqMax = nLines * pScale->dLineHz;
    const int nWidth = rc.right - rc.left;
    int nFreqTicks = nWidth / (kFreqLabelChars * cx + cx);
    pScale->dFreqStep = FgNiceStep(pScale->dFreqMax, nFreqTicks < 1 ? 1 : nFreqTicks);

    const LONG nMag = pIn->nMag < 1 ? 1 : pIn->nMag;
    double dFull;
    if (pIn->fCoherence)
        dFull = 1.0;
    else if (pIn->nAmpScale > 0)
        dFull = double(pIn->nAmpScale) * pIn->nAmpScale / nMag;
    else
        dFull = FgNiceCeil(pIn->dDataMax) / nMag;
    pScale->dTop = dFull;
    const int nHeight = rc.bottom - rc.top;
    int nValueTicks = nHeight / (2 * cy);
    if (nValueTicks > FG_SCALE_MAXTICKS)
        nValueTicks = FG_SCALE_MAXTICKS;
    pScale->dValueStep = FgNiceStep(dFull, nValueTicks < 1 ? 1 : nValueTicks);
}

int FgFreqToX(const GRAPHSCALE *pScale, double dHz)
{
    const RECT &rc = pScale->rcPlot;
    if (!(pScale->dFreqMax > 0) || !(dHz > 0))
        return rc.left;
    const int nLast = rc.right - 1 > rc.left ? rc.right - 1 : rc.left;
    const int x = rc.left + int(floor(dHz / pScale->dFreqMax * (rc.right - rc.left) + 0.5));
    return x < nLast ? x : nLast;
}

int FgValueToY(const GRAPHSCALE *pScale, double dValue)
{
    const RECT &rc = pScale->rcPlot;
    const int nBottom = rc.bottom - 1 > rc.top ? rc.bottom - 1 : rc.top;
    if (!(dValue > 0) || !(pScale->dTop > 0))
        return nBottom;
    if (dValue >= pScale->dTop)
        return rc.top;
    return nBottom - int(floor(dValue / pScale->dTop * (nBottom - rc.top) + 0.5));
}
