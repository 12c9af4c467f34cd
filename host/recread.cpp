// Recording files: EDF and BDF through our own decoder, streamed; every
// other format through BioSig in a child process. Only the host links the
// library (GPL-3+).
#include "recread.h"

#include <biosig.h>
#include <errno.h>
#include <math.h>
#include <stdio.h>
#include <string.h>
#include <time.h>

#include "chaninfo.h"
#include "edffile.h"
#include "recpipe.h"
#include "recstream.h"

// One channel of the file that goes to the window, with what converting
// its digital values needs.
typedef struct tagCHANREAD {
    int nFileChannel;       // index in the file's channel list
    DWORD nRatio;           // file block rate / channel rate: BioSig repeats
                            // a slower channel's samples up to the block rate
    double dCentre;
    int nShift;
    int nSign;              // -1 for a negative gain: the steps are negated
} CHANREAD;

static void Fail(char *pszError, size_t cbError, const char *pszPath, const char *pszWhat)
{
    snprintf(pszError, cbError, "%s: %s", pszPath, pszWhat);
}

static const char *BaseName(const char *pszPath)
{
    const char *pszSlash = strrchr(pszPath, '/');
    return pszSlash ? pszSlash + 1 : pszPath;
}

static BOOL IsAnnotationChannel(const CHANNEL_TYPE *pCh)
{
    return strncmp(pCh->Label, "EDF Annotations", 15) == 0
        || strncmp(pCh->Label, "BDF Annotations", 15) == 0;
}

// The format's name; EDF+ and BDF+ say so in the header's reserved field.
static void FormatName(HDRTYPE *hdr, char *pszFormat, size_t cbFormat)
{
    const char *pszType = GetFileTypeString(hdr->TYPE);
    BOOL bPlus = (hdr->TYPE == EDF || hdr->TYPE == BDF) && hdr->AS.Header
              && hdr->AS.Header[192 + 3] == '+';
    snprintf(pszFormat, cbFormat, "%s%s", pszType ? pszType : "unknown", bPlus ? "+" : "");
}

// Describes channel k for the window, or FALSE when it cannot go there.
static BOOL DescribeChannel(HDRTYPE *hdr, int k, RECCHANNEL *pCh, CHANREAD *pRead)
{
    const CHANNEL_TYPE *pFile = &hdr->CHANNEL[k];
    if (!pFile->OnOff || IsAnnotationChannel(pFile) || pFile->SPR == 0 || hdr->SPR % pFile->SPR)
        return FALSE;
    double dRate = hdr->SampleRate * pFile->SPR / hdr->SPR;
    if (!(dRate >= 1.0 && dRate <= 65535.0) || fabs(dRate - floor(dRate + 0.5)) > 1e-6)
        return FALSE;
    double dCentre = 0.0;
    int nShift = ChStepShift(pFile->DigMin, pFile->DigMax, &dCentre);
    if (nShift < 0 || pFile->Cal == 0.0)
        return FALSE;

    RecCopyText(pCh->szFileLabel, sizeof(pCh->szFileLabel), pFile->Label);
    const char *pszUnit = PhysDim3(pFile->PhysDimCode);
    RecCopyText(pCh->szUnit, sizeof(pCh->szUnit), pszUnit ? pszUnit : "");
    ChCleanLabel(pCh->szFileLabel, pCh->szLabel, sizeof(pCh->szLabel));
    pCh->wSignalType = ChSignalType(pCh->szFileLabel, pCh->szUnit);
    pCh->nRate = (DWORD)floor(dRate + 0.5);
    pCh->dUvPerStep = fabs(pFile->Cal) * ldexp(1.0, nShift) * ChMicrovoltsPerUnit(pCh->szUnit);
    if (!ChCalPair(pCh->dUvPerStep, &pCh->nCalValue, &pCh->nCalHeight))
        return FALSE;
    pRead->nFileChannel = k;
    pRead->nRatio = hdr->SPR / pFile->SPR;
    pRead->dCentre = dCentre;
    pRead->nShift = nShift;
    pRead->nSign = pFile->Cal < 0.0 ? -1 : 1;
    return TRUE;
}

// Chooses the channels, turning the others off so BioSig does not read them.
static void ChooseChannels(HDRTYPE *hdr, RECORDING *pRec, std::vector<CHANREAD> *paRead)
{
    for (int k = 0; k < (int)hdr->NS; k++) {
        RECCHANNEL ch = {};
        CHANREAD rd = {};
        BOOL bUse = pRec->aChannels.size() < REC_MAXCHANNELS && DescribeChannel(hdr, k, &ch, &rd);
        if (!bUse) {
            pRec->nSkipped++;
            hdr->CHANNEL[k].OnOff = 0;
            continue;
        }
        pRec->aChannels.push_back(ch);
        paRead->push_back(rd);
    }
}

