/*
 * session.h - one analysis run: the host's side of the exchange with the
 * analysis window, from loading the plug-in to destroying its window.
 *
 * Order: load QFFTANA.dll and check its version; create the frame and the
 * analysis window; name the notify window, the application folder, the
 * host path and the settings folder; push the recording's items, channels
 * and texts; start the analysis; for every page deliver each channel's
 * samples and then the page position (page mode) or, in section mode, the
 * cursor offset on the first page and the page position on the others (the
 * cursor stays where it was put); press ADD for the pages asked for; press
 * Save.. and answer its file dialog with OUT/report.csv; stop; destroy the
 * window, which writes the settings back.
 */
#ifndef HOST_SESSION_H
#define HOST_SESSION_H

#include <stddef.h>

#include <string>

#include "cmdline.h"
#include "cohread.h"
#include "recording.h"

enum {
    SESSION_OK = 0,          /* the report was written */
    SESSION_NOREPORT = 1,    /* the run ended without a report */
    SESSION_BADARGS = 2,     /* pages or offsets the recording does not have */
    SESSION_BADREC = 3,      /* the recording is too short for one page */
};

typedef struct tagSESSIONRESULT {
    int nPages;              /* pages delivered */
    int nAdded;              /* sections the plug-in added */
    int nRefused;            /* ADDs asked for that it did not add */
    std::string strRefusal;  /* why the last of them was not added */
    double dSeconds;         /* time the pages took */
    std::string strReport;   /* path of the report */
    std::string strPictures; /* folder of the pictures, empty without */
    BOOL bTempPictures;      /* that folder is temporary (for --html): the caller removes it */
    COHMATRIX coherence;     /* read for --html when the analysis offers coherence */
} SESSIONRESULT;

int SessionRun(RECORDING *pRec, const HOSTOPTIONS *pOpt, const std::string &strSettingsFolder,
               SESSIONRESULT *pResult, char *pszError, size_t cbError);
/* Runs the analysis of *pRec with the options and settings folder given
 * and returns a SESSION_* code; every code but SESSION_OK comes with a
 * one-line reason in pszError. Pages are loaded one at a time (RecLoadPage)
 * and pOpt->nPageSeconds must be set. A report left from an earlier run is
 * deleted first, so a report on disk is always this run's. With --html
 * the pictures go to a temporary folder when --pictures names none, and
 * the coherence matrix is read before the window closes. */

void SessionRemoveTemporary(SESSIONRESULT *pResult);
/* Removes the temporary pictures folder with its files, if there is one. */

#endif /* HOST_SESSION_H */
