// The analysis setup dialog ("DETAILSETUP_JP" / "DETAILSETUP_EG"): FFT
// points, window, edge percentage, filters and switches, edited in a
// working copy that OK stores.
#include "settings/setupdlg.h"

#include "frame/module.h"
#include "resource.h"
#include "wintool/wintool.h"

#define CUT_FREQ_MAX 10000  // highest filter cut-off, 0.01 Hz
#define LOWCUT_FORMAT "%2.2f"
#define HICUT_FORMAT "%2.1f"

// The ten settings the dialog edits.
typedef struct tagANALYSETUP {
    DWORD nFFTPoint;
    WORD wWindowType;
    DWORD nEdgePercent;
    WORD wLowCutSw;
    LONG nLowCutFreq;
    WORD wHiCutSw;
    LONG nHiCutFreq;
    WORD wADDKeySw;
    WORD wShowFreqPara;
    WORD wFFTFreqStdSw;
} ANALYSETUP;

static struct {
    SETUPLINK link;
    BOOL bOpen;
    ANALYSETUP work;
} s_ana;

typedef struct tagLISTITEM {
    const char *pszText;
    DWORD dwData;
} LISTITEM;

static const LISTITEM s_aPoints[] = {
    {"   128 ", 128},   {"   256 ", 256},   {"   512 ", 512},   {"  1024 ", 1024},
    {"  2048 ", 2048},  {"  4096 ", 4096},  {"  8192 ", 8192},  {" 16384 ", 16384},
};

static const LISTITEM s_aWindows[] = {
    {"Rectangle", 0}, {"Hamming", 1}, {"Hanning", 2}, {"Blackman", 3},
};

static const LISTITEM s_aEdges[] = {
    {"10", 10}, {"20", 20}, {"30", 30}, {"40", 40}, {"50", 50},
    {"60", 60}, {"70", 70}, {"80", 80}, {"90", 90},
};

// Fills a list and selects the first item holding dwValue (none if none).
static void FillList(HWND hDlg, int nId, const LISTITEM *pItems, int nItems, DWORD dwValue)
{
    HWND hList = GetDlgItem(hDlg, nId);
    SendMessageA(hList, CB_RESETCONTENT, 0, 0);
    int nSelect = -1;
    for (int i = 0; i < nItems; i++) {
        LRESULT nIndex = SendMessageA(hList, CB_ADDSTRING, 0, (LPARAM)pItems[i].pszText);
        SendMessageA(hList, CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)pItems[i].dwData);
        if (nSelect < 0 && pItems[i].dwData == dwValue)
            nSelect = (int)nIndex;
    }
    SendMessageA(hList, CB_SETCURSEL, (WPARAM)nSelect, 0);
}

static void CheckBox(HWND hDlg, int nId, WORD wSwitch)
{
    CheckDlgButton(hDlg, nId, wSwitch != 0 ? BST_CHECKED : BST_UNCHECKED);
}

static WORD BoxState(HWND hDlg, int nId)
{
    return IsDlgButtonChecked(hDlg, nId) == BST_CHECKED ? 1 : 0;
}

static void AnaDlg_Init(HWND hDlg, const FFTVIEWDATA *pData)
{
    ANALYSETUP *w = &s_ana.work;
    w->nFFTPoint = pData->nFFTPoint;
    w->wWindowType = pData->wWindowType;
    w->nEdgePercent = pData->nEdgePercent;
    w->wLowCutSw = pData->wLowCutSw;
    w->nLowCutFreq = (LONG)pData->nLowCutFreq;
    w->wHiCutSw = pData->wHiCutSw;
    w->nHiCutFreq = (LONG)pData->nHiCutFreq;
    w->wADDKeySw = pData->wADDKeySw;
    w->wShowFreqPara = pData->wShowFreqPara;
    w->wFFTFreqStdSw = pData->wFFTFreqStdSw;
    FillList(hDlg, IDC_FFTPOINT, s_aPoints, 8, w->nFFTPoint);
    FillList(hDlg, IDC_WINDOWTYPE, s_aWindows, 4, w->wWindowType);
    FillList(hDlg, IDC_EDGEPERCENT, s_aEdges, 9, w->nEdgePercent);
    SetupShowNumber(hDlg, IDC_LOWCUTFREQ, LOWCUT_FORMAT, w->nLowCutFreq);
    SetupShowNumber(hDlg, IDC_HICUTFREQ, HICUT_FORMAT, w->nHiCutFreq);
    CheckBox(hDlg, IDC_LOWCUTSW, w->wLowCutSw);
    CheckBox(hDlg, IDC_HICUTSW, w->wHiCutSw);
    CheckBox(hDlg, IDC_ADDKEYSW, w->wADDKeySw);
    CheckBox(hDlg, IDC_SHOWFREQPARA, w->wShowFreqPara);
    CheckBox(hDlg, IDC_FREQSTDSW, w->wFFTFreqStdSw);
}

