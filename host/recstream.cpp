// EDF and BDF recordings read page by page through our own decoder.
#include "recstream.h"

#include <errno.h>
#include <fcntl.h>
#include <math.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "chaninfo.h"
#include "edffile.h"
#include "readat.h"

#define CACHE_BYTES   (8u << 20)   // records read at once, at most
#define PIECE_SAMPLES 65536        // samples decoded at once in the pre-pass

struct tagRECSTREAM {
    std::string strPath;                  // for messages
    int fd = -1;
    EDFHEADER hdr;
    std::vector<unsigned char> abCache;   // records nCacheFirst .. + nCacheCount
    long long nCacheFirst = 0;
    long long nCacheCount = 0;
    std::vector<unsigned char> abSpan;    // a span read outside the cache
    ~tagRECSTREAM()
    {
        if (fd >= 0)
            close(fd);
    }
};

static BOOL Fail(char *pszError, size_t cbError, const char *pszPath, const char *pszWhat)
{
    snprintf(pszError, cbError, "%s: %s", pszPath, pszWhat);
    return FALSE;
}

static const char *BaseName(const char *pszPath)
{
    const char *pszSlash = strrchr(pszPath, '/');
    return pszSlash ? pszSlash + 1 : pszPath;
}

// Keeps records nFirst .. nFirst + nCount in memory when they are few
// enough; otherwise each span is read on its own.
static BOOL CacheRecords(RECSTREAM *pStream, long long nFirst, long long nCount)
{
    const EDFHEADER &hdr = pStream->hdr;
    pStream->nCacheCount = 0;
    if (nCount <= 0 || (unsigned long long)nCount * hdr.cbRecord > CACHE_BYTES)
        return TRUE;
    pStream->abCache.resize((size_t)nCount * hdr.cbRecord);
    if (!ReadAt(pStream->fd, hdr.cbHeader + (unsigned long long)nFirst * hdr.cbRecord, pStream->abCache.size(),
                pStream->abCache.data()))
        return FALSE;
    pStream->nCacheFirst = nFirst;
    pStream->nCacheCount = nCount;
    return TRUE;
}

// cb bytes from nOffset within record r, from the cache or the file.
static const unsigned char *RecordBytes(RECSTREAM *pStream, long long r, size_t nOffset, size_t cb)
{
    const EDFHEADER &hdr = pStream->hdr;
    if (r >= pStream->nCacheFirst && r < pStream->nCacheFirst + pStream->nCacheCount)
        return pStream->abCache.data() + (size_t)(r - pStream->nCacheFirst) * hdr.cbRecord + nOffset;
    pStream->abSpan.resize(cb);
    unsigned long long nAt = hdr.cbHeader + (unsigned long long)r * hdr.cbRecord + nOffset;
    return ReadAt(pStream->fd, nAt, cb, pStream->abSpan.data()) ? pStream->abSpan.data() : NULL;
}

// Calls pfnUse(bytes, count) for each record's part of the nCount samples
// of file signal k from sample nFirst on; FALSE when a read fails.
template <typename USE>
static BOOL ForEachSpan(RECSTREAM *pStream, int k, unsigned long long nFirst, size_t nCount, USE pfnUse)
{
    const EDFSIGNAL &sig = pStream->hdr.aSignals[(size_t)k];
    size_t cbSample = pStream->hdr.bBdf ? 3 : 2;
    while (nCount > 0) {
        long long r = (long long)(nFirst / sig.nSamples);
        size_t i = (size_t)(nFirst % sig.nSamples);
        size_t n = sig.nSamples - i < nCount ? sig.nSamples - i : nCount;
        const unsigned char *pb = RecordBytes(pStream, r, sig.cbOffset + i * cbSample, n * cbSample);
        if (!pb)
            return FALSE;
        pfnUse(pb, n);
        nFirst += n;
        nCount -= n;
    }
    return TRUE;
}

