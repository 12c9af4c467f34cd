// The EDF and BDF layout: header fields, samples, annotation lists.
#include "edffile.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

// Sizes in bytes per signal of the signal fields, in file order.
static const size_t s_acbSignalField[] = {16, 80, 8, 8, 8, 8, 8, 80, 8, 32};
enum { SIG_LABEL, SIG_TRANSDUCER, SIG_UNIT, SIG_PHYSMIN, SIG_PHYSMAX, SIG_DIGMIN, SIG_DIGMAX,
       SIG_PREFILTER, SIG_SAMPLES, SIG_RESERVED };

#define MAX_SAMPLES_PER_RECORD 100000000.0

// A decimal number in a fixed-width field: blanks around, optional sign,
// digits and an optional fraction. Parsed by hand, independent of the locale.
static BOOL FieldNumber(const unsigned char *pb, size_t cch, double *pd)
{
    size_t i = 0;
    while (i < cch && pb[i] == ' ')
        i++;
    double dSign = 1.0, d = 0.0, dScale = 0.0;
    if (i < cch && (pb[i] == '-' || pb[i] == '+'))
        dSign = pb[i++] == '-' ? -1.0 : 1.0;
    BOOL bDigit = FALSE;
    for (; i < cch && pb[i] != ' '; i++) {
        if (pb[i] == '.' && dScale == 0.0) {
            dScale = 1.0;
        } else if (pb[i] >= '0' && pb[i] <= '9') {
            bDigit = TRUE;
            if (dScale == 0.0) {
                d = d * 10.0 + (pb[i] - '0');
            } else {
                dScale /= 10.0;
                d += dScale * (pb[i] - '0');
            }
        } else {
            return FALSE;
        }
    }
    while (i < cch && pb[i] == ' ')
        i++;
    *pd = dSign * d;
    return bDigit && i == cch;
}

// A field as text without the blanks around it; other bytes outside
// printable ASCII become '?'.
static void FieldText(const unsigned char *pb, size_t cch, char *psz, size_t cb)
{
    size_t nFirst = 0, nEnd = cch;
    while (nFirst < nEnd && pb[nFirst] == ' ')
        nFirst++;
    while (nEnd > nFirst && pb[nEnd - 1] == ' ')
        nEnd--;
    size_t n = 0;
    for (size_t i = nFirst; i < nEnd && n + 1 < cb; i++)
        psz[n++] = pb[i] >= 0x20 && pb[i] < 0x7f ? (char)pb[i] : '?';
    psz[n] = '\0';
}

static BOOL Fail(char *pszError, size_t cbError, const char *pszText)
{
    snprintf(pszError, cbError, "%s", pszText);
    return FALSE;
}

BOOL EdfIsEdfOrBdf(const unsigned char *pb, size_t cb)
{
    return cb >= 8 && (memcmp(pb, "0       ", 8) == 0 || memcmp(pb, "\xff" "BIOSEMI", 8) == 0);
}

size_t EdfHeaderSize(const unsigned char *pb, size_t cb)
{
    double dSignals = 0.0;
    if (cb < EDF_FIXEDSIZE || !FieldNumber(pb + 252, 4, &dSignals) || dSignals < 1.0 || dSignals > EDF_MAXSIGNALS
        || dSignals != (double)(size_t)dSignals)
        return 0;
    return EDF_FIXEDSIZE * ((size_t)dSignals + 1);
}

// "Startdate dd-MMM-yyyy" of an EDF+ recording field: the four-digit year.
static int PlusYear(const char *pszRecording)
{
    static const char s_szMonths[] = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    char szMonth[4] = "";
    int nDay = 0, nYear = 0;
    if (sscanf(pszRecording, "Startdate %2d-%3[A-Z]-%4d", &nDay, szMonth, &nYear) != 3 || strlen(szMonth) != 3
        || !strstr(s_szMonths, szMonth))
        return 0;
    return nYear;
}

// dd.mm.yy and hh.mm.ss; years 85..99 are 1985..1999, the others 20yy.
static BOOL ParseStart(const unsigned char *pb, EDFHEADER *pHdr)
{
    double ad[6];
    for (int i = 0; i < 6; i++) {
        if (!FieldNumber(pb + (i < 3 ? 168 : 176) + (size_t)(i % 3) * 3, 2, &ad[i]))
            return FALSE;
    }
    int nYear = (int)ad[2] + (ad[2] >= 85 ? 1900 : 2000);
    int nPlusYear = pHdr->bPlus ? PlusYear(pHdr->szRecording) : 0;
    pHdr->anStart[0] = nPlusYear ? nPlusYear : nYear;
    pHdr->anStart[1] = (int)ad[1];
    pHdr->anStart[2] = (int)ad[0];
    pHdr->anStart[3] = (int)ad[3];
    pHdr->anStart[4] = (int)ad[4];
    pHdr->anStart[5] = (int)ad[5];
    return TRUE;
}

