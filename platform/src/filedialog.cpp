// Open and save file dialogs answered through the automation API (see
// commdlg.h), and their log.
#include <windows.h>
#include <automation.h>
#include <commdlg.h>

#include "logtext.h"
#include "path.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

static std::deque<std::optional<std::string>> g_answers; // nullopt: cancel
static std::vector<AUTOFILEDLGCALL> g_log;
static thread_local DWORD t_dwDialogError;

// The filter pairs as one text, each string followed by '|', cut to the
// log field; the list ends at its empty string, as Windows reads it.
static void FileDialogLogFilter(AUTOFILEDLGCALL &call, LPCSTR lpstrFilter)
{
    std::string strFilter;
    const size_t cchMax = sizeof(call.szFilter) - 1;
    for (LPCSTR p = lpstrFilter; p && *p && strFilter.size() < cchMax; p += strlen(p) + 1)
        strFilter.append(p).append("|");
    LogCopyText(call.szFilter, strFilter.c_str());
}

static AUTOFILEDLGCALL FileDialogLogEntry(UINT uKind, const OPENFILENAMEA *pofn)
{
    AUTOFILEDLGCALL call = {};
    call.uKind = uKind;
    call.hwndOwner = pofn->hwndOwner;
    call.dwStructSize = pofn->lStructSize;
    LogCopyText(call.szTitle, pofn->lpstrTitle);
    FileDialogLogFilter(call, pofn->lpstrFilter);
    call.nFilterIndex = pofn->nFilterIndex;
    LogCopyText(call.szInitialDir, pofn->lpstrInitialDir);
    if (pofn->lpstrFile && pofn->nMaxFile > 0)
        LogCopyText(call.szInitialFile, std::string(pofn->lpstrFile, strnlen(pofn->lpstrFile, pofn->nMaxFile)).c_str());
    call.dwFlags = pofn->Flags;
    LogCopyText(call.szDefExt, pofn->lpstrDefExt);
    return call;
}

// Index just past the last separator of a CP932 path (0 when none).
static size_t FileDialogNameOffset(const std::string &strPath)
{
    size_t iName = 0;
    for (size_t i = 0; i < strPath.size(); i++) {
        unsigned char c = (unsigned char)strPath[i];
        if (PathIsLeadByte(c) && i + 1 < strPath.size())
            i++;
        else if (c == '\\' || c == '/' || (c == ':' && i == 1))
            iName = i + 1;
    }
    return iName;
}

// The folder a bare name typed into the dialog lands in: that of the
// initial file when it has one, else the initial folder.
static std::string FileDialogFolder(const OPENFILENAMEA *pofn)
{
    std::string strFolder;
    if (pofn->lpstrFile) {
        std::string strFile(pofn->lpstrFile, strnlen(pofn->lpstrFile, pofn->nMaxFile));
        strFolder = strFile.substr(0, FileDialogNameOffset(strFile));
    }
    if (strFolder.empty() && pofn->lpstrInitialDir)
        strFolder = pofn->lpstrInitialDir;
    if (!strFolder.empty() && strFolder.back() != '\\' && strFolder.back() != '/')
        strFolder += '\\';
    return strFolder;
}

// Extensions compared with ASCII letters folded, whatever the C locale.
static bool FileDialogSameText(const char *pszA, const char *pszB)
{
    for (;; pszA++, pszB++) {
        char a = (*pszA >= 'A' && *pszA <= 'Z') ? (char)(*pszA - 'A' + 'a') : *pszA;
        char b = (*pszB >= 'A' && *pszB <= 'Z') ? (char)(*pszB - 'A' + 'a') : *pszB;
        if (a != b)
            return false;
        if (!a)
            return true;
    }
}