// The EG variant has no box 1600: its switch keeps the record's value,
// which the working copy holds from the opening.
static void StoreSetup(FFTVIEWDATA *pData)
{
    const ANALYSETUP *w = &s_ana.work;
    pData->nFFTPoint = w->nFFTPoint;
    pData->wWindowType = w->wWindowType;
    pData->nEdgePercent = w->nEdgePercent;
    pData->wLowCutSw = w->wLowCutSw;
    pData->nLowCutFreq = (DWORD)w->nLowCutFreq;
    pData->wHiCutSw = w->wHiCutSw;
    pData->nHiCutFreq = (DWORD)w->nHiCutFreq;
    pData->wADDKeySw = w->wADDKeySw;
    pData->wShowFreqPara = w->wShowFreqPara;
    pData->wFFTFreqStdSw = w->wFFTFreqStdSw;
}

// A refused entry shows the previous value again.
static void ReadCutFreq(HWND hDlg, int nId, const char *pszFormat, LONG *pnFreq)
{
    SetupReadNumber(hDlg, nId, CUT_FREQ_MAX, pnFreq);
    SetupShowNumber(hDlg, nId, pszFormat, *pnFreq);
}

static void ReadList(HWND hDlg, int nId, DWORD *pdwValue)
{
    HWND hList = GetDlgItem(hDlg, nId);
    LRESULT nIndex = SendMessageA(hList, CB_GETCURSEL, 0, 0);
    if (nIndex != CB_ERR)
        *pdwValue = (DWORD)SendMessageA(hList, CB_GETITEMDATA, (WPARAM)nIndex, 0);
}

static void AnaDlg_Command(HWND hDlg, FFTVIEWDATA *pData, int nId, int nCode)
{
    ANALYSETUP *w = &s_ana.work;
    DWORD dwWindow = w->wWindowType;
    switch (nId) {
    case IDOK:
        StoreSetup(pData);
        EndDialog(hDlg, IDOK);
        break;
    case IDCANCEL:
        EndDialog(hDlg, IDCANCEL);
        break;
    case IDC_LOWCUTSW: w->wLowCutSw = BoxState(hDlg, nId); break;
    case IDC_HICUTSW: w->wHiCutSw = BoxState(hDlg, nId); break;
    case IDC_ADDKEYSW: w->wADDKeySw = BoxState(hDlg, nId); break;
    case IDC_SHOWFREQPARA: w->wShowFreqPara = BoxState(hDlg, nId); break;
    case IDC_FREQSTDSW: w->wFFTFreqStdSw = BoxState(hDlg, nId); break;
    case IDC_LOWCUTFREQ:
        if (nCode == EN_KILLFOCUS)
            ReadCutFreq(hDlg, nId, LOWCUT_FORMAT, &w->nLowCutFreq);
        break;
    case IDC_HICUTFREQ:
        if (nCode == EN_KILLFOCUS)
            ReadCutFreq(hDlg, nId, HICUT_FORMAT, &w->nHiCutFreq);
        break;
    case IDC_FFTPOINT:
        if (nCode == CBN_SELCHANGE)
            ReadList(hDlg, nId, &w->nFFTPoint);
        break;
    case IDC_EDGEPERCENT:
        if (nCode == CBN_SELCHANGE)
            ReadList(hDlg, nId, &w->nEdgePercent);
        break;
    case IDC_WINDOWTYPE:
        if (nCode == CBN_SELCHANGE) {
            ReadList(hDlg, nId, &dwWindow);
            w->wWindowType = (WORD)dwWindow;
        }
        break;
    case IDC_HELPBTN:
        FFTShowHelp(hDlg, pData, HELP_CTX_ANALYSETUP);
        break;
    default:
        break;
    }
}

static INT_PTR CALLBACK AnaDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    if (uMsg == WM_CLOSE) {
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    if (uMsg != WM_INITDIALOG && uMsg != WM_COMMAND)
        return FALSE;
    FFTVIEWDATA *pData = SetupLockRecord(&s_ana.link);
    if (pData == NULL) {
        // The analysis window or its record went away under the dialog.
        EndDialog(hDlg, IDCANCEL);
        return uMsg == WM_INITDIALOG;
    }
    if (uMsg == WM_INITDIALOG)
        AnaDlg_Init(hDlg, pData);
    else
        AnaDlg_Command(hDlg, pData, LOWORD(wParam), HIWORD(wParam));
    GlobalUnlock(s_ana.link.hData);
    if (uMsg == WM_INITDIALOG)
        WtInitDialogOver(hDlg, GetParent(hDlg));
    return uMsg == WM_INITDIALOG;
}

INT_PTR AnalysisSetupDialog(HWND hOwner, HGLOBAL hData)
{
    if (hData == NULL || s_ana.bOpen)
        return IDCANCEL;
    FFTVIEWDATA *pData = (FFTVIEWDATA *)GlobalLock(hData);
    if (pData == NULL)
        return IDCANCEL;
    s_ana.link.hAnaly = pData->hWnd;
    s_ana.link.hData = hData;
    const char *pszTemplate = pData->wHostItem19 != 0 ? "DETAILSETUP_JP" : "DETAILSETUP_EG";
    GlobalUnlock(hData);
    s_ana.bOpen = TRUE;
    INT_PTR nResult = DialogBoxParamA(ModuleInstance(), pszTemplate, hOwner, AnaDlgProc, 0);
    s_ana.bOpen = FALSE;
    return nResult == IDOK ? IDOK : IDCANCEL;
}
