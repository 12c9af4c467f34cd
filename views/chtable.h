/*
 * chtable.h - the channel table (QPANEFFTANALYCHTABLE), control 1502 of the
 * setup panel: one row per analysis channel in use with its number, the
 * signal type it is matched against and the label it is matched against.
 *
 * The user marks one cell or a vertical run of cells of the Signal or the
 * Label column with the left button and opens a menu with the right one;
 * the choice is written into every marked row's ANALYCHANNEL entry and the
 * notify window is told with a posted WM_COMMAND (MAKEWPARAM(id, code),
 * table). The table's state (row height, rows shown, first row shown, the
 * mark, the values behind the menu items) lives in the record it is given
 * with QPM_ATTACHDATA; its window bytes hold the record handle (long 0),
 * the font (long 4), the notify window (long 8) and its id (word 12).
 */
#ifndef QFFTANA_CHTABLE_H
#define QFFTANA_CHTABLE_H

#include <windows.h>

#include "frame/fftview.h"

/* Notification codes to the notify window. */
#define QPN_SIGNALCHANGED   10  /* a signal type was chosen for the marked rows */
#define QPN_LABELCHANGED    11  /* a label was chosen for the marked rows */

/* Columns of the mark (nChTblMode). */
#define CHT_COL_NONE        0
#define CHT_COL_SIGNAL      1
#define CHT_COL_LABEL       2

/* Commands of the popup menu: item n is CHT_MENU_FIRST + n. */
#define CHT_MENU_FIRST      1700
#define CHT_MENU_LAST       1764

#define CHT_HEADER_COLOR    0xF0C8A0  /* header and number cells */
#define CHT_MARK_COLOR      0x00FFFF  /* marked cells */

/* The table's geometry for a client rectangle, margin and record. Right
   and bottom edges are exclusive. */
typedef struct tagCHTGEOMETRY {
    RECT rcBody;      /* B: the client rectangle less the margin */
    int nRowHeight;   /* rh */
    int nRows;        /* V: body slots */
    int nTop;         /* t: first channel shown (0-based) */
    int nChannels;    /* N: rows in use */
    int nMid;         /* first x of the Label column */
} CHTGEOMETRY;

LRESULT CALLBACK ChTableWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* The window procedure the class is registered with. */

void ChTableGeometry(HWND hWnd, const FFTVIEWDATA *pData, CHTGEOMETRY *pGeo);
/* The geometry of hWnd's client area with the record's metrics. */

void ChTableCell(const CHTGEOMETRY *pGeo, int nColumn, int nSlot, RECT *prc);
/* The painted rectangle of column nColumn (0 = CH, 1 = Signal, 2 = Label)
   in body slot nSlot (1..V), or of the header row for slot 0. */

BOOL ChTableHitTest(HWND hWnd, const FFTVIEWDATA *pData, int x, int y, int *pnColumn, int *pnRow);
/* The cell under client point (x, y): column 1 or 2 and row 1..N; TRUE
   when both were found. */

void ChTableDraw(HWND hWnd, HDC hdc, const FFTVIEWDATA *pData);
/* Paints the whole table, with no mark shown. */

void ChTablePaintMark(HWND hWnd, HDC hdc, const FFTVIEWDATA *pData, HBRUSH hbr);
/* Paints the cells of the stored mark with hbr and their texts again. */

void ChTablePopupMenu(HWND hWnd, FFTVIEWDATA *pData, int nColumn);
/* Builds the Signal (column 1) or Label (column 2) menu, records the value
   behind each item in anMenuCh and tracks it at the cursor; the choice
   comes back as WM_COMMAND CHT_MENU_FIRST + n. */

#endif /* QFFTANA_CHTABLE_H */
