// Bounded copies into fixed text buffers.
#include "frame/textcopy.h"

#include <string.h>

BOOL TextCopy(char *pszDst, size_t cbDst, const char *pszSrc)
{
    if (pszSrc == NULL) {
        pszDst[0] = '\0';
        return TRUE;
    }
    size_t cch = strnlen(pszSrc, cbDst);
    BOOL bFits = cch < cbDst;
    if (!bFits)
        cch = cbDst - 1;
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
