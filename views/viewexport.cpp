// What the result views hand to others: their drawing as a metafile, the
// clipboard copies and the context menu that asks for them.
#include "views/viewwnd.h"

HANDLE ViewGetImage(HWND hWnd, const FFTVIEWDATA *pData, int nMode, VIEWDRAWPROC pfnDraw)
{
    if (pData == NULL)
        return NULL;
    if (nMode == VIEW_IMAGE_WMF) {
        HDC hdcMeta = CreateMetaFileA(NULL);
        if (hdcMeta == NULL)
            return NULL;
        pfnDraw(hWnd, hdcMeta, pData);
        return (HANDLE)CloseMetaFile(hdcMeta);
    }
    if (nMode != VIEW_IMAGE_EMF)
        return NULL;
    HDC hdcRef = GetDC(hWnd);
    HDC hdcMeta = CreateEnhMetaFileA(hdcRef, NULL, NULL, NULL);
    if (hdcRef != NULL)
        ReleaseDC(hWnd, hdcRef);
    if (hdcMeta == NULL)
        return NULL;
    pfnDraw(hWnd, hdcMeta, pData);
    return (HANDLE)CloseEnhMetaFile(hdcMeta);
}

// Puts hData on the clipboard as uFormat with the view as owner. A handle
// the clipboard does not take is freed here: nobody else holds it.
void ViewCopyToClipboard(HWND hWnd, UINT uFormat, HANDLE hData)
{
    BOOL bTaken = FALSE;
    if (OpenClipboard(hWnd)) {
        EmptyClipboard();
        bTaken = SetClipboardData(uFormat, hData) != NULL;
        CloseClipboard();
    }
    if (bTaken)
        return;
    if (uFormat == CF_ENHMETAFILE)
        DeleteEnhMetaFile((HENHMETAFILE)hData);
    else
        GlobalFree(hData);
}

// The context menu at the cursor; the chosen command comes back as
// WM_COMMAND.
void GraphPopupMenu(HWND hWnd)
{
    HMENU hMenu = CreatePopupMenu();
    if (hMenu == NULL)
        return;
    AppendMenuA(hMenu, MF_STRING, IDM_COPYGRAPHIMAGE, "Copy Graph Image");
    AppendMenuA(hMenu, MF_STRING, IDM_COPYTEXTDATA, "Copy Text Data");
    POINT pt = {0, 0};
    GetCursorPos(&pt);
    TrackPopupMenu(hMenu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, hWnd, NULL);
    DestroyMenu(hMenu);
}
