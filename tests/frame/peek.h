/*
 * peek.h - read access to an analysis window's record for checks the
 * window's messages cannot answer. It takes the record exactly as the
 * plug-in does: window long 0, lock, read, unlock.
 */
#ifndef TESTS_FRAME_PEEK_H
#define TESTS_FRAME_PEEK_H

#include <windows.h>

#include "frame/fftview.h"

// Calls fnRead with the locked record; FALSE when the window has none.
template <typename READ>
BOOL PeekRecord(HWND hWnd, READ fnRead)
{
    HGLOBAL hData = (HGLOBAL)GetWindowLongPtrA(hWnd, FVW_DATA);
    if (hData == NULL)
        return FALSE;
    const FFTVIEWDATA *pData = (const FFTVIEWDATA *)GlobalLock(hData);
    if (pData == NULL)
        return FALSE;
    fnRead(*pData);
    GlobalUnlock(hData);
    return TRUE;
}

#endif /* TESTS_FRAME_PEEK_H */
