/*
 * winuser.h - user-interface part of the platform layer: window classes,
 * windows, messages, timers, focus and capture; dialogs, standard controls
 * and resources; beeps, help, system metrics and the cursor.
 */
#ifndef PLATFORM_WINUSER_H
#define PLATFORM_WINUSER_H

#include "windef.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

/* ---- window classes, windows, messages, timers ---- */

/*
 * Headless model: windows exist in memory only and are never drawn to a
 * screen. One user-interface thread is assumed (the plug-in starts no
 * threads). A window's non-client area is a 1-pixel frame for WS_BORDER
 * plus a 2-pixel edge for WS_EX_CLIENTEDGE and nothing else (no caption
 * bar, menus or scroll bars); minimising, maximising and activation do not
 * exist. SendMessageA calls the window procedure directly; posted messages,
 * WM_PAINT and WM_TIMER come from one queue pumped by PeekMessageA,
 * GetMessageA or the automation layer. Timers run on the virtual clock of
 * GetTickCount. HWND values fit in 32 bits, as on Windows.
 */

/* Window messages. */
#define WM_NULL                 0x0000
#define WM_CREATE               0x0001
#define WM_DESTROY              0x0002
#define WM_MOVE                 0x0003
#define WM_SIZE                 0x0005
#define WM_ACTIVATE             0x0006
#define WM_SETFOCUS             0x0007
#define WM_KILLFOCUS            0x0008
#define WM_ENABLE               0x000A
#define WM_SETREDRAW            0x000B
#define WM_SETTEXT              0x000C
#define WM_GETTEXT              0x000D
#define WM_GETTEXTLENGTH        0x000E
#define WM_PAINT                0x000F
#define WM_CLOSE                0x0010
#define WM_QUIT                 0x0012
#define WM_ERASEBKGND           0x0014
#define WM_SYSCOLORCHANGE       0x0015
#define WM_SHOWWINDOW           0x0018
#define WM_CANCELMODE           0x001F
#define WM_SETCURSOR            0x0020
#define WM_MOUSEACTIVATE        0x0021
#define WM_CHILDACTIVATE        0x0022
#define WM_GETMINMAXINFO        0x0024
#define WM_DRAWITEM             0x002B
#define WM_MEASUREITEM          0x002C
#define WM_DELETEITEM           0x002D
#define WM_VKEYTOITEM           0x002E
#define WM_CHARTOITEM           0x002F
#define WM_SETFONT              0x0030
#define WM_GETFONT              0x0031
#define WM_COMPAREITEM          0x0039
#define WM_WINDOWPOSCHANGING    0x0046
#define WM_WINDOWPOSCHANGED     0x0047
#define WM_NOTIFY               0x004E
#define WM_HELP                 0x0053
#define WM_CONTEXTMENU          0x007B
#define WM_STYLECHANGING        0x007C
#define WM_STYLECHANGED         0x007D
#define WM_GETICON              0x007F
#define WM_SETICON              0x0080
#define WM_NCCREATE             0x0081
#define WM_NCDESTROY            0x0082
#define WM_NCCALCSIZE           0x0083
#define WM_NCHITTEST            0x0084
#define WM_NCPAINT              0x0085
#define WM_NCACTIVATE           0x0086
#define WM_GETDLGCODE           0x0087
#define WM_KEYFIRST             0x0100
#define WM_KEYDOWN              0x0100
#define WM_KEYUP                0x0101
#define WM_CHAR                 0x0102
#define WM_DEADCHAR             0x0103
#define WM_SYSKEYDOWN           0x0104
#define WM_SYSKEYUP             0x0105
#define WM_SYSCHAR              0x0106
#define WM_KEYLAST              0x0109
#define WM_INITDIALOG           0x0110
#define WM_COMMAND              0x0111
#define WM_SYSCOMMAND           0x0112
#define WM_TIMER                0x0113
#define WM_HSCROLL              0x0114
#define WM_VSCROLL              0x0115
#define WM_INITMENU             0x0116
#define WM_DESTROYCLIPBOARD     0x0307
#define WM_INITMENUPOPUP        0x0117
#define WM_MENUSELECT           0x011F
#define WM_ENTERIDLE            0x0121
#define WM_CTLCOLORMSGBOX       0x0132
#define WM_CTLCOLOREDIT         0x0133
#define WM_CTLCOLORLISTBOX      0x0134
#define WM_CTLCOLORBTN          0x0135
#define WM_CTLCOLORDLG          0x0136
#define WM_CTLCOLORSCROLLBAR    0x0137
#define WM_CTLCOLORSTATIC       0x0138
#define WM_MOUSEFIRST           0x0200
#define WM_MOUSEMOVE            0x0200
#define WM_LBUTTONDOWN          0x0201
#define WM_LBUTTONUP            0x0202
#define WM_LBUTTONDBLCLK        0x0203
#define WM_RBUTTONDOWN          0x0204
#define WM_RBUTTONUP            0x0205
#define WM_RBUTTONDBLCLK        0x0206
#define WM_MBUTTONDOWN          0x0207
#define WM_MBUTTONUP            0x0208
#define WM_MBUTTONDBLCLK        0x0209
#define WM_MOUSEWHEEL           0x020A
#define WM_MOUSELAST            0x020A
#define WM_PARENTNOTIFY         0x0210
#define WM_ENTERMENULOOP        0x0211
#define WM_EXITMENULOOP         0x0212
#define WM_CAPTURECHANGED       0x0215
#define WM_MOUSEHOVER           0x02A1
#define WM_MOUSELEAVE           0x02A3
#define WM_CUT                  0x0300
#define WM_COPY                 0x0301
#define WM_PASTE                0x0302
#define WM_CLEAR                0x0303
#define WM_UNDO                 0x0304
#define WM_PRINTCLIENT          0x0318  /* wParam: a context to draw the client area into */
#define PRF_CLIENT              0x0004  /* WM_PRINTCLIENT's lParam: draw the client area */
#define WM_USER                 0x0400
#define WM_APP                  0x8000

/* Clipboard formats the views copy (the clipboard itself comes with the
   layer's drawing). */
#define CF_TEXT                 1
#define CF_ENHMETAFILE          14

/* Window styles. */
#define WS_OVERLAPPED       0x00000000L
#define WS_POPUP            0x80000000L
#define WS_CHILD            0x40000000L
#define WS_MINIMIZE         0x20000000L
#define WS_VISIBLE          0x10000000L
#define WS_DISABLED         0x08000000L
#define WS_CLIPSIBLINGS     0x04000000L
#define WS_CLIPCHILDREN     0x02000000L
#define WS_MAXIMIZE         0x01000000L
#define WS_CAPTION          0x00C00000L
#define WS_BORDER           0x00800000L
#define WS_DLGFRAME         0x00400000L
#define WS_VSCROLL          0x00200000L
#define WS_HSCROLL          0x00100000L
#define WS_SYSMENU          0x00080000L
#define WS_THICKFRAME       0x00040000L
#define WS_GROUP            0x00020000L
#define WS_TABSTOP          0x00010000L
#define WS_MINIMIZEBOX      0x00020000L
#define WS_MAXIMIZEBOX      0x00010000L
#define WS_TILED            WS_OVERLAPPED
#define WS_ICONIC           WS_MINIMIZE
#define WS_SIZEBOX          WS_THICKFRAME
#define WS_OVERLAPPEDWINDOW (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_POPUPWINDOW      (WS_POPUP | WS_BORDER | WS_SYSMENU)
#define WS_CHILDWINDOW      WS_CHILD
#define WS_TILEDWINDOW      WS_OVERLAPPEDWINDOW

