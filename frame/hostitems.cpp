// The host's numeric and text items: QPM_SETVALUE, QPM_GETVALUE,
// QPM_SETTEXT, QPM_GETTEXT and QPM_GETMESSAGE.
#include "frame/analywnd.h"

#include <stdint.h>
#include <stddef.h>
#include <string.h>

#include "frame/notify.h"
#include "frame/protocol.h"
#include "frame/textcopy.h"
#include "resource.h"

// A 32-bit item value as the message result: the host reads the low 32 bits.
#define ITEM_RESULT(v) ((LRESULT)(LONG)(v))

#define SETVALUE_FIRST 3
#define SETVALUE_LAST 124
#define GETVALUE_FIRST 11
#define GETVALUE_LAST 39
#define TEXT_FIRST 10
#define TEXT_LAST 21
#define DATE_ITEMS 8
#define ITEM24_COUNT 3

// Where each sub-id of text item 10 is kept.
static const struct {
    WORD wSub;
    size_t cbOffset;
} s_aHostTexts[FV_HOSTTEXTS] = {
    {11, offsetof(FFTVIEWDATA, szHostText11)},   {13, offsetof(FFTVIEWDATA, szHostText13)},
    {14, offsetof(FFTVIEWDATA, szHostText14)},   {21, offsetof(FFTVIEWDATA, szHostText21)},
    {22, offsetof(FFTVIEWDATA, szHostText22)},   {23, offsetof(FFTVIEWDATA, szHostText23)},
    {104, offsetof(FFTVIEWDATA, szHostText104)}, {105, offsetof(FFTVIEWDATA, szHostText105)},
    {106, offsetof(FFTVIEWDATA, szHostText106)}, {107, offsetof(FFTVIEWDATA, szHostText107)},
    {201, offsetof(FFTVIEWDATA, szHostText201)}, {101, offsetof(FFTVIEWDATA, szHostText101)},
    {24, offsetof(FFTVIEWDATA, szHostText24)},   {25, offsetof(FFTVIEWDATA, szHostText25)},
    {301, offsetof(FFTVIEWDATA, szHostText301)}, {302, offsetof(FFTVIEWDATA, szHostText302)},
    {303, offsetof(FFTVIEWDATA, szHostText303)}, {304, offsetof(FFTVIEWDATA, szHostText304)},
    {305, offsetof(FFTVIEWDATA, szHostText305)}, {306, offsetof(FFTVIEWDATA, szHostText306)},
    {307, offsetof(FFTVIEWDATA, szHostText307)}, {308, offsetof(FFTVIEWDATA, szHostText308)},
    {309, offsetof(FFTVIEWDATA, szHostText309)}, {310, offsetof(FFTVIEWDATA, szHostText310)},
};

static char *HostTextBuffer(FFTVIEWDATA *pData, WORD wSub)
{
    for (const auto &entry : s_aHostTexts) {
        if (entry.wSub == wSub)
            return (char *)pData + entry.cbOffset;
    }
    return NULL;
}

// Item 3: while analysing, electrode-unit playback cannot be analysed and
// says so; any other mode clears the host's message display.
static void SetHostMode(HWND hWnd, FFTVIEWDATA *pData, DWORD dwValue)
{
    pData->wHostMode = (WORD)dwValue;
    if (pData->wAnalyState == 0)
        return;
    if (pData->wHostMode == QP_HOSTMODE_ELECTRODE)
        ReportString(hWnd, pData, IDS_REMONTAGEONLY, QPN_ERRORTEXT);
    else
        ReportText(hWnd, pData, " ", QPN_INFOTEXT);
}

