// The host's set-up and run messages: QPM_SETNOTIFY, QPM_SETPATH,
// QPM_REFRESHSTATE, QPM_STARTANALY, QPM_STOPANALY, QPM_REFRESH,
// QPM_SETAREA, QPM_SETCHDATA and QPM_KEYNOTIFY.
#include "frame/analywnd.h"

#include <string.h>

#include "engine/engine.h"
#include "fftgrph/fftgraph.h"
#include "frame/files.h"
#include "frame/layout.h"
#include "frame/notify.h"
#include "frame/protocol.h"
#include "frame/textcopy.h"
#include "settings/settings.h"

// Largest page a channel may deliver: its buffer (2 bytes a sample plus 256)
// must stay addressable by a signed 32-bit size.
#define MAX_PAGE_SAMPLES ((0x7FFFFFFFu - 256u) / 2u)

// Redraw code of the page FFT run by QPM_SETAREA.
#define PAGE_FFT_REDRAW 3

// Requests of a start, in the order the host expects them.
static const WORD s_awStartRequests[] = {
    QPN_REQ_211, QPN_REQ_215, QPN_REQ_210, QPN_REQ_216, QPN_REQ_206,
    QPN_REQ_151, QPN_REQ_160, QPN_REQ_152, QPN_REQ_START,
};

// Requests of a refresh while analysing.
static const WORD s_awRefreshRequests[] = {
    QPN_REQ_216, QPN_REQ_206, QPN_REQ_151, QPN_REQ_160,
};

static void SendRequests(HWND hWnd, const WORD *pwCodes, size_t nCodes)
{
    for (size_t i = 0; i < nCodes; i++)
        NotifyHostSend(hWnd, pwCodes[i]);
}

static void RefreshSetupPanel(FFTVIEWDATA *pData)
{
    if (pData->hSetupDlg != NULL)
        SendMessageA(pData->hSetupDlg, QPM_REFRESH, 0, 0);
}

static void PostCohRefresh(FFTVIEWDATA *pData)
{
    if (pData->hCohWnd != NULL)
        PostMessageA(pData->hCohWnd, QPM_REFRESH, 1, 0);
}

void AnalyWnd_SetNotify(HWND hWnd, FFTVIEWDATA *pData, HWND hNotify, WORD wId)
{
    SetWindowLongPtrA(hWnd, FVW_NOTIFYWND, (LONG_PTR)hNotify);
    SetWindowWord(hWnd, FVW_NOTIFYID, wId);
    if (pData == NULL)
        return;
    pData->hNotifyWnd = hNotify;
    pData->wNotifyId = wId;
    NotifyHostPost(hWnd, QPN_NOTIFYSET);
}

// Settings folder given: settings, filter object, children, then the host
// learns that the window is ready.
static void InitAnalysis(HWND hWnd, FFTVIEWDATA *pData, const char *pszFolder)
{
    SettingsLoad(hWnd, pData, pszFolder);
    CreateAnalyChildren(hWnd, pData);
    NotifyHostSend(hWnd, QPN_REQ_160);
    NotifyHostPost(hWnd, QPN_INITDONE);
    AnalyWnd_Refresh(hWnd, pData);
}

// Application folder given: the help file and the manual beside it. A folder
// too long for the paths leaves them empty rather than naming other files.
static void SetAppDir(FFTVIEWDATA *pData, const char *pszFolder)
{
    pData->szHelpFile[0] = '\0';
    pData->szManualFile[0] = '\0';
    if (!TextJoin(pData->szAppDir, sizeof(pData->szAppDir), pszFolder, "\\"))
        return;
    TextJoin(pData->szHelpFile, sizeof(pData->szHelpFile), pData->szAppDir, "HELP\\QFFTANA.HLP");
    if (TextJoin(pData->szManualFile, sizeof(pData->szManualFile), pData->szAppDir,
                 "HELP\\QFFTANA.PDF") &&
        !FileExists(pData->szManualFile))
        pData->szManualFile[0] = '\0';
}

void AnalyWnd_SetPath(HWND hWnd, FFTVIEWDATA *pData, WPARAM wWhich, const char *pszPath)
{
    if (pData == NULL || pszPath == NULL)
        return;
    switch (wWhich) {
    case 0:
        InitAnalysis(hWnd, pData, pszPath);
        break;
    case 1:
        TextCopy(pData->szHostPath, sizeof(pData->szHostPath), pszPath);
        break;
    case 2:
        SetAppDir(pData, pszPath);
        break;
    default:
        break;
    }
}

void AnalyWnd_RefreshState(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData == NULL)
        return;
    RefreshSetupPanel(pData);
    UpdateButtons(hWnd, pData);
}

static void TellLinkWindow(FFTVIEWDATA *pData)
{
    if (pData->hLinkWnd == NULL)
        return;
    SendMessageA(pData->hLinkWnd, QLM_SETITEM, QLM_ITEM_AREAMODE, pData->wFFTAreaSw);
    SendMessageA(pData->hLinkWnd, QLM_SETITEM, QLM_ITEM_FFTLENGTH, (LPARAM)pData->nFFTPoint);
    SendMessageA(pData->hLinkWnd, QLM_SETSTATE, 1, 0);
}

