// The two averaged spectra of a channel drawn with cairo as PNG.
#include "compareplot.h"

#include <math.h>
#include <stdio.h>

#include <cairo.h>

CMPPLOTAREA CmpPlotArea(const COMPARISON *pCmp, size_t nChannel, double dMinHz, double dMaxHz)
{
    CMPPLOTAREA area = {80.0, 50.0, CMPPLOT_WIDTH - 24.0, CMPPLOT_HEIGHT - 56.0, dMinHz, dMaxHz, 0.0, 1.0};
    double dLow = INFINITY, dHigh = -INFINITY;
    for (int s = 0; s < 2; s++) {
        const std::vector<double> &adSpectrum = pCmp->aadSpectrum[s][nChannel];
        for (size_t i = 0; i < pCmp->adFreq.size(); i++) {
            double d = adSpectrum[i];
            if (pCmp->adFreq[i] < dMinHz || pCmp->adFreq[i] > dMaxHz || !(d > 0.0))
                continue;
            dLow = fmin(dLow, log10(d));
            dHigh = fmax(dHigh, log10(d));
        }
    }
    if (dLow <= dHigh) {
        area.dMinLog = floor(dLow);
        area.dMaxLog = fmax(ceil(dHigh), area.dMinLog + 1.0);
    }
    return area;
}

static double X(const CMPPLOTAREA &a, double dHz)
{
    return a.dLeft + (dHz - a.dMinHz) / (a.dMaxHz - a.dMinHz) * (a.dRight - a.dLeft);
}

static double Y(const CMPPLOTAREA &a, double dLog)
{
    return a.dBottom - (dLog - a.dMinLog) / (a.dMaxLog - a.dMinLog) * (a.dBottom - a.dTop);
}

static void SetColour(cairo_t *cr, unsigned nRgb)
{
    cairo_set_source_rgb(cr, ((nRgb >> 16) & 0xff) / 255.0, ((nRgb >> 8) & 0xff) / 255.0, (nRgb & 0xff) / 255.0);
}

static void Text(cairo_t *cr, double x, double y, const char *psz, double dAlignX)
{
    cairo_text_extents_t ext;
    cairo_text_extents(cr, psz, &ext);
    cairo_move_to(cr, x - dAlignX * ext.width - ext.x_bearing, y);
    cairo_show_text(cr, psz);
}

// A tick step of 1, 2 or 5 times a power of ten, about six across.
static double TickStep(double dSpan)
{
    double dStep = pow(10.0, floor(log10(dSpan / 6.0)));
    return dSpan / dStep > 30.0 ? dStep * 5.0 : dSpan / dStep > 12.0 ? dStep * 2.0 : dStep;
}

static void DrawAxes(cairo_t *cr, const CMPPLOTAREA &a, const char *pszTitle, BOOL bDensity)
{
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, a.dLeft + 0.5, a.dTop + 0.5, a.dRight - a.dLeft, a.dBottom - a.dTop);
    cairo_stroke(cr);
    cairo_set_font_size(cr, 12.0);
    double dStep = TickStep(a.dMaxHz - a.dMinHz);
    for (double f = ceil(a.dMinHz / dStep) * dStep; f <= a.dMaxHz + 1e-9; f += dStep) {
        char sz[32];
        snprintf(sz, sizeof(sz), "%g", f);
        cairo_move_to(cr, floor(X(a, f)) + 0.5, a.dBottom);
        cairo_line_to(cr, floor(X(a, f)) + 0.5, a.dBottom + 5.0);
        cairo_stroke(cr);
        Text(cr, X(a, f), a.dBottom + 19.0, sz, 0.5);
    }
    for (double e = a.dMinLog; e <= a.dMaxLog; e += 1.0) {
        char sz[32];
        snprintf(sz, sizeof(sz), "%g", pow(10.0, e));
        cairo_move_to(cr, a.dLeft - 5.0, floor(Y(a, e)) + 0.5);
        cairo_line_to(cr, a.dLeft, floor(Y(a, e)) + 0.5);
        cairo_stroke(cr);
        Text(cr, a.dLeft - 8.0, Y(a, e) + 4.0, sz, 1.0);
    }
    Text(cr, (a.dLeft + a.dRight) / 2.0, a.dBottom + 40.0, "frequency (Hz)", 0.5);
    cairo_save(cr);
    cairo_translate(cr, 18.0, (a.dTop + a.dBottom) / 2.0);
    cairo_rotate(cr, -M_PI / 2.0);
    Text(cr, 0.0, 0.0, bDensity ? "power density (\xc2\xb5V\xc2\xb2/Hz)" : "power (\xc2\xb5V\xc2\xb2)", 0.5);
    cairo_restore(cr);
    cairo_set_font_size(cr, 15.0);
    Text(cr, a.dLeft, a.dTop - 16.0, pszTitle, 0.0);
}

