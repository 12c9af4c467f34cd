// Drawing of the result views: the cream plot area, frame, title, scale,
// column lines, labels and bars.
#include "views/viewwnd.h"

#include <string.h>

#define PLOT_COLOR  RGB(0xFF, 0xF2, 0xE9) // very light cream
#define FRAME_COLOR RGB(0, 0, 0)
#define GRID_COLOR  RGB(0xE0, 0xE0, 0xE0)

// A metafile may have no colour table: its nearest colour is then the
// colour itself.
static COLORREF NearestColor(HDC hdc, COLORREF cr)
{
    COLORREF crNear = GetNearestColor(hdc, cr);
    return crNear == CLR_INVALID ? cr : crNear;
}

static BOOL MeasureFont(HDC hdc, HFONT hFont, TEXTMETRICA *ptm)
{
    HGDIOBJ hOld = hFont != NULL ? SelectObject(hdc, hFont) : NULL;
    BOOL bOk = GetTextMetricsA(hdc, ptm);
    if (hOld != NULL)
        SelectObject(hdc, hOld);
    return bOk;
}

void ViewBeginDraw(HWND hWnd, HDC hdc, VIEWPAINT *pPaint)
{
    HFONT hFont = (HFONT)GetWindowLongPtrA(hWnd, VWW_FONT);
    pPaint->hdc = hdc;
    pPaint->hOldFont = hFont != NULL ? SelectObject(hdc, hFont) : NULL;
    TEXTMETRICA tm = {};
    if (!GetTextMetricsA(hdc, &tm)) {
        HDC hdcWnd = GetDC(hWnd);
        if (hdcWnd != NULL) {
            MeasureFont(hdcWnd, hFont, &tm);
            ReleaseDC(hWnd, hdcWnd);
        }
    }
    ViewFrameLayout(hWnd, &tm, &pPaint->frame);
    pPaint->hpenFrame = CreatePen(PS_SOLID, 1, FRAME_COLOR);
    pPaint->hpenGrid = CreatePen(PS_SOLID, 1, GRID_COLOR);
    pPaint->hOldPen = NULL;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, FRAME_COLOR);
}

void ViewEndDraw(VIEWPAINT *pPaint)
{
    if (pPaint->hOldPen != NULL)
        SelectObject(pPaint->hdc, pPaint->hOldPen);
    if (pPaint->hOldFont != NULL)
        SelectObject(pPaint->hdc, pPaint->hOldFont);
    if (pPaint->hpenFrame != NULL)
        DeleteObject(pPaint->hpenFrame);
    if (pPaint->hpenGrid != NULL)
        DeleteObject(pPaint->hpenGrid);
}

static void SelectPen(VIEWPAINT *pPaint, HPEN hPen)
{
    HGDIOBJ hOld = SelectObject(pPaint->hdc, hPen);
    if (pPaint->hOldPen == NULL)
        pPaint->hOldPen = hOld;
}

static void FillSolid(HDC hdc, const RECT *prc, COLORREF cr)
{
    HBRUSH hBrush = CreateSolidBrush(NearestColor(hdc, cr));
    if (hBrush == NULL)
        return;
    FillRect(hdc, prc, hBrush);
    DeleteObject(hBrush);
}

static void DrawLine(HDC hdc, int x1, int y1, int x2, int y2)
{
    MoveToEx(hdc, x1, y1, NULL);
    LineTo(hdc, x2, y2);
}

static void DrawScale(const VIEWPAINT *pPaint, VIEWSCALELABEL pfnLabel)
{
    const VIEWFRAME &f = pPaint->frame;
    const RECT &r = f.rcPlot;
    for (int p = 0; p <= 100; p += 25) {
        int y = r.bottom - p * f.nHeight / 100;
        if (p > 0 && p < 100)
            DrawLine(pPaint->hdc, r.left + 1, y, r.right - 1, y);
        char szLabel[16];
        pfnLabel(p, szLabel, sizeof(szLabel));
        int nLen = (int)strlen(szLabel);
        TextOutA(pPaint->hdc, r.left - nLen * f.nCharWidth - 2, y - f.nTextHeight / 2, szLabel,
                 nLen);
    }
}