#define WS_EX_DLGMODALFRAME     0x00000001L
#define WS_EX_NOPARENTNOTIFY    0x00000004L
#define WS_EX_TOPMOST           0x00000008L
#define WS_EX_ACCEPTFILES       0x00000010L
#define WS_EX_TRANSPARENT       0x00000020L
#define WS_EX_MDICHILD          0x00000040L
#define WS_EX_TOOLWINDOW        0x00000080L
#define WS_EX_WINDOWEDGE        0x00000100L
#define WS_EX_CLIENTEDGE        0x00000200L
#define WS_EX_CONTEXTHELP       0x00000400L
#define WS_EX_RIGHT             0x00001000L
#define WS_EX_LEFT              0x00000000L
#define WS_EX_CONTROLPARENT     0x00010000L
#define WS_EX_STATICEDGE        0x00020000L
#define WS_EX_APPWINDOW         0x00040000L
#define WS_EX_OVERLAPPEDWINDOW  (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE)

/* Class styles. */
#define CS_VREDRAW          0x0001
#define CS_HREDRAW          0x0002
#define CS_DBLCLKS          0x0008
#define CS_OWNDC            0x0020
#define CS_CLASSDC          0x0040
#define CS_PARENTDC         0x0080
#define CS_NOCLOSE          0x0200
#define CS_SAVEBITS         0x0800
#define CS_BYTEALIGNCLIENT  0x1000
#define CS_BYTEALIGNWINDOW  0x2000
#define CS_GLOBALCLASS      0x4000

/* ShowWindow commands. */
#define SW_HIDE             0
#define SW_SHOWNORMAL       1
#define SW_NORMAL           1
#define SW_SHOWMINIMIZED    2
#define SW_SHOWMAXIMIZED    3
#define SW_MAXIMIZE         3
#define SW_SHOWNOACTIVATE   4
#define SW_SHOW             5
#define SW_MINIMIZE         6
#define SW_SHOWMINNOACTIVE  7
#define SW_SHOWNA           8
#define SW_RESTORE          9
#define SW_SHOWDEFAULT      10

/* SetWindowPos flags and insert-after values. */
#define SWP_NOSIZE          0x0001
#define SWP_NOMOVE          0x0002
#define SWP_NOZORDER        0x0004
#define SWP_NOREDRAW        0x0008
#define SWP_NOACTIVATE      0x0010
#define SWP_FRAMECHANGED    0x0020
#define SWP_DRAWFRAME       SWP_FRAMECHANGED
#define SWP_SHOWWINDOW      0x0040
#define SWP_HIDEWINDOW      0x0080
#define SWP_NOCOPYBITS      0x0100
#define SWP_NOOWNERZORDER   0x0200
#define SWP_NOREPOSITION    SWP_NOOWNERZORDER
#define SWP_NOSENDCHANGING  0x0400
#define SWP_DEFERERASE      0x2000
#define SWP_ASYNCWINDOWPOS  0x4000
#define SWP_NOCLIENTSIZE    0x0800
#define SWP_NOCLIENTMOVE    0x1000
#define HWND_TOP            ((HWND)0)
#define HWND_BOTTOM         ((HWND)1)
#define HWND_TOPMOST        ((HWND)-1)
#define HWND_NOTOPMOST      ((HWND)-2)
#define HWND_MESSAGE        ((HWND)-3)
#define HWND_BROADCAST      ((HWND)0xffff)
#define HWND_DESKTOP        ((HWND)0)

/* Window longs (byte offsets >= 0 address the extra bytes). The 32-bit-only
 * GWL_WNDPROC, GWL_HINSTANCE, GWL_HWNDPARENT and GWL_USERDATA are absent, as
 * in a 64-bit Windows build: use the GWLP_ forms. */
#define GWL_STYLE           (-16)
#define GWL_EXSTYLE         (-20)
#define GWL_ID              (-12)
#define GWLP_WNDPROC        (-4)
#define GWLP_HINSTANCE      (-6)
#define GWLP_HWNDPARENT     (-8)
#define GWLP_ID             (-12)
#define GWLP_USERDATA       (-21)

/* Class longs. */
#define GCL_CBWNDEXTRA      (-18)
#define GCL_CBCLSEXTRA      (-20)
#define GCL_STYLE           (-26)
#define GCW_ATOM            (-32)
#define GCLP_MENUNAME       (-8)
#define GCLP_HBRBACKGROUND  (-10)
#define GCLP_HCURSOR        (-12)
#define GCLP_HICON          (-14)
#define GCLP_HMODULE        (-16)
#define GCLP_WNDPROC        (-24)
#define GCLP_HICONSM        (-34)

/* GetWindow relations. */
#define GW_HWNDFIRST        0
#define GW_HWNDLAST         1
#define GW_HWNDNEXT         2
#define GW_HWNDPREV         3
#define GW_OWNER            4
#define GW_CHILD            5
#define GW_ENABLEDPOPUP     6

/* CreateWindow default position and size. */
#define CW_USEDEFAULT       ((int)0x80000000)

/* WM_SIZE types. */
#define SIZE_RESTORED       0
#define SIZE_MINIMIZED      1
#define SIZE_MAXIMIZED      2

/* PeekMessage options. */
#define PM_NOREMOVE         0x0000
#define PM_REMOVE           0x0001
#define PM_NOYIELD          0x0002

/* Mouse key states in wParam of mouse messages. */
#define MK_LBUTTON          0x0001
#define MK_RBUTTON          0x0002
#define MK_SHIFT            0x0004
#define MK_CONTROL          0x0008
#define MK_MBUTTON          0x0010

/* WM_SYSCOMMAND commands. */
#define SC_CLOSE            0xF060

/* Virtual keys. */
#define VK_LBUTTON          0x01
#define VK_RBUTTON          0x02
#define VK_BACK             0x08
#define VK_TAB              0x09
#define VK_RETURN           0x0D
#define VK_SHIFT            0x10
#define VK_CONTROL          0x11
#define VK_MENU             0x12
#define VK_ESCAPE           0x1B
#define VK_SPACE            0x20
#define VK_PRIOR            0x21
#define VK_NEXT             0x22
#define VK_END              0x23
#define VK_HOME             0x24
#define VK_LEFT             0x25
#define VK_UP               0x26
#define VK_RIGHT            0x27
#define VK_DOWN             0x28
#define VK_INSERT           0x2D
#define VK_DELETE           0x2E
#define VK_F1               0x70
#define VK_F2               0x71
#define VK_F3               0x72
#define VK_F4               0x73
#define VK_F5               0x74
#define VK_F6               0x75
#define VK_F7               0x76
#define VK_F8               0x77
#define VK_F9               0x78
#define VK_F10              0x79
#define VK_F11              0x7A
#define VK_F12              0x7B

/* System colours (GetSysColor, GetSysColorBrush; COLOR_x + 1 as a class
 * background brush). */
