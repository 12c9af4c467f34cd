// The tests' drive interface on the headless platform's automation calls.
#include "drive.h"

#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/resource.h>

#include <string>

#include <automation.h>

void DrivePump(void)
{
    AutoPump();
}

void DriveAdvanceClock(DWORD dwMilliseconds)
{
    AutoAdvanceClock(dwMilliseconds);
}

void DriveOnNextDialog(DRIVEDIALOGPROC pfnAnswer, void *pUser)
{
    AutoQueueModalHandler(pfnAnswer, pUser);
}

void DriveOnNextFileDialog(const char *pszPath)
{
    if (pszPath != NULL)
        AutoQueueFileDialogPath(pszPath);
    else
        AutoQueueFileDialogCancel();
}

BOOL DriveLastFileDialog(char *pszInitialDir, char *pszInitialFile, DWORD *pdwFlags)
{
    AUTOFILEDLGCALL call;
    if (!AutoGetFileDialogCall(AutoGetFileDialogCount() - 1, &call))
        return FALSE;
    strcpy(pszInitialDir, call.szInitialDir);
    strcpy(pszInitialFile, call.szInitialFile);
    *pdwFlags = call.dwFlags;
    return TRUE;
}

int DriveBeepCount(void)
{
    return AutoGetBeepCount();
}

int DriveHelpQuitCount(const char *pszFile)
{
    int nQuits = 0;
    for (int i = 0; i < AutoGetHelpCount(); i++) {
        AUTOHELPCALL call;
        if (AutoGetHelpCall(i, &call) && call.uCommand == HELP_QUIT &&
            strcmp(call.szHelpFile, pszFile) == 0)
            nQuits++;
    }
    return nQuits;
}

BOOL DriveLastHelpCall(char *pszFile, UINT *puCommand, ULONG_PTR *pdwData)
{
    AUTOHELPCALL call;
    if (!AutoGetHelpCall(AutoGetHelpCount() - 1, &call))
        return FALSE;
    strcpy(pszFile, call.szHelpFile);
    *puCommand = call.uCommand;
    *pdwData = call.dwData;
    return TRUE;
}

BOOL DriveLastShellFile(char *pszFile)
{
    AUTOSHELLCALL call;
    if (!AutoGetShellCall(AutoGetShellCount() - 1, &call))
        return FALSE;
    strcpy(pszFile, call.szFile);
    return TRUE;
}

// Answered as the Win32 drive answers: one armed answer at a time, spent
// by the next menu; unanswered menus close at once.
void DriveOnNextMenu(UINT uCommand)
{
    AutoClearMenuAnswers();
    AutoQueueMenuAnswer(uCommand);
}

int DriveMenuCount(void)
{
    return AutoGetMenuCount();
}

void DriveLastMenuItems(char *pszItems, int cchItems)
{
    std::string sItems;
    AUTOMENUCALL call;
    if (AutoGetMenuCall(AutoGetMenuCount() - 1, &call))
        for (UINT i = 0; i < call.cItems; i++)
            sItems += std::to_string(call.aItems[i].uId) + " " + call.aItems[i].szText + "\n";
    snprintf(pszItems, (size_t)cchItems, "%s", sItems.c_str());
}

void DriveClearLogs(void)
{
    AutoClearLogs();
    AutoClearMenuAnswers();
    AutoClearMenuLog();
}

// The kernel's file size limit; its signal is ignored, so the write fails.
void DriveLimitFileSize(LONG cbMax)
{
    struct rlimit lim;
    getrlimit(RLIMIT_FSIZE, &lim);
    lim.rlim_cur = cbMax < 0 ? lim.rlim_max : (rlim_t)cbMax;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &lim);
}
