// The page length of a run, checked against the FFT size the settings give.
#include "pagechoice.h"

#include <stdio.h>

#include "pagefit.h"
#include "setfolder.h"

// The FFT size and mode the run will use, as the settings file now says.
static void RunFFT(const std::string &strFolder, DWORD *pnPoints, BOOL *pbSection)
{
    std::string strFile = strFolder + SET_MAINFILE;
    *pnPoints = (DWORD)GetPrivateProfileIntA("FFTINFO", "FFTPoint", PAGE_DEFAULT_FFT_POINTS, strFile.c_str());
    *pbSection = GetPrivateProfileIntA("FFTINFO", "FFTAreaSw", 0, strFile.c_str()) == 1;
}

// Why a page length given does not suit, with the nearest lengths that do.
static void RefusePage(const HOSTOPTIONS *pOpt, DWORD nRate, DWORD nPoints, BOOL bSection, char *pszError,
                       size_t cbError)
{
    DWORD anNear[2] = {PageNearestFit((DWORD)pOpt->nPageSeconds, nRate, nPoints, bSection, -1),
                       PageNearestFit((DWORD)pOpt->nPageSeconds, nRate, nPoints, bSection, 1)};
    char aszNear[2][32] = {"none", "none"};
    for (int i = 0; i < 2; i++) {
        if (anNear[i])
            snprintf(aszNear[i], sizeof(aszNear[i]), "%u s", (unsigned)anNear[i]);
    }
    snprintf(pszError, cbError, "--page-seconds %d does not suit %u FFT points at %u Hz in %s mode; "
             "the nearest lengths that do: %s shorter, %s longer", pOpt->nPageSeconds, (unsigned)nPoints,
             (unsigned)nRate, bSection ? "section" : "page", aszNear[0], aszNear[1]);
}

// The page length: the one given when it suits the FFT size at the base
// rate, else the default; FALSE with a reason when neither is possible.
BOOL PageChoose(HOSTOPTIONS *pOpt, const RECORDING *pRec, const std::string &strFolder, DWORD *pnPoints,
                       char *pszError, size_t cbError)
{
    BOOL bSection = FALSE;
    RunFFT(strFolder, pnPoints, &bSection);
    DWORD nRate = RecBaseRate(pRec), nPoints = *pnPoints;
    if (pOpt->nPageSeconds > 0) {
        if (PageFits((DWORD)pOpt->nPageSeconds, nRate, nPoints, bSection))
            return TRUE;
        RefusePage(pOpt, nRate, nPoints, bSection, pszError, cbError);
        return FALSE;
    }
    pOpt->nPageSeconds = (int)PageDefault(nRate, nPoints, bSection);
    if (pOpt->nPageSeconds == 0) {
        snprintf(pszError, cbError, "no page length from 1 to %d s suits %u FFT points at %u Hz; choose another "
                 "FFTINFO.FFTPoint", PAGE_MAX_SECONDS, (unsigned)nPoints, (unsigned)nRate);
        return FALSE;
    }
    if (!pOpt->bQuiet)
        fprintf(stderr, "qfftana: pages of %d s: the whole-second length nearest %d s that suits %u FFT points "
                "at %u Hz (--page-seconds chooses another)\n", pOpt->nPageSeconds, PAGE_PREFERRED_SECONDS,
                (unsigned)nPoints, (unsigned)nRate);
    return TRUE;
}
