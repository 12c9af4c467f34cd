// Lines and shapes with the selected pen and brush. Drawing is aliased and
// follows Windows' pixel rules: a path through pixel centres, a 1-pixel
// line leaves out its last pixel, a shape covers left..right-1.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "gdi.h"
#include "internal.h"

namespace {

const double kDash[] = {18, 6};
const double kDot[] = {3, 3};
const double kDashDot[] = {9, 6, 3, 6};
const double kDashDotDot[] = {9, 3, 3, 3, 3, 3};

struct PENINFO {
    bool fNull;
    int nWidth;
    double dOffset;      // centres the path on pixels for odd widths
    const double *pDash;
    int cDash;
};

PENINFO PenOf(GDIOBJ *pDc)
{
    GDIOBJ *pPen = GdiGet(pDc->st.hPen);
    PENINFO pi{};
    UINT uStyle = pPen ? (pPen->lp.lopnStyle & 0xF) : PS_SOLID;
    pi.fNull = !pPen || uStyle == PS_NULL;
    pi.nWidth = pPen ? std::max<LONG>(1, pPen->lp.lopnWidth.x) : 1;
    pi.dOffset = (pi.nWidth % 2) ? 0.5 : 0.0;
    // Styled lines are cosmetic: a wider pen draws solid.
    if (pi.nWidth == 1) {
        switch (uStyle) {
        case PS_DASH: pi.pDash = kDash, pi.cDash = 2; break;
        case PS_DOT: pi.pDash = kDot, pi.cDash = 2; break;
        case PS_DASHDOT: pi.pDash = kDashDot, pi.cDash = 4; break;
        case PS_DASHDOTDOT: pi.pDash = kDashDotDot, pi.cDash = 6; break;
        }
    }
    return pi;
}

// Strokes the current path; the gaps of a styled line take the background
// colour in OPAQUE mode.
void Stroke(cairo_t *cr, GDIOBJ *pDc, const PENINFO &pi)
{
    GDIOBJ *pPen = GdiGet(pDc->st.hPen);
    cairo_set_line_width(cr, pi.nWidth);
    cairo_set_line_cap(cr, pi.nWidth == 1 ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, pi.nWidth == 1 ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
    if (pi.pDash && pDc->st.nBkMode == OPAQUE) {
        GdiSetColor(cr, pDc->st.crBk);
        cairo_stroke_preserve(cr);
    }
    if (pi.pDash)
        cairo_set_dash(cr, pi.pDash, pi.cDash, 0);
    GdiSetColor(cr, pPen->lp.lopnColor);
    cairo_stroke(cr);
}

void FillPreserve(cairo_t *cr, GDIOBJ *pDc)
{
    if (GdiSetBrushSource(cr, pDc, (HBRUSH)pDc->st.hBrush))
        cairo_fill_preserve(cr);
}

void PathPoints(cairo_t *cr, const std::vector<POINT> &pts, double dOffset)
{
    cairo_move_to(cr, pts[0].x + dOffset, pts[0].y + dOffset);
    for (size_t i = 1; i < pts.size(); i++)
        cairo_line_to(cr, pts[i].x + dOffset, pts[i].y + dOffset);
}

// A 1-pixel line as Windows draws it: Bresenham steps straight into the
// pixels, each segment without its last point, the style pattern running
// on across segments.
struct COSMETIC {
    unsigned char *pData;
    int nStride;
    RECT rcClip;
    uint32_t pxPen, pxBk;
    bool fGaps;          // OPAQUE: gaps take the background colour
    const double *pDash;
    int cDash;
    int nPos;            // pixels into the pattern
};

uint32_t PixelOf(COLORREF cr)
{
    return 0xFF000000u | ((uint32_t)GetRValue(cr) << 16) | ((uint32_t)GetGValue(cr) << 8) | GetBValue(cr);
}

void Plot(COSMETIC &c, int x, int y)
{
    bool fOn = true;
    if (c.pDash) {
        int nTotal = 0;
        for (int i = 0; i < c.cDash; i++)
            nTotal += (int)c.pDash[i];
        int nAt = c.nPos++ % nTotal;
        for (int i = 0; i < c.cDash; i++) {
            if (nAt < (int)c.pDash[i]) {
                fOn = (i % 2) == 0;
                break;
            }
            nAt -= (int)c.pDash[i];
        }
        if (!fOn && !c.fGaps)
            return;
    }
    if (x < c.rcClip.left || x >= c.rcClip.right || y < c.rcClip.top || y >= c.rcClip.bottom)
        return;
    ((uint32_t *)(c.pData + (ptrdiff_t)y * c.nStride))[x] = fOn ? c.pxPen : c.pxBk;
}

void Segment(COSMETIC &c, POINT a, POINT b)
{
    int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
    int sx = b.x >= a.x ? 1 : -1, sy = b.y >= a.y ? 1 : -1;
    int x = a.x, y = a.y;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i < dx; i++) {
            Plot(c, x, y);
            if (err > 0 || (err == 0 && sx > 0)) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i < dy; i++) {
            Plot(c, x, y);
            if (err > 0 || (err == 0 && sy > 0)) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y += sy;
        }
    }
}

