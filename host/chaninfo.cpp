// Channel names, signal types, calibration pairs and 16-bit steps.
#include "chaninfo.h"

#include <math.h>
#include <stdint.h>
#include <string.h>
#include <strings.h>

#include "prjfile.h"

#define SIGNAL_EEG   4
#define SIGNAL_OTHER 20

// Spellings of a type word that the QPRJFILE table names differently.
static const struct {
    const char *pszWord;
    WORD wSignal;
} s_aSynonym[] = {
    {"EKG", 2}, {"HEOG", 3}, {"VEOG", 3},
};

static BOOL IsBlankOrDot(char c)
{
    return c == ' ' || c == '.' || c == '\t';
}

static size_t FirstWordLength(const char *psz)
{
    size_t n = 0;
    while (psz[n] && psz[n] != ' ' && psz[n] != '-' && psz[n] != '.')
        n++;
    return n;
}

// The signal type a word names, or 0 when it names none.
static WORD TypeOfWord(const char *pszWord, size_t cchWord)
{
    char szName[PF_NAMESIZE];
    for (WORD w = 2; w <= PF_MAXSIGNAL; w++) {
        if (PfGetSignalName(w, szName) && strlen(szName) == cchWord
            && strncasecmp(szName, pszWord, cchWord) == 0)
            return w;
    }
    for (const auto &syn : s_aSynonym) {
        if (strlen(syn.pszWord) == cchWord && strncasecmp(syn.pszWord, pszWord, cchWord) == 0)
            return syn.wSignal;
    }
    return 0;
}

void ChCleanLabel(const char *pszFileLabel, char *pszLabel, size_t cbLabel)
{
    const char *pszStart = pszFileLabel;
    while (IsBlankOrDot(*pszStart))
        pszStart++;
    size_t cchWord = FirstWordLength(pszStart);
    if (pszStart[cchWord] == ' ' && TypeOfWord(pszStart, cchWord)) {
        pszStart += cchWord;
        while (IsBlankOrDot(*pszStart))
            pszStart++;
    }
    size_t cch = strlen(pszStart);
    while (cch > 0 && IsBlankOrDot(pszStart[cch - 1]))
        cch--;
    if (cch >= cbLabel)
        cch = cbLabel - 1;
    memcpy(pszLabel, pszStart, cch);
    pszLabel[cch] = '\0';
}

// One electrode of the 10-20 / 10-10 system: a site prefix, then Z or a
// number of at most two digits ("Fp1", "FCz", "T10", "A2").
static BOOL IsElectrode(const char *psz, size_t cch)
{
    static const char *const apszSite[] = {"FP", "AF", "FT", "FC", "TP", "CP", "PO", "NZ",
                                           "F", "T", "C", "P", "O", "I", "A", "M"};
    for (const char *pszSite : apszSite) {
        size_t cchSite = strlen(pszSite);
        if (cch <= cchSite || strncasecmp(psz, pszSite, cchSite) != 0)
            continue;
        const char *pszRest = psz + cchSite;
        size_t cchRest = cch - cchSite;
        if (cchRest == 1 && (pszRest[0] == 'z' || pszRest[0] == 'Z'))
            return TRUE;
        if (cchRest <= 2 && pszRest[0] >= '1' && pszRest[0] <= '9'
            && (cchRest == 1 || (pszRest[1] >= '0' && pszRest[1] <= '9')))
            return TRUE;
    }
    return FALSE;
}

// "Fp1", or a derivation of two electrodes "Fp1-F3".
static BOOL IsElectrodeLabel(const char *pszLabel)
{
    const char *pszDash = strchr(pszLabel, '-');
    if (!pszDash)
        return IsElectrode(pszLabel, strlen(pszLabel));
    return IsElectrode(pszLabel, (size_t)(pszDash - pszLabel))
        && IsElectrode(pszDash + 1, strlen(pszDash + 1));
}

static BOOL IsVoltUnit(const char *pszUnit)
{
    return strcmp(pszUnit, "uV") == 0 || strcmp(pszUnit, "mV") == 0
        || strcmp(pszUnit, "V") == 0 || strcmp(pszUnit, "nV") == 0;
}