// Reads every block at once (BioSig 2.5 can crash on partial reads of
// EDF+ files) and converts each column of its column-major buffer into
// the channels' steps.
static BOOL ReadSamples(HDRTYPE *hdr, RECORDING *pRec, const std::vector<CHANREAD> &aRead)
{
    size_t nBlocks = (size_t)hdr->NRec;
    if (sread(NULL, 0, nBlocks, hdr) != nBlocks || biosig_check_error(hdr) || !hdr->data.block)
        return FALSE;
    size_t nRows = hdr->data.size[0];
    if (nRows != nBlocks * hdr->SPR || hdr->data.size[1] != aRead.size())
        return FALSE;
    for (size_t c = 0; c < aRead.size(); c++) {
        const double *pColumn = hdr->data.block + c * nRows;
        std::vector<short> &aOut = pRec->aChannels[c].aSamples;
        aOut.reserve(nRows / aRead[c].nRatio);
        for (size_t r = 0; r < nRows; r += aRead[c].nRatio) {
            short nStep = ChToStep(pColumn[r], aRead[c].dCentre, aRead[c].nShift);
            aOut.push_back(aRead[c].nSign < 0 ? (short)(nStep == -32768 ? 32767 : -nStep) : nStep);
        }
    }
    return TRUE;
}

static void KeepHeaderTexts(HDRTYPE *hdr, RECORDING *pRec)
{
    RecCopyText(pRec->szPatientName, sizeof(pRec->szPatientName), hdr->Patient.Name);
    RecCopyText(pRec->szPatientId, sizeof(pRec->szPatientId), hdr->Patient.Id);
    struct tm tmStart = {};
    // Half a second more: the conversion rounds down, and a whole second
    // would otherwise come out one second early.
    gdf_time t0 = hdr->T0 + (((gdf_time)1 << 32) / 86400 / 2);
    if (hdr->T0 && gdf_time2tm_time_r(t0, &tmStart) == 0) {
        pRec->anStart[0] = tmStart.tm_year + 1900;
        pRec->anStart[1] = tmStart.tm_mon + 1;
        pRec->anStart[2] = tmStart.tm_mday;
        pRec->anStart[3] = tmStart.tm_hour;
        pRec->anStart[4] = tmStart.tm_min;
        pRec->anStart[5] = tmStart.tm_sec;
    }
}

static BOOL ReadOpened(HDRTYPE *hdr, const char *pszPath, RECORDING *pRec,
                       char *pszError, size_t cbError)
{
    if (hdr->NS == 0 || hdr->NRec <= 0 || hdr->SPR == 0 || !(hdr->SampleRate > 0.0)) {
        Fail(pszError, cbError, pszPath, "the header announces no samples");
        return FALSE;
    }
    FormatName(hdr, pRec->szFormat, sizeof(pRec->szFormat));
    KeepHeaderTexts(hdr, pRec);
    std::vector<CHANREAD> aRead;
    ChooseChannels(hdr, pRec, &aRead);
    if (aRead.empty()) {
        Fail(pszError, cbError, pszPath, "no channel the analysis can use (all are annotations or unusable)");
        return FALSE;
    }
    if (!ReadSamples(hdr, pRec, aRead)) {
        Fail(pszError, cbError, pszPath, "the data could not be read to the end (truncated or damaged?)");
        return FALSE;
    }
    pRec->dDuration = (double)hdr->NRec * hdr->SPR / hdr->SampleRate;
    return TRUE;
}

// Reads the file with BioSig in this process.
static BOOL ReadHere(const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError)
{
    *pRec = RECORDING();
    RecCopyText(pRec->szName, sizeof(pRec->szName), BaseName(pszPath));

    HDRTYPE *hdr = constructHDR(0, 0);
    hdr->FLAG.UCAL = 1;                 // digital values: the steps are ours to make
    hdr->FLAG.OVERFLOWDETECTION = 0;
    hdr->FLAG.ROW_BASED_CHANNELS = 0;
    hdr->FLAG.ANONYMOUS = 0;            // the patient name goes to the report
    hdr = sopen(pszPath, "r", hdr);
    BOOL bOk = FALSE;
    if (!hdr || biosig_check_error(hdr) || !hdr->FILE.OPEN) {
        Fail(pszError, cbError, pszPath, "not a recording in a format BioSig reads, or its header is damaged");
    } else {
        bOk = ReadOpened(hdr, pszPath, pRec, pszError, cbError);
    }
    if (hdr) {
        sclose(hdr);
        destructHDR(hdr);
    }
    return bOk;
}

BOOL RecRead(const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError)
{
    unsigned char abStart[8] = {};
    FILE *pFile = fopen(pszPath, "rb");
    if (!pFile) {
        Fail(pszError, cbError, pszPath, strerror(errno));
        return FALSE;
    }
    size_t cbStart = fread(abStart, 1, sizeof(abStart), pFile);
    fclose(pFile);
    if (EdfIsEdfOrBdf(abStart, cbStart))
        return RecStreamOpen(pszPath, pRec, pszError, cbError);
    // BioSig trusts what a file's header says and can crash on a damaged
    // one; reading in a child process turns such a crash into a refusal.
    return RecReadInChild(ReadHere, pszPath, pRec, pszError, cbError);
}
