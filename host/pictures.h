/*
 * pictures.h - pictures of the plug-in's windows as PNG files, as a screen
 * would show them, for a reviewer without Windows.
 */
#ifndef HOST_PICTURES_H
#define HOST_PICTURES_H

#include <windows.h>

#include <stddef.h>

#include <string>

BOOL PicturesWriteWindow(HWND hWnd, const std::string &strFolder, const char *pszName, char *pszError,
                         size_t cbError);
/* Draws hWnd's client area with its visible children, bottom of the Z
 * order first, each through WM_PRINTCLIENT, into a bitmap of the client's
 * size and writes it as strFolder/pszName (PNG). FALSE, with a one-line
 * reason, when it cannot. */

BOOL PicturesWriteAnalysis(HWND hAnaly, const std::string &strFolder, int nWidth, int nHeight,
                           char *pszError, size_t cbError);
/* Sizes the analysis window to nWidth x nHeight (it lays out its children
 * again), draws it and its visible children, bottom of the Z order first,
 * each through WM_PRINTCLIENT into a bitmap of that size, and writes
 * strFolder/analysis.png (the folder is made when missing). Then the same
 * in histogram mode as histogram.png and, when the analysis offers
 * coherence, the coherence window at 1400 x 1000 as coherence.png; the
 * views' enhanced metafiles (QPM_GETGRAPHIMAGE mode 1) go beside them as
 * SVG: bars-CHn.svg for each bar graph in use (n its 1-based slot) and
 * coherence-bands-A-B.svg for each pair's histogram (A < B, 1-based); the
 * display mode and the coherence window are put back as they were. The
 * window keeps the new size. FALSE, with a one-line reason, when the folder or the
 * file cannot be written. */

#endif /* HOST_PICTURES_H */
