// The COMBOBOX control: a list of strings with item data and one
// selection. It behaves as a drop-down list (the text shown is the selected
// item's) whatever its CBS_ type; the list itself is not a window here.
// CBN_SELCHANGE comes only from user actions, never from CB_SETCURSEL.
// It is drawn by ctllook.cpp.
#include <strings.h>

#include <string>
#include <vector>

#include "dlgint.h"

struct COMBOITEM {
    std::string text;
    ULONG_PTR data;
};

struct COMBOINFO {
    std::vector<COMBOITEM> items;
    int nCurSel;          // -1: no selection
    BOOL fDropped;
    HFONT hFont;
    HWND hwndParent;
};

static COMBOINFO *ComboInfo(HWND hWnd)
{
    return CtlInfo<COMBOINFO>(hWnd);
}

static void ComboNotify(HWND hWnd, COMBOINFO *pInfo, UINT uCode)
{
    if (pInfo->hwndParent)
        SendMessageA(pInfo->hwndParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hWnd), uCode),
                     reinterpret_cast<LPARAM>(hWnd));
}

static BOOL ComboValid(const COMBOINFO *pInfo, WPARAM wIndex)
{
    INT_PTR i = static_cast<INT_PTR>(wIndex);
    return i >= 0 && static_cast<size_t>(i) < pInfo->items.size();
}

static LRESULT Combo_Insert(HWND hWnd, COMBOINFO *pInfo, int nIndex, LPCSTR lpText)
{
    int count = static_cast<int>(pInfo->items.size());
    if (nIndex == -1 || nIndex == count) {
        nIndex = count;
    } else if (nIndex < 0 || nIndex > count) {
        return CB_ERR;
    }
    pInfo->items.insert(pInfo->items.begin() + nIndex, COMBOITEM{lpText ? lpText : "", 0});
    if (pInfo->nCurSel >= nIndex)
        ++pInfo->nCurSel;
    InvalidateRect(hWnd, NULL, FALSE);
    return nIndex;
}

// CB_ADDSTRING: at the end, or in order (without case) with CBS_SORT.
static LRESULT Combo_Add(HWND hWnd, COMBOINFO *pInfo, LPCSTR lpText)
{
    int nIndex = static_cast<int>(pInfo->items.size());
    if (GetWindowLongA(hWnd, GWL_STYLE) & CBS_SORT) {
        const char *p = lpText ? lpText : "";
        nIndex = 0;
        while (static_cast<size_t>(nIndex) < pInfo->items.size()
               && strcasecmp(pInfo->items[static_cast<size_t>(nIndex)].text.c_str(), p) <= 0)
            ++nIndex;
    }
    return Combo_Insert(hWnd, pInfo, nIndex, lpText);
}

static LRESULT Combo_Delete(HWND hWnd, COMBOINFO *pInfo, WPARAM wIndex)
{
    if (!ComboValid(pInfo, wIndex))
        return CB_ERR;
    int nIndex = static_cast<int>(wIndex);
    pInfo->items.erase(pInfo->items.begin() + nIndex);
    if (pInfo->nCurSel == nIndex)
        pInfo->nCurSel = -1;
    else if (pInfo->nCurSel > nIndex)
        --pInfo->nCurSel;
    InvalidateRect(hWnd, NULL, FALSE);
    return static_cast<LRESULT>(pInfo->items.size());
}

static LRESULT Combo_SetCurSel(HWND hWnd, COMBOINFO *pInfo, WPARAM wIndex)
{
    pInfo->nCurSel = ComboValid(pInfo, wIndex) ? static_cast<int>(wIndex) : -1;
    InvalidateRect(hWnd, NULL, FALSE);
    return pInfo->nCurSel >= 0 ? pInfo->nCurSel : CB_ERR;
}

