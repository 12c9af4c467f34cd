// EDF+ files through BioSig's writer (the host alone links it: GPL-3+).
#include "edfwrite.h"

#include <biosig.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>
#include <time.h>

#include <string>

#include "prjfile.h"

static void SpacesToUnderscores(char *psz)
{
    for (; *psz; psz++) {
        if (*psz == ' ')
            *psz = '_';
    }
}

// "EEG Fp1": the type word first, as EDF+ recommends, unless the label
// already is or begins with it.
static void FileLabel(const RECCHANNEL &ch, char *pszLabel, size_t cbLabel)
{
    char szType[PF_NAMESIZE] = "";
    PfGetSignalName(ch.wSignalType, szType);
    size_t cchType = strlen(szType);
    if (cchType == 0 || strncasecmp(ch.szLabel, szType, cchType) == 0)
        RecCopyText(pszLabel, cbLabel, ch.szLabel);
    else
        RecCopyText(pszLabel, cbLabel, (std::string(szType) + " " + ch.szLabel).c_str());
}

static void DescribeSignal(CHANNEL_TYPE *pOut, const RECCHANNEL &ch)
{
    FileLabel(ch, pOut->Label, sizeof(pOut->Label));
    pOut->OnOff = 1;
    pOut->SPR = ch.nRate;
    pOut->GDFTYP = 3;   // int16
    pOut->DigMin = -32768;
    pOut->DigMax = 32767;
    pOut->PhysMin = -32768 * ch.dUvPerStep;
    pOut->PhysMax = 32767 * ch.dUvPerStep;
    pOut->Cal = ch.dUvPerStep;
    pOut->Off = 0;
    pOut->PhysDimCode = PhysDimCode("uV");
}

// The annotation channel runs at the block rate, two characters a sample.
static void DescribeAnnotations(CHANNEL_TYPE *pOut, DWORD nBlockRate)
{
    snprintf(pOut->Label, sizeof(pOut->Label), "EDF Annotations");
    pOut->OnOff = 1;
    pOut->SPR = nBlockRate;
    pOut->GDFTYP = 3;
    pOut->DigMin = -32768;
    pOut->DigMax = 32767;
    pOut->PhysMin = -1;
    pOut->PhysMax = 1;
    pOut->Cal = 2.0 / 65535.0;
    pOut->Off = 0;
    pOut->PhysDimCode = 0;
}

static void DescribeRecording(HDRTYPE *hdr, const RECORDING *pRec, DWORD nBlockRate, DWORD nSeconds)
{
    hdr->TYPE = EDF;
    hdr->VERSION = 0;
    hdr->FLAG.UCAL = 1;          // the values handed over are the digital ones
    hdr->FLAG.ANONYMOUS = 0;
    hdr->FLAG.ROW_BASED_CHANNELS = 0;
    hdr->SampleRate = nBlockRate;
    hdr->SPR = nBlockRate;
    hdr->NRec = nSeconds;
    RecCopyText(hdr->Patient.Id, sizeof(hdr->Patient.Id), pRec->szPatientId);
    RecCopyText(hdr->Patient.Name, sizeof(hdr->Patient.Name), pRec->szPatientName);
    SpacesToUnderscores(hdr->Patient.Id);
    SpacesToUnderscores(hdr->Patient.Name);
    struct tm tmStart = {};
    tmStart.tm_year = pRec->anStart[0] - 1900;
    tmStart.tm_mon = pRec->anStart[1] - 1;
    tmStart.tm_mday = pRec->anStart[2];
    tmStart.tm_hour = pRec->anStart[3];
    tmStart.tm_min = pRec->anStart[4];
    tmStart.tm_sec = pRec->anStart[5];
    // Half a second more: the writer rounds the start time down, and a
    // whole second would otherwise come out one second early.
    hdr->T0 = tm_time2gdf_time(&tmStart) + (((gdf_time)1 << 32) / 86400 / 2);
    for (size_t c = 0; c < pRec->aChannels.size(); c++)
        DescribeSignal(&hdr->CHANNEL[c], pRec->aChannels[c]);
    DescribeAnnotations(&hdr->CHANNEL[pRec->aChannels.size()], nBlockRate);
}