// Offset of signal field nField of signal k among ns signals.
static size_t SignalOffset(size_t ns, int nField, size_t k)
{
    size_t nOffset = EDF_FIXEDSIZE;
    for (int f = 0; f < nField; f++)
        nOffset += s_acbSignalField[f] * ns;
    return nOffset + s_acbSignalField[nField] * k;
}

static BOOL ParseSignal(const unsigned char *pb, size_t ns, size_t k, EDFSIGNAL *pSig)
{
    double dDigMin, dDigMax, dSamples;
    FieldText(pb + SignalOffset(ns, SIG_LABEL, k), 16, pSig->szLabel, sizeof(pSig->szLabel));
    FieldText(pb + SignalOffset(ns, SIG_UNIT, k), 8, pSig->szUnit, sizeof(pSig->szUnit));
    if (!FieldNumber(pb + SignalOffset(ns, SIG_PHYSMIN, k), 8, &pSig->dPhysMin)
        || !FieldNumber(pb + SignalOffset(ns, SIG_PHYSMAX, k), 8, &pSig->dPhysMax)
        || !FieldNumber(pb + SignalOffset(ns, SIG_DIGMIN, k), 8, &dDigMin)
        || !FieldNumber(pb + SignalOffset(ns, SIG_DIGMAX, k), 8, &dDigMax)
        || !FieldNumber(pb + SignalOffset(ns, SIG_SAMPLES, k), 8, &dSamples))
        return FALSE;
    if (dDigMin < -8388608.0 || dDigMax > 8388607.0 || dDigMin > 8388607.0 || dDigMax < -8388608.0)
        return FALSE;
    if (dSamples < 1.0 || dSamples > MAX_SAMPLES_PER_RECORD || dSamples != (double)(DWORD)dSamples)
        return FALSE;
    pSig->nDigMin = (int)dDigMin;
    pSig->nDigMax = (int)dDigMax;
    pSig->nSamples = (DWORD)dSamples;
    pSig->bAnnotation = strcmp(pSig->szLabel, "EDF Annotations") == 0 || strcmp(pSig->szLabel, "BDF Annotations") == 0;
    return TRUE;
}

// How many records the file holds, from the declared count and its size.
static BOOL CountRecords(unsigned long long cbFile, EDFHEADER *pHdr, char *pszError, size_t cbError)
{
    unsigned long long nWhole = (cbFile - pHdr->cbHeader) / pHdr->cbRecord;
    if (pHdr->nRecordsDeclared == -1) {
        pHdr->nRecords = (long long)nWhole;
        return pHdr->nRecords > 0 || Fail(pszError, cbError, "the file holds no complete data record");
    }
    if (pHdr->nRecordsDeclared < 1)
        return Fail(pszError, cbError, "the header announces no data records");
    if (nWhole < (unsigned long long)pHdr->nRecordsDeclared) {
        snprintf(pszError, cbError, "the file is shorter than its header says: %llu complete data records of %lld (truncated?)",
                 nWhole, pHdr->nRecordsDeclared);
        return FALSE;
    }
    pHdr->nRecords = pHdr->nRecordsDeclared;   // bytes beyond them (a file still growing) are not read
    return TRUE;
}

