// Set-up of the FFT object, the spectrum buffers, the graphs and the
// filters, the apply of changed settings, and keeping the graphs in step.
#include "engine/engine.h"

#include "eegfilt/eegfilt.h"
#include "engine/engineint.h"
#include "fftgrph/fftgraph.h"
#include "fftgrph/fftgrph.h"
#include "frame/layout.h"
#include "frame/notify.h"
#include "frame/protocol.h"
#include "frame/textcopy.h"
#include "resource.h"

// Size code and block length of a rejected FFT size.
#define REJECTED_SIZECODE 4
#define REJECTED_BLOCKLEN 16

// FFT points, size code (log2 of the points) and samples fed per block.
static const struct {
    DWORD nPoints;
    DWORD nSizeCode;
    DWORD nBlockLen;
} s_aSizes[] = {
    {128, 7, 125},     {256, 8, 250},     {512, 9, 500},     {1024, 10, 1000},
    {2048, 11, 2000},  {4096, 12, 4000},  {8192, 13, 8000},  {16384, 14, 16000},
};

// Looks the points up; FALSE (rejected size) when they are not in the table.
static BOOL LookUpSize(DWORD nPoints, DWORD *pnSizeCode, DWORD *pnBlockLen)
{
    for (const auto &size : s_aSizes) {
        if (size.nPoints == nPoints) {
            *pnSizeCode = size.nSizeCode;
            *pnBlockLen = size.nBlockLen;
            return TRUE;
        }
    }
    *pnSizeCode = REJECTED_SIZECODE;
    *pnBlockLen = REJECTED_BLOCKLEN;
    return FALSE;
}

static int AnalyChannelCount(const FFTVIEWDATA *pData)
{
    return pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
}

static void FreeBuffer(HGLOBAL *phBuffer)
{
    if (*phBuffer != NULL)
        GlobalFree(*phBuffer);
    *phBuffer = NULL;
}

static HGLOBAL AllocSpectrumBuffer(DWORD nChFFTPoint)
{
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, ((SIZE_T)nChFFTPoint + 16) * 16);
}

// Points a channel takes: the set size if the page holds it (in page mode a
// page up to 5 % short still does), else 0.
static DWORD ChannelPoints(const FFTVIEWDATA *pData, ULONGLONG nPageSamples)
{
    DWORD nPoints = pData->nFFTPoint;
    if (nPageSamples >= nPoints)
        return nPoints;
    if (pData->wFFTAreaSw == 0 && nPoints - nPageSamples < (ULONGLONG)nPoints * 5 / 100)
        return nPoints;
    return 0;
}

static void SetUpGraph(HWND hWnd, FFTVIEWDATA *pData, int j)
{
    HWND hGraph = GraphWindow(hWnd, j);
    if (hGraph == NULL)
        return;
    ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_RATE, (LPARAM)pCh->nChRate);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_LINES, (LPARAM)pCh->nShowLines);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_DRAWTYPE, pData->wFFTDrawType);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_POINTS, (LPARAM)pCh->nChFFTPoint);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_MONITOR, pData->wMonitor);
    SendMessageA(hGraph, FGM_SETTEXT, FG_TEXT_TITLE, (LPARAM)pCh->szLabel);
    SendMessageA(hGraph, FGM_SETTEXT, FG_TEXT_SHOWTITLE, 1);
    SendMessageA(hGraph, FGM_REDRAW, FG_REDRAW_NORMAL, 0);
}

