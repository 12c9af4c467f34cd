// The channel table (QPANEFFTANALYCHTABLE): metrics, geometry and hit
// test, marking with the mouse, scrolling, and applying a menu choice to
// the marked rows. Painting is in chtbldraw.cpp, the menu in chtblmenu.cpp.
#include "views/chtable.h"

#include "frame/protocol.h"
#include "frame/textcopy.h"

static int Margin(HWND hWnd)
{
    return (int)((GetWindowLongA(hWnd, GWL_STYLE) >> 8) & 15);
}

// Row height from the control's font, rows that fit in nHeight pixels, and
// the scroll range they leave. A control too low for any row shows none
// (rather than a row count wrapped from a negative one).
static void ChTable_Metrics(HWND hWnd, FFTVIEWDATA *pData, int nHeight)
{
    HFONT hFont = (HFONT)GetWindowLongPtrA(hWnd, FVW_FONT);
    HDC hdc = GetDC(NULL);
    if (hdc == NULL)
        return;
    HGDIOBJ hOld = hFont != NULL ? SelectObject(hdc, hFont) : NULL;
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    if (hOld != NULL)
        SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);
    pData->nChTblRowHeight = tm.tmHeight + 6;
    LONG nRows = (nHeight - 2 * Margin(hWnd)) / pData->nChTblRowHeight;
    pData->nChTblRows = nRows > 0 ? (LONG)(WORD)nRows : 0;
    LONG nChannels = pData->wAnalyCh;
    if (pData->nChTblRows >= nChannels) {
        SetScrollRange(hWnd, SB_VERT, 0, 0, FALSE);
        pData->nChTblTop = 0;
    } else {
        SetScrollRange(hWnd, SB_VERT, 0, nChannels - pData->nChTblRows, FALSE);
    }
}

void ChTableGeometry(HWND hWnd, const FFTVIEWDATA *pData, CHTGEOMETRY *pGeo)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hWnd, &rc);
    int m = Margin(hWnd);
    pGeo->rcBody = {rc.left + m, rc.top + m, rc.right - m, rc.bottom - m};
    pGeo->nRowHeight = pData->nChTblRowHeight;
    pGeo->nRows = pData->nChTblRows;
    pGeo->nTop = pData->nChTblTop;
    pGeo->nChannels = pData->wAnalyCh < FV_ANALYCH ? pData->wAnalyCh : FV_ANALYCH;
    pGeo->nMid = pGeo->rcBody.left + 30 + (pGeo->rcBody.right - pGeo->rcBody.left - 29) / 2;
}

// Top of body slot i (1-based); slot i ends where slot i + 1 begins.
static int SlotTop(const CHTGEOMETRY *pGeo, int i)
{
    int nBody = pGeo->rcBody.bottom - pGeo->rcBody.top - pGeo->nRowHeight;
    return pGeo->rcBody.top + pGeo->nRowHeight + (i - 1) * nBody / pGeo->nRows;
}

void ChTableCell(const CHTGEOMETRY *pGeo, int nColumn, int nSlot, RECT *prc)
{
    static const int anLeft[] = {0, 30};
    const RECT &b = pGeo->rcBody;
    prc->left = nColumn == 2 ? pGeo->nMid : b.left + anLeft[nColumn];
    prc->right = nColumn == 0 ? b.left + 28 : (nColumn == 1 ? pGeo->nMid - 1 : b.right);
    if (nSlot == 0) {
        prc->top = b.top;
        prc->bottom = b.top + pGeo->nRowHeight - 1;
    } else {
        prc->top = SlotTop(pGeo, nSlot);
        prc->bottom = SlotTop(pGeo, nSlot + 1) - 1;
    }
}

BOOL ChTableHitTest(HWND hWnd, const FFTVIEWDATA *pData, int x, int y, int *pnColumn, int *pnRow)
{
    CHTGEOMETRY geo;
    ChTableGeometry(hWnd, pData, &geo);
    *pnColumn = *pnRow = 0;
    if (geo.nRows <= 0)
        return FALSE;
    const RECT &b = geo.rcBody;
    for (int i = 1; i <= geo.nChannels; i++) {
        int nTop = SlotTop(&geo, i);
        if (nTop >= b.bottom)
            break;
        if (x < b.left || x >= b.right || y < nTop || y >= SlotTop(&geo, i + 1))
            continue;
        if (geo.nTop + i <= geo.nChannels)
            *pnRow = geo.nTop + i;
        if (x >= b.left + 30 && x < geo.nMid - 1)
            *pnColumn = CHT_COL_SIGNAL;
        else if (x >= geo.nMid)
            *pnColumn = CHT_COL_LABEL;
        break;
    }
    return *pnColumn != 0 && *pnRow != 0;
}

