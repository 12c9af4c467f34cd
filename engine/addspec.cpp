// ADD: running sums of the spectra, the add log, CLEAR, the ADD indicator
// and the refresh of the graphs and the add count.
#include "engine/engine.h"

#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "custom/qcustom.h"
#include "engine/engineint.h"
#include "fftgrph/fftgraph.h"
#include "fftgrph/fftgrph.h"
#include "frame/layout.h"
#include "frame/notify.h"
#include "frame/protocol.h"
#include "resource.h"

// Colours of the ADD indicator: red once the section is in the log.
#define ADDSTATE_ADDED_COLOR 0x0000FF
#define ADDSTATE_YET_COLOR 0xFF0000

static int AnalyChannelCount(const FFTVIEWDATA *pData)
{
    return pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
}

// Bound with an accepted FFT size: a slot whose spectrum ADD sums.
static BOOL IsAddable(const ANALYCHANNEL *pCh)
{
    return pCh->nHostCh >= 0 && pCh->nSizeCode > 0 && pCh->nChFFTPoint > 16;
}

// Calibration factor of the log's powers: value / height, 0 without height.
static float ChannelScale(const ANALYCHANNEL *pCh)
{
    return (LONG)pCh->nCalHeight > 0 ? (float)pCh->nCalValue / (float)pCh->nCalHeight : 0.0f;
}

// 32-bit sum that stops at the limits rather than wrapping round.
static LONG SaturatingAdd(LONG a, LONG b)
{
    LONGLONG n = (LONGLONG)a + b;
    if (n > INT32_MAX)
        return INT32_MAX;
    if (n < INT32_MIN)
        return INT32_MIN;
    return (LONG)n;
}

static float SumLines(const LONG *plSum, int nFirst, int nLast, int nLines)
{
    float fSum = 0.0f;
    if (nFirst < 0)
        nFirst = 0;
    for (int i = nFirst; i <= nLast && i < nLines; i++)
        fSum += (float)plSum[i];
    return fSum;
}

// Mean and edge frequency, total and band powers of slot j's ADD spectrum.
static void StoreAddResults(HWND hWnd, FFTVIEWDATA *pData, int j, float fStep, const LONG *plSum,
                            int nLines)
{
    ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    DWORD hFFT = pData->hFFTWork;
    int nFirst = 0, nLast = -1;
    LineRange(fStep, (LONG)pCh->nChFFTPoint, pData->nFreqMin, pData->nFreqMax, &nFirst, &nLast);
    float fMean = FgGetAddMeanFreq(hFFT, j, nFirst, nLast);
    float fEdge = FgGetAddEdgeFreq(hFFT, j, nFirst, nLast, (int)pData->nEdgePercent);
    HWND hGraph = GraphWindow(hWnd, j);
    if (hGraph != NULL) {
        SendMessageA(hGraph, FGM_SETVALUE, FG_VALUE_ADD | FG_VALUE_MEAN, (LPARAM)&fMean);
        SendMessageA(hGraph, FGM_SETVALUE, FG_VALUE_ADD | FG_VALUE_EDGE, (LPARAM)&fEdge);
        SendMessageA(hGraph, FGM_REDRAW, FG_REDRAW_NORMAL, 0);
    }
    float fTotal = FgGetBandPower(hFFT, j, nFirst, nLast);
    pCh->fAddMeanFreq = fMean;
    pCh->fAddEdgeFreq = fEdge;
    for (int b = 0; b < FV_BANDS; b++) {
        FREQBAND *pBand = &pData->aBand[b];
        pBand->afLastBandPower[j] = 0.0f;
        pBand->afBandPower[j] = 0.0f;
        pBand->afBandPercent[j] = 0.0f;
        if (pBand->wEnable == 0 || !(fTotal > 0.0f))
            continue;
        int nBandFirst = 0, nBandLast = -1;
        LineRange(fStep, (LONG)pCh->nChFFTPoint, pBand->nMinFreq, pBand->nMaxFreq, &nBandFirst,
                  &nBandLast);
        float fPower = FgGetBandPower(hFFT, j, nBandFirst, nBandLast);
        pBand->afLastBandPower[j] = fPower;
        pBand->afBandPercent[j] = fPower * 100.0f / fTotal;
    }
    // The total and the band powers of the log are those of the sums.
    pCh->fAddTotal = SumLines(plSum, nFirst, nLast, nLines);
    for (int b = 0; b < FV_BANDS; b++) {
        FREQBAND *pBand = &pData->aBand[b];
        pBand->afBandPower[j] = 0.0f;
        if (pBand->wEnable == 0 || !(pCh->fAddTotal > 0.0f))
            continue;
        int nBandFirst = 0, nBandLast = -1;
        LineRange(fStep, (LONG)pCh->nChFFTPoint, pBand->nMinFreq, pBand->nMaxFreq, &nBandFirst,
                  &nBandLast);
        pBand->afBandPower[j] = SumLines(plSum, nBandFirst, nBandLast, nLines);
    }
    InvalidateBarGraph(hWnd, j, FALSE);
}