// Search from the item after nStart (-1: from the first), wrapping around,
// for an item equal to lpText (or starting with it), without case.
static int Combo_Find(const COMBOINFO *pInfo, WPARAM wStart, LPCSTR lpText, BOOL bExact)
{
    int count = static_cast<int>(pInfo->items.size());
    if (!lpText || count == 0)
        return CB_ERR;
    int start = ComboValid(pInfo, wStart) ? static_cast<int>(wStart) + 1 : 0;
    size_t cb = std::string(lpText).size();
    for (int k = 0; k < count; ++k) {
        const std::string &t = pInfo->items[static_cast<size_t>((start + k) % count)].text;
        if (bExact ? strcasecmp(t.c_str(), lpText) == 0 : strncasecmp(t.c_str(), lpText, cb) == 0)
            return (start + k) % count;
    }
    return CB_ERR;
}

static LRESULT Combo_GetLBText(const COMBOINFO *pInfo, WPARAM wIndex, LPSTR lpBuffer)
{
    if (!ComboValid(pInfo, wIndex) || !lpBuffer)
        return CB_ERR;
    // As on Windows the buffer must hold CB_GETLBTEXTLEN + 1 bytes.
    const std::string &t = pInfo->items[wIndex].text;
    t.copy(lpBuffer, t.size());
    lpBuffer[t.size()] = '\0';
    return static_cast<LRESULT>(t.size());
}

static LRESULT Combo_GetText(const COMBOINFO *pInfo, WPARAM cchMax, LPSTR lpBuffer)
{
    if (!lpBuffer || cchMax == 0)
        return 0;
    std::string t = pInfo->nCurSel >= 0 ? pInfo->items[static_cast<size_t>(pInfo->nCurSel)].text : "";
    size_t n = t.size() < cchMax - 1 ? t.size() : cchMax - 1;
    t.copy(lpBuffer, n);
    lpBuffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

static void Combo_ShowDropDown(HWND hWnd, COMBOINFO *pInfo, BOOL fShow)
{
    if (pInfo->fDropped == fShow)
        return;
    pInfo->fDropped = fShow;
    InvalidateRect(hWnd, NULL, FALSE);
    ComboNotify(hWnd, pInfo, fShow ? CBN_DROPDOWN : CBN_CLOSEUP);
}

// A selection made by the user (keyboard or list): notified when it changed.
static void Combo_UserSelect(HWND hWnd, COMBOINFO *pInfo, int nIndex)
{
    if (nIndex == pInfo->nCurSel)
        return;
    pInfo->nCurSel = nIndex;
    InvalidateRect(hWnd, NULL, FALSE);
    ComboNotify(hWnd, pInfo, CBN_SELCHANGE);
}

BOOL ComboUserSelect(HWND hCombo, int nIndex)
{
    if (!CtlIsClass(hCombo, "COMBOBOX"))
        return FALSE;
    COMBOINFO *pInfo = ComboInfo(hCombo);
    if (!pInfo || !ComboValid(pInfo, static_cast<WPARAM>(nIndex)) || !IsWindowEnabled(hCombo))
        return FALSE;
    if (GetFocus() != hCombo)
        SetFocus(hCombo);
    Combo_ShowDropDown(hCombo, pInfo, TRUE);
    Combo_UserSelect(hCombo, pInfo, nIndex);
    ComboNotify(hCombo, pInfo, CBN_SELENDOK);
    Combo_ShowDropDown(hCombo, pInfo, FALSE);
    return TRUE;
}

static void Combo_KeyDown(HWND hWnd, COMBOINFO *pInfo, WPARAM vk)
{
    int last = static_cast<int>(pInfo->items.size()) - 1;
    if (last < 0)
        return;
    int sel = pInfo->nCurSel;
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        Combo_UserSelect(hWnd, pInfo, sel <= 0 ? 0 : sel - 1);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        Combo_UserSelect(hWnd, pInfo, sel < 0 ? 0 : (sel < last ? sel + 1 : last));
        break;
    case VK_HOME:
        Combo_UserSelect(hWnd, pInfo, 0);
        break;
    case VK_END:
        Combo_UserSelect(hWnd, pInfo, last);
        break;
    case VK_F4:
        Combo_ShowDropDown(hWnd, pInfo, !pInfo->fDropped);
        break;
    default:
        break;
    }
}

