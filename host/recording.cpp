// Questions about a recording as a whole.
#include "recording.h"

#include <string.h>
#include <strings.h>

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