// One record's time-stamp annotation "+<second>\x14\x14\0", packed two
// characters to a little-endian 16-bit value.
static void FillTimeStamp(double *pColumn, DWORD nBlockRate, DWORD nSecond)
{
    char szTal[32] = "";
    int cch = snprintf(szTal, sizeof(szTal), "+%u\x14\x14", (unsigned)nSecond);
    for (DWORD i = 0; i < nBlockRate; i++) {
        int j = 2 * (int)i;
        unsigned char b0 = j < cch ? (unsigned char)szTal[j] : 0;
        unsigned char b1 = j + 1 < cch ? (unsigned char)szTal[j + 1] : 0;
        pColumn[i] = (short)(b0 | (b1 << 8));
    }
}

// Column-major values of records nFirst .. nFirst + nCount - 1; a slower
// channel's samples are repeated up to the block rate.
static void FillRecords(std::vector<double> *paData, const RECORDING *pRec, DWORD nBlockRate,
                        DWORD nFirst, DWORD nCount)
{
    size_t nRows = (size_t)nBlockRate * nCount;
    size_t nChannels = pRec->aChannels.size();
    paData->assign(nRows * (nChannels + 1), 0.0);
    for (size_t c = 0; c < nChannels; c++) {
        const RECCHANNEL &ch = pRec->aChannels[c];
        DWORD nRepeat = nBlockRate / ch.nRate;
        size_t nStart = (size_t)nFirst * ch.nRate;
        for (size_t r = 0; r < nRows; r++)
            (*paData)[c * nRows + r] = ch.aSamples[nStart + r / nRepeat];
    }
    for (DWORD k = 0; k < nCount; k++)
        FillTimeStamp(&(*paData)[nChannels * nRows + (size_t)k * nBlockRate], nBlockRate, nFirst + k);
}

static BOOL RatesFit(const RECORDING *pRec, DWORD *pnBlockRate)
{
    DWORD nMax = 0;
    for (const RECCHANNEL &ch : pRec->aChannels)
        nMax = ch.nRate > nMax ? ch.nRate : nMax;
    for (const RECCHANNEL &ch : pRec->aChannels) {
        if (ch.nRate == 0 || nMax % ch.nRate)
            return FALSE;
    }
    *pnBlockRate = nMax;
    return nMax > 0;
}

BOOL RecWriteEdf(const RECORDING *pRec, const char *pszPath, char *pszError, size_t cbError)
{
    DWORD nBlockRate = 0;
    DWORD nSeconds = RecWholeSeconds(pRec);
    if (pRec->aChannels.empty() || nSeconds == 0 || !RatesFit(pRec, &nBlockRate)) {
        snprintf(pszError, cbError, "%s: nothing to write (no channels, no whole second, or rates that do not divide the highest)", pszPath);
        return FALSE;
    }
    HDRTYPE *hdr = constructHDR((unsigned)pRec->aChannels.size() + 1, 0);
    DescribeRecording(hdr, pRec, nBlockRate, nSeconds);
    hdr = sopen(pszPath, "w", hdr);
    BOOL bOk = hdr && !biosig_check_error(hdr);
    // One call with every record: this BioSig's swrite writes all the
    // records the header announces, whatever count it is given.
    std::vector<double> aData;
    if (bOk) {
        FillRecords(&aData, pRec, nBlockRate, 0, nSeconds);
        bOk = swrite(aData.data(), nSeconds, hdr) == nSeconds && !biosig_check_error(hdr);
    }
    if (hdr) {
        sclose(hdr);
        bOk = bOk && !biosig_check_error(hdr);
        destructHDR(hdr);
    }
    if (!bOk) {
        snprintf(pszError, cbError, "%s: the file could not be written", pszPath);
        remove(pszPath);
    }
    return bOk;
}
