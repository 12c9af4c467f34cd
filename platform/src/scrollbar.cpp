// Scroll bars: the SCROLLBAR control and the standard bars of any window,
// with the Set/GetScroll* functions. Headless, a bar is its range, page and
// position; a window's bar shows as its WS_HSCROLL / WS_VSCROLL style.
#include <unordered_map>

#include "dlgint.h"

struct SCROLLSTATE {
    int nMin, nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};

struct WINDOWBARS {
    SCROLLSTATE bars[2];  // SB_HORZ, SB_VERT
};

// The standard bars of windows, by window (a hash lookup). An entry is
// made on first use and dropped when the window is found gone.
static std::unordered_map<HWND, WINDOWBARS> g_windowBars;

static SCROLLSTATE *ScrollControlState(HWND hWnd)
{
    if (!CtlIsClass(hWnd, "SCROLLBAR"))
        return nullptr;
    return reinterpret_cast<SCROLLSTATE *>(GetWindowLongPtrA(hWnd, 0));
}

static void ScrollPruneDeadWindows(void)
{
    for (auto it = g_windowBars.begin(); it != g_windowBars.end();)
        it = IsWindow(it->first) ? std::next(it) : g_windowBars.erase(it);
}

// The state of bar nBar of hWnd; bCreate makes a window bar's state (range
// 0..100, as Windows gives a new window). NULL for a bad window or bar.
static SCROLLSTATE *ScrollState(HWND hWnd, int nBar, BOOL bCreate)
{
    if (!IsWindow(hWnd))
        return nullptr;
    if (nBar == SB_CTL)
        return ScrollControlState(hWnd);
    if (nBar != SB_HORZ && nBar != SB_VERT)
        return nullptr;
    auto it = g_windowBars.find(hWnd);
    if (it != g_windowBars.end())
        return &it->second.bars[nBar];
    LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    if (!bCreate && !(style & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)))
        return nullptr;
    ScrollPruneDeadWindows();
    WINDOWBARS fresh = {{{0, 100, 0, 0, 0}, {0, 100, 0, 0, 0}}};
    return &g_windowBars.emplace(hWnd, fresh).first->second.bars[nBar];
}

// Page at most the range's size, position within what the page leaves.
static void ScrollClamp(SCROLLSTATE *pState)
{
    UINT size = static_cast<UINT>(pState->nMax - pState->nMin) + 1;
    if (pState->nPage > size)
        pState->nPage = size;
    int maxPos = pState->nMax - (pState->nPage > 1 ? static_cast<int>(pState->nPage) - 1 : 0);
    if (pState->nPos > maxPos)
        pState->nPos = maxPos;
    if (pState->nPos < pState->nMin)
        pState->nPos = pState->nMin;
}

// A window's bar shows while its range is not empty.
static void ScrollShowWindowBar(HWND hWnd, int nBar, const SCROLLSTATE *pState, BOOL bKeep)
{
    if (nBar == SB_CTL)
        return;
    LONG bit = nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
    BOOL empty = pState->nMin >= pState->nMax
                 || pState->nPage > static_cast<UINT>(pState->nMax - pState->nMin);
    LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    LONG newStyle = (empty && !bKeep) ? (style & ~bit) : (style | bit);
    if (newStyle != style)
        SetWindowLongA(hWnd, GWL_STYLE, newStyle);
}

static void ScrollRedraw(HWND hWnd, int nBar, BOOL bRedraw)
{
    if (bRedraw && nBar == SB_CTL)
        InvalidateRect(hWnd, NULL, TRUE);
}

extern "C" int WINAPI SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw)
{
    SCROLLSTATE *pState = lpsi ? ScrollState(hWnd, nBar, TRUE) : nullptr;
    if (!pState)
        return 0;
    if ((lpsi->fMask & SIF_RANGE) && lpsi->nMin <= lpsi->nMax
        && static_cast<long long>(lpsi->nMax) - lpsi->nMin <= 0x7FFFFFFF) {
        pState->nMin = lpsi->nMin;
        pState->nMax = lpsi->nMax;
    }
    if (lpsi->fMask & SIF_PAGE)
        pState->nPage = lpsi->nPage;
    if (lpsi->fMask & SIF_POS)
        pState->nPos = lpsi->nPos;
    ScrollClamp(pState);
    if (lpsi->fMask & (SIF_RANGE | SIF_PAGE))
        ScrollShowWindowBar(hWnd, nBar, pState, (lpsi->fMask & SIF_DISABLENOSCROLL) != 0);
    ScrollRedraw(hWnd, nBar, bRedraw);
    return pState->nPos;
}

