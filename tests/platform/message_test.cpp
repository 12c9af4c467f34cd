// Messages, timers, focus, capture, text and painting.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "automation.h"
#include "msgseq.h"

namespace {

// Drains whatever earlier tests left in the queue.
void DrainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        if (msg.message == WM_PAINT)
            ValidateRect(msg.hwnd, NULL);
}

std::vector<int> g_order;

LRESULT CALLBACK ReentrantProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_USER) {
        g_order.push_back((int)wParam);
        if (wParam < 3) {
            EXPECT_FALSE(InSendMessage()) << "a send on the same thread is not an inter-thread send";
            LRESULT lInner = SendMessageA(hwnd, WM_USER, wParam + 1, 0);
            PostMessageA(hwnd, WM_USER + 1, wParam, 0);
            return lInner + 1;
        }
        return 100;
    }
    if (uMsg == WM_USER + 1) {
        g_order.push_back(-(int)wParam);
        return 0;
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

HWND CreateReentrant()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = ReentrantProc;
    wc.lpszClassName = "ReentrantCls";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "ReentrantCls", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
}

TEST(Messages, SendIsReentrantAndPostArrivesAfterTheHandler)
{
    DrainQueue();
    HWND hwnd = CreateReentrant();
    g_order.clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 1, 0), 102);
    EXPECT_EQ(g_order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(AutoPump(), 2u);
    EXPECT_EQ(g_order, (std::vector<int>{1, 2, 3, -2, -1})) << "posted in the inner handler first";
    DestroyWindow(hwnd);
}

TEST(Messages, PeekFiltersAndRemoval)
{
    DrainQueue();
    HWND hwnd = CreateReentrant();
    PostMessageA(hwnd, WM_USER + 5, 1, 0);
    PostMessageA(NULL, WM_USER + 6, 2, 0);
    PostMessageA(hwnd, WM_USER + 7, 3, 0);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, NULL, WM_USER + 7, WM_USER + 7, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(PeekMessageA(&msg, (HWND)-1, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_USER + 6);
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_TRUE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_USER + 5);
    EXPECT_TRUE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_USER + 7);
    EXPECT_FALSE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));

    PostMessageA(hwnd, WM_USER + 8, 0, 0);
    DestroyWindow(hwnd);
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) << "messages of a destroyed window are dropped";
}

TEST(Messages, GetMessageQuitsAndNeverBlocks)
{
    DrainQueue();
    MSG msg;
    PostQuitMessage(7);
    PostMessageA(NULL, WM_USER, 0, 0);
    EXPECT_EQ(GetMessageA(&msg, NULL, 0, 0), TRUE);
    EXPECT_EQ(msg.message, (UINT)WM_USER) << "posted messages come before WM_QUIT";
    EXPECT_EQ(GetMessageA(&msg, NULL, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 7u);

    UINT cIdle = AutoGetIdleQuitCount();
    EXPECT_EQ(GetMessageA(&msg, NULL, 0, 0), FALSE);
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(AutoGetIdleQuitCount(), cIdle + 1);
}

std::vector<DWORD> g_timerTicks;

void CALLBACK RecordTimer(HWND, UINT, UINT_PTR, DWORD dwTime)
{
    g_timerTicks.push_back(dwTime);
}

TEST(Timers, FireOncePerPeriodOfVirtualTimeAndNotBefore)
{
    DrainQueue();
    g_timerTicks.clear();
    DWORD dwStart = GetTickCount();
    UINT_PTR id = SetTimer(NULL, 0, 250, RecordTimer);
    ASSERT_NE(id, 0u);
    AutoAdvanceClock(249);
    EXPECT_TRUE(g_timerTicks.empty());
    AutoAdvanceClock(1);
    ASSERT_EQ(g_timerTicks.size(), 1u);
    EXPECT_EQ(g_timerTicks[0], dwStart + 250);
    AutoAdvanceClock(1000);
    EXPECT_EQ(g_timerTicks.size(), 5u) << "one per elapsed period, not coalesced into one";
    EXPECT_EQ(GetTickCount(), dwStart + 1250);
    EXPECT_TRUE(KillTimer(NULL, id));
    AutoAdvanceClock(1000);
    EXPECT_EQ(g_timerTicks.size(), 5u);
    EXPECT_FALSE(KillTimer(NULL, id));
}

TEST(Timers, WindowTimerIsCoalescedResetByRestartAndKilledWithTheWindow)
{
    DrainQueue();
    HWND hwnd = SeqCreate(1, 0, NULL, 0);
    SeqStart();
    DWORD dwStart = GetTickCount();
    SetTimer(hwnd, 800, 100, NULL);
    AutoAdvanceClock(60);
    SetTimer(hwnd, 800, 100, NULL);  // restarting resets the period
    AutoAdvanceClock(60);
    EXPECT_TRUE(SeqLog().empty());
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, hwnd, WM_TIMER, WM_TIMER), TRUE) << "GetMessage waits for the timer";
    EXPECT_EQ(msg.wParam, 800u);
    EXPECT_EQ(GetTickCount(), dwStart + 160);
    DispatchMessageA(&msg);
    static const SEQMSG kTimer[] = {{1, WM_TIMER, SEQ_WPARAM, 800, 0}, {0, 0, 0, 0, 0}};
    SEQ_CHECK(kTimer, "one WM_TIMER");

    // A thread timer lets ten periods of the window timer pass unpumped.
    UINT_PTR idThread = SetTimer(NULL, 0, 1000, NULL);
    EXPECT_EQ(GetMessageA(&msg, (HWND)-1, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, idThread);
    KillTimer(NULL, idThread);
    EXPECT_TRUE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_TIMER);
    EXPECT_FALSE(PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE)) << "at most one pending WM_TIMER per timer";

    DestroyWindow(hwnd);
    UINT cIdle = AutoGetIdleQuitCount();
    GetMessageA(&msg, NULL, 0, 0);
    EXPECT_EQ(AutoGetIdleQuitCount(), cIdle + 1) << "the window's timer died with it";
    SeqFlush();
}

