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
