/*
 * graphgeom.h - geometry of the spectrum graph: the plot area inside the
 * client area, the frequency and power scales with their ticks, and where
 * a frequency or a value lies. No drawing here: the painter (graphdraw.cpp)
 * and the mouse handlers take their positions from these functions.
 *
 * Frequencies are in Hz. Values are the control's data (32-bit lines)
 * times the calibration factor; coherence graphs show the data / 10000 on
 * a fixed 0..1 axis.
 */
#ifndef GRAPHGEOM_H
#define GRAPHGEOM_H

#include <windows.h>

typedef struct {
    RECT rcClient;       /* client rectangle */
    int nCharHeight;     /* text cell height of the graph's font, pixels */
    int nCharWidth;      /* average character width, pixels */
    LONG nPoints;        /* property 7: FFT points */
    LONG nRate;          /* property 8: sampling rate, Hz */
    LONG nShowLines;     /* property 9: lines shown, 0 = points / 2 */
    LONG nMag;           /* property 15: magnification, < 1 counts as 1 */
    LONG nAmpScale;      /* property 23: the amplitude whose power is the full
                            scale at magnification 1; 0 = scale from the data */
    BOOL fCoherence;     /* draw type 3 */
    double dDataMax;     /* largest value to be shown, for a scale from the data */
} GRAPHSCALEIN;

typedef struct {
    RECT rcPlot;         /* plot area, client coordinates (may be empty) */
    int nLines;          /* spectral lines across the plot, 0 without a scale */
    double dLineHz;      /* Hz per line */
    double dFreqMax;     /* frequency at the right edge (nLines x dLineHz) */
    double dFreqStep;    /* Hz between frequency ticks */
    double dTop;         /* value at the top edge */
    double dValueStep;   /* value between power ticks */
} GRAPHSCALE;

#define FG_SCALE_MAXTICKS 6    /* power ticks at most, besides 0 */

double FgNiceStep(double dSpan, int nMaxTicks);
/* The smallest of 1, 2, 5 x 10^k at which dSpan holds at most nMaxTicks
   steps; 1 for a span or count that is not positive. */

double FgNiceCeil(double dValue);
/* The smallest of 1, 2, 2.5, 5 x 10^k not below dValue; 1 for dValue <= 0. */

void FgCalcScale(const GRAPHSCALEIN *pIn, GRAPHSCALE *pScale);
/* Margins for the value labels (left), the frequency labels (below) and
   the title (above) from the font, at least 40, 20 and 16 pixels, and 8 on
   the right; the frequency range from the points,
   rate and lines shown; the top value as the square of the amplitude
   scale (or, when it is 0, the data's maximum rounded up by FgNiceCeil)
   divided by the magnification, or 1 for coherence. */

int FgFreqToX(const GRAPHSCALE *pScale, double dHz);
/* Client x of a frequency: the plot's width spans 0..dFreqMax, so line k
   of n lies k / n of the way across (rounded); frequencies outside the
   range are clamped to the plot's first and last column. */

int FgValueToY(const GRAPHSCALE *pScale, double dValue);
/* Client y of a value: the plot's bottom row for 0 and less, its top row
   for dTop and more (a value above the scale is cut at the top). */

#endif /* GRAPHGEOM_H */
