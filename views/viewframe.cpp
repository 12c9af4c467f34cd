// Geometry of the result views' plot frame, apart from any drawing.
#include "views/viewwnd.h"

#include <limits.h>

void ViewFrameLayout(HWND hWnd, const TEXTMETRICA *ptm, VIEWFRAME *pFrame)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hWnd, &rc);
    int m = (int)((GetWindowLongA(hWnd, GWL_STYLE) >> 8) & 15);
    int h = ptm->tmHeight;
    int a = ptm->tmAveCharWidth;
    pFrame->rcBounds = {rc.left + m, rc.top + m, rc.right - m, rc.bottom - m};
    const RECT &b = pFrame->rcBounds;
    pFrame->rcPlot = {b.left + 5 * a, b.top + 3 * h / 2, b.right - a / 2, b.bottom - 3 * h / 2};
    pFrame->nWidth = pFrame->rcPlot.right - pFrame->rcPlot.left;
    pFrame->nHeight = pFrame->rcPlot.bottom - pFrame->rcPlot.top;
    pFrame->nTextHeight = h;
    pFrame->nCharWidth = a;
}

void ViewColumnSpan(const VIEWFRAME *pFrame, int k, int n, int *px1, int *px2)
{
    *px1 = pFrame->rcPlot.left + 1 + k * pFrame->nWidth / n;
    *px2 = pFrame->rcPlot.left - 1 + (k + 1) * pFrame->nWidth / n;
}

BOOL ViewSpreadLabels(int n, const int *axCentre, const int *acxText, int xMin, int xMax, int *axLeft)
{
    int cxAll = 0;
    for (int k = 0; k < n; k++) {
        axLeft[k] = axCentre[k] - acxText[k] / 2;
        cxAll += acxText[k] + (k > 0 ? VIEW_LABEL_GAP : 0);
    }
    if (cxAll > xMax - xMin)
        return FALSE;
    // Pushed right past their left neighbours, then left off the right end
    // and past their right neighbours: each moves no further than it must.
    int x = xMin;
    for (int k = 0; k < n; k++) {
        if (axLeft[k] < x)
            axLeft[k] = x;
        x = axLeft[k] + acxText[k] + VIEW_LABEL_GAP;
    }
    x = xMax;
    for (int k = n - 1; k >= 0; k--) {
        if (axLeft[k] + acxText[k] > x)
            axLeft[k] = x - acxText[k];
        x = axLeft[k] - VIEW_LABEL_GAP;
    }
    return TRUE;
}

int ViewBarHeight(double dProduct)
{
    if (!(dProduct > 0.0)) // NaN and negative
        return 0;
    if (dProduct >= (double)INT_MAX)
        return INT_MAX;
    return (int)dProduct;
}