#define COLOR_SCROLLBAR         0
#define COLOR_BACKGROUND        1
#define COLOR_ACTIVECAPTION     2
#define COLOR_INACTIVECAPTION   3
#define COLOR_MENU              4
#define COLOR_WINDOW            5
#define COLOR_WINDOWFRAME       6
#define COLOR_MENUTEXT          7
#define COLOR_WINDOWTEXT        8
#define COLOR_CAPTIONTEXT       9
#define COLOR_ACTIVEBORDER      10
#define COLOR_INACTIVEBORDER    11
#define COLOR_APPWORKSPACE      12
#define COLOR_HIGHLIGHT         13
#define COLOR_HIGHLIGHTTEXT     14
#define COLOR_BTNFACE           15
#define COLOR_BTNSHADOW         16
#define COLOR_GRAYTEXT          17
#define COLOR_BTNTEXT           18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT      20
#define COLOR_3DDKSHADOW        21
#define COLOR_3DLIGHT           22
#define COLOR_INFOTEXT          23
#define COLOR_INFOBK            24
#define COLOR_DESKTOP           COLOR_BACKGROUND
#define COLOR_3DFACE            COLOR_BTNFACE
#define COLOR_3DSHADOW          COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT       COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT         COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT        COLOR_BTNHIGHLIGHT

/* Standard cursors and icons (LoadCursorA / LoadIconA with hInstance NULL). */
#define IDC_ARROW           MAKEINTRESOURCE(32512)
#define IDC_IBEAM           MAKEINTRESOURCE(32513)
#define IDC_WAIT            MAKEINTRESOURCE(32514)
#define IDC_CROSS           MAKEINTRESOURCE(32515)
#define IDC_UPARROW         MAKEINTRESOURCE(32516)
#define IDC_SIZEWE          MAKEINTRESOURCE(32644)
#define IDC_SIZENS          MAKEINTRESOURCE(32645)
#define IDC_SIZEALL         MAKEINTRESOURCE(32646)
#define IDC_NO              MAKEINTRESOURCE(32648)
#define IDC_HAND            MAKEINTRESOURCE(32649)

#define MAKEINTATOM(i)      ((LPSTR)((ULONG_PTR)((WORD)(i))))

/* Timers: elapse values are clamped to this range, as on Windows. */
#define USER_TIMER_MINIMUM  0x0000000A
#define USER_TIMER_MAXIMUM  0x7FFFFFFF

#ifndef RC_INVOKED
typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA, *LPWNDCLASSA, WNDCLASS;

typedef struct tagWNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
} WNDCLASSEXA, *LPWNDCLASSEXA, WNDCLASSEX;

typedef struct tagCREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA, *LPCREATESTRUCTA, CREATESTRUCT, *LPCREATESTRUCT;

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *PMSG, *LPMSG;

typedef struct tagWINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
} WINDOWPOS, *LPWINDOWPOS, *PWINDOWPOS;

typedef struct tagSTYLESTRUCT {
    DWORD styleOld;
    DWORD styleNew;
} STYLESTRUCT, *LPSTYLESTRUCT;

typedef struct tagMINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
} MINMAXINFO, *LPMINMAXINFO;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *PPAINTSTRUCT, *LPPAINTSTRUCT;

/* Classes. A class is found by name (case-insensitive) or atom: first among
 * the classes registered by the given module, then among CS_GLOBALCLASS
 * classes of any module. hInstance NULL means the main program. */
ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass);
/* Returns the class atom, or 0: ERROR_CLASS_ALREADY_EXISTS when the module
 * (or, for CS_GLOBALCLASS, any module) already has a class of that name,
 * ERROR_INVALID_PARAMETER for a missing name/procedure or negative extra
 * byte counts. */
ATOM WINAPI RegisterClassExA(const WNDCLASSEXA *lpWndClass);
/* As RegisterClassA; cbSize must be sizeof(WNDCLASSEXA). */
BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance);
/* Removes the class registered by hInstance. FALSE with
 * ERROR_CLASS_DOES_NOT_EXIST, or ERROR_CLASS_HAS_WINDOWS while windows of
 * it exist. */
BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass);
/* Fills *lpWndClass (lpszClassName is the caller's pointer). FALSE with
 * ERROR_CLASS_DOES_NOT_EXIST. */
BOOL WINAPI GetClassInfoExA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSEXA lpWndClass);
/* As GetClassInfoA for the extended record. */
DWORD WINAPI GetClassLongA(HWND hWnd, int nIndex);
/* A GCL_/GCW_ value (pointer values truncated to 32 bits) or the 32-bit
 * value at byte offset nIndex of the class extra bytes; 0 with
 * ERROR_INVALID_INDEX / ERROR_INVALID_WINDOW_HANDLE. */
ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex);
/* As GetClassLongA with pointer-sized values. */
int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount);
/* Copies the class name (truncated to nMaxCount - 1 characters, always
 * NUL-terminated); returns the characters copied, 0 on error. */

/* Windows. */
HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName,
                            DWORD dwStyle, int X, int Y, int nWidth, int nHeight,
                            HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
/* Creates a window: WM_NCCREATE (FALSE fails), WM_NCCALCSIZE, WM_CREATE
 * (-1 destroys the window and fails), WM_SIZE, WM_MOVE, WM_PARENTNOTIFY to
 * the parents, then ShowWindow when WS_VISIBLE was given. A WS_CHILD window
 * needs a parent (ERROR_TLW_WITH_WSCHILD) and takes its id from hMenu;
 * X/Y are in the parent's client coordinates (screen for top-level
 * windows). CW_USEDEFAULT gives position 0,0 and size 640x480. Returns NULL
 * with ERROR_CANNOT_FIND_WND_CLASS, ERROR_INVALID_WINDOW_HANDLE (parent) or
 * ERROR_NOT_ENOUGH_MEMORY. */
#define CreateWindowA(c, n, s, x, y, w, h, p, m, i, l) \
    CreateWindowExA(0, c, n, s, x, y, w, h, p, m, i, l)
BOOL WINAPI DestroyWindow(HWND hWnd);
/* Destroys owned windows, sends WM_PARENTNOTIFY, hides the window,
 * releases capture and focus inside it, sends WM_DESTROY to the window and
 * then its children (parents first), kills their timers, drops their
 * posted messages, and sends WM_NCDESTROY children first. FALSE with
 * ERROR_INVALID_WINDOW_HANDLE; TRUE without effect while it is already
 * being destroyed. */
BOOL WINAPI IsWindow(HWND hWnd);
BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd);
/* TRUE when hWndParent is in hWnd's chain of parents of child windows. */
HWND WINAPI GetParent(HWND hWnd);
/* The parent of a WS_CHILD window, the owner of a WS_POPUP window, else
 * NULL. */
HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent);
/* Moves the window under a new parent (NULL: the desktop), at the top of
 * its siblings, keeping its position in parent client coordinates.
 * Returns the old parent, NULL on error. */
HWND WINAPI GetWindow(HWND hWnd, UINT uCmd);
/* GW_CHILD: first (top) child; GW_HWNDNEXT/PREV: siblings in z-order
 * (children created later come after earlier ones); GW_HWNDFIRST/LAST;
 * GW_OWNER. NULL when there is none. */