extern "C" BOOL WINAPI GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi)
{
    SCROLLSTATE *pState = lpsi ? ScrollState(hWnd, nBar, FALSE) : nullptr;
    if (!pState)
        return FALSE;
    if (lpsi->fMask & SIF_RANGE) {
        lpsi->nMin = pState->nMin;
        lpsi->nMax = pState->nMax;
    }
    if (lpsi->fMask & SIF_PAGE)
        lpsi->nPage = pState->nPage;
    if (lpsi->fMask & SIF_POS)
        lpsi->nPos = pState->nPos;
    if (lpsi->fMask & SIF_TRACKPOS)
        lpsi->nTrackPos = pState->nTrackPos;
    return TRUE;
}

extern "C" int WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw)
{
    SCROLLSTATE *pState = ScrollState(hWnd, nBar, TRUE);
    if (!pState)
        return 0;
    int nOld = pState->nPos;
    pState->nPos = nPos;
    ScrollClamp(pState);
    ScrollRedraw(hWnd, nBar, bRedraw);
    return nOld;
}

extern "C" int WINAPI GetScrollPos(HWND hWnd, int nBar)
{
    SCROLLSTATE *pState = ScrollState(hWnd, nBar, FALSE);
    return pState ? pState->nPos : 0;
}

extern "C" BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (static_cast<long long>(nMaxPos) - nMinPos > 0x7FFFFFFF)
        return FALSE;
    SCROLLSTATE *pState = ScrollState(hWnd, nBar, TRUE);
    if (!pState)
        return FALSE;
    pState->nMin = nMinPos;
    pState->nMax = nMaxPos < nMinPos ? nMinPos : nMaxPos;
    ScrollClamp(pState);
    ScrollShowWindowBar(hWnd, nBar, pState, FALSE);
    ScrollRedraw(hWnd, nBar, bRedraw);
    return TRUE;
}

extern "C" BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos)
{
    if (!lpMinPos || !lpMaxPos)
        return FALSE;
    SCROLLSTATE *pState = ScrollState(hWnd, nBar, FALSE);
    // A window without that bar reports the empty range 0..0.
    *lpMinPos = pState ? pState->nMin : 0;
    *lpMaxPos = pState ? pState->nMax : 0;
    return IsWindow(hWnd);
}

// ---- the SCROLLBAR control ----

static LRESULT ScrollBar_NcCreate(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // A scroll bar control starts with the empty range 0..0.
    SetWindowLongPtrA(hWnd, 0, reinterpret_cast<LONG_PTR>(new SCROLLSTATE()));
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK ScrollBarWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NCCREATE:
        return ScrollBar_NcCreate(hWnd, uMsg, wParam, lParam);
    case WM_NCDESTROY:
        return CtlFreeInfo<SCROLLSTATE>(hWnd, uMsg, wParam, lParam);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

// The user moved bar nBar of hWnd (automation): the scroll message goes to
// the control's parent (SB_CTL) or to the window itself; a thumb being
// dragged is recorded as the track position.
BOOL ScrollUserAction(HWND hWnd, int nBar, UINT uCode, int nPos)
{
    SCROLLSTATE *pState = ScrollState(hWnd, nBar, FALSE);
    if (!pState)
        return FALSE;
    if (uCode == SB_THUMBTRACK || uCode == SB_THUMBPOSITION)
        pState->nTrackPos = nPos;
    BOOL vertical = nBar == SB_CTL ? (GetWindowLongA(hWnd, GWL_STYLE) & SBS_VERT) != 0 : nBar == SB_VERT;
    HWND hTarget = nBar == SB_CTL ? GetParent(hWnd) : hWnd;
    if (!hTarget)
        return FALSE;
    SendMessageA(hTarget, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(uCode, static_cast<WORD>(nPos)),
                 nBar == SB_CTL ? reinterpret_cast<LPARAM>(hWnd) : 0);
    return TRUE;
}