// "31 M 01-JAN-1994 Subject5": the EDF+ patient code and name.
static void PatientTexts(const EDFHEADER &hdr, RECORDING *pRec)
{
    if (!hdr.bPlus) {
        RecCopyText(pRec->szPatientId, sizeof(pRec->szPatientId), hdr.szPatient);
        return;
    }
    char szField[81];
    RecCopyText(szField, sizeof(szField), hdr.szPatient);
    char *pszSave = NULL;
    char *apszPart[4] = {};
    char *psz = strtok_r(szField, " ", &pszSave);
    for (int i = 0; i < 4 && psz; i++, psz = strtok_r(NULL, " ", &pszSave))
        apszPart[i] = psz;
    RecCopyText(pRec->szPatientId, sizeof(pRec->szPatientId), apszPart[0] ? apszPart[0] : "");
    RecCopyText(pRec->szPatientName, sizeof(pRec->szPatientName), apszPart[3] ? apszPart[3] : "");
}

// Why file signal k cannot go to the window, or NULL when it can.
static const char *Unusable(const EDFHEADER &hdr, const EDFSIGNAL &sig, double *pdRate)
{
    *pdRate = sig.nSamples / hdr.dRecordSeconds;
    if (sig.nDigMax <= sig.nDigMin)
        return "its digital minimum is not below its maximum";
    if (sig.dPhysMax == sig.dPhysMin)
        return "its physical range is empty";
    if (!(*pdRate >= 1.0 && *pdRate <= 65535.0) || fabs(*pdRate - floor(*pdRate + 0.5)) > 1e-6 * *pdRate)
        return "its rate is not a whole number of hertz from 1 to 65535";
    return NULL;
}

static void DescribeChannel(const EDFHEADER &hdr, int k, double dRate, RECCHANNEL *pCh)
{
    const EDFSIGNAL &sig = hdr.aSignals[(size_t)k];
    RecCopyText(pCh->szFileLabel, sizeof(pCh->szFileLabel), sig.szLabel);
    RecCopyText(pCh->szUnit, sizeof(pCh->szUnit), sig.szUnit);
    ChCleanLabel(pCh->szFileLabel, pCh->szLabel, sizeof(pCh->szLabel));
    pCh->wSignalType = ChSignalType(pCh->szFileLabel, pCh->szUnit);
    pCh->nRate = (DWORD)floor(dRate + 0.5);
    pCh->nFileSignal = k;
    pCh->nStreamSamples = (unsigned long long)hdr.nRecords * sig.nSamples;
    pCh->nDigMin = sig.nDigMin;
    pCh->nDigMax = sig.nDigMax;
    pCh->dUvPerDigital = (sig.dPhysMax - sig.dPhysMin) / ((double)sig.nDigMax - sig.nDigMin)
                       * ChMicrovoltsPerUnit(pCh->szUnit);
    double dCentre = 0.0;
    int nShift = ChStepShift(sig.nDigMin, sig.nDigMax, &dCentre);
    pCh->dOffset = dCentre;
    pCh->dStepsPerDigital = ldexp(pCh->dUvPerDigital < 0.0 ? -1.0 : 1.0, -nShift);
    pCh->dUvPerStep = fabs(pCh->dUvPerDigital) * ldexp(1.0, nShift);
}

static void ChooseChannels(const EDFHEADER &hdr, RECORDING *pRec)
{
    for (int k = 0; k < (int)hdr.aSignals.size(); k++) {
        const EDFSIGNAL &sig = hdr.aSignals[(size_t)k];
        double dRate = 0.0;
        const char *pszWhy = sig.bAnnotation ? NULL : Unusable(hdr, sig, &dRate);
        RECCHANNEL ch = {};
        if (!sig.bAnnotation && !pszWhy) {
            DescribeChannel(hdr, k, dRate, &ch);
            if (!ChCalPair(ch.dUvPerStep, &ch.nCalValue, &ch.nCalHeight))
                pszWhy = "its step is too small or too large for a calibration pair";
            else if (pRec->aChannels.size() >= REC_MAXCHANNELS)
                pszWhy = "the plug-in takes at most 64 channels";
        }
        if (!sig.bAnnotation && !pszWhy) {
            pRec->aChannels.push_back(ch);
            continue;
        }
        pRec->nSkipped++;
        if (pszWhy)
            pRec->strNotes += std::string("channel '") + sig.szLabel + "' left out: " + pszWhy + "\n";
    }
}