HWND WINAPI GetDesktopWindow(void);
/* The root of all top-level windows; its rectangle is the screen. */
HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);
/* The direct child with that id; NULL with ERROR_CONTROL_ID_NOT_FOUND. */
int WINAPI GetDlgCtrlID(HWND hWnd);
/* A child window's id; 0 for top-level windows and errors. */

/* Window longs and words. nIndex >= 0 is a byte offset into the extra
 * bytes (any alignment); the value must lie wholly inside cbWndExtra, else
 * 0 with ERROR_INVALID_INDEX. Setters return the previous value. */
LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex);
LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong);
/* GWL_STYLE sends WM_STYLECHANGING/WM_STYLECHANGED (GWL_EXSTYLE too). */
LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex);
LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
/* GWLP_WNDPROC subclasses (returns the old procedure), GWLP_USERDATA,
 * GWLP_HINSTANCE, GWLP_ID, GWLP_HWNDPARENT (the parent of a child window
 * via SetParent, else the owner). */
WORD WINAPI GetWindowWord(HWND hWnd, int nIndex);
WORD WINAPI SetWindowWord(HWND hWnd, int nIndex, WORD wNewWord);
/* 16-bit values at byte offset nIndex >= 0 of the extra bytes. */

/* Visibility, state, geometry. */
BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow);
/* SW_HIDE hides, every other command shows (no minimised or maximised
 * state exists headless). Sends WM_SHOWWINDOW and
 * WM_WINDOWPOSCHANGING/CHANGED when the visibility changes. Returns the
 * previous visibility (TRUE: was visible). */
BOOL WINAPI IsWindowVisible(HWND hWnd);
/* TRUE when the window and all its parents have WS_VISIBLE. */
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable);
/* Changes WS_DISABLED and sends WM_ENABLE on a change; disabling removes
 * the focus and capture from the window. Returns TRUE when the window was
 * disabled before. */
BOOL WINAPI IsWindowEnabled(HWND hWnd);
BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
/* SetWindowPos with SWP_NOZORDER | SWP_NOACTIVATE (| SWP_NOREDRAW). */
BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
/* Sends WM_WINDOWPOSCHANGING (the handler may change the WINDOWPOS), applies
 * it, sends WM_WINDOWPOSCHANGED, whose default processing sends WM_MOVE
 * and WM_SIZE when the client area moved or changed size. Honours
 * SWP_NOMOVE, NOSIZE, NOZORDER (else HWND_TOP, HWND_BOTTOM or a sibling),
 * NOREDRAW, SHOWWINDOW, HIDEWINDOW; other flags are accepted and ignored.
 * Negative sizes count as 0. */
BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect);
/* {0, 0, client width, client height}. */
BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect);
/* The window's rectangle including its frame, in screen coordinates. */
BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint);
BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint);
int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
/* Maps points from one window's client coordinates to another's (NULL:
 * screen). A RECT may be passed as two points. Returns MAKELONG(dx, dy)
 * of the offset added, 0 on error. */

/* Focus and capture. */
HWND WINAPI SetFocus(HWND hWnd);
/* Sends WM_KILLFOCUS (wParam: the new window) to the old focus window, then
 * WM_SETFOCUS (wParam: the old window) to the new one; GetFocus already
 * answers the new window during WM_KILLFOCUS. NULL removes the focus.
 * Fails (NULL) for a disabled window or one with a disabled parent.
 * Returns the previous focus window. */
HWND WINAPI GetFocus(void);
HWND WINAPI SetCapture(HWND hWnd);
/* Mouse input (from the automation layer) goes to hWnd. The previous
 * capture window receives WM_CAPTURECHANGED (lParam: hWnd). Returns it. */
BOOL WINAPI ReleaseCapture(void);
/* Ends the capture; the window receives WM_CAPTURECHANGED (lParam 0). */
HWND WINAPI GetCapture(void);

/* Window text, kept by DefWindowProcA. */
BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString);
/* Sends WM_SETTEXT. */
int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount);
/* Sends WM_GETTEXT: at most nMaxCount - 1 characters and a NUL; returns
 * the characters copied (0 and an empty string on error). */
int WINAPI GetWindowTextLengthA(HWND hWnd);
/* Sends WM_GETTEXTLENGTH. */

/* Painting. The update region of a window is kept as its bounding
 * rectangle (headless simplification). */
BOOL WINAPI InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase);
/* Adds lpRect (client coordinates; NULL: the whole client area) to the
 * update region, and to the overlapping visible children unless the window
 * has WS_CLIPCHILDREN. bErase asks for WM_ERASEBKGND at BeginPaint.
 * hWnd NULL invalidates every window. */
BOOL WINAPI ValidateRect(HWND hWnd, const RECT *lpRect);
/* Removes lpRect (NULL: all) from the update region; a rectangle that does
 * not cover whole rows or columns of the bounding rectangle leaves it. */
BOOL WINAPI UpdateWindow(HWND hWnd);
/* Sends WM_PAINT at once to the window and then its children that have a
 * non-empty update region and are visible. */
BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
/* TRUE when the update region is not empty; lpRect (may be NULL) receives
 * its bounding rectangle. bErase sends a pending WM_ERASEBKGND now. */
HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
/* Sends WM_ERASEBKGND when an erase is pending (fErase: TRUE when that
 * left the background unerased), fills rcPaint with the update rectangle,
 * validates the window and returns a device context for it (NULL on
 * error). */
BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT *lpPaint);
/* Releases the device context of BeginPaint. */

/* Drawing with a brush, and formatted text (DrawTextA). A brush may be a
 * system colour index + 1, as a class background. */
int WINAPI FillRect(HDC hDC, const RECT *lprc, HBRUSH hbr);
int WINAPI FrameRect(HDC hDC, const RECT *lprc, HBRUSH hbr);
#define DT_TOP              0x00000000
#define DT_LEFT             0x00000000
#define DT_CENTER           0x00000001
#define DT_RIGHT            0x00000002
#define DT_VCENTER          0x00000004
#define DT_BOTTOM           0x00000008
#define DT_WORDBREAK        0x00000010
#define DT_SINGLELINE       0x00000020
#define DT_EXPANDTABS       0x00000040
#define DT_NOCLIP           0x00000100
#define DT_CALCRECT         0x00000400
#define DT_NOPREFIX         0x00000800
#define DT_END_ELLIPSIS     0x00008000
int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
/* cchText -1: up to the NUL. Lines break at CR/LF (unless DT_SINGLELINE)
 * and, with DT_WORDBREAK, after a space or between double-byte characters
 * where the line would pass the right edge. '&' marks a mnemonic (removed;
 * "&&" is one '&') unless DT_NOPREFIX. DT_VCENTER and DT_BOTTOM apply to a
 * single line. DT_CALCRECT draws nothing and sets right and bottom to the
 * text's extent. Returns the text's height (from the top of lprc for
 * DT_VCENTER/DT_BOTTOM), 0 on error. */

/* Three-dimensional edges in the system colours (the classic look of
 * buttons, frames and sunken fields). An edge is an outer and an inner line
 * of one pixel each; BF_ sides choose where, BF_MIDDLE fills the inside
 * with the face colour, BF_ADJUST shrinks *qrc by what was drawn. */
