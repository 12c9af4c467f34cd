// The result views' exports for a platform layer without metafiles, menus
// or clipboard: no picture, no menu, nothing copied. Built instead of
// viewexport.cpp only until the layer has them (frame/CMakeLists.txt
// decides).
#include "views/viewwnd.h"

HANDLE ViewGetImage(HWND, const FFTVIEWDATA *, int, VIEWDRAWPROC)
{
    return NULL;
}

void ViewCopyToClipboard(HWND, UINT, HANDLE hData)
{
    GlobalFree(hData);
}

void GraphPopupMenu(HWND)
{
}
