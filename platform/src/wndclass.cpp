// Window classes: registration per module, CS_GLOBALCLASS lookup, class
// information and class longs.
#include <windows.h>

#include <strings.h>

#include <cstdio>
#include <cstring>

#include <list>

#include "dlgint.h"
#include "internal.h"

namespace {

std::list<CLASSREC> g_classes;  // stable addresses: windows point at them
ATOM g_atomNext = 0xC000;       // string atoms live in 0xC000..0xFFFF

HINSTANCE EffectiveInstance(HINSTANCE hInstance)
{
    return hInstance ? hInstance : ModuleProgramInstance();
}

bool NameMatches(const CLASSREC &cls, LPCSTR lpszClass)
{
    if (IS_INTRESOURCE(lpszClass))
        return cls.atom == (ATOM)(ULONG_PTR)lpszClass;
    return strcasecmp(cls.strName.c_str(), lpszClass) == 0;
}

// The class registered by exactly this module (global or not).
CLASSREC *FindOwn(LPCSTR lpszClass, HINSTANCE hInstance)
{
    for (CLASSREC &cls : g_classes)
        if (cls.hInstance == hInstance && NameMatches(cls, lpszClass))
            return &cls;
    return nullptr;
}

CLASSREC *FindGlobal(LPCSTR lpszClass)
{
    for (CLASSREC &cls : g_classes)
        if ((cls.style & CS_GLOBALCLASS) && NameMatches(cls, lpszClass))
            return &cls;
    return nullptr;
}

ATOM Register(const WNDCLASSEXA &wc)
{
    if (!wc.lpszClassName || !wc.lpfnWndProc || wc.cbClsExtra < 0 || wc.cbWndExtra < 0
        || (!IS_INTRESOURCE(wc.lpszClassName) && !wc.lpszClassName[0])) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    HINSTANCE hInstance = EffectiveInstance(wc.hInstance);
    if (FindOwn(wc.lpszClassName, hInstance)
        || ((wc.style & CS_GLOBALCLASS) && FindGlobal(wc.lpszClassName))) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    CLASSREC cls{};
    if (IS_INTRESOURCE(wc.lpszClassName)) {
        cls.atom = (ATOM)(ULONG_PTR)wc.lpszClassName;
        char szName[16];
        snprintf(szName, sizeof(szName), "#%u", cls.atom);
        cls.strName = szName;
    } else {
        cls.atom = g_atomNext++;
        cls.strName = wc.lpszClassName;
    }
    cls.style = wc.style;
    cls.lpfnWndProc = wc.lpfnWndProc;
    cls.cbClsExtra = wc.cbClsExtra;
    cls.cbWndExtra = wc.cbWndExtra;
    cls.hInstance = hInstance;
    cls.hIcon = wc.hIcon;
    cls.hCursor = wc.hCursor;
    cls.hbrBackground = wc.hbrBackground;
    cls.lpszMenuName = wc.lpszMenuName;
    cls.hIconSm = wc.hIconSm;
    cls.extra.assign((size_t)wc.cbClsExtra, 0);
    g_classes.push_back(std::move(cls));
    return g_classes.back().atom;
}

void FillInfo(const CLASSREC &cls, LPCSTR lpszClass, WNDCLASSEXA *pwc)
{
    pwc->style = cls.style;
    pwc->lpfnWndProc = cls.lpfnWndProc;
    pwc->cbClsExtra = cls.cbClsExtra;
    pwc->cbWndExtra = cls.cbWndExtra;
    pwc->hInstance = cls.hInstance;
    pwc->hIcon = cls.hIcon;
    pwc->hCursor = cls.hCursor;
    pwc->hbrBackground = cls.hbrBackground;
    pwc->lpszMenuName = cls.lpszMenuName;
    pwc->lpszClassName = lpszClass;
    pwc->hIconSm = cls.hIconSm;
}

bool ClassLongOfIndex(const CLASSREC &cls, int nIndex, ULONG_PTR *pValue)
{
    switch (nIndex) {
    case GCL_CBWNDEXTRA: *pValue = (ULONG_PTR)cls.cbWndExtra; return true;
    case GCL_CBCLSEXTRA: *pValue = (ULONG_PTR)cls.cbClsExtra; return true;
    case GCL_STYLE: *pValue = cls.style; return true;
    case GCW_ATOM: *pValue = cls.atom; return true;
    case GCLP_MENUNAME: *pValue = (ULONG_PTR)cls.lpszMenuName; return true;
    case GCLP_HBRBACKGROUND: *pValue = (ULONG_PTR)cls.hbrBackground; return true;
    case GCLP_HCURSOR: *pValue = (ULONG_PTR)cls.hCursor; return true;
    case GCLP_HICON: *pValue = (ULONG_PTR)cls.hIcon; return true;
    case GCLP_HMODULE: *pValue = (ULONG_PTR)cls.hInstance; return true;
    case GCLP_WNDPROC: *pValue = (ULONG_PTR)cls.lpfnWndProc; return true;
    case GCLP_HICONSM: *pValue = (ULONG_PTR)cls.hIconSm; return true;
    }
    return false;
}

ULONG_PTR GetClassValue(HWND hWnd, int nIndex, size_t cbValue)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd)
        return 0;
    const CLASSREC &cls = *pWnd->pClass;
    ULONG_PTR value = 0;
    if (nIndex < 0) {
        if (!ClassLongOfIndex(cls, nIndex, &value))
            SetLastError(ERROR_INVALID_INDEX);
        return value;
    }
    if ((size_t)nIndex + cbValue > cls.extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    memcpy(&value, cls.extra.data() + nIndex, cbValue);
    return value;
}

}  // namespace