#define BDR_RAISEDOUTER     0x0001
#define BDR_SUNKENOUTER     0x0002
#define BDR_RAISEDINNER     0x0004
#define BDR_SUNKENINNER     0x0008
#define EDGE_RAISED         (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN         (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED         (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP           (BDR_RAISEDOUTER | BDR_SUNKENINNER)
#define BF_LEFT             0x0001
#define BF_TOP              0x0002
#define BF_RIGHT            0x0004
#define BF_BOTTOM           0x0008
#define BF_RECT             (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_MIDDLE           0x0800
#define BF_SOFT             0x1000
#define BF_ADJUST           0x2000
#define BF_FLAT             0x4000
#define BF_MONO             0x8000
BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
/* The dotted focus rectangle: every other pixel of the outline inverted,
 * so a second call takes it away. */
BOOL WINAPI DrawFocusRect(HDC hDC, const RECT *lprc);

/* Rectangles. */
BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom);
BOOL WINAPI SetRectEmpty(LPRECT lprc);
BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy);
BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy);
BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT *lprcSrc1, const RECT *lprcSrc2);
BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT *lprcSrc1, const RECT *lprcSrc2);
BOOL WINAPI IsRectEmpty(const RECT *lprc);
BOOL WINAPI PtInRect(const RECT *lprc, POINT pt);
BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT *lprcSrc);
BOOL WINAPI EqualRect(const RECT *lprc1, const RECT *lprc2);

/* Popup menus. TrackPopupMenu never waits for a user: it takes the next
 * answer queued through the automation API (none: the menu is dismissed at
 * once), sends WM_INITMENU and WM_INITMENUPOPUP first unless TPM_NONOTIFY,
 * and with TPM_RETURNCMD returns the chosen id (0 when dismissed);
 * otherwise it posts WM_COMMAND (the id) to hWnd and returns TRUE. */
#define MF_BYCOMMAND        0x00000000L
#define MF_BYPOSITION       0x00000400L
#define MF_STRING           0x00000000L
#define MF_ENABLED          0x00000000L
#define MF_UNCHECKED        0x00000000L
#define MF_GRAYED           0x00000001L
#define MF_DISABLED         0x00000002L
#define MF_BITMAP           0x00000004L
#define MF_CHECKED          0x00000008L
#define MF_POPUP            0x00000010L
#define MF_OWNERDRAW        0x00000100L
#define MF_SEPARATOR        0x00000800L
#define TPM_LEFTBUTTON      0x0000L
#define TPM_RIGHTBUTTON     0x0002L
#define TPM_LEFTALIGN       0x0000L
#define TPM_CENTERALIGN     0x0004L
#define TPM_RIGHTALIGN      0x0008L
#define TPM_TOPALIGN        0x0000L
#define TPM_VCENTERALIGN    0x0010L
#define TPM_BOTTOMALIGN     0x0020L
#define TPM_NONOTIFY        0x0080L
#define TPM_RETURNCMD       0x0100L
HMENU WINAPI CreatePopupMenu(void);
HMENU WINAPI CreateMenu(void);
BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem);
/* MF_POPUP: uIDNewItem is a submenu, destroyed with its parent. */
BOOL WINAPI DestroyMenu(HMENU hMenu);
int WINAPI GetMenuItemCount(HMENU hMenu);
UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos);
UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);
BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, const RECT *prcRect);

/* Clipboard: CF_TEXT (a GlobalAlloc block of CP932 text) and
 * CF_ENHMETAFILE. Data set belongs to the clipboard, which frees it when
 * emptied; the window that empties it becomes its owner. Every call but
 * OpenClipboard needs it open (ERROR_CLIPBOARD_NOT_OPEN). */
#define CF_TEXT             1
#define CF_ENHMETAFILE      14
BOOL WINAPI OpenClipboard(HWND hWndNewOwner);
/* Open to the (one) thread: opening it again changes only the window. */
BOOL WINAPI CloseClipboard(void);
BOOL WINAPI EmptyClipboard(void);
/* Sends WM_DESTROYCLIPBOARD to the owner, frees the data. */
HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem);
HANDLE WINAPI GetClipboardData(UINT uFormat);
/* The clipboard's own handle (do not free it), NULL when absent. */
BOOL WINAPI IsClipboardFormatAvailable(UINT format);
HWND WINAPI GetClipboardOwner(void);

/* Messages. */
LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
/* Calls the window procedure directly (re-entrant: a handler may send to
 * any window, itself included) and returns its result; 0 with
 * ERROR_INVALID_WINDOW_HANDLE for a bad window. */
BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
/* Queues the message (hWnd NULL: a message for the thread). FALSE with
 * ERROR_INVALID_WINDOW_HANDLE for a bad window. */
BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam);
/* Queues a message with hwnd NULL; idThread is ignored (one thread). */
void WINAPI PostQuitMessage(int nExitCode);
/* WM_QUIT (wParam nExitCode) comes once the posted messages are
 * retrieved. */
BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
/* Looks, in this order, for a posted message, WM_QUIT, WM_PAINT for a
 * visible window with an update region (never removed: it stops when the
 * window is validated) and WM_TIMER for a due timer (removing it restarts
 * the timer's period). hWnd limits the search to that window and its
 * descendants ((HWND)-1: messages posted with hwnd NULL); the filter range
 * 0, 0 means all messages; WM_QUIT passes every filter. Never waits. */
BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
/* As PeekMessageA with PM_REMOVE, but when nothing is there it moves the
 * virtual clock forward to the next timer that passes the filter. Headless,
 * with nothing queued and no timer left it does not block: it answers
 * WM_QUIT (wParam 0) and returns 0, and AutoGetIdleQuitCount counts the
 * event. Returns 0 for WM_QUIT, -1 with ERROR_INVALID_WINDOW_HANDLE for a
 * bad hWnd, else TRUE. */
BOOL WINAPI TranslateMessage(const MSG *lpMsg);
/* WM_KEYDOWN of a character key (letters as lower case, digits, space,
 * Enter, Tab, Backspace, Esc) posts the matching WM_CHAR; returns TRUE
 * then. */
LRESULT WINAPI DispatchMessageA(const MSG *lpMsg);
/* Calls the window procedure; a WM_TIMER whose lParam is the TIMERPROC of
 * a live timer calls that procedure (hwnd, WM_TIMER, id, GetTickCount()). */
LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
/* Stores the title at WM_NCCREATE (returns TRUE) and the text of
 * WM_SETTEXT; answers WM_GETTEXT/WM_GETTEXTLENGTH; WM_GETFONT 0;
 * WM_CLOSE and SC_CLOSE destroy the window; WM_PAINT validates through
 * BeginPaint/EndPaint; WM_ERASEBKGND answers 1 when the class has a
 * background brush; WM_WINDOWPOSCHANGED sends WM_MOVE/WM_SIZE;
 * WM_CTLCOLOR* answer the window-colour or face-colour brush; WM_CANCELMODE
 * releases a capture held by the window; everything else 0. */
BOOL WINAPI InSendMessage(void);
/* FALSE: as on Windows it reports messages sent from another thread, and
 * this layer has one thread. */
DWORD WINAPI GetMessageTime(void);
/* The virtual time of the last message retrieved by GetMessageA or
 * PeekMessageA. */

/* Timers on the virtual clock. */
UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
/* Starts (or restarts, for an existing hWnd/id) a timer that is due every
 * uElapse ms of virtual time (clamped to 10 .. 0x7FFFFFFF). hWnd NULL
 * makes a thread timer with a new id. Returns the id (nonzero), 0 on
 * error. */
BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent);
/* Stops the timer; FALSE when there is none. */

/* Cursors: shared system handles only. */
HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
/* hInstance NULL and a standard IDC_ id: a shared handle; otherwise NULL
 * (no cursor resources headless). */
#endif /* RC_INVOKED */

/* WM_NCHITTEST answers used by the controls. */
#define HTTRANSPARENT (-1)
#define HTNOWHERE     0
#define HTCLIENT      1

/* ---- resources, dialogs and standard controls ---- */

/*
 * Resources come from each module's resource script, compiled into tables
 * that the module registers when it is loaded (rctables.h). Texts are code
 * page 932 bytes, as a Japanese Windows gives them to the *A functions.
 */

/* Dialog command ids. */
#define IDOK                1
#define IDCANCEL            2
#define IDABORT             3
#define IDRETRY             4
#define IDIGNORE            5
#define IDYES               6
#define IDNO                7
#define IDCLOSE             8
#define IDHELP              9

/* Dialog styles. */
#define DS_ABSALIGN         0x0001L
#define DS_SYSMODAL         0x0002L
#define DS_LOCALEDIT        0x0020L
#define DS_SETFONT          0x0040L
#define DS_MODALFRAME       0x0080L
#define DS_NOIDLEMSG        0x0100L
#define DS_SETFOREGROUND    0x0200L
#define DS_3DLOOK           0x0004L
#define DS_FIXEDSYS         0x0008L
#define DS_NOFAILCREATE     0x0010L
#define DS_CONTROL          0x0400L
#define DS_CENTER           0x0800L
#define DS_CENTERMOUSE      0x1000L
#define DS_CONTEXTHELP      0x2000L
#define DS_SHELLFONT        (DS_SETFONT | DS_FIXEDSYS)

/* Offsets of the extra bytes of the dialog class ("#32770"). */
#define DWLP_MSGRESULT      0
#define DWLP_DLGPROC        8
#define DWLP_USER           16
#define DLGWINDOWEXTRA      30

/* Dialog messages and WM_GETDLGCODE answers. */
#define WM_NEXTDLGCTL       0x0028
#define DM_GETDEFID         (WM_USER + 0)
#define DM_SETDEFID         (WM_USER + 1)
#define DC_HASDEFID         0x534B
#define DLGC_WANTARROWS     0x0001
#define DLGC_WANTTAB        0x0002
#define DLGC_WANTALLKEYS    0x0004
#define DLGC_WANTMESSAGE    0x0004
#define DLGC_HASSETSEL      0x0008
#define DLGC_DEFPUSHBUTTON  0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON    0x0040
#define DLGC_WANTCHARS      0x0080
#define DLGC_STATIC         0x0100
#define DLGC_BUTTON         0x2000

/* Buttons. */
#define BS_PUSHBUTTON       0x00000000L
#define BS_DEFPUSHBUTTON    0x00000001L
#define BS_CHECKBOX         0x00000002L
#define BS_AUTOCHECKBOX     0x00000003L
#define BS_RADIOBUTTON      0x00000004L
#define BS_3STATE           0x00000005L
#define BS_AUTO3STATE       0x00000006L
#define BS_GROUPBOX         0x00000007L
#define BS_USERBUTTON       0x00000008L
#define BS_AUTORADIOBUTTON  0x00000009L
#define BS_OWNERDRAW        0x0000000BL
#define BS_TYPEMASK         0x0000000FL
#define BS_LEFTTEXT         0x00000020L
#define BS_TEXT             0x00000000L
#define BS_ICON             0x00000040L
#define BS_BITMAP           0x00000080L
#define BS_LEFT             0x00000100L
#define BS_RIGHT            0x00000200L
#define BS_CENTER           0x00000300L
#define BS_TOP              0x00000400L
#define BS_BOTTOM           0x00000800L
#define BS_VCENTER          0x00000C00L
#define BS_PUSHLIKE         0x00001000L
#define BS_MULTILINE        0x00002000L
#define BS_NOTIFY           0x00004000L
#define BS_FLAT             0x00008000L
#define BM_GETCHECK         0x00F0
#define BM_SETCHECK         0x00F1
#define BM_GETSTATE         0x00F2
#define BM_SETSTATE         0x00F3
#define BM_SETSTYLE         0x00F4
#define BM_CLICK            0x00F5
#define BST_UNCHECKED       0x0000
#define BST_CHECKED         0x0001
#define BST_INDETERMINATE   0x0002
#define BST_PUSHED          0x0004
#define BST_FOCUS           0x0008
#define BN_CLICKED          0
#define BN_DOUBLECLICKED    5
#define BN_SETFOCUS         6
#define BN_KILLFOCUS        7

/* Edit controls. */
#define ES_LEFT             0x0000L
#define ES_CENTER           0x0001L
#define ES_RIGHT            0x0002L
#define ES_MULTILINE        0x0004L
#define ES_UPPERCASE        0x0008L
#define ES_LOWERCASE        0x0010L
#define ES_PASSWORD         0x0020L
#define ES_AUTOVSCROLL      0x0040L
#define ES_AUTOHSCROLL      0x0080L
#define ES_NOHIDESEL        0x0100L
#define ES_OEMCONVERT       0x0400L
#define ES_READONLY         0x0800L
#define ES_WANTRETURN       0x1000L
#define ES_NUMBER           0x2000L
#define EM_GETSEL           0x00B0
#define EM_SETSEL           0x00B1
#define EM_REPLACESEL       0x00C2
#define EM_LIMITTEXT        0x00C5
#define EM_SETLIMITTEXT     EM_LIMITTEXT
#define EM_SETREADONLY      0x00CF
#define EM_GETLIMITTEXT     0x00D5
#define EN_SETFOCUS         0x0100
#define EN_KILLFOCUS        0x0200
#define EN_CHANGE           0x0300
#define EN_UPDATE           0x0400
#define EN_ERRSPACE         0x0500
#define EN_MAXTEXT          0x0501

/* Combo boxes. */
#define CBS_SIMPLE          0x0001L
#define CBS_DROPDOWN        0x0002L
#define CBS_DROPDOWNLIST    0x0003L
#define CBS_OWNERDRAWFIXED  0x0010L
#define CBS_OWNERDRAWVARIABLE 0x0020L
#define CBS_AUTOHSCROLL     0x0040L
#define CBS_OEMCONVERT      0x0080L
#define CBS_SORT            0x0100L
#define CBS_HASSTRINGS      0x0200L
#define CBS_NOINTEGRALHEIGHT 0x0400L
#define CBS_DISABLENOSCROLL 0x0800L
#define CB_GETEDITSEL       0x0140
#define CB_LIMITTEXT        0x0141
#define CB_SETEDITSEL       0x0142
#define CB_ADDSTRING        0x0143
#define CB_DELETESTRING     0x0144
#define CB_GETCOUNT         0x0146
#define CB_GETCURSEL        0x0147
#define CB_GETLBTEXT        0x0148
#define CB_GETLBTEXTLEN     0x0149
#define CB_INSERTSTRING     0x014A
#define CB_RESETCONTENT     0x014B
#define CB_FINDSTRING       0x014C
#define CB_SELECTSTRING     0x014D
#define CB_SETCURSEL        0x014E
#define CB_SHOWDROPDOWN     0x014F
#define CB_GETITEMDATA      0x0150
#define CB_SETITEMDATA      0x0151
#define CB_GETDROPPEDSTATE  0x0157
#define CB_FINDSTRINGEXACT  0x0158
#define CB_OKAY             0
#define CB_ERR              (-1)
#define CB_ERRSPACE         (-2)
#define CBN_ERRSPACE        (-1)
#define CBN_SELCHANGE       1
#define CBN_DBLCLK          2
#define CBN_SETFOCUS        3
#define CBN_KILLFOCUS       4
#define CBN_EDITCHANGE      5
#define CBN_EDITUPDATE      6
#define CBN_DROPDOWN        7
#define CBN_CLOSEUP         8
#define CBN_SELENDOK        9
#define CBN_SELENDCANCEL    10