static LRESULT Combo_NcCreate(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    COMBOINFO *pInfo = new COMBOINFO();
    pInfo->nCurSel = -1;
    pInfo->hwndParent = reinterpret_cast<const CREATESTRUCTA *>(lParam)->hwndParent;
    SetWindowLongPtrA(hWnd, 0, reinterpret_cast<LONG_PTR>(pInfo));
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK ComboWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        return Combo_NcCreate(hWnd, uMsg, wParam, lParam);
    COMBOINFO *pInfo = ComboInfo(hWnd);
    if (!pInfo)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);

    switch (uMsg) {
    case WM_NCDESTROY:
        return CtlFreeInfo<COMBOINFO>(hWnd, uMsg, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        pInfo->hFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hWnd, NULL, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(pInfo->hFont);
    case WM_GETTEXT:
        return Combo_GetText(pInfo, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return pInfo->nCurSel >= 0 ? static_cast<LRESULT>(pInfo->items[static_cast<size_t>(pInfo->nCurSel)].text.size()) : 0;
    case WM_SETTEXT: // a drop-down list shows only its items
        return CB_ERR;
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled(hWnd)) {
            SetFocus(hWnd);
            Combo_ShowDropDown(hWnd, pInfo, !pInfo->fDropped);
        }
        return 0;
    case WM_KEYDOWN:
        Combo_KeyDown(hWnd, pInfo, wParam);
        return 0;
    case WM_PAINT:
        return CtlPaint(hWnd, NULL, ComboDraw);
    case WM_PRINTCLIENT:
        return CtlPaint(hWnd, reinterpret_cast<HDC>(wParam), ComboDraw);
    case WM_ENABLE:
        InvalidateRect(hWnd, NULL, FALSE);
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(hWnd, NULL, FALSE);
        ComboNotify(hWnd, pInfo, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        InvalidateRect(hWnd, NULL, FALSE);
        if (pInfo->fDropped) {
            ComboNotify(hWnd, pInfo, CBN_SELENDCANCEL);
            Combo_ShowDropDown(hWnd, pInfo, FALSE);
        }
        ComboNotify(hWnd, pInfo, CBN_KILLFOCUS);
        return 0;
    case CB_ADDSTRING:
        return Combo_Add(hWnd, pInfo, reinterpret_cast<LPCSTR>(lParam));
    case CB_INSERTSTRING:
        return Combo_Insert(hWnd, pInfo, static_cast<int>(wParam), reinterpret_cast<LPCSTR>(lParam));
    case CB_DELETESTRING:
        return Combo_Delete(hWnd, pInfo, wParam);
    case CB_RESETCONTENT:
        pInfo->items.clear();
        pInfo->nCurSel = -1;
        InvalidateRect(hWnd, NULL, FALSE);
        return CB_OKAY;
    case CB_GETCOUNT:
        return static_cast<LRESULT>(pInfo->items.size());
    case CB_GETCURSEL:
        return pInfo->nCurSel >= 0 ? pInfo->nCurSel : CB_ERR;
    case CB_SETCURSEL:
        return Combo_SetCurSel(hWnd, pInfo, wParam);
    case CB_GETLBTEXT:
        return Combo_GetLBText(pInfo, wParam, reinterpret_cast<LPSTR>(lParam));
    case CB_GETLBTEXTLEN:
        return ComboValid(pInfo, wParam) ? static_cast<LRESULT>(pInfo->items[wParam].text.size()) : CB_ERR;
    case CB_FINDSTRINGEXACT:
        return Combo_Find(pInfo, wParam, reinterpret_cast<LPCSTR>(lParam), TRUE);
    case CB_SELECTSTRING: {
        int nIndex = Combo_Find(pInfo, wParam, reinterpret_cast<LPCSTR>(lParam), FALSE);
        return nIndex == CB_ERR ? CB_ERR : Combo_SetCurSel(hWnd, pInfo, static_cast<WPARAM>(nIndex));
    }
    case CB_GETITEMDATA:
        return ComboValid(pInfo, wParam) ? static_cast<LRESULT>(pInfo->items[wParam].data) : CB_ERR;
    case CB_SETITEMDATA:
        if (!ComboValid(pInfo, wParam))
            return CB_ERR;
        pInfo->items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return CB_OKAY;
    case CB_SHOWDROPDOWN:
        Combo_ShowDropDown(hWnd, pInfo, wParam != 0);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return pInfo->fDropped;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
