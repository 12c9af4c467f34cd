// Creation and destruction of FFTVIEWDATA, the analysis window's record.
#include "frame/fftview.h"

#include "eegfilt/eegfilt.h"
#include "engine/engine.h"
#include "fftgrph/fftgrph.h"
#include "frame/layout.h"
#include "settings/settings.h"

#define DEFAULT_ANALYCH 2

// Colours a band may take, in band order.
static const COLORREF s_acrBandColor[FV_BANDS] = {
    0xFFFF00, 0x0000FF, 0x00FF00, 0xFF0000, 0xFF00FF, 0x00FFFF, 0xF0C8A0, 0x000000,
};

HGLOBAL FFTViewDataCreate(HWND hWnd)
{
    HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(FFTVIEWDATA));
    if (hData == NULL)
        return NULL;
    FFTVIEWDATA *pData = (FFTVIEWDATA *)GlobalLock(hData);
    if (pData == NULL)
        return hData;
    pData->hSelf = hData;
    pData->hWnd = hWnd;
    pData->wAnalyCh = DEFAULT_ANALYCH;
    for (int b = 0; b < FV_BANDS; b++)
        pData->acrBandColor[b] = s_acrBandColor[b];
    for (int j = 0; j < FV_ANALYCH; j++)
        pData->aAnalyCh[j].nHostCh = -1;
    GlobalUnlock(hData);
    return hData;
}

void FFTViewFreePages(FFTVIEWDATA *pData)
{
    for (int k = 0; k < FV_HOSTCH; k++) {
        HOSTCHANNEL *pHost = &pData->aHostCh[k];
        if (pHost->hData != NULL)
            GlobalFree(pHost->hData);
        pHost->hData = NULL;
        pHost->nDataSamples = 0;
    }
}

static void FreeChannelBuffers(FFTVIEWDATA *pData)
{
    for (int j = 0; j < FV_ANALYCH; j++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[j];
        if (pCh->hSpecBuf != NULL)
            GlobalFree(pCh->hSpecBuf);
        if (pCh->hAddSumBuf != NULL)
            GlobalFree(pCh->hAddSumBuf);
        pCh->hSpecBuf = NULL;
        pCh->hAddSumBuf = NULL;
    }
}

static void ReleaseRecord(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData->idUpdateTimer != 0) {
        KillTimer(hWnd, IDT_UPDATE);
        pData->idUpdateTimer = 0;
    }
    WinHelpA(hWnd, pData->szHelpFile, HELP_QUIT, 0);
    ClearAdd(hWnd, pData);
    FFTViewFreePages(pData);
    FreeChannelBuffers(pData);
    if (pData->hFFTWork != 0)
        pData->hFFTWork = FgDestroy(pData->hFFTWork);
    if (pData->hEegFilter != 0)
        pData->hEegFilter = EfDestroy(pData->hEegFilter);
    SettingsSave(hWnd, pData);
}

void FFTViewDataDestroy(HWND hWnd, HGLOBAL hData)
{
    if (hData == NULL)
        return;
    FFTVIEWDATA *pData = (FFTVIEWDATA *)GlobalLock(hData);
    if (pData != NULL) {
        ReleaseRecord(hWnd, pData);
        GlobalUnlock(hData);
    }
    GlobalFree(hData);
}
