// Popup menus. Nobody is there to click: TrackPopupMenu takes the next
// answer queued through the automation API, logs the menu as shown, and
// returns at once (no answer: the menu is dismissed).
#include <windows.h>

#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "automation.h"
#include "handletable.h"
#include "internal.h"
#include "logtext.h"

namespace {

struct MENUITEM {
    UINT uFlags;
    UINT_PTR id;         // the submenu for MF_POPUP
    std::string strText;
};

struct MENUREC {
    std::vector<MENUITEM> items;
};

HandleTable<MENUREC> g_menus(HTAG_MENU);
std::deque<UINT> g_answers;
std::vector<AUTOMENUCALL> g_log;

MENUREC *GetMenuRec(HMENU hMenu)
{
    MENUREC *pMenu = g_menus.Get((uintptr_t)hMenu);
    if (!pMenu)
        SetLastError(ERROR_INVALID_MENU_HANDLE);
    return pMenu;
}

// The item by command id (searching submenus) or by position.
MENUITEM *FindItem(HMENU hMenu, UINT uItem, UINT uFlags)
{
    MENUREC *pMenu = GetMenuRec(hMenu);
    if (!pMenu)
        return nullptr;
    if (uFlags & MF_BYPOSITION)
        return uItem < pMenu->items.size() ? &pMenu->items[uItem] : nullptr;
    for (MENUITEM &item : pMenu->items) {
        if (item.uFlags & MF_POPUP) {
            MENUITEM *pSub = FindItem((HMENU)item.id, uItem, uFlags);
            if (pSub)
                return pSub;
        } else if (item.id == uItem && !(item.uFlags & MF_SEPARATOR)) {
            return &item;
        }
    }
    return nullptr;
}

bool IsChoosable(HMENU hMenu, UINT uId)
{
    MENUITEM *pItem = FindItem(hMenu, uId, MF_BYCOMMAND);
    return pItem && !(pItem->uFlags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP));
}

void LogCall(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd, UINT uChosen)
{
    AUTOMENUCALL call{};
    call.hwndOwner = hWnd;
    call.uFlags = uFlags;
    call.x = x;
    call.y = y;
    call.uChosen = uChosen;
    MENUREC *pMenu = g_menus.Get((uintptr_t)hMenu);
    for (const MENUITEM &item : pMenu->items) {
        if (call.cItems >= AUTO_MENU_MAXITEMS)
            break;
        AUTOMENUITEM &logItem = call.aItems[call.cItems++];
        logItem.uFlags = item.uFlags;
        logItem.uId = (item.uFlags & MF_POPUP) ? 0 : (UINT)item.id;
        LogCopyText(logItem.szText, item.strText.c_str());
    }
    if (g_log.size() < 256)
        g_log.push_back(call);
}

}  // namespace

extern "C" HMENU WINAPI CreatePopupMenu(void)
{
    return (HMENU)g_menus.Add(std::make_unique<MENUREC>());
}

extern "C" HMENU WINAPI CreateMenu(void)
{
    return CreatePopupMenu();
}

extern "C" BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem)
{
    MENUREC *pMenu = GetMenuRec(hMenu);
    if (!pMenu || ((uFlags & MF_POPUP) && !g_menus.Get(uIDNewItem)))
        return FALSE;
    MENUITEM item{uFlags, uIDNewItem, ""};
    if (!(uFlags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && lpNewItem)
        item.strText = lpNewItem;
    pMenu->items.push_back(item);
    return TRUE;
}

extern "C" BOOL WINAPI DestroyMenu(HMENU hMenu)
{
    MENUREC *pMenu = GetMenuRec(hMenu);
    if (!pMenu)
        return FALSE;
    std::vector<MENUITEM> items = pMenu->items;
    g_menus.Remove((uintptr_t)hMenu);
    for (const MENUITEM &item : items)
        if (item.uFlags & MF_POPUP)
            DestroyMenu((HMENU)item.id);
    return TRUE;
}

extern "C" int WINAPI GetMenuItemCount(HMENU hMenu)
{
    MENUREC *pMenu = GetMenuRec(hMenu);
    return pMenu ? (int)pMenu->items.size() : -1;
}

extern "C" UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos)
{
    MENUITEM *pItem = nPos >= 0 ? FindItem(hMenu, (UINT)nPos, MF_BYPOSITION) : nullptr;
    if (!pItem)
        return (UINT)-1;
    return (pItem->uFlags & MF_POPUP) ? (UINT)-1 : (UINT)pItem->id;
}

extern "C" UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    MENUITEM *pItem = FindItem(hMenu, uId, uFlags);
    return pItem ? (pItem->uFlags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR))
                 : (UINT)-1;
}

extern "C" DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
    MENUITEM *pItem = FindItem(hMenu, uIDCheckItem, uCheck);
    if (!pItem)
        return (DWORD)-1;
    DWORD dwOld = pItem->uFlags & MF_CHECKED;
    pItem->uFlags = (pItem->uFlags & ~MF_CHECKED) | (uCheck & MF_CHECKED);
    return dwOld;
}

extern "C" BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
    MENUITEM *pItem = FindItem(hMenu, uIDEnableItem, uEnable);
    if (!pItem)
        return -1;
    BOOL nOld = (BOOL)(pItem->uFlags & (MF_GRAYED | MF_DISABLED));
    pItem->uFlags = (pItem->uFlags & ~(MF_GRAYED | MF_DISABLED)) | (uEnable & (MF_GRAYED | MF_DISABLED));
    return nOld;
}

extern "C" BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT *)
{
    if (!GetMenuRec(hMenu) || !IsWindow(hWnd))
        return FALSE;
    if (!(uFlags & TPM_NONOTIFY)) {
        SendMessageA(hWnd, WM_INITMENU, (WPARAM)hMenu, 0);
        SendMessageA(hWnd, WM_INITMENUPOPUP, (WPARAM)hMenu, 0);
    }
    if (!GetMenuRec(hMenu))
        return FALSE;
    UINT uChosen = 0;
    if (!g_answers.empty()) {
        uChosen = g_answers.front();
        g_answers.pop_front();
    }
    if (uChosen && !IsChoosable(hMenu, uChosen))
        uChosen = 0;
    LogCall(hMenu, uFlags, x, y, hWnd, uChosen);
    if (uFlags & TPM_RETURNCMD)
        return (BOOL)uChosen;
    if (uChosen && !(uFlags & TPM_NONOTIFY))
        PostMessageA(hWnd, WM_COMMAND, uChosen, 0);
    return TRUE;
}

extern "C" void AutoQueueMenuAnswer(UINT uId)
{
    g_answers.push_back(uId);
}

extern "C" void AutoClearMenuAnswers(void)
{
    g_answers.clear();
}

extern "C" int AutoGetMenuCount(void)
{
    return (int)g_log.size();
}

extern "C" BOOL AutoGetMenuCall(int iCall, AUTOMENUCALL *pCall)
{
    if (iCall < 0 || iCall >= (int)g_log.size() || !pCall)
        return FALSE;
    *pCall = g_log[(size_t)iCall];
    return TRUE;
}

extern "C" void AutoClearMenuLog(void)
{
    g_log.clear();
}
