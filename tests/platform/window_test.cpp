// Window classes, creation and destruction order, the window tree, longs and
// words, geometry and visibility.
#include <windows.h>

#include <gtest/gtest.h>

#include "msgseq.h"

namespace {

LRESULT CALLBACK PlainProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK RefuseCreateProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_CREATE)
        return -1;
    return PlainProc(hwnd, uMsg, wParam, lParam);
}

ATOM Register(const char *pszName, UINT uStyle, HINSTANCE hInstance, int cbWndExtra = 0,
              WNDPROC pfn = PlainProc)
{
    WNDCLASSA wc{};
    wc.style = uStyle;
    wc.lpfnWndProc = pfn;
    wc.cbWndExtra = cbWndExtra;
    wc.hInstance = hInstance;
    wc.lpszClassName = pszName;
    return RegisterClassA(&wc);
}

// A module handle other than the program's, as another DLL would have.
HINSTANCE OtherModule()
{
    return (HINSTANCE)(uintptr_t)0x7000000;
}

TEST(WindowClass, LocalClassIsFoundOnlyForItsModuleAndGlobalForAll)
{
    ASSERT_TRUE(Register("LocalCls", 0, OtherModule()));
    ASSERT_TRUE(Register("GlobalCls", CS_GLOBALCLASS, OtherModule()));
    WNDCLASSA wc;
    EXPECT_TRUE(GetClassInfoA(OtherModule(), "localcls", &wc)) << "names are case-insensitive";
    EXPECT_FALSE(GetClassInfoA(NULL, "LocalCls", &wc));
    EXPECT_EQ(CreateWindowExA(0, "LocalCls", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CANNOT_FIND_WND_CLASS);
    HWND hwnd = CreateWindowExA(0, "GlobalCls", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    EXPECT_NE(hwnd, nullptr);

    EXPECT_FALSE(Register("GlobalCls", CS_GLOBALCLASS, NULL));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLASS_ALREADY_EXISTS);
    EXPECT_TRUE(Register("LocalCls", 0, NULL)) << "another module may use the same local name";

    EXPECT_FALSE(UnregisterClassA("GlobalCls", OtherModule()));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLASS_HAS_WINDOWS);
    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassA("GlobalCls", OtherModule()));
    EXPECT_FALSE(UnregisterClassA("GlobalCls", OtherModule()));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLASS_DOES_NOT_EXIST);
    EXPECT_TRUE(UnregisterClassA("LocalCls", OtherModule()));
    EXPECT_TRUE(UnregisterClassA("LocalCls", NULL));
}

TEST(WindowClass, InfoGivesTheInstanceAskedWithAndWindowsTheRegisteringOne)
{
    ASSERT_TRUE(Register("GlobalInfoCls", CS_GLOBALCLASS, OtherModule()));
    WNDCLASSA wc;
    for (HINSTANCE hAsked : {OtherModule(), GetModuleHandleA(NULL), (HINSTANCE)(uintptr_t)0x12340000}) {
        ASSERT_TRUE(GetClassInfoA(hAsked, "GlobalInfoCls", &wc));
        EXPECT_EQ(wc.hInstance, hAsked);
    }
    ASSERT_TRUE(GetClassInfoA(NULL, "BUTTON", &wc));
    EXPECT_EQ(wc.hInstance, nullptr) << "a system class asked for with NULL";

    HWND hwnd = CreateWindowExA(0, "GlobalInfoCls", "", 0, 0, 0, 1, 1, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HMODULE), (ULONG_PTR)OtherModule());
    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassA("GlobalInfoCls", OtherModule()));
}

TEST(WindowClass, ClassLongsAndName)
{
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = PlainProc;
    wc.cbWndExtra = 20;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.lpszClassName = "LongsCls";
    ASSERT_TRUE(RegisterClassA(&wc));
    EXPECT_NE(wc.hCursor, nullptr);
    HWND hwnd = CreateWindowExA(0, "LongsCls", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    EXPECT_EQ(GetClassLongA(hwnd, GCL_CBWNDEXTRA), 20u);
    EXPECT_EQ(GetClassLongA(hwnd, GCL_STYLE), (DWORD)CS_HREDRAW);
    EXPECT_EQ(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND), (ULONG_PTR)(COLOR_BTNFACE + 1));
    char szName[8];
    EXPECT_EQ(GetClassNameA(hwnd, szName, sizeof(szName)), 7);
    EXPECT_STREQ(szName, "LongsCl") << "truncated and terminated";
    DestroyWindow(hwnd);
    UnregisterClassA("LongsCls", NULL);
}

