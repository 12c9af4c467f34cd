// CcDrawFrame: the frame painter the plug-in calls from its WM_PAINT.
#include "ccintern.h"
#include "qcustom.h"

extern "C" QF_EXPORT BOOL WINAPI CcDrawFrame(HWND hWnd, HDC hdc, int nKind, int nShade)
{
    RECT rc;
    if (hdc == NULL || !GetClientRect(hWnd, &rc))
        return FALSE;
    CcFrameRect(hdc, &rc, nKind, nShade);
    return TRUE;
}
