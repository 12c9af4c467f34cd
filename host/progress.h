/*
 * progress.h - progress of a long run on standard error.
 *
 * Nothing is shown during the first second, so short runs stay silent; on
 * a terminal the line is rewritten in place, elsewhere a line is added at
 * most every two seconds.
 */
#ifndef HOST_PROGRESS_H
#define HOST_PROGRESS_H

#include <stdio.h>

typedef struct tagPROGRESS {
    FILE *pOut;            // NULL: silent
    int nTotal;            // pages in the run
    double dStart;         // seconds on the monotonic clock
    double dLastShown;     // 0 until something was shown
    int bInPlace;          // rewrite the line (a terminal)
} PROGRESS;

void ProgressBegin(PROGRESS *p, FILE *pOut, int nTotal);
/* Starts a run of nTotal pages; pOut NULL keeps it silent (--quiet). */

void ProgressStep(PROGRESS *p, int nDone);
/* nDone pages are done; shows "pages done/total (percent), rate" when due. */

void ProgressEnd(PROGRESS *p, int nDone);
/* Shows the final count if anything was shown, and ends the line. */

double ProgressSeconds(void);
/* The monotonic clock in seconds. */

#endif /* HOST_PROGRESS_H */