BOOL RecStreamOpen(const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError)
{
    *pRec = RECORDING();
    auto pStream = std::make_shared<RECSTREAM>();
    pStream->strPath = pszPath;
    pStream->fd = open(pszPath, O_RDONLY);
    struct stat st;
    if (pStream->fd < 0 || fstat(pStream->fd, &st) != 0)
        return Fail(pszError, cbError, pszPath, strerror(errno));
    unsigned long long cbFile = (unsigned long long)st.st_size;
    std::vector<unsigned char> abHeader(EDF_FIXEDSIZE);
    if (!ReadAt(pStream->fd, 0, cbFile < EDF_FIXEDSIZE ? (size_t)cbFile : EDF_FIXEDSIZE, abHeader.data()))
        return Fail(pszError, cbError, pszPath, "the header cannot be read");
    size_t cbHeader = EdfHeaderSize(abHeader.data(), abHeader.size());
    if (cbHeader > EDF_FIXEDSIZE && cbHeader <= cbFile) {
        abHeader.resize(cbHeader);
        if (!ReadAt(pStream->fd, 0, cbHeader, abHeader.data()))
            return Fail(pszError, cbError, pszPath, "the header cannot be read");
    }
    char szWhat[200];
    if (!EdfParseHeader(abHeader.data(), abHeader.size(), cbFile, &pStream->hdr, szWhat, sizeof(szWhat)))
        return Fail(pszError, cbError, pszPath, szWhat);
    const EDFHEADER &hdr = pStream->hdr;
    snprintf(pRec->szFormat, sizeof(pRec->szFormat), "%s%s", hdr.bBdf ? "BDF" : "EDF", hdr.bPlus ? "+" : "");
    RecCopyText(pRec->szName, sizeof(pRec->szName), BaseName(pszPath));
    PatientTexts(hdr, pRec);
    RecCopyText(pRec->szPatientField, sizeof(pRec->szPatientField), hdr.szPatient);
    RecCopyText(pRec->szRecordingField, sizeof(pRec->szRecordingField), hdr.szRecording);
    memcpy(pRec->anStart, hdr.anStart, sizeof(pRec->anStart));
    pRec->dDuration = (double)hdr.nRecords * hdr.dRecordSeconds;
    ChooseChannels(hdr, pRec);
    if (pRec->aChannels.empty())
        return Fail(pszError, cbError, pszPath, "no channel the analysis can use (all are annotations or unusable)");
    pRec->pStream = pStream;
    return TRUE;
}

// What the pre-pass finds in one channel.
typedef struct tagCHSCAN {
    int nMin, nMax;
    unsigned long long nClipped;   // samples at a digital limit right after one at the same
    int nPrevious;                 // the sample before
} CHSCAN;

static BOOL ScanChannel(RECSTREAM *pStream, const RECCHANNEL &ch, long long nFirstRecord, long long nRecords,
                        CHSCAN *pScan)
{
    BOOL bBdf = pStream->hdr.bBdf;
    size_t cbSample = bBdf ? 3 : 2;
    DWORD nPerRecord = pStream->hdr.aSignals[(size_t)ch.nFileSignal].nSamples;
    unsigned long long nFirst = (unsigned long long)nFirstRecord * nPerRecord;
    unsigned long long nEnd = nFirst + (unsigned long long)nRecords * nPerRecord;
    for (; nFirst < nEnd; nFirst += PIECE_SAMPLES) {
        size_t nCount = nEnd - nFirst < PIECE_SAMPLES ? (size_t)(nEnd - nFirst) : PIECE_SAMPLES;
        BOOL bOk = ForEachSpan(pStream, ch.nFileSignal, nFirst, nCount, [&](const unsigned char *pb, size_t n) {
            for (size_t i = 0; i < n; i++) {
                int d = EdfSample(pb + i * cbSample, bBdf);
                pScan->nMin = d < pScan->nMin ? d : pScan->nMin;
                pScan->nMax = d > pScan->nMax ? d : pScan->nMax;
                // A plateau at a limit is clipping; a lone extreme is not
                // (some writers set the range from the data's extremes).
                pScan->nClipped += d == pScan->nPrevious && (d <= ch.nDigMin || d >= ch.nDigMax);
                pScan->nPrevious = d;
            }
        });
        if (!bOk)
            return FALSE;
    }
    return TRUE;
}