// Adds slot j's spectrum to its sum and shows the average. Returns FALSE
// when nothing could be added (no buffers, or they could not be locked).
static BOOL AddChannel(HWND hWnd, FFTVIEWDATA *pData, int j)
{
    ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    // Only as many lines as both buffers hold are summed.
    SIZE_T nRoom = GlobalSize(pCh->hSpecBuf) < GlobalSize(pCh->hAddSumBuf)
                       ? GlobalSize(pCh->hSpecBuf) / sizeof(LONG)
                       : GlobalSize(pCh->hAddSumBuf) / sizeof(LONG);
    int n = (int)(pCh->nLines < nRoom ? pCh->nLines : nRoom);
    HGLOBAL hAvg = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)n * 4 + 256);
    if (hAvg == NULL)
        return FALSE;
    const LONG *plSpec = (const LONG *)GlobalLock(pCh->hSpecBuf);
    LONG *plSum = (LONG *)GlobalLock(pCh->hAddSumBuf);
    LONG *plAvg = (LONG *)GlobalLock(hAvg);
    BOOL bAdded = plSpec != NULL && plSum != NULL && plAvg != NULL;
    if (bAdded) {
        pCh->nAddLines = pCh->nLines;
        float fStep = FgGetFreqStep(pData->hFFTWork, j);
        pCh->nChAddCount++;
        for (int i = 0; i < n; i++) {
            plSum[i] = SaturatingAdd(plSum[i], plSpec[i]);
            plAvg[i] = plSum[i] / (LONG)pCh->nChAddCount;
        }
        SendGraph(hWnd, j, FGM_SETADDDATA, MAKEWPARAM(0, n), (LPARAM)plAvg);
        SendGraph(hWnd, j, FGM_SETADDMODE, 1, 0);
        FgSetAddSpectrum(pData->hFFTWork, j, (int)pCh->nChAddCount, plSum);
        if (fStep > 0.0f)
            StoreAddResults(hWnd, pData, j, fStep, plSum, n);
    }
    if (plSpec != NULL)
        GlobalUnlock(pCh->hSpecBuf);
    if (plSum != NULL)
        GlobalUnlock(pCh->hAddSumBuf);
    if (plAvg != NULL)
        GlobalUnlock(hAvg);
    GlobalFree(hAvg);
    return bAdded;
}

// Appends the current section and the results of every slot that was just
// added (abAdded) to the log; the others get a total of 0.
static void LogSection(FFTVIEWDATA *pData, const BOOL *abAdded)
{
    FFTADDENTRY *pEntry = &pData->aAddLog[pData->nAddCount];
    pEntry->nSectStart = (LONG)pData->nSectStart;
    pEntry->nSectEnd = (LONG)pData->nSectEnd;
    memcpy(pEntry->awStartTime, pData->awSectStartTime, sizeof(pEntry->awStartTime));
    memcpy(pEntry->awStopTime, pData->awSectEndTime, sizeof(pEntry->awStopTime));
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        pEntry->afTotalPower[j] = 0.0f;
        if (!abAdded[j])
            continue;
        float fScale = ChannelScale(pCh);
        pEntry->afTotalPower[j] = fScale * pCh->fAddTotal;
        pEntry->afMeanFreq[j] = pCh->fAddMeanFreq;
        pEntry->afEdgeFreq[j] = pCh->fAddEdgeFreq;
        for (int b = 0; b < FV_BANDS; b++) {
            BOOL bBand = pData->aBand[b].wEnable != 0 && pCh->fAddTotal > 0.0f;
            pEntry->aafBandPower[j][b] = bBand ? fScale * pData->aBand[b].afBandPower[j] : 0.0f;
        }
    }
    pData->nAddCount++;
}

static void ShowAddCount(HWND hWnd, const FFTVIEWDATA *pData, const char *pszFormat)
{
    char szCount[16];
    snprintf(szCount, sizeof(szCount), pszFormat, (int)pData->nAddCount);
    SetDlgItemTextA(hWnd, IDC_COUNT, szCount);
}

