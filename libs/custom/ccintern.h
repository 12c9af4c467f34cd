// Inside QCUSTOM: the per-window record shared by its controls and the
// registration of its classes.
#ifndef CCINTERN_H
#define CCINTERN_H

#include <windows.h>

// Every control keeps the handle of its record, a movable zero-filled
// block, in its first extra bytes; the window procedure locks it for one
// message. Before WM_CREATE and after WM_NCDESTROY there is none.
#define CC_EXTRA_BYTES ((int)sizeof(LONG_PTR))

HGLOBAL CcRecordHandle(HWND hwnd);
/* The record's handle, NULL when there is none. */
LRESULT CcCreateRecord(HWND hwnd, SIZE_T cbRecord);
/* Allocates a zero-filled record and stores it: 0, or -1 (refusing
 * WM_CREATE) when memory runs out. */
void CcDestroyRecord(HWND hwnd);
/* Frees the record and clears the slot. */
void CcUnlockRecord(HWND hwnd, HGLOBAL hRecord);
/* Unlocks hRecord unless the window went away while it was locked (an
 * owner may destroy a control while it notifies). */

typedef LRESULT (*CCDISPATCHPROC)(HWND hwnd, void *pRecord, UINT uMsg, WPARAM wParam, LPARAM lParam);
typedef LRESULT (*CCCREATEPROC)(HWND hwnd);
LRESULT CcRecordWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, CCCREATEPROC pfnCreate,
                           CCDISPATCHPROC pfnDispatch);
/* The window procedure every control shares: WM_CREATE goes to pfnCreate,
 * WM_NCDESTROY frees the record, any other message is dispatched with the
 * record locked for exactly that message (default processing without a
 * record). */
BOOL CcRegisterClass(HINSTANCE hInstance, LPCSTR pszClass, WNDPROC pfnProc);
/* Registers a control class as a global class of hInstance. */

struct CCSTATICDATA {
    HFONT hFont;
    COLORREF crText;
};

struct CCTEXTBTNDATA {
    HFONT hFont;
    COLORREF acrFace[2];   // CB_COLOR_FACE, CB_COLOR_CHECKED
    WORD wCheck;           // BST_UNCHECKED or BST_CHECKED
    WORD wPressed;         // 1 between a press and its release
};

// Painters (ccpaint.cpp): each fills the whole of *prc and restores the
// context's objects and colours.
void CcFrameRect(HDC hdc, const RECT *prc, int nKind, int nShade);
/* A one-pixel frame just inside *prc: kind 2 sunken (shaded top and left,
   white bottom and right), else flat in the shade; shade 0..15 from light
   grey to black. */
void CcPaintStatic(HDC hdc, const RECT *prc, LONG lStyle, LPCSTR pszText, const CCSTATICDATA *p);
/* Style bits 0..2: bit 2 right-aligned text, else bit 0 centred, else
   left-aligned (always vertically centred, one line). Bits 4..7 non-zero:
   a frame, of kind bit 1 (sunken when set) and shade bits 8..11; a frame
   with a shade above 0 is a display box on white, anything else sits on
   the button face. */
void CcPaintTextButton(HDC hdc, const RECT *prc, LPCSTR pszText, BOOL fEnabled, const CCTEXTBTNDATA *p);
/* The face in the colour of the check state, a raised edge (sunken while
   pressed or checked), the text centred, shifted by one pixel while
   pressed, grey while disabled. */

BOOL CcRegisterStatic(HINSTANCE hInstance);
BOOL CcRegisterTextButton(HINSTANCE hInstance);
BOOL CcRegisterRangeScale(HINSTANCE hInstance);
/* Register the class as a global class of hInstance; FALSE when it fails
 * (e.g. it exists already). */

// The range scale's record: its scale, range, label format and the drag
// in progress.
struct CCRNGSCALEDATA {
    HFONT hFont;
    LONG nScaleMin, nScaleMax;   // ends of the scale
    LONG nLow, nHigh;            // the range as last set
    LONG nDivisions;             // labelled divisions of the scale
    LONG anSetting[2];           // decimal exponent of values, decimals of labels
    LONG anOption[4];            // option 1: snap step of the user's values
    char szUnit[16];
    WORD wDrag;                  // what the pressed button moves
    int nDragY;                  // pixel row of the press
    LONG nDragLow, nDragHigh;    // the range at the press
};

// Pixel rectangle of the bar; top is the upper end of the scale, bottom
// the lower end (both inclusive).
struct RSTRACK {
    int left, top, right, bottom;
};

BOOL RngScaleTrack(HWND hwnd, const CCRNGSCALEDATA *p, RSTRACK *pTrack);
/* The bar of hwnd's client area; FALSE when it has no height or width, or
 * the scale is empty (upper end not above the lower one). */
int RngScaleY(const CCRNGSCALEDATA *p, const RSTRACK *pTrack, LONG nValue);
/* Pixel row of nValue, clamped to the scale first. */
void RngScaleDraw(HWND hwnd, HDC hdc, const CCRNGSCALEDATA *p);
/* Paints the scale with its labels and the range into hdc. */

#endif /* CCINTERN_H */
