// The window procedure part the result views share: window bytes, the
// common messages, the context menu with its copy commands, and the picture
// and text exports.
#include "views/viewwnd.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "frame/protocol.h"

// Single-precision 0.01 used in double arithmetic, as the frequencies and
// percentages are scaled everywhere in the plug-in.
#define HUNDREDTH ((double)0.01f)

char ViewSeparator(int nMode)
{
    switch (nMode) {
    case 1:
        return ' ';
    case 2:
        return '\t';
    default:
        return ',';
    }
}

void ViewTextAppend(VIEWTEXT *pText, const char *pszPart, size_t cbMax)
{
    size_t cbRoom = VIEW_TEXT_BYTES - 1 - pText->cbUsed;
    size_t cb = 0;
    while (cb < cbMax && cb < cbRoom && pszPart[cb] != '\0')
        cb++;
    memcpy(pText->pszText + pText->cbUsed, pszPart, cb);
    pText->cbUsed += cb;
    pText->pszText[pText->cbUsed] = '\0';
}

void ViewTextf(VIEWTEXT *pText, const char *pszFormat, ...)
{
    char szPart[128];
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(szPart, sizeof(szPart), pszFormat, args);
    va_end(args);
    ViewTextAppend(pText, szPart, sizeof(szPart));
}

void ViewTextSep(VIEWTEXT *pText)
{
    char szSep[2] = {pText->chSep, '\0'};
    ViewTextAppend(pText, szSep, 1);
}

void ViewTextEol(VIEWTEXT *pText)
{
    ViewTextAppend(pText, "\r\n", 2);
}

void ViewTextRange(VIEWTEXT *pText, const FREQBAND *pBand)
{
    ViewTextf(pText, "%3.2f\x81\x60%3.2f", pBand->nMinFreq * HUNDREDTH,
              pBand->nMaxFreq * HUNDREDTH);
}

HGLOBAL ViewGetText(HWND hWnd, const FFTVIEWDATA *pData, int nSepMode, VIEWTEXTBODY pfnBody)
{
    if (pData == NULL)
        return NULL;
    HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, VIEW_TEXT_BYTES);
    if (hText == NULL)
        return NULL;
    VIEWTEXT text = {(char *)GlobalLock(hText), 0, ViewSeparator(nSepMode)};
    if (text.pszText == NULL)
        return hText;
    pfnBody(hWnd, pData, &text);
    GlobalUnlock(hText);
    return hText;
}

static void View_Command(const VIEWCLASS *pClass, HWND hWnd, const FFTVIEWDATA *pData, int nId)
{
    if (pData == NULL)
        return;
    if (nId == IDM_COPYGRAPHIMAGE) {
        HANDLE hImage = ViewGetImage(hWnd, pData, VIEW_IMAGE_EMF, pClass->pfnDraw);
        if (hImage != NULL)
            ViewCopyToClipboard(hWnd, CF_ENHMETAFILE, hImage);
    } else if (nId == IDM_COPYTEXTDATA) {
        HGLOBAL hText = ViewGetText(hWnd, pData, 2, pClass->pfnText);
        if (hText != NULL)
            ViewCopyToClipboard(hWnd, CF_TEXT, hText);
    }
}

static void View_Paint(const VIEWCLASS *pClass, HWND hWnd, const FFTVIEWDATA *pData)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (hdc != NULL && pData != NULL)
        pClass->pfnDraw(hWnd, hdc, pData);
    EndPaint(hWnd, &ps);
}

static LRESULT View_Dispatch(const VIEWCLASS *pClass, HWND hWnd, const FFTVIEWDATA *pData,
                             UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_ENABLE:
        InvalidateRect(hWnd, NULL, FALSE);
        return 0;
    case WM_PAINT:
        View_Paint(pClass, hWnd, pData);
        return 0;
    case WM_PRINTCLIENT:
        // The same drawing into a device context the caller names, as for
        // a picture of the window.
        if (pData != NULL)
            pClass->pfnDraw(hWnd, (HDC)wParam, pData);
        return 0;
    case WM_SETFONT:
        SetWindowLongPtrA(hWnd, VWW_FONT, (LONG_PTR)wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_RBUTTONDOWN:
        if (pData != NULL)
            GraphPopupMenu(hWnd);
        return 0;
    case WM_COMMAND:
        View_Command(pClass, hWnd, pData, LOWORD(wParam));
        return 0;
    case QPM_SETNOTIFY:
        SetWindowLongPtrA(hWnd, VWW_NOTIFYWND, (LONG_PTR)wParam);
        SetWindowWord(hWnd, VWW_ID, LOWORD(lParam));
        return 0;
    case QPM_ATTACHDATA:
        SetWindowLongPtrA(hWnd, VWW_DATA, lParam);
        return LOWORD(wParam);
    case QPM_VIEWNOOP:
        return 0;
    case QPM_GETGRAPHIMAGE:
        return (LRESULT)ViewGetImage(hWnd, pData, LOWORD(wParam), pClass->pfnDraw);
    case QPM_GETGRAPHTEXT:
        return (LRESULT)ViewGetText(hWnd, pData, LOWORD(lParam), pClass->pfnText);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

LRESULT ViewWndProc(const VIEWCLASS *pClass, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    HGLOBAL hData = (HGLOBAL)GetWindowLongPtrA(hWnd, VWW_DATA);
    const FFTVIEWDATA *pData = hData != NULL ? (const FFTVIEWDATA *)GlobalLock(hData) : NULL;
    LRESULT lResult = View_Dispatch(pClass, hWnd, pData, uMsg, wParam, lParam);
    if (pData != NULL)
        GlobalUnlock(hData);
    return lResult;
}
