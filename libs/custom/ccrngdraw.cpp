// Painting of QCUSTOMRNGSCALE32: ticks and labels on the left, the track
// on the right with the range filled in.
#include <stdio.h>
#include <string.h>

#include "ccintern.h"

namespace {

const COLORREF kTrack = RGB(255, 255, 255);
const COLORREF kRange = RGB(0x50, 0x8C, 0xDC);
const COLORREF kRangeEnd = RGB(0, 0x28, 0x78);
const COLORREF kInk = RGB(0, 0, 0);
const int kTick = 3;  // tick length, pixels

void Fill(HDC hdc, int l, int t, int r, int b, COLORREF cr)
{
    RECT rc = {l, t, r, b};
    HBRUSH hbr = CreateSolidBrush(cr);
    FillRect(hdc, &rc, hbr);
    DeleteObject(hbr);
}

// A label: the value divided by 10^setting 0 with setting 1 decimals.
void Label(const CCRNGSCALEDATA *p, LONG v, char *psz, size_t cb)
{
    double d = v;
    for (LONG i = 0; i < p->anSetting[0]; i++)
        d /= 10.0;
    snprintf(psz, cb, "%.*f", (int)p->anSetting[1], d);
}

void DrawScale(HDC hdc, const CCRNGSCALEDATA *p, const RSTRACK &t, int nLeft)
{
    HPEN hpen = CreatePen(PS_SOLID, 1, kInk);
    HGDIOBJ hOldPen = SelectObject(hdc, hpen);
    int yLastLabel = 1 << 30;
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    for (LONG i = 0; i <= p->nDivisions; i++) {
        LONG v = p->nScaleMin + (LONG)((LONGLONG)(p->nScaleMax - p->nScaleMin) * i / p->nDivisions);
        int y = RngScaleY(p, &t, v);
        MoveToEx(hdc, t.left - kTick - 1, y, NULL);
        LineTo(hdc, t.left - 1, y);
        if (yLastLabel - y < tm.tmHeight)  // labels never overlap
            continue;
        char szLabel[48];
        Label(p, v, szLabel, sizeof(szLabel));
        if (i == p->nDivisions)  // the unit goes with the upper end
            snprintf(szLabel + strlen(szLabel), sizeof(szLabel) - strlen(szLabel), "%s", p->szUnit);
        RECT rc = {nLeft, y - tm.tmHeight / 2, t.left - kTick - 2, y + tm.tmHeight / 2 + 1};
        DrawTextA(hdc, szLabel, -1, &rc, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
        yLastLabel = y;
    }
    SelectObject(hdc, hOldPen);
    DeleteObject(hpen);
}

void DrawRange(HDC hdc, const CCRNGSCALEDATA *p, const RSTRACK &t)
{
    Fill(hdc, t.left, t.top, t.right, t.bottom + 1, kTrack);
    int yLow = RngScaleY(p, &t, p->nLow), yHigh = RngScaleY(p, &t, p->nHigh);
    int yTop = yLow < yHigh ? yLow : yHigh, yBottom = yLow < yHigh ? yHigh : yLow;
    Fill(hdc, t.left + 1, yTop, t.right - 1, yBottom + 1, kRange);
    Fill(hdc, t.left, yTop, t.right, yTop + 1, kRangeEnd);
    Fill(hdc, t.left, yBottom, t.right, yBottom + 1, kRangeEnd);
    HBRUSH hbr = CreateSolidBrush(kInk);
    RECT rc = {t.left - 1, t.top - 1, t.right + 1, t.bottom + 2};
    FrameRect(hdc, &rc, hbr);
    DeleteObject(hbr);
}

}  // namespace

void RngScaleDraw(HWND hwnd, HDC hdc, const CCRNGSCALEDATA *p)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    RSTRACK t;
    if (!RngScaleTrack(hwnd, p, &t))
        return;
    HGDIOBJ hOldFont = SelectObject(hdc, p->hFont != NULL ? (HGDIOBJ)p->hFont
                                                           : GetStockObject(DEFAULT_GUI_FONT));
    int nOldMode = SetBkMode(hdc, TRANSPARENT);
    COLORREF crOld = SetTextColor(hdc, IsWindowEnabled(hwnd) ? kInk : GetSysColor(COLOR_GRAYTEXT));
    DrawScale(hdc, p, t, rc.left + 1);
    DrawRange(hdc, p, t);
    SetTextColor(hdc, crOld);
    SetBkMode(hdc, nOldMode);
    SelectObject(hdc, hOldFont);
}
