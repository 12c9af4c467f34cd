// The setup panel beside the analysis window: channel count, automatic
// channel selection, cursor-area FFT, the channel table, and the ways to
// the analysis setup dialog, the help and the About box. Every change is
// posted to the analysis window as one QPN_SETUPCHANGED.
#include "settings/setupdlg.h"

#include "engine/engine.h"
#include "frame/module.h"
#include "frame/protocol.h"
#include "resource.h"
#include "views/chtable.h"
#include "wintool/wintool.h"

#define PANEL_ID 1000
#define WIDE_SCREEN 1024  // wider screens get the normal panel

static const struct {
    const char *pszText;
    WORD wChannels;
} s_aChannelCounts[] = {
    {" 1 ", 1}, {" 2 ", 2}, {" 3 ", 3}, {" 4 ", 4}, {" 6 ", 6}, {" 8 ", 8},
};

// The panel's record is its parent's: locked for one message.
static FFTVIEWDATA *LockPanelRecord(HWND hDlg, HGLOBAL *phData)
{
    *phData = (HGLOBAL)GetWindowLongPtrA(GetParent(hDlg), FVW_DATA);
    return *phData != NULL ? (FFTVIEWDATA *)GlobalLock(*phData) : NULL;
}

// A panel destroyed meanwhile (with its analysis window) posts nothing.
static void PostSetupChanged(HWND hDlg)
{
    if (IsWindow(hDlg))
        PostMessageA(GetParent(hDlg), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(hDlg), QPN_SETUPCHANGED), (LPARAM)hDlg);
}

static void SelectChannelCount(HWND hDlg, WORD wAnalyCh)
{
    HWND hList = GetDlgItem(hDlg, IDC_ANALYCH);
    LRESULT nCount = SendMessageA(hList, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < nCount; i++) {
        if ((WORD)SendMessageA(hList, CB_GETITEMDATA, (WPARAM)i, 0) == wAnalyCh) {
            SendMessageA(hList, CB_SETCURSEL, (WPARAM)i, 0);
            return;
        }
    }
}

static void Panel_Refresh(HWND hDlg)
{
    HGLOBAL hData;
    FFTVIEWDATA *pData = LockPanelRecord(hDlg, &hData);
    if (pData == NULL)
        return;
    if (pData->wHostItem19 == 0)
        SetDlgItemTextA(hDlg, IDC_DETAILSETUP, "Analysis Setup..");
    SelectChannelCount(hDlg, pData->wAnalyCh);
    CheckDlgButton(hDlg, IDC_AUTOCHSELECT, pData->wAutoChSelect != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hDlg, IDC_AREAFFT, pData->wFFTAreaSw != 0 ? BST_CHECKED : BST_UNCHECKED);
    InvalidateRect(GetDlgItem(hDlg, IDC_CHTABLE), NULL, TRUE);
    GlobalUnlock(hData);
}

static void Panel_Init(HWND hDlg)
{
    HGLOBAL hData;
    FFTVIEWDATA *pData = LockPanelRecord(hDlg, &hData);
    if (pData != NULL) {
        HWND hList = GetDlgItem(hDlg, IDC_ANALYCH);
        SendMessageA(hList, CB_RESETCONTENT, 0, 0);
        for (const auto &item : s_aChannelCounts) {
            LRESULT nIndex = SendMessageA(hList, CB_ADDSTRING, 0, (LPARAM)item.pszText);
            SendMessageA(hList, CB_SETITEMDATA, (WPARAM)nIndex, item.wChannels);
        }
        SelectChannelCount(hDlg, pData->wAnalyCh);
        HWND hTable = GetDlgItem(hDlg, IDC_CHTABLE);
        SendMessageA(hTable, QPM_SETNOTIFY, (WPARAM)hDlg, IDC_CHTABLE);
        SendMessageA(hTable, QPM_ATTACHDATA, 0, (LPARAM)hData);
        GlobalUnlock(hData);
    }
    Panel_Refresh(hDlg);
}

static BOOL IsChecked(HWND hDlg, int nId)
{
    return IsDlgButtonChecked(hDlg, nId) == BST_CHECKED;
}

// Commands that change the record, with it locked.
static void Panel_RecordCommand(HWND hDlg, FFTVIEWDATA *pData, int nId, int nCode)
{
    HWND hList = GetDlgItem(hDlg, IDC_ANALYCH);
    LRESULT nIndex;
    switch (nId) {
    case IDC_HELPBTN:
        FFTShowHelp(hDlg, pData, HELP_CTX_PANEL);
        break;
    case IDC_ANALYCH:
        if (nCode != CBN_SELCHANGE)
            break;
        nIndex = SendMessageA(hList, CB_GETCURSEL, 0, 0);
        if (nIndex != CB_ERR)
            pData->wAnalyCh = (WORD)SendMessageA(hList, CB_GETITEMDATA, (WPARAM)nIndex, 0);
        Panel_Refresh(hDlg);
        PostSetupChanged(hDlg);
        break;
    case IDC_AUTOCHSELECT:
        pData->wAutoChSelect = IsChecked(hDlg, nId) ? 1 : 0;
        if (pData->wAutoChSelect == 0)
            break;
        AutoSelectChannels(GetParent(hDlg), pData);
        Panel_Refresh(hDlg);
        PostSetupChanged(hDlg);
        break;
    case IDC_AREAFFT:
        pData->wFFTAreaSw = IsChecked(hDlg, nId) ? 1 : 0;
        PostSetupChanged(hDlg);
        break;
    case IDC_CHTABLE:
        if (nCode == QPN_SIGNALCHANGED || nCode == QPN_LABELCHANGED)
            PostSetupChanged(hDlg);
        break;
    default:
        break;
    }
}

// The two modal dialogs run with the record unlocked: the analysis window
// may be destroyed, and its record freed, while one of them is up.
static void Panel_Command(HWND hDlg, int nId, int nCode)
{
    HGLOBAL hData;
    FFTVIEWDATA *pData = LockPanelRecord(hDlg, &hData);
    if (pData == NULL)
        return;
    if (nId != IDC_DETAILSETUP && nId != IDC_ABOUTICON) {
        Panel_RecordCommand(hDlg, pData, nId, nCode);
        GlobalUnlock(hData);
        return;
    }
    GlobalUnlock(hData);
    if (nId == IDC_ABOUTICON)
        WtDialogBox(hDlg, ModuleInstance(), IDD_ABOUT);
    else if (AnalysisSetupDialog(hDlg, hData) == IDOK)
        PostSetupChanged(hDlg);
}

INT_PTR CALLBACK SetupPanelProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        Panel_Init(hDlg);
        return TRUE;
    case WM_COMMAND:
        Panel_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case QPM_REFRESH:
        Panel_Refresh(hDlg);
        return 0;
    default:
        return 0;
    }
}

HWND CreateSetupPanel(HWND hWnd, FFTVIEWDATA *pData)
{
    const char *pszTemplate =
        GetSystemMetrics(SM_CXSCREEN) > WIDE_SCREEN ? "SETUPDLG_NORMAL" : "SETUPDLG_SMALL";
    HWND hPanel = CreateDialogParamA(ModuleInstance(), pszTemplate, hWnd, SetupPanelProc, 0);
    if (hPanel == NULL)
        return NULL;
    SetWindowLongA(hPanel, GWL_ID, PANEL_ID);
    pData->hSetupDlg = hPanel;
    return hPanel;
}
