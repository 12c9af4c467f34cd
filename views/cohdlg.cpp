// The coherence window: a modeless dialog with an N x N matrix of the
// analysis channels in use: headers, "No" on the diagonal, coherence
// spectra below it and band histograms above it.
#include "views/views.h"

#include "custom/qcustom.h"
#include "fftgrph/fftgraph.h"
#include "fftgrph/fftgrph.h"
#include "frame/layout.h"
#include "frame/module.h"
#include "frame/protocol.h"
#include "resource.h"
#include "views/viewwnd.h"
#include "wintool/wintool.h"

#define COH_FONT         14
#define COH_HEAD_STYLE   (WS_CHILD | WS_VISIBLE | 0x1A5)
#define COH_CELL_STYLE   (WS_CHILD | WS_VISIBLE | 0x1A3)
#define COH_GRAPH_STYLE  (WS_CHILD | WS_VISIBLE | 0x101)
#define COH_WORK_BYTES   131328
#define COH_REFRESH_ALL  0 // texts, layout and cells
#define COH_REFRESH_DATA 1 // texts and cells

// The window, the analysis window bound to it and that window's record.
static HWND s_hCohDlg;
static HWND hCohOwner;
static HGLOBAL hCohData;

// Properties of a coherence spectrum graph at creation.
static const struct {
    WPARAM wProp;
    LPARAM lValue;
} s_aCohGraphProps[] = {
    {FG_PROP_DRAWTYPE, FG_DRAW_COHERENCE}, {2, 2}, {3, 2}, {30, 1}, {19, 0}, {32, 0},
    {0x1000B, 0}, {0x2000B, 0xFF0000},
};

// Channels of the matrix, fixed when the window is made.
static int CohChannels(HWND hDlg)
{
    return (int)GetWindowLongPtrA(hDlg, DWLP_USER);
}

static const char *HeaderText(const FFTVIEWDATA *pData, int k)
{
    return pData->aAnalyCh[k].nHostCh < 0 ? "---" : pData->aAnalyCh[k].szLabel;
}

static HWND CreateCell(HWND hDlg, const char *pszClass, const char *pszText, DWORD dwStyle,
                       int nId)
{
    HWND hCtl = CreateWindowExA(0, pszClass, pszText, dwStyle, 2, 12, 100, 50, hDlg,
                                (HMENU)(INT_PTR)nId, ModuleInstance(), NULL);
    if (hCtl != NULL)
        SendMessageA(hCtl, WM_SETFONT, (WPARAM)WtGetFont(WT_FONT_HANDLE, COH_FONT), FALSE);
    return hCtl;
}

static void CreateSpectrumCell(HWND hDlg, int nId)
{
    HWND hGraph = CreateCell(hDlg, FG_GRAPH_CLASS, "Coh", COH_GRAPH_STYLE, nId);
    if (hGraph == NULL)
        return;
    for (const auto &prop : s_aCohGraphProps)
        SendMessageA(hGraph, FGM_SETPROP, prop.wProp, prop.lValue);
}

// The histogram of column i, row j shows the pair A = j, B = i (A < B).
static void CreateBandsCell(HWND hDlg, int nId, int i, int j)
{
    HWND hBands = CreateCell(hDlg, COHGRAPH_CLASS, "Band", COH_CELL_STYLE, nId);
    if (hBands == NULL)
        return;
    SendMessageA(hBands, QPM_SETNOTIFY, (WPARAM)hDlg, nId);
    SendMessageA(hBands, QPM_ATTACHDATA, 0, (LPARAM)hCohData);
    SendMessageA(hBands, QPM_SETVALUE, COH_ITEM_CHA, j);
    SendMessageA(hBands, QPM_SETVALUE, COH_ITEM_CHB, i);
}

static BOOL CoherenceDlg_InitDialog(HWND hDlg, const FFTVIEWDATA *pData)
{
    if (pData == NULL)
        return TRUE;
    int n = pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
    SetWindowLongPtrA(hDlg, DWLP_USER, n);
    for (int k = 0; k < n; k++) {
        CreateCell(hDlg, CC_STATIC_CLASS, HeaderText(pData, k), COH_HEAD_STYLE, IDC_COHCOLHEAD + k);
        CreateCell(hDlg, CC_STATIC_CLASS, HeaderText(pData, k), COH_HEAD_STYLE, IDC_COHROWHEAD + k);
    }
    int d = 0, f = 0, b = 0;
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < n; j++) {
            if (j == i)
                CreateCell(hDlg, CC_STATIC_CLASS, "No", COH_CELL_STYLE, IDC_COHDIAGONAL + d++);
            else if (j > i)
                CreateSpectrumCell(hDlg, IDC_COHSPECTRUM + f++);
            else
                CreateBandsCell(hDlg, IDC_COHBANDS + b++, i, j);
        }
    }
    PostMessageA(hDlg, WM_COMMAND, IDC_COHREFRESH, 0);
    return TRUE;
}

