// The per-window records of the custom controls.
#include "ccintern.h"

HGLOBAL CcRecordHandle(HWND hwnd)
{
    return (HGLOBAL)GetWindowLongPtrA(hwnd, 0);
}

LRESULT CcCreateRecord(HWND hwnd, SIZE_T cbRecord)
{
    HGLOBAL hRecord = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cbRecord);
    if (hRecord == NULL)
        return -1;
    SetWindowLongPtrA(hwnd, 0, (LONG_PTR)hRecord);
    return 0;
}

void CcDestroyRecord(HWND hwnd)
{
    HGLOBAL hRecord = CcRecordHandle(hwnd);
    SetWindowLongPtrA(hwnd, 0, 0);
    if (hRecord != NULL)
        GlobalFree(hRecord);
}

void CcUnlockRecord(HWND hwnd, HGLOBAL hRecord)
{
    if (IsWindow(hwnd) && CcRecordHandle(hwnd) == hRecord)
        GlobalUnlock(hRecord);
}

LRESULT CcRecordWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, CCCREATEPROC pfnCreate,
                           CCDISPATCHPROC pfnDispatch)
{
    switch (uMsg) {
    case WM_CREATE:
        return pfnCreate(hwnd);
    case WM_NCDESTROY:
        CcDestroyRecord(hwnd);
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    default:
        break;
    }
    HGLOBAL hRecord = CcRecordHandle(hwnd);
    void *pRecord = hRecord ? GlobalLock(hRecord) : NULL;
    if (pRecord == NULL)
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    LRESULT lResult = pfnDispatch(hwnd, pRecord, uMsg, wParam, lParam);
    CcUnlockRecord(hwnd, hRecord);
    return lResult;
}

BOOL CcRegisterClass(HINSTANCE hInstance, LPCSTR pszClass, WNDPROC pfnProc)
{
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = pfnProc;
    wc.cbWndExtra = CC_EXTRA_BYTES;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = pszClass;
    return RegisterClassA(&wc) != 0;
}
