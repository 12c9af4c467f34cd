// ADD: running sums of the spectra, the add log, and CLEAR.
#include "engine/engine.h"

#include <string.h>

#include "frame/layout.h"
#include "frame/protocol.h"

void AddSpectrum(HWND, FFTVIEWDATA *)
{
    // Sums the current spectra, derives the ADD parameters and logs the section.
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
            HWND hGraph = GetDlgItem(hWnd, IDC_GRAPH_FIRST + j);
            if (hGraph != NULL) {
                SendMessageA(hGraph, FGM_SETADDMODE, 0, 0);
                SendMessageA(hGraph, FGM_REDRAW, FGM_REDRAW_CLEAR, 0);
            }
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

void RefreshGraphs(HWND, FFTVIEWDATA *, BOOL)
{
    // Pushes the display switches to the graphs and shows the add count.
}
