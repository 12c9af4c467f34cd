// Window procedure of the analysis window (QPANEFFTANALYPLAY) and its
// handlers of the standard messages. The host protocol's handlers live in
// hostitems.cpp and hostanaly.cpp.
#include "frame/analywnd.h"

#include "engine/engine.h"
#include "export/csvsave.h"
#include "frame/layout.h"
#include "frame/module.h"
#include "frame/notify.h"
#include "frame/protocol.h"
#include "views/views.h"

static LRESULT AnalyWnd_Create(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    HGLOBAL hData = FFTViewDataCreate(hWnd);
    CsvSaveInit();
    SetWindowLongPtrA(hWnd, FVW_DATA, (LONG_PTR)hData);
    SetWindowLongPtrA(hWnd, FVW_FONT, (LONG_PTR)SendMessageA(hWnd, WM_GETFONT, 0, 0));
    DefWindowProcA(hWnd, WM_CREATE, wParam, lParam);
    return 0;
}

static LRESULT AnalyWnd_Destroy(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    // The coherence window reads this record: it goes first.
    CoherenceDlgOwnerDestroyed(hWnd);
    HGLOBAL hData = (HGLOBAL)GetWindowLongPtrA(hWnd, FVW_DATA);
    // Cleared before the block goes: a message that reaches the window
    // during or after its destruction must find no record rather than lock
    // a freed handle.
    SetWindowLongPtrA(hWnd, FVW_DATA, 0);
    FFTViewDataDestroy(hWnd, hData);
    DefWindowProcA(hWnd, WM_DESTROY, wParam, lParam);
    return 0;
}

static void AnalyWnd_Size(HWND hWnd, FFTVIEWDATA *pData, int nWidth, int nHeight)
{
    if (pData != NULL)
        LayoutChildren(hWnd, pData, nWidth, nHeight);
}

static void AnalyWnd_Paint(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (hdc != NULL)
        PaintAnalyFrame(hWnd, hdc);
    EndPaint(hWnd, &ps);
}

static void AnalyWnd_SetFont(HWND hWnd, FFTVIEWDATA *pData, HFONT hFont)
{
    SetWindowLongPtrA(hWnd, FVW_FONT, (LONG_PTR)hFont);
    if (pData == NULL)
        return;
    HDC hdc = GetDC(NULL);
    if (hdc == NULL)
        return;
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    if (GetTextMetricsA(hdc, &tm))
        pData->nLineHeight = (DWORD)(tm.tmHeight + 4);
    SelectObject(hdc, hOld);
    ReleaseDC(NULL, hdc);
}

static void AnalyWnd_Timer(HWND hWnd, FFTVIEWDATA *pData, UINT_PTR idTimer)
{
    if (pData == NULL || idTimer != IDT_UPDATE)
        return;
    KillTimer(hWnd, IDT_UPDATE);
    pData->idUpdateTimer = 0;
    NotifyHostPost(hWnd, QPN_DELAYEDUPDATE);
}

static void AnalyWnd_Command(HWND hWnd, FFTVIEWDATA *pData, WPARAM wParam, LPARAM lParam)
{
    if (pData != NULL)
        AnalyCommand(hWnd, pData, LOWORD(wParam), HIWORD(wParam), (HWND)lParam);
}

static LRESULT AnalyWnd_Dispatch(HWND hWnd, FFTVIEWDATA *pData, UINT uMsg, WPARAM wParam,
                                 LPARAM lParam)
{
    switch (uMsg) {
    case WM_SIZE:
        AnalyWnd_Size(hWnd, pData, (SHORT)LOWORD(lParam), (SHORT)HIWORD(lParam));
        DefWindowProcA(hWnd, uMsg, wParam, lParam);
        return 0;
    case WM_KILLFOCUS:
        return 0;
    case WM_ENABLE:
        InvalidateRect(hWnd, NULL, FALSE);
        return 0;
    case WM_PAINT:
        AnalyWnd_Paint(hWnd);
        return 0;
    case WM_SETFONT:
        AnalyWnd_SetFont(hWnd, pData, (HFONT)wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_COMMAND:
        AnalyWnd_Command(hWnd, pData, wParam, lParam);
        return 0;
    case WM_TIMER:
        AnalyWnd_Timer(hWnd, pData, (UINT_PTR)wParam);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
        return 0;
    case QPM_SETNOTIFY:
        AnalyWnd_SetNotify(hWnd, pData, (HWND)wParam, LOWORD(lParam));
        return 0;
    case QPM_SETPATH:
        AnalyWnd_SetPath(hWnd, pData, wParam, (const char *)lParam);
        return 0;
    case QPM_REFRESHSTATE:
        AnalyWnd_RefreshState(hWnd, pData);
        return 0;
    case QPM_STARTANALY:
        AnalyWnd_StartAnaly(hWnd, pData);
        return 0;
    case QPM_STOPANALY:
        AnalyWnd_StopAnaly(hWnd, pData);
        return 0;
    case QPM_SETVALUE:
        AnalyWnd_SetValue(hWnd, pData, LOWORD(wParam), HIWORD(wParam), (DWORD)lParam);
        return 0;
    case QPM_GETVALUE:
        return AnalyWnd_GetValue(pData, LOWORD(wParam), HIWORD(wParam));
    case QPM_SETTEXT:
        AnalyWnd_SetText(pData, LOWORD(wParam), HIWORD(wParam), (const char *)lParam);
        return 0;
    case QPM_GETTEXT:
        return AnalyWnd_GetText(pData, LOWORD(wParam), HIWORD(wParam), (char *)lParam);
    case QPM_NOOP:
    case QPM_QUERY:
        return 0;
    case QPM_REFRESH:
        AnalyWnd_Refresh(hWnd, pData);
        return 0;
    case QPM_SETLINKWND:
        if (pData != NULL)
            pData->hLinkWnd = (HWND)wParam;
        return 0;
    case QPM_SETAREA:
        AnalyWnd_SetArea(hWnd, pData, (DWORD)lParam);
        return 0;
    case QPM_SETCHDATA:
        AnalyWnd_SetChData(hWnd, pData, LOWORD(wParam), HIWORD(wParam), (const short *)lParam);
        return 0;
    case QPM_GETMESSAGE:
        return AnalyWnd_GetMessage(pData, (char *)lParam);
    case QPM_KEYNOTIFY:
        AnalyWnd_KeyNotify(hWnd, pData, LOWORD(wParam), HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

LRESULT CALLBACK AnalyWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // Creation and destruction change what window long 0 holds, so they
    // run outside the per-message lock.
    if (uMsg == WM_CREATE)
        return AnalyWnd_Create(hWnd, wParam, lParam);
    if (uMsg == WM_DESTROY)
        return AnalyWnd_Destroy(hWnd, wParam, lParam);

    HGLOBAL hData = (HGLOBAL)GetWindowLongPtrA(hWnd, FVW_DATA);
    FFTVIEWDATA *pData = hData != NULL ? (FFTVIEWDATA *)GlobalLock(hData) : NULL;
    LRESULT lResult = AnalyWnd_Dispatch(hWnd, pData, uMsg, wParam, lParam);
    // A handler that ran a modal dialog may find the window destroyed, and
    // the record freed, when the dialog returns: only a record the window
    // still holds is unlocked.
    if (pData != NULL && (HGLOBAL)GetWindowLongPtrA(hWnd, FVW_DATA) == hData)
        GlobalUnlock(hData);
    return lResult;
}
