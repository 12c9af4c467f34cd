// Brushes as cairo sources: a solid colour, or a hatch of 8 x 8 pixels
// repeated from the context's device origin, its lines in the brush's
// colour and its gaps in the background colour (OPAQUE) or left alone
// (TRANSPARENT), as GDI fills with a hatched brush.
#include <windows.h>

#include "gdi.h"
#include "internal.h"

namespace {

// One byte a row, top row first; bit 0x80 is the leftmost pixel.
const BYTE kHatches[HS_DIAGCROSS + 1][8] = {
    {0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00},  // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL: "\"
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL: "/"
    {0x08, 0x08, 0x08, 0xff, 0x08, 0x08, 0x08, 0x08},  // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
};

uint32_t Argb(COLORREF cr)
{
    return 0xFF000000u | ((uint32_t)GetRValue(cr) << 16) | ((uint32_t)GetGValue(cr) << 8) | GetBValue(cr);
}

cairo_pattern_t *HatchPattern(ULONG_PTR uHatch, COLORREF crLine, COLORREF crBk, bool fOpaque)
{
    cairo_surface_t *pTile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    unsigned char *pData = cairo_image_surface_get_data(pTile);
    int nStride = cairo_image_surface_get_stride(pTile);
    for (int y = 0; y < 8; y++) {
        uint32_t *pRow = (uint32_t *)(pData + y * nStride);
        for (int x = 0; x < 8; x++) {
            bool fLine = (kHatches[uHatch][y] >> (7 - x)) & 1;
            pRow[x] = fLine ? Argb(crLine) : fOpaque ? Argb(crBk) : 0;
        }
    }
    cairo_surface_mark_dirty(pTile);
    cairo_pattern_t *pPattern = cairo_pattern_create_for_surface(pTile);
    cairo_surface_destroy(pTile);
    cairo_pattern_set_extend(pPattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pPattern, CAIRO_FILTER_NEAREST);
    return pPattern;
}

}  // namespace

bool GdiSetBrushSource(cairo_t *cr, const GDIOBJ *pDc, HBRUSH hbr)
{
    GDIOBJ *pBrush = GdiGet(BrushFromClassBackground(hbr));
    if (!pBrush || pBrush->dwType != OBJ_BRUSH || pBrush->lb.lbStyle == BS_NULL)
        return false;
    if (pBrush->lb.lbStyle != BS_HATCHED || pBrush->lb.lbHatch > HS_DIAGCROSS) {
        GdiSetColor(cr, pBrush->lb.lbColor);
        return true;
    }
    cairo_pattern_t *pPattern =
        HatchPattern(pBrush->lb.lbHatch, pBrush->lb.lbColor, pDc->st.crBk, pDc->st.nBkMode == OPAQUE);
    // cr draws in logical coordinates; the hatch stays put on the device
    // whatever the viewport and window origins.
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, pDc->st.ptViewportOrg.x - pDc->st.ptWindowOrg.x,
                                pDc->st.ptViewportOrg.y - pDc->st.ptWindowOrg.y);
    cairo_pattern_set_matrix(pPattern, &m);
    cairo_set_source(cr, pPattern);
    cairo_pattern_destroy(pPattern);
    return true;
}

extern "C" HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color)
{
    // Styles past the six hatches up to HS_API_MAX give a solid brush;
    // beyond that there is no brush, as Windows answers.
    if (iHatch < 0 || iHatch >= HS_API_MAX)
        return NULL;
    HBRUSH hbr = CreateSolidBrush(color);
    GDIOBJ *pBrush = GdiGet(hbr);
    if (pBrush && iHatch <= HS_DIAGCROSS) {
        pBrush->lb.lbStyle = BS_HATCHED;
        pBrush->lb.lbHatch = (ULONG_PTR)iHatch;
    }
    return hbr;
}
