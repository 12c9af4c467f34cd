// Layout of the analysis window's children and its frame: measures the
// row height and the setup panel, takes the geometry of CalcAnalyLayout
// (layoutcalc.cpp) and moves the children.
#include "frame/layout.h"

#include "custom/qcustom.h"
#include "wintool/wintool.h"

namespace {

// Row height of the status line and the buttons: 5/4 of font 1's cell.
int RowHeight(void)
{
    HDC hdc = GetDC(NULL);
    if (hdc == NULL)
        return 2;
    HGDIOBJ hOld = SelectObject(hdc, (HFONT)WtGetFont(WT_FONT_HANDLE, 1));
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);
    return 5 * tm.tmHeight / 4 + 2;
}

// The setup panel: hSetupDlg, or the child that carries its id.
HWND SetupPanel(HWND hWnd, const FFTVIEWDATA *pData)
{
    return pData->hSetupDlg != NULL ? pData->hSetupDlg : GetDlgItem(hWnd, IDC_SETUPPANEL);
}

}  // namespace

void LayoutChildren(HWND hWnd, FFTVIEWDATA *pData, int nWidth, int nHeight)
{
    ANALYLAYOUTIN in = {};
    in.nWidth = nWidth;
    in.nHeight = nHeight;
    in.nRowHeight = RowHeight();
    HWND hPanel = SetupPanel(hWnd, pData);
    RECT rcPanel;
    in.nPanelWidth = (hPanel != NULL && GetClientRect(hPanel, &rcPanel)) ? rcPanel.right : -1;
    in.nAnalyCh = pData->wAnalyCh;
    in.fHistogram = pData->wHistogram != 0;
    in.fCoherence = pData->wCohEnable > 0;
    ANALYPLACE aPlace[ANALY_MAXPLACES];
    const int n = CalcAnalyLayout(&in, aPlace);
    for (int i = 0; i < n; i++) {
        const ANALYPLACE &pl = aPlace[i];
        HWND hChild = pl.nId == IDC_SETUPPANEL ? hPanel : GetDlgItem(hWnd, pl.nId);
        if (hChild == NULL)
            continue;
        if (pl.nAction == PLACE_HIDE) {
            ShowWindow(hChild, SW_HIDE);
            continue;
        }
        SetWindowPos(hChild, NULL, pl.x, pl.y, pl.cx, pl.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE | (pl.nAction == PLACE_SHOW ? SWP_SHOWWINDOW : 0));
    }
}

// Style bits 0 and 1 ask for a frame; bit 1 chooses its kind and bits 8 to
// 11 its shade.
void PaintAnalyFrame(HWND hWnd, HDC hdc)
{
    LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
    if ((lStyle & 3) == 0)
        return;
    CcDrawFrame(hWnd, hdc, (int)(lStyle & 2), (int)((lStyle >> 8) & 15));
}
