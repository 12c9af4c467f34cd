// Window longs and words: the extra bytes by byte offset, and the
// GWL_/GWLP_ values.
#include <windows.h>

#include <cstring>

#include "internal.h"

namespace {

bool ExtraRange(const WND *pWnd, int nIndex, size_t cbValue)
{
    if (nIndex < 0 || (size_t)nIndex + cbValue > pWnd->extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return false;
    }
    return true;
}

bool GetExtra(HWND hWnd, int nIndex, void *pValue, size_t cbValue)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || !ExtraRange(pWnd, nIndex, cbValue))
        return false;
    memcpy(pValue, pWnd->extra.data() + nIndex, cbValue);
    return true;
}

// Stores the new value and copies the old one out.
bool SetExtra(HWND hWnd, int nIndex, const void *pNew, void *pOld, size_t cbValue)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || !ExtraRange(pWnd, nIndex, cbValue))
        return false;
    memcpy(pOld, pWnd->extra.data() + nIndex, cbValue);
    memcpy(pWnd->extra.data() + nIndex, pNew, cbValue);
    return true;
}

bool GetSpecial(const WND *pWnd, int nIndex, LONG_PTR *pValue)
{
    switch (nIndex) {
    case GWL_STYLE: *pValue = (LONG)pWnd->dwStyle; return true;
    case GWL_EXSTYLE: *pValue = (LONG)pWnd->dwExStyle; return true;
    case GWLP_ID: *pValue = pWnd->id; return true;
    case GWLP_WNDPROC: *pValue = (LONG_PTR)pWnd->lpfnWndProc; return true;
    case GWLP_HINSTANCE: *pValue = (LONG_PTR)pWnd->hInstance; return true;
    case GWLP_USERDATA: *pValue = pWnd->lUserData; return true;
    case GWLP_HWNDPARENT:
        *pValue = (LONG_PTR)((pWnd->dwStyle & WS_CHILD) ? pWnd->hwndParent : pWnd->hwndOwner);
        return true;
    }
    return false;
}

// WM_STYLECHANGING may adjust the new style; WM_STYLECHANGED reports it.
LONG_PTR ChangeStyle(HWND hWnd, int nIndex, DWORD dwNew)
{
    WND *pWnd = WndGet(hWnd);
    DWORD dwOld = (nIndex == GWL_STYLE) ? pWnd->dwStyle : pWnd->dwExStyle;
    STYLESTRUCT ss{dwOld, dwNew};
    SendMessageA(hWnd, WM_STYLECHANGING, (WPARAM)nIndex, (LPARAM)&ss);
    pWnd = WndGet(hWnd);
    if (!pWnd)
        return (LONG)dwOld;
    if (nIndex == GWL_STYLE)
        pWnd->dwStyle = ss.styleNew;
    else
        pWnd->dwExStyle = ss.styleNew;
    SendMessageA(hWnd, WM_STYLECHANGED, (WPARAM)nIndex, (LPARAM)&ss);
    return (LONG)dwOld;
}

bool SetSpecial(HWND hWnd, int nIndex, LONG_PTR newValue, LONG_PTR *pOld)
{
    WND *pWnd = WndGet(hWnd);
    if (!GetSpecial(pWnd, nIndex, pOld))
        return false;
    switch (nIndex) {
    case GWL_STYLE:
    case GWL_EXSTYLE: *pOld = ChangeStyle(hWnd, nIndex, (DWORD)newValue); break;
    case GWLP_ID: pWnd->id = newValue; break;
    case GWLP_WNDPROC: pWnd->lpfnWndProc = (WNDPROC)newValue; break;
    case GWLP_HINSTANCE: pWnd->hInstance = (HINSTANCE)newValue; break;
    case GWLP_USERDATA: pWnd->lUserData = newValue; break;
    case GWLP_HWNDPARENT:
        if (pWnd->dwStyle & WS_CHILD)
            SetParent(hWnd, (HWND)newValue);
        else
            pWnd->hwndOwner = (HWND)newValue;
        break;
    }
    return true;
}

LONG_PTR GetLongValue(HWND hWnd, int nIndex, size_t cbValue)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return 0;
    if (nIndex < 0) {
        LONG_PTR value = 0;
        if (!GetSpecial(pWnd, nIndex, &value))
            SetLastError(ERROR_INVALID_INDEX);
        return value;
    }
    if (cbValue == sizeof(LONG)) {
        LONG value = 0;
        GetExtra(hWnd, nIndex, &value, sizeof(value));
        return value;
    }
    LONG_PTR value = 0;
    GetExtra(hWnd, nIndex, &value, sizeof(value));
    return value;
}

LONG_PTR SetLongValue(HWND hWnd, int nIndex, LONG_PTR newValue, size_t cbValue)
{
    if (!WndGetOrFail(hWnd))
        return 0;
    if (nIndex < 0) {
        LONG_PTR old = 0;
        if (!SetSpecial(hWnd, nIndex, newValue, &old))
            SetLastError(ERROR_INVALID_INDEX);
        return old;
    }
    if (cbValue == sizeof(LONG)) {
        LONG lNew = (LONG)newValue, lOld = 0;
        SetExtra(hWnd, nIndex, &lNew, &lOld, sizeof(LONG));
        return lOld;
    }
    LONG_PTR old = 0;
    SetExtra(hWnd, nIndex, &newValue, &old, sizeof(LONG_PTR));
    return old;
}

}  // namespace

extern "C" LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex)
{
    return (LONG)GetLongValue(hWnd, nIndex, sizeof(LONG));
}

extern "C" LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong)
{
    return (LONG)SetLongValue(hWnd, nIndex, dwNewLong, sizeof(LONG));
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex)
{
    return GetLongValue(hWnd, nIndex, sizeof(LONG_PTR));
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    return SetLongValue(hWnd, nIndex, dwNewLong, sizeof(LONG_PTR));
}

extern "C" WORD WINAPI GetWindowWord(HWND hWnd, int nIndex)
{
    WORD w = 0;
    GetExtra(hWnd, nIndex, &w, sizeof(w));
    return w;
}

extern "C" WORD WINAPI SetWindowWord(HWND hWnd, int nIndex, WORD wNewWord)
{
    WORD wOld = 0;
    SetExtra(hWnd, nIndex, &wNewWord, &wOld, sizeof(WORD));
    return wOld;
}
