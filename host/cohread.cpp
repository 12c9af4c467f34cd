// The coherence matrix, read from the coherence window's band histograms.
#include "cohread.h"

#include <math.h>
#include <string.h>

#include <automation.h>

#include "codepage.h"
#include "report.h"

#define QPM_GETGRAPHTEXT  (WM_USER + 165)   /* LOWORD(lParam) 2: TAB-separated text */
#define IDC_COHERENCE     1023              /* the analysis window's Coherence button */
#define ID_COLUMNHEAD     2000              /* + k: the coherence window's column headers */
#define ID_HISTOGRAM      4000              /* + n: its band histograms, column by column */

BOOL CohParseHistogramText(const char *pszText, std::vector<std::string> *paBands, std::vector<double> *padValue)
{
    paBands->clear();
    padValue->clear();
    const char *pszHeading = strstr(pszText, "\r\nBand Name\t");
    if (pszHeading == NULL)
        return FALSE;
    const char *psz = strstr(pszHeading + 2, "\r\n");
    while (psz != NULL && psz[2] != '\0') {
        const char *pszLine = psz + 2;
        psz = strstr(pszLine, "\r\n");
        std::string strLine = psz ? std::string(pszLine, psz) : std::string(pszLine);
        size_t nFirst = strLine.find('\t'), nLast = strLine.rfind('\t');
        bool bOk = false;
        double d = nLast == std::string::npos ? 0.0 : ReportParseNumber(strLine.c_str() + nLast + 1, &bOk);
        if (!bOk || nFirst == nLast)
            return FALSE;
        paBands->push_back(CpAnsiToUtf8String(strLine.substr(0, nFirst).c_str()));
        padValue->push_back(d);
    }
    return TRUE;
}

double CohValue(const COHMATRIX *pCoh, size_t nBand, size_t a, size_t b)
{
    size_t n = pCoh->aChannels.size();
    size_t i = (nBand * n + a) * n + b;
    return a < n && b < n && i < pCoh->adValue.size() ? pCoh->adValue[i] : NAN;
}

HWND CohFindWindow(void)
{
    for (HWND h = GetFocus(); h != NULL; h = GetParent(h)) {
        char szCaption[64] = "";
        GetWindowTextA(h, szCaption, sizeof(szCaption));
        if (strcmp(szCaption, "Coherence Analysis") == 0)
            return h;
    }
    return NULL;
}

static BOOL HistogramText(HWND hHistogram, std::vector<std::string> *paBands, std::vector<double> *padValue)
{
    HGLOBAL hText = hHistogram ? (HGLOBAL)SendMessageA(hHistogram, QPM_GETGRAPHTEXT, 0, MAKELPARAM(2, 0)) : NULL;
    if (hText == NULL)
        return FALSE;
    const char *pszText = (const char *)GlobalLock(hText);
    BOOL bOk = pszText != NULL && CohParseHistogramText(pszText, paBands, padValue);
    if (pszText != NULL)
        GlobalUnlock(hText);
    GlobalFree(hText);
    return bOk;
}

// The histogram of column i and row j (j < i) is the pair (j, i).
static BOOL ReadWindow(HWND hCoh, COHMATRIX *pCoh)
{
    for (int k = 0; GetDlgItem(hCoh, ID_COLUMNHEAD + k) != NULL; k++) {
        char szLabel[128] = "";
        GetWindowTextA(GetDlgItem(hCoh, ID_COLUMNHEAD + k), szLabel, sizeof(szLabel));
        pCoh->aChannels.push_back(CpAnsiToUtf8String(szLabel));
    }
    size_t n = pCoh->aChannels.size();
    int nHistogram = 0;
    for (size_t i = 0; i < n; i++) {
        for (size_t j = 0; j < i; j++) {
            std::vector<std::string> aBands;
            std::vector<double> adValue;
            if (!HistogramText(GetDlgItem(hCoh, ID_HISTOGRAM + nHistogram++), &aBands, &adValue))
                return FALSE;
            if (pCoh->adValue.empty()) {
                pCoh->aBands = aBands;
                pCoh->adValue.assign(aBands.size() * n * n, NAN);
            }
            for (size_t b = 0; b < aBands.size() && b < pCoh->aBands.size(); b++)
                pCoh->adValue[(b * n + i) * n + j] = pCoh->adValue[(b * n + j) * n + i] = adValue[b];
        }
    }
    return n >= 2 && !pCoh->aBands.empty();
}

BOOL CohReadMatrix(HWND hAnaly, COHMATRIX *pCoh)
{
    *pCoh = COHMATRIX();
    // The layout shows the button only when the analysis offers coherence.
    HWND hButton = GetDlgItem(hAnaly, IDC_COHERENCE);
    if (hButton == NULL || !(GetWindowLongA(hButton, GWL_STYLE) & WS_VISIBLE))
        return FALSE;
    SendMessageA(hAnaly, WM_COMMAND, IDC_COHERENCE, 0);
    AutoPump();
    HWND hCoh = CohFindWindow();
    if (hCoh == NULL)
        return FALSE;
    BOOL bOk = ReadWindow(hCoh, pCoh);
    SendMessageA(hAnaly, WM_COMMAND, IDC_COHERENCE, 0);
    AutoPump();
    if (!bOk)
        *pCoh = COHMATRIX();
    return bOk;
}