void CosmeticPolyline(GDIOBJ *pDc, cairo_surface_t *pSurface, const PENINFO &pi, const std::vector<POINT> &pts)
{
    COSMETIC c{};
    cairo_surface_flush(pSurface);
    c.pData = cairo_image_surface_get_data(pSurface);
    c.nStride = cairo_image_surface_get_stride(pSurface);
    c.rcClip = DcClipRect(pDc);
    c.pxPen = PixelOf(GdiGet(pDc->st.hPen)->lp.lopnColor);
    c.pxBk = PixelOf(pDc->st.crBk);
    c.fGaps = pDc->st.nBkMode == OPAQUE;
    c.pDash = pi.pDash;
    c.cDash = pi.cDash;
    POINT ptOff = DcToSurface(pDc, 0, 0);
    for (size_t i = 1; i < pts.size(); i++)
        Segment(c, POINT{pts[i - 1].x + ptOff.x, pts[i - 1].y + ptOff.y},
                POINT{pts[i].x + ptOff.x, pts[i].y + ptOff.y});
    cairo_surface_mark_dirty(pSurface);
}

bool DrawPolyline(HDC hdc, const std::vector<POINT> &pts)
{
    GDIOBJ *pDc = DcGet(hdc);
    cairo_surface_t *pSurface = pDc ? DcSurface(pDc) : nullptr;
    if (!pSurface)
        return true;
    PENINFO pi = PenOf(pDc);
    if (pi.fNull)
        return true;
    if (pi.nWidth == 1 && GdiIsImage(pSurface)) {
        CosmeticPolyline(pDc, pSurface, pi, pts);
        return true;
    }
    cairo_t *cr = DcBeginDraw(hdc, &pDc);
    if (!cr)
        return true;
    PathPoints(cr, pts, pi.dOffset);
    Stroke(cr, pDc, pi);
    DcEndDraw(cr);
    return true;
}

// The pixels a list of points can touch (pen width aside).
RECT BoundsOf(const std::vector<POINT> &pts)
{
    RECT rc{pts[0].x, pts[0].y, pts[0].x + 1, pts[0].y + 1};
    for (const POINT &pt : pts)
        rc = RECT{std::min(rc.left, pt.x), std::min(rc.top, pt.y), std::max(rc.right, pt.x + 1),
                  std::max(rc.bottom, pt.y + 1)};
    return rc;
}

// A recording keeps the brush's colour, not the caller's handle, which
// may be gone before playback; system colour brushes stay as they are.
std::function<HBRUSH()> BrushMaker(HBRUSH hbr)
{
    GDIOBJ *pBrush = GdiGet(hbr);
    if (!pBrush || pBrush->fStock)
        return [hbr] { return hbr; };
    LOGBRUSH lb = pBrush->lb;
    return [lb] {
        if (lb.lbStyle == BS_NULL)
            return (HBRUSH)GetStockObject(NULL_BRUSH);
        return lb.lbStyle == BS_HATCHED ? CreateHatchBrush((int)lb.lbHatch, lb.lbColor) : CreateSolidBrush(lb.lbColor);
    };
}

void WithBrush(const std::function<HBRUSH()> &fnMake, const std::function<void(HBRUSH)> &fnDraw)
{
    HBRUSH hbr = fnMake();
    fnDraw(hbr);
    DeleteObject(hbr);   // stock brushes stay
}

RECT Normalized(int left, int top, int right, int bottom)
{
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// Draws a closed shape whose outline passes through the pixel centres of
// rc's outer pixels; its interior (right..bottom edges excluded) is filled.
template <class PATH> BOOL DrawShape(HDC hdc, const RECT &rc, PATH fnPath)
{
    if (rc.right - rc.left < 1 || rc.bottom - rc.top < 1)
        return TRUE;
    GDIOBJ *pDc;
    cairo_t *cr = DcBeginDraw(hdc, &pDc);
    if (!cr)
        return TRUE;
    double x = rc.left + 0.5, y = rc.top + 0.5;
    double cx = rc.right - rc.left - 1, cy = rc.bottom - rc.top - 1;
    fnPath(cr, x, y, cx, cy);
    FillPreserve(cr, pDc);
    PENINFO pi = PenOf(pDc);
    if (!pi.fNull)
        Stroke(cr, pDc, pi);
    DcEndDraw(cr);
    return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return DcSetPoint(hdc, &DCSTATE::ptCur, POINT{x, y}, lppt, MoveToEx);
}

extern "C" BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt)
{
    return DcGetPoint(hdc, &DCSTATE::ptCur, lppt);
}