// Sizes one bound channel, adds it to the FFT object (created for the first
// bound channel) and sets up its buffers and graph. Returns FALSE when its
// size was rejected.
static BOOL SetUpChannel(HWND hWnd, FFTVIEWDATA *pData, int j)
{
    ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
    CopyChannelCal(pCh, &pData->aHostCh[pCh->nHostCh]);
    const HOSTCHANNEL *pHost = &pData->aHostCh[pCh->nHostCh];
    pCh->nItem36 = pHost->nItem36;
    pCh->nItem37 = pHost->nItem37;
    TextCopy(pCh->szChTitle, sizeof(pCh->szChTitle), pHost->szChName);
    TextCopy(pCh->szChName2, sizeof(pCh->szChName2), pHost->szChName2);

    BOOL bSizeOk = TRUE;
    ULONGLONG nPageSamples = (ULONGLONG)pData->nPageTime * pCh->nChRate;
    pCh->nChFFTPoint = ChannelPoints(pData, nPageSamples);
    DWORD nBlockLen;
    if (!LookUpSize(pCh->nChFFTPoint, &pCh->nSizeCode, &nBlockLen)) {
        bSizeOk = FALSE;
        if (pData->wFFTAreaSw == 0)
            pCh->nChFFTPoint = REJECTED_BLOCKLEN;
    }
    pCh->nBlockLen = nBlockLen;
    ULONGLONG nDispMax = (ULONGLONG)pCh->nChRate * 50;
    pCh->nDispMaxFreq = nDispMax < pData->nFreqMax ? (DWORD)nDispMax : pData->nFreqMax;
    // In page mode the page must be an almost whole number of blocks: what
    // is left over may be at most 10 % of the FFT size.
    if (pData->wFFTAreaSw == 0 && nPageSamples % pCh->nBlockLen > pData->nFFTPoint * 10ull / 100) {
        pCh->nSizeCode = REJECTED_SIZECODE;
        pCh->nChFFTPoint = REJECTED_BLOCKLEN;
        nBlockLen = REJECTED_BLOCKLEN;
        bSizeOk = FALSE;
    }

    if (pData->hFFTWork == 0) {
        pData->hFFTWork = FgCreate((int)pCh->nSizeCode);
        if (pData->hFFTWork != 0)
            FgSetParam(pData->hFFTWork, FG_PARAM_COHERENCE, 0, pData->wCohEnable);
    }
    if (pData->hFFTWork != 0) {
        FgSetParam(pData->hFFTWork, FG_PARAM_WINDOW, 0, pData->wWindowType);
        FgSetChannelSize(pData->hFFTWork, pData->wAnalyCh, j, (int)pCh->nSizeCode);
        FgInitChannel(pData->hFFTWork, j);
        FgSetParam(pData->hFFTWork, FG_PARAM_RATE, j, (int)pCh->nChRate);
    }
    pCh->hSpecBuf = AllocSpectrumBuffer(pCh->nChFFTPoint);
    pCh->hAddSumBuf = AllocSpectrumBuffer(pCh->nChFFTPoint);
    pCh->nShowLines = 0;
    if (pCh->nChRate > 0)
        pCh->nShowLines = (DWORD)((ULONGLONG)pCh->nDispMaxFreq * nBlockLen /
                                  ((ULONGLONG)pCh->nChRate * 100));
    SetUpGraph(hWnd, pData, j);
    return bSizeOk;
}

// What fixes the frequency of each spectral line of a slot.
typedef struct tagLINEGEOMETRY {
    DWORD nSizeCode;
    DWORD nChFFTPoint;
    DWORD nChRate;
} LINEGEOMETRY;

static LINEGEOMETRY Geometry(const ANALYCHANNEL *pCh)
{
    LINEGEOMETRY geo = {pCh->nSizeCode, pCh->nChFFTPoint, pCh->nChRate};
    return geo;
}

// A bound slot whose lines are unchanged goes on with its old sums in
// place of the new empty buffer; otherwise the old sums are dropped.
// Returns TRUE when dropped sums held something.
static BOOL CarryOverSums(ANALYCHANNEL *pCh, const LINEGEOMETRY *pOld, HGLOBAL hOldSum)
{
    LINEGEOMETRY now = Geometry(pCh);
    BOOL bBound = pCh->nHostCh >= 0 && pCh->nHostCh < FV_HOSTCH;
    if (bBound && hOldSum != NULL && now.nSizeCode == pOld->nSizeCode &&
        now.nChFFTPoint == pOld->nChFFTPoint && now.nChRate == pOld->nChRate) {
        FreeBuffer(&pCh->hAddSumBuf);
        pCh->hAddSumBuf = hOldSum;
        return FALSE;
    }
    FreeBuffer(&hOldSum);
    return pCh->nChAddCount > 0;
}

// The spectrum buffers are renewed; a slot's ADD sums survive where its
// lines are unchanged. Sums whose lines changed cannot be combined with new
// spectra, so then the whole ADD state is cleared, as CLEAR does.
void SetupFFT(HWND hWnd, FFTVIEWDATA *pData, int)
{
    if (pData->wAnalyState == 0)
        return;
    if (pData->hFFTWork != 0)
        pData->hFFTWork = FgDestroy(pData->hFFTWork);
    BOOL bSizeError = FALSE, bSumsLost = FALSE;
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        LINEGEOMETRY old = Geometry(pCh);
        HGLOBAL hOldSum = pCh->hAddSumBuf;
        pCh->hAddSumBuf = NULL;
        FreeBuffer(&pCh->hSpecBuf);
        pCh->nLines = 0;
        if (pCh->nHostCh >= 0 && pCh->nHostCh < FV_HOSTCH && !SetUpChannel(hWnd, pData, j))
            bSizeError = TRUE;
        if (CarryOverSums(pCh, &old, hOldSum))
            bSumsLost = TRUE;
    }
    if (pData->hFFTWork != 0)
        FgResetData(pData->hFFTWork);
    if (bSumsLost)
        ClearAdd(hWnd, pData);
    if (bSizeError)
        ReportString(hWnd, pData, IDS_POINTSPAGE, QPN_ERRORTEXT);
    else
        ReportText(hWnd, pData, " ", QPN_INFOTEXT);
}

