// Notifications to the host window and the outcome text behind them.
#include "frame/notify.h"

#include "frame/module.h"
#include "frame/textcopy.h"

static WPARAM NotifyParam(HWND hWnd, WORD wCode)
{
    WORD wId = GetWindowWord(hWnd, FVW_NOTIFYID);
    return MAKEWPARAM(wId, wCode);
}

void NotifyHostSend(HWND hWnd, WORD wCode)
{
    HWND hNotify = (HWND)GetWindowLongPtrA(hWnd, FVW_NOTIFYWND);
    if (hNotify == NULL)
        return;
    SendMessageA(hNotify, WM_COMMAND, NotifyParam(hWnd, wCode), (LPARAM)hWnd);
}

void NotifyHostPost(HWND hWnd, WORD wCode)
{
    HWND hNotify = (HWND)GetWindowLongPtrA(hWnd, FVW_NOTIFYWND);
    if (hNotify == NULL)
        return;
    PostMessageA(hNotify, WM_COMMAND, NotifyParam(hWnd, wCode), (LPARAM)hWnd);
}

void ReportString(HWND hWnd, FFTVIEWDATA *pData, UINT idString, WORD wCode)
{
    if (LoadStringA(ModuleInstance(), idString, pData->szMessage, sizeof(pData->szMessage)) <= 0)
        pData->szMessage[0] = '\0';
    NotifyHostSend(hWnd, wCode);
}

void ReportText(HWND hWnd, FFTVIEWDATA *pData, const char *pszText, WORD wCode)
{
    TextCopy(pData->szMessage, sizeof(pData->szMessage), pszText);
    NotifyHostSend(hWnd, wCode);
}
