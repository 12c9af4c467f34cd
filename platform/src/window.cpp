// Windows: the handle table, the window tree, creation and destruction.
#include <windows.h>

#include <algorithm>
#include <memory>

#include "handletable.h"
#include "gdi.h"
#include "internal.h"

namespace {

HandleTable<WND> g_windows(HTAG_WINDOW);
HWND g_hwndDesktop;

LRESULT CALLBACK DesktopWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

void CreateDesktop(void)
{
    static CLASSREC s_desktopClass{};
    s_desktopClass.atom = 0x8001;
    s_desktopClass.strName = "#32769";
    s_desktopClass.lpfnWndProc = DesktopWndProc;
    auto pWnd = std::make_unique<WND>();
    pWnd->pClass = &s_desktopClass;
    pWnd->dwStyle = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    pWnd->lpfnWndProc = DesktopWndProc;
    pWnd->rcWindow = RECT{0, 0, 0, 0};  // answered from the screen size
    WND *pRaw = pWnd.get();
    g_hwndDesktop = (HWND)g_windows.Add(std::move(pWnd));
    pRaw->hwnd = g_hwndDesktop;
}

void Unlink(WND *pWnd)
{
    WND *pParent = WndGet(pWnd->hwndParent);
    if (!pParent)
        return;
    auto &v = pParent->children;
    v.erase(std::remove(v.begin(), v.end(), pWnd->hwnd), v.end());
}

// Sends WM_PARENTNOTIFY up the chain of parents of a child window, as long
// as the window on the way is a child without WS_EX_NOPARENTNOTIFY.
void NotifyParents(HWND hwnd, UINT uEvent)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    LONG_PTR id = pWnd->id;
    HWND hwndCur = hwnd;
    for (;;) {
        WND *pCur = WndGet(hwndCur);
        if (!pCur || !(pCur->dwStyle & WS_CHILD) || (pCur->dwExStyle & WS_EX_NOPARENTNOTIFY))
            break;
        HWND hwndParent = pCur->hwndParent;
        SendMessageA(hwndParent, WM_PARENTNOTIFY, MAKEWPARAM(uEvent, id), (LPARAM)hwnd);
        hwndCur = hwndParent;
    }
}

void SendDestroy(HWND hwnd)
{
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    std::vector<HWND> children = pWnd->children;
    for (HWND hwndChild : children)
        SendDestroy(hwndChild);
}

// Children first, then the window itself; the handle dies after its
// WM_NCDESTROY.
void FreeWindow(HWND hwnd)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    pWnd->fDestroying = TRUE;
    std::vector<HWND> children = pWnd->children;
    for (HWND hwndChild : children)
        FreeWindow(hwndChild);
    TimerKillForWindow(hwnd);
    MsgDropForWindow(hwnd);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    Unlink(pWnd);
    WndSurfaceDrop(hwnd);
    pWnd->pClass->cWindows--;
    g_windows.Remove((uintptr_t)hwnd);
}

void DestroyOwnedWindows(HWND hwndOwner)
{
    WND *pDesktop = WndGet(WndDesktop());
    std::vector<HWND> topLevel = pDesktop->children;
    for (HWND hwnd : topLevel) {
        WND *pWnd = WndGet(hwnd);
        if (pWnd && pWnd->hwndOwner == hwndOwner && !pWnd->fDestroying)
            DestroyWindow(hwnd);
    }
}

// Fills in CW_USEDEFAULT as documented for this layer.
void ApplyDefaults(int *px, int *py, int *pcx, int *pcy)
{
    if (*px == CW_USEDEFAULT) {
        *px = 0;
        *py = 0;
    }
    if (*pcx == CW_USEDEFAULT) {
        *pcx = 640;
        *pcy = 480;
    }
}

