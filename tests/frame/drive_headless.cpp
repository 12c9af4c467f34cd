// The tests' drive interface on the headless platform's automation calls.
#include "drive.h"

#include <string.h>

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

void DriveOnNextMenu(UINT uCommand)
{
    AutoQueueMenuAnswer(uCommand);
}

int DriveMenuCount(void)
{
    return AutoGetMenuCount();
}

void DriveLastMenuItems(char *pszItems, int cchItems)
{
    if (!AutoGetLastMenuItems(pszItems, cchItems) && cchItems > 0)
        pszItems[0] = '\0';
}

void DriveClearLogs(void)
{
    AutoClearLogs();
}