void ViewDrawPlot(const VIEWPAINT *pPaint, const char *pszTitle, VIEWSCALELABEL pfnLabel)
{
    VIEWPAINT *pp = const_cast<VIEWPAINT *>(pPaint);
    const VIEWFRAME &f = pPaint->frame;
    const RECT &r = f.rcPlot;
    HDC hdc = pPaint->hdc;
    FillSolid(hdc, &r, PLOT_COLOR);
    SelectPen(pp, pPaint->hpenFrame);
    const POINT aptFrame[5] = {{r.right + 1, r.bottom}, {r.left, r.bottom}, {r.left, r.top - 1},
                               {r.right + 1, r.top - 1}, {r.right + 1, r.bottom}};
    Polyline(hdc, aptFrame, 5);
    TextOutA(hdc, r.left + f.nCharWidth / 2, f.rcBounds.top + 2, pszTitle,
             (int)strlen(pszTitle));
    SelectPen(pp, pPaint->hpenGrid);
    DrawScale(pPaint, pfnLabel);
}

void ViewDrawCentred(const VIEWPAINT *pPaint, int x1, int y1, int x2, int y2, const char *pszText)
{
    RECT rc = {x1, y1, x2, y2};
    DrawTextA(pPaint->hdc, pszText, -1, &rc, VIEW_DT_CENTRED);
}

void ViewDrawColumn(const VIEWPAINT *pPaint, int k, int n)
{
    const RECT &r = pPaint->frame.rcPlot;
    int x1, x2;
    ViewColumnSpan(&pPaint->frame, k, n, &x1, &x2);
    DrawLine(pPaint->hdc, x1, r.bottom + 1, x1, r.top + 1);
    DrawLine(pPaint->hdc, x2, r.bottom + 1, x2, r.top + 1);
}

// A Windows metafile measures no text: the average width stands in.
static int LabelWidth(const VIEWPAINT *pPaint, const char *pszLabel)
{
    int nLen = (int)strlen(pszLabel);
    SIZE size = {0, 0};
    if (!GetTextExtentPoint32A(pPaint->hdc, pszLabel, nLen, &size) || size.cx <= 0)
        size.cx = nLen * pPaint->frame.nCharWidth;
    return (int)size.cx;
}

void ViewDrawColumnLabels(const VIEWPAINT *pPaint, int n, const char *const *apszLabels)
{
    const VIEWFRAME &f = pPaint->frame;
    if (n > VIEW_MAXCOLUMNS)
        n = VIEW_MAXCOLUMNS;
    int axCentre[VIEW_MAXCOLUMNS] = {}, acxText[VIEW_MAXCOLUMNS] = {}, axLeft[VIEW_MAXCOLUMNS] = {};
    for (int k = 0; k < n; k++) {
        int x1, x2;
        ViewColumnSpan(&f, k, n, &x1, &x2);
        axCentre[k] = (x1 + x2 + 1) / 2;
        acxText[k] = LabelWidth(pPaint, apszLabels[k]);
    }
    BOOL bSpread = ViewSpreadLabels(n, axCentre, acxText, f.rcPlot.left, f.rcPlot.right + 2, axLeft);
    const int y1 = f.rcPlot.bottom + 2, y2 = f.rcPlot.bottom + f.nTextHeight - 2;
    for (int k = 0; k < n; k++) {
        if (bSpread) {
            ViewDrawCentred(pPaint, axLeft[k], y1, axLeft[k] + acxText[k], y2, apszLabels[k]);
            continue;
        }
        int x1, x2;
        ViewColumnSpan(&f, k, n, &x1, &x2);
        RECT rc = {x1, y1, x2 + 1, y2};
        DrawTextA(pPaint->hdc, apszLabels[k], -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void ViewDrawBar(const VIEWPAINT *pPaint, int k, int n, int nBarHeight, COLORREF cr)
{
    const RECT &r = pPaint->frame.rcPlot;
    int hb = nBarHeight < pPaint->frame.nHeight ? nBarHeight : pPaint->frame.nHeight;
    if (hb <= 0)
        return;
    int x1, x2;
    ViewColumnSpan(&pPaint->frame, k, n, &x1, &x2);
    RECT rcBar = {x1, r.bottom - hb, x2, r.bottom - 1};
    FillSolid(pPaint->hdc, &rcBar, cr);
}