void AddSpectrum(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData->nAddCount >= ADD_MAX_ENTRIES) {
        ReportString(hWnd, pData, IDS_ADDFULL, QPN_ERRORTEXT);
    } else {
        // Only a slot with a spectrum from this run adds: counting one
        // without would dilute its average.
        BOOL abAdded[FV_ANALYCH] = {FALSE};
        BOOL bAdded = FALSE;
        for (int j = 0; j < AnalyChannelCount(pData); j++) {
            ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
            if (IsAddable(pCh) && pCh->nLines > 0 && pCh->hSpecBuf != NULL &&
                pCh->hAddSumBuf != NULL && pData->hFFTWork != 0 && AddChannel(hWnd, pData, j))
                abAdded[j] = bAdded = TRUE;
            InvalidateBarGraph(hWnd, j, FALSE);
        }
        if (bAdded)
            LogSection(pData, abAdded);
    }
    ShowAddCount(hWnd, pData, "%2i");
    ShowAddState(hWnd, pData);
}

// A new, empty sum buffer sized for the channel's FFT length.
static HGLOBAL AllocSumBuffer(const ANALYCHANNEL *pCh)
{
    SIZE_T cb = ((SIZE_T)pCh->nChFFTPoint + 16) * 16;
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
}

static void ClearBandResults(FFTVIEWDATA *pData, int iSlot)
{
    for (int b = 0; b < FV_BANDS; b++) {
        pData->aBand[b].afBandPower[iSlot] = 0.0f;
        pData->aBand[b].afLastBandPower[iSlot] = 0.0f;
        pData->aBand[b].afBandPercent[iSlot] = 0.0f;
    }
}

void ClearAdd(HWND hWnd, FFTVIEWDATA *pData)
{
    for (int j = 0; j < FV_ANALYCH; j++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        if (pCh->hAddSumBuf != NULL)
            GlobalFree(pCh->hAddSumBuf);
        pCh->hAddSumBuf = NULL;
        if (pCh->nHostCh >= 0) {
            SendGraph(hWnd, j, FGM_SETADDMODE, 0, 0);
            SendGraph(hWnd, j, FGM_REDRAW, FG_REDRAW_CLEAR, 0);
            pCh->hAddSumBuf = AllocSumBuffer(pCh);
        }
        pCh->nLines = 0;
        pCh->nChAddCount = 0;
        pCh->nAddLines = 0;
        ClearBandResults(pData, j);
    }
    memset(pData->aAddLog, 0, sizeof(pData->aAddLog));
    pData->wFFTDone = 0;
    pData->nAddCount = 0;
    RefreshGraphs(hWnd, pData, TRUE);
}

// TRUE when position nPos lies in entry's section (its end is exclusive).
static BOOL InSection(const FFTADDENTRY *pEntry, LONG nPos)
{
    return pEntry->nSectStart <= nPos && nPos < pEntry->nSectEnd;
}

void ShowAddState(HWND hWnd, FFTVIEWDATA *pData)
{
    BOOL bLogged = FALSE;
    DWORD nEntries = pData->nAddCount < FV_ADDLOG ? pData->nAddCount : FV_ADDLOG;
    for (DWORD k = 0; k < nEntries && !bLogged; k++) {
        const FFTADDENTRY *pEntry = &pData->aAddLog[k];
        bLogged = InSection(pEntry, (LONG)pData->nSectStart) ||
                  InSection(pEntry, (LONG)pData->nSectEnd);
    }
    // A section already in the log cannot be added twice.
    if (bLogged)
        pData->wFFTDone = 0;
    HWND hState = GetDlgItem(hWnd, IDC_ADDSTATE);
    if (hState == NULL)
        return;
    SendMessageA(hState, CSM_SETTEXTCOLOR, 0,
                 bLogged ? ADDSTATE_ADDED_COLOR : ADDSTATE_YET_COLOR);
    SetWindowTextA(hState, bLogged ? "ADD" : "YET");
}

void RefreshGraphs(HWND hWnd, FFTVIEWDATA *pData, BOOL bErase)
{
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        if (pData->aAnalyCh[j].nHostCh >= 0) {
            SendGraph(hWnd, j, FGM_SETPROP, FG_PROP_SHOWPARA, pData->wShowFreqPara);
            SendGraph(hWnd, j, FGM_SETPROP, FG_PROP_MONITOR, pData->wMonitor);
            SendGraph(hWnd, j, FGM_REDRAW, FG_REDRAW_NORMAL, 0);
        }
        InvalidateBarGraph(hWnd, j, bErase);
    }
    ShowAddCount(hWnd, pData, "%3i");
}
