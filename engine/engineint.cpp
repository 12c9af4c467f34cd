// Helpers shared by the engine's operations: line indices, clock times and
// the result windows.
#include "engine/engineint.h"

#include "frame/layout.h"

// Tenths of a second in a day, an hour and a minute.
#define TENTHS_DAY_HOURS 24
#define TENTHS_HOUR 36000
#define TENTHS_MINUTE 600

BOOL LineRange(float fStep, LONG nChFFTPoint, DWORD nLoFreq, DWORD nHiFreq, int *pnFirst,
               int *pnLast)
{
    if (!(fStep > 0.0f))
        return FALSE;
    float fWidth = fStep * 100.0f;
    int nFirst = (int)((float)nLoFreq / fWidth);
    int nLast = (int)((float)nHiFreq / fWidth);
    int nTop = nChFFTPoint / 2 - 1;
    if (nLast >= nChFFTPoint / 2)
        nLast = nTop;
    *pnFirst = nFirst;
    *pnLast = nLast;
    return TRUE;
}

static void ClockTime(const FFTVIEWDATA *pData, DWORD nPos, WORD *pwTime)
{
    LONGLONG nT0 = (((LONGLONG)pData->anRecTime[3] * 60 + pData->anRecTime[4]) * 60 +
                    pData->anRecTime[5]) * 10;
    LONGLONG nT = nT0;
    if (pData->nBaseRate > 0)
        nT += (LONGLONG)nPos * 10 / pData->nBaseRate;
    pwTime[0] = (WORD)((nT / TENTHS_HOUR) % TENTHS_DAY_HOURS);
    pwTime[1] = (WORD)((nT % TENTHS_HOUR) / TENTHS_MINUTE);
    pwTime[2] = (WORD)((nT % TENTHS_MINUTE) / 10);
    pwTime[3] = (WORD)(nT % 10);
}

void SetSectionTimes(FFTVIEWDATA *pData)
{
    ClockTime(pData, pData->nSectStart, pData->awSectStartTime);
    ClockTime(pData, pData->nSectEnd, pData->awSectEndTime);
}

HWND GraphWindow(HWND hWnd, int iSlot)
{
    return GetDlgItem(hWnd, IDC_GRAPH_FIRST + iSlot);
}

void InvalidateBarGraph(HWND hWnd, int iSlot, BOOL bErase)
{
    HWND hBar = GetDlgItem(hWnd, IDC_BARGRAPH_FIRST + iSlot);
    if (hBar != NULL)
        InvalidateRect(hBar, NULL, bErase);
}

void SendGraph(HWND hWnd, int iSlot, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    HWND hGraph = GraphWindow(hWnd, iSlot);
    if (hGraph != NULL)
        SendMessageA(hGraph, uMsg, wParam, lParam);
}