WND *NewWindow(CLASSREC *pClass, const CREATESTRUCTA &cs, HWND hwndParent, HWND hwndOwner)
{
    auto pWnd = std::make_unique<WND>();
    pWnd->pClass = pClass;
    pWnd->dwStyle = (DWORD)cs.style & ~WS_VISIBLE;
    pWnd->dwExStyle = cs.dwExStyle;
    pWnd->hInstance = cs.hInstance;
    pWnd->hwndParent = hwndParent;
    pWnd->hwndOwner = hwndOwner;
    pWnd->id = (cs.style & WS_CHILD) ? (LONG_PTR)cs.hMenu : 0;
    pWnd->lpfnWndProc = pClass->lpfnWndProc;
    pWnd->rcWindow = RECT{cs.x, cs.y, cs.x + std::max(cs.cx, 0), cs.y + std::max(cs.cy, 0)};
    pWnd->extra.assign((size_t)pClass->cbWndExtra, 0);
    WND *pRaw = pWnd.get();
    uintptr_t hValue = g_windows.Add(std::move(pWnd));
    if (!hValue)
        return nullptr;
    pRaw->hwnd = (HWND)hValue;
    pClass->cWindows++;
    WndGet(hwndParent)->children.push_back(pRaw->hwnd);
    return pRaw;
}

void SendInitialSize(HWND hwnd)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        return;
    int cx, cy;
    WndClientSize(pWnd, &cx, &cy);
    int nFrame = WndFrameWidth(pWnd);
    LONG x = pWnd->rcWindow.left + nFrame;
    LONG y = pWnd->rcWindow.top + nFrame;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cx, cy));
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
}

}  // namespace

WND *WndGet(HWND hwnd)
{
    if (!g_hwndDesktop)
        CreateDesktop();
    return g_windows.Get((uintptr_t)hwnd);
}

WND *WndGetOrFail(HWND hwnd)
{
    WND *pWnd = WndGet(hwnd);
    if (!pWnd)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return pWnd;
}

HWND WndDesktop(void)
{
    if (!g_hwndDesktop)
        CreateDesktop();
    return g_hwndDesktop;
}

void WndForEachInTree(HWND hwndRoot, const std::function<void(HWND)> &fn)
{
    WND *pWnd = WndGet(hwndRoot);
    if (!pWnd)
        return;
    std::vector<HWND> children = pWnd->children;
    fn(hwndRoot);
    for (HWND hwndChild : children)
        WndForEachInTree(hwndChild, fn);
}

bool WndIsInTree(HWND hwndRoot, HWND hwnd)
{
    for (WND *pWnd = WndGet(hwnd); pWnd; pWnd = WndGet(pWnd->hwndParent))
        if (pWnd->hwnd == hwndRoot)
            return true;
    return false;
}

extern "C" HWND WINAPI GetDesktopWindow(void)
{
    return WndDesktop();
}

extern "C" HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                                       DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                                       HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    CLASSREC *pClass = ClassFind(lpClassName, hInstance);
    if (!pClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return NULL;
    }
    HWND hwndParent = WndDesktop();
    HWND hwndOwner = NULL;
    if (hWndParent && hWndParent != WndDesktop()) {
        if (!WndGetOrFail(hWndParent))
            return NULL;
        if (dwStyle & WS_CHILD)
            hwndParent = hWndParent;
        else
            hwndOwner = hWndParent;
    } else if ((dwStyle & WS_CHILD) && !hWndParent) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return NULL;
    }
    if (!(dwStyle & WS_CHILD))
        ApplyDefaults(&X, &Y, &nWidth, &nHeight);

    CREATESTRUCTA cs{};
    cs.lpCreateParams = lpParam;
    cs.hInstance = hInstance;
    cs.hMenu = hMenu;
    cs.hwndParent = hWndParent;
    cs.cy = nHeight;
    cs.cx = nWidth;
    cs.y = Y;
    cs.x = X;
    cs.style = (LONG)dwStyle;
    cs.lpszName = lpWindowName;
    cs.lpszClass = lpClassName;
    cs.dwExStyle = dwExStyle;

    WND *pWnd = NewWindow(pClass, cs, hwndParent, hwndOwner);
    if (!pWnd) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    HWND hwnd = pWnd->hwnd;
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, (LPARAM)&cs)) {
        FreeWindow(hwnd);
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return NULL;
    }
    if (IsWindow(hwnd)) {
        RECT rc = pWnd->rcWindow;
        SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, (LPARAM)&rc);
    }
    // A window procedure refusing WM_CREATE gets its window destroyed
    // through the normal path, so its WM_DESTROY clean-up runs too.
    if (!IsWindow(hwnd) || SendMessageA(hwnd, WM_CREATE, 0, (LPARAM)&cs) == -1) {
        DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return NULL;
    }
    SendInitialSize(hwnd);
    NotifyParents(hwnd, WM_CREATE);
    if (!IsWindow(hwnd))
        return NULL;
    if (dwStyle & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd) ? hwnd : NULL;
}

