// Commands of the analysis window's children, the state of its command
// buttons and the one-shot update timer.
#include "frame/layout.h"

#include "engine/engine.h"
#include "export/csvsave.h"
#include "frame/module.h"
#include "frame/notify.h"
#include "frame/protocol.h"
#include "resource.h"
#include "settings/setupdlg.h"
#include "views/views.h"
#include "wintool/wintool.h"

void StartUpdateTimer(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData->idUpdateTimer != 0)
        return;
    pData->idUpdateTimer = (DWORD)SetTimer(hWnd, IDT_UPDATE, UPDATE_DELAY_MS, NULL);
}

static void EnableChild(HWND hWnd, int nId, BOOL bEnable)
{
    HWND hCtl = GetDlgItem(hWnd, nId);
    if (hCtl != NULL)
        EnableWindow(hCtl, bEnable);
}

void UpdateButtons(HWND hWnd, FFTVIEWDATA *pData)
{
    BOOL bAnalysing = pData->wAnalyState != 0;
    BOOL bAdd = bAnalysing && pData->wFFTDone != 0;
    BOOL bHaveAdds = bAnalysing && pData->nAddCount != 0;
    SetDlgItemTextA(hWnd, IDC_ADD, pData->wADDKeySw != 0 ? "ADD (F1)" : "ADD");
    EnableChild(hWnd, IDC_ADD, bAdd);
    EnableChild(hWnd, IDC_CLEAR, bHaveAdds);
    EnableChild(hWnd, IDC_COHERENCE, bAnalysing);
    EnableChild(hWnd, IDC_SAVE, bHaveAdds);
    CheckDlgButton(hWnd, IDC_HISTOGRAM, pData->wHistogram != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (pData->wHistogram != 0) {
        EnableChild(hWnd, IDC_MONITOR, FALSE);
        CheckDlgButton(hWnd, IDC_MONITOR, BST_UNCHECKED);
    } else {
        EnableChild(hWnd, IDC_MONITOR, TRUE);
        CheckDlgButton(hWnd, IDC_MONITOR, pData->wMonitor != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    if (pData->wCohEnable != 0)
        CheckDlgButton(hWnd, IDC_COHERENCE, pData->hCohWnd != NULL ? BST_CHECKED : BST_UNCHECKED);
}

static void ToggleHistogram(HWND hWnd, FFTVIEWDATA *pData)
{
    pData->wHistogram = (WORD)(1 - pData->wHistogram);
    RECT rc;
    if (GetClientRect(hWnd, &rc))
        LayoutChildren(hWnd, pData, rc.right, rc.bottom);
    UpdateButtons(hWnd, pData);
}

static void ToggleMonitor(HWND hWnd, FFTVIEWDATA *pData)
{
    pData->wMonitor = (WORD)(1 - pData->wMonitor);
    RefreshGraphs(hWnd, pData, TRUE);
    UpdateButtons(hWnd, pData);
}

static void ConfirmClear(HWND hWnd, FFTVIEWDATA *pData)
{
    if (WtDialogBox(hWnd, ModuleInstance(), IDD_CLEARCONFIRM) == IDOK) {
        ClearAdd(hWnd, pData);
        RefreshGraphs(hWnd, pData, TRUE);
    }
    UpdateButtons(hWnd, pData);
}

// The band dialog stores bands and area on OK; the window then binds and
// sets up again. A window destroyed while the dialog was up has no record
// left to touch, which the check after the dialog finds.
static void RunBandSetup(HWND hWnd, FFTVIEWDATA *pData)
{
    HGLOBAL hData = pData->hSelf;
    if (BandSetupDialog(hWnd, hData) != IDOK ||
        (HGLOBAL)GetWindowLongPtrA(hWnd, FVW_DATA) != hData)
        return;
    MatchChannels(hWnd, pData);
    SetupFFT(hWnd, pData, 0);
    SetupFilter(hWnd, pData);
    StartUpdateTimer(hWnd, pData);
    RefreshGraphs(hWnd, pData, TRUE);
}

static void ToggleCoherence(HWND hWnd, FFTVIEWDATA *pData)
{
    pData->hCohWnd = CoherenceDlgToggle(hWnd, pData->hSelf, pData);
    UpdateButtons(hWnd, pData);
}

static void SaveReport(HWND hWnd, FFTVIEWDATA *pData)
{
    int nResult = CsvSaveReport(hWnd, pData);
    if (nResult == CSV_SAVED)
        ReportString(hWnd, pData, IDS_CSVSAVED, QPN_INFOTEXT);
    else if (nResult != CSV_NOTSAVED)
        ReportString(hWnd, pData, IDS_CSVFAILED, QPN_ERRORTEXT);
}

void AnalyCommand(HWND hWnd, FFTVIEWDATA *pData, int nId, int nCode, HWND hCtl)
{
    if (nId >= IDC_GRAPH_FIRST && nId < IDC_GRAPH_FIRST + FV_ANALYCH) {
        SyncGraphs(hWnd, pData, hCtl, nCode, nId - IDC_GRAPH_FIRST);
        return;
    }
    switch (nId) {
    case IDC_SETUPPANEL:
        ApplySetup(hWnd, pData, nId, nCode);
        break;
    case IDC_BANDSETUP:
        RunBandSetup(hWnd, pData);
        break;
    case IDC_HISTOGRAM:
        ToggleHistogram(hWnd, pData);
        break;
    case IDC_MONITOR:
        ToggleMonitor(hWnd, pData);
        break;
    case IDC_ADD:
        AddSpectrum(hWnd, pData);
        UpdateButtons(hWnd, pData);
        break;
    case IDC_CLEAR:
        ConfirmClear(hWnd, pData);
        break;
    case IDC_COHERENCE:
        ToggleCoherence(hWnd, pData);
        break;
    case IDC_SAVE:
        SaveReport(hWnd, pData);
        break;
    default:
        break;
    }
}
