// Three-dimensional edges and the focus rectangle, drawn with the system
// colours through the context's own GDI calls, so that they serve window
// contexts, memory contexts and metafiles alike.
#include <windows.h>

namespace {

// The colour index of each one-pixel line: [outer/inner][raised/sunken].
struct EDGECOLOURS {
    int nTopLeft, nBottomRight;
};

// Outer line of a raised edge: light above, darkest below; of a sunken
// edge: shadow above, highlight below. The inner line lies between.
EDGECOLOURS OuterColours(UINT uEdge, BOOL fSoft)
{
    if (uEdge & BDR_RAISEDOUTER)
        return {fSoft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    return {fSoft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
}

EDGECOLOURS InnerColours(UINT uEdge, BOOL fSoft)
{
    if (uEdge & BDR_RAISEDINNER)
        return {fSoft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    return {fSoft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void Bar(HDC hdc, LONG x, LONG y, LONG cx, LONG cy, int nColour)
{
    if (cx <= 0 || cy <= 0)
        return;
    RECT rc = {x, y, x + cx, y + cy};
    FillRect(hdc, &rc, GetSysColorBrush(nColour));
}

// One line around rc on the chosen sides. The top and left lines stop a
// pixel short of the far corners, which the bottom and right lines own.
void Ring(HDC hdc, RECT *prc, UINT uSides, EDGECOLOURS c)
{
    LONG cx = prc->right - prc->left, cy = prc->bottom - prc->top;
    if (uSides & BF_TOP)
        Bar(hdc, prc->left, prc->top, cx - 1, 1, c.nTopLeft);
    if (uSides & BF_LEFT)
        Bar(hdc, prc->left, prc->top, 1, cy - 1, c.nTopLeft);
    if (uSides & BF_BOTTOM)
        Bar(hdc, prc->left, prc->bottom - 1, cx, 1, c.nBottomRight);
    if (uSides & BF_RIGHT)
        Bar(hdc, prc->right - 1, prc->top, 1, cy, c.nBottomRight);
    prc->left += (uSides & BF_LEFT) ? 1 : 0;
    prc->top += (uSides & BF_TOP) ? 1 : 0;
    prc->right -= (uSides & BF_RIGHT) ? 1 : 0;
    prc->bottom -= (uSides & BF_BOTTOM) ? 1 : 0;
}

}  // namespace

extern "C" BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags)
{
    if (!hdc || !qrc)
        return FALSE;
    RECT rc = *qrc;
    UINT uSides = grfFlags & BF_RECT;
    BOOL fSoft = (grfFlags & BF_SOFT) != 0;
    int nFill = COLOR_BTNFACE;
    if (grfFlags & (BF_FLAT | BF_MONO)) {
        // A flat edge is one plain line (shadow, or the frame colour for a
        // mono one), and the inside takes the face or window colour.
        int nLine = (grfFlags & BF_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
        nFill = (grfFlags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE;
        if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER | BDR_RAISEDINNER | BDR_SUNKENINNER))
            Ring(hdc, &rc, uSides, EDGECOLOURS{nLine, nLine});
    } else {
        if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
            Ring(hdc, &rc, uSides, OuterColours(edge, fSoft));
        if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
            Ring(hdc, &rc, uSides, InnerColours(edge, fSoft));
    }
    if ((grfFlags & BF_MIDDLE) && rc.right > rc.left && rc.bottom > rc.top)
        FillRect(hdc, &rc, GetSysColorBrush(nFill));
    if (grfFlags & BF_ADJUST)
        *qrc = rc;
    return TRUE;
}

extern "C" BOOL WINAPI DrawFocusRect(HDC hDC, const RECT *lprc)
{
    if (!hDC || !lprc)
        return FALSE;
    const RECT &rc = *lprc;
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return TRUE;
    // Inverting (rather than painting black) is what lets the same call
    // remove the rectangle again; pixels outside the clip are left alone.
    auto invert = [hDC](LONG x, LONG y) {
        if ((x + y) & 1)
            return;
        COLORREF cr = GetPixel(hDC, x, y);
        if (cr != CLR_INVALID)
            SetPixel(hDC, x, y, RGB(255 - GetRValue(cr), 255 - GetGValue(cr), 255 - GetBValue(cr)));
    };
    for (LONG x = rc.left; x < rc.right; x++) {
        invert(x, rc.top);
        if (rc.bottom - 1 > rc.top)
            invert(x, rc.bottom - 1);
    }
    for (LONG y = rc.top + 1; y < rc.bottom - 1; y++) {
        invert(rc.left, y);
        if (rc.right - 1 > rc.left)
            invert(rc.right - 1, y);
    }
    return TRUE;
}
