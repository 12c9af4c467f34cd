// Section FFT (one block at the cursor area) and page FFT (the mean over the
// blocks of the whole page).
#include "engine/engine.h"

#include <string.h>

#include "eegfilt/eegfilt.h"
#include "engine/engineint.h"
#include "fftgrph/fftgraph.h"
#include "fftgrph/fftgrph.h"
#include "frame/layout.h"
#include "frame/notify.h"
#include "frame/protocol.h"
#include "resource.h"

// Work buffer of a section run beyond the page at the base rate, in bytes.
#define SECTION_BUFFER_SLACK 1024
#define SECTION_BUFFER_MAX 0x7FFFFFFFull

static int AnalyChannelCount(const FFTVIEWDATA *pData)
{
    return pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
}

static HOSTCHANNEL *BoundHost(FFTVIEWDATA *pData, int j)
{
    LONG k = pData->aAnalyCh[j].nHostCh;
    return k >= 0 && k < FV_HOSTCH ? &pData->aHostCh[k] : NULL;
}

// Bound, sized and with page data: a slot the section FFT runs.
static BOOL IsUsable(FFTVIEWDATA *pData, int j)
{
    const HOSTCHANNEL *pHost = BoundHost(pData, j);
    return pHost != NULL && pData->aAnalyCh[j].nSizeCode > 0 && pHost->hData != NULL;
}

// The page FFT and ADD also leave out slots whose FFT size was rejected.
static BOOL IsPageUsable(FFTVIEWDATA *pData, int j)
{
    return IsUsable(pData, j) && pData->aAnalyCh[j].nChFFTPoint > 16;
}

// Calibration pair the FFT object is given: only calibrated power that is
// not standardised is scaled by it.
static void SetScaling(FFTVIEWDATA *pData, int j)
{
    BOOL bCal = pData->wFFTCalMode != 0 && pData->wFFTFreqStdSw == 0;
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    FgSetParam(pData->hFFTWork, FG_PARAM_CALVALUE, j, bCal ? (int)pCh->nCalValue : 0);
    FgSetParam(pData->hFFTWork, FG_PARAM_CALHEIGHT, j, bCal ? (int)pCh->nCalHeight : 0);
}

static void SetStandardisation(FFTVIEWDATA *pData)
{
    FgSetParam(pData->hFFTWork, FG_PARAM_DENSITY2, 0, pData->wFFTFreqStdSw);
    FgSetParam(pData->hFFTWork, FG_PARAM_DENSITY, 0, pData->wFFTFreqStdSw);
}

// Low-cut, then high-cut, each when switched on, in place.
static void FilterSamples(FFTVIEWDATA *pData, int j, short *psSamples, DWORD nSamples)
{
    if (pData->hEegFilter == 0)
        return;
    if (pData->wLowCutSw != 0)
        EfLowCut(pData->hEegFilter, 1, j, psSamples, psSamples, (int)nSamples);
    if (pData->wHiCutSw != 0)
        EfHighCut(pData->hEegFilter, 1, j, psSamples, psSamples, (int)nSamples);
}

static void FinishRun(HWND hWnd, FFTVIEWDATA *pData)
{
    SetSectionTimes(pData);
    ShowAddState(hWnd, pData);
}

// Rate of the section's channels: the base rate, or the first channel's
// rate when some channel runs at another. Returns TRUE on a mismatch.
static BOOL ReferenceRate(FFTVIEWDATA *pData, LONGLONG *pnRate)
{
    BOOL bMismatch = FALSE;
    LONGLONG nFirst = -1;
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        if (pCh->nHostCh < 0 || pCh->nSizeCode == 0)
            continue;
        if (nFirst < 0)
            nFirst = pCh->nChRate;
        if ((LONGLONG)pCh->nChRate != pData->nBaseRate)
            bMismatch = TRUE;
    }
    *pnRate = bMismatch ? nFirst : pData->nBaseRate;
    return bMismatch;
}

