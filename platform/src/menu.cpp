// Popup menus of string items, tracked by the automation's answers.
#include <stdio.h>
#include <string.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "automation.h"
#include "logtext.h"
#include "windows.h"

namespace {

struct MENUITEM {
    UINT uId;
    std::string sText;
};

struct MENU {
    std::vector<MENUITEM> items;
};

std::set<MENU *> g_menus;
std::deque<UINT> g_menuAnswers;
int g_nMenusTracked;
std::string g_sLastItems;

MENU *FindMenu(HMENU hMenu)
{
    MENU *pMenu = reinterpret_cast<MENU *>(hMenu);
    return g_menus.count(pMenu) ? pMenu : nullptr;
}

}  // namespace

void MenuClearLog()
{
    g_nMenusTracked = 0;
    g_sLastItems.clear();
}

extern "C" HMENU WINAPI CreatePopupMenu(void)
{
    MENU *pMenu = new MENU;
    g_menus.insert(pMenu);
    return reinterpret_cast<HMENU>(pMenu);
}

extern "C" BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem)
{
    MENU *pMenu = FindMenu(hMenu);
    if (pMenu == nullptr || uFlags != MF_STRING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    pMenu->items.push_back({static_cast<UINT>(uIDNewItem), lpNewItem ? lpNewItem : ""});
    return TRUE;
}

extern "C" int WINAPI GetMenuItemCount(HMENU hMenu)
{
    MENU *pMenu = FindMenu(hMenu);
    return pMenu ? static_cast<int>(pMenu->items.size()) : -1;
}

extern "C" UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos)
{
    MENU *pMenu = FindMenu(hMenu);
    if (pMenu == nullptr || nPos < 0 || static_cast<size_t>(nPos) >= pMenu->items.size())
        return static_cast<UINT>(-1);
    return pMenu->items[static_cast<size_t>(nPos)].uId;
}

extern "C" BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int, int, int, HWND hWnd, const RECT *)
{
    MENU *pMenu = FindMenu(hMenu);
    if (pMenu == nullptr || !IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SendMessageA(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
    g_nMenusTracked++;
    g_sLastItems.clear();
    UINT uAnswer = 0;
    if (!g_menuAnswers.empty()) {
        uAnswer = g_menuAnswers.front();
        g_menuAnswers.pop_front();
    }
    bool bChosen = false;
    for (const MENUITEM &item : pMenu->items) {
        g_sLastItems += std::to_string(item.uId) + " " + item.sText + "\n";
        bChosen = bChosen || (uAnswer != 0 && item.uId == uAnswer);
    }
    if (uFlags & TPM_RETURNCMD)
        return bChosen ? static_cast<BOOL>(uAnswer) : 0;
    if (bChosen)
        PostMessageA(hWnd, WM_COMMAND, uAnswer, 0);
    return TRUE;
}

extern "C" BOOL WINAPI DestroyMenu(HMENU hMenu)
{
    MENU *pMenu = FindMenu(hMenu);
    if (pMenu == nullptr)
        return FALSE;
    g_menus.erase(pMenu);
    delete pMenu;
    return TRUE;
}

extern "C" void AutoQueueMenuAnswer(UINT uCommand)
{
    g_menuAnswers.push_back(uCommand);
}

extern "C" int AutoGetMenuCount(void)
{
    return g_nMenusTracked;
}

extern "C" BOOL AutoGetLastMenuItems(LPSTR lpItems, int cchItems)
{
    if (lpItems == nullptr || cchItems <= 0 || g_nMenusTracked == 0)
        return FALSE;
    snprintf(lpItems, static_cast<size_t>(cchItems), "%s", g_sLastItems.c_str());
    return TRUE;
}
