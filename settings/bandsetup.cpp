// The band setup dialog "FREQBANDSETUP": the eight frequency bands (use,
// label, limits on a range scale) and the total frequency area.
#include "settings/setupdlg.h"

#include <stdio.h>
#include <string.h>

#include "custom/qcustom.h"
#include "frame/module.h"
#include "frame/textcopy.h"
#include "resource.h"
#include "wintool/wintool.h"

#define TOTAL_MAX 100000   // highest total limit, 0.01 Hz
#define BAND_MIN_WIDTH 50  // width given to a band whose limits meet
#define LABEL_TEXT 256     // label edit read with room to cut it whole

// The dialog's working state: the total area and the band switches until
// OK; labels and limits stay in their controls.
static struct {
    SETUPLINK link;
    BOOL bOpen;
    LONG nFreqMin;
    LONG nFreqMax;
    WORD awEnable[FV_BANDS];
} s_band;

// " -- " until an analysis runs; then the limits snapped down to whole
// spectral lines, joined by a full-width tilde.
static void ShowRangeText(HWND hDlg, const FFTVIEWDATA *pData, int b, LONG nLow, LONG nHigh)
{
    char szText[64] = " -- ";
    double s = pData->nFFTPoint != 0 ? (double)pData->nBaseRate / pData->nFFTPoint : 0.0;
    if (pData->wAnalyState > 0 && pData->nBaseRate > 0 && s > 0.0) {
        double fLow = (double)(LONG)(nLow / (s * 100.0)) * s;
        double fHigh = (double)(LONG)(nHigh / (s * 100.0)) * s;
        snprintf(szText, sizeof(szText), "%2.2f\x81\x60%2.2f", fLow, fHigh);
    }
    SetDlgItemTextA(hDlg, IDC_BANDRANGE + b, szText);
}

static void InitBandScale(HWND hScale, const FREQBAND *pBand)
{
    SendMessageA(hScale, RSM_SETSCALEMIN, 0, 0);
    SendMessageA(hScale, RSM_SETSCALEMAX, 0, s_band.nFreqMax);
    SendMessageA(hScale, RSM_SETDIVISIONS, 0, 10);
    SendMessageA(hScale, RSM_SETLOW, 0, (LONG)pBand->nMinFreq);
    SendMessageA(hScale, RSM_SETHIGH, 0, (LONG)pBand->nMaxFreq);
    SendMessageA(hScale, RSM_SETUNIT, 0, (LPARAM)"Hz");
    SendMessageA(hScale, RSM_SETFORMAT, 0, 2);
    SendMessageA(hScale, RSM_SETFORMAT, 1, 1);
    SendMessageA(hScale, RSM_SETOPTION, 1, 0);
}

static void BandDlg_Init(HWND hDlg, const FFTVIEWDATA *pData)
{
    s_band.nFreqMin = (LONG)pData->nFreqMin;
    s_band.nFreqMax = (LONG)pData->nFreqMax;
    for (int b = 0; b < FV_BANDS; b++) {
        const FREQBAND *pBand = &pData->aBand[b];
        char szLabel[FV_SHORTNAME];
        TextCopy(szLabel, sizeof(szLabel), pBand->szLabel);
        s_band.awEnable[b] = pBand->wEnable != 0 ? 1 : 0;
        SetDlgItemTextA(hDlg, IDC_BANDLABEL + b, szLabel);
        InitBandScale(GetDlgItem(hDlg, IDC_BANDSCALE + b), pBand);
        CheckDlgButton(hDlg, IDC_BANDENABLE + b, s_band.awEnable[b] ? BST_CHECKED : BST_UNCHECKED);
        ShowRangeText(hDlg, pData, b, (LONG)pBand->nMinFreq, (LONG)pBand->nMaxFreq);
    }
    SetupShowNumber(hDlg, IDC_TOTALMIN, "%2.2f", s_band.nFreqMin);
    SetupShowNumber(hDlg, IDC_TOTALMAX, "%2.2f", s_band.nFreqMax);
}

// Limits that meet are widened; reversed ones exchanged.
static void OrderLimits(LONG *pnLow, LONG *pnHigh)
{
    if (*pnLow == *pnHigh)
        *pnHigh = *pnLow + BAND_MIN_WIDTH;
    if (*pnLow > *pnHigh) {
        LONG n = *pnLow;
        *pnLow = *pnHigh;
        *pnHigh = n;
    }
}

// After the user moved band b's scale: limits kept below a third of the
// base rate, then ordered, and shown again. Without a base rate from the
// host there is no such limit, and the band keeps what the user set.
static void CorrectBand(HWND hDlg, const FFTVIEWDATA *pData, int b)
{
    HWND hScale = GetDlgItem(hDlg, IDC_BANDSCALE + b);
    LONG nLow = (LONG)SendMessageA(hScale, RSM_GETLOW, 0, 0);
    LONG nHigh = (LONG)SendMessageA(hScale, RSM_GETHIGH, 0, 0);
    LONG nLimit = pData->nBaseRate * 100 / 3;
    if (nLimit > 0) {
        if (nHigh >= nLimit)
            nHigh = nLimit;
        if (nLow >= nLimit)
            nLow = nLimit;
    }
    OrderLimits(&nLow, &nHigh);
    SendMessageA(hScale, RSM_SETLOW, 0, nLow);
    SendMessageA(hScale, RSM_SETHIGH, 0, nHigh);
    ShowRangeText(hDlg, pData, b, nLow, nHigh);
}

