// The STATIC control: texts, icons and frames. It keeps its icon and
// font; with SS_NOTIFY it reports clicks to its parent. It is drawn by
// ctllook.cpp.
#include "dlgint.h"
#include "resfind.h"

struct STATICINFO {
    HICON hIcon;
    HFONT hFont;
};

static STATICINFO *StaticInfo(HWND hWnd)
{
    return CtlInfo<STATICINFO>(hWnd);
}

static UINT StaticType(HWND hWnd)
{
    return static_cast<UINT>(GetWindowLongA(hWnd, GWL_STYLE)) & SS_TYPEMASK;
}

// A new icon sizes the control to the icon, unless the icon is centred in
// the control's own rectangle (SS_CENTERIMAGE) or the control keeps its
// size (SS_REALSIZECONTROL), as on Windows.
static HICON Static_SetIcon(HWND hWnd, STATICINFO *pInfo, HICON hIcon)
{
    if (StaticType(hWnd) != SS_ICON)
        return NULL;
    HICON hOld = pInfo->hIcon;
    pInfo->hIcon = hIcon;
    SIZE size;
    if (hIcon && !(GetWindowLongA(hWnd, GWL_STYLE) & (SS_CENTERIMAGE | SS_REALSIZECONTROL))
        && IconGetSize(hIcon, &size))
        SetWindowPos(hWnd, NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hWnd, NULL, TRUE);
    return hOld;
}

static void Static_Notify(HWND hWnd, UINT uCode)
{
    if (GetWindowLongA(hWnd, GWL_STYLE) & SS_NOTIFY)
        CtlNotify(hWnd, uCode);
}

static LRESULT Static_NcCreate(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    SetWindowLongPtrA(hWnd, 0, reinterpret_cast<LONG_PTR>(new STATICINFO()));
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// An icon static names its icon in the window text ("#101" or a name), a
// resource of the module that creates it: shared, at the system icon size
// unless SS_REALSIZEIMAGE asks for the image's own size.
static LRESULT Static_Create(HWND hWnd, STATICINFO *pInfo, const CREATESTRUCTA *pcs)
{
    if (StaticType(hWnd) != SS_ICON || !pcs->lpszName || !pcs->lpszName[0])
        return 0;
    UINT fuLoad = LR_SHARED | ((pcs->style & SS_REALSIZEIMAGE) ? 0 : LR_DEFAULTSIZE);
    Static_SetIcon(hWnd, pInfo, static_cast<HICON>(LoadImageA(pcs->hInstance, pcs->lpszName, IMAGE_ICON, 0, 0, fuLoad)));
    return 0;
}

LRESULT CALLBACK StaticWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        return Static_NcCreate(hWnd, uMsg, wParam, lParam);
    STATICINFO *pInfo = StaticInfo(hWnd);
    if (!pInfo)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);

    switch (uMsg) {
    case WM_NCDESTROY:
        return CtlFreeInfo<STATICINFO>(hWnd, uMsg, wParam, lParam);
    case WM_CREATE:
        return Static_Create(hWnd, pInfo, reinterpret_cast<const CREATESTRUCTA *>(lParam));
    case WM_NCHITTEST: // clicks fall through a static unless it reports them
        return (GetWindowLongA(hWnd, GWL_STYLE) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_PAINT:
        return CtlPaint(hWnd, NULL, StaticDraw);
    case WM_PRINTCLIENT:
        return CtlPaint(hWnd, reinterpret_cast<HDC>(wParam), StaticDraw);
    case WM_LBUTTONDOWN:
        Static_Notify(hWnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        Static_Notify(hWnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hWnd, NULL, FALSE);
        Static_Notify(hWnd, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    case WM_SETFONT:
        pInfo->hFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hWnd, NULL, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(pInfo->hFont);
    case STM_SETICON:
        return reinterpret_cast<LRESULT>(Static_SetIcon(hWnd, pInfo, reinterpret_cast<HICON>(wParam)));
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(pInfo->hIcon);
    case WM_SETTEXT:
        InvalidateRect(hWnd, NULL, TRUE);
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
