// The spectrum graph control: its record, window procedure and the user's
// mouse actions. Painting is graphdraw.cpp's.
#include <string.h>

#include "fftgraph.h"
#include "graphint.h"

namespace {

// One notch of the mouse wheel, as Windows reports it in WM_MOUSEWHEEL.
const int kWheelNotch = 120;

HGLOBAL GraphHandle(HWND hwnd)
{
    return (HGLOBAL)GetWindowLongPtrA(hwnd, 0);
}

void GRAPH_Notify(HWND hwnd, WORD wCode)
{
    HWND hwndParent = GetParent(hwnd);
    if (hwndParent == NULL)
        return;
    SendMessageA(hwndParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), wCode), (LPARAM)hwnd);
}

int GRAPH_FindProp(const FFTGRAPHDATA *p, DWORD dwId)
{
    for (int i = 0; i < p->nProps; i++)
        if (p->aProp[i].dwId == dwId)
            return i;
    return -1;
}

LONG GRAPH_GetProp(const FFTGRAPHDATA *p, DWORD dwId)
{
    return GraphProp(p, dwId);
}

BOOL GRAPH_SetProp(FFTGRAPHDATA *p, DWORD dwId, LONG nValue)
{
    int i = GRAPH_FindProp(p, dwId);
    if (i < 0) {
        if (p->nProps >= FG_GRAPH_MAXPROPS)
            return FALSE;
        i = p->nProps++;
        p->aProp[i].dwId = dwId;
    }
    p->aProp[i].nValue = nValue;
    return TRUE;
}

// Copies a caller's lines into one of the record's data sets, so the
// caller may unlock or free its buffer when the message returns.
LRESULT GRAPH_SetData(LONG *pnDst, LONG *pnCount, WORD wLines, const LONG *pnSrc)
{
    if (wLines == 0) {
        *pnCount = 0;
        return 0;
    }
    if (pnSrc == NULL)
        return 0;
    LONG nLines = wLines > FG_GRAPH_MAXLINES ? FG_GRAPH_MAXLINES : wLines;
    memcpy(pnDst, pnSrc, size_t(nLines) * sizeof(LONG));
    *pnCount = nLines;
    return nLines;
}

LRESULT GRAPH_GetData(const LONG *pnSrc, LONG nCount, WPARAM nCapacity, LONG *pnDst)
{
    if (pnDst != NULL) {
        size_t nCopy = nCapacity < size_t(nCount) ? nCapacity : size_t(nCount);
        memcpy(pnDst, pnSrc, nCopy * sizeof(LONG));
    }
    return nCount;
}

// The slot of a FG_VALUE_* id, or NULL for any other id.
float *GRAPH_ValueSlot(FFTGRAPHDATA *p, WPARAM wId)
{
    if ((wId & ~WPARAM(FG_VALUE_ADD | FG_VALUE_EDGE)) != 0)
        return NULL;
    return &p->afValue[(wId & FG_VALUE_ADD) ? 1 : 0][wId & FG_VALUE_EDGE];
}

LRESULT GRAPH_SetValue(FFTGRAPHDATA *p, WPARAM wId, const float *pfValue)
{
    float *pfSlot = GRAPH_ValueSlot(p, wId);
    if (pfSlot == NULL || pfValue == NULL)
        return FALSE;
    *pfSlot = *pfValue;
    return TRUE;
}

LRESULT GRAPH_GetValue(FFTGRAPHDATA *p, WPARAM wId, float *pfValue)
{
    float *pfSlot = GRAPH_ValueSlot(p, wId);
    if (pfSlot == NULL || pfValue == NULL)
        return FALSE;
    *pfValue = *pfSlot;
    return TRUE;
}

