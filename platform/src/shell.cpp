// MessageBeep, WinHelpA and ShellExecuteA: headless, so they only log what
// they were asked (see automation.h).
#include <windows.h>
#include <automation.h>
#include <shellapi.h>

#include "logtext.h"
#include "path.h"

#include <sys/stat.h>

#include <vector>

static std::vector<UINT> g_beeps;
static std::vector<AUTOHELPCALL> g_helpCalls;
static std::vector<AUTOSHELLCALL> g_shellCalls;

// Value ShellExecuteA returns on success: any value above 32 means success.
static const INT_PTR SHELL_SUCCESS = 42;

extern "C" BOOL WINAPI MessageBeep(UINT uType)
{
    g_beeps.push_back(uType);
    return TRUE;
}

extern "C" BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    AUTOHELPCALL call = {};
    call.hwnd = hWndMain;
    LogCopyText(call.szHelpFile, lpszHelp);
    call.uCommand = uCommand;
    call.dwData = dwData;
    g_helpCalls.push_back(call);
    return TRUE;
}

// Whether the file to be opened exists; a relative name is taken from
// lpDirectory when one is given.
static bool ShellTargetExists(LPCSTR lpFile, LPCSTR lpDirectory)
{
    if (!lpFile || !*lpFile)
        return false;
    std::string strPath = PathToHost(lpFile);
    if (strPath[0] != '/' && lpDirectory && *lpDirectory)
        strPath = PathToHost(lpDirectory) + "/" + strPath;
    struct stat st;
    return stat(strPath.c_str(), &st) == 0;
}

extern "C" HINSTANCE WINAPI ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                                          LPCSTR lpDirectory, INT nShowCmd)
{
    AUTOSHELLCALL call = {};
    call.hwnd = hwnd;
    LogCopyText(call.szVerb, lpOperation);
    LogCopyText(call.szFile, lpFile);
    LogCopyText(call.szParameters, lpParameters);
    LogCopyText(call.szDirectory, lpDirectory);
    call.nShowCmd = nShowCmd;
    call.nResult = ShellTargetExists(lpFile, lpDirectory) ? SHELL_SUCCESS : SE_ERR_FNF;
    g_shellCalls.push_back(call);
    return (HINSTANCE)call.nResult;
}

extern "C" void AutoClearLogs(void)
{
    g_beeps.clear();
    g_helpCalls.clear();
    g_shellCalls.clear();
    FileDialogClearLog();
    MenuClearLog();
}

extern "C" int AutoGetBeepCount(void)
{
    return (int)g_beeps.size();
}

extern "C" BOOL AutoGetBeep(int iBeep, UINT *puType)
{
    if (iBeep < 0 || (size_t)iBeep >= g_beeps.size() || !puType)
        return FALSE;
    *puType = g_beeps[(size_t)iBeep];
    return TRUE;
}

extern "C" int AutoGetHelpCount(void)
{
    return (int)g_helpCalls.size();
}

extern "C" BOOL AutoGetHelpCall(int iCall, AUTOHELPCALL *pCall)
{
    if (iCall < 0 || (size_t)iCall >= g_helpCalls.size() || !pCall)
        return FALSE;
    *pCall = g_helpCalls[(size_t)iCall];
    return TRUE;
}

extern "C" int AutoGetShellCount(void)
{
    return (int)g_shellCalls.size();
}

extern "C" BOOL AutoGetShellCall(int iCall, AUTOSHELLCALL *pCall)
{
    if (iCall < 0 || (size_t)iCall >= g_shellCalls.size() || !pCall)
        return FALSE;
    *pCall = g_shellCalls[(size_t)iCall];
    return TRUE;
}
