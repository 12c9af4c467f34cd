// Questions about a recording as a whole.
#include "recording.h"

#include <math.h>
#include <string.h>
#include <strings.h>

#include "chaninfo.h"
#include "recstream.h"

DWORD RecBaseRate(const RECORDING *pRec)
{
    DWORD nBest = 0;
    size_t nBestCount = 0;
    for (const RECCHANNEL &ch : pRec->aChannels) {
        size_t nCount = 0;
        for (const RECCHANNEL &other : pRec->aChannels)
            nCount += other.nRate == ch.nRate;
        if (nCount > nBestCount || (nCount == nBestCount && ch.nRate > nBest)) {
            nBest = ch.nRate;
            nBestCount = nCount;
        }
    }
    return nBest;
}

DWORD RecWholeSeconds(const RECORDING *pRec)
{
    if (pRec->aChannels.empty())
        return 0;
    size_t nSeconds = (size_t)-1;
    for (const RECCHANNEL &ch : pRec->aChannels) {
        size_t n = ch.nRate ? (size_t)(RecChannelSamples(&ch) / ch.nRate) : 0;
        if (n < nSeconds)
            nSeconds = n;
    }
    return (DWORD)nSeconds;
}

int RecFindLabel(const RECORDING *pRec, const char *pszLabel)
{
    for (size_t i = 0; i < pRec->aChannels.size(); i++) {
        const RECCHANNEL &ch = pRec->aChannels[i];
        if (strcasecmp(ch.szLabel, pszLabel) == 0 || strcasecmp(ch.szFileLabel, pszLabel) == 0)
            return (int)i;
    }
    return -1;
}

void RecCopyText(char *pszTo, size_t cbTo, const char *pszFrom)
{
    size_t cch = strlen(pszFrom);
    if (cch >= cbTo)
        cch = cbTo - 1;
    memcpy(pszTo, pszFrom, cch);
    pszTo[cch] = '\0';
}

unsigned long long RecChannelSamples(const RECCHANNEL *pCh)
{
    return pCh->aSamples.empty() ? pCh->nStreamSamples : pCh->aSamples.size();
}

// A held channel: its steps become the finer (or, for content too large
// for the spectra, coarser) steps of ChFineStep.
static void FitHeldChannel(RECCHANNEL *pCh, DWORD nFFTPoints, std::string *pstrNotes)
{
    if (pCh->aSamples.empty())
        return;
    short nMin = 32767, nMax = -32768;
    for (short n : pCh->aSamples) {
        nMin = n < nMin ? n : nMin;
        nMax = n > nMax ? n : nMax;
    }
    if (nMin == nMax)
        *pstrNotes += std::string("channel '") + pCh->szFileLabel + "' is flat: its spectrum is zero\n";
    CHSTEP step;
    if (!ChFineStep(pCh->dUvPerStep, nMin, nMax, pCh->nRate, nFFTPoints, &step))
        return;
    for (short &n : pCh->aSamples)
        n = (short)nearbyint((n - step.dOffset) * step.dStepsPerDigital);   // within the limit, so within 16 bits
    pCh->dUvPerStep = step.dUvPerStep;
    pCh->nCalValue = step.nCalValue;
    pCh->nCalHeight = step.nCalHeight;
}

BOOL RecFitSteps(RECORDING *pRec, DWORD nFFTPoints, std::string *pstrNotes, char *pszError, size_t cbError)
{
    if (pRec->pStream)
        return RecStreamFitSteps(pRec, nFFTPoints, pstrNotes, pszError, cbError);
    for (RECCHANNEL &ch : pRec->aChannels)
        FitHeldChannel(&ch, nFFTPoints, pstrNotes);
    return TRUE;
}

BOOL RecLoadPage(RECORDING *pRec, DWORD nFirstSecond, DWORD nSeconds, char *pszError, size_t cbError)
{
    if (pRec->pStream)
        return RecStreamLoadPage(pRec, nFirstSecond, nSeconds, pszError, cbError);
    for (RECCHANNEL &ch : pRec->aChannels) {
        const short *pnFirst = ch.aSamples.data() + (size_t)nFirstSecond * ch.nRate;
        ch.aPage.assign(pnFirst, pnFirst + (size_t)nSeconds * ch.nRate);
    }
    return TRUE;
}