TEST(WindowLongs, ExtraBytesByOffsetWithBoundsChecks)
{
    Register("ExtraCls", 0, NULL, 20);
    HWND hwnd = CreateWindowExA(0, "ExtraCls", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    EXPECT_EQ(SetWindowLongA(hwnd, 0, 0x11223344), 0);
    EXPECT_EQ(SetWindowLongA(hwnd, 8, -5), 0);
    EXPECT_EQ(SetWindowWord(hwnd, 12, 0xBEEF), 0);
    EXPECT_EQ(GetWindowLongA(hwnd, 0), 0x11223344);
    EXPECT_EQ(GetWindowWord(hwnd, 0), 0x3344) << "words overlay longs at the same offset";
    EXPECT_EQ(GetWindowWord(hwnd, 2), 0x1122);
    EXPECT_EQ(GetWindowLongA(hwnd, 8), -5);
    EXPECT_EQ(GetWindowWord(hwnd, 12), 0xBEEF);
    EXPECT_EQ(GetWindowLongA(hwnd, 16), 0);

    struct { int nIndex; bool fWord; } aBad[] = {{17, false}, {20, false}, {19, true}, {-1, true}, {1000, false}};
    for (auto &bad : aBad) {
        SetLastError(0);
        if (bad.fWord)
            EXPECT_EQ(GetWindowWord(hwnd, bad.nIndex), 0);
        else
            EXPECT_EQ(GetWindowLongA(hwnd, bad.nIndex), 0);
        EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_INDEX) << "offset " << bad.nIndex;
    }
    EXPECT_EQ(SetWindowLongA(hwnd, 18, 1), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_INDEX);
    EXPECT_EQ(GetWindowWord(hwnd, 18), 0) << "a refused write must not touch the bytes";
    DestroyWindow(hwnd);
    EXPECT_EQ(GetWindowLongA(hwnd, 0), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_WINDOW_HANDLE);
}

WNDPROC g_pfnBeforeSubclass;

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_USER)
        return 42;
    return CallWindowProcA(g_pfnBeforeSubclass, hwnd, uMsg, wParam, lParam);
}

TEST(WindowLongs, SpecialIndexesAndSubclassing)
{
    HWND hwndParent = SeqCreate(1, WS_VISIBLE, NULL, 0);
    HWND hwnd = SeqCreate(2, WS_CHILD, hwndParent, 1234);
    SeqStart({WM_STYLECHANGING, WM_STYLECHANGED});
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_ID), 1234);
    EXPECT_EQ(GetDlgCtrlID(hwnd), 1234);
    EXPECT_EQ(GetDlgItem(hwndParent, 1234), hwnd);
    SetWindowLongA(hwnd, GWL_ID, 1000);
    EXPECT_EQ(GetDlgItem(hwndParent, 1000), hwnd);
    EXPECT_EQ(GetDlgItem(hwndParent, 1234), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CONTROL_ID_NOT_FOUND);
    EXPECT_EQ((HWND)GetWindowLongPtrA(hwnd, GWLP_HWNDPARENT), hwndParent);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD);

    g_pfnBeforeSubclass = (WNDPROC)SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)SubclassProc);
    EXPECT_NE(g_pfnBeforeSubclass, nullptr);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 42);
    SetWindowTextA(hwnd, "through the old procedure");
    char sz[64];
    GetWindowTextA(hwnd, sz, sizeof(sz));
    EXPECT_STREQ(sz, "through the old procedure");
    DestroyWindow(hwndParent);
    SeqFlush();
}

TEST(WindowLifetime, DestroyOrderParentsFirstThenChildrenFirst)
{
    // Destroying an active top-level window also deactivates it and moves
    // the focus: noise for the order under test.
    SeqStart({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCCALCSIZE, WM_MOVE, WM_SIZE,
              WM_SHOWWINDOW, WM_PARENTNOTIFY, WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS,
              WM_IME_SETCONTEXT, WM_IME_NOTIFY});
    HWND hwnd1 = SeqCreate(1, WS_VISIBLE, NULL, 0);
    HWND hwnd2 = SeqCreate(2, WS_CHILD | WS_VISIBLE, hwnd1, 2);
    SeqCreate(3, WS_CHILD | WS_VISIBLE, hwnd1, 3);
    SeqCreate(4, WS_CHILD | WS_VISIBLE, hwnd2, 4);
    SeqFlush();
    DestroyWindow(hwnd1);
    static const SEQMSG kDestroy[] = {
        {1, WM_DESTROY, 0, 0, 0},
        {2, WM_DESTROY, 0, 0, 0},
        {4, WM_DESTROY, 0, 0, 0},
        {3, WM_DESTROY, 0, 0, 0},
        {4, WM_NCDESTROY, 0, 0, 0},
        {2, WM_NCDESTROY, 0, 0, 0},
        {3, WM_NCDESTROY, 0, 0, 0},
        {1, WM_NCDESTROY, 0, 0, 0},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kDestroy, "destroying a parent with children and a grandchild");
    EXPECT_FALSE(IsWindow(hwnd1));
    EXPECT_FALSE(IsWindow(hwnd2));
}