static void ReadTotal(HWND hDlg, int nId, LONG *pnLimit)
{
    if (!SetupReadNumber(hDlg, nId, TOTAL_MAX, pnLimit))
        MessageBeep(0);
    SetupShowNumber(hDlg, nId, "%2.2f", *pnLimit);
}

static void ReadTotalMax(HWND hDlg)
{
    ReadTotal(hDlg, IDC_TOTALMAX, &s_band.nFreqMax);
    for (int b = 0; b < FV_BANDS; b++) {
        HWND hScale = GetDlgItem(hDlg, IDC_BANDSCALE + b);
        SendMessageA(hScale, RSM_SETSCALEMAX, 0, s_band.nFreqMax);
        InvalidateRect(hScale, NULL, FALSE);
    }
}

static void StoreBands(HWND hDlg, FFTVIEWDATA *pData)
{
    pData->nFreqMin = (DWORD)s_band.nFreqMin;
    pData->nFreqMax = (DWORD)s_band.nFreqMax;
    for (int b = 0; b < FV_BANDS; b++) {
        FREQBAND *pBand = &pData->aBand[b];
        pBand->wEnable = s_band.awEnable[b];
        pBand->wShow = s_band.awEnable[b];
        char szLabel[LABEL_TEXT] = "";
        GetDlgItemTextA(hDlg, IDC_BANDLABEL + b, szLabel, sizeof(szLabel));
        SetupCutText(szLabel, sizeof(pBand->szLabel));
        TextCopy(pBand->szLabel, sizeof(pBand->szLabel), szLabel);
        HWND hScale = GetDlgItem(hDlg, IDC_BANDSCALE + b);
        LONG nLow = (LONG)SendMessageA(hScale, RSM_GETLOW, 0, 0);
        LONG nHigh = (LONG)SendMessageA(hScale, RSM_GETHIGH, 0, 0);
        OrderLimits(&nLow, &nHigh);
        pBand->nMinFreq = (DWORD)nLow;
        pBand->nMaxFreq = (DWORD)nHigh;
    }
}

static void BandDlg_Command(HWND hDlg, FFTVIEWDATA *pData, int nId, int nCode)
{
    if (nId >= IDC_BANDENABLE && nId < IDC_BANDENABLE + FV_BANDS) {
        s_band.awEnable[nId - IDC_BANDENABLE] =
            IsDlgButtonChecked(hDlg, nId) == BST_CHECKED ? 1 : 0;
        return;
    }
    if (nId >= IDC_BANDSCALE && nId < IDC_BANDSCALE + FV_BANDS) {
        CorrectBand(hDlg, pData, nId - IDC_BANDSCALE);
        return;
    }
    switch (nId) {
    case IDOK:
        StoreBands(hDlg, pData);
        EndDialog(hDlg, IDOK);
        break;
    case IDCANCEL:
        EndDialog(hDlg, IDCANCEL);
        break;
    case IDC_TOTALMIN:
        if (nCode == EN_KILLFOCUS)
            ReadTotal(hDlg, IDC_TOTALMIN, &s_band.nFreqMin);
        break;
    case IDC_TOTALMAX:
        if (nCode == EN_KILLFOCUS)
            ReadTotalMax(hDlg);
        break;
    case IDC_HELPBTN:
        FFTShowHelp(hDlg, pData, HELP_CTX_BANDSETUP);
        break;
    default:
        break;
    }
}

static INT_PTR CALLBACK BandDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    if (uMsg == WM_CLOSE) {
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    if (uMsg != WM_INITDIALOG && uMsg != WM_COMMAND)
        return FALSE;
    FFTVIEWDATA *pData = SetupLockRecord(&s_band.link);
    if (pData == NULL) {
        // The analysis window or its record went away under the dialog.
        EndDialog(hDlg, IDCANCEL);
        return uMsg == WM_INITDIALOG;
    }
    if (uMsg == WM_INITDIALOG)
        BandDlg_Init(hDlg, pData);
    else
        BandDlg_Command(hDlg, pData, LOWORD(wParam), HIWORD(wParam));
    GlobalUnlock(s_band.link.hData);
    if (uMsg == WM_INITDIALOG)
        WtInitDialog(hDlg);
    return uMsg == WM_INITDIALOG;
}

INT_PTR BandSetupDialog(HWND hOwner, HGLOBAL hData)
{
    if (hData == NULL || s_band.bOpen)
        return IDCANCEL;
    FFTVIEWDATA *pData = (FFTVIEWDATA *)GlobalLock(hData);
    if (pData == NULL)
        return IDCANCEL;
    s_band.link.hAnaly = pData->hWnd;
    s_band.link.hData = hData;
    GlobalUnlock(hData);
    s_band.bOpen = TRUE;
    INT_PTR nResult = DialogBoxParamA(ModuleInstance(), "FREQBANDSETUP", hOwner, BandDlgProc, 0);
    s_band.bOpen = FALSE;
    return nResult == IDOK ? IDOK : IDCANCEL;
}