// Work buffer of a section run: the page at the base rate in 32-bit room
// plus slack, as the host's pages are sized, and never less than the
// largest page a usable channel holds, so a channel at a higher rate is
// copied whole. A base-rate page no block could hold (a huge or negative
// base rate) sizes nothing: cut to 32 bits it could be smaller than a page.
static SIZE_T SectionBufferBytes(FFTVIEWDATA *pData)
{
    ULONGLONG cb = (ULONGLONG)pData->nBaseRate * pData->nPageTime * 4 + SECTION_BUFFER_SLACK;
    if (pData->nBaseRate < 0 || cb > SECTION_BUFFER_MAX)
        cb = SECTION_BUFFER_SLACK;
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        if (IsUsable(pData, j) && (ULONGLONG)BoundHost(pData, j)->nDataSamples * 2 > cb)
            cb = (ULONGLONG)BoundHost(pData, j)->nDataSamples * 2;
    }
    return (SIZE_T)cb;
}

// Feeds the block at base-rate offset nOffset of slot j from the work
// buffer; returns the FFT object's result (0 when the block is not there).
static int FeedSectionBlock(FFTVIEWDATA *pData, int j, short *psWork, DWORD nOffset)
{
    HOSTCHANNEL *pHost = BoundHost(pData, j);
    const short *psPage = (const short *)GlobalLock(pHost->hData);
    if (psPage == NULL)
        return 0;
    memcpy(psWork, psPage, (size_t)pHost->nDataSamples * 2);
    GlobalUnlock(pHost->hData);
    SetScaling(pData, j);
    FilterSamples(pData, j, psWork, pHost->nDataSamples);
    LONGLONG r = (LONGLONG)pHost->nChRate * nOffset / pData->nBaseRate;
    DWORD nBlockLen = pData->aAnalyCh[j].nBlockLen;
    if ((LONGLONG)pHost->nDataSamples - r < (LONGLONG)nBlockLen)
        return 0;
    return FgInputData(pData->hFFTWork, 2, j, psWork + r, (int)nBlockLen);
}

static void RunSectionChannels(HWND hWnd, FFTVIEWDATA *pData, DWORD nOffset)
{
    // A slot this run gives no spectrum has none: ADD must not take it.
    for (int j = 0; j < AnalyChannelCount(pData); j++)
        pData->aAnalyCh[j].nLines = 0;
    if (pData->hFFTWork == 0)
        return;
    HGLOBAL hWork = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, SectionBufferBytes(pData));
    if (hWork == NULL)
        return;
    short *psWork = (short *)GlobalLock(hWork);
    if (psWork != NULL) {
        FgResetData(pData->hFFTWork);
        for (int j = 0; j < AnalyChannelCount(pData); j++) {
            if (!IsUsable(pData, j))
                continue;
            if (LOWORD(FeedSectionBlock(pData, j, psWork, nOffset)) != 0)
                ShowChannelSpectrum(hWnd, pData, j, FALSE, FG_REDRAW_NORMAL);
            else
                SendGraph(hWnd, j, FGM_REDRAW, FG_REDRAW_NODATA, 0);
            pData->wFFTDone = 1;
        }
        GlobalUnlock(hWork);
    }
    GlobalFree(hWork);
}

