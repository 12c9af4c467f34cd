// Progress lines on standard error.
#include "progress.h"

#include <time.h>
#include <unistd.h>

#define PROGRESS_DELAY    1.0   // seconds before the first line
#define PROGRESS_INTERVAL 2.0   // seconds between lines off a terminal

double ProgressSeconds(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + ts.tv_nsec / 1e9;
}

void ProgressBegin(PROGRESS *p, FILE *pOut, int nTotal)
{
    p->pOut = pOut;
    p->nTotal = nTotal;
    p->dStart = ProgressSeconds();
    p->dLastShown = 0.0;
    p->bInPlace = pOut && isatty(fileno(pOut));
}

static void Show(PROGRESS *p, int nDone, double dNow)
{
    double dElapsed = dNow - p->dStart;
    double dRate = dElapsed > 0.0 ? nDone / dElapsed : 0.0;
    fprintf(p->pOut, "%spages %d/%d (%d%%), %.1f pages/s%s", p->bInPlace ? "\r" : "", nDone, p->nTotal,
            p->nTotal ? nDone * 100 / p->nTotal : 100, dRate, p->bInPlace ? "" : "\n");
    fflush(p->pOut);
    p->dLastShown = dNow;
}

void ProgressStep(PROGRESS *p, int nDone)
{
    if (!p->pOut)
        return;
    double dNow = ProgressSeconds();
    if (dNow - p->dStart < PROGRESS_DELAY)
        return;
    double dInterval = p->bInPlace ? 0.2 : PROGRESS_INTERVAL;
    if (p->dLastShown == 0.0 || dNow - p->dLastShown >= dInterval)
        Show(p, nDone, dNow);
}

void ProgressEnd(PROGRESS *p, int nDone)
{
    if (!p->pOut || p->dLastShown == 0.0)
        return;
    Show(p, nDone, ProgressSeconds());
    if (p->bInPlace)
        fputc('\n', p->pOut);
}
