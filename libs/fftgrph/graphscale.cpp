// The spectrum graph's scale for its record: the font's metrics, the
// properties and, without an amplitude scale, the data's largest value.
#include "graphint.h"

// Calibrated value per data unit: nCalValue / nCalHeight squared, since
// the lines are powers of samples in counts; 1 without a calibration.
double GraphCalFactor(const FFTGRAPHDATA *p)
{
    const LONG nValue = GraphProp(p, FG_PROP_CALVALUE);
    const LONG nHeight = GraphProp(p, FG_PROP_CALHEIGHT);
    if (nValue <= 0 || nHeight <= 0)
        return 1.0;
    const double d = double(nValue) / nHeight;
    return d * d;
}

bool GraphIsCoherence(const FFTGRAPHDATA *p)
{
    return GraphProp(p, FG_PROP_DRAWTYPE) == FG_DRAW_COHERENCE;
}

bool GraphHasData(const FFTGRAPHDATA *p)
{
    return p->nRedrawCode != FG_REDRAW_NODATA && p->nLines > 0;
}

bool GraphShowsAdd(const FFTGRAPHDATA *p)
{
    return p->wAddMode != 0 && p->nAddLines > 0 && GraphHasData(p);
}

namespace {

double DataMax(const FFTGRAPHDATA *p, int nLines)
{
    const double dCal = GraphCalFactor(p);
    double dMax = 0;
    for (int k = 1; k < nLines && k < p->nLines; k++)  // line 0 (DC) would dwarf the rest
        dMax = p->anData[k] * dCal > dMax ? p->anData[k] * dCal : dMax;
    if (GraphShowsAdd(p))
        for (int k = 1; k < nLines && k < p->nAddLines; k++)
            dMax = p->anAddData[k] * dCal > dMax ? p->anAddData[k] * dCal : dMax;
    return dMax;
}

}  // namespace

void GraphScale(HDC hdc, const RECT *prcClient, const FFTGRAPHDATA *p, GRAPHSCALE *pScale)
{
    GRAPHSCALEIN in = {};
    in.rcClient = *prcClient;
    // Without a font of its own the graph keeps the smallest margins.
    if (hdc != NULL && p->hFont != NULL) {
        HGDIOBJ hOld = SelectObject(hdc, p->hFont);
        TEXTMETRICA tm = {};
        if (GetTextMetricsA(hdc, &tm)) {
            in.nCharHeight = tm.tmHeight;
            in.nCharWidth = tm.tmAveCharWidth;
        }
        SelectObject(hdc, hOld);
    }
    in.nPoints = GraphProp(p, FG_PROP_POINTS);
    in.nRate = GraphProp(p, FG_PROP_RATE);
    in.nShowLines = GraphProp(p, FG_PROP_LINES);
    in.nMag = GraphProp(p, FG_PROP_MAG);
    in.nAmpScale = GraphProp(p, FG_PROP_AMPSCALE);
    in.fCoherence = GraphIsCoherence(p);
    FgCalcScale(&in, pScale);
    if (!in.fCoherence && in.nAmpScale <= 0) {
        in.dDataMax = DataMax(p, pScale->nLines);
        FgCalcScale(&in, pScale);
    }
}

