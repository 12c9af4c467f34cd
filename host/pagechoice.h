/*
 * pagechoice.h - the page length of a run: the one the command line gives
 * when it suits the FFT size the settings file names at the recording's
 * base rate, else the default length (pagefit.h).
 */
#ifndef HOST_PAGECHOICE_H
#define HOST_PAGECHOICE_H

#include <windows.h>

#include <stddef.h>

#include <string>

#include "cmdline.h"
#include "recording.h"

#define PAGE_DEFAULT_FFT_POINTS 1024   /* the settings' own default */

BOOL PageChoose(HOSTOPTIONS *pOpt, const RECORDING *pRec, const std::string &strFolder, DWORD *pnPoints,
                char *pszError, size_t cbError);
/* Sets pOpt->nPageSeconds when it is 0 (saying so on standard error unless
 * bQuiet) and *pnPoints to the FFT size of the settings folder strFolder.
 * FALSE, with a reason naming the nearest lengths that suit, when the
 * length given does not suit, or when none does. */

#endif /* HOST_PAGECHOICE_H */