CLASSREC *ClassFind(LPCSTR lpszClass, HINSTANCE hInstance)
{
    if (!lpszClass)
        return nullptr;
    // The system classes (dialog, BUTTON, EDIT, ...) and the classes that
    // linked modules register in their DllMain exist from the start on
    // Windows; here they come at the first class lookup, when every static
    // initialiser has run.
    CtlRegisterClasses();
    ModuleAttachLinked();
    if (CLASSREC *pCls = FindOwn(lpszClass, EffectiveInstance(hInstance)))
        return pCls;
    return FindGlobal(lpszClass);
}

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA *lpWndClass)
{
    if (!lpWndClass) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = lpWndClass->style;
    wc.lpfnWndProc = lpWndClass->lpfnWndProc;
    wc.cbClsExtra = lpWndClass->cbClsExtra;
    wc.cbWndExtra = lpWndClass->cbWndExtra;
    wc.hInstance = lpWndClass->hInstance;
    wc.hIcon = lpWndClass->hIcon;
    wc.hCursor = lpWndClass->hCursor;
    wc.hbrBackground = lpWndClass->hbrBackground;
    wc.lpszMenuName = lpWndClass->lpszMenuName;
    wc.lpszClassName = lpWndClass->lpszClassName;
    return Register(wc);
}

extern "C" ATOM WINAPI RegisterClassExA(const WNDCLASSEXA *lpWndClass)
{
    if (!lpWndClass || lpWndClass->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Register(*lpWndClass);
}

extern "C" BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance)
{
    CLASSREC *pCls = lpClassName ? FindOwn(lpClassName, EffectiveInstance(hInstance)) : nullptr;
    if (!pCls) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (pCls->cWindows) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    g_classes.remove_if([pCls](const CLASSREC &cls) { return &cls == pCls; });
    return TRUE;
}

extern "C" BOOL WINAPI GetClassInfoExA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSEXA lpWndClass)
{
    CLASSREC *pCls = ClassFind(lpClassName, hInstance);
    if (!pCls || !lpWndClass) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    FillInfo(*pCls, lpClassName, lpWndClass);
    // Windows gives back the instance asked with, not the class's own: a
    // global class found through another module reports that module. The
    // registering module stays readable as GCLP_HMODULE of a window.
    lpWndClass->hInstance = hInstance;
    return pCls->atom;
}

extern "C" BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass)
{
    WNDCLASSEXA wc{};
    BOOL fOk = lpWndClass ? GetClassInfoExA(hInstance, lpClassName, &wc) : FALSE;
    if (!fOk)
        return FALSE;
    lpWndClass->style = wc.style;
    lpWndClass->lpfnWndProc = wc.lpfnWndProc;
    lpWndClass->cbClsExtra = wc.cbClsExtra;
    lpWndClass->cbWndExtra = wc.cbWndExtra;
    lpWndClass->hInstance = wc.hInstance;
    lpWndClass->hIcon = wc.hIcon;
    lpWndClass->hCursor = wc.hCursor;
    lpWndClass->hbrBackground = wc.hbrBackground;
    lpWndClass->lpszMenuName = wc.lpszMenuName;
    lpWndClass->lpszClassName = wc.lpszClassName;
    return fOk;
}

extern "C" DWORD WINAPI GetClassLongA(HWND hWnd, int nIndex)
{
    return (DWORD)GetClassValue(hWnd, nIndex, sizeof(DWORD));
}

extern "C" ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex)
{
    return GetClassValue(hWnd, nIndex, sizeof(ULONG_PTR));
}

extern "C" int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount)
{
    WND *pWnd = WndGetOrFail(hWnd);
    if (!pWnd || !lpClassName || nMaxCount <= 0)
        return 0;
    const std::string &strName = pWnd->pClass->strName;
    size_t cch = strName.size() < (size_t)nMaxCount - 1 ? strName.size() : (size_t)nMaxCount - 1;
    memcpy(lpClassName, strName.data(), cch);
    lpClassName[cch] = '\0';
    return (int)cch;
}
