// Painting of the spectrum graph: background, grid and axes with their
// labels, the spectrum in its draw type, the ADD average over it, the mean
// and edge frequency markers, the cursor and the title. Geometry comes
// from graphgeom.cpp; this file only draws.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "graphint.h"

namespace {

const COLORREF kBackground = RGB(255, 255, 255);
const COLORREF kGrid = RGB(228, 228, 228);
const COLORREF kAxis = RGB(112, 112, 112);
const COLORREF kLabel = RGB(64, 64, 64);
const COLORREF kNoData = RGB(150, 150, 150);
const COLORREF kMean = RGB(0, 128, 64);
const COLORREF kEdge = RGB(200, 96, 0);
const COLORREF kCursor = RGB(220, 0, 0);

const int kTick = 3;                 // tick length, pixels
const int kMaxColumns = 8192;        // columns of the widest plot drawn

// A colour halfway to white: the fill under a spectrum.
COLORREF Tint(COLORREF cr)
{
    return RGB((GetRValue(cr) + 2 * 255) / 3, (GetGValue(cr) + 2 * 255) / 3, (GetBValue(cr) + 2 * 255) / 3);
}

void FillSolid(HDC hdc, const RECT *prc, COLORREF cr)
{
    if (prc->right <= prc->left || prc->bottom <= prc->top)
        return;
    HBRUSH hbr = CreateSolidBrush(cr);
    FillRect(hdc, prc, hbr);
    DeleteObject(hbr);
}

void Line(HDC hdc, int x0, int y0, int x1, int y1)
{
    MoveToEx(hdc, x0, y0, NULL);
    LineTo(hdc, x1, y1);
}

// Draws a text with its alignment flags inside a rectangle, unclipped.
void Text(HDC hdc, const char *psz, int x0, int y0, int x1, int y1, UINT uFormat)
{
    RECT rc = {x0, y0, x1, y1};
    DrawTextA(hdc, psz, -1, &rc, uFormat | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

// A tick label: whole numbers as they are, others with as many decimals as
// the step needs.
void FormatTick(char *psz, size_t cch, double dValue, double dStep)
{
    int nDecimals = dStep >= 1 ? 0 : int(ceil(-log10(dStep) - 1e-9));
    if (nDecimals > 4)
        nDecimals = 4;
    snprintf(psz, cch, "%.*f", nDecimals, dValue);
}

void DrawGridAndAxes(HDC hdc, const GRAPHSCALE &s, bool fLabels)
{
    const RECT &rc = s.rcPlot;
    const int nBottom = rc.bottom - 1;
    HPEN hpenGrid = CreatePen(PS_SOLID, 1, kGrid);
    HPEN hpenAxis = CreatePen(PS_SOLID, 1, kAxis);
    HGDIOBJ hOld = SelectObject(hdc, hpenGrid);
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    char sz[32];

    // Power ticks and horizontal grid lines.
    for (int i = 1; s.dTop > 0 && i * s.dValueStep <= s.dTop * (1 + 1e-9); i++) {
        const int y = FgValueToY(&s, i * s.dValueStep);
        SelectObject(hdc, hpenGrid);
        Line(hdc, rc.left + 1, y, rc.right, y);
        SelectObject(hdc, hpenAxis);
        Line(hdc, rc.left - kTick, y, rc.left, y);
        if (fLabels) {
            FormatTick(sz, sizeof(sz), i * s.dValueStep, s.dValueStep);
            Text(hdc, sz, 0, y - tm.tmHeight / 2, rc.left - kTick - 2, y + tm.tmHeight, DT_RIGHT | DT_TOP);
        }
    }
    if (fLabels)
        Text(hdc, "0", 0, nBottom - tm.tmHeight / 2, rc.left - kTick - 2, nBottom + tm.tmHeight,
             DT_RIGHT | DT_TOP);

    // Frequency ticks and vertical grid lines; the unit closes the row.
    SIZE sizeUnit = {};
    GetTextExtentPoint32A(hdc, "Hz", 2, &sizeUnit);
    const int xUnit = rc.right + (kTick + 2) - sizeUnit.cx;
    for (int i = 0; s.nLines > 0 && i * s.dFreqStep <= s.dFreqMax * (1 + 1e-9); i++) {
        const int x = FgFreqToX(&s, i * s.dFreqStep);
        if (i > 0) {
            SelectObject(hdc, hpenGrid);
            Line(hdc, x, rc.top, x, nBottom);
        }
        SelectObject(hdc, hpenAxis);
        Line(hdc, x, nBottom + 1, x, nBottom + 1 + kTick);
        if (!fLabels)
            continue;
        FormatTick(sz, sizeof(sz), i * s.dFreqStep, s.dFreqStep);
        SIZE size = {};
        GetTextExtentPoint32A(hdc, sz, int(strlen(sz)), &size);
        if (x + (size.cx + 1) / 2 + 4 < xUnit)
            Text(hdc, sz, x - size.cx, nBottom + kTick + 2, x + size.cx, nBottom + kTick + 2 + tm.tmHeight,
                 DT_CENTER | DT_TOP);
    }
    if (fLabels)
        Text(hdc, "Hz", xUnit, nBottom + kTick + 2, xUnit + sizeUnit.cx, nBottom + kTick + 2 + tm.tmHeight,
             DT_LEFT | DT_TOP);

    // The axes themselves: left and bottom edges of the plot.
    SelectObject(hdc, hpenAxis);
    Line(hdc, rc.left - 1, rc.top, rc.left - 1, nBottom + 1);
    Line(hdc, rc.left - 1, nBottom + 1, rc.right, nBottom + 1);
    SelectObject(hdc, hOld);
    DeleteObject(hpenGrid);
    DeleteObject(hpenAxis);
}

// One value per plot column: the largest of the lines falling in it, so a
// narrow peak is never lost when there are more lines than columns. With
// fewer lines than columns each line is one point at its own x.
int Columns(const GRAPHSCALE &s, const LONG *pnData, LONG nData, double dValue(LONG, double), double dCal,
            POINT *aPt)
{
    const int nLines = nData < s.nLines ? int(nData) : s.nLines;
    const int nWidth = s.rcPlot.right - s.rcPlot.left;
    int n = 0;
    for (int k = 0; k < nLines; k++) {
        const int x = FgFreqToX(&s, k * s.dLineHz);
        const int y = FgValueToY(&s, dValue(pnData[k], dCal));
        if (n > 0 && aPt[n - 1].x == x) {
            if (y < aPt[n - 1].y)
                aPt[n - 1].y = y;
            continue;
        }
        if (n >= kMaxColumns || n > nWidth)
            break;
        aPt[n].x = x;
        aPt[n].y = y;
        n++;
    }
    return n;
}

double PowerValue(LONG nData, double dCal)
{
    return nData * dCal;
}

double CoherenceValue(LONG nData, double)
{
    return nData / 10000.0;
}

void DrawBars(HDC hdc, const GRAPHSCALE &s, const POINT *aPt, int n, COLORREF cr)
{
    HBRUSH hbr = CreateSolidBrush(cr);
    const int nBottom = s.rcPlot.bottom;
    const int nGap = n > 1 && aPt[1].x - aPt[0].x > 3 ? 1 : 0;
    for (int i = 0; i < n; i++) {
        const int xNext = i + 1 < n ? aPt[i + 1].x : s.rcPlot.right;
        RECT rcBar = {aPt[i].x, aPt[i].y, xNext - nGap > aPt[i].x ? xNext - nGap : aPt[i].x + 1, nBottom};
        FillRect(hdc, &rcBar, hbr);
    }
    DeleteObject(hbr);
}

void DrawFilled(HDC hdc, const GRAPHSCALE &s, POINT *aPt, int n, COLORREF crLine)
{
    // The polygon closes along the bottom row below the first and last point.
    aPt[n] = {aPt[n - 1].x, s.rcPlot.bottom - 1};
    aPt[n + 1] = {aPt[0].x, s.rcPlot.bottom - 1};
    HBRUSH hbr = CreateSolidBrush(Tint(crLine));
    HGDIOBJ hOldBrush = SelectObject(hdc, hbr);
    HGDIOBJ hOldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    Polygon(hdc, aPt, n + 2);
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldBrush);
    DeleteObject(hbr);
}

void DrawPolyline(HDC hdc, const POINT *aPt, int n, COLORREF cr, int nWidth)
{
    if (n <= 0)
        return;
    HPEN hpen = CreatePen(PS_SOLID, nWidth, cr);
    HGDIOBJ hOld = SelectObject(hdc, hpen);
    if (n == 1)
        Line(hdc, aPt[0].x, aPt[0].y, aPt[0].x + 1, aPt[0].y);
    else
        Polyline(hdc, aPt, n);
    SelectObject(hdc, hOld);
    DeleteObject(hpen);
}

void DrawSpectrum(HDC hdc, const GRAPHSCALE &s, const FFTGRAPHDATA *p, POINT *aPt)
{
    const bool fCoh = GraphIsCoherence(p);
    const double dCal = GraphCalFactor(p);
    const COLORREF cr = COLORREF(GraphProp(p, FG_PROP_COLOR));
    const int n = Columns(s, p->anData, p->nLines, fCoh ? CoherenceValue : PowerValue, dCal, aPt);
    if (n == 0)
        return;
    switch (fCoh ? FG_DRAW_LINE : GraphProp(p, FG_PROP_DRAWTYPE)) {
    case FG_DRAW_BARS:
        DrawBars(hdc, s, aPt, n, cr);
        break;
    case FG_DRAW_FILLED:
        DrawFilled(hdc, s, aPt, n, cr);
        DrawPolyline(hdc, aPt, n, cr, 1);
        break;
    default:
        DrawPolyline(hdc, aPt, n, cr, 1);
        break;
    }
}

void DrawAddAverage(HDC hdc, const GRAPHSCALE &s, const FFTGRAPHDATA *p, POINT *aPt)
{
    const int n = Columns(s, p->anAddData, p->nAddLines, GraphIsCoherence(p) ? CoherenceValue : PowerValue,
                          GraphCalFactor(p), aPt);
    DrawPolyline(hdc, aPt, n, COLORREF(GraphProp(p, FG_PROP_ADDCOLOR)), 2);
}

// A dashed vertical marker over the plot's height.
void Marker(HDC hdc, const GRAPHSCALE &s, double dHz, COLORREF cr, int nStyle)
{
    if (!(dHz > 0) || dHz > s.dFreqMax)
        return;
    const int x = FgFreqToX(&s, dHz);
    HPEN hpen = CreatePen(nStyle, 1, cr);
    HGDIOBJ hOld = SelectObject(hdc, hpen);
    Line(hdc, x, s.rcPlot.top, x, s.rcPlot.bottom - 1);
    SelectObject(hdc, hOld);
    DeleteObject(hpen);
}

// The title row: the channel at the left, then the frequency parameters in
// their markers' colours and the magnification at the right.
void DrawTitleRow(HDC hdc, const RECT *prcClient, const GRAPHSCALE &s, const FFTGRAPHDATA *p)
{
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    const int y0 = prcClient->top + 2, y1 = y0 + tm.tmHeight;
    int xRight = s.rcPlot.right;
    char sz[64];
    const LONG nMag = GraphProp(p, FG_PROP_MAG);
    if (nMag > 1 && !GraphIsCoherence(p)) {
        snprintf(sz, sizeof(sz), "x%ld", long(nMag));
        SIZE size = {};
        GetTextExtentPoint32A(hdc, sz, int(strlen(sz)), &size);
        SetTextColor(hdc, kLabel);
        Text(hdc, sz, xRight - size.cx, y0, xRight, y1, DT_LEFT | DT_TOP);
        xRight -= size.cx + tm.tmAveCharWidth * 2;
    }
    if (GraphProp(p, FG_PROP_SHOWPARA) != 0 && GraphHasData(p) && !GraphIsCoherence(p)) {
        const struct {
            const char *pszFormat;
            float fHz;
            COLORREF cr;
        } aPara[] = {{"Edge %.1f Hz", p->afValue[0][1], kEdge}, {"Mean %.1f Hz", p->afValue[0][0], kMean}};
        for (const auto &para : aPara) {
            snprintf(sz, sizeof(sz), para.pszFormat, double(para.fHz));
            SIZE size = {};
            GetTextExtentPoint32A(hdc, sz, int(strlen(sz)), &size);
            SetTextColor(hdc, para.cr);
            Text(hdc, sz, xRight - size.cx, y0, xRight, y1, DT_LEFT | DT_TOP);
            xRight -= size.cx + tm.tmAveCharWidth * 2;
        }
    }
    if (p->nShowTitle != 0 && p->szTitle[0] != '\0') {
        SetTextColor(hdc, RGB(0, 0, 0));
        RECT rc = {s.rcPlot.left, y0, xRight, y1};
        DrawTextA(hdc, p->szTitle, -1, &rc, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void DrawCursor(HDC hdc, const GRAPHSCALE &s, const FFTGRAPHDATA *p)
{
    if (!p->wCursorOn || s.nLines <= 0)
        return;
    const double dHz = p->nCursorFreq / 100.0;
    if (dHz < 0 || dHz > s.dFreqMax)
        return;
    const int x = FgFreqToX(&s, dHz);
    HPEN hpen = CreatePen(PS_SOLID, 1, kCursor);
    HGDIOBJ hOld = SelectObject(hdc, hpen);
    Line(hdc, x, s.rcPlot.top, x, s.rcPlot.bottom - 1);
    SelectObject(hdc, hOld);
    DeleteObject(hpen);
    char sz[32];
    snprintf(sz, sizeof(sz), "%.2f Hz", dHz);
    SIZE size = {};
    GetTextExtentPoint32A(hdc, sz, int(strlen(sz)), &size);
    // The label sits beside the line, on the side with room.
    int xText = x + 3 + size.cx <= s.rcPlot.right ? x + 3 : x - 3 - size.cx;
    SetTextColor(hdc, kCursor);
    Text(hdc, sz, xText, s.rcPlot.top + 1, xText + size.cx, s.rcPlot.top + 1 + size.cy, DT_LEFT | DT_TOP);
}

void DrawNoData(HDC hdc, const GRAPHSCALE &s)
{
    SetTextColor(hdc, kNoData);
    RECT rc = s.rcPlot;
    DrawTextA(hdc, "No data", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void GraphPaint(HDC hdc, const RECT *prcClient, const FFTGRAPHDATA *p)
{
    const int nSaved = SaveDC(hdc);
    IntersectClipRect(hdc, prcClient->left, prcClient->top, prcClient->right, prcClient->bottom);
    FillSolid(hdc, prcClient, kBackground);
    SelectObject(hdc, p->hFont != NULL ? (HGDIOBJ)p->hFont : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kLabel);

    GRAPHSCALE s;
    GraphScale(hdc, prcClient, p, &s);
    if (s.rcPlot.right <= s.rcPlot.left || s.rcPlot.bottom <= s.rcPlot.top) {
        RestoreDC(hdc, nSaved);
        return;
    }
    DrawGridAndAxes(hdc, s, true);
    if (!GraphHasData(p) || s.nLines <= 0) {
        DrawNoData(hdc, s);
    } else {
        // Columns of the widest plot, and two more to close a polygon.
        static POINT s_aPt[kMaxColumns + 3];
        SaveDC(hdc);
        IntersectClipRect(hdc, s.rcPlot.left, s.rcPlot.top, s.rcPlot.right, s.rcPlot.bottom);
        DrawSpectrum(hdc, s, p, s_aPt);
        if (GraphShowsAdd(p))
            DrawAddAverage(hdc, s, p, s_aPt);
        if (GraphProp(p, FG_PROP_SHOWPARA) != 0 && !GraphIsCoherence(p)) {
            Marker(hdc, s, p->afValue[0][0], kMean, PS_DASH);
            Marker(hdc, s, p->afValue[0][1], kEdge, PS_DASH);
            if (GraphShowsAdd(p)) {
                const COLORREF crAdd = COLORREF(GraphProp(p, FG_PROP_ADDCOLOR));
                Marker(hdc, s, p->afValue[1][0], crAdd, PS_DOT);
                Marker(hdc, s, p->afValue[1][1], crAdd, PS_DOT);
            }
        }
        DrawCursor(hdc, s, p);
        RestoreDC(hdc, -1);
    }
    DrawTitleRow(hdc, prcClient, s, p);
    RestoreDC(hdc, nSaved);
}