TEST(WindowLifetime, CreationSequenceOfAChild)
{
    HWND hwnd1 = SeqCreate(1, 0, NULL, 0);
    SeqStart();
    SeqCreate(2, WS_CHILD, hwnd1, 7, 5, 6, 30, 20);
    static const SEQMSG kCreate[] = {
        {2, WM_NCCREATE, 0, 0, 0},
        {2, WM_NCCALCSIZE, SEQ_OPTIONAL, 0, 0},
        {2, WM_CREATE, 0, 0, 0},
        {2, WM_SIZE, SEQ_WPARAM | SEQ_LPARAM, SIZE_RESTORED, MAKELPARAM(30, 20)},
        {2, WM_MOVE, SEQ_LPARAM, 0, MAKELPARAM(5, 6)},
        {1, WM_PARENTNOTIFY, SEQ_WPARAM, MAKEWPARAM(WM_CREATE, 7), 0},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kCreate, "creating an invisible child");
    DestroyWindow(hwnd1);
    SeqFlush();
}

TEST(WindowLifetime, RefusedCreateFailsAndDestroys)
{
    Register("RefuseCls", 0, NULL, 0, RefuseCreateProc);
    EXPECT_EQ(CreateWindowExA(0, "RefuseCls", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL), nullptr);
    EXPECT_TRUE(UnregisterClassA("RefuseCls", NULL)) << "no window of the class may remain";
}

