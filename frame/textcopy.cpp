// Bounded copies into fixed text buffers.
#include "frame/textcopy.h"

#include <string.h>

// Bytes of the longest run of whole characters at the start of pszText that
// is at most cchMax bytes long.
static size_t TextFit(const char *pszText, size_t cchMax)
{
    size_t cch = 0;
    while (cch < cchMax && pszText[cch] != '\0') {
        size_t cchChar = IsDBCSLeadByte((BYTE)pszText[cch]) && pszText[cch + 1] != '\0' ? 2 : 1;
        if (cch + cchChar > cchMax)
            break;
        cch += cchChar;
    }
    return cch;
}

BOOL TextCopy(char *pszDst, size_t cbDst, const char *pszSrc)
{
    if (pszSrc == NULL) {
        pszDst[0] = '\0';
        return TRUE;
    }
    size_t cch = strnlen(pszSrc, cbDst);
    BOOL bFits = cch < cbDst;
    if (!bFits)
        cch = TextFit(pszSrc, cbDst - 1);
    memcpy(pszDst, pszSrc, cch);
    pszDst[cch] = '\0';
    return bFits;
}

BOOL TextJoin(char *pszDst, size_t cbDst, const char *pszFirst, const char *pszSecond)
{
    size_t cchFirst = strlen(pszFirst);
    size_t cchSecond = strlen(pszSecond);
    if (cchFirst + cchSecond >= cbDst) {
        pszDst[0] = '\0';
        return FALSE;
    }
    memcpy(pszDst, pszFirst, cchFirst);
    memcpy(pszDst + cchFirst, pszSecond, cchSecond + 1);
    return TRUE;
}
