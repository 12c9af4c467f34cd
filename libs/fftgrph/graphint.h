// Inside QFFTGRPH: the spectrum graph's record, shared by its window
// procedure (fftgraph.cpp) and its painter (graphdraw.cpp).
#ifndef GRAPHINT_H
#define GRAPHINT_H

#include <windows.h>

#include "fftgraph.h"
#include "graphgeom.h"

struct FGPROP {
    DWORD dwId;
    LONG nValue;
};

struct FFTGRAPHDATA {
    FGPROP aProp[FG_GRAPH_MAXPROPS];
    int nProps;
    LONG nLines;                           // lines held in anData
    LONG anData[FG_GRAPH_MAXLINES];
    LONG nAddLines;                        // lines held in anAddData
    LONG anAddData[FG_GRAPH_MAXLINES];
    float afValue[2][2];                   // [0 spectrum, 1 ADD][0 mean, 1 edge], Hz
    WORD wAddMode;
    char szTitle[FG_GRAPH_MAXTITLE];
    LONG nShowTitle;
    LONG nRedrawCode;                      // last FGM_REDRAW code, -1 before any
    DWORD dwRedrawCount;
    LONG nCursorFreq;                      // 0.01 Hz
    WORD wCursorOn;
    HFONT hFont;
};

// Colours of the spectrum and of the ADD average (COLORREF properties).
#define FG_PROP_COLOR     0x1000B
#define FG_PROP_ADDCOLOR  0x2000B

LONG GraphProp(const FFTGRAPHDATA *p, DWORD dwId);
/* The value of property dwId, 0 if it was never set. */

double GraphCalFactor(const FFTGRAPHDATA *p);
/* Value per data unit: (nCalValue / nCalHeight) squared, since the lines
   are powers of samples in counts; 1 without a calibration pair. */
bool GraphIsCoherence(const FFTGRAPHDATA *p);
bool GraphHasData(const FFTGRAPHDATA *p);
/* Lines are held and the last redraw was not "no data". */
bool GraphShowsAdd(const FFTGRAPHDATA *p);
/* The ADD average is on, held, and there is a spectrum to go with it. */

void GraphScale(HDC hdc, const RECT *prcClient, const FFTGRAPHDATA *p, GRAPHSCALE *pScale);
/* The graph's scale in hdc with the graph's font (graphscale.cpp). */

void GraphPaint(HDC hdc, const RECT *prcClient, const FFTGRAPHDATA *p);
/* Draws the whole graph into rcClient of hdc; the context's objects,
   colours and modes are restored. */

#endif /* GRAPHINT_H */