BOOL EdfParseHeader(const unsigned char *pb, size_t cb, unsigned long long cbFile, EDFHEADER *pHdr,
                    char *pszError, size_t cbError)
{
    *pHdr = EDFHEADER();
    if (!EdfIsEdfOrBdf(pb, cb))
        return Fail(pszError, cbError, "not an EDF or BDF file");
    size_t cbHeader = EdfHeaderSize(pb, cb);
    double dHeaderBytes = 0.0, dRecords = 0.0;
    if (cb < EDF_FIXEDSIZE || cbFile < EDF_FIXEDSIZE)
        return Fail(pszError, cbError, "the header is cut short");
    if (!FieldNumber(pb + 184, 8, &dHeaderBytes) || !FieldNumber(pb + 236, 8, &dRecords)
        || !FieldNumber(pb + 244, 8, &pHdr->dRecordSeconds))
        return Fail(pszError, cbError, "a header field that must be a number is not");
    if (cbHeader == 0 || dHeaderBytes != (double)cbHeader || !(pHdr->dRecordSeconds > 0.0)
        || dRecords != (double)(long long)dRecords)
        return Fail(pszError, cbError, "the header's size, signal count or record length is inconsistent");
    if (cb < cbHeader || cbFile < cbHeader)
        return Fail(pszError, cbError, "the header is cut short");
    pHdr->bBdf = pb[0] == 0xff;
    pHdr->bPlus = memcmp(pb + 192, "EDF+", 4) == 0 || memcmp(pb + 192, "BDF+", 4) == 0;
    pHdr->bDiscontinuous = pHdr->bPlus && pb[196] == 'D';
    FieldText(pb + 8, 80, pHdr->szPatient, sizeof(pHdr->szPatient));
    FieldText(pb + 88, 80, pHdr->szRecording, sizeof(pHdr->szRecording));
    if (!ParseStart(pb, pHdr))
        return Fail(pszError, cbError, "the start date or time is no date");
    size_t ns = cbHeader / EDF_FIXEDSIZE - 1;
    size_t cbSample = pHdr->bBdf ? 3 : 2;
    pHdr->aSignals.resize(ns);
    for (size_t k = 0; k < ns; k++) {
        EDFSIGNAL *pSig = &pHdr->aSignals[k];
        if (!ParseSignal(pb, ns, k, pSig))
            return Fail(pszError, cbError, "a signal's range or sample count is no number or out of bounds");
        pSig->cbOffset = pHdr->cbRecord;
        pHdr->cbRecord += (size_t)pSig->nSamples * cbSample;
    }
    pHdr->cbHeader = cbHeader;
    pHdr->nRecordsDeclared = (long long)dRecords;
    return CountRecords(cbFile, pHdr, pszError, cbError);
}

int EdfSample(const unsigned char *pb, BOOL bBdf)
{
    if (!bBdf)
        return (short)(pb[0] | (pb[1] << 8));
    int n = pb[0] | (pb[1] << 8) | (pb[2] << 16);
    return n >= 0x800000 ? n - 0x1000000 : n;
}

// "+12.5" or "-3" (an onset, bSigned) or "0.5" (a duration): a number of
// seconds ending at the first byte that is neither digit nor point.
static BOOL TalNumber(const unsigned char *pb, size_t cb, BOOL bSigned, size_t *pi, double *pd)
{
    size_t i = *pi;
    double dSign = 1.0, d = 0.0, dScale = 0.0;
    if (bSigned) {
        if (i >= cb || (pb[i] != '+' && pb[i] != '-'))
            return FALSE;
        dSign = pb[i++] == '-' ? -1.0 : 1.0;
    }
    BOOL bDigit = FALSE;
    for (; i < cb && ((pb[i] >= '0' && pb[i] <= '9') || (pb[i] == '.' && dScale == 0.0)); i++) {
        if (pb[i] == '.') {
            dScale = 1.0;
        } else if (dScale == 0.0) {
            d = d * 10.0 + (pb[i] - '0');
            bDigit = TRUE;
        } else {
            dScale /= 10.0;
            d += dScale * (pb[i] - '0');
            bDigit = TRUE;
        }
    }
    *pi = i;
    *pd = dSign * d;
    return bDigit;
}

// One TAL starting at *pi: onset [0x15 duration] 0x14, then texts each
// ended by 0x14, then 0x00.
static BOOL ParseTal(const unsigned char *pb, size_t cb, size_t *pi, std::vector<EDFANNOTATION> *paOut)
{
    EDFANNOTATION ann;
    ann.dDuration = -1.0;
    size_t i = *pi;
    if (!TalNumber(pb, cb, TRUE, &i, &ann.dOnset))
        return FALSE;
    if (i < cb && pb[i] == 0x15) {
        i++;
        if (!TalNumber(pb, cb, FALSE, &i, &ann.dDuration))
            return FALSE;
    }
    if (i >= cb || pb[i] != 0x14)
        return FALSE;
    i++;
    while (i < cb && pb[i] != 0x00) {
        size_t nStart = i;
        while (i < cb && pb[i] != 0x14 && pb[i] != 0x00)
            i++;
        if (i >= cb || pb[i] != 0x14)
            return FALSE;
        ann.strText.assign((const char *)pb + nStart, i - nStart);
        paOut->push_back(ann);
        i++;
    }
    if (i >= cb)
        return FALSE;
    *pi = i + 1;
    return TRUE;
}

BOOL EdfParseTals(const unsigned char *pb, size_t cb, std::vector<EDFANNOTATION> *paOut)
{
    size_t i = 0;
    while (i < cb) {
        if (pb[i] == 0x00) {
            i++;
            continue;
        }
        if (!ParseTal(pb, cb, &i, paOut))
            return FALSE;
    }
    return TRUE;
}
