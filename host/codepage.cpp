// Code page 932 <-> UTF-8 with iconv.
#include "codepage.h"

#include <errno.h>
#include <iconv.h>
#include <string.h>

// Converts with iconv, replacing what cannot be converted by '?' and
// stopping where the output is full; the output is always terminated.
static void Convert(const char *pszTo, const char *pszFrom, const char *pszIn, char *pszOut, size_t cbOut)
{
    pszOut[0] = '\0';
    if (cbOut < 2)
        return;
    iconv_t cd = iconv_open(pszTo, pszFrom);
    if (cd == (iconv_t)-1)
        return;
    char *pIn = const_cast<char *>(pszIn);
    size_t cbIn = strlen(pszIn);
    char *pOut = pszOut;
    size_t cbLeft = cbOut - 1;
    while (cbIn > 0 && cbLeft > 0) {
        if (iconv(cd, &pIn, &cbIn, &pOut, &cbLeft) != (size_t)-1)
            break;
        if (errno == E2BIG)
            break;
        // An invalid or incomplete sequence: one '?' for its first byte.
        *pOut++ = '?';
        cbLeft--;
        pIn++;
        cbIn--;
    }
    *pOut = '\0';
    iconv_close(cd);
}

void CpAnsiToUtf8(const char *pszAnsi, char *pszUtf8, size_t cbUtf8)
{
    Convert("UTF-8", "CP932", pszAnsi, pszUtf8, cbUtf8);
}

// A code page 932 character of one or two bytes takes at most three in
// UTF-8, and a UTF-8 one as many as it had.
static std::string ConvertWhole(const char *pszTo, const char *pszFrom, const char *pszIn)
{
    std::string str(strlen(pszIn) * 3 + 1, '\0');
    Convert(pszTo, pszFrom, pszIn, &str[0], str.size());
    str.resize(strlen(str.c_str()));
    return str;
}

std::string CpAnsiToUtf8String(const char *pszAnsi)
{
    return ConvertWhole("UTF-8", "CP932", pszAnsi);
}

std::string CpCleanUtf8(const char *pszUtf8)
{
    return ConvertWhole("UTF-8", "UTF-8", pszUtf8);
}

void CpUtf8ToAnsi(const char *pszUtf8, char *pszAnsi, size_t cbAnsi)
{
    Convert("CP932", "UTF-8", pszUtf8, pszAnsi, cbAnsi);
}