// Fills the caller's record from the answer; FALSE when the path does not
// fit the caller's buffer.
static bool FileDialogReturnPath(OPENFILENAMEA *pofn, std::string strPath)
{
    if (FileDialogNameOffset(strPath) == 0)
        strPath = FileDialogFolder(pofn) + strPath;
    size_t iName = FileDialogNameOffset(strPath);
    size_t iDot = strPath.find_last_of('.');
    bool bHasExt = iDot != std::string::npos && iDot >= iName;
    if (!bHasExt && pofn->lpstrDefExt && *pofn->lpstrDefExt) {
        iDot = strPath.size();
        strPath += std::string(".") + pofn->lpstrDefExt;
        bHasExt = true;
    }
    if (strPath.size() + 1 > pofn->nMaxFile || strPath.size() > 0xFFFF) {
        if (pofn->nMaxFile >= 2) {
            WORD cchNeeded = (WORD)(strPath.size() + 1 > 0xFFFF ? 0xFFFF : strPath.size() + 1);
            memcpy(pofn->lpstrFile, &cchNeeded, sizeof(cchNeeded));
        }
        return false;
    }
    memcpy(pofn->lpstrFile, strPath.c_str(), strPath.size() + 1);
    pofn->nFileOffset = (WORD)iName;
    if (!bHasExt)
        pofn->nFileExtension = (WORD)strPath.size();
    else
        pofn->nFileExtension = iDot + 1 == strPath.size() ? 0 : (WORD)(iDot + 1);
    if (pofn->lpstrFileTitle && pofn->nMaxFileTitle > 0) {
        std::string strName = strPath.substr(iName);
        size_t cch = strName.size() < pofn->nMaxFileTitle - 1 ? strName.size() : pofn->nMaxFileTitle - 1;
        memcpy(pofn->lpstrFileTitle, strName.c_str(), cch);
        pofn->lpstrFileTitle[cch] = '\0';
    }
    const char *pszExt = bHasExt ? strPath.c_str() + iDot + 1 : "";
    bool bDifferent = pofn->lpstrDefExt && !FileDialogSameText(pszExt, pofn->lpstrDefExt);
    pofn->Flags = bDifferent ? (pofn->Flags | OFN_EXTENSIONDIFFERENT) : (pofn->Flags & ~(DWORD)OFN_EXTENSIONDIFFERENT);
    return true;
}

static BOOL FileDialogRun(UINT uKind, LPOPENFILENAMEA pofn)
{
    t_dwDialogError = 0;
    if (!pofn) {
        t_dwDialogError = CDERR_INITIALIZATION;
        return FALSE;
    }
    AUTOFILEDLGCALL call = FileDialogLogEntry(uKind, pofn);
    if (pofn->lStructSize != OPENFILENAME_SIZE_VERSION_400A && pofn->lStructSize != sizeof(OPENFILENAMEA))
        t_dwDialogError = CDERR_STRUCTSIZE;
    else if (!pofn->lpstrFile || pofn->nMaxFile == 0)
        t_dwDialogError = CDERR_INITIALIZATION;
    else if (!g_answers.empty()) {
        std::optional<std::string> answer = g_answers.front();
        g_answers.pop_front();
        if (answer && answer->empty()) {
            t_dwDialogError = FNERR_INVALIDFILENAME;
        } else if (answer && FileDialogReturnPath(pofn, *answer)) {
            call.bResult = TRUE;
            LogCopyText(call.szResult, pofn->lpstrFile);
        } else if (answer) {
            t_dwDialogError = FNERR_BUFFERTOOSMALL;
        }
    }
    call.dwError = t_dwDialogError;
    g_log.push_back(call);
    return call.bResult;
}

extern "C" BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn)
{
    return FileDialogRun(AUTO_FILEDLG_SAVE, lpofn);
}

extern "C" BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA lpofn)
{
    return FileDialogRun(AUTO_FILEDLG_OPEN, lpofn);
}

extern "C" DWORD WINAPI CommDlgExtendedError(void)
{
    return t_dwDialogError;
}

extern "C" void AutoQueueFileDialogPath(LPCSTR pszPath)
{
    g_answers.push_back(std::string(pszPath ? pszPath : ""));
}

extern "C" void AutoQueueFileDialogCancel(void)
{
    g_answers.push_back(std::nullopt);
}

extern "C" void AutoClearFileDialogAnswers(void)
{
    g_answers.clear();
}

extern "C" int AutoGetFileDialogCount(void)
{
    return (int)g_log.size();
}

extern "C" BOOL AutoGetFileDialogCall(int iCall, AUTOFILEDLGCALL *pCall)
{
    if (iCall < 0 || (size_t)iCall >= g_log.size() || !pCall)
        return FALSE;
    *pCall = g_log[(size_t)iCall];
    return TRUE;
}

void FileDialogClearLog()
{
    g_log.clear();
}
