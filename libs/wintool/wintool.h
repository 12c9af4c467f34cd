/*
 * wintool.h - QWINTOOL, the window-tool library: shared fonts and dialog
 * services for the plug-in's windows and dialogs.
 *
 * Fonts are numbered. The library creates a font on first request and owns
 * it until it is unloaded: callers select it, give it to WM_SETFONT and
 * measure with it, but never delete it. Numbers 0 to 15 exist; 0 is the
 * control font, 1 the font the analysis window measures its rows with, 7 the
 * large bold font of counters, 14 the font of tables.
 *
 * Everything runs on the calling window's thread; nothing is thread-safe.
 */
#ifndef WINTOOL_H
#define WINTOOL_H

#include <windows.h>

#include "qfexport.h"

#ifdef __cplusplus
extern "C" {
#endif

#define WT_FONT_HANDLE 0  /* WtGetFont kind: the font handle */
#define WT_FONT_WIDTH  1  /* WtGetFont kind: average character width, pixels */
#define WT_FONT_COUNT  16

QF_EXPORT UINT_PTR WINAPI WtGetFont(int nKind, int nFont);
/* Kind WT_FONT_HANDLE: the HFONT of font number nFont (0..15), owned by the
   library. Kind WT_FONT_WIDTH: the average character width of that font in
   pixels, as measured on the screen. Returns 0 for a number outside 0..15,
   an unknown kind, or a font that could not be created. */

QF_EXPORT void WINAPI WtInitDialog(HWND hDlg);
/* Finishes a dialog's WM_INITDIALOG: centres the dialog on the screen.
   A null or destroyed hDlg does nothing. */

QF_EXPORT void WINAPI WtInitDialogOver(HWND hDlg, HWND hParent);
/* Finishes a dialog's WM_INITDIALOG: centres the dialog over hParent, kept
   inside the screen; without a parent, centres it on the screen. */

QF_EXPORT INT_PTR WINAPI WtDialogBox(HWND hOwner, HINSTANCE hInstance, int nId);
/* Runs the dialog template nId of module hInstance modally, owned by hOwner,
   centred over it. Any button ends the dialog with its id (OK = 1,
   Cancel = 2; Enter and Esc press them). Returns that id, or -1 when the
   dialog could not be created. */

#ifdef __cplusplus
}
#endif

#endif /* WINTOOL_H */
