// Module entry: the window classes of the plug-in. The version export is
// checked by the host program, which refuses a plug-in that does not answer
// 100, in every end-to-end test.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <gtest/gtest.h>

#include "fixture.h"
#include "frame/fftview.h"

static const char *const s_apszViewClasses[] = {
    "QPANEFFTANALYCHTABLE", "QPANEFFTANALYBARGRAPH", "QPANEFFTANALYCOHGRAPH"};

TEST(Entry, OnlyTheAnalysisClassIsGlobal)
{
    HMODULE hPlugin = LoadPlugin();
    ASSERT_NE(hPlugin, nullptr);
    HINSTANCE hHost = GetModuleHandleA(NULL);
    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(hHost, "QPANEFFTANALYPLAY", &wc)) << "found from another module";
    EXPECT_EQ(wc.style, 0x400Bu);
    EXPECT_EQ(wc.cbWndExtra, FVW_EXTRA);
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.hbrBackground, (HBRUSH)(COLOR_BTNFACE + 1));
    // GetClassInfoA answers with the instance asked with; the module that
    // registered the class shows in its windows.
    HWND hWnd = CreateWindowExA(0, "QPANEFFTANALYPLAY", "", 0, 0, 0, 10, 10, NULL, NULL, hHost, NULL);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(GetClassLongPtrA(hWnd, GCLP_HMODULE), (ULONG_PTR)hPlugin);
    DestroyWindow(hWnd);
    for (const char *pszClass : s_apszViewClasses) {
        EXPECT_FALSE(GetClassInfoA(hHost, pszClass, &wc)) << pszClass;
        ASSERT_TRUE(GetClassInfoA(hPlugin, pszClass, &wc)) << pszClass;
        EXPECT_EQ(wc.style, 0x00ABu) << pszClass;
        EXPECT_EQ(wc.cbWndExtra, FVW_EXTRA) << pszClass;
    }
    FreeLibrary(hPlugin);
}

// Class atoms are handed out in registration order, which shows the order
// of the load-time registrations. Only a first load shows it (the view
// classes of an earlier load stay registered), so it is checked in a fresh
// process: the exit code tells the outcome, stderr what went wrong.
static int FirstLoadRegistersInOrder(void)
{
    HMODULE hPlugin = LoadPlugin();
    if (hPlugin == NULL || PluginLoadsBefore() > 0) {
        fprintf(stderr, "not a first load of the plug-in\n");
        return 2;
    }
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    ATOM aPrevious = GetClassInfoExA(hPlugin, "QPANEFFTANALYPLAY", &wc);
    for (const char *pszClass : s_apszViewClasses) {
        ATOM aClass = GetClassInfoExA(hPlugin, pszClass, &wc);
        if (aPrevious == 0 || aClass <= aPrevious) {
            fprintf(stderr, "%s registered out of order\n", pszClass);
            return 1;
        }
        aPrevious = aClass;
    }
    return 0;
}

TEST(Entry, ClassesAreRegisteredInLoadOrder)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // a new process, not a fork of this one
    EXPECT_EXIT(exit(FirstLoadRegistersInOrder()), testing::ExitedWithCode(0), "");
}

TEST(Entry, UnloadUnregistersOnlyTheAnalysisClass)
{
    HMODULE hPlugin = LoadPlugin();
    ASSERT_NE(hPlugin, nullptr);
    HWND hWnd = CreateWindowExA(0, "QPANEFFTANALYPLAY", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    ASSERT_NE(hWnd, nullptr);
    DestroyWindow(hWnd);
    FreeLibrary(hPlugin);

    WNDCLASSA wc;
    EXPECT_FALSE(GetClassInfoA(hPlugin, "QPANEFFTANALYPLAY", &wc));
    for (const char *pszClass : s_apszViewClasses)
        EXPECT_TRUE(GetClassInfoA(hPlugin, pszClass, &wc)) << pszClass << " stays registered";
    // Where the graph library went with the plug-in (nothing else holds it),
    // its global class went too: a later load at another address must not
    // find a procedure in freed code.
    if (GetModuleHandleA("QFFTGRPH.dll") == NULL) {
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(NULL), "QFFTGFRAPHCLASS", &wc));
    }
}