// Paints the stored mark white, stores the new one and paints it yellow.
static void ChTableMark(HWND hWnd, FFTVIEWDATA *pData, int nColumn, int nFirst, int nLast)
{
    HDC hdc = GetDC(hWnd);
    if (hdc == NULL)
        return;
    HBRUSH hbrMark = CreateSolidBrush(GetNearestColor(hdc, CHT_MARK_COLOR));
    ChTablePaintMark(hWnd, hdc, pData, (HBRUSH)GetStockObject(WHITE_BRUSH));
    pData->nChTblMode = nColumn;
    pData->nChTblFirst = nFirst;
    pData->nChTblLast = nLast;
    ChTablePaintMark(hWnd, hdc, pData, hbrMark);
    DeleteObject(hbrMark);
    ReleaseDC(hWnd, hdc);
}

static void ChTable_LButtonDown(HWND hWnd, FFTVIEWDATA *pData, int x, int y)
{
    if (GetFocus() != hWnd)
        SetFocus(hWnd);
    int nColumn, nRow;
    if (pData == NULL || !ChTableHitTest(hWnd, pData, x, y, &nColumn, &nRow))
        return;
    pData->wChTblDrag = 1;
    SetCapture(hWnd);
    ChTableMark(hWnd, pData, nColumn, nRow, nRow);
}

static void ChTable_MouseMove(HWND hWnd, FFTVIEWDATA *pData, int x, int y)
{
    int nColumn, nRow;
    if (pData == NULL || pData->wChTblDrag == 0 ||
        !ChTableHitTest(hWnd, pData, x, y, &nColumn, &nRow) || nColumn != pData->nChTblMode)
        return;
    ChTableMark(hWnd, pData, nColumn, pData->nChTblFirst, nRow);
}

static void ChTable_LButtonUp(HWND hWnd, FFTVIEWDATA *pData)
{
    if (pData == NULL)
        return;
    if (GetCapture() == hWnd)
        ReleaseCapture();
    if (pData->wChTblDrag == 0)
        return;
    LONG nFirst = pData->nChTblFirst, nLast = pData->nChTblLast;
    ChTableMark(hWnd, pData, pData->nChTblMode, nFirst < nLast ? nFirst : nLast,
                nFirst < nLast ? nLast : nFirst);
    pData->wChTblDrag = 0;
}

// A right click outside the mark marks the cell under it; inside, a run
// of rows stays marked. Then the menu of the marked column.
static void ChTable_RButtonUp(HWND hWnd, FFTVIEWDATA *pData, int x, int y)
{
    int nColumn, nRow;
    if (pData == NULL)
        return;
    if (ChTableHitTest(hWnd, pData, x, y, &nColumn, &nRow) &&
        (nColumn != pData->nChTblMode || nRow < pData->nChTblFirst || nRow > pData->nChTblLast))
        ChTableMark(hWnd, pData, nColumn, nRow, nRow);
    if ((pData->nChTblMode == CHT_COL_SIGNAL || pData->nChTblMode == CHT_COL_LABEL) &&
        pData->nChTblFirst >= 1)
        ChTablePopupMenu(hWnd, pData, pData->nChTblMode);
}

static void PostChange(HWND hWnd, WORD wCode)
{
    HWND hNotify = (HWND)GetWindowLongPtrA(hWnd, FVW_NOTIFYWND);
    WORD wId = GetWindowWord(hWnd, FVW_NOTIFYID);
    if (hNotify != NULL)
        PostMessageA(hNotify, WM_COMMAND, MAKEWPARAM(wId, wCode), (LPARAM)hWnd);
}

// The chosen value goes into every marked row in use; a host channel
// index from outside the table names nothing.
static void ChTable_Apply(HWND hWnd, FFTVIEWDATA *pData, int nItem)
{
    DWORD dwValue = pData->anMenuCh[nItem];
    LONG nFirst = pData->nChTblFirst > 1 ? pData->nChTblFirst : 1;
    LONG nLast = pData->nChTblLast < FV_ANALYCH ? pData->nChTblLast : FV_ANALYCH;
    if (pData->nChTblMode == CHT_COL_SIGNAL) {
        for (LONG r = nFirst; r <= nLast; r++)
            pData->aAnalyCh[r - 1].nSignal = dwValue;
        PostChange(hWnd, QPN_SIGNALCHANGED);
    } else if (pData->nChTblMode == CHT_COL_LABEL && dwValue < FV_HOSTCH) {
        for (LONG r = nFirst; r <= nLast; r++)
            TextCopy(pData->aAnalyCh[r - 1].szLabel, sizeof(pData->aAnalyCh[r - 1].szLabel),
                     pData->aHostCh[dwValue].szChName);
        PostChange(hWnd, QPN_LABELCHANGED);
    }
    InvalidateRect(hWnd, NULL, FALSE);
}

static void ScrollTo(HWND hWnd, FFTVIEWDATA *pData, LONG nTop)
{
    pData->nChTblTop = nTop;
    SetScrollPos(hWnd, SB_VERT, nTop, TRUE);
    InvalidateRect(hWnd, NULL, FALSE);
}