// The onset of record r from its first annotation list; FALSE without one.
static BOOL RecordOnset(RECSTREAM *pStream, size_t nAnnotation, long long r, double *pdOnset)
{
    const EDFSIGNAL &sig = pStream->hdr.aSignals[nAnnotation];
    size_t cb = (size_t)sig.nSamples * (pStream->hdr.bBdf ? 3 : 2);
    const unsigned char *pb = RecordBytes(pStream, r, sig.cbOffset, cb);
    std::vector<EDFANNOTATION> aAnn;
    EdfParseTals(pb ? pb : (const unsigned char *)"", pb ? cb : 0, &aAnn);
    if (aAnn.empty())
        return FALSE;
    *pdOnset = aAnn[0].dOnset;
    return TRUE;
}

// An EDF+D file is read as continuous when its records follow each other
// without gaps; otherwise it is refused, with where the first gap is.
static BOOL CheckContinuous(RECSTREAM *pStream, long long nFirstRecord, long long nRecords, double *pdStart,
                            char *pszWhat, size_t cbWhat)
{
    const EDFHEADER &hdr = pStream->hdr;
    size_t nAnnotation = 0;
    while (nAnnotation < hdr.aSignals.size() && !hdr.aSignals[nAnnotation].bAnnotation)
        nAnnotation++;
    for (long long r = nFirstRecord; r < nFirstRecord + nRecords; r++) {
        double dOnset = 0.0;
        if (nAnnotation == hdr.aSignals.size() || !RecordOnset(pStream, nAnnotation, r, &dOnset)) {
            snprintf(pszWhat, cbWhat, "discontinuous recording (%s+D) whose data record %lld has no time stamp",
                     hdr.bBdf ? "BDF" : "EDF", r + 1);
            return FALSE;
        }
        if (r == 0)
            *pdStart = dOnset;
        double dExpected = *pdStart + (double)r * hdr.dRecordSeconds;
        if (fabs(dOnset - dExpected) > 1e-3) {
            snprintf(pszWhat, cbWhat, "discontinuous recording (%s+D) with a gap at %.3f s (data record %lld); "
                     "only recordings without gaps can be analysed", hdr.bBdf ? "BDF" : "EDF", dExpected, r + 1);
            return FALSE;
        }
    }
    return TRUE;
}

static void NoteFindings(const RECCHANNEL &ch, const CHSCAN &scan, std::string *pstrNotes)
{
    char szNote[256];
    if (scan.nMin == scan.nMax) {
        snprintf(szNote, sizeof(szNote), "channel '%s' is flat (every sample is %d): its spectrum is zero\n",
                 ch.szFileLabel, scan.nMin);
        *pstrNotes += szNote;
    }
    if (scan.nClipped > 0 && scan.nMin != scan.nMax) {
        snprintf(szNote, sizeof(szNote), "channel '%s' clips: %llu samples (%.2f %%) held at its digital limits; "
                 "its spectrum there is distorted\n",
                 ch.szFileLabel, scan.nClipped, 100.0 * (double)scan.nClipped / (double)ch.nStreamSamples);
        *pstrNotes += szNote;
    }
}

