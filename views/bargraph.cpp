// Band power bar graph (QPANEFFTANALYBARGRAPH): for the analysis channel of
// its slot, one column per enabled band with the band's share of the
// channel's power as a bar over a 0-100 % scale.
#include "views/views.h"

#include <stdio.h>

#include "frame/layout.h"
#include "views/viewwnd.h"

#define HUNDREDTH ((double)0.01f)

// The analysis channel slot of a bar graph, from its control id.
static int BarGraphSlot(HWND hWnd)
{
    int nSlot = GetDlgCtrlID(hWnd) - IDC_BARGRAPH_FIRST;
    return nSlot >= 0 && nSlot < FV_ANALYCH ? nSlot : -1;
}

static int EnabledBands(const FFTVIEWDATA *pData)
{
    int n = 0;
    for (const FREQBAND &band : pData->aBand)
        n += band.wEnable != 0;
    return n;
}

// A band reaching above what the channel can resolve, or an analysis range
// beyond it, has no meaningful share: it reads "ERR".
static BOOL BandInError(const FFTVIEWDATA *pData, const FREQBAND *pBand, int nSlot)
{
    LONG nDispMax = (LONG)pData->aAnalyCh[nSlot].nDispMaxFreq;
    return (LONG)pBand->nMaxFreq > nDispMax || (LONG)pData->nFreqMax > nDispMax;
}

static void PercentLabel(int nPercent, char *pszLabel, size_t cbLabel)
{
    snprintf(pszLabel, cbLabel, "%i", nPercent);
}

// The channel's title, never read past its buffer.
static void CopyTitle(char *pszTitle, size_t cbTitle, const char *pszSource)
{
    snprintf(pszTitle, cbTitle, "%.*s", FV_NAME - 1, pszSource);
}

static void BarGraphDraw(HWND hWnd, HDC hdc, const FFTVIEWDATA *pData)
{
    int nSlot = BarGraphSlot(hWnd);
    if (nSlot < 0)
        return;
    VIEWPAINT paint;
    ViewBeginDraw(hWnd, hdc, &paint);
    char szTitle[FV_NAME];
    CopyTitle(szTitle, sizeof(szTitle), pData->aAnalyCh[nSlot].szChTitle);
    ViewDrawPlot(&paint, szTitle, PercentLabel);
    int n = EnabledBands(pData);
    char aszLabel[VIEW_MAXCOLUMNS][FV_SHORTNAME];
    const char *apszLabel[VIEW_MAXCOLUMNS];
    int k = 0;
    for (int b = 0; b < FV_BANDS && n > 0; b++) {
        const FREQBAND *pBand = &pData->aBand[b];
        if (pBand->wEnable == 0)
            continue;
        snprintf(aszLabel[k], sizeof(aszLabel[k]), "%.*s", FV_SHORTNAME - 1, pBand->szLabel);
        apszLabel[k] = aszLabel[k];
        ViewDrawColumn(&paint, k, n);
        if (pData->wAnalyState > 0) {
            if (BandInError(pData, pBand, nSlot)) {
                int x1, x2;
                ViewColumnSpan(&paint.frame, k, n, &x1, &x2);
                ViewDrawCentred(&paint, x1, paint.frame.rcPlot.top, x2,
                                paint.frame.rcPlot.bottom - 1, "ERR");
            } else {
                double dBar = paint.frame.nHeight * (double)pBand->afBandPercent[nSlot] * HUNDREDTH;
                ViewDrawBar(&paint, k, n, ViewBarHeight(dBar), pData->acrBandColor[b]);
            }
        }
        k++;
    }
    ViewDrawColumnLabels(&paint, k, apszLabel);
    ViewEndDraw(&paint);
}

static void BarGraphTextBody(HWND hWnd, const FFTVIEWDATA *pData, VIEWTEXT *pText)
{
    int nSlot = BarGraphSlot(hWnd);
    if (nSlot < 0)
        return;
    ViewTextAppend(pText, "Power Histogram (", 17);
    ViewTextAppend(pText, pData->aAnalyCh[nSlot].szChTitle, FV_NAME - 1);
    ViewTextAppend(pText, ")", 1);
    ViewTextEol(pText);
    ViewTextf(pText, "Band Name%cFrequency%cContain Power(%%)", pText->chSep, pText->chSep);
    ViewTextEol(pText);
    if (pData->wAnalyState == 0)
        return;
    for (const FREQBAND &band : pData->aBand) {
        if (band.wEnable == 0)
            continue;
        ViewTextAppend(pText, band.szLabel, FV_SHORTNAME - 1);
        ViewTextSep(pText);
        ViewTextRange(pText, &band);
        ViewTextSep(pText);
        if (BandInError(pData, &band, nSlot))
            ViewTextAppend(pText, "ERR", 3);
        else
            ViewTextf(pText, "%3.2f", (double)band.afBandPercent[nSlot]);
        ViewTextEol(pText);
    }
}

static const VIEWCLASS s_barGraphClass = {BarGraphDraw, BarGraphTextBody};

LRESULT CALLBACK BarGraphWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ViewWndProc(&s_barGraphClass, hWnd, uMsg, wParam, lParam);
}
