// Creation of the analysis window's children: the spectrum graphs, the bar
// graphs, the status line and the command buttons.
#include "frame/layout.h"

#include <string.h>

#include "custom/qcustom.h"
#include "fftgrph/fftgraph.h"
#include "frame/module.h"
#include "frame/protocol.h"
#include "settings/setupdlg.h"
#include "wintool/wintool.h"

// Placeholder rectangle of a new child; the layout moves it at once.
#define CHILD_X 2
#define CHILD_Y 12
#define CHILD_CX 100
#define CHILD_CY 80

#define GRAPH_STYLE 0x40000101
#define BARGRAPH_STYLE 0x500001A1

// Face and checked colours of every command button.
#define BUTTON_FACE_COLOR 0xF0C8A0
#define BUTTON_CHECKED_COLOR 0x00FFFF

// The status and command controls, in the order they are created.
static const struct {
    int nId;
    const char *pszClass;
    const char *pszText;
    DWORD dwStyle;
    int nFont;
} s_aControls[] = {
    {IDC_HISTOGRAM, CC_TEXTBTN_CLASS, "FFT/HISTOGRAM", 0x500041A1, 0},
    {IDC_MONITOR, CC_TEXTBTN_CLASS, "FFT Monitor", 0x500041A1, 0},
    {IDC_COUNTLABEL, CC_STATIC_CLASS, "Count ", 0x500000B5, 0},
    {IDC_COUNT, CC_STATIC_CLASS, "0", 0x500001A1, 7},
    {IDC_ADDSTATE, CC_STATIC_CLASS, "", 0x500001A3, 7},
    {IDC_BANDSETUP, CC_TEXTBTN_CLASS, "Band Setup", 0x500042A0, 0},
    {IDC_ADD, CC_TEXTBTN_CLASS, "ADD (F1)", 0x500042A0, 0},
    {IDC_CLEAR, CC_TEXTBTN_CLASS, "CLEAR", 0x500042A0, 0},
    {IDC_COHERENCE, CC_TEXTBTN_CLASS, "Coherence", 0x500042A1, 0},
    {IDC_SAVE, CC_TEXTBTN_CLASS, "Save..", 0x500042A0, 0},
};

// Creation-time properties of a spectrum graph besides its magnification.
static const struct {
    WPARAM wProp;
    LPARAM lValue;
} s_aGraphProps[] = {
    {2, 2}, {3, 2}, {FG_PROP_MAG, 0}, {30, 1}, {19, 0}, {32, 1}, {0x1000B, 0}, {0x2000B, 0xFF0000},
};

// Creates child nId with its font. The children are made once: a host that
// names the settings folder again gets no second set (NULL, nothing done).
static HWND CreateChild(HWND hWnd, const char *pszClass, const char *pszText, DWORD dwStyle,
                        int nId, int nFont)
{
    if (GetDlgItem(hWnd, nId) != NULL)
        return NULL;
    HWND hChild = CreateWindowExA(0, pszClass, pszText, dwStyle, CHILD_X, CHILD_Y, CHILD_CX,
                                  CHILD_CY, hWnd, (HMENU)(INT_PTR)nId, ModuleInstance(), NULL);
    if (hChild != NULL)
        SendMessageA(hChild, WM_SETFONT, (WPARAM)WtGetFont(WT_FONT_HANDLE, nFont), FALSE);
    return hChild;
}

static void CreateGraph(HWND hWnd, const FFTVIEWDATA *pData, int j)
{
    HWND hGraph = CreateChild(hWnd, FG_GRAPH_CLASS, "FFT Graph", GRAPH_STYLE,
                              IDC_GRAPH_FIRST + j, 0);
    if (hGraph == NULL)
        return;
    for (const auto &prop : s_aGraphProps) {
        LPARAM lValue = prop.wProp == FG_PROP_MAG ? (LPARAM)pData->nFFTViewMag : prop.lValue;
        SendMessageA(hGraph, FGM_SETPROP, prop.wProp, lValue);
    }
}

static void CreateBarGraph(HWND hWnd, const FFTVIEWDATA *pData, int j)
{
    int nId = IDC_BARGRAPH_FIRST + j;
    HWND hBar = CreateChild(hWnd, BARGRAPH_CLASS, "", BARGRAPH_STYLE, nId, 0);
    if (hBar == NULL)
        return;
    SendMessageA(hBar, QPM_SETNOTIFY, (WPARAM)hWnd, nId);
    SendMessageA(hBar, QPM_ATTACHDATA, 0, (LPARAM)pData->hSelf);
}

void CreateAnalyChildren(HWND hWnd, FFTVIEWDATA *pData)
{
    if (GetDlgItem(hWnd, IDC_SETUPPANEL) == NULL)
        CreateSetupPanel(hWnd, pData);
    for (int j = 0; j < FV_ANALYCH; j++) {
        CreateGraph(hWnd, pData, j);
        CreateBarGraph(hWnd, pData, j);
    }
    for (const auto &ctl : s_aControls) {
        HWND hCtl = CreateChild(hWnd, ctl.pszClass, ctl.pszText, ctl.dwStyle, ctl.nId, ctl.nFont);
        if (hCtl == NULL || strcmp(ctl.pszClass, CC_TEXTBTN_CLASS) != 0)
            continue;
        SendMessageA(hCtl, CBM_SETCOLOR, CB_COLOR_FACE, BUTTON_FACE_COLOR);
        SendMessageA(hCtl, CBM_SETCOLOR, CB_COLOR_CHECKED, BUTTON_CHECKED_COLOR);
    }
}
