/*
 * viewwnd.h - what the result views share: their window bytes, the record
 * they show, the plot frame they draw in, the text tables they copy and the
 * context menu with its two copy commands.
 *
 * A view never owns the record: window long 0 holds the analysis window's
 * FFTVIEWDATA handle, locked for one message and unlocked on every path.
 * Without a record (long 0 is 0, or the lock fails) a view draws nothing,
 * offers no menu and hands out no picture or text.
 */
#ifndef QFFTANA_VIEWWND_H
#define QFFTANA_VIEWWND_H

#include <windows.h>

#include "frame/fftview.h"

/* Window bytes of the three view classes. On the 32-bit build these are
   long 0, 4, 8, word 12 and the words 16 and 18 of 20 bytes; where handles
   are wider the slots widen with them. */
#define VWW_DATA      (0 * (int)sizeof(LONG_PTR)) /* HGLOBAL of FFTVIEWDATA */
#define VWW_FONT      (1 * (int)sizeof(LONG_PTR)) /* font of WM_SETFONT */
#define VWW_NOTIFYWND (2 * (int)sizeof(LONG_PTR)) /* notify window */
#define VWW_ID        (3 * (int)sizeof(LONG_PTR)) /* control id (word) */
#define VWW_CHA       (4 * (int)sizeof(LONG_PTR)) /* coherence pair: channel A (word) */
#define VWW_CHB       (VWW_CHA + 2)               /* coherence pair: channel B (word) */
#define VWW_EXTRA     (5 * (int)sizeof(LONG_PTR))

/* Messages every view answers. */
#define QPM_VIEWNOOP       (WM_USER + 160) /* accepted, no effect */
#define QPM_GETGRAPHIMAGE  (WM_USER + 164) /* LOWORD(wParam) 0 WMF, 1 EMF -> handle or 0 */
#define QPM_GETGRAPHTEXT   (WM_USER + 165) /* LOWORD(lParam) separator mode -> HGLOBAL or 0 */

/* Context menu commands. */
#define IDM_COPYGRAPHIMAGE 2800
#define IDM_COPYTEXTDATA   2801

/* Picture kinds of QPM_GETGRAPHIMAGE. */
#define VIEW_IMAGE_WMF 0
#define VIEW_IMAGE_EMF 1

/* Flags of every centred text of the views. */
#define VIEW_DT_CENTRED (DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX)

/* Bytes of a text table block. */
#define VIEW_TEXT_BYTES 9216

/* The plot frame of a view, computed at every drawing: B is the client
   rectangle less the style's inner margin, R the plot rectangle, W x H its
   size, h and a the font's height and average character width. */
typedef struct tagVIEWFRAME {
    RECT rcBounds;
    RECT rcPlot;
    int  nWidth;
    int  nHeight;
    int  nTextHeight;
    int  nCharWidth;
} VIEWFRAME;

void ViewFrameLayout(HWND hWnd, const TEXTMETRICA *ptm, VIEWFRAME *pFrame);
/* Frame of hWnd for text metrics ptm: B = client less the margin in bits
   8-11 of the style; R = (B.left + 5a, B.top + 3h/2, B.right - a/2,
   B.bottom - 3h/2). Divisions truncate toward zero. */

/* A drawing in progress: the device context, the frame, the pens of the
   frame and the grid, and what was selected before. */
typedef struct tagVIEWPAINT {
    HDC       hdc;
    VIEWFRAME frame;
    HPEN      hpenFrame;
    HPEN      hpenGrid;
    HGDIOBJ   hOldFont;
    HGDIOBJ   hOldPen;
} VIEWPAINT;

void ViewBeginDraw(HWND hWnd, HDC hdc, VIEWPAINT *pPaint);
/* Selects the view's font (when it has one) into hdc, measures the frame,
   makes the pens and sets transparent black text. A Windows metafile
   reports no text metrics, so the font is then measured on the window's
   own device context. */

void ViewEndDraw(VIEWPAINT *pPaint);
/* Puts the previous pen and font back and deletes the pens. */

typedef void (*VIEWSCALELABEL)(int nPercent, char *pszLabel, size_t cbLabel);
void ViewDrawPlot(const VIEWPAINT *pPaint, const char *pszTitle, VIEWSCALELABEL pfnLabel);
/* The cream plot area, its black frame, the title and the 0-100 % scale:
   grid lines at 25, 50 and 75, labels at all five steps. */

void ViewColumnSpan(const VIEWFRAME *pFrame, int k, int n, int *px1, int *px2);
/* x1 and x2 of column k of n. */