TEST(Focus, KillFocusBeforeSetFocusWithTheOtherWindow)
{
    HWND hwndTop = SeqCreate(1, WS_VISIBLE, NULL, 0);
    HWND hwndA = SeqCreate(2, WS_CHILD | WS_VISIBLE, hwndTop, 1);
    HWND hwndB = SeqCreate(3, WS_CHILD | WS_VISIBLE, hwndTop, 2);
    SetFocus(hwndA);
    SeqStart({WM_IME_SETCONTEXT, WM_IME_NOTIFY});  // Windows tells the input method too
    EXPECT_EQ(SetFocus(hwndB), hwndA);
    EXPECT_EQ(GetFocus(), hwndB);
    static const SEQMSG kSwitch[] = {
        {2, WM_KILLFOCUS, SEQ_WPARAM, (WPARAM)hwndB, 0},
        {3, WM_SETFOCUS, SEQ_WPARAM, (WPARAM)hwndA, 0},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kSwitch, "focus from A to B");
    EnableWindow(hwndA, FALSE);
    EXPECT_EQ(SetFocus(hwndA), nullptr) << "a disabled window cannot take the focus";
    EXPECT_EQ(GetFocus(), hwndB);
    SeqStart({WM_ENABLE, WM_CANCELMODE, WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED});
    DestroyWindow(hwndB);
    EXPECT_NE(GetFocus(), hwndB);
    DestroyWindow(hwndTop);
    EXPECT_EQ(GetFocus(), nullptr);
    SeqFlush();
}

TEST(Capture, ChangeNotifiesTheOldWindowAndClickFollowsCapture)
{
    HWND hwndTop = SeqCreate(1, WS_VISIBLE, NULL, 0, 0, 0, 200, 200);
    HWND hwndA = SeqCreate(2, WS_CHILD | WS_VISIBLE, hwndTop, 1, 0, 0, 20, 10);
    HWND hwndB = SeqCreate(3, WS_CHILD | WS_VISIBLE, hwndTop, 2, 100, 100, 40, 20);
    AutoPump();
    SeqStart();
    SetCapture(hwndA);
    EXPECT_EQ(SetCapture(hwndB), hwndA);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    static const SEQMSG kCapture[] = {
        {2, WM_CAPTURECHANGED, SEQ_LPARAM, 0, (LPARAM)hwndB},
        {3, WM_CAPTURECHANGED, SEQ_LPARAM, 0, 0},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kCapture, "capture A, then B, then release");

    // A real mouse also asks for hit tests and the cursor.
    SeqStart({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_MOUSEACTIVATE});
    EXPECT_TRUE(AutoClick(hwndB));
    static const SEQMSG kClick[] = {
        {3, WM_LBUTTONDOWN, SEQ_WPARAM | SEQ_LPARAM, MK_LBUTTON, MAKELPARAM(20, 10)},
        {3, WM_LBUTTONUP, SEQ_LPARAM, 0, MAKELPARAM(20, 10)},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kClick, "click at the centre");
    SetCapture(hwndA);
    SeqStart({WM_CAPTURECHANGED, WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_MOUSEACTIVATE});
    AutoClick(hwndB);
    static const SEQMSG kCaptured[] = {
        {2, WM_LBUTTONDOWN, SEQ_LPARAM, 0, MAKELPARAM(120, 110)},
        {2, WM_LBUTTONUP, SEQ_LPARAM, 0, MAKELPARAM(120, 110)},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kCaptured, "click while A has the capture");
    EnableWindow(hwndB, FALSE);
    EXPECT_FALSE(AutoClick(hwndB));
    DestroyWindow(hwndTop);
    EXPECT_EQ(GetCapture(), nullptr);
    SeqFlush();
}