extern "C" BOOL WINAPI DestroyWindow(HWND hWnd)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return FALSE;
    if (hWnd == WndDesktop()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (pWnd->fDestroying)
        return TRUE;
    pWnd->fDestroying = TRUE;
    NotifyParents(hWnd, WM_DESTROY);
    DestroyOwnedWindows(hWnd);
    if (IsWindow(hWnd) && (WndGet(hWnd)->dwStyle & WS_VISIBLE))
        ShowWindow(hWnd, SW_HIDE);
    if (!IsWindow(hWnd))
        return TRUE;
    FocusReleaseTree(hWnd);
    SendDestroy(hWnd);
    FreeWindow(hWnd);
    return TRUE;
}

extern "C" BOOL WINAPI IsWindow(HWND hWnd)
{
    return WndGet(hWnd) != nullptr;
}

extern "C" BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd)
{
    WND *pWnd = WndGet(hWnd);
    while (pWnd && (pWnd->dwStyle & WS_CHILD)) {
        if (pWnd->hwndParent == hWndParent)
            return TRUE;
        pWnd = WndGet(pWnd->hwndParent);
    }
    return FALSE;
}

extern "C" HWND WINAPI GetParent(HWND hWnd)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return NULL;
    if (pWnd->dwStyle & WS_CHILD)
        return pWnd->hwndParent;
    if (pWnd->dwStyle & WS_POPUP)
        return pWnd->hwndOwner;
    return NULL;
}

extern "C" HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent)
{
    WND *pWnd = WndGetOrFail(hWndChild);
    if (!pWnd || hWndChild == WndDesktop())
        return NULL;
    HWND hwndNew = hWndNewParent ? hWndNewParent : WndDesktop();
    WND *pNew = WndGetOrFail(hwndNew);
    if (!pNew)
        return NULL;
    if (WndIsInTree(hWndChild, hwndNew)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return NULL;
    }
    HWND hwndOld = pWnd->hwndParent;
    PaintInvalidateParentArea(hWndChild);
    Unlink(pWnd);
    pWnd->hwndParent = hwndNew;
    pNew->children.insert(pNew->children.begin(), hWndChild);
    if (pWnd->dwStyle & WS_VISIBLE)
        PaintInvalidateAll(hWndChild, TRUE);
    return hwndOld;
}

extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT uCmd)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return NULL;
    if (uCmd == GW_CHILD)
        return pWnd->children.empty() ? NULL : pWnd->children.front();
    if (uCmd == GW_OWNER)
        return pWnd->hwndOwner;
    if (uCmd == GW_ENABLEDPOPUP)
        return NULL;
    if (uCmd > GW_ENABLEDPOPUP) {
        SetLastError(ERROR_INVALID_GW_COMMAND);
        return NULL;
    }
    WND *pParent = WndGet(pWnd->hwndParent);
    if (!pParent)
        return NULL;
    const auto &v = pParent->children;
    auto it = std::find(v.begin(), v.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST: return v.front();
    case GW_HWNDLAST: return v.back();
    case GW_HWNDNEXT: return (it + 1 == v.end()) ? NULL : *(it + 1);
    case GW_HWNDPREV: return (it == v.begin()) ? NULL : *(it - 1);
    }
    return NULL;
}

extern "C" HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    WND *pWnd = WndGetOrFail(hDlg);
    if (!pWnd)
        return NULL;
    for (HWND hwndChild : pWnd->children) {
        WND *pChild = WndGet(hwndChild);
        if (pChild && (int)pChild->id == nIDDlgItem)
            return hwndChild;
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return NULL;
}

extern "C" int WINAPI GetDlgCtrlID(HWND hWnd)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || !(pWnd->dwStyle & WS_CHILD))
        return 0;
    return (int)pWnd->id;
}