extern "C" BOOL WINAPI LineTo(HDC hdc, int x, int y)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return FALSE;
    POINT ptFrom = pDc->st.ptCur;
    RECT rcBounds = BoundsOf({ptFrom, POINT{x, y}});
    MetaRecord(pDc, [=](HDC h) { LineTo(h, x, y); }, &rcBounds);
    pDc->st.ptCur = POINT{x, y};
    return DrawPolyline(hdc, {ptFrom, POINT{x, y}});
}

extern "C" BOOL WINAPI Polyline(HDC hdc, const POINT *apt, int cpt)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc || !apt || cpt < 2)
        return FALSE;
    std::vector<POINT> pts(apt, apt + cpt);
    RECT rcBounds = BoundsOf(pts);
    MetaRecord(pDc, [=](HDC h) { Polyline(h, pts.data(), (int)pts.size()); }, &rcBounds);
    return DrawPolyline(hdc, pts);
}

extern "C" BOOL WINAPI Polygon(HDC hdc, const POINT *apt, int cpt)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc || !apt || cpt < 2)
        return FALSE;
    std::vector<POINT> pts(apt, apt + cpt);
    RECT rcBounds = BoundsOf(pts);
    MetaRecord(pDc, [=](HDC h) { Polygon(h, pts.data(), (int)pts.size()); }, &rcBounds);
    cairo_t *cr = DcBeginDraw(hdc, &pDc);
    if (!cr)
        return TRUE;
    PENINFO pi = PenOf(pDc);
    PathPoints(cr, pts, 0.5);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    FillPreserve(cr, pDc);
    if (!pi.fNull)
        Stroke(cr, pDc, pi);
    cairo_new_path(cr);
    DcEndDraw(cr);
    return TRUE;
}

extern "C" BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return FALSE;
    RECT rc = Normalized(left, top, right, bottom);
    MetaRecord(pDc, [=](HDC h) { Rectangle(h, left, top, right, bottom); }, &rc);
    return DrawShape(hdc, rc,
                     [](cairo_t *cr, double x, double y, double cx, double cy) { cairo_rectangle(cr, x, y, cx, cy); });
}

extern "C" BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    GDIOBJ *pDc = DcGet(hdc);
    if (!pDc)
        return FALSE;
    RECT rc = Normalized(left, top, right, bottom);
    MetaRecord(pDc, [=](HDC h) { Ellipse(h, left, top, right, bottom); }, &rc);
    return DrawShape(hdc, rc,
                     [](cairo_t *cr, double x, double y, double cx, double cy) {
                         cairo_save(cr);
                         cairo_translate(cr, x + cx / 2, y + cy / 2);
                         cairo_scale(cr, std::max(cx, 0.5) / 2, std::max(cy, 0.5) / 2);
                         cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
                         cairo_restore(cr);
                     });
}

extern "C" int WINAPI FillRect(HDC hDC, const RECT *lprc, HBRUSH hbr)
{
    GDIOBJ *pDc = DcGet(hDC);
    if (!pDc || !lprc || !BrushFromClassBackground(hbr))
        return 0;
    RECT rc = *lprc;
    std::function<HBRUSH()> fnMake = BrushMaker(hbr);
    MetaRecord(pDc, [=](HDC h) { WithBrush(fnMake, [&](HBRUSH hbrPlay) { FillRect(h, &rc, hbrPlay); }); }, &rc);
    cairo_t *cr = DcBeginDraw(hDC, nullptr);
    if (!cr)
        return 1;
    if (GdiSetBrushSource(cr, pDc, hbr)) {
        cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        cairo_fill(cr);
    }
    DcEndDraw(cr);
    return 1;
}

extern "C" int WINAPI FrameRect(HDC hDC, const RECT *lprc, HBRUSH hbr)
{
    GDIOBJ *pDc = DcGet(hDC);
    if (!pDc || !lprc || !BrushFromClassBackground(hbr))
        return 0;
    RECT rc = *lprc;
    std::function<HBRUSH()> fnMake = BrushMaker(hbr);
    MetaRecord(pDc, [=](HDC h) { WithBrush(fnMake, [&](HBRUSH hbrPlay) { FrameRect(h, &rc, hbrPlay); }); }, &rc);
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return 1;
    cairo_t *cr = DcBeginDraw(hDC, nullptr);
    if (!cr)
        return 1;
    if (!GdiSetBrushSource(cr, pDc, hbr)) {
        DcEndDraw(cr);
        return 1;
    }
    cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    if (rc.right - rc.left > 2 && rc.bottom - rc.top > 2)
        cairo_rectangle(cr, rc.left + 1, rc.top + 1, rc.right - rc.left - 2, rc.bottom - rc.top - 2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    DcEndDraw(cr);
    return 1;
}
