// The CSV report's working buffer and the formatting of its cells.
#include "export/csvtext.h"

#include <locale.h>
#include <stdio.h>
#include <string.h>

// A formatted cell: the widest double in fixed point has 309 digits.
#define CELL_CHARS 400

BOOL CsvTextOpen(CSVTEXT *pText, SIZE_T cbInitial)
{
    memset(pText, 0, sizeof(*pText));
    SIZE_T cb = cbInitial > 0 ? cbInitial : 1;
    pText->hBuffer = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    if (pText->hBuffer == NULL)
        return FALSE;
    pText->pchText = (char *)GlobalLock(pText->hBuffer);
    if (pText->pchText == NULL) {
        GlobalFree(pText->hBuffer);
        pText->hBuffer = NULL;
        return FALSE;
    }
    pText->cbBuffer = cb;
    return TRUE;
}

void CsvTextClose(CSVTEXT *pText)
{
    if (pText->hBuffer == NULL)
        return;
    GlobalUnlock(pText->hBuffer);
    GlobalFree(pText->hBuffer);
    memset(pText, 0, sizeof(*pText));
}

void CsvTextReset(CSVTEXT *pText)
{
    pText->cchText = 0;
}

// Makes room for cchMore bytes, doubling the block as often as needed.
static BOOL GrowText(CSVTEXT *pText, SIZE_T cchMore)
{
    if (pText->cbBuffer - pText->cchText >= cchMore)
        return TRUE;
    SIZE_T cbNew = pText->cbBuffer;
    while (cbNew - pText->cchText < cchMore) {
        if (cbNew > ((SIZE_T)-1) / 2)
            return FALSE;
        cbNew *= 2;
    }
    GlobalUnlock(pText->hBuffer);
    HGLOBAL hNew = GlobalReAlloc(pText->hBuffer, cbNew, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (hNew != NULL) {
        pText->hBuffer = hNew;
        pText->cbBuffer = cbNew;
    }
    pText->pchText = (char *)GlobalLock(pText->hBuffer);
    return hNew != NULL && pText->pchText != NULL;
}

static void AppendBytes(CSVTEXT *pText, const char *pch, SIZE_T cch)
{
    if (pText->bFailed || pText->pchText == NULL)
        return;
    if (!GrowText(pText, cch)) {
        pText->bFailed = TRUE;
        return;
    }
    memcpy(pText->pchText + pText->cchText, pch, cch);
    pText->cchText += cch;
}

void CsvText(CSVTEXT *pText, const char *pszText)
{
    AppendBytes(pText, pszText, strlen(pszText));
}

void CsvInt(CSVTEXT *pText, int nValue)
{
    char szCell[CELL_CHARS];
    snprintf(szCell, sizeof(szCell), "%i", nValue);
    CsvText(pText, szCell);
}

// The C library writes the locale's decimal point; the report always has
// '.', so the locale's separator (possibly several bytes) is put back.
static void UseDotDecimal(char *pszCell)
{
    const struct lconv *pConv = localeconv();
    const char *pszPoint = pConv != NULL ? pConv->decimal_point : NULL;
    if (pszPoint == NULL || pszPoint[0] == '\0' || strcmp(pszPoint, ".") == 0)
        return;
    char *pch = strstr(pszCell, pszPoint);
    if (pch == NULL)
        return;
    size_t cchPoint = strlen(pszPoint);
    *pch = '.';
    memmove(pch + 1, pch + cchPoint, strlen(pch + cchPoint) + 1);
}

void CsvFixed(CSVTEXT *pText, int nWidth, double dValue)
{
    char szCell[CELL_CHARS];
    snprintf(szCell, sizeof(szCell), "%*.2f", nWidth, dValue);
    UseDotDecimal(szCell);
    CsvText(pText, szCell);
}

void CsvTime(CSVTEXT *pText, const WORD *pwTime)
{
    char szCell[CELL_CHARS];
    snprintf(szCell, sizeof(szCell), " %02i:%02i:%02i.%03i", pwTime[0], pwTime[1], pwTime[2],
             pwTime[3] * 100);
    CsvText(pText, szCell);
}

void CsvNewLine(CSVTEXT *pText)
{
    CsvText(pText, "\r\n");
}
