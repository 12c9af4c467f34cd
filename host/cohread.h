/*
 * cohread.h - the coherence of every channel pair per band, as the
 * plug-in's coherence window shows it.
 *
 * The host reads what the window's band histograms give as text (their
 * "Copy Text Data"): it opens the coherence window, asks each histogram
 * above the diagonal for its text and closes the window again. The
 * coherence is the plug-in's for the last page (or section) it analysed.
 */
#ifndef HOST_COHREAD_H
#define HOST_COHREAD_H

#include <windows.h>

#include <string>
#include <vector>

typedef struct tagCOHMATRIX {
    std::vector<std::string> aChannels;   /* UTF-8 labels, as the window heads its columns */
    std::vector<std::string> aBands;      /* UTF-8 labels of the enabled bands */
    std::vector<double> adValue;          /* [band][a][b], symmetric; NaN on the diagonal */
} COHMATRIX;

HWND CohFindWindow(void);
/* The coherence window just opened, or NULL: a new dialog takes the focus,
 * and its caption tells it from the other windows up the focus's parent
 * chain. */

BOOL CohReadMatrix(HWND hAnaly, COHMATRIX *pCoh);
/* Fills *pCoh from the coherence window of the analysis window. FALSE,
 * with *pCoh empty, when the analysis offers no coherence or the window
 * cannot be opened or read. */

BOOL CohParseHistogramText(const char *pszText, std::vector<std::string> *paBands, std::vector<double> *padValue);
/* One histogram's text, TAB-separated: a title line, a heading line, then
 * "label<TAB>range<TAB>value" per band. Labels are converted from code
 * page 932. FALSE when the heading is missing or a value is no number. */

double CohValue(const COHMATRIX *pCoh, size_t nBand, size_t a, size_t b);
/* The coherence of channels a and b in the band; NaN when a == b. */

#endif /* HOST_COHREAD_H */
