/*
 * dlgpictures.h - pictures of the setup panel and the plug-in's dialogs,
 * for a reviewer without Windows.
 */
#ifndef HOST_DLGPICTURES_H
#define HOST_DLGPICTURES_H

#include <windows.h>

#include <stddef.h>

#include <string>

BOOL PicturesWriteDialogs(HWND hAnaly, const std::string &strFolder, char *pszError, size_t cbError);
/* Draws the analysis window's setup panel as strFolder/SETUPDLG_NORMAL.png
 * on a screen wider than 1024 pixels (SETUPDLG_SMALL.png otherwise, and
 * nothing more). On the wide screen also the About box (ABOUT.png), the
 * band setup dialog (FREQBANDSETUP.png) and the analysis setup dialog in
 * both languages (DETAILSETUP_JP.png, DETAILSETUP_EG.png), each opened as
 * the user opens it and cancelled once drawn; the dialog language is left
 * Japanese, the settings' default. FALSE, with a one-line reason, when a
 * dialog does not open or a file cannot be written. */

#endif /* HOST_DLGPICTURES_H */