/* List boxes exist in resource scripts only (LISTBOX statements). */
#define LBS_NOTIFY          0x0001L
#define LBS_SORT            0x0002L
#define LBS_NOINTEGRALHEIGHT 0x0100L
#define LBS_STANDARD        (LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER)

/* Statics. */
#define SS_LEFT             0x00000000L
#define SS_CENTER           0x00000001L
#define SS_RIGHT            0x00000002L
#define SS_ICON             0x00000003L
#define SS_BLACKRECT        0x00000004L
#define SS_GRAYRECT         0x00000005L
#define SS_WHITERECT        0x00000006L
#define SS_BLACKFRAME       0x00000007L
#define SS_GRAYFRAME        0x00000008L
#define SS_WHITEFRAME       0x00000009L
#define SS_USERITEM         0x0000000AL
#define SS_SIMPLE           0x0000000BL
#define SS_LEFTNOWORDWRAP   0x0000000CL
#define SS_OWNERDRAW        0x0000000DL
#define SS_BITMAP           0x0000000EL
#define SS_ENHMETAFILE      0x0000000FL
#define SS_ETCHEDHORZ       0x00000010L
#define SS_ETCHEDVERT       0x00000011L
#define SS_ETCHEDFRAME      0x00000012L
#define SS_TYPEMASK         0x0000001FL
#define SS_NOPREFIX         0x00000080L
#define SS_NOTIFY           0x00000100L
#define SS_CENTERIMAGE      0x00000200L
#define SS_RIGHTJUST        0x00000400L
#define SS_REALSIZECONTROL  0x00000040L
#define SS_REALSIZEIMAGE    0x00000800L
#define SS_SUNKEN           0x00001000L
#define STM_SETICON         0x0170
#define STM_GETICON         0x0171
#define STN_CLICKED         0
#define STN_DBLCLK          1
#define STN_ENABLE          2
#define STN_DISABLE         3

/* Scroll bars: control styles, bar kinds, WM_HSCROLL/WM_VSCROLL codes. */
#define SBS_HORZ            0x0000L
#define SBS_VERT            0x0001L
#define SB_HORZ             0
#define SB_VERT             1
#define SB_CTL              2
#define SB_BOTH             3
#define SB_LINEUP           0
#define SB_LINELEFT         0
#define SB_LINEDOWN         1
#define SB_LINERIGHT        1
#define SB_PAGEUP           2
#define SB_PAGELEFT         2
#define SB_PAGEDOWN         3
#define SB_PAGERIGHT        3
#define SB_THUMBPOSITION    4
#define SB_THUMBTRACK       5
#define SB_TOP              6
#define SB_LEFT             6
#define SB_BOTTOM           7
#define SB_RIGHT            7
#define SB_ENDSCROLL        8
#define SIF_RANGE           0x0001
#define SIF_PAGE            0x0002
#define SIF_POS             0x0004
#define SIF_DISABLENOSCROLL 0x0008
#define SIF_TRACKPOS        0x0010
#define SIF_ALL             (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS)

#ifndef RC_INVOKED
int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
/* Copies string uID of module hInstance (NULL: the program) into lpBuffer: at most
 * cchBufferMax - 1 bytes, never half of a double-byte character, then a
 * NUL. Returns the bytes copied (without the NUL); 0 when the string does
 * not exist (lpBuffer then holds ""). cchBufferMax <= 0 or a NULL buffer
 * write nothing and return 0 (the ANSI function has no read-only pointer
 * mode). */

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
/* The shared handle of icon resource lpIconName (MAKEINTRESOURCE id, "#id"
 * or a name) of module hInstance at the system icon size (SM_CXICON x
 * SM_CYICON), from the image of the .ico nearest that size; NULL when the
 * module has no such icon. The same handle comes back for every call; it
 * stays valid while the module is loaded and DestroyIcon keeps it. */

#define IMAGE_BITMAP        0
#define IMAGE_ICON          1
#define IMAGE_CURSOR        2
#define LR_DEFAULTCOLOR     0x00000000
#define LR_DEFAULTSIZE      0x00000040
#define LR_SHARED           0x00008000
HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad);
/* IMAGE_ICON only: the icon resource name of module hInst at cx x cy (0:
 * the system icon size with LR_DEFAULTSIZE, else the chosen image's own
 * size), made from the .ico image nearest that size and stretched to it.
 * LR_SHARED gives one shared handle per resource and size; other icons
 * are the caller's, freed with DestroyIcon. NULL for other types. */

BOOL WINAPI DestroyIcon(HICON hIcon);
/* Frees an icon of LoadImageA without LR_SHARED; a shared icon is kept
 * (TRUE). FALSE for a bad handle. */

#define DI_MASK             0x0001
#define DI_IMAGE            0x0002
#define DI_NORMAL           0x0003
#define DI_COMPAT           0x0004
#define DI_DEFAULTSIZE      0x0008
BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT istepIfAniCur,
                       HBRUSH hbrFlickerFreeDraw, UINT diFlags);
/* Draws the icon with its top-left corner at (xLeft, yTop), stretched to
 * cxWidth x cyWidth (0: the icon's size, or the system icon size with
 * DI_DEFAULTSIZE). DI_NORMAL draws it over what is there: transparent
 * where its AND mask is set, blended by its alpha when it has one;
 * DI_IMAGE alone copies its colours; DI_MASK alone blackens its opaque
 * part. hbrFlickerFreeDraw and istepIfAniCur are not supported (NULL, 0). */

BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON hIcon);
/* DrawIconEx at the system icon size with DI_NORMAL. */

typedef struct tagSCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
} SCROLLINFO, *LPSCROLLINFO;
typedef const SCROLLINFO *LPCSCROLLINFO;

/* Dialogs. Templates come from the module's resources (lpTemplateName:
 * MAKEINTRESOURCE id, "#id" or a name). Controls are created in template
 * order with coordinates mapped from dialog units of the template FONT
 * (the system font without one); custom classes are found as
 * CreateWindowExA finds them (the module's own or CS_GLOBALCLASS). */
HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
/* A modeless dialog: WM_SETFONT, the controls (each gets WM_SETFONT),
 * WM_INITDIALOG (lParam dwInitParam; a TRUE answer puts the focus on the
 * first WS_TABSTOP control), then shown when the template has WS_VISIBLE.
 * A WS_CHILD (DS_CONTROL) template becomes a child of hWndParent. NULL when
 * the template is missing, a control cannot be created (unless
 * DS_NOFAILCREATE) or the window cannot be made. */
