// Shared internals of the window, message, timer, painting and GDI parts of
// the platform layer. Not a public interface: the other parts of the layer
// (dialogs, controls, files) use only the Win32 API and automation.h, except
// for the hooks at the end, which are marked for them.
#ifndef PLATFORM_INTERNAL_H
#define PLATFORM_INTERNAL_H

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

struct CLASSREC {
    ATOM atom;
    std::string strName;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;   // the caller's pointer or an ordinal, as given
    HICON hIconSm;
    std::vector<BYTE> extra;
    int cWindows;          // live windows of the class
};

struct WND {
    HWND hwnd;
    CLASSREC *pClass;
    DWORD dwStyle;
    DWORD dwExStyle;
    HINSTANCE hInstance;
    HWND hwndParent;             // NULL only for the desktop window
    HWND hwndOwner;
    std::vector<HWND> children;  // z-order, top (GW_CHILD) first
    LONG_PTR id;                 // hMenu of a child window
    WNDPROC lpfnWndProc;
    LONG_PTR lUserData;
    std::string strText;         // kept by DefWindowProcA
    RECT rcWindow;               // in the parent's client coordinates
    std::vector<BYTE> extra;
    RECT rcUpdate;               // bounding rectangle, client coordinates
    BOOL fErase;                 // WM_ERASEBKGND pending
    BOOL fDestroying;
};

// Windows (window.cpp).
WND *WndGet(HWND hwnd);                 // NULL for a stale or foreign handle
WND *WndGetOrFail(HWND hwnd);           // ... and ERROR_INVALID_WINDOW_HANDLE
HWND WndDesktop(void);
void WndForEachInTree(HWND hwndRoot, const std::function<void(HWND)> &fn);  // parents first
bool WndIsInTree(HWND hwndRoot, HWND hwnd);  // hwnd is hwndRoot or below it

// Geometry (winpos.cpp).
int WndFrameWidth(const WND *pWnd);     // non-client frame on each side
void WndClientSize(const WND *pWnd, int *pcx, int *pcy);
POINT WndClientOrigin(HWND hwnd);       // screen position of client (0,0)

// Classes (wndclass.cpp).
CLASSREC *ClassFind(LPCSTR lpszClass, HINSTANCE hInstance);

// Messages and timers (message.cpp, timer.cpp).
void MsgDropForWindow(HWND hwnd);
BOOL MsgPostAt(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, POINT pt);
ULONGLONG ClockNow(void);
void ClockSet(ULONGLONG qwNow);
void TimerKillForWindow(HWND hwnd);
bool TimerNextDue(HWND hwndFilter, ULONGLONG *pqwDue);
bool TimerTakeDue(HWND hwndFilter, bool fRemove, MSG *pMsg);
bool TimerIsProc(HWND hwnd, UINT_PTR id, LPARAM lParam);
bool MsgMatchesWindow(HWND hwndFilter, HWND hwnd);

// Painting (paint.cpp).
bool PaintFindWindow(HWND hwndFilter, const std::set<HWND> *pSkip, HWND *phwnd);
void PaintInvalidateAll(HWND hwnd, BOOL bErase);
void PaintInvalidateParentArea(HWND hwnd);

// Focus and capture (focus.cpp).
void FocusReleaseTree(HWND hwndRoot);

// Device contexts (dc.cpp).
HDC DcCreateForWindow(HWND hwnd);
BOOL DcRelease(HDC hdc);
HBRUSH BrushFromClassBackground(HBRUSH hbr);

// Modules (module.cpp).
HINSTANCE ModuleProgramInstance(void);
// Attaches, once, the modules the program was linked with (see module.cpp).
void ModuleAttachLinked(void);

// ---- hooks for the other parts of the platform layer ----

// The virtual time (as GetTickCount) at which the next timer of any window
// or of the thread is due; false when no timer runs. A modal loop uses it
// to tell "waiting for a timer" from "nothing will ever come".
extern "C" BOOL PlatformNextTimerDue(DWORD *pdwDue);

#endif /* PLATFORM_INTERNAL_H */