BOOL RecStreamFitSteps(RECORDING *pRec, DWORD nFFTPoints, std::string *pstrNotes, char *pszError, size_t cbError)
{
    RECSTREAM *pStream = pRec->pStream.get();
    const EDFHEADER &hdr = pStream->hdr;
    std::vector<CHSCAN> aScan(pRec->aChannels.size(), CHSCAN{2147483647, -2147483647 - 1, 0, -2147483647 - 1});
    long long nChunk = (long long)(CACHE_BYTES / hdr.cbRecord);
    nChunk = nChunk < 1 ? 1 : nChunk;
    double dStart = 0.0;
    char szWhat[256];
    for (long long r = 0; r < hdr.nRecords; r += nChunk) {
        long long n = hdr.nRecords - r < nChunk ? hdr.nRecords - r : nChunk;
        if (!CacheRecords(pStream, r, n))
            return Fail(pszError, cbError, pStream->strPath.c_str(), "the file became shorter while it was read");
        if (hdr.bDiscontinuous && !CheckContinuous(pStream, r, n, &dStart, szWhat, sizeof(szWhat)))
            return Fail(pszError, cbError, pStream->strPath.c_str(), szWhat);
        for (size_t c = 0; c < pRec->aChannels.size(); c++) {
            if (!ScanChannel(pStream, pRec->aChannels[c], r, n, &aScan[c]))
                return Fail(pszError, cbError, pStream->strPath.c_str(), "the file became shorter while it was read");
        }
    }
    for (size_t c = 0; c < pRec->aChannels.size(); c++) {
        RECCHANNEL &ch = pRec->aChannels[c];
        NoteFindings(ch, aScan[c], pstrNotes);
        CHSTEP step;
        if (!ChFineStep(ch.dUvPerDigital, aScan[c].nMin, aScan[c].nMax, ch.nRate, nFFTPoints, &step))
            continue;   // the header's step stays
        ch.dOffset = step.dOffset;
        ch.dStepsPerDigital = step.dStepsPerDigital;
        ch.dUvPerStep = step.dUvPerStep;
        ch.nCalValue = step.nCalValue;
        ch.nCalHeight = step.nCalHeight;
    }
    return TRUE;
}

static short ToStep(int nDigital, double dOffset, double dStepsPerDigital)
{
    double d = nearbyint((nDigital - dOffset) * dStepsPerDigital);
    return d > 32767.0 ? 32767 : d < -32768.0 ? -32768 : (short)d;
}

BOOL RecStreamLoadPage(RECORDING *pRec, DWORD nFirstSecond, DWORD nSeconds, char *pszError, size_t cbError)
{
    RECSTREAM *pStream = pRec->pStream.get();
    const EDFHEADER &hdr = pStream->hdr;
    long long nFirstRecord = (long long)(nFirstSecond / hdr.dRecordSeconds);
    long long nEndRecord = (long long)ceil((nFirstSecond + nSeconds) / hdr.dRecordSeconds) + 1;
    nEndRecord = nEndRecord > hdr.nRecords ? hdr.nRecords : nEndRecord;
    if (!CacheRecords(pStream, nFirstRecord, nEndRecord - nFirstRecord))
        return Fail(pszError, cbError, pStream->strPath.c_str(), "the file became shorter while it was read");
    BOOL bBdf = hdr.bBdf;
    size_t cbSample = bBdf ? 3 : 2;
    for (RECCHANNEL &ch : pRec->aChannels) {
        unsigned long long nFirst = (unsigned long long)nFirstSecond * ch.nRate;
        size_t nCount = (size_t)nSeconds * ch.nRate;
        if (nFirst + nCount > ch.nStreamSamples)
            return Fail(pszError, cbError, pStream->strPath.c_str(), "a page beyond the end of the recording was asked for");
        ch.aPage.resize(nCount);
        short *pnOut = ch.aPage.data();
        BOOL bOk = ForEachSpan(pStream, ch.nFileSignal, nFirst, nCount, [&](const unsigned char *pb, size_t n) {
            for (size_t i = 0; i < n; i++)
                *pnOut++ = ToStep(EdfSample(pb + i * cbSample, bBdf), ch.dOffset, ch.dStepsPerDigital);
        });
        if (!bOk)
            return Fail(pszError, cbError, pStream->strPath.c_str(), "the file became shorter while it was read");
    }
    return TRUE;
}