static void PlaceControl(HWND hDlg, int nId, int x, int y, int cx, int cy)
{
    HWND hCtl = GetDlgItem(hDlg, nId);
    if (hCtl != NULL)
        SetWindowPos(hCtl, HWND_TOP, x, y, cx, cy, SWP_NOACTIVATE);
}

static void CoherenceDlgLayout(HWND hDlg, int cx, int cy)
{
    HWND hClose = GetDlgItem(hDlg, IDOK);
    RECT rcClose = {0, 0, 0, 0};
    if (hClose != NULL)
        GetWindowRect(hClose, &rcClose);
    int w = rcClose.right - rcClose.left;
    int bh = rcClose.bottom - rcClose.top;
    PlaceControl(hDlg, IDOK, cx - w - 4, 4, w, bh);
    int n = CohChannels(hDlg);
    if (n <= 0)
        return;
    int lw = 8 * (int)WtGetFont(WT_FONT_WIDTH, COH_FONT) + 10;
    int W = cx - lw - 5;
    int H = cy - 2 * bh - 17;
    auto colX = [&](int k) { return lw + 2 + k * W / n; };
    auto colEnd = [&](int k) { return lw + 1 + (k + 1) * W / n; };
    auto rowY = [&](int k) { return 2 * bh + 12 + k * H / n; };
    auto rowEnd = [&](int k) { return 2 * bh + 11 + (k + 1) * H / n; };
    for (int k = 0; k < n; k++) {
        PlaceControl(hDlg, IDC_COHCOLHEAD + k, colX(k), bh + 12, colEnd(k) - colX(k), bh - 1);
        PlaceControl(hDlg, IDC_COHROWHEAD + k, 2, rowY(k), lw - 1, rowEnd(k) - rowY(k));
    }
    int d = 0, f = 0, b = 0;
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < n; j++) {
            int nId = j == i ? IDC_COHDIAGONAL + d++
                      : j > i ? IDC_COHSPECTRUM + f++
                              : IDC_COHBANDS + b++;
            PlaceControl(hDlg, nId, colX(i), rowY(j), colEnd(i) - colX(i), rowEnd(j) - rowY(j));
        }
    }
}

static void RefreshHeaders(HWND hDlg, const FFTVIEWDATA *pData)
{
    for (int k = 0; k < CohChannels(hDlg); k++) {
        SetDlgItemTextA(hDlg, IDC_COHCOLHEAD + k, HeaderText(pData, k));
        SetDlgItemTextA(hDlg, IDC_COHROWHEAD + k, HeaderText(pData, k));
    }
}

// The coherence spectrum of column channel i and row channel j; the graph
// copies the data while FGM_SETDATA runs.
static void RefreshSpectrum(HWND hGraph, const FFTVIEWDATA *pData, int i, int j, LONG *plWork)
{
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[i];
    if (hGraph == NULL || pCh->nHostCh < 0)
        return;
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_RATE, (LPARAM)pCh->nChRate);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_LINES, (LPARAM)pCh->nShowLines);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_POINTS, (LPARAM)pCh->nChFFTPoint);
    SendMessageA(hGraph, FGM_SETPROP, FG_PROP_MONITOR, 0);
    if (pData->aAnalyCh[j].nHostCh >= 0) {
        WORD wLines = LOWORD(FgCohGetSpectrum(pData->hFFTWork, i, j, plWork));
        SendMessageA(hGraph, FGM_SETDATA, MAKEWPARAM(0, wLines), (LPARAM)plWork);
    }
    SendMessageA(hGraph, FGM_REDRAW, FG_REDRAW_NORMAL, 0);
}