static void SetChannelValue(FFTVIEWDATA *pData, WORD wItem, WORD wCh, DWORD dwValue)
{
    if (wCh >= FV_HOSTCH)
        return;
    HOSTCHANNEL *pCh = &pData->aHostCh[wCh];
    switch (wItem) {
    case QPI_CHUSED: pCh->wChUsed = (WORD)dwValue; break;
    case QPI_CALVALUE: pCh->nCalValue = dwValue; break;
    case QPI_CALHEIGHT: pCh->nCalHeight = dwValue; break;
    case QPI_CALRANGE: pCh->nCalRange = dwValue; break;
    case QPI_CHITEM36: pCh->nItem36 = dwValue; break;
    case QPI_CHITEM37: pCh->nItem37 = dwValue; break;
    case QPI_SIGNALTYPE: pCh->wSignalType = (WORD)dwValue; break;
    case QPI_CHRATE: pCh->nChRate = dwValue; break;
    default: break;
    }
}

// Rate x time in samples: the field is 32 bits wide, so a longer or faster
// recording saturates at 0xFFFFFFFF instead of wrapping round.
static DWORD TotalSamples(LONG nBaseRate, DWORD nTime)
{
    ULONGLONG nSamples = (ULONGLONG)(DWORD)nBaseRate * nTime;
    return nSamples > 0xFFFFFFFFull ? 0xFFFFFFFFu : (DWORD)nSamples;
}

void AnalyWnd_SetValue(HWND hWnd, FFTVIEWDATA *pData, WORD wItem, WORD wIndex, DWORD dwValue)
{
    if (pData == NULL || wItem < SETVALUE_FIRST || wItem > SETVALUE_LAST)
        return;
    if (wItem >= QPI_CHUSED && wItem <= QPI_CHRATE) {
        SetChannelValue(pData, wItem, wIndex, dwValue);
        return;
    }
    switch (wItem) {
    case QPI_HOSTMODE: SetHostMode(hWnd, pData, dwValue); break;
    case QPI_HOSTCHCOUNT: pData->nHostChCount = dwValue < FV_HOSTCH ? dwValue : FV_HOSTCH; break;
    case QPI_ITEM10: pData->wHostItem10 = (WORD)dwValue; break;
    case QPI_BASERATE: pData->nBaseRate = (LONG)dwValue; break;
    case QPI_ITEM15: pData->nHostItem15 = dwValue; break;
    case QPI_RECTIME:
        if (wIndex < DATE_ITEMS)
            pData->anRecTime[wIndex] = dwValue;
        break;
    case QPI_ITEM17:
        if (wIndex < DATE_ITEMS)
            pData->anHostItem17[wIndex] = dwValue;
        break;
    case QPI_ITEM18: pData->wHostItem18 = (WORD)dwValue; break;
    case QPI_DIALOGLANG: pData->wHostItem19 = (WORD)dwValue; break;
    case QPI_PAGETIME: pData->nPageTime = dwValue; break;
    case QPI_TOTALTIME:
        pData->nTotalTime = dwValue;
        pData->nTotalSamples = TotalSamples(pData->nBaseRate, dwValue);
        break;
    case QPI_ITEM23: pData->nHostItem23 = dwValue; break;
    case QPI_ITEM24:
        if (wIndex < ITEM24_COUNT)
            pData->anHostItem24[wIndex] = dwValue;
        break;
    case QPI_AREAOFFSET:
        pData->nAreaOffset = dwValue;
        if (pData->wFFTAreaSw == 1)
            AnalyWnd_RunSectionFFT(hWnd, pData);
        break;
    default:
        break;
    }
}

// Item 22 reads back the total time from the total samples. Without a base
// rate there is no time to give: 0. Where the samples do not fit the signed
// division (saturated, or past its range) it answers the time the host gave.
static LONG TotalTime(const FFTVIEWDATA *pData)
{
    if (pData->nBaseRate == 0)
        return 0;
    if (pData->nTotalSamples > (DWORD)INT32_MAX)
        return (LONG)pData->nTotalTime;
    return (LONG)pData->nTotalSamples / pData->nBaseRate;
}

