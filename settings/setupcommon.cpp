// What the setup panel and dialogs share: the record link, number entry and
// display, label cutting and the help.
#include "settings/setupdlg.h"

#include <math.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define NUMBER_TEXT 64

FFTVIEWDATA *SetupLockRecord(const SETUPLINK *pLink)
{
    if (pLink->hData == NULL || !IsWindow(pLink->hAnaly) ||
        (HGLOBAL)GetWindowLongPtrA(pLink->hAnaly, FVW_DATA) != pLink->hData)
        return NULL;
    return (FFTVIEWDATA *)GlobalLock(pLink->hData);
}

// Length of the decimal number at the start of psz: blanks, a sign, digits
// with an optional point, an optional exponent. Written out rather than
// left to strtod, which would also take hexadecimal, "inf" and "nan".
static size_t NumberPrefix(const char *psz)
{
    size_t i = strspn(psz, " \t");
    if (psz[i] == '+' || psz[i] == '-')
        i++;
    size_t nDigits = strspn(psz + i, "0123456789");
    i += nDigits;
    if (psz[i] == '.') {
        size_t nFraction = strspn(psz + i + 1, "0123456789");
        nDigits += nFraction;
        i += 1 + nFraction;
    }
    if (nDigits == 0)
        return 0;
    if (psz[i] == 'e' || psz[i] == 'E') {
        size_t j = i + 1;
        if (psz[j] == '+' || psz[j] == '-')
            j++;
        size_t nExp = strspn(psz + j, "0123456789");
        if (nExp > 0)
            i = j + nExp;
    }
    return i;
}

BOOL SetupReadNumber(HWND hDlg, int nId, LONG nMax, LONG *pnValue)
{
    char szText[NUMBER_TEXT + 1] = "";
    GetDlgItemTextA(hDlg, nId, szText, sizeof(szText));
    szText[NumberPrefix(szText)] = '\0';
    double d = trunc(strtod(szText, NULL) * 100.0);
    if (!(d >= 0.0 && d <= (double)nMax))
        return FALSE;
    *pnValue = (LONG)d;
    return TRUE;
}

void SetupShowNumber(HWND hDlg, int nId, const char *pszFormat, LONG nValue)
{
    char szText[NUMBER_TEXT];
    snprintf(szText, sizeof(szText), pszFormat, (double)((float)nValue * 0.01f));
    SetDlgItemTextA(hDlg, nId, szText);
}

void SetupCutText(char *pszText, size_t cbMax)
{
    size_t i = 0;
    while (pszText[i] != '\0') {
        size_t cb = IsDBCSLeadByte((BYTE)pszText[i]) && pszText[i + 1] != '\0' ? 2 : 1;
        if (i + cb > cbMax - 1)
            break;
        i += cb;
    }
    pszText[i] = '\0';
}

void FFTShowHelp(HWND hOwner, const FFTVIEWDATA *pData, DWORD dwContext)
{
    if (strlen(pData->szManualFile) >= 4) {
        ShellExecuteA(hOwner, NULL, pData->szManualFile, NULL, NULL, SW_SHOWDEFAULT);
        return;
    }
    if (dwContext != 0)
        WinHelpA(hOwner, pData->szHelpFile, HELP_CONTEXT, dwContext);
    else
        WinHelpA(hOwner, pData->szHelpFile, HELP_CONTENTS, 0);
}