static void DrawSpectrum(cairo_t *cr, const CMPPLOTAREA &a, const std::vector<double> &adFreq,
                         const std::vector<double> &adSpectrum, unsigned nRgb)
{
    BOOL bDown = FALSE;
    for (size_t i = 0; i < adFreq.size(); i++) {
        if (adFreq[i] < a.dMinHz || adFreq[i] > a.dMaxHz || !(adSpectrum[i] > 0.0)) {
            bDown = FALSE;
            continue;
        }
        double y = fmin(fmax(Y(a, log10(adSpectrum[i])), a.dTop), a.dBottom);
        if (bDown)
            cairo_line_to(cr, X(a, adFreq[i]), y);
        else
            cairo_move_to(cr, X(a, adFreq[i]), y);
        bDown = TRUE;
    }
    SetColour(cr, nRgb);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
}

// The sets' names with their colours, at the graph's top right.
static void DrawLegend(cairo_t *cr, const CMPPLOTAREA &a, const COMPARISON *pCmp)
{
    static const unsigned anRgb[2] = {CMPPLOT_COLOUR_A, CMPPLOT_COLOUR_B};
    cairo_set_font_size(cr, 13.0);
    for (int s = 0; s < 2; s++) {
        double y = a.dTop + 20.0 + 20.0 * s;
        SetColour(cr, anRgb[s]);
        cairo_set_line_width(cr, 3.0);
        cairo_move_to(cr, a.dRight - 190.0, y - 4.0);
        cairo_line_to(cr, a.dRight - 160.0, y - 4.0);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        Text(cr, a.dRight - 152.0, y, pCmp->astrLabel[s].c_str(), 0.0);
    }
}

static cairo_status_t AppendPng(void *pv, const unsigned char *pb, unsigned int cb)
{
    ((std::string *)pv)->append((const char *)pb, cb);
    return CAIRO_STATUS_SUCCESS;
}

BOOL CmpPlotPng(const COMPARISON *pCmp, size_t nChannel, double dMinHz, double dMaxHz, std::string *pstrPng)
{
    if (nChannel >= pCmp->aChannels.size() || !(dMaxHz > dMinHz))
        return FALSE;
    CMPPLOTAREA area = CmpPlotArea(pCmp, nChannel, dMinHz, dMaxHz);
    cairo_surface_t *pSurface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, CMPPLOT_WIDTH, CMPPLOT_HEIGHT);
    cairo_t *cr = cairo_create(pSurface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    DrawAxes(cr, area, pCmp->aChannels[nChannel].strTitle.c_str(), pCmp->bDensity);
    static const unsigned anRgb[2] = {CMPPLOT_COLOUR_A, CMPPLOT_COLOUR_B};
    for (int s = 0; s < 2; s++)
        DrawSpectrum(cr, area, pCmp->adFreq, pCmp->aadSpectrum[s][nChannel], anRgb[s]);
    DrawLegend(cr, area, pCmp);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    pstrPng->clear();
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_surface_write_to_png_stream(pSurface, AppendPng, pstrPng);
    cairo_surface_destroy(pSurface);
    return status == CAIRO_STATUS_SUCCESS;
}
