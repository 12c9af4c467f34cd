/*
 * qcustom.h - QCUSTOM, the custom-control library: a frame painter and the
 * control classes QCUSTOMSTATIC32 (a text display), QCUSTOMTEXTBTN32 (a
 * push or two-state button with text) and QCUSTOMRNGSCALE32 (a scale on
 * which the user sets a range).
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
#define CC_RNGSCALE_CLASS "QCUSTOMRNGSCALE32"

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

/* QCUSTOMRNGSCALE32. A vertical scale from a lower to an upper end (low
 * values at the bottom) with a range, a lower and an upper value, drawn as
 * a bar beside it. Values are whole numbers in the owner's unit; labels
 * show them divided by 10^(setting 0) with (setting 1) decimals, followed
 * by the unit text. The values the owner sets are kept as they are, even
 * outside the scale or reversed; what the user drags stays on the scale.
 *
 * The user presses the left button on an end of the bar (within
 * RS_GRIP pixels) to move that end, inside the bar to move the whole
 * range, or beside it to bring the nearer end there and move it; the mouse
 * is captured until the release. An end may be dragged past the other: the
 * owner decides what reversed values mean. Every change the user makes is
 * sent to the parent at once as WM_COMMAND (MAKEWPARAM(id, RSN_CHANGED),
 * control window); the owner may set the values again meanwhile, and a
 * move of the whole range keeps the width it had at the press. */
#define RSM_SETSCALEMIN  (WM_USER + 110) /* 1134: 0 / lower end of the scale */
#define RSM_SETSCALEMAX  (WM_USER + 111) /* 1135: 0 / upper end of the scale */
#define RSM_SETLOW       (WM_USER + 112) /* 1136: 0 / lower value */
#define RSM_GETLOW       (WM_USER + 113) /* 1137: 0 / 0 -> lower value */
#define RSM_SETHIGH      (WM_USER + 114) /* 1138: 0 / upper value */
#define RSM_GETHIGH      (WM_USER + 115) /* 1139: 0 / 0 -> upper value */
#define RSM_SETDIVISIONS (WM_USER + 116) /* 1140: 0 / labelled divisions of the
                                            scale, 1..100 (10 at first) */
#define RSM_SETUNIT      (WM_USER + 120) /* 1144: 0 / unit text (copied, cut to
                                            15 bytes; NULL empties it) */
#define RSM_SETFORMAT    (WM_USER + 121) /* 1145: setting / value: 0 = decimal
                                            exponent of the values, 1 = decimals
                                            of the labels, each 0..6 */
#define RSM_SETOPTION    (WM_USER + 126) /* 1150: option / value: option 1 = step
                                            the user's values snap to (0 =
                                            none) */
#define RSM_GETSCALEMAX  (WM_USER + 202) /* 0 / 0 -> upper end of the scale; this
                                            library's read-back */
#define RSN_CHANGED      1               /* notification: the user moved the range */
#define RS_GRIP          4               /* pixels around an end that grip it */

/* Every RSM_SET message answers TRUE, or FALSE (nothing changed) for a
 * wParam or value it does not know. The scale's geometry: the bar runs
 * from the client top + RS_MARGIN (upper end) to the client bottom -
 * RS_MARGIN - 1 (lower end) and covers the right half of the client area
 * less RS_MARGIN; a value v lies at y = bottom - (v - min) * (bottom - top)
 * / (max - min), rounded toward the lower end. */
#define RS_MARGIN        6

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
