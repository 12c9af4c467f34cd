// Logs of beeps, help and shell calls; settable screen size and cursor.
#include <windows.h>
#include <automation.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/tempdir.h"

namespace {

TEST(Logs, BeepsAndHelpCallsInOrder)
{
    AutoClearLogs();
    HWND hwnd = (HWND)(uintptr_t)0x42;
    EXPECT_TRUE(MessageBeep(0));
    EXPECT_TRUE(MessageBeep(0xFFFFFFFF));
    EXPECT_TRUE(WinHelpA(hwnd, "C:\\app\\HELP\\QFFTANA.HLP", HELP_CONTEXT, 1200));
    EXPECT_TRUE(WinHelpA(hwnd, nullptr, HELP_QUIT, 0));

    ASSERT_EQ(2, AutoGetBeepCount());
    UINT uType = 7;
    EXPECT_TRUE(AutoGetBeep(0, &uType));
    EXPECT_EQ(0u, uType);
    EXPECT_TRUE(AutoGetBeep(1, &uType));
    EXPECT_EQ(0xFFFFFFFFu, uType);
    EXPECT_FALSE(AutoGetBeep(2, &uType));

    ASSERT_EQ(2, AutoGetHelpCount());
    AUTOHELPCALL help;
    ASSERT_TRUE(AutoGetHelpCall(0, &help));
    EXPECT_EQ(hwnd, help.hwnd);
    EXPECT_STREQ("C:\\app\\HELP\\QFFTANA.HLP", help.szHelpFile);
    EXPECT_EQ((UINT)HELP_CONTEXT, help.uCommand);
    EXPECT_EQ(1200u, help.dwData);
    ASSERT_TRUE(AutoGetHelpCall(1, &help));
    EXPECT_STREQ("", help.szHelpFile) << "NULL is logged as empty";

    AutoClearLogs();
    EXPECT_EQ(0, AutoGetBeepCount());
    EXPECT_EQ(0, AutoGetHelpCount());
}

TEST(Logs, ShellExecuteLogsAndReportsMissingFiles)
{
    AutoClearLogs();
    TempDir dir;
    WriteBytes(dir.Path("QFFTANA.PDF"), "%PDF");
    std::string strPdf = dir.WinPath("QFFTANA.PDF");
    HWND hwnd = (HWND)(uintptr_t)0x99;

    EXPECT_GT((INT_PTR)ShellExecuteA(hwnd, nullptr, strPdf.c_str(), nullptr, nullptr, 10), 32);
    EXPECT_GT((INT_PTR)ShellExecuteA(hwnd, "open", "QFFTANA.PDF", "-p", dir.WinPath("").c_str(), 1), 32);
    EXPECT_EQ(SE_ERR_FNF, (INT_PTR)ShellExecuteA(hwnd, nullptr, dir.WinPath("NONE.PDF").c_str(), nullptr, nullptr, 10));
    EXPECT_EQ(SE_ERR_FNF, (INT_PTR)ShellExecuteA(hwnd, nullptr, nullptr, nullptr, nullptr, 10));

    ASSERT_EQ(4, AutoGetShellCount());
    AUTOSHELLCALL call;
    ASSERT_TRUE(AutoGetShellCall(0, &call));
    EXPECT_EQ(hwnd, call.hwnd);
    EXPECT_STREQ("", call.szVerb);
    EXPECT_EQ(strPdf, call.szFile);
    EXPECT_STREQ("", call.szParameters);
    EXPECT_STREQ("", call.szDirectory);
    EXPECT_EQ(10, call.nShowCmd);
    EXPECT_GT(call.nResult, 32);
    ASSERT_TRUE(AutoGetShellCall(1, &call));
    EXPECT_STREQ("open", call.szVerb);
    EXPECT_STREQ("-p", call.szParameters);
    EXPECT_FALSE(AutoGetShellCall(4, &call));

    AutoClearLogs();
    EXPECT_EQ(0, AutoGetShellCount());
}

TEST(Logs, LongTextsAreCutToTheirFields)
{
    AutoClearLogs();
    std::string strLong(1000, 'h');
    WinHelpA(nullptr, strLong.c_str(), HELP_CONTENTS, 0);
    AUTOHELPCALL help;
    ASSERT_TRUE(AutoGetHelpCall(0, &help));
    EXPECT_EQ(std::string(MAX_PATH - 1, 'h'), help.szHelpFile);
    AutoClearLogs();
}

TEST(Metrics, ScreenSizeIsSettable)
{
    EXPECT_EQ(1280, GetSystemMetrics(SM_CXSCREEN)) << "default of the virtual screen";
    EXPECT_EQ(1024, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(AutoSetScreenSize(1024, 768));
    EXPECT_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(768, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(1024, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_FALSE(AutoSetScreenSize(0, 768));
    EXPECT_FALSE(AutoSetScreenSize(800, -1));
    EXPECT_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_TRUE(AutoSetScreenSize(1280, 1024));

    EXPECT_EQ(17, GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(1, GetSystemMetrics(SM_CMONITORS));
    EXPECT_EQ(0, GetSystemMetrics(9999)) << "unknown index";
    EXPECT_EQ(0, GetSystemMetrics(-1));
}

TEST(Metrics, CursorPositionIsSettable)
{
    POINT pt = {-5, -5};
    AutoSetCursorPos(300, 200);
    EXPECT_TRUE(GetCursorPos(&pt));
    EXPECT_EQ(300, pt.x);
    EXPECT_EQ(200, pt.y);
    EXPECT_FALSE(GetCursorPos(nullptr));
    AutoSetCursorPos(0, 0);
}

} // namespace