// A page moves by one row, like a line.
static void ChTable_VScroll(HWND hWnd, FFTVIEWDATA *pData, int nCode, int nPos)
{
    int nMin = 0, nMax = 0;
    switch (nCode) {
    case SB_LINEUP:
    case SB_PAGEUP:
        if (pData->nChTblTop >= 1)
            ScrollTo(hWnd, pData, pData->nChTblTop - 1);
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        GetScrollRange(hWnd, SB_VERT, &nMin, &nMax);
        if (pData->nChTblTop + 1 <= nMax)
            ScrollTo(hWnd, pData, pData->nChTblTop + 1);
        break;
    case SB_THUMBPOSITION:
        pData->nChTblFirst = pData->nChTblLast = 0;
        pData->nChTblTop = nPos;
        InvalidateRect(hWnd, NULL, FALSE);
        break;
    case SB_THUMBTRACK:
        SetScrollPos(hWnd, SB_VERT, nPos, TRUE);
        break;
    default:
        break;
    }
}

static void ChTable_Paint(HWND hWnd, const FFTVIEWDATA *pData)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (hdc != NULL && pData != NULL)
        ChTableDraw(hWnd, hdc, pData);
    EndPaint(hWnd, &ps);
}

static LRESULT ChTable_Dispatch(HWND hWnd, FFTVIEWDATA *pData, UINT uMsg, WPARAM wParam,
                                LPARAM lParam)
{
    int x = (SHORT)LOWORD(lParam), y = (SHORT)HIWORD(lParam);
    switch (uMsg) {
    case WM_ENABLE:
        InvalidateRect(hWnd, NULL, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_SETFONT:
        SetWindowLongPtrA(hWnd, FVW_FONT, (LONG_PTR)wParam);
        return 0;
    case QPM_SETNOTIFY:
        SetWindowLongPtrA(hWnd, FVW_NOTIFYWND, (LONG_PTR)wParam);
        SetWindowWord(hWnd, FVW_NOTIFYID, LOWORD(lParam));
        return 0;
    case WM_SIZE:
        if (pData != NULL)
            ChTable_Metrics(hWnd, pData, HIWORD(lParam));
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    case WM_PAINT:
        ChTable_Paint(hWnd, pData);
        return 0;
    case WM_PRINTCLIENT:
        if (pData != NULL && wParam != 0)
            ChTableDraw(hWnd, (HDC)wParam, pData);
        return 0;
    case WM_LBUTTONDOWN:
        ChTable_LButtonDown(hWnd, pData, x, y);
        return 0;
    case WM_MOUSEMOVE:
        ChTable_MouseMove(hWnd, pData, x, y);
        return 0;
    case WM_LBUTTONUP:
        ChTable_LButtonUp(hWnd, pData);
        return 0;
    case WM_RBUTTONUP:
        ChTable_RButtonUp(hWnd, pData, x, y);
        return 0;
    case WM_VSCROLL:
        if (pData != NULL)
            ChTable_VScroll(hWnd, pData, LOWORD(wParam), (SHORT)HIWORD(wParam));
        return 0;
    case WM_COMMAND:
        if (pData != NULL && LOWORD(wParam) >= CHT_MENU_FIRST && LOWORD(wParam) <= CHT_MENU_LAST)
            ChTable_Apply(hWnd, pData, LOWORD(wParam) - CHT_MENU_FIRST);
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

// The record is attached from outside: long 0 changes during the message.
static LRESULT ChTable_AttachData(HWND hWnd, WPARAM wParam, HGLOBAL hData)
{
    SetWindowLongPtrA(hWnd, FVW_DATA, (LONG_PTR)hData);
    FFTVIEWDATA *pData = hData != NULL ? (FFTVIEWDATA *)GlobalLock(hData) : NULL;
    if (pData != NULL) {
        RECT rc = {0, 0, 0, 0};
        GetClientRect(hWnd, &rc);
        ChTable_Metrics(hWnd, pData, rc.bottom - rc.top + 1);
        GlobalUnlock(hData);
    }
    return LOWORD(wParam);
}

LRESULT CALLBACK ChTableWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == QPM_ATTACHDATA)
        return ChTable_AttachData(hWnd, wParam, (HGLOBAL)lParam);
    // The analysis window frees the record before its children hear of
    // their destruction: the table then leaves it alone.
    if (uMsg == WM_DESTROY || uMsg == WM_NCDESTROY)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    HGLOBAL hData = (HGLOBAL)GetWindowLongPtrA(hWnd, FVW_DATA);
    FFTVIEWDATA *pData = hData != NULL ? (FFTVIEWDATA *)GlobalLock(hData) : NULL;
    LRESULT lResult = ChTable_Dispatch(hWnd, pData, uMsg, wParam, lParam);
    if (pData != NULL)
        GlobalUnlock(hData);
    return lResult;
}
