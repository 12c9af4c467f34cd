// Messages: direct sends, the posted-message queue, and the retrieval order
// posted messages, WM_QUIT, WM_PAINT, WM_TIMER.
#include <windows.h>

#include <deque>

#include "automation.h"
#include "internal.h"

namespace {

std::deque<MSG> g_queue;
bool g_fQuit;
int g_nQuitCode;
DWORD g_dwLastMessageTime;
UINT g_cIdleQuits;

bool MatchesRange(UINT uMsg, UINT uMin, UINT uMax)
{
    if (uMin == 0 && uMax == 0)
        return true;
    if (uMin > uMax)
        return true;
    return uMin <= uMsg && uMsg <= uMax;
}

bool TakePosted(MSG *pMsg, HWND hwndFilter, UINT uMin, UINT uMax, bool fRemove)
{
    for (auto it = g_queue.begin(); it != g_queue.end(); ++it) {
        if (!MsgMatchesWindow(hwndFilter, it->hwnd) || !MatchesRange(it->message, uMin, uMax))
            continue;
        *pMsg = *it;
        if (fRemove)
            g_queue.erase(it);
        return true;
    }
    return false;
}

void FillMessage(MSG *pMsg, HWND hwnd, UINT uMsg, WPARAM wParam)
{
    pMsg->hwnd = hwnd;
    pMsg->message = uMsg;
    pMsg->wParam = wParam;
    pMsg->lParam = 0;
    pMsg->time = (DWORD)ClockNow();
    pMsg->pt = POINT{0, 0};
}

bool TakeQuit(MSG *pMsg, bool fRemove)
{
    if (!g_fQuit)
        return false;
    FillMessage(pMsg, NULL, WM_QUIT, (WPARAM)g_nQuitCode);
    if (fRemove)
        g_fQuit = false;
    return true;
}

bool TakePaint(MSG *pMsg, HWND hwndFilter, UINT uMin, UINT uMax)
{
    HWND hwnd;
    if (!MatchesRange(WM_PAINT, uMin, uMax) || !PaintFindWindow(hwndFilter, nullptr, &hwnd))
        return false;
    FillMessage(pMsg, hwnd, WM_PAINT, 0);
    return true;
}

// The character a key makes without shift state: the headless keyboard has
// no modifiers.
char CharOfKey(WPARAM vk)
{
    if (vk >= 'A' && vk <= 'Z')
        return (char)(vk - 'A' + 'a');
    if (vk >= '0' && vk <= '9')
        return (char)vk;
    switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_TAB: return '\t';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return '\x1b';
    }
    return 0;
}

}  // namespace

bool MsgMatchesWindow(HWND hwndFilter, HWND hwnd)
{
    if (!hwndFilter)
        return true;
    if (hwndFilter == (HWND)-1)
        return hwnd == NULL;
    return hwnd && WndIsInTree(hwndFilter, hwnd);
}

void MsgDropForWindow(HWND hwnd)
{
    for (auto it = g_queue.begin(); it != g_queue.end();) {
        if (it->hwnd == hwnd)
            it = g_queue.erase(it);
        else
            ++it;
    }
}

BOOL MsgPostAt(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, POINT pt)
{
    if (hwnd && !WndGetOrFail(hwnd))
        return FALSE;
    MSG msg{hwnd, uMsg, wParam, lParam, (DWORD)ClockNow(), pt};
    g_queue.push_back(msg);
    return TRUE;
}

extern "C" LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || !pWnd->lpfnWndProc)
        return 0;
    return pWnd->lpfnWndProc(hWnd, Msg, wParam, lParam);
}

extern "C" BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return MsgPostAt(hWnd, Msg, wParam, lParam, POINT{0, 0});
}

extern "C" BOOL WINAPI PostThreadMessageA(DWORD, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return MsgPostAt(NULL, Msg, wParam, lParam, POINT{0, 0});
}

extern "C" void WINAPI PostQuitMessage(int nExitCode)
{
    g_fQuit = true;
    g_nQuitCode = nExitCode;
}

extern "C" BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
    if (!lpMsg)
        return FALSE;
    if (hWnd && hWnd != (HWND)-1 && !WndGetOrFail(hWnd))
        return FALSE;
    bool fRemove = (wRemoveMsg & PM_REMOVE) != 0;
    bool fFound = TakePosted(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, fRemove)
                  || TakeQuit(lpMsg, fRemove)
                  || TakePaint(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax)
                  || (MatchesRange(WM_TIMER, wMsgFilterMin, wMsgFilterMax)
                      && TimerTakeDue(hWnd, fRemove, lpMsg));
    if (fFound)
        g_dwLastMessageTime = lpMsg->time;
    return fFound;
}

extern "C" BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax)
{
    if (!lpMsg)
        return -1;
    if (hWnd && hWnd != (HWND)-1 && !WndGetOrFail(hWnd))
        return -1;
    for (;;) {
        if (PeekMessageA(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE))
            return lpMsg->message != WM_QUIT;
        // Waiting headless means letting virtual time pass up to the next
        // timer that could deliver something.
        ULONGLONG qwDue;
        if (!MatchesRange(WM_TIMER, wMsgFilterMin, wMsgFilterMax) || !TimerNextDue(hWnd, &qwDue))
            break;
        ClockSet(qwDue);
    }
    // Nothing can ever arrive: answer WM_QUIT rather than block forever.
    g_cIdleQuits++;
    FillMessage(lpMsg, NULL, WM_QUIT, 0);
    return 0;
}

extern "C" BOOL WINAPI TranslateMessage(const MSG *lpMsg)
{
    if (!lpMsg || lpMsg->message != WM_KEYDOWN)
        return FALSE;
    char ch = CharOfKey(lpMsg->wParam);
    if (!ch)
        return FALSE;
    PostMessageA(lpMsg->hwnd, WM_CHAR, (WPARAM)(BYTE)ch, lpMsg->lParam);
    return TRUE;
}

extern "C" LRESULT WINAPI DispatchMessageA(const MSG *lpMsg)
{
    if (!lpMsg)
        return 0;
    // Only the procedure of a live timer is called, never an arbitrary
    // lParam of a forged WM_TIMER.
    if (lpMsg->message == WM_TIMER && lpMsg->lParam
        && TimerIsProc(lpMsg->hwnd, lpMsg->wParam, lpMsg->lParam)) {
        ((TIMERPROC)lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
        return 0;
    }
    if (!lpMsg->hwnd)
        return 0;
    return SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

extern "C" LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!lpPrevWndFunc)
        return 0;
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

extern "C" BOOL WINAPI InSendMessage(void)
{
    return FALSE;
}

extern "C" DWORD WINAPI GetMessageTime(void)
{
    return g_dwLastMessageTime;
}

extern "C" UINT AutoPump(void)
{
    UINT cDispatched = 0;
    std::set<HWND> painted;
    for (;;) {
        MSG msg;
        HWND hwndPaint;
        if (TakePosted(&msg, NULL, 0, 0, true)) {
            g_dwLastMessageTime = msg.time;
            DispatchMessageA(&msg);
        } else if (PaintFindWindow(NULL, &painted, &hwndPaint)) {
            painted.insert(hwndPaint);
            FillMessage(&msg, hwndPaint, WM_PAINT, 0);
            DispatchMessageA(&msg);
        } else if (TimerTakeDue(NULL, true, &msg)) {
            g_dwLastMessageTime = msg.time;
            DispatchMessageA(&msg);
        } else {
            return cDispatched;
        }
        cDispatched++;
    }
}

extern "C" UINT AutoGetIdleQuitCount(void)
{
    return g_cIdleQuits;
}