static LRESULT GetChannelValue(const FFTVIEWDATA *pData, WORD wItem, WORD wCh)
{
    if (wCh >= FV_HOSTCH)
        return 0;
    const HOSTCHANNEL *pCh = &pData->aHostCh[wCh];
    switch (wItem) {
    case QPI_CHUSED: return ITEM_RESULT(pCh->wChUsed);
    case QPI_CALVALUE: return ITEM_RESULT(pCh->nCalValue);
    case QPI_CALHEIGHT: return ITEM_RESULT(pCh->nCalHeight);
    case QPI_CALRANGE: return ITEM_RESULT(pCh->nCalRange);
    case QPI_CHITEM36: return ITEM_RESULT(pCh->nItem36);
    case QPI_CHITEM37: return ITEM_RESULT(pCh->nItem37);
    case QPI_SIGNALTYPE: return ITEM_RESULT(pCh->wSignalType);
    case QPI_CHRATE: return ITEM_RESULT(pCh->nChRate);
    default: return 0;
    }
}

LRESULT AnalyWnd_GetValue(const FFTVIEWDATA *pData, WORD wItem, WORD wIndex)
{
    if (pData == NULL || wItem < GETVALUE_FIRST || wItem > GETVALUE_LAST)
        return 0;
    if (wItem >= QPI_CHUSED)
        return GetChannelValue(pData, wItem, wIndex);
    switch (wItem) {
    case QPI_BASERATE: return ITEM_RESULT(pData->nBaseRate);
    case QPI_ITEM15: return ITEM_RESULT(pData->nHostItem15);
    case QPI_RECTIME: return wIndex < DATE_ITEMS ? ITEM_RESULT(pData->anRecTime[wIndex]) : 0;
    case QPI_ITEM17: return wIndex < DATE_ITEMS ? ITEM_RESULT(pData->anHostItem17[wIndex]) : 0;
    case QPI_PAGETIME: return ITEM_RESULT(pData->nPageTime);
    case QPI_TOTALTIME: return ITEM_RESULT(TotalTime(pData));
    default: return 0;
    }
}

void AnalyWnd_SetText(FFTVIEWDATA *pData, WORD wItem, WORD wSub, const char *pszText)
{
    if (pData == NULL || pszText == NULL || wItem < TEXT_FIRST || wItem > TEXT_LAST)
        return;
    char *pszField = NULL;
    size_t cbField = FV_PATH;
    switch (wItem) {
    case QPT_HOSTTEXT:
        pszField = HostTextBuffer(pData, wSub);
        break;
    case QPT_HOSTTEXT15:
        pszField = pData->szHostText15;
        break;
    case QPT_CHNAME:
        if (wSub < FV_HOSTCH) {
            pszField = pData->aHostCh[wSub].szChName;
            cbField = sizeof(pData->aHostCh[wSub].szChName);
        }
        break;
    case QPT_CHNAME2:
        if (wSub < FV_HOSTCH) {
            pszField = pData->aHostCh[wSub].szChName2;
            cbField = sizeof(pData->aHostCh[wSub].szChName2);
        }
        break;
    default:
        break;
    }
    if (pszField != NULL)
        TextCopy(pszField, cbField, pszText);
}

// Copies a stored text (always shorter than the caller's minimum buffer of
// 64 bytes) and returns its length.
static LRESULT GiveText(char *pszBuffer, const char *pszText)
{
    size_t cch = strlen(pszText);
    memcpy(pszBuffer, pszText, cch + 1);
    return (LRESULT)LOWORD(cch);
}

LRESULT AnalyWnd_GetText(const FFTVIEWDATA *pData, WORD wItem, WORD wCh, char *pszBuffer)
{
    if (pszBuffer == NULL)
        return 0;
    pszBuffer[0] = '\0';
    if (pData == NULL || wCh >= FV_HOSTCH)
        return 0;
    if (wItem == QPT_CHNAME)
        return GiveText(pszBuffer, pData->aHostCh[wCh].szChName);
    if (wItem == QPT_CHNAME2)
        return GiveText(pszBuffer, pData->aHostCh[wCh].szChName2);
    return 0;
}

LRESULT AnalyWnd_GetMessage(const FFTVIEWDATA *pData, char *pszBuffer)
{
    if (pData == NULL || pszBuffer == NULL)
        return 0;
    return GiveText(pszBuffer, pData->szMessage);
}