LRESULT GRAPH_SetText(FFTGRAPHDATA *p, WPARAM wId, LPARAM lParam)
{
    switch (wId) {
    case FG_TEXT_TITLE: {
        LPCSTR pszTitle = (LPCSTR)lParam;
        if (pszTitle == NULL)
            return FALSE;
        size_t cch = strnlen(pszTitle, FG_GRAPH_MAXTITLE - 1);
        memcpy(p->szTitle, pszTitle, cch);
        p->szTitle[cch] = '\0';
        return TRUE;
    }
    case FG_TEXT_SHOWTITLE:
        p->nShowTitle = (LONG)lParam;
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT GRAPH_GetTitle(const FFTGRAPHDATA *p, WPARAM nCapacity, LPSTR pszBuf)
{
    if (pszBuf == NULL || nCapacity == 0)
        return 0;
    size_t cch = strlen(p->szTitle);
    if (cch > nCapacity - 1)
        cch = nCapacity - 1;
    memcpy(pszBuf, p->szTitle, cch);
    pszBuf[cch] = '\0';
    return LRESULT(cch);
}

LRESULT GRAPH_SetSync(FFTGRAPHDATA *p, WORD wItem, LONG nValue)
{
    switch (wItem) {
    case FG_SYNC_FREQ:
        p->nCursorFreq = nValue;
        return TRUE;
    case FG_SYNC_STATE:
        p->wCursorOn = nValue != 0;
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT GRAPH_GetSync(const FFTGRAPHDATA *p, WPARAM wItem)
{
    switch (wItem) {
    case FG_SYNC_FREQ:
        return p->nCursorFreq;
    case FG_SYNC_STATE:
        return p->wCursorOn;
    default:
        return 0;
    }
}

// Code 10 follows a CLEAR: the ADD average it showed is gone. Code 11
// shows "no data" until the next redraw with another code.
LRESULT GRAPH_Redraw(HWND hwnd, FFTGRAPHDATA *p, LONG nCode)
{
    if (nCode == FG_REDRAW_CLEAR)
        p->nAddLines = 0;
    p->nRedrawCode = nCode;
    p->dwRedrawCount++;
    InvalidateRect(hwnd, NULL, TRUE);
    return 0;
}

// A graph can place a cursor only once it knows its FFT size and rate.
bool GRAPH_HasScale(const FFTGRAPHDATA *p)
{
    return GRAPH_GetProp(p, FG_PROP_POINTS) > 1 && GRAPH_GetProp(p, FG_PROP_RATE) > 0;
}

// The plot area as the painter lays it out with the graph's font.
void GRAPH_PlotRect(HWND hwnd, const FFTGRAPHDATA *p, RECT *prcPlot)
{
    RECT rcClient;
    GetClientRect(hwnd, &rcClient);
    GRAPHSCALE scale;
    HDC hdc = GetDC(hwnd);
    GraphScale(hdc, &rcClient, p, &scale);
    if (hdc != NULL)
        ReleaseDC(hwnd, hdc);
    *prcPlot = scale.rcPlot;
}

// The frequency (0.01 Hz) of the spectral line nearest to client x, or -1
// when the graph has no scale or x lies outside the plot width.
LONG GRAPH_FreqAtX(const FFTGRAPHDATA *p, const RECT *prcPlot, int x)
{
    const LONGLONG nPoints = GRAPH_GetProp(p, FG_PROP_POINTS);
    const LONGLONG nRate = GRAPH_GetProp(p, FG_PROP_RATE);
    const LONGLONG nWidth = prcPlot->right - prcPlot->left;
    if (!GRAPH_HasScale(p) || nWidth <= 0 || x < prcPlot->left || x >= prcPlot->right)
        return -1;
    LONGLONG nShown = GRAPH_GetProp(p, FG_PROP_LINES);
    if (nShown <= 0 || nShown > nPoints / 2)
        nShown = nPoints / 2;
    LONGLONG nLine = ((x - prcPlot->left) * 2 * nShown + nWidth) / (2 * nWidth);
    if (nLine > nShown - 1)
        nLine = nShown - 1;
    return LONG((nLine * nRate * 200 + nPoints) / (2 * nPoints));
}

LRESULT GRAPH_LButtonDown(HWND hwnd, FFTGRAPHDATA *p, int x, int y)
{
    if (!GRAPH_HasScale(p))
        return 0;
    RECT rcPlot;
    GRAPH_PlotRect(hwnd, p, &rcPlot);
    LONG nFreq = GRAPH_FreqAtX(p, &rcPlot, x);
    if (nFreq >= 0 && y >= rcPlot.top && y < rcPlot.bottom) {
        p->nCursorFreq = nFreq;
        p->wCursorOn = 1;
    } else {
        p->wCursorOn = 0;
    }
    InvalidateRect(hwnd, NULL, FALSE);
    GRAPH_Notify(hwnd, FGN_CURSOR);
    return 0;
}

LRESULT GRAPH_LButtonDblClk(HWND hwnd, FFTGRAPHDATA *p)
{
    LONG nType = GRAPH_GetProp(p, FG_PROP_DRAWTYPE);
    if (nType == FG_DRAW_COHERENCE)
        return 0;
    nType = (nType >= FG_DRAW_LINE && nType < FG_DRAW_FILLED) ? nType + 1 : FG_DRAW_LINE;
    if (!GRAPH_SetProp(p, FG_PROP_DRAWTYPE, nType))
        return 0;
    InvalidateRect(hwnd, NULL, TRUE);
    GRAPH_Notify(hwnd, FGN_TYPECHANGED);
    return 0;
}

LRESULT GRAPH_MouseWheel(HWND hwnd, FFTGRAPHDATA *p, int nDelta)
{
    const LONG nOld = GRAPH_GetProp(p, FG_PROP_MAG);
    LONG nMag = nOld < 1 ? 1 : nOld;
    int nNotches = nDelta / kWheelNotch;
    if (nNotches == 0 && nDelta != 0)
        nNotches = nDelta > 0 ? 1 : -1;
    for (; nNotches > 0; nNotches--)
        nMag = nMag >= FG_MAG_MAX / 2 ? FG_MAG_MAX : nMag * 2;
    for (; nNotches < 0; nNotches++)
        nMag = nMag > FG_MAG_MAX ? FG_MAG_MAX : (nMag / 2 < 1 ? 1 : nMag / 2);
    if (nMag == nOld || !GRAPH_SetProp(p, FG_PROP_MAG, nMag))
        return 0;
    InvalidateRect(hwnd, NULL, TRUE);
    GRAPH_Notify(hwnd, FGN_MAGCHANGED);
    return 0;
}

LRESULT GRAPH_SetFont(HWND hwnd, FFTGRAPHDATA *p, HFONT hFont, BOOL bRedraw)
{
    p->hFont = hFont;
    if (bRedraw)
        InvalidateRect(hwnd, NULL, TRUE);
    return 0;
}

LRESULT GRAPH_Paint(HWND hwnd, const FFTGRAPHDATA *p)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc != NULL) {
        RECT rcClient;
        GetClientRect(hwnd, &rcClient);
        GraphPaint(hdc, &rcClient, p);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

// Drawing into a caller's context: a memory DC, a metafile, a picture.
LRESULT GRAPH_PrintClient(HWND hwnd, const FFTGRAPHDATA *p, HDC hdc)
{
    RECT rcClient;
    if (hdc != NULL && GetClientRect(hwnd, &rcClient))
        GraphPaint(hdc, &rcClient, p);
    return 0;
}

LRESULT GRAPH_Create(HWND hwnd)
{
    HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(FFTGRAPHDATA));
    if (hData == NULL)
        return -1;
    FFTGRAPHDATA *p = (FFTGRAPHDATA *)GlobalLock(hData);
    if (p == NULL) {
        GlobalFree(hData);
        return -1;
    }
    p->nRedrawCode = -1;
    GlobalUnlock(hData);
    SetWindowLongPtrA(hwnd, 0, (LONG_PTR)hData);
    return 0;
}

void GRAPH_Destroy(HWND hwnd)
{
    HGLOBAL hData = GraphHandle(hwnd);
    SetWindowLongPtrA(hwnd, 0, 0);
    if (hData != NULL)
        GlobalFree(hData);
}

LRESULT GRAPH_Dispatch(HWND hwnd, FFTGRAPHDATA *p, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case FGM_SETPROP:
        return GRAPH_SetProp(p, DWORD(wParam), LONG(lParam));
    case FGM_GETPROP:
        return GRAPH_GetProp(p, DWORD(wParam));
    case FGM_SETDATA:
        return GRAPH_SetData(p->anData, &p->nLines, HIWORD(wParam), (const LONG *)lParam);
    case FGM_SETADDDATA:
        return GRAPH_SetData(p->anAddData, &p->nAddLines, HIWORD(wParam), (const LONG *)lParam);
    case FGM_REDRAW:
        return GRAPH_Redraw(hwnd, p, LONG(wParam));
    case FGM_SETADDMODE:
        p->wAddMode = wParam != 0;
        return 0;
    case FGM_SETSYNC:
        return GRAPH_SetSync(p, LOWORD(wParam), LONG(lParam));
    case FGM_GETSYNC:
        return GRAPH_GetSync(p, wParam);
    case FGM_SETTEXT:
        return GRAPH_SetText(p, wParam, lParam);
    case FGM_SETVALUE:
        return GRAPH_SetValue(p, wParam, (const float *)lParam);
    case FGM_GETDATA:
        return GRAPH_GetData(p->anData, p->nLines, wParam, (LONG *)lParam);
    case FGM_GETADDDATA:
        return GRAPH_GetData(p->anAddData, p->nAddLines, wParam, (LONG *)lParam);
    case FGM_GETVALUE:
        return GRAPH_GetValue(p, wParam, (float *)lParam);
    case FGM_GETTITLE:
        return GRAPH_GetTitle(p, wParam, (LPSTR)lParam);
    case FGM_GETTEXTSW:
        return p->nShowTitle;
    case FGM_GETADDMODE:
        return p->wAddMode;
    case FGM_GETREDRAW:
        return wParam == 0 ? LRESULT(p->nRedrawCode) : LRESULT(p->dwRedrawCount);
    case WM_PAINT:
        return GRAPH_Paint(hwnd, p);
    case WM_PRINTCLIENT:
        return GRAPH_PrintClient(hwnd, p, (HDC)wParam);
    case WM_ERASEBKGND:
        return 1;  // the painter fills the whole client area
    case WM_SETFONT:
        return GRAPH_SetFont(hwnd, p, (HFONT)wParam, LOWORD(lParam));
    case WM_GETFONT:
        return (LRESULT)p->hFont;
    case WM_LBUTTONDOWN:
        return GRAPH_LButtonDown(hwnd, p, (short)LOWORD(lParam), (short)HIWORD(lParam));
    case WM_LBUTTONDBLCLK:
        return GRAPH_LButtonDblClk(hwnd, p);
    case WM_MOUSEWHEEL:
        return GRAPH_MouseWheel(hwnd, p, (short)HIWORD(wParam));
    default:
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
}

// The record is locked for one message. A notification sent to the parent
// is always a handler's last act, because the parent may destroy the graph
// while it answers; the unlock then finds the slot cleared and skips.
LRESULT CALLBACK GRAPH_WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE:
        return GRAPH_Create(hwnd);
    case WM_NCDESTROY:
        GRAPH_Destroy(hwnd);
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    default:
        break;
    }
    HGLOBAL hData = GraphHandle(hwnd);
    FFTGRAPHDATA *p = hData ? (FFTGRAPHDATA *)GlobalLock(hData) : NULL;
    if (p == NULL)
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    LRESULT lResult = GRAPH_Dispatch(hwnd, p, uMsg, wParam, lParam);
    if (IsWindow(hwnd) && GraphHandle(hwnd) == hData)
        GlobalUnlock(hData);
    return lResult;
}

}  // namespace

LONG GraphProp(const FFTGRAPHDATA *p, DWORD dwId)
{
    int i = GRAPH_FindProp(p, dwId);
    return i < 0 ? 0 : p->aProp[i].nValue;
}

extern "C" QF_EXPORT BOOL WINAPI FgRegisterGraphClass(void)
{
    // The module's own instance: the class belongs to this library, and
    // CS_GLOBALCLASS lets the plug-in create it with its own instance.
    HINSTANCE hInstance = GetModuleHandleA("QFFTGRPH.dll");
    WNDCLASSA wc = {};
    if (GetClassInfoA(hInstance, FG_GRAPH_CLASS, &wc))
        return TRUE;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = GRAPH_WindowProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(NULL, IDC_CROSS);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = FG_GRAPH_CLASS;
    return RegisterClassA(&wc) != 0;
}
