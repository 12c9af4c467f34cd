// The fixed header of EDF and BDF files, checked field by field.
#include "edfcheck.h"

#include <stdio.h>
#include <string.h>

#include <string>

#define EDF_FIXED 256

// A header field as a number: blanks around, optional sign, digits and an
// optional fraction; parsed by hand, independent of the locale.
static BOOL FieldNumber(const std::string &strHeader, size_t nOffset, size_t cch, double *pd)
{
    std::string str = strHeader.substr(nOffset, cch);
    size_t i = str.find_first_not_of(' ');
    if (i == std::string::npos)
        return FALSE;
    double dSign = 1.0, d = 0.0, dScale = 0.0;
    if (str[i] == '-' || str[i] == '+')
        dSign = str[i++] == '-' ? -1.0 : 1.0;
    BOOL bDigit = FALSE;
    for (; i < str.size() && str[i] != ' '; i++) {
        if (str[i] == '.' && dScale == 0.0) {
            dScale = 1.0;
        } else if (str[i] >= '0' && str[i] <= '9') {
            bDigit = TRUE;
            if (dScale == 0.0) {
                d = d * 10.0 + (str[i] - '0');
            } else {
                dScale /= 10.0;
                d += dScale * (str[i] - '0');
            }
        } else {
            return FALSE;
        }
    }
    *pd = dSign * d;
    return bDigit && str.find_first_not_of(' ', i) == std::string::npos;
}

static BOOL Fail(char *pszWhat, size_t cbWhat, const char *pszText)
{
    snprintf(pszWhat, cbWhat, "%s", pszText);
    return FALSE;
}

// The signal fields: sizes in bytes per signal, in file order.
static const size_t s_acbSignalField[] = {16, 80, 8, 8, 8, 8, 8, 80, 8, 32};
enum { SIG_PHYSMIN = 3, SIG_PHYSMAX, SIG_DIGMIN, SIG_DIGMAX, SIG_SAMPLES = 8 };

// Offset of signal field nField of signal k among ns signals.
static size_t SignalOffset(size_t ns, int nField, size_t k)
{
    size_t nOffset = EDF_FIXED;
    for (int f = 0; f < nField; f++)
        nOffset += s_acbSignalField[f] * ns;
    return nOffset + s_acbSignalField[nField] * k;
}

// Checks the signal fields; *pcbRecord receives the bytes of one record.
static BOOL CheckSignals(const std::string &strHeader, size_t ns, size_t cbSample, double *pcbRecord,
                         char *pszWhat, size_t cbWhat)
{
    *pcbRecord = 0.0;
    for (size_t k = 0; k < ns; k++) {
        double dPhysMin, dPhysMax, dDigMin, dDigMax, dSamples;
        if (!FieldNumber(strHeader, SignalOffset(ns, SIG_PHYSMIN, k), 8, &dPhysMin)
            || !FieldNumber(strHeader, SignalOffset(ns, SIG_PHYSMAX, k), 8, &dPhysMax)
            || !FieldNumber(strHeader, SignalOffset(ns, SIG_DIGMIN, k), 8, &dDigMin)
            || !FieldNumber(strHeader, SignalOffset(ns, SIG_DIGMAX, k), 8, &dDigMax)
            || !FieldNumber(strHeader, SignalOffset(ns, SIG_SAMPLES, k), 8, &dSamples))
            return Fail(pszWhat, cbWhat, "a signal's range or sample count is no number");
        if (dSamples < 1.0 || dDigMax <= dDigMin || dPhysMax == dPhysMin)
            return Fail(pszWhat, cbWhat, "a signal has no samples or an empty range");
        *pcbRecord += dSamples * cbSample;
    }
    return TRUE;
}

BOOL EdfCheckHeader(const char *pszPath, char *pszWhat, size_t cbWhat)
{
    FILE *pFile = fopen(pszPath, "rb");
    if (!pFile)
        return TRUE;
    std::string strHeader(EDF_FIXED, '\0');
    size_t cbRead = fread(&strHeader[0], 1, EDF_FIXED, pFile);
    fseek(pFile, 0, SEEK_END);
    double cbFile = (double)ftell(pFile);
    BOOL bEdf = strHeader.compare(0, 8, "0       ") == 0;
    BOOL bBdf = strHeader.compare(0, 8, "\xff" "BIOSEMI") == 0;
    BOOL bOk = TRUE;
    if ((bEdf || bBdf) && cbRead < EDF_FIXED) {
        bOk = Fail(pszWhat, cbWhat, "the header is cut short");
    } else if (bEdf || bBdf) {
        double dHeaderBytes, dRecords, dDuration, dSignals;
        if (!FieldNumber(strHeader, 184, 8, &dHeaderBytes) || !FieldNumber(strHeader, 236, 8, &dRecords)
            || !FieldNumber(strHeader, 244, 8, &dDuration) || !FieldNumber(strHeader, 252, 4, &dSignals))
            bOk = Fail(pszWhat, cbWhat, "a header field that must be a number is not");
        else if (dSignals < 1.0 || dHeaderBytes != EDF_FIXED * (dSignals + 1.0) || dDuration < 0.0)
            bOk = Fail(pszWhat, cbWhat, "the header's size, signal count or record length is inconsistent");
        else if (cbFile < dHeaderBytes)
            bOk = Fail(pszWhat, cbWhat, "the header is cut short");
        if (bOk) {
            strHeader.resize((size_t)dHeaderBytes);
            fseek(pFile, 0, SEEK_SET);
            double cbRecord = 0.0;
            if (fread(&strHeader[0], 1, strHeader.size(), pFile) != strHeader.size())
                bOk = Fail(pszWhat, cbWhat, "the header is cut short");
            else if (!CheckSignals(strHeader, (size_t)dSignals, bBdf ? 3 : 2, &cbRecord, pszWhat, cbWhat))
                bOk = FALSE;
            else if (dRecords >= 0.0 && cbFile < dHeaderBytes + dRecords * cbRecord)
                bOk = Fail(pszWhat, cbWhat, "the file is shorter than its header says (truncated?)");
        }
    }
    fclose(pFile);
    return bOk;
}
