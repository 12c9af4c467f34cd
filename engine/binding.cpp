// Binding of analysis channels to host channels, and the copy of the bound
// channels' rate and calibration.
#include "engine/engine.h"

#include <string.h>

#include "engine/engineint.h"
#include "frame/textcopy.h"

// Host calibration value and height that mean "no calibration".
#define NO_CAL 0xFFFFu
// Calibration pair of an uncalibrated channel.
#define DEFAULT_CAL 1000u
// Signal type codes that take part in matching and automatic selection.
#define SIGNAL_FIRST 1u
#define SIGNAL_LAST 31u

static int HostChannelCount(const FFTVIEWDATA *pData)
{
    return pData->nHostChCount < FV_HOSTCH ? (int)pData->nHostChCount : FV_HOSTCH;
}

static int AnalyChannelCount(const FFTVIEWDATA *pData)
{
    return pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
}

void CopyChannelCal(ANALYCHANNEL *pCh, const HOSTCHANNEL *pHost)
{
    pCh->nChRate = pHost->nChRate;
    if (pHost->nCalValue == NO_CAL && pHost->nCalHeight == NO_CAL) {
        pCh->nCalValue = DEFAULT_CAL;
        pCh->nCalHeight = DEFAULT_CAL;
    } else {
        pCh->nCalValue = pHost->nCalValue;
        pCh->nCalHeight = pHost->nCalHeight;
    }
    pCh->nScaleRef = pHost->nCalHeight;
    if (pHost->nCalValue > 0) {
        // Single precision throughout, the range factor included: in double
        // 400 x 65535 x 0.005f falls just short of 131070 and truncates to
        // 131069. The integer product is formed in 64 bits so it cannot wrap.
        float fScaled = (float)((ULONGLONG)pHost->nCalRange * pHost->nCalHeight) * 0.005f;
        ULONGLONG nScaled = (ULONGLONG)fScaled;
        ULONGLONG nRef = nScaled / pHost->nCalValue;
        pCh->nScaleRef = nRef > 0xFFFFFFFFull ? 0xFFFFFFFFu : (DWORD)nRef;
    }
}

// The first host channel not yet taken with this signal type and name.
static int FindHostChannel(const FFTVIEWDATA *pData, const ANALYCHANNEL *pCh, const BOOL *pbTaken)
{
    for (int k = 0; k < HostChannelCount(pData); k++) {
        const HOSTCHANNEL *pHost = &pData->aHostCh[k];
        if (!pbTaken[k] && pHost->wSignalType == pCh->nSignal &&
            strcmp(pHost->szChName, pCh->szLabel) == 0)
            return k;
    }
    return -1;
}

void MatchChannels(HWND, FFTVIEWDATA *pData)
{
    if (pData->wAnalyState == 0)
        return;
    BOOL abTaken[FV_HOSTCH] = {};
    for (int i = 0; i < AnalyChannelCount(pData); i++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[i];
        pCh->nHostCh = -1;
        if (pCh->nSignal == 0)
            continue;
        int k = FindHostChannel(pData, pCh, abTaken);
        if (k < 0)
            continue;
        HOSTCHANNEL *pHost = &pData->aHostCh[k];
        pCh->nHostCh = k;
        // A newly bound channel waits for a page of its own.
        if (pHost->hData != NULL)
            GlobalFree(pHost->hData);
        pHost->hData = NULL;
        pHost->nDataSamples = 0;
        abTaken[k] = TRUE;
    }
}

void AutoSelectChannels(HWND, FFTVIEWDATA *pData)
{
    // Host channels offered per signal type, in host order, up to one per
    // analysis channel.
    int anList[SIGNAL_LAST + 1][FV_ANALYCH];
    int anListed[SIGNAL_LAST + 1] = {};
    int anHanded[SIGNAL_LAST + 1] = {};
    for (int k = 0; k < HostChannelCount(pData); k++) {
        const HOSTCHANNEL *pHost = &pData->aHostCh[k];
        WORD wType = pHost->wSignalType;
        if (pHost->wChUsed == 0 || wType < SIGNAL_FIRST || wType > SIGNAL_LAST)
            continue;
        if (anListed[wType] < FV_ANALYCH)
            anList[wType][anListed[wType]++] = k;
    }
    for (int i = 0; i < AnalyChannelCount(pData); i++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[i];
        if (pCh->nSignal < SIGNAL_FIRST || pCh->nSignal > SIGNAL_LAST)
            continue;
        DWORD wType = pCh->nSignal;
        if (anHanded[wType] >= anListed[wType])
            continue;
        int k = anList[wType][anHanded[wType]++];
        TextCopy(pCh->szLabel, sizeof(pCh->szLabel), pData->aHostCh[k].szChName);
    }
}

void UpdateChannelCal(HWND, FFTVIEWDATA *pData)
{
    for (int i = 0; i < AnalyChannelCount(pData); i++) {
        ANALYCHANNEL *pCh = &pData->aAnalyCh[i];
        if (pCh->nHostCh >= 0 && pCh->nHostCh < FV_HOSTCH)
            CopyChannelCal(pCh, &pData->aHostCh[pCh->nHostCh]);
    }
}