void SetupFilter(HWND, FFTVIEWDATA *pData)
{
    if (pData->wAnalyState == 0 || pData->hEegFilter == 0)
        return;
    DWORD hFilter = pData->hEegFilter;
    EfSetParam(hFilter, EF_PARAM_CHANNELS, 0, pData->wAnalyCh);
    for (int j = 0; j < AnalyChannelCount(pData); j++) {
        const ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        if (pCh->nHostCh < 0)
            continue;
        EfSetParam(hFilter, EF_PARAM_RATE, j, (int)pCh->nChRate);
        EfSetParam(hFilter, EF_PARAM_LOWCUT, j, (int)pData->nLowCutFreq);
        EfSetParam(hFilter, EF_PARAM_HIGHCUT, j, (int)pData->nHiCutFreq);
    }
    EfDesign(hFilter);
    EfReset(hFilter);
}

void ApplySetup(HWND hWnd, FFTVIEWDATA *pData, int, int nCode)
{
    if (nCode != QPN_SETUPCHANGED)
        return;
    ClearAdd(hWnd, pData);
    NotifyHostSend(hWnd, QPN_REQ_151);
    NotifyHostSend(hWnd, QPN_REQ_162);
    MatchChannels(hWnd, pData);
    SetupFFT(hWnd, pData, 0);
    SetupFilter(hWnd, pData);
    RECT rc;
    if (GetClientRect(hWnd, &rc))
        LayoutChildren(hWnd, pData, rc.right + 1, rc.bottom + 1);
    StartUpdateTimer(hWnd, pData);
    if (pData->hLinkWnd != NULL) {
        SendMessageA(pData->hLinkWnd, QLM_SETITEM, QLM_ITEM_AREAMODE, pData->wFFTAreaSw);
        SendMessageA(pData->hLinkWnd, QLM_SETITEM, QLM_ITEM_FFTLENGTH, (LPARAM)pData->nFFTPoint);
    }
    RefreshGraphs(hWnd, pData, TRUE);
    UpdateButtons(hWnd, pData);
}

// Sends every graph but the source one message.
static void SendOtherGraphs(HWND hWnd, int iSource, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    for (int j = 0; j < FV_ANALYCH; j++) {
        if (j != iSource)
            SendGraph(hWnd, j, uMsg, wParam, lParam);
    }
}

void SyncGraphs(HWND hWnd, FFTVIEWDATA *pData, HWND hSource, int nCode, int iSource)
{
    if (hSource == NULL)
        return;
    switch (nCode) {
    case FGN_CURSOR: {
        LRESULT lFreq = SendMessageA(hSource, FGM_GETSYNC, FG_SYNC_FREQ, 0);
        LRESULT lState = SendMessageA(hSource, FGM_GETSYNC, FG_SYNC_STATE, 0);
        SendOtherGraphs(hWnd, iSource, FGM_SETSYNC, FG_SYNC_FREQ, lFreq);
        SendOtherGraphs(hWnd, iSource, FGM_SETSYNC, MAKEWPARAM(FG_SYNC_STATE, 1), lState);
        break;
    }
    case FGN_TYPECHANGED: {
        LRESULT lType = SendMessageA(hSource, FGM_GETPROP, FG_PROP_DRAWTYPE, 0);
        for (int j = 0; j < FV_ANALYCH; j++) {
            if (j == iSource)
                continue;
            SendGraph(hWnd, j, FGM_SETPROP, FG_PROP_DRAWTYPE, LOWORD(lType));
            SendGraph(hWnd, j, FGM_REDRAW, FG_REDRAW_NORMAL, 0);
        }
        break;
    }
    case FGN_MAGCHANGED: {
        LRESULT lMag = SendMessageA(hSource, FGM_GETPROP, FG_PROP_MAG, 0);
        pData->nFFTViewMag = (DWORD)lMag;
        for (int j = 0; j < FV_ANALYCH; j++) {
            if (j == iSource)
                continue;
            SendGraph(hWnd, j, FGM_SETPROP, FG_PROP_MAG, lMag);
            SendGraph(hWnd, j, FGM_REDRAW, FG_REDRAW_NORMAL, 0);
        }
        break;
    }
    default:
        break;
    }
}
