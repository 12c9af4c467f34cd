// What a section or page FFT derives from a channel's spectrum: the graph's
// data, mean and edge frequency, band powers, and the coherence of pairs.
#include "engine/engineint.h"

#include "fftgrph/fftgraph.h"
#include "fftgrph/fftgrph.h"

// Amplitude scale floor when spectra are shown as power density.
#define MIN_DENSITY_SCALE 10

// Lines the FFT object writes for a channel of this size code.
static SIZE_T SpectrumBytes(DWORD nSizeCode)
{
    return nSizeCode < 31 ? ((SIZE_T)1 << nSizeCode) / 2 * sizeof(LONG) : (SIZE_T)-1;
}

static LPARAM AmplitudeScale(const FFTVIEWDATA *pData, const ANALYCHANNEL *pCh)
{
    if (pData->wFFTFreqStdSw != 0) {
        DWORD nScale = pCh->nScaleRef / 5;
        return nScale > MIN_DENSITY_SCALE ? (LPARAM)nScale : MIN_DENSITY_SCALE;
    }
    if (pData->wFFTCalMode != 0)
        return MIN_DENSITY_SCALE;
    return (LPARAM)pCh->nScaleRef;
}

static void UpdateGraph(HWND hWnd, const FFTVIEWDATA *pData, int j, const LONG *plSpec,
                        float fMean, float fEdge, WPARAM wRedraw)
{
    HWND hGraph = GraphWindow(hWnd, j);
    if (hGraph == NULL)
        return;
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_RATE, (LPARAM)pCh->nChRate);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_CALVALUE, (LPARAM)pCh->nCalValue);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_CALHEIGHT, (LPARAM)pCh->nCalHeight);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_AMPSCALE, AmplitudeScale(pData, pCh));
    SendMessageA(hGraph, FGM_SETVALUE, FG_VALUE_MEAN, (LPARAM)&fMean);
    SendMessageA(hGraph, FGM_SETVALUE, FG_VALUE_EDGE, (LPARAM)&fEdge);
    SendMessageA(hGraph, FGM_SETDATA, MAKEWPARAM(0, pCh->nLines), (LPARAM)plSpec);
    SendMessageA(hGraph, FGM_REDRAW, wRedraw, 0);
}

static void StoreBandPowers(HWND hWnd, FFTVIEWDATA *pData, int j, float fStep)
{
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    int nFirst = 0, nLast = -1;
    LineRange(fStep, (LONG)pCh->nChFFTPoint, pData->nFreqMin, pData->nFreqMax, &nFirst, &nLast);
    float fTotal = FgGetBandPower(pData->hFFTWork, j, nFirst, nLast);
    for (int b = 0; b < FV_BANDS; b++) {
        FREQBAND *pBand = &pData->aBand[b];
        pBand->afBandPower[j] = 0.0f;
        pBand->afBandPercent[j] = 0.0f;
        if (pBand->wEnable == 0 || !(fTotal > 0.0f))
            continue;
        LineRange(fStep, (LONG)pCh->nChFFTPoint, pBand->nMinFreq, pBand->nMaxFreq, &nFirst, &nLast);
        float fPower = FgGetBandPower(pData->hFFTWork, j, nFirst, nLast);
        pBand->afBandPower[j] = fPower;
        pBand->afBandPercent[j] = fPower * 100.0f / fTotal;
    }
    InvalidateBarGraph(hWnd, j, FALSE);
}

BOOL ShowChannelSpectrum(HWND hWnd, FFTVIEWDATA *pData, int j, BOOL bMean, WPARAM wRedraw)
{
    ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    float fStep = FgGetFreqStep(pData->hFFTWork, j);
    LONG *plSpec = NULL;
    if (pCh->hSpecBuf != NULL && fStep > 0.0f &&
        GlobalSize(pCh->hSpecBuf) >= SpectrumBytes(pCh->nSizeCode))
        plSpec = (LONG *)GlobalLock(pCh->hSpecBuf);
    if (plSpec == NULL) {
        SendGraph(hWnd, j, FGM_REDRAW, FG_REDRAW_NODATA, 0);
        return FALSE;
    }
    int nLines = bMean ? FgGetMeanSpectrum(pData->hFFTWork, 1, j, plSpec)
                       : FgGetSpectrum(pData->hFFTWork, j, plSpec);
    pCh->nLines = (DWORD)LOWORD(nLines);
    int nFirst = 0, nLast = -1;
    LineRange(fStep, (LONG)pCh->nChFFTPoint, pData->nMeanMinRange, pData->nMeanMaxRange, &nFirst,
              &nLast);
    float fMean = FgGetMeanFreq(pData->hFFTWork, j, nFirst, nLast);
    LineRange(fStep, (LONG)pCh->nChFFTPoint, pData->nEdgeMinRange, pData->nEdgeMaxRange, &nFirst,
              &nLast);
    float fEdge = FgGetEdgeFreq(pData->hFFTWork, j, nFirst, nLast, (int)pData->nEdgePercent);
    UpdateGraph(hWnd, pData, j, plSpec, fMean, fEdge, wRedraw);
    GlobalUnlock(pCh->hSpecBuf);
    if (pData->nAddCount == 0)
        StoreBandPowers(hWnd, pData, j, fStep);
    return TRUE;
}

static BOOL IsBound(const FFTVIEWDATA *pData, int j)
{
    return pData->aAnalyCh[j].nHostCh >= 0;
}

static void StorePairCoherence(FFTVIEWDATA *pData, BOOL bSection, int a, int b)
{
    DWORD hFFT = pData->hFFTWork;
    if (bSection) {
        int nFlags = pData->wCoherenceSquare != 0 ? FG_COH_SQUARED : 0;
        pData->awCohLines[a][b] = LOWORD(FgCohCompute(hFFT, nFlags, a, b));
    } else {
        pData->awCohLines[a][b] = 1;
    }
    pData->afCohValue[0][a][b] = FgCohGetMean(hFFT, a, b, 1);
    float fStep = FgGetFreqStep(hFFT, a);
    if (!(fStep > 0.0f))
        return;
    for (int k = 0; k < FV_BANDS; k++) {
        const FREQBAND *pBand = &pData->aBand[k];
        if (pBand->wEnable == 0)
            continue;
        int nFirst = 0, nLast = -1;
        LineRange(fStep, (LONG)pData->aAnalyCh[a].nChFFTPoint, pBand->nMinFreq, pBand->nMaxFreq,
                  &nFirst, &nLast);
        pData->afCohValue[1 + k][a][b] = FgCohGetBand(hFFT, a, b, nFirst, nLast);
    }
}

void StoreCoherence(FFTVIEWDATA *pData, BOOL bSection)
{
    if (bSection && pData->hFFTWork != 0)
        FgCohBegin(pData->hFFTWork, pData->wAnalyCh);
    for (int a = 0; a < FV_ANALYCH; a++) {
        for (int b = 0; b < FV_ANALYCH; b++) {
            pData->awCohLines[a][b] = 0;
            for (int v = 0; v < 1 + FV_BANDS; v++)
                pData->afCohValue[v][a][b] = 0.0f;
            if (b > a && IsBound(pData, a) && IsBound(pData, b) && pData->hFFTWork != 0)
                StorePairCoherence(pData, bSection, a, b);
        }
    }
}