TEST(WindowLifetime, ChildNeedsParentAndStaleHandlesAreRejected)
{
    Register("PlainCls", 0, NULL);
    EXPECT_EQ(CreateWindowExA(0, "PlainCls", "", WS_CHILD, 0, 0, 1, 1, NULL, NULL, NULL, NULL), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_TLW_WITH_WSCHILD);
    HWND hwnd = CreateWindowExA(0, "PlainCls", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    DestroyWindow(hwnd);
    HWND hwndNew = CreateWindowExA(0, "PlainCls", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    EXPECT_NE(hwndNew, hwnd) << "a reused slot must get a new handle";
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(DestroyWindow(hwnd));
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
    EXPECT_FALSE(IsWindow((HWND)(uintptr_t)0x1234));
    DestroyWindow(hwndNew);
}

TEST(WindowTree, SiblingsInCreationOrderAndReparenting)
{
    Register("PlainCls", 0, NULL);
    HWND hwndP = CreateWindowExA(0, "PlainCls", "", 0, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    HWND hwndQ = CreateWindowExA(0, "PlainCls", "", 0, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    HWND hwndA = CreateWindowExA(0, "PlainCls", "", WS_CHILD, 0, 0, 1, 1, hwndP, (HMENU)1, NULL, NULL);
    HWND hwndB = CreateWindowExA(0, "PlainCls", "", WS_CHILD, 0, 0, 1, 1, hwndP, (HMENU)2, NULL, NULL);
    HWND hwndC = CreateWindowExA(0, "PlainCls", "", WS_CHILD, 0, 0, 1, 1, hwndB, (HMENU)3, NULL, NULL);
    EXPECT_EQ(GetWindow(hwndP, GW_CHILD), hwndA);
    EXPECT_EQ(GetWindow(hwndA, GW_HWNDNEXT), hwndB);
    EXPECT_EQ(GetWindow(hwndB, GW_HWNDPREV), hwndA);
    EXPECT_EQ(GetWindow(hwndB, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(hwndA, GW_HWNDLAST), hwndB);
    EXPECT_EQ(GetParent(hwndC), hwndB);
    EXPECT_TRUE(IsChild(hwndP, hwndC));
    EXPECT_FALSE(IsChild(hwndQ, hwndC));
    EXPECT_EQ(GetDlgItem(hwndP, 3), nullptr) << "only direct children are searched";
    EXPECT_EQ(GetParent(hwndP), nullptr);

    EXPECT_EQ(SetParent(hwndB, hwndQ), hwndP);
    EXPECT_TRUE(IsChild(hwndQ, hwndC));
    EXPECT_EQ(GetWindow(hwndP, GW_CHILD), hwndA);
    EXPECT_EQ(GetWindow(hwndA, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(SetParent(hwndQ, hwndC), nullptr) << "a window cannot move below itself";
    DestroyWindow(hwndQ);
    EXPECT_FALSE(IsWindow(hwndC));
    EXPECT_TRUE(IsWindow(hwndA));
    DestroyWindow(hwndP);
}

TEST(WindowGeometry, RectanglesMappingAndSizeMessages)
{
    // A popup: an overlapped window would get a caption and frame.
    HWND hwndTop = SeqCreate(1, WS_POPUP, NULL, 0, 100, 50, 400, 300);
    HWND hwndChild = SeqCreate(2, WS_CHILD | WS_BORDER, hwndTop, 1, 10, 20, 60, 40);
    RECT rc;
    GetClientRect(hwndChild, &rc);
    EXPECT_EQ(rc.right, 58);
    EXPECT_EQ(rc.bottom, 38);
    GetWindowRect(hwndChild, &rc);
    EXPECT_EQ(rc.left, 110);
    EXPECT_EQ(rc.top, 70);
    EXPECT_EQ(rc.right, 170);
    POINT pt{0, 0};
    ClientToScreen(hwndChild, &pt);
    EXPECT_EQ(pt.x, 111) << "the border lies outside the client area";
    ScreenToClient(hwndChild, &pt);
    EXPECT_EQ(pt.x, 0);
    POINT apt[2] = {{0, 0}, {5, 5}};
    MapWindowPoints(hwndChild, hwndTop, apt, 2);
    EXPECT_EQ(apt[1].x, 16);
    EXPECT_EQ(apt[1].y, 26);

    SeqStart({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCCALCSIZE});
    MoveWindow(hwndChild, 0, 0, 80, 40, FALSE);
    static const SEQMSG kMoveSize[] = {
        {2, WM_MOVE, SEQ_LPARAM, 0, MAKELPARAM(1, 1)},
        {2, WM_SIZE, SEQ_LPARAM, 0, MAKELPARAM(78, 38)},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kMoveSize, "MoveWindow changing both");
    SetWindowPos(hwndChild, NULL, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    static const SEQMSG kMoveOnly[] = {
        {2, WM_CHILDACTIVATE, 0, 0, 0},
        {2, WM_MOVE, SEQ_LPARAM, 0, MAKELPARAM(6, 6)},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kMoveOnly, "SWP_NOSIZE sends no WM_SIZE; without SWP_NOACTIVATE a child is activated");
    SetWindowPos(hwndChild, NULL, 5, 5, 80, 40, SWP_NOZORDER);
    static const SEQMSG kUnchanged[] = {{2, WM_CHILDACTIVATE, 0, 0, 0}, {0, 0, 0, 0, 0}};
    SEQ_CHECK(kUnchanged, "an unchanged position sends neither WM_MOVE nor WM_SIZE");
    SetWindowPos(hwndChild, NULL, 5, 5, 80, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    static const SEQMSG kNothing[] = {{0, 0, 0, 0, 0}};
    SEQ_CHECK(kNothing, "nothing at all with SWP_NOACTIVATE");
    DestroyWindow(hwndTop);
    SeqFlush();
}

TEST(WindowState, VisibilityFollowsParentsAndEnableSendsWmEnable)
{
    HWND hwndTop = SeqCreate(1, 0, NULL, 0);
    HWND hwndChild = SeqCreate(2, WS_CHILD | WS_VISIBLE, hwndTop, 1);
    EXPECT_FALSE(IsWindowVisible(hwndChild));
    EXPECT_FALSE(ShowWindow(hwndTop, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(hwndChild));
    EXPECT_TRUE(ShowWindow(hwndTop, SW_SHOWNORMAL)) << "returns the previous visibility";
    SeqStart();
    EXPECT_FALSE(EnableWindow(hwndChild, FALSE));
    EXPECT_FALSE(IsWindowEnabled(hwndChild));
    EXPECT_TRUE(EnableWindow(hwndChild, FALSE));
    EXPECT_TRUE(EnableWindow(hwndChild, TRUE));
    static const SEQMSG kEnable[] = {
        {2, WM_CANCELMODE, SEQ_OPTIONAL, 0, 0},
        {2, WM_ENABLE, SEQ_WPARAM, FALSE, 0},
        {2, WM_CANCELMODE, SEQ_OPTIONAL, 0, 0},  // disabling a disabled window may cancel modes again
        {2, WM_ENABLE, SEQ_WPARAM, TRUE, 0},
        {0, 0, 0, 0, 0},
    };
    SEQ_CHECK(kEnable, "disable twice, enable once");
    DestroyWindow(hwndTop);
    SeqFlush();
}

}  // namespace
