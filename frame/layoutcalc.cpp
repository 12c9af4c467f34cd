// Geometry of the analysis window's layout: where each child goes for a
// client size, a row height, a setup panel width and the display state.
#include "frame/layout.h"

namespace {

// Adds one placement; the size never goes below zero, so a window smaller
// than its rows and columns gets empty children rather than inverted ones.
void Place(ANALYPLACE *pPlace, int *pn, int nId, int nAction, int x, int y, int cx, int cy)
{
    ANALYPLACE &pl = pPlace[(*pn)++];
    pl.nId = nId;
    pl.nAction = nAction;
    pl.x = x;
    pl.y = y;
    pl.cx = cx < 0 ? 0 : cx;
    pl.cy = cy < 0 ? 0 : cy;
}

void Hide(ANALYPLACE *pPlace, int *pn, int nId)
{
    Place(pPlace, pn, nId, PLACE_HIDE, 0, 0, 0, 0);
}

// The status line: five controls at fixed shares of the width W.
void PlaceStatusLine(ANALYPLACE *pPlace, int *pn, int W, int H)
{
    static const struct {
        int nId, nFrom, nTo;   // percent of W
    } s_aStatus[] = {
        {IDC_ADDSTATE, 0, 20}, {IDC_COUNTLABEL, 20, 35}, {IDC_COUNT, 35, 50},
        {IDC_HISTOGRAM, 50, 77}, {IDC_MONITOR, 77, 100},
    };
    for (const auto &s : s_aStatus) {
        int x0 = W * s.nFrom / 100, x1 = W * s.nTo / 100;
        Place(pPlace, pn, s.nId, PLACE_MOVE, x0, 0, x1 - x0 - 1, H);
    }
}

// Graph slots: one column below four channels, else rows of two. Five and
// seven channels (only from a hand-edited settings file) take (n + 1) / 2
// rows and the last slot has its row to itself at the full width, so every
// slot stays inside the graph area; even counts are rows of n / 2.
void PlaceGraphs(ANALYPLACE *pPlace, int *pn, int nFirstId, int n, int W, int H, int A)
{
    BOOL afShown[FV_ANALYCH] = {};
    if (n > FV_ANALYCH)
        n = FV_ANALYCH;
    if (n < 4) {
        for (int i = 0; i < n; i++) {
            int y = i * A / n + H + 1;
            Place(pPlace, pn, nFirstId + i, PLACE_SHOW, 0, y, W, (i + 1) * A / n + H - y);
            afShown[i] = TRUE;
        }
    } else {
        const int R = (n + 1) / 2;
        for (int k = 0; k < n; k += 2) {
            const int r = k / 2;
            const int y = r * A / R + H + 1;
            const int cy = (r + 1) * A / R + H - y;
            if (k + 1 < n) {
                Place(pPlace, pn, nFirstId + k, PLACE_SHOW, 0, y, W / 2 - 1, cy);
                Place(pPlace, pn, nFirstId + k + 1, PLACE_SHOW, W / 2 - 1, y, W - W / 2, cy);
                afShown[k + 1] = TRUE;
            } else {
                Place(pPlace, pn, nFirstId + k, PLACE_SHOW, 0, y, W, cy);
            }
            afShown[k] = TRUE;
        }
    }
    for (int i = 0; i < FV_ANALYCH; i++)
        if (!afShown[i])
            Hide(pPlace, pn, nFirstId + i);
}

// The command buttons over the full width, in four or five columns.
void PlaceButtons(ANALYPLACE *pPlace, int *pn, int w, int h, int H, BOOL fCoherence)
{
    const int w2 = w - 2, d = fCoherence ? 5 : 4;
    const int y = h - H;
    auto q = [w2, d](int k) { return w2 * k / d; };
    Place(pPlace, pn, IDC_BANDSETUP, PLACE_MOVE, q(0), y, q(1) - q(0) - 1, H);
    Place(pPlace, pn, IDC_ADD, PLACE_MOVE, q(1), y, q(2) - q(1) - 1, H);
    Place(pPlace, pn, IDC_CLEAR, PLACE_MOVE, q(2), y, q(3) - q(2) - 1, H);
    if (fCoherence)
        Place(pPlace, pn, IDC_COHERENCE, PLACE_SHOW, q(3), y, q(4) - q(3) - 1, H);
    else
        Hide(pPlace, pn, IDC_COHERENCE);
    const int c = fCoherence ? 4 : 3;
    Place(pPlace, pn, IDC_SAVE, PLACE_MOVE, q(c), y, q(c + 1) - q(c) - 1, H);
}

}  // namespace

int CalcAnalyLayout(const ANALYLAYOUTIN *pIn, ANALYPLACE *pPlace)
{
    const int w = pIn->nWidth, h = pIn->nHeight, H = pIn->nRowHeight;
    int n = 0;
    int W = w;
    if (pIn->nPanelWidth >= 0) {
        const int P = pIn->nPanelWidth;
        Place(pPlace, &n, IDC_SETUPPANEL, PLACE_MOVE, (w - 2) - P - 1, 0, P + 2, h - H - 1);
        W = w - P - 4;
    }
    PlaceStatusLine(pPlace, &n, W, H);
    const int A = h - (2 * H + 2);
    const int nShownFirst = pIn->fHistogram ? IDC_BARGRAPH_FIRST : IDC_GRAPH_FIRST;
    const int nHiddenFirst = pIn->fHistogram ? IDC_GRAPH_FIRST : IDC_BARGRAPH_FIRST;
    PlaceGraphs(pPlace, &n, nShownFirst, pIn->nAnalyCh, W, H, A);
    for (int i = 0; i < FV_ANALYCH; i++)
        Hide(pPlace, &n, nHiddenFirst + i);
    PlaceButtons(pPlace, &n, w, h, H, pIn->fCoherence);
    return n;
}

