// The frame window of the host: requests answered, texts shown.
#include "hostwnd.h"

#include <stdio.h>
#include <string.h>

#include "codepage.h"
#include "hostproto.h"
#include "plugtext.h"

#define HOST_FRAME_CLASS "QFFTANAHOSTFRAME"
#define HOST_CALRANGE    100   /* uV: the amplitude a host shows per channel */

static void SetValue(HWND hAnaly, WORD wItem, WORD wIndex, DWORD nValue)
{
    SendMessageA(hAnaly, QPM_SETVALUE, MAKEWPARAM(wItem, wIndex), (LPARAM)nValue);
}

// A UTF-8 text as code page 932, cut to the window's buffer.
static void SetText(HWND hAnaly, WORD wItem, WORD wSub, const char *pszUtf8, size_t cbBuffer)
{
    char szAnsi[QP_TEXTSIZE];
    CpUtf8ToAnsi(pszUtf8, szAnsi, cbBuffer < sizeof(szAnsi) ? cbBuffer : sizeof(szAnsi));
    SendMessageA(hAnaly, QPM_SETTEXT, MAKEWPARAM(wItem, wSub), (LPARAM)szAnsi);
}

static void PushRecordingItems(const HOSTSTATE *pState)
{
    const RECORDING *pRec = pState->pRec;
    HWND hAnaly = pState->hAnaly;
    SetValue(hAnaly, QPI_HOSTCHCOUNT, 0, (DWORD)pRec->aChannels.size());
    SetValue(hAnaly, QPI_BASERATE, 0, pState->nBaseRate);
    SetValue(hAnaly, QPI_PAGETIME, 0, pState->nPageSeconds);
    SetValue(hAnaly, QPI_TOTALTIME, 0, RecWholeSeconds(pRec));
    for (WORD i = 0; i < 6; i++) {
        SetValue(hAnaly, QPI_RECTIME, i, (DWORD)pRec->anStart[i]);
        SetValue(hAnaly, QPI_REPORTDATE, i, (DWORD)pRec->anStart[i]);
    }
}

static void PushChannels(const HOSTSTATE *pState)
{
    HWND hAnaly = pState->hAnaly;
    for (size_t c = 0; c < pState->pRec->aChannels.size(); c++) {
        const RECCHANNEL &ch = pState->pRec->aChannels[c];
        WORD wCh = (WORD)c;
        SetValue(hAnaly, QPI_CHUSED, wCh, 1);
        SetValue(hAnaly, QPI_CALVALUE, wCh, ch.nCalValue);
        SetValue(hAnaly, QPI_CALHEIGHT, wCh, ch.nCalHeight);
        SetValue(hAnaly, QPI_CALRANGE, wCh, HOST_CALRANGE);
        SetValue(hAnaly, QPI_SIGNALTYPE, wCh, ch.wSignalType);
        SetValue(hAnaly, QPI_CHRATE, wCh, ch.nRate);
        SetText(hAnaly, QPT_CHNAME, wCh, ch.szLabel, QP_NAMESIZE);
        SetText(hAnaly, QPT_CHNAME2, wCh, ch.szUnit, QP_NAME2SIZE);
    }
}

void HostPushItems(const HOSTSTATE *pState)
{
    PushRecordingItems(pState);
    PushChannels(pState);
    SetText(pState->hAnaly, QPT_FILENAME, 0, pState->pszFileName, QP_TEXTSIZE);
    SetText(pState->hAnaly, QPT_HOSTTEXT, QPT_SUB_NAME1, pState->pRec->szPatientName, QP_TEXTSIZE);
    SetText(pState->hAnaly, QPT_HOSTTEXT, QPT_SUB_NAME2, pState->pRec->szPatientId, QP_TEXTSIZE);
}

// The codes by which the window asks for the host's current items.
static BOOL IsRequest(WORD wCode)
{
    static const WORD awRequest[] = {10, 11, 151, 152, 160, 162, 206, 210, 211, 215, 216};
    for (WORD w : awRequest) {
        if (w == wCode)
            return TRUE;
    }
    return FALSE;
}

// The plug-in's text, followed by the host's explanation in English.
static void PrintText(const char *pszPrefix, const char *pszText)
{
    const char *pszExplained = PlugTextExplain(pszText);
    if (pszExplained)
        fprintf(stderr, "qfftana: %s%s (%s)\n", pszPrefix, pszText, pszExplained);
    else
        fprintf(stderr, "qfftana: %s%s\n", pszPrefix, pszText);
}

// Fetches the window's message text and shows it as a status line would:
// a text repeated right after itself only once (the summary counts
// refused ADDs).
static void ShowMessage(HOSTSTATE *pState, BOOL bError)
{
    char szAnsi[QP_MESSAGESIZE * 2] = "";
    SendMessageA(pState->hAnaly, QPM_GETMESSAGE, 0, (LPARAM)szAnsi);
    char szText[sizeof(pState->szLastText)];
    CpAnsiToUtf8(szAnsi, szText, sizeof(szText));
    BOOL bRepeat = strcmp(szText, pState->szLastText) == 0;
    snprintf(pState->szLastText, sizeof(pState->szLastText), "%s", szText);
    if (bError) {
        pState->nErrorTexts++;
        RecCopyText(pState->szLastError, sizeof(pState->szLastError), szText);
        if (!bRepeat)
            PrintText("plug-in error: ", szText);
        return;
    }
    pState->nInfoTexts++;
    if (!pState->bQuiet && !bRepeat && strspn(szText, " ") != strlen(szText))
        PrintText("", szText);
}

static void HostWnd_Notify(HWND hWnd, WORD wCode, HWND hFrom)
{
    HOSTSTATE *pState = (HOSTSTATE *)GetWindowLongPtrA(hWnd, GWLP_USERDATA);
    if (!pState || !pState->hAnaly || hFrom != pState->hAnaly)
        return;
    if (IsRequest(wCode))
        HostPushItems(pState);
    else if (wCode == QPN_INFOTEXT || wCode == QPN_ERRORTEXT)
        ShowMessage(pState, wCode == QPN_ERRORTEXT);
    else if (wCode == QPN_ANALYSTARTED)
        pState->bStarted = TRUE;
    else if (wCode == QPN_ANALYSTOP)
        pState->bStarted = FALSE;
}

static LRESULT CALLBACK HostWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE:
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA *)lParam)->lpCreateParams);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == HOST_NOTIFY_ID)
            HostWnd_Notify(hWnd, HIWORD(wParam), (HWND)lParam);
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

HWND HostCreateFrame(HOSTSTATE *pState)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostWndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = HOST_FRAME_CLASS;
    RegisterClassA(&wc);   // already registered in a second session: fine
    return CreateWindowExA(0, HOST_FRAME_CLASS, "qfftana", WS_OVERLAPPEDWINDOW, 0, 0, 1280, 800,
                           NULL, NULL, wc.hInstance, pState);
}