int CalcSectionFFT(HWND hWnd, FFTVIEWDATA *pData, DWORD nOffset)
{
    pData->wFFTDone = 0;
    LONGLONG nPageSamples = (LONGLONG)pData->nBaseRate * pData->nPageTime;
    if ((LONGLONG)pData->nFFTPoint + nOffset >= nPageSamples) {
        for (int j = 0; j < AnalyChannelCount(pData); j++) {
            if (pData->aAnalyCh[j].nHostCh >= 0)
                SendGraph(hWnd, j, FGM_REDRAW, FG_REDRAW_NODATA, 0);
        }
        ReportString(hWnd, pData, IDS_RANGEOVER, QPN_ERRORTEXT);
        UpdateButtons(hWnd, pData);
        return 0;
    }
    if (pData->hFFTWork != 0)
        SetStandardisation(pData);
    LONGLONG nRefRate = 0;
    BOOL bMismatch = ReferenceRate(pData, &nRefRate);
    if (pData->hLinkWnd != NULL && nRefRate > 0) {
        SendMessageA(pData->hLinkWnd, QLM_SETITEM, QLM_ITEM_AREAMODE, pData->wFFTAreaSw);
        SendMessageA(pData->hLinkWnd, QLM_SETITEM, QLM_ITEM_FFTLENGTH,
                     (LPARAM)(pData->nBaseRate * (LONGLONG)pData->nFFTPoint / nRefRate));
    }
    RunSectionChannels(hWnd, pData, nOffset);
    if (pData->wCohEnable != 0)
        StoreCoherence(pData, TRUE);
    pData->nSectStart = pData->nPageStart + nOffset;
    pData->nSectEnd = pData->nPageStart + pData->nFFTPoint + nOffset;
    FinishRun(hWnd, pData);
    RefreshGraphs(hWnd, pData, FALSE);
    ReportString(hWnd, pData, bMismatch ? IDS_RATEDIFFERS : IDS_SECTIONDONE, QPN_INFOTEXT);
    UpdateButtons(hWnd, pData);
    return 1;
}

// The filtered copies of the pages the page FFT feeds, in one working
// block locked for the run.
typedef struct tagPAGERUN {
    HGLOBAL hWork;
    short *apsPage[FV_ANALYCH];   // NULL: slot not fed
    DWORD anSamples[FV_ANALYCH];
    DWORD nBlockLen;              // L, of the first fed slot
    DWORD nPageLen;               // N, of the first fed slot
} PAGERUN;

// Room for the pages of every slot the run feeds; 0 when there are none or
// they exceed what one block can address.
static SIZE_T PageCopyBytes(FFTVIEWDATA *pData)
{
    ULONGLONG cb = 0;
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        if (IsPageUsable(pData, j))
            cb += (ULONGLONG)BoundHost(pData, j)->nDataSamples * 2;
    }
    return cb <= (ULONGLONG)(SIZE_T)-1 ? (SIZE_T)cb : 0;
}

// Copies each usable slot's page into the working block, scales and filters
// the copy: the stored page stays as the host sent it, so the next run over
// it filters the same samples. The first slot fixes block and page length.
static void PreparePage(FFTVIEWDATA *pData, PAGERUN *pRun)
{
    memset(pRun, 0, sizeof(*pRun));
    for (int j = 0; j < AnalyChannelCount(pData); j++)
        pData->aAnalyCh[j].nLines = 0;
    SIZE_T cbWork = PageCopyBytes(pData);
    pRun->hWork = cbWork > 0 ? GlobalAlloc(GMEM_MOVEABLE, cbWork) : NULL;
    short *psCopy = pRun->hWork != NULL ? (short *)GlobalLock(pRun->hWork) : NULL;
    if (psCopy == NULL)
        return;
    BOOL bFixed = FALSE;
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        if (!IsPageUsable(pData, j))
            continue;
        HOSTCHANNEL *pHost = BoundHost(pData, j);
        const short *psPage = (const short *)GlobalLock(pHost->hData);
        if (psPage == NULL)
            continue;
        memcpy(psCopy, psPage, (size_t)pHost->nDataSamples * 2);
        GlobalUnlock(pHost->hData);
        SetScaling(pData, j);
        FilterSamples(pData, j, psCopy, pHost->nDataSamples);
        pRun->apsPage[j] = psCopy;
        pRun->anSamples[j] = pHost->nDataSamples;
        psCopy += pHost->nDataSamples;
        ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        if (!bFixed && pCh->nBlockLen > 0) {
            pRun->nBlockLen = pCh->nBlockLen;
            pRun->nPageLen = pHost->nDataSamples;
            bFixed = TRUE;
        }
    }
}

static void ReleasePage(PAGERUN *pRun)
{
    if (pRun->hWork == NULL)
        return;
    GlobalUnlock(pRun->hWork);
    GlobalFree(pRun->hWork);
}