void AnalyWnd_StartAnaly(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData == NULL)
        return;
    if (pData->wAnalyState != 0)
        AnalyWnd_StopAnaly(hWnd, pData);
    SendRequests(hWnd, s_awStartRequests, sizeof(s_awStartRequests) / sizeof(s_awStartRequests[0]));
    if (pData->wAutoChSelect != 0)
        AutoSelectChannels(hWnd, pData);
    pData->wAnalyState = 2;
    pData->wMonitor = 1;
    MatchChannels(hWnd, pData);
    SetupFFT(hWnd, pData, 0);
    SetupFilter(hWnd, pData);
    RefreshSetupPanel(pData);
    UpdateButtons(hWnd, pData);
    NotifyHostSend(hWnd, QPN_ANALYSTARTED);
    TellLinkWindow(pData);
}

void AnalyWnd_StopAnaly(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData == NULL)
        return;
    NotifyHostSend(hWnd, QPN_ANALYSTOP);
    NotifyHostSend(hWnd, QPN_REQ_STOP);
    ClearAdd(hWnd, pData);
    pData->wAnalyState = 0;
    for (int j = 0; j < FV_ANALYCH; j++) {
        if (j < pData->wAnalyCh) {
            HWND hGraph = GetDlgItem(hWnd, IDC_GRAPH_FIRST + j);
            if (hGraph != NULL)
                SendMessageA(hGraph, FGM_REDRAW, FG_REDRAW_CLEAR, 0);
        }
        pData->aAnalyCh[j].nHostCh = -1;
    }
    FFTViewFreePages(pData);
    RefreshGraphs(hWnd, pData, TRUE);
    UpdateButtons(hWnd, pData);
}

void AnalyWnd_Refresh(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData == NULL)
        return;
    if (pData->wAnalyState != 0)
        SendRequests(hWnd, s_awRefreshRequests,
                     sizeof(s_awRefreshRequests) / sizeof(s_awRefreshRequests[0]));
    RefreshSetupPanel(pData);
    UpdateChannelCal(hWnd, pData);
    UpdateButtons(hWnd, pData);
}

void AnalyWnd_SetArea(HWND hWnd, FFTVIEWDATA *pData, DWORD nPageStart)
{
    if (pData == NULL || pData->wAnalyState < 2)
        return;
    pData->nPageStart = nPageStart;
    if (pData->wFFTAreaSw == 0)
        CalcPageFFT(hWnd, pData, PAGE_FFT_REDRAW);
    else
        CalcSectionFFT(hWnd, pData, pData->nAreaOffset);
    PostCohRefresh(pData);
}

void AnalyWnd_RunSectionFFT(HWND hWnd, FFTVIEWDATA *pData)
{
    // As for a page position: outside an analysis the offset is only kept.
    if (pData->wAnalyState < 2)
        return;
    CalcSectionFFT(hWnd, pData, pData->nAreaOffset);
    PostCohRefresh(pData);
}

// The first analysis channel in use that reads host channel wHostCh, or -1.
static int FindReadingSlot(const FFTVIEWDATA *pData, WORD wHostCh)
{
    int nSlots = pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
    for (int j = 0; j < nSlots; j++) {
        if (pData->aAnalyCh[j].nHostCh == (LONG)wHostCh)
            return j;
    }
    return -1;
}

// A page of another length replaces the channel's buffer and rebuilds the
// FFT set-up; returns FALSE when the slot's page is then too short for one
// block and the delivery is dropped.
static BOOL ReplacePageBuffer(HWND hWnd, FFTVIEWDATA *pData, HOSTCHANNEL *pHost, int iSlot)
{
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[iSlot];
    ULONGLONG nSlotSamples = (ULONGLONG)pCh->nChRate * pData->nPageTime;
    GlobalFree(pHost->hData);
    pHost->hData = NULL;
    pHost->nDataSamples = 0;
    SetupFFT(hWnd, pData, 0);
    return nSlotSamples >= pCh->nBlockLen;
}

void AnalyWnd_SetChData(HWND hWnd, FFTVIEWDATA *pData, WORD wHostCh, WORD wRate,
                        const short *pSamples)
{
    if (pData == NULL || pSamples == NULL || wHostCh >= FV_HOSTCH)
        return;
    if (pData->wAnalyState < 2 || pData->wHostMode > 1 || pData->wAnalyCh == 0)
        return;
    int iSlot = FindReadingSlot(pData, wHostCh);
    if (iSlot < 0)
        return;
    ULONGLONG nSamples = (ULONGLONG)wRate * pData->nPageTime;
    if (nSamples == 0 || nSamples > MAX_PAGE_SAMPLES)
        return;

    HOSTCHANNEL *pHost = &pData->aHostCh[wHostCh];
    if (pHost->hData != NULL && pHost->nDataSamples != nSamples &&
        !ReplacePageBuffer(hWnd, pData, pHost, iSlot))
        return;
    if (pHost->hData == NULL) {
        pHost->hData = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)nSamples * 2 + 256);
        if (pHost->hData == NULL)
            return;
        pHost->nDataSamples = (DWORD)nSamples;
    }
    void *pBuffer = GlobalLock(pHost->hData);
    if (pBuffer == NULL)
        return;
    memcpy(pBuffer, pSamples, (size_t)nSamples * 2);
    GlobalUnlock(pHost->hData);
}

void AnalyWnd_KeyNotify(HWND hWnd, FFTVIEWDATA *pData, WORD wEvent, WORD wKey)
{
    if (pData == NULL || wEvent != QPK_EVENT_KEY || wKey != QPK_KEY_F1 || pData->wADDKeySw == 0)
        return;
    if (pData->wAnalyState != 0 && pData->wFFTDone != 0) {
        AddSpectrum(hWnd, pData);
        UpdateButtons(hWnd, pData);
    } else {
        MessageBeep(0);
    }
}