#define CreateDialogA(i, t, p, f) CreateDialogParamA(i, t, p, f, 0)
INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
/* A modal dialog: created as by CreateDialogParamA and shown; its owner
 * (the top-level window of hWndParent) is disabled until the dialog ends.
 * Runs a nested message loop until EndDialog and returns its value; -1
 * when the dialog cannot be created. Headless, the loop never waits: a
 * handler registered with AutoSetModalHandler drives the dialog after
 * WM_INITDIALOG; a dialog still open when the message queue is empty is
 * cancelled (WM_COMMAND IDCANCEL, as Esc would, then ended with IDCANCEL if
 * it ignores that) and the cancel is logged (AutoGetCancelledDialog). */
#define DialogBoxA(i, t, p, f) DialogBoxParamA(i, t, p, f, 0)
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult);
/* Marks the dialog ended with nResult and hides it; a modal dialog's loop
 * then destroys it and returns nResult (the owner is enabled again first).
 * FALSE for a window that is not a dialog. */
LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
/* The window procedure of dialogs: calls the DWLP_DLGPROC procedure and,
 * when that returns FALSE, does the default processing (WM_SETFONT /
 * WM_GETFONT, DM_GETDEFID / DM_SETDEFID, WM_CLOSE as IDCANCEL, focus,
 * WM_NEXTDLGCTL).
 * When the procedure returns TRUE the result is DWLP_MSGRESULT (the
 * procedure's own value for WM_INITDIALOG and WM_CTLCOLOR*). */
BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg);
/* Handles keyboard messages meant for hDlg or its controls: Tab and
 * Shift+Tab move the focus among WS_TABSTOP controls, Enter clicks the
 * default push button (or sends IDOK), Esc sends IDCANCEL, arrows move
 * within a group; controls that ask for the key (WM_GETDLGCODE) get it.
 * Every other message of the dialog is dispatched. FALSE when the message
 * is not for hDlg. */
HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
/* The next (previous) visible, enabled WS_TABSTOP control after hCtl,
 * wrapping around; hCtl NULL starts at the first (last) control. NULL
 * when there is none. */
HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
/* The next (previous) visible, enabled control of hCtl's WS_GROUP group,
 * wrapping within the group; hCtl itself when it is alone. */
BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect);
/* Converts dialog units to pixels with the dialog's base units: x * cx / 4,
 * y * cy / 8, rounded as MulDiv. FALSE for a window that is not a dialog. */
LONG WINAPI GetDialogBaseUnits(void);
/* MAKELONG(average character width, height) of the system font. */

/* Dialog item helpers: each sends the matching message to the control of
 * that id (GetDlgItem); they fail (FALSE / 0) when there is none. */
BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString);
UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);
/* Copies at most cchMax - 1 bytes and a NUL; returns the bytes copied. An
 * unknown control gives "" and 0. */
BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned);
UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL *lpTranslated, BOOL bSigned);
/* The control's text as a decimal number: leading blanks skipped, an
 * optional sign when bSigned, digits, trailing blanks. 0 and *lpTranslated
 * FALSE for any other text or a value out of range. */
BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton);
BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
/* Checks nIDCheckButton and unchecks every other button with an id in
 * nIDFirstButton..nIDLastButton. */
LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam);
/* 0 when there is no such control. */

/* Scroll bars: nBar SB_CTL addresses a SCROLLBAR control, SB_HORZ / SB_VERT
 * the bars of any window. Setting a non-empty range on a window's bar
 * gives it WS_HSCROLL / WS_VSCROLL and an empty range takes it away, as
 * Windows shows and hides them (headless, the bars take no room). */
int WINAPI SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw);
/* Applies the fMask members (page clamped to the range, position to
 * nMin..nMax - max(nPage - 1, 0)); returns the new position. */
BOOL WINAPI GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi);
/* Fills the fMask members; FALSE for a bad window or bar. */
int WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw);
/* Returns the previous position; 0 on error. */
int WINAPI GetScrollPos(HWND hWnd, int nBar);
BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw);
/* FALSE when the range spans more than MAXLONG. */
BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos);
#endif

/* ---- beeps, help, system metrics, cursor ---- */

/*
 * Headless: beeps make no sound and help opens nothing; both are logged
 * (see automation.h). The screen is virtual: its size and the cursor
 * position are set through the automation API (1280 x 1024 and (0, 0)
 * until then); other metrics are fixed values of a classic 96-dpi desktop.
 */

#define HELP_CONTEXT 0x0001
#define HELP_QUIT 0x0002
#define HELP_INDEX 0x0003
#define HELP_CONTENTS 0x0003
#define HELP_HELPONHELP 0x0004
#define HELP_SETINDEX 0x0005
#define HELP_SETCONTENTS 0x0005
#define HELP_CONTEXTPOPUP 0x0008
#define HELP_FORCEFILE 0x0009
#define HELP_FINDER 0x000B
#define HELP_KEY 0x0101
#define HELP_COMMAND 0x0102
#define HELP_PARTIALKEY 0x0105

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXFIXEDFRAME SM_CXDLGFRAME
#define SM_CYFIXEDFRAME SM_CYDLGFRAME
#define SM_CYVTHUMB 9
#define SM_CXHTHUMB 10
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXCURSOR 13
#define SM_CYCURSOR 14
#define SM_CYMENU 15
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_MOUSEPRESENT 19
#define SM_CYVSCROLL 20
#define SM_CXHSCROLL 21
#define SM_SWAPBUTTON 23
#define SM_CXMIN 28
#define SM_CYMIN 29
#define SM_CXSIZE 30
#define SM_CYSIZE 31
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXSIZEFRAME SM_CXFRAME
#define SM_CYSIZEFRAME SM_CYFRAME
#define SM_CXMINTRACK 34
#define SM_CYMINTRACK 35
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_DBCSENABLED 42
#define SM_CMOUSEBUTTONS 43
#define SM_CXEDGE 45
#define SM_CYEDGE 46
#define SM_CXSMICON 49
#define SM_CYSMICON 50
#define SM_CYSMCAPTION 51
#define SM_CXMAXIMIZED 61
#define SM_CYMAXIMIZED 62
#define SM_CXMENUCHECK 71
#define SM_CYMENUCHECK 72
#define SM_XVIRTUALSCREEN 76
#define SM_YVIRTUALSCREEN 77
#define SM_CXVIRTUALSCREEN 78
#define SM_CYVIRTUALSCREEN 79
#define SM_CMONITORS 80

#ifndef RC_INVOKED
BOOL WINAPI MessageBeep(UINT uType);
/* Logs the beep with its type (0, 0xFFFFFFFF or an MB_ICON value); TRUE. */

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
/* Logs the help request (window, file, HELP_ command, data); TRUE. */

int WINAPI GetSystemMetrics(int nIndex);
/* SM_CXSCREEN / SM_CYSCREEN: the virtual screen's size in pixels (and the
 * values derived from it); other known indexes: fixed values; 0 for an
 * unknown index, as Windows answers. */

BOOL WINAPI GetCursorPos(LPPOINT lpPoint);
/* The cursor position in screen pixels; FALSE for a NULL lpPoint. */
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINUSER_H */