WORD ChSignalType(const char *pszFileLabel, const char *pszUnit)
{
    const char *pszStart = pszFileLabel;
    while (IsBlankOrDot(*pszStart))
        pszStart++;
    WORD wNamed = TypeOfWord(pszStart, FirstWordLength(pszStart));
    if (wNamed)
        return wNamed;
    char szLabel[64];
    ChCleanLabel(pszFileLabel, szLabel, sizeof(szLabel));
    if (IsElectrodeLabel(szLabel) || IsVoltUnit(pszUnit))
        return SIGNAL_EEG;
    return SIGNAL_OTHER;
}

double ChMicrovoltsPerUnit(const char *pszUnit)
{
    if (strcmp(pszUnit, "mV") == 0)
        return 1e3;
    if (strcmp(pszUnit, "V") == 0)
        return 1e6;
    if (strcmp(pszUnit, "nV") == 0)
        return 1e-3;
    return 1.0;
}

BOOL ChCalPair(double dUvPerStep, DWORD *pnValue, DWORD *pnHeight)
{
    if (!(dUvPerStep > 0.0))
        return FALSE;
    // The window multiplies its amplitude range by nCalHeight: staying at
    // or below 10^7 keeps that product inside 32 bits.
    double dHeight = 1000.0;
    while (dUvPerStep * dHeight < 10000.0 && dHeight < 1e7)
        dHeight *= 10.0;
    double dValue = floor(dUvPerStep * dHeight + 0.5);
    if (dValue < 1.0 || dValue > 4294967295.0)
        return FALSE;
    *pnValue = (DWORD)dValue;
    *pnHeight = (DWORD)dHeight;
    return TRUE;
}

int ChStepShift(double dDigMin, double dDigMax, double *pdCentre)
{
    if (!(dDigMax > dDigMin))
        return -1;
    int nShift = 0;
    while ((dDigMax - dDigMin + 1.0) / ldexp(1.0, nShift) > 65536.0)
        nShift++;
    *pdCentre = floor((dDigMin + dDigMax + 1.0) / 2.0);
    return nShift;
}

short ChToStep(double dDigital, double dCentre, int nShift)
{
    double dStep = floor((dDigital - dCentre) / ldexp(1.0, nShift) + 0.5);
    if (dStep > 32767.0)
        return 32767;
    if (dStep < -32768.0)
        return -32768;
    return (short)dStep;
}

#define ADD_MAXSPECTRA   100
#define LINE_SHARE       0.5     /* of the squared amplitude, at most, in one line */
#define FILTER_HEADROOM  30000

int ChStepLimit(DWORD nRate, DWORD nFFTPoints)
{
    double dDensity = nRate ? (double)nFFTPoints / nRate : 1.0;
    double dGain = ADD_MAXSPECTRA * LINE_SHARE * (dDensity > 1.0 ? dDensity : 1.0);
    double dLimit = floor(sqrt((double)INT32_MAX / dGain));
    return dLimit < FILTER_HEADROOM ? (int)dLimit : FILTER_HEADROOM;
}

BOOL ChFineStep(double dUvPerDigital, int nMin, int nMax, DWORD nRate, DWORD nFFTPoints, CHSTEP *pStep)
{
    double dUv = fabs(dUvPerDigital);
    double dOffset = floor(((double)nMin + nMax) / 2.0);
    double dSpan = fmax(nMax - dOffset, dOffset - nMin);
    double dWanted = dSpan > 0.0 ? dUv * dSpan / ChStepLimit(nRate, nFFTPoints) : dUv;
    DWORD nValue = 0, nHeight = 0;
    if (!ChCalPair(dWanted, &nValue, &nHeight))
        return FALSE;
    if ((double)nValue / nHeight < dWanted && nValue < 0xFFFFFFFFu)
        nValue++;   // a step rounded down would break the limit
    pStep->dOffset = dOffset;
    pStep->nCalValue = nValue;
    pStep->nCalHeight = nHeight;
    pStep->dUvPerStep = (double)nValue / nHeight;
    pStep->dStepsPerDigital = (dUvPerDigital < 0.0 ? -dUv : dUv) / pStep->dUvPerStep;
    return TRUE;
}
