// Painting of the channel table: header, numbered rows with their signal
// type and label, and the mark.
#include "views/chtable.h"

#include <stdio.h>

#include "prjfile/prjfile.h"

#define CENTRED (DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX)

static void CellText(HDC hdc, const RECT *prc, const char *pszText)
{
    RECT rc = *prc;
    DrawTextA(hdc, pszText, -1, &rc, CENTRED);
}

static void FillCell(HDC hdc, const CHTGEOMETRY *pGeo, int nColumn, int nSlot, HBRUSH hbr,
                     RECT *prc)
{
    ChTableCell(pGeo, nColumn, nSlot, prc);
    FillRect(hdc, prc, hbr);
}

// The text of row r's cell in column 1 (signal name) or 2 (label).
static void RowText(const FFTVIEWDATA *pData, int nColumn, int r, char *psz, size_t cb)
{
    const ANALYCHANNEL *pCh = &pData->aAnalyCh[r - 1];
    psz[0] = '\0';
    if (nColumn == CHT_COL_SIGNAL) {
        char szName[PF_NAMESIZE] = "";
        PfGetSignalName((WORD)pCh->nSignal, szName);
        snprintf(psz, cb, "%s", szName);
    } else {
        snprintf(psz, cb, "%.*s", (int)sizeof(pCh->szLabel), pCh->szLabel);
    }
}

static HGDIOBJ BeginText(HWND hWnd, HDC hdc)
{
    HFONT hFont = (HFONT)GetWindowLongPtrA(hWnd, FVW_FONT);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    return hFont != NULL ? SelectObject(hdc, hFont) : NULL;
}

void ChTableDraw(HWND hWnd, HDC hdc, const FFTVIEWDATA *pData)
{
    CHTGEOMETRY geo;
    ChTableGeometry(hWnd, pData, &geo);
    HGDIOBJ hOldFont = BeginText(hWnd, hdc);
    const RECT &b = geo.rcBody;
    int nBody = b.bottom - b.top - geo.nRowHeight;
    int yEnd = b.bottom;
    if (geo.nRows > 0 && geo.nRowHeight * (geo.nChannels + 1) < b.bottom)
        yEnd = b.top + 3 + (geo.nChannels + 1) * nBody / geo.nRows;
    RECT rc = {b.left - 1, b.top - 1, b.right + 1, yEnd};
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(BLACK_BRUSH));
    HBRUSH hbrHeader = CreateSolidBrush(GetNearestColor(hdc, CHT_HEADER_COLOR));
    HBRUSH hbrWhite = (HBRUSH)GetStockObject(WHITE_BRUSH);
    static const char *const apszHeader[] = {"CH", "Signal", "Label"};
    for (int c = 0; c < 3; c++) {
        FillCell(hdc, &geo, c, 0, hbrHeader, &rc);
        CellText(hdc, &rc, apszHeader[c]);
    }
    for (int i = 1; i <= geo.nRows && geo.nTop + i <= geo.nChannels; i++) {
        int r = geo.nTop + i;
        char szText[FV_NAME + 1];
        snprintf(szText, sizeof(szText), "%i", r);
        FillCell(hdc, &geo, 0, i, hbrHeader, &rc);
        CellText(hdc, &rc, szText);
        for (int c = CHT_COL_SIGNAL; c <= CHT_COL_LABEL; c++) {
            RowText(pData, c, r, szText, sizeof(szText));
            FillCell(hdc, &geo, c, i, hbrWhite, &rc);
            CellText(hdc, &rc, szText);
        }
    }
    DeleteObject(hbrHeader);
    if (hOldFont != NULL)
        SelectObject(hdc, hOldFont);
}

void ChTablePaintMark(HWND hWnd, HDC hdc, const FFTVIEWDATA *pData, HBRUSH hbr)
{
    LONG nMode = pData->nChTblMode;
    if (pData->nChTblFirst < 1 || (nMode != CHT_COL_SIGNAL && nMode != CHT_COL_LABEL))
        return;
    CHTGEOMETRY geo;
    ChTableGeometry(hWnd, pData, &geo);
    HGDIOBJ hOldFont = BeginText(hWnd, hdc);
    LONG nFirst = pData->nChTblFirst, nLast = pData->nChTblLast;
    int a = (int)(nFirst < nLast ? nFirst : nLast) - geo.nTop;
    int z = (int)(nFirst < nLast ? nLast : nFirst) - geo.nTop;
    for (int i = a < 1 ? 1 : a; i <= z && i <= geo.nRows && geo.nTop + i <= geo.nChannels; i++) {
        RECT rc;
        char szText[FV_NAME + 1];
        FillCell(hdc, &geo, (int)nMode, i, hbr, &rc);
        RowText(pData, (int)nMode, geo.nTop + i, szText, sizeof(szText));
        CellText(hdc, &rc, szText);
    }
    if (hOldFont != NULL)
        SelectObject(hdc, hOldFont);
}