static void RefreshCells(HWND hDlg, const FFTVIEWDATA *pData)
{
    HGLOBAL hWork = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, COH_WORK_BYTES);
    LONG *plWork = hWork != NULL ? (LONG *)GlobalLock(hWork) : NULL;
    if (plWork == NULL) {
        GlobalFree(hWork);
        return;
    }
    int n = CohChannels(hDlg);
    int f = 0, b = 0;
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < n; j++) {
            if (j > i) {
                RefreshSpectrum(GetDlgItem(hDlg, IDC_COHSPECTRUM + f++), pData, i, j, plWork);
            } else if (j < i) {
                HWND hBands = GetDlgItem(hDlg, IDC_COHBANDS + b++);
                if (hBands != NULL)
                    InvalidateRect(hBands, NULL, TRUE);
            }
        }
    }
    GlobalUnlock(hWork);
    GlobalFree(hWork);
}

static void CoherenceDlgRefresh(HWND hDlg, const FFTVIEWDATA *pData, int nMode)
{
    if (nMode == COH_REFRESH_ALL || nMode == COH_REFRESH_DATA)
        RefreshHeaders(hDlg, pData);
    if (nMode == COH_REFRESH_ALL) {
        RECT rc;
        if (GetClientRect(hDlg, &rc))
            CoherenceDlgLayout(hDlg, rc.right, rc.bottom);
    }
    RefreshCells(hDlg, pData);
}

static void CoherenceDlg_Command(HWND hDlg, const FFTVIEWDATA *pData, int nId)
{
    if (pData == NULL)
        return;
    if (nId == IDOK)
        PostMessageA(hCohOwner, WM_COMMAND, IDC_COHERENCE, 0);
    else if (nId == IDC_COHREFRESH)
        CoherenceDlgRefresh(hDlg, pData, COH_REFRESH_ALL);
}

// The record forgets a window that is going, however it goes.
static void CoherenceDlg_Destroy(HWND hDlg, FFTVIEWDATA *pData)
{
    if (hDlg != s_hCohDlg)
        return;
    s_hCohDlg = NULL;
    if (pData != NULL && pData->hCohWnd == hDlg)
        pData->hCohWnd = NULL;
}

static INT_PTR CoherenceDlg_Dispatch(HWND hDlg, FFTVIEWDATA *pData, UINT uMsg, WPARAM wParam,
                                     LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        return CoherenceDlg_InitDialog(hDlg, pData);
    case WM_SIZE:
        if (pData != NULL)
            CoherenceDlgLayout(hDlg, (SHORT)LOWORD(lParam), (SHORT)HIWORD(lParam));
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_DESTROY:
        CoherenceDlg_Destroy(hDlg, pData);
        return TRUE;
    case WM_COMMAND:
        CoherenceDlg_Command(hDlg, pData, LOWORD(wParam));
        return FALSE;
    case QPM_REFRESH:
        if (pData != NULL)
            CoherenceDlgRefresh(hDlg, pData, LOWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}

static INT_PTR CALLBACK CoherenceDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    HGLOBAL hData = hCohData;
    FFTVIEWDATA *pData = hData != NULL ? (FFTVIEWDATA *)GlobalLock(hData) : NULL;
    INT_PTR nResult = CoherenceDlg_Dispatch(hDlg, pData, uMsg, wParam, lParam);
    if (pData != NULL)
        GlobalUnlock(hData);
    return nResult;
}

// Another analysis window's coherence window is closed before this one
// opens its own; that window learns it through its button state.
static void CloseForeignWindow(void)
{
    if (s_hCohDlg == NULL)
        return;
    HWND hOldOwner = hCohOwner;
    DestroyWindow(s_hCohDlg);
    if (hOldOwner != NULL)
        PostMessageA(hOldOwner, QPM_REFRESHSTATE, 0, 0);
}

HWND CoherenceDlgToggle(HWND hWnd, HGLOBAL hData, FFTVIEWDATA *pData)
{
    if (pData->hCohWnd != NULL) {
        // A handle another window's opening has closed is merely forgotten.
        if (pData->hCohWnd == s_hCohDlg) {
            hCohOwner = hWnd;
            hCohData = hData;
            SendMessageA(s_hCohDlg, WM_CLOSE, 0, 0);
        }
        return NULL;
    }
    CloseForeignWindow();
    hCohOwner = hWnd;
    hCohData = hData;
    s_hCohDlg = CreateDialogParamA(ModuleInstance(), "COHERENCEDLG", hWnd, CoherenceDlgProc, 0);
    return s_hCohDlg;
}

void CoherenceDlgOwnerDestroyed(HWND hWnd)
{
    if (hWnd != hCohOwner)
        return;
    if (s_hCohDlg != NULL)
        DestroyWindow(s_hCohDlg);
    hCohOwner = NULL;
    hCohData = NULL;
}