void ViewDrawColumn(const VIEWPAINT *pPaint, int k, int n);
/* The two grey separator lines of column k of n. */

#define VIEW_MAXCOLUMNS (FV_BANDS + 1)
#define VIEW_LABEL_GAP  2   /* pixels at least between two column labels */

BOOL ViewSpreadLabels(int n, const int *axCentre, const int *acxText, int xMin, int xMax, int *axLeft);
/* Left ends of n labels acxText wide, in order, each as near its centre
   as the others allow, VIEW_LABEL_GAP apart and all within xMin..xMax.
   FALSE, with each left end centred, when together they do not fit. */

void ViewDrawColumnLabels(const VIEWPAINT *pPaint, int n, const char *const *apszLabels);
/* The labels of the n columns below R (at most VIEW_MAXCOLUMNS), spread
   so that none covers another; labels too wide to fit side by side are
   cut each to its own column. */

void ViewDrawBar(const VIEWPAINT *pPaint, int k, int n, int nBarHeight, COLORREF cr);
/* A bar of nBarHeight pixels in column k of n, in the nearest colour to cr;
   the height is held within 0..H, so no value draws outside the scale. */

int ViewBarHeight(double dProduct);
/* A bar height from a product (height x value), truncated toward zero; NaN
   and negative products give 0. The caller clamps to H through
   ViewDrawBar. */

void ViewDrawCentred(const VIEWPAINT *pPaint, int x1, int y1, int x2, int y2, const char *pszText);
/* pszText centred in the rectangle with VIEW_DT_CENTRED. */

/* A text table being written into a VIEW_TEXT_BYTES block. */
typedef struct tagVIEWTEXT {
    char  *pszText;
    size_t cbUsed;
    char   chSep;
} VIEWTEXT;

char ViewSeparator(int nMode);
/* 0 ",", 1 " ", 2 TAB, anything else ",". */

void ViewTextAppend(VIEWTEXT *pText, const char *pszPart, size_t cbMax);
/* Appends at most cbMax bytes of pszPart (stopping at its NUL), never past
   the block's end; the text stays NUL-terminated. */

void ViewTextf(VIEWTEXT *pText, const char *pszFormat, ...);
/* Appends a formatted part, cut at the block's end. */

void ViewTextSep(VIEWTEXT *pText);
void ViewTextEol(VIEWTEXT *pText);

void ViewTextRange(VIEWTEXT *pText, const FREQBAND *pBand);
/* "lo～hi" of the band in Hz, "%3.2f" each, the tilde as its CP932 bytes. */

typedef void (*VIEWTEXTBODY)(HWND hWnd, const FFTVIEWDATA *pData, VIEWTEXT *pText);
HGLOBAL ViewGetText(HWND hWnd, const FFTVIEWDATA *pData, int nSepMode, VIEWTEXTBODY pfnBody);
/* A movable, zero-filled block of VIEW_TEXT_BYTES written by pfnBody with
   the separator of nSepMode (the empty block when it cannot be locked); 0
   without a record or when the block cannot be allocated. The caller owns
   the block. */

typedef void (*VIEWDRAWPROC)(HWND hWnd, HDC hdc, const FFTVIEWDATA *pData);
HANDLE ViewGetImage(HWND hWnd, const FFTVIEWDATA *pData, int nMode, VIEWDRAWPROC pfnDraw);
/* pfnDraw recorded into a Windows metafile (mode 0, an HMETAFILE) or an
   enhanced metafile on the window's own device context (mode 1, an
   HENHMETAFILE); 0 for other modes and without a record. The caller owns
   the handle. */

void ViewCopyToClipboard(HWND hWnd, UINT uFormat, HANDLE hData);
/* Puts hData (a CF_TEXT block or a CF_ENHMETAFILE handle) on the clipboard
   with hWnd as owner; a handle the clipboard does not take is freed. */

void GraphPopupMenu(HWND hWnd);
/* The context menu at the cursor: "Copy Graph Image" (IDM_COPYGRAPHIMAGE)
   and "Copy Text Data" (IDM_COPYTEXTDATA); the choice comes back to hWnd
   as WM_COMMAND. */

/* The behaviour of a view class: its drawing, its picture and its text. */
typedef struct tagVIEWCLASS {
    VIEWDRAWPROC pfnDraw;
    VIEWTEXTBODY pfnText;
} VIEWCLASS;

LRESULT ViewWndProc(const VIEWCLASS *pClass, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
/* The messages every view answers alike, with the record locked for the
   message; others go to DefWindowProcA. */

#endif /* QFFTANA_VIEWWND_H */
