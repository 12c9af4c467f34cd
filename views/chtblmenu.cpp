// The channel table's popup menus: the known signal types, or the host
// channels of the marked row's signal type.
#include "views/chtable.h"

#include "prjfile/prjfile.h"

static void AddItem(HMENU hMenu, FFTVIEWDATA *pData, int *pnItems, const char *pszText, DWORD dwValue)
{
    if (*pnItems > CHT_MENU_LAST - CHT_MENU_FIRST)
        return;
    AppendMenuA(hMenu, MF_STRING, CHT_MENU_FIRST + *pnItems, pszText);
    pData->anMenuCh[*pnItems] = dwValue;
    (*pnItems)++;
}

// Code 1 is never offered.
static void AddSignals(HMENU hMenu, FFTVIEWDATA *pData, int *pnItems)
{
    for (WORD wCode = 0; wCode <= PF_MAXSIGNAL; wCode++) {
        char szName[PF_NAMESIZE] = "";
        if (wCode == 1 || LOWORD(PfGetSignalName(wCode, szName)) == 0)
            continue;
        AddItem(hMenu, pData, pnItems, szName, wCode);
    }
}

static void AddLabels(HMENU hMenu, FFTVIEWDATA *pData, int *pnItems)
{
    LONG nRow = pData->nChTblLast;
    if (nRow < 1 || nRow > FV_ANALYCH)
        return;
    DWORD nSignal = pData->aAnalyCh[nRow - 1].nSignal;
    DWORD nHostCh = pData->nHostChCount < FV_HOSTCH ? pData->nHostChCount : FV_HOSTCH;
    for (DWORD k = 0; k < nHostCh; k++)
        if (pData->aHostCh[k].wSignalType == nSignal)
            AddItem(hMenu, pData, pnItems, pData->aHostCh[k].szChName, k);
}

void ChTablePopupMenu(HWND hWnd, FFTVIEWDATA *pData, int nColumn)
{
    HMENU hMenu = CreatePopupMenu();
    if (hMenu == NULL)
        return;
    int nItems = 0;
    if (nColumn == CHT_COL_SIGNAL)
        AddSignals(hMenu, pData, &nItems);
    else
        AddLabels(hMenu, pData, &nItems);
    POINT pt = {0, 0};
    GetCursorPos(&pt);
    TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, 0, hWnd, NULL);
    DestroyMenu(hMenu);
}
