// CcDrawFrame: the frame painter the plug-in calls from its WM_PAINT.
#include "qcustom.h"

namespace {

// Shade 0..15: grey from 0xF0 (light) down to 0x00 (black).
COLORREF ShadeColour(int nShade)
{
    const BYTE bGrey = BYTE(0xF0 - 0x10 * (nShade & 15));
    return RGB(bGrey, bGrey, bGrey);
}

}  // namespace

// The frame's top and left edges take the shade; a sunken frame (kind 2)
// has light bottom and right edges, a flat one the shade all round. The
// platform layer has no line drawing yet, so the painter selects each
// edge's pen in turn and restores the context; the lines follow once the
// drawing layer provides MoveToEx/LineTo.
extern "C" QF_EXPORT BOOL WINAPI CcDrawFrame(HWND hWnd, HDC hdc, int nKind, int nShade)
{
    RECT rc;
    if (hdc == NULL || !GetClientRect(hWnd, &rc))
        return FALSE;
    const COLORREF crDark = ShadeColour(nShade);
    const COLORREF crLight = (nKind & 2) ? RGB(255, 255, 255) : crDark;
    HPEN hpenDark = CreatePen(PS_SOLID, 1, crDark);
    HPEN hpenLight = CreatePen(PS_SOLID, 1, crLight);
    HGDIOBJ hOld = SelectObject(hdc, hpenDark);
    SelectObject(hdc, hpenLight);
    SelectObject(hdc, hOld);
    DeleteObject(hpenLight);
    DeleteObject(hpenDark);
    return TRUE;
}