static void AccumulateCoherence(FFTVIEWDATA *pData)
{
    int nFlags = FG_COH_ACCUMULATE | (pData->wCoherenceSquare != 0 ? FG_COH_SQUARED : 0);
    for (int a = 0; a < FV_ANALYCH; a++) {
        for (int b = a + 1; b < FV_ANALYCH; b++) {
            if (pData->aAnalyCh[a].nHostCh >= 0 && pData->aAnalyCh[b].nHostCh >= 0)
                FgCohCompute(pData->hFFTWork, nFlags, a, b);
        }
    }
}

// Cuts the page into blocks of L samples at the same offsets for every slot
// and feeds each block of at least half a block; a slot whose page ends
// before a block does is not fed that block. Returns the blocks counted,
// the short last piece included.
static DWORD FeedPageBlocks(FFTVIEWDATA *pData, const PAGERUN *pRun)
{
    DWORD L = pRun->nBlockLen, nBlocks = 0;
    LONGLONG nRemaining = pRun->nPageLen;
    for (DWORD nPos = 0; nPos < pRun->nPageLen; nPos += L) {
        LONGLONG n = nRemaining < (LONGLONG)L ? nRemaining : (LONGLONG)L;
        if (n > 0 && n >= (LONGLONG)(L / 2)) {
            for (int j = 0; j < FV_ANALYCH; j++) {
                if (pRun->apsPage[j] != NULL && nPos + n <= pRun->anSamples[j])
                    FgInputData(pData->hFFTWork, 2, j, pRun->apsPage[j] + nPos, (int)n);
            }
            if (pData->wCohEnable != 0)
                AccumulateCoherence(pData);
        }
        nBlocks++;
        nRemaining -= L;
    }
    return nBlocks;
}

// Results of the page FFT per bound, sized slot. Returns TRUE when some
// such slot could not be analysed (no page, or a rejected size).
static BOOL ShowPageResults(HWND hWnd, FFTVIEWDATA *pData, DWORD nBlocks, WPARAM wRedraw)
{
    BOOL bIncomplete = FALSE;
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        if (pCh->nHostCh < 0 || pCh->nSizeCode == 0)
            continue;
        pCh->wBlockCount = (WORD)nBlocks;
        if (!IsPageUsable(pData, j)) {
            bIncomplete = TRUE;
            continue;
        }
        ShowChannelSpectrum(hWnd, pData, j, TRUE, wRedraw);
        pData->wFFTDone = 1;
    }
    return bIncomplete;
}

int CalcPageFFT(HWND hWnd, FFTVIEWDATA *pData, WPARAM wRedraw)
{
    pData->wFFTDone = 0;
    if (pData->wAnalyState == 0)
        return 1;
    BOOL bIncomplete = FALSE;
    if (pData->hFFTWork != 0) {
        SetStandardisation(pData);
        FgResetData(pData->hFFTWork);
        PAGERUN run;
        PreparePage(pData, &run);
        if (pData->wCohEnable != 0)
            FgCohBegin(pData->hFFTWork, pData->wAnalyCh);
        DWORD nBlocks = run.nBlockLen > 0 ? FeedPageBlocks(pData, &run) : 0;
        ReleasePage(&run);
        bIncomplete = ShowPageResults(hWnd, pData, nBlocks, wRedraw);
        if (pData->wCohEnable != 0)
            StoreCoherence(pData, FALSE);
    } else {
        for (int j = 0; j < AnalyChannelCount(pData); j++)
            pData->aAnalyCh[j].nLines = 0;
    }
    pData->nSectStart = pData->nPageStart;
    pData->nSectEnd = pData->nPageStart + (DWORD)(pData->nBaseRate * (LONGLONG)pData->nPageTime);
    FinishRun(hWnd, pData);
    if (!bIncomplete)
        ReportString(hWnd, pData, IDS_PAGEDONE, QPN_INFOTEXT);
    UpdateButtons(hWnd, pData);
    return 1;
}
