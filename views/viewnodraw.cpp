// The result views for a platform layer without GDI's drawing calls, menus,
// clipboard or metafiles: they draw nothing, hand out no picture and offer
// no menu. Built instead of viewdraw.cpp and viewexport.cpp only until the
// layer has them (frame/CMakeLists.txt decides).
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

HANDLE ViewGetImage(HWND, const FFTVIEWDATA *, int, VIEWDRAWPROC)
{
    return NULL;
}

void ViewCopyToClipboard(HWND, UINT, HANDLE hData)
{
    GlobalFree(hData);
}

void GraphPopupMenu(HWND)
{
}
