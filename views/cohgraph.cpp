// Coherence band histogram (QPANEFFTANALYCOHGRAPH): for one channel pair
// A-B, the coherence over the whole spectrum ("T", black) and in each
// enabled band, as bars over a 0-1 scale.
#include "views/views.h"

#include <stdio.h>

#include "frame/protocol.h"
#include "views/viewwnd.h"

#define HUNDREDTH ((double)0.01f)

// The pair a histogram shows; FALSE when either index is out of range.
static BOOL CohGraphPair(HWND hWnd, int *pnA, int *pnB)
{
    *pnA = (int)GetWindowWord(hWnd, VWW_CHA);
    *pnB = (int)GetWindowWord(hWnd, VWW_CHB);
    return *pnA < FV_ANALYCH && *pnB < FV_ANALYCH;
}

static void FractionLabel(int nPercent, char *pszLabel, size_t cbLabel)
{
    snprintf(pszLabel, cbLabel, "%1.2f", nPercent * HUNDREDTH);
}

// "titleA-titleB", each title read within its buffer.
static void PairTitle(const FFTVIEWDATA *pData, int nA, int nB, char *pszTitle, size_t cbTitle)
{
    snprintf(pszTitle, cbTitle, "%.*s-%.*s", FV_NAME - 1, pData->aAnalyCh[nA].szChTitle,
             FV_NAME - 1, pData->aAnalyCh[nB].szChTitle);
}

static int CohBarHeight(const VIEWPAINT *pPaint, float fValue)
{
    return ViewBarHeight((double)fValue * (double)(float)pPaint->frame.nHeight);
}

static void CohGraphDraw(HWND hWnd, HDC hdc, const FFTVIEWDATA *pData)
{
    int nA, nB;
    if (!CohGraphPair(hWnd, &nA, &nB))
        return;
    VIEWPAINT paint;
    ViewBeginDraw(hWnd, hdc, &paint);
    char szTitle[2 * FV_NAME];
    PairTitle(pData, nA, nB, szTitle, sizeof(szTitle));
    ViewDrawPlot(&paint, szTitle, FractionLabel);
    int n = 1;
    for (const FREQBAND &band : pData->aBand)
        n += band.wEnable != 0;
    BOOL bBars = pData->wAnalyState > 0;
    char aszLabel[VIEW_MAXCOLUMNS][FV_SHORTNAME] = {"T"};
    const char *apszLabel[VIEW_MAXCOLUMNS] = {aszLabel[0]};
    ViewDrawColumn(&paint, 0, n);
    if (bBars)
        ViewDrawBar(&paint, 0, n, CohBarHeight(&paint, pData->afCohValue[0][nA][nB]), RGB(0, 0, 0));
    int k = 1;
    for (int b = 0; b < FV_BANDS; b++) {
        const FREQBAND *pBand = &pData->aBand[b];
        if (pBand->wEnable == 0)
            continue;
        snprintf(aszLabel[k], sizeof(aszLabel[k]), "%.*s", FV_SHORTNAME - 1, pBand->szLabel);
        apszLabel[k] = aszLabel[k];
        ViewDrawColumn(&paint, k, n);
        if (bBars)
            ViewDrawBar(&paint, k, n, CohBarHeight(&paint, pData->afCohValue[1 + b][nA][nB]),
                        pData->acrBandColor[b]);
        k++;
    }
    ViewDrawColumnLabels(&paint, k, apszLabel);
    ViewEndDraw(&paint);
}

static void CohGraphTextBody(HWND hWnd, const FFTVIEWDATA *pData, VIEWTEXT *pText)
{
    int nA, nB;
    if (!CohGraphPair(hWnd, &nA, &nB))
        return;
    char szTitle[2 * FV_NAME];
    PairTitle(pData, nA, nB, szTitle, sizeof(szTitle));
    ViewTextAppend(pText, "Coherence Band Histogram (", 26);
    ViewTextAppend(pText, szTitle, sizeof(szTitle));
    ViewTextAppend(pText, ")", 1);
    ViewTextEol(pText);
    ViewTextf(pText, "Band Name%cFrequency%cCoherence", pText->chSep, pText->chSep);
    ViewTextEol(pText);
    if (pData->wAnalyState == 0)
        return;
    for (int b = 0; b < FV_BANDS; b++) {
        const FREQBAND *pBand = &pData->aBand[b];
        if (pBand->wEnable == 0)
            continue;
        ViewTextAppend(pText, pBand->szLabel, FV_SHORTNAME - 1);
        ViewTextSep(pText);
        ViewTextRange(pText, pBand);
        ViewTextSep(pText);
        // Four decimals: the resolution of the coherence spectra (x 10000).
        ViewTextf(pText, "%1.4f", (double)pData->afCohValue[1 + b][nA][nB]);
        ViewTextEol(pText);
    }
}

static const VIEWCLASS s_cohGraphClass = {CohGraphDraw, CohGraphTextBody};

static void CohGraph_SetValue(HWND hWnd, WORD wItem, LPARAM lParam)
{
    if (GetWindowLongPtrA(hWnd, VWW_DATA) == 0)
        return;
    if (wItem == COH_ITEM_CHA)
        SetWindowWord(hWnd, VWW_CHA, LOWORD(lParam));
    else if (wItem == COH_ITEM_CHB)
        SetWindowWord(hWnd, VWW_CHB, LOWORD(lParam));
}

LRESULT CALLBACK CohGraphWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == QPM_SETVALUE) {
        CohGraph_SetValue(hWnd, LOWORD(wParam), lParam);
        return 0;
    }
    return ViewWndProc(&s_cohGraphClass, hWnd, uMsg, wParam, lParam);
}
