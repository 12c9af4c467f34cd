// GDI objects of the platform layer: one handle table for pens, brushes,
// fonts and device contexts, so a handle of one kind is never taken for
// another.
#ifndef PLATFORM_GDI_H
#define PLATFORM_GDI_H

#include <windows.h>

struct GDIOBJ {
    DWORD dwType;       // OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_DC, OBJ_MEMDC
    BOOL fStock;        // never deleted
    int cSelected;      // contexts that have it selected
    BOOL fDeletePending;
    LOGPEN lp;
    LOGBRUSH lb;
    LOGFONTA lf;
    // Device contexts.
    HWND hwnd;          // window of GetDC/BeginPaint; NULL for the screen
    HGDIOBJ hPen, hBrush, hFont;
    COLORREF crText, crBk;
    int nBkMode;
    // A drawing surface is attached here when drawing is added.
};

GDIOBJ *GdiGet(HGDIOBJ h);                  // NULL for stale or foreign handles
HGDIOBJ GdiAdd(const GDIOBJ &obj);          // NULL when the table is full
void GdiRemove(HGDIOBJ h);
void GdiDeselect(HGDIOBJ h);                // one context let go of h

#endif /* PLATFORM_GDI_H */
