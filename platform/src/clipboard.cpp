// The clipboard: CF_TEXT blocks and enhanced metafiles, owned by the
// clipboard once set, freed when it is emptied; readable through the
// automation API.
#include <windows.h>

#include <cstring>
#include <algorithm>
#include <map>

#include "automation.h"
#include "internal.h"

namespace {

bool g_fOpen;
HWND g_hwndOpener;
HWND g_hwndOwner;
std::map<UINT, HANDLE> g_data;

void FreeData(UINT uFormat, HANDLE h)
{
    if (uFormat == CF_ENHMETAFILE)
        DeleteEnhMetaFile((HENHMETAFILE)h);
    else
        GlobalFree(h);
}

bool NotOpen()
{
    if (g_fOpen)
        return false;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return true;
}

}  // namespace

extern "C" BOOL WINAPI OpenClipboard(HWND hWndNewOwner)
{
    // The clipboard is open to a thread, and the layer has one: opening it
    // again only changes the window that will own what is set.
    if (hWndNewOwner && !WndGetOrFail(hWndNewOwner))
        return FALSE;
    g_fOpen = true;
    g_hwndOpener = hWndNewOwner;
    return TRUE;
}

extern "C" BOOL WINAPI CloseClipboard(void)
{
    if (NotOpen())
        return FALSE;
    g_fOpen = false;
    g_hwndOpener = NULL;
    return TRUE;
}

extern "C" BOOL WINAPI EmptyClipboard(void)
{
    if (NotOpen())
        return FALSE;
    if (g_hwndOwner && IsWindow(g_hwndOwner))
        SendMessageA(g_hwndOwner, WM_DESTROYCLIPBOARD, 0, 0);
    for (const auto &entry : g_data)
        FreeData(entry.first, entry.second);
    g_data.clear();
    g_hwndOwner = g_hwndOpener;
    return TRUE;
}

extern "C" HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem)
{
    if (NotOpen())
        return NULL;
    if ((uFormat != CF_TEXT && uFormat != CF_ENHMETAFILE) || !hMem) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return NULL;
    }
    if (uFormat == CF_ENHMETAFILE ? GetObjectType(hMem) != OBJ_ENHMETAFILE : GlobalSize(hMem) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return NULL;
    }
    auto it = g_data.find(uFormat);
    if (it != g_data.end() && it->second != hMem)
        FreeData(uFormat, it->second);
    g_data[uFormat] = hMem;
    return hMem;
}

extern "C" HANDLE WINAPI GetClipboardData(UINT uFormat)
{
    if (NotOpen())
        return NULL;
    auto it = g_data.find(uFormat);
    return it == g_data.end() ? NULL : it->second;
}

extern "C" BOOL WINAPI IsClipboardFormatAvailable(UINT format)
{
    return g_data.count(format) != 0;
}

extern "C" HWND WINAPI GetClipboardOwner(void)
{
    return IsWindow(g_hwndOwner) ? g_hwndOwner : NULL;
}

extern "C" BOOL AutoGetClipboardText(LPSTR lpBuffer, int cchBuffer)
{
    auto it = g_data.find(CF_TEXT);
    if (it == g_data.end() || !lpBuffer || cchBuffer <= 0)
        return FALSE;
    const char *psz = (const char *)GlobalLock(it->second);
    if (!psz)
        return FALSE;
    size_t cch = strnlen(psz, std::min<size_t>(GlobalSize(it->second), (size_t)cchBuffer - 1));
    memcpy(lpBuffer, psz, cch);
    lpBuffer[cch] = '\0';
    GlobalUnlock(it->second);
    return TRUE;
}

extern "C" HENHMETAFILE AutoGetClipboardEnhMetaFile(void)
{
    auto it = g_data.find(CF_ENHMETAFILE);
    return it == g_data.end() ? NULL : (HENHMETAFILE)it->second;
}
