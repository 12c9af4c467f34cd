/*
 * qcustom.h - QCUSTOM, the custom-control library: a frame painter and the
 * control classes QCUSTOMSTATIC32 (a text display) and QCUSTOMTEXTBTN32 (a
 * push or two-state button with text).
 *
 * The library registers both classes itself when it is attached to the
 * process (DllMain), as global classes of its own instance, so any module
 * can create them or name them in a dialog template; it unregisters them
 * when it is detached. Colours are COLORREF values (0x00BBGGRR). Texts and
 * fonts are kept per window; a font set with WM_SETFONT stays the caller's.
 * Each control paints its whole client area (see ccintern.h for the look)
 * and invalidates itself when what it shows changes.
 *
 * Text button. A click is a left button press and release inside the
 * enabled button: the parent then receives exactly one
 * WM_COMMAND (MAKEWPARAM(id, BN_CLICKED), button window). A release
 * outside the button, or a press that lost the capture (the button was
 * disabled meanwhile), sends nothing. The check state is the owner's: it is
 * set with BM_SETCHECK (CheckDlgButton) and shown, and a click never changes
 * it, because the owner decides on each command what the switch shows.
 *
 * Not thread-safe: use the controls from the thread that created them.
 */
#ifndef QCUSTOM_H
#define QCUSTOM_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

#define CC_STATIC_CLASS  "QCUSTOMSTATIC32"
#define CC_TEXTBTN_CLASS "QCUSTOMTEXTBTN32"

/* QCUSTOMSTATIC32. The text comes from WM_SETTEXT / SetWindowTextA, the
 * font from WM_SETFONT (WM_GETFONT answers it, NULL before); the low 12 bits
 * of the style choose frame and alignment. */
#define CSM_SETTEXTCOLOR (WM_USER + 10)  /* 1034: 0 / COLORREF -> TRUE; FALSE for
                                            another wParam */
#define CSM_GETTEXTCOLOR (WM_USER + 200) /* 0 / - -> COLORREF; this library's
                                            read-back, CLR_INVALID for another
                                            wParam. COLOR_WINDOWTEXT at first */

/* QCUSTOMTEXTBTN32. Text and font as the static; check state through
 * BM_SETCHECK (BST_UNCHECKED, anything else checks: the button has two
 * states) and BM_GETCHECK; EnableWindow enables it. */
#define CBM_SETCOLOR     (WM_USER + 100) /* 1124: CB_COLOR_* / COLORREF -> TRUE;
                                            FALSE for another wParam */
#define CBM_GETCOLOR     (WM_USER + 201) /* CB_COLOR_* / - -> COLORREF; this library's
                                            read-back, CLR_INVALID for another wParam */
#define CB_COLOR_FACE    0  /* face of the button (COLOR_BTNFACE at first) */
#define CB_COLOR_CHECKED 1  /* face while checked (COLOR_HIGHLIGHT at first) */

QF_EXPORT BOOL WINAPI CcDrawFrame(HWND hWnd, HDC hdc, int nKind, int nShade);
/* Draws the frame of hWnd's client area into hdc (a BeginPaint context).
 * nKind 0: a flat line; nKind 2: a sunken edge (other bits are ignored).
 * nShade 0..15 darkens the frame from light grey (0) to black (15); only
 * its low 4 bits count. The context's objects are restored. Returns FALSE
 * for a bad window or a NULL context, else TRUE. */

#ifdef __cplusplus
}
#endif

#endif /* QCUSTOM_H */
