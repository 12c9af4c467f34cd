// The result views' drawing for a platform layer without GDI's drawing
// calls: nothing is drawn. Built instead of viewdraw.cpp only until the
// layer draws (frame/CMakeLists.txt decides).
#include "views/viewwnd.h"

void ViewBeginDraw(HWND hWnd, HDC hdc, VIEWPAINT *pPaint)
{
    TEXTMETRICA tm = {};
    pPaint->hdc = hdc;
    ViewFrameLayout(hWnd, &tm, &pPaint->frame);
}

void ViewEndDraw(VIEWPAINT *)
{
}

void ViewDrawPlot(const VIEWPAINT *, const char *, VIEWSCALELABEL)
{
}

void ViewDrawColumn(const VIEWPAINT *, int, int, const char *)
{
}

void ViewDrawBar(const VIEWPAINT *, int, int, int, COLORREF)
{
}

void ViewDrawCentred(const VIEWPAINT *, int, int, int, int, const char *)
{
}
