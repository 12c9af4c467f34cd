// The tests' drive interface on Windows. Pumping and modal dialogs use the
// Win32 automation of automation.cpp. Windows keeps no log of beeps, help
// calls or file dialogs, so the test program puts its own functions into
// the import tables of the plug-in and of itself (MessageBeep, WinHelpA,
// GetSaveFileNameA): they log each call and answer the save dialog as the
// test asked; mmioWrite fails past a size the test set, as on a full disk.
// The plug-in itself imports and calls the real functions.
#include "drive.h"

#include <shellapi.h>
#include <stdio.h>
#include <string.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "automation.h"

namespace {

struct HELPCALL {
    std::string sFile;
    UINT uCommand;
    ULONG_PTR dwData;
};

struct FILEDLGCALL {
    std::string sInitialDir;
    std::string sInitialFile;
    DWORD dwFlags;
};

// Answers for the coming file dialogs: a path, or cancel when bCancel.
struct FILEANSWER {
    bool bCancel;
    std::string sPath;
};

int s_nBeeps;
std::vector<HELPCALL> s_helpCalls;
std::vector<std::string> s_shellFiles;
std::vector<FILEDLGCALL> s_fileCalls;
std::deque<FILEANSWER> s_fileAnswers;
LONG s_cbFileLimit = -1;
std::map<HMMIO, LONG> s_cbWritten;

BOOL WINAPI LoggedMessageBeep(UINT)
{
    s_nBeeps++;
    return TRUE;
}

BOOL WINAPI LoggedWinHelpA(HWND, LPCSTR pszFile, UINT uCommand, ULONG_PTR dwData)
{
    s_helpCalls.push_back({pszFile ? pszFile : "", uCommand, dwData});
    return TRUE;
}

// Logged, and answered as a missing file would be: nothing is opened.
HINSTANCE WINAPI LoggedShellExecuteA(HWND, LPCSTR, LPCSTR pszFile, LPCSTR, LPCSTR, INT)
{
    s_shellFiles.push_back(pszFile ? pszFile : "");
    return (HINSTANCE)(INT_PTR)SE_ERR_FNF;
}

// Answers as a user would: the queued path, or Cancel (also when nothing is
// queued, as Esc). A path longer than the caller's buffer fails as Windows
// fails it, with nothing written.
BOOL WINAPI AnsweredGetSaveFileNameA(LPOPENFILENAMEA pOfn)
{
    s_fileCalls.push_back({pOfn->lpstrInitialDir ? pOfn->lpstrInitialDir : "",
                           pOfn->lpstrFile ? pOfn->lpstrFile : "", pOfn->Flags});
    if (s_fileAnswers.empty())
        return FALSE;
    FILEANSWER answer = s_fileAnswers.front();
    s_fileAnswers.pop_front();
    if (answer.bCancel || answer.sPath.size() >= pOfn->nMaxFile)
        return FALSE;
    strcpy(pOfn->lpstrFile, answer.sPath.c_str());
    size_t nName = answer.sPath.find_last_of("\\/");
    pOfn->nFileOffset = (WORD)(nName == std::string::npos ? 0 : nName + 1);
    size_t nDot = answer.sPath.find_last_of('.');
    pOfn->nFileExtension = (WORD)(nDot == std::string::npos || nDot < pOfn->nFileOffset ? 0 : nDot + 1);
    return TRUE;
}

// Any function, as an import slot holds it (void (*)(void) converts to and
// from every function pointer type without a warning).
typedef void (*ANYPROC)(void);

// Writes up to the size limit of the file and fails beyond it.
LONG WINAPI LimitedMmioWrite(HMMIO hmmio, const char *pch, LONG cch)
{
    typedef LONG(WINAPI * MMIOWRITEPROC)(HMMIO, const char *, LONG);
    // The real function: the program's own import slot now holds this one.
    static const MMIOWRITEPROC mmioWrite =
        (MMIOWRITEPROC)(ANYPROC)GetProcAddress(LoadLibraryA("winmm.dll"), "mmioWrite");
    if (s_cbFileLimit < 0 || cch < 0)
        return mmioWrite(hmmio, pch, cch);
    LONG &cbWritten = s_cbWritten[hmmio];
    LONG cbRoom = s_cbFileLimit - cbWritten;
    if (cch <= cbRoom) {
        cbWritten += cch;
        return mmioWrite(hmmio, pch, cch);
    }
    if (cbRoom > 0 && mmioWrite(hmmio, pch, cbRoom) == cbRoom)
        cbWritten += cbRoom;
    return -1;
}

struct REPLACEMENT {
    const char *pszDll;
    const char *pszName;
    ANYPROC pfnOwn;
};

const REPLACEMENT s_aReplacements[] = {
    {"user32.dll", "MessageBeep", (ANYPROC)LoggedMessageBeep},
    {"user32.dll", "WinHelpA", (ANYPROC)LoggedWinHelpA},
    {"comdlg32.dll", "GetSaveFileNameA", (ANYPROC)AnsweredGetSaveFileNameA},
    {"winmm.dll", "mmioWrite", (ANYPROC)LimitedMmioWrite},
    {"shell32.dll", "ShellExecuteA", (ANYPROC)LoggedShellExecuteA},
};

// Replaces pfnReal by pfnOwn in every import slot of hModule that holds it.
void ReplaceImport(HMODULE hModule, ANYPROC pfnReal, ANYPROC pfnOwn)
{
    BYTE *pBase = (BYTE *)hModule;
    const IMAGE_NT_HEADERS *pNt =
        (const IMAGE_NT_HEADERS *)(pBase + ((const IMAGE_DOS_HEADER *)pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return;
    for (const IMAGE_IMPORT_DESCRIPTOR *pDesc = (const IMAGE_IMPORT_DESCRIPTOR *)(pBase + dir.VirtualAddress);
         pDesc->Name != 0; pDesc++) {
        for (IMAGE_THUNK_DATA *pSlot = (IMAGE_THUNK_DATA *)(pBase + pDesc->FirstThunk);
             pSlot->u1.Function != 0; pSlot++) {
            if (pSlot->u1.Function != (ULONG_PTR)pfnReal)
                continue;
            DWORD dwOld;
            if (VirtualProtect(&pSlot->u1.Function, sizeof(pSlot->u1.Function), PAGE_READWRITE, &dwOld)) {
                pSlot->u1.Function = (ULONG_PTR)pfnOwn;
                VirtualProtect(&pSlot->u1.Function, sizeof(pSlot->u1.Function), dwOld, &dwOld);
            }
        }
    }
}

// The plug-in is loaded afresh by most tests, so its imports are replaced
// again on every call that needs them.
void ReplaceImports(void)
{
    const HMODULE ahModules[] = {GetModuleHandleA(NULL), GetModuleHandleA("QFFTANA.dll")};
    for (const REPLACEMENT &r : s_aReplacements) {
        ANYPROC pfnReal = (ANYPROC)GetProcAddress(LoadLibraryA(r.pszDll), r.pszName);
        if (pfnReal == NULL)
            continue;
        for (HMODULE hModule : ahModules)
            if (hModule != NULL)
                ReplaceImport(hModule, pfnReal, r.pfnOwn);
    }
}

}  // namespace

void DrivePump(void)
{
    ReplaceImports();
    AutoPump();
}

void DriveAdvanceClock(DWORD dwMilliseconds)
{
    ReplaceImports();
    AutoAdvanceClock(dwMilliseconds);
}

void DriveOnNextDialog(DRIVEDIALOGPROC pfnAnswer, void *pUser)
{
    ReplaceImports();
    AutoQueueModalHandler(pfnAnswer, pUser);
}

void DriveOnNextFileDialog(const char *pszPath)
{
    ReplaceImports();
    s_fileAnswers.push_back({pszPath == NULL, pszPath ? pszPath : ""});
}

BOOL DriveLastFileDialog(char *pszInitialDir, char *pszInitialFile, DWORD *pdwFlags)
{
    if (s_fileCalls.empty())
        return FALSE;
    const FILEDLGCALL &call = s_fileCalls.back();
    lstrcpynA(pszInitialDir, call.sInitialDir.c_str(), MAX_PATH);
    lstrcpynA(pszInitialFile, call.sInitialFile.c_str(), MAX_PATH);
    *pdwFlags = call.dwFlags;
    return TRUE;
}

int DriveBeepCount(void)
{
    return s_nBeeps;
}

int DriveHelpQuitCount(const char *pszFile)
{
    int nQuits = 0;
    for (const HELPCALL &call : s_helpCalls)
        if (call.uCommand == HELP_QUIT && call.sFile == pszFile)
            nQuits++;
    return nQuits;
}

BOOL DriveLastHelpCall(char *pszFile, UINT *puCommand, ULONG_PTR *pdwData)
{
    if (s_helpCalls.empty())
        return FALSE;
    lstrcpynA(pszFile, s_helpCalls.back().sFile.c_str(), MAX_PATH);
    *puCommand = s_helpCalls.back().uCommand;
    *pdwData = s_helpCalls.back().dwData;
    return TRUE;
}

BOOL DriveLastShellFile(char *pszFile)
{
    if (s_shellFiles.empty())
        return FALSE;
    lstrcpynA(pszFile, s_shellFiles.back().c_str(), MAX_PATH);
    return TRUE;
}

// Popup menus: a call-window hook sees the menu's WM_INITMENUPOPUP (its
// items are logged) and the owner's WM_ENTERIDLE once the menu's loop
// waits, and then ends the menu, posting the armed command to the owner as
// TrackPopupMenu does when an item is chosen.
namespace {
HHOOK s_hMenuHook;
UINT s_uMenuAnswer;
int s_nMenus;
std::string s_sMenuItems;

std::string MenuItems(HMENU hMenu)
{
    std::string s;
    for (int i = 0; i < GetMenuItemCount(hMenu); i++) {
        char sz[128] = "";
        GetMenuStringA(hMenu, (UINT)i, sz, sizeof(sz), MF_BYPOSITION);
        s += std::to_string(GetMenuItemID(hMenu, i)) + " " + sz + "\n";
    }
    return s;
}

LRESULT CALLBACK MenuHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *pMsg = (const CWPSTRUCT *)lParam;
    if (nCode == HC_ACTION && pMsg->message == WM_INITMENUPOPUP) {
        s_nMenus++;
        s_sMenuItems = MenuItems((HMENU)pMsg->wParam);
    } else if (nCode == HC_ACTION && pMsg->message == WM_ENTERIDLE && pMsg->wParam == MSGF_MENU) {
        UINT uAnswer = s_uMenuAnswer;
        s_uMenuAnswer = 0;
        EndMenu();
        if (uAnswer != 0)
            PostMessageA(pMsg->hwnd, WM_COMMAND, uAnswer, 0);
    }
    return CallNextHookEx(s_hMenuHook, nCode, wParam, lParam);
}
} // namespace

void DriveOnNextMenu(UINT uCommand)
{
    s_uMenuAnswer = uCommand;
}

int DriveMenuCount(void)
{
    return s_nMenus;
}

void DriveLastMenuItems(char *pszItems, int cchItems)
{
    snprintf(pszItems, (size_t)cchItems, "%s", s_sMenuItems.c_str());
}

void DriveClearLogs(void)
{
    if (s_hMenuHook == NULL)
        s_hMenuHook = SetWindowsHookExA(WH_CALLWNDPROC, MenuHook, NULL, GetCurrentThreadId());
    s_uMenuAnswer = 0;
    s_nMenus = 0;
    s_sMenuItems.clear();
    ReplaceImports();
    s_nBeeps = 0;
    s_helpCalls.clear();
    s_shellFiles.clear();
    s_fileCalls.clear();
}

void DriveLimitFileSize(LONG cbMax)
{
    ReplaceImports();
    s_cbFileLimit = cbMax;
    s_cbWritten.clear();
}