TEST(WindowText, SetGetLengthAndTruncation)
{
    HWND hwnd = SeqCreate(1, 0, NULL, 0);
    char sz[16];
    EXPECT_EQ(GetWindowTextA(hwnd, sz, sizeof(sz)), 3);
    EXPECT_STREQ(sz, "seq") << "the title stored at WM_NCCREATE";
    EXPECT_TRUE(SetWindowTextA(hwnd, "a longer window title"));
    EXPECT_EQ(GetWindowTextLengthA(hwnd), 21);
    char szSmall[6];
    memset(szSmall, 'x', sizeof(szSmall));
    EXPECT_EQ(GetWindowTextA(hwnd, szSmall, sizeof(szSmall)), 5);
    EXPECT_STREQ(szSmall, "a lon");
    SetWindowTextA(hwnd, NULL);
    EXPECT_EQ(GetWindowTextLengthA(hwnd), 0);
    DestroyWindow(hwnd);
    EXPECT_EQ(GetWindowTextA(hwnd, sz, sizeof(sz)), 0);
    EXPECT_STREQ(sz, "");
}

TEST(Painting, InvalidationMakesOnePaintWithEraseAndValidates)
{
    DrainQueue();
    HWND hwndTop = SeqCreate(1, WS_VISIBLE, NULL, 0, 0, 0, 200, 100);
    HWND hwndChild = SeqCreate(2, WS_CHILD | WS_VISIBLE, hwndTop, 1, 0, 0, 50, 50);
    AutoPump();
    RECT rc;
    EXPECT_FALSE(GetUpdateRect(hwndTop, &rc, FALSE));
    SeqStart();
    RECT rcPart{150, 0, 200, 100};
    InvalidateRect(hwndTop, &rcPart, TRUE);
    EXPECT_TRUE(GetUpdateRect(hwndTop, &rc, FALSE));
    EXPECT_EQ(rc.left, 150);
    EXPECT_FALSE(GetUpdateRect(hwndChild, NULL, FALSE)) << "the child lies outside the invalid part";
    EXPECT_EQ(AutoPump(), 1u);
    static const SEQMSG kPaint[] = {
        {1, WM_PAINT, 0, 0, 0},
        {1, WM_ERASEBKGND, 0, 0, 0},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kPaint, "one paint, erase inside BeginPaint");
    EXPECT_FALSE(GetUpdateRect(hwndTop, NULL, FALSE));

    InvalidateRect(hwndTop, NULL, FALSE);
    EXPECT_TRUE(GetUpdateRect(hwndChild, NULL, FALSE)) << "parents without WS_CLIPCHILDREN invalidate children";
    ValidateRect(hwndTop, NULL);
    EXPECT_FALSE(GetUpdateRect(hwndChild, NULL, FALSE)) << "... and validate them";
    InvalidateRect(hwndChild, NULL, FALSE);
    UpdateWindow(hwndTop);
    static const SEQMSG kUpdate[] = {{2, WM_PAINT, 0, 0, 0}, {0, 0, 0, 0, 0}};
    SEQ_CHECK(kUpdate, "UpdateWindow paints what is still invalid, at once");

    ShowWindow(hwndTop, SW_HIDE);
    InvalidateRect(hwndTop, NULL, TRUE);
    SeqStart();
    AutoPump();
    static const SEQMSG kNone[] = {{0, 0, 0, 0, 0}};
    SEQ_CHECK(kNone, "hidden windows get no WM_PAINT");
    DestroyWindow(hwndTop);
}

}  // namespace
