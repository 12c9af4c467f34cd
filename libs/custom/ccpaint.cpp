// Painting of the custom controls and of the frame the plug-in asks for.
#include "ccintern.h"
#include "qcustom.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kEdgeDark = RGB(128, 128, 128);
const COLORREF kEdgeDarkest = RGB(64, 64, 64);

// Shade 0..15: grey from 0xF0 (light) down to 0x00 (black).
COLORREF ShadeColour(int nShade)
{
    const BYTE bGrey = BYTE(0xF0 - 0x10 * (nShade & 15));
    return RGB(bGrey, bGrey, bGrey);
}

void FillSolid(HDC hdc, const RECT *prc, COLORREF cr)
{
    HBRUSH hbr = CreateSolidBrush(cr);
    FillRect(hdc, prc, hbr);
    DeleteObject(hbr);
}

// Top and left edges in crTopLeft, bottom and right in crBottomRight, one
// pixel inside *prc.
void Edge(HDC hdc, const RECT *prc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    if (prc->right - prc->left < 2 || prc->bottom - prc->top < 2)
        return;
    HPEN hpenTL = CreatePen(PS_SOLID, 1, crTopLeft);
    HPEN hpenBR = CreatePen(PS_SOLID, 1, crBottomRight);
    HGDIOBJ hOld = SelectObject(hdc, hpenTL);
    MoveToEx(hdc, prc->left, prc->bottom - 1, NULL);
    LineTo(hdc, prc->left, prc->top);
    LineTo(hdc, prc->right, prc->top);
    SelectObject(hdc, hpenBR);
    MoveToEx(hdc, prc->right - 1, prc->top + 1, NULL);
    LineTo(hdc, prc->right - 1, prc->bottom - 1);
    LineTo(hdc, prc->left, prc->bottom - 1);
    SelectObject(hdc, hOld);
    DeleteObject(hpenTL);
    DeleteObject(hpenBR);
}

void CentredText(HDC hdc, const RECT *prc, LPCSTR pszText, UINT uAlign, HFONT hFont, COLORREF cr)
{
    HGDIOBJ hOld = SelectObject(hdc, hFont != NULL ? (HGDIOBJ)hFont : GetStockObject(DEFAULT_GUI_FONT));
    const int nOldMode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF crOld = SetTextColor(hdc, cr);
    RECT rc = *prc;
    DrawTextA(hdc, pszText, -1, &rc, uAlign | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(hdc, crOld);
    SetBkMode(hdc, nOldMode);
    SelectObject(hdc, hOld);
}

}  // namespace

void CcFrameRect(HDC hdc, const RECT *prc, int nKind, int nShade)
{
    const COLORREF crDark = ShadeColour(nShade);
    Edge(hdc, prc, crDark, (nKind & 2) ? kWhite : crDark);
}

void CcPaintStatic(HDC hdc, const RECT *prc, LONG lStyle, LPCSTR pszText, const CCSTATICDATA *p)
{
    const bool fFrame = (lStyle & 0xF0) != 0;
    const int nShade = int((lStyle >> 8) & 15);
    FillSolid(hdc, prc, fFrame && nShade > 0 ? kWhite : GetSysColor(COLOR_BTNFACE));
    if (fFrame)
        CcFrameRect(hdc, prc, int(lStyle & 2), nShade);
    const UINT uAlign = (lStyle & 4) ? DT_RIGHT : (lStyle & 1) ? DT_CENTER : DT_LEFT;
    RECT rcText = {prc->left + 3, prc->top + 1, prc->right - 3, prc->bottom - 1};
    CentredText(hdc, &rcText, pszText, uAlign, p->hFont, p->crText);
}

void CcPaintTextButton(HDC hdc, const RECT *prc, LPCSTR pszText, BOOL fEnabled, const CCTEXTBTNDATA *p)
{
    const bool fChecked = p->wCheck != BST_UNCHECKED;
    FillSolid(hdc, prc, p->acrFace[fChecked ? CB_COLOR_CHECKED : CB_COLOR_FACE]);
    if (p->wPressed || fChecked)
        Edge(hdc, prc, kEdgeDarkest, kWhite);
    else
        Edge(hdc, prc, kWhite, kEdgeDarkest);
    const int nShift = p->wPressed ? 1 : 0;
    RECT rcText = {prc->left + 2 + nShift, prc->top + 1 + nShift, prc->right - 2 + nShift, prc->bottom - 1 + nShift};
    CentredText(hdc, &rcText, pszText, DT_CENTER, p->hFont,
                fEnabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT));
}
