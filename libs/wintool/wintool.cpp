// QWINTOOL: shared fonts and the dialog services of the plug-in's dialogs.
#include "wintool.h"

// Look of each font number: height in pixels, weight.
static const struct {
    int nHeight;
    int nWeight;
} s_aFontLook[WT_FONT_COUNT] = {
    {12, FW_NORMAL}, {12, FW_NORMAL}, {10, FW_NORMAL}, {11, FW_NORMAL},
    {13, FW_NORMAL}, {14, FW_BOLD},   {16, FW_NORMAL}, {16, FW_BOLD},
    {18, FW_NORMAL}, {18, FW_BOLD},   {20, FW_NORMAL}, {20, FW_BOLD},
    {24, FW_NORMAL}, {24, FW_BOLD},   {14, FW_NORMAL}, {12, FW_BOLD},
};

#define FONT_FACE "MS UI Gothic"

static HFONT s_ahFont[WT_FONT_COUNT];

static HFONT FontOf(int nFont)
{
    if (s_ahFont[nFont] == NULL)
        s_ahFont[nFont] = CreateFontA(-s_aFontLook[nFont].nHeight, 0, 0, 0,
                                      s_aFontLook[nFont].nWeight, FALSE, FALSE, FALSE,
                                      SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, FONT_FACE);
    return s_ahFont[nFont];
}

static int AverageCharWidth(HFONT hFont)
{
    HDC hdc = GetDC(NULL);
    if (hdc == NULL)
        return 0;
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    int nWidth = GetTextMetricsA(hdc, &tm) ? tm.tmAveCharWidth : 0;
    SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);
    return nWidth;
}

extern "C" QF_EXPORT UINT_PTR WINAPI WtGetFont(int nKind, int nFont)
{
    if (nFont < 0 || nFont >= WT_FONT_COUNT)
        return 0;
    HFONT hFont = FontOf(nFont);
    if (hFont == NULL)
        return 0;
    switch (nKind) {
    case WT_FONT_HANDLE:
        return (UINT_PTR)hFont;
    case WT_FONT_WIDTH:
        return (UINT_PTR)AverageCharWidth(hFont);
    default:
        return 0;
    }
}

// Moves hDlg so that its centre is that of rcOver, kept inside the screen.
static void CentreOver(HWND hDlg, const RECT *prcOver)
{
    RECT rc;
    if (!GetWindowRect(hDlg, &rc))
        return;
    int cx = rc.right - rc.left;
    int cy = rc.bottom - rc.top;
    int x = (prcOver->left + prcOver->right - cx) / 2;
    int y = (prcOver->top + prcOver->bottom - cy) / 2;
    int cxScreen = GetSystemMetrics(SM_CXSCREEN);
    int cyScreen = GetSystemMetrics(SM_CYSCREEN);
    if (x + cx > cxScreen)
        x = cxScreen - cx;
    if (y + cy > cyScreen)
        y = cyScreen - cy;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    SetWindowPos(hDlg, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

extern "C" QF_EXPORT void WINAPI WtInitDialog(HWND hDlg)
{
    if (!IsWindow(hDlg))
        return;
    RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    CentreOver(hDlg, &rcScreen);
}

extern "C" QF_EXPORT void WINAPI WtInitDialogOver(HWND hDlg, HWND hParent)
{
    if (!IsWindow(hDlg))
        return;
    RECT rcParent;
    if (hParent == NULL || !GetWindowRect(hParent, &rcParent)) {
        WtInitDialog(hDlg);
        return;
    }
    CentreOver(hDlg, &rcParent);
}

// Generic procedure of WtDialogBox: every button ends the dialog with its id.
static INT_PTR CALLBACK WtDialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        WtInitDialogOver(hDlg, GetWindow(hDlg, GW_OWNER));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            EndDialog(hDlg, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

extern "C" QF_EXPORT INT_PTR WINAPI WtDialogBox(HWND hOwner, HINSTANCE hInstance, int nId)
{
    return DialogBoxParamA(hInstance, MAKEINTRESOURCEA(nId), hOwner, WtDialogProc, 0);
}

extern "C" QF_EXPORT BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason != DLL_PROCESS_DETACH)
        return TRUE;
    for (HFONT &hFont : s_ahFont) {
        if (hFont != NULL)
            DeleteObject(hFont);
        hFont = NULL;
    }
    return TRUE;
}
