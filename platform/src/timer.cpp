// Timers on the virtual clock. A timer is due when the clock reaches its
// due time; WM_TIMER is synthesised from it by the queue (never stored), so
// there is at most one pending WM_TIMER per timer, and retrieving it
// restarts the period from the current time, as on Windows.
#include <windows.h>

#include <map>
#include <utility>

#include "automation.h"
#include "internal.h"

namespace {

struct TIMER {
    UINT uElapse;
    TIMERPROC lpfnTimer;
    ULONGLONG qwDue;
};

const ULONGLONG kClockStart = 1000000;

ULONGLONG g_qwNow = kClockStart;
std::map<std::pair<HWND, UINT_PTR>, TIMER> g_timers;  // by window and id
UINT_PTR g_idNextThreadTimer = 0x7FFF;

UINT ClampElapse(UINT uElapse)
{
    if (uElapse < USER_TIMER_MINIMUM)
        return USER_TIMER_MINIMUM;
    if (uElapse > USER_TIMER_MAXIMUM)
        return USER_TIMER_MAXIMUM;
    return uElapse;
}

// The earliest-due timer passing the window filter; end() when none.
std::map<std::pair<HWND, UINT_PTR>, TIMER>::iterator FindEarliest(HWND hwndFilter)
{
    auto itBest = g_timers.end();
    for (auto it = g_timers.begin(); it != g_timers.end(); ++it) {
        if (!MsgMatchesWindow(hwndFilter, it->first.first))
            continue;
        if (itBest == g_timers.end() || it->second.qwDue < itBest->second.qwDue)
            itBest = it;
    }
    return itBest;
}

}  // namespace

ULONGLONG ClockNow(void)
{
    return g_qwNow;
}

void ClockSet(ULONGLONG qwNow)
{
    if (qwNow > g_qwNow)
        g_qwNow = qwNow;
}

void TimerKillForWindow(HWND hwnd)
{
    for (auto it = g_timers.begin(); it != g_timers.end();) {
        if (it->first.first == hwnd)
            it = g_timers.erase(it);
        else
            ++it;
    }
}

bool TimerNextDue(HWND hwndFilter, ULONGLONG *pqwDue)
{
    auto it = FindEarliest(hwndFilter);
    if (it == g_timers.end())
        return false;
    *pqwDue = it->second.qwDue;
    return true;
}

bool TimerTakeDue(HWND hwndFilter, bool fRemove, MSG *pMsg)
{
    auto it = FindEarliest(hwndFilter);
    if (it == g_timers.end() || it->second.qwDue > g_qwNow)
        return false;
    pMsg->hwnd = it->first.first;
    pMsg->message = WM_TIMER;
    pMsg->wParam = it->first.second;
    pMsg->lParam = (LPARAM)it->second.lpfnTimer;
    pMsg->time = (DWORD)g_qwNow;
    pMsg->pt = POINT{0, 0};
    if (fRemove)
        it->second.qwDue = g_qwNow + it->second.uElapse;
    return true;
}

bool TimerIsProc(HWND hwnd, UINT_PTR id, LPARAM lParam)
{
    auto it = g_timers.find({hwnd, id});
    return it != g_timers.end() && (LPARAM)it->second.lpfnTimer == lParam;
}

extern "C" BOOL PlatformNextTimerDue(DWORD *pdwDue)
{
    ULONGLONG qwDue;
    if (!TimerNextDue(NULL, &qwDue))
        return FALSE;
    if (pdwDue)
        *pdwDue = (DWORD)qwDue;
    return TRUE;
}

extern "C" UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    if (hWnd && !WndGetOrFail(hWnd))
        return 0;
    UINT_PTR id = nIDEvent;
    if (!hWnd) {
        // A thread timer keeps its id when it is restarted, else gets a
        // fresh one.
        if (!id || !g_timers.count({NULL, id}))
            id = g_idNextThreadTimer++;
    }
    uElapse = ClampElapse(uElapse);
    g_timers[{hWnd, id}] = TIMER{uElapse, lpTimerFunc, g_qwNow + uElapse};
    return id ? id : 1;
}

extern "C" BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    if (!g_timers.erase({hWnd, uIDEvent})) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

extern "C" DWORD WINAPI GetTickCount(void)
{
    return (DWORD)g_qwNow;
}

extern "C" DWORD AutoGetClock(void)
{
    return (DWORD)g_qwNow;
}

extern "C" UINT AutoAdvanceClock(DWORD dwMilliseconds)
{
    ULONGLONG qwTarget = g_qwNow + dwMilliseconds;
    UINT cDispatched = AutoPump();
    ULONGLONG qwDue;
    while (TimerNextDue(NULL, &qwDue) && qwDue <= qwTarget) {
        ClockSet(qwDue);
        cDispatched += AutoPump();
    }
    ClockSet(qwTarget);
    return cDispatched + AutoPump();
}
