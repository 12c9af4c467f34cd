// Painting of QCUSTOMRNGSCALE32: the scale with its labels and the range.
#include "ccintern.h"

// The platform layer has no filling or text output yet: the painter keeps
// the context's objects as they are until the drawing layer provides them.
void RngScaleDraw(HWND hwnd, HDC hdc, const CCRNGSCALEDATA *p)
{
    RSTRACK t;
    if (!RngScaleTrack(hwnd, p, &t))
        return;
    if (p->hFont != NULL)
        SelectObject(hdc, SelectObject(hdc, p->hFont));
}
