/*
 * compare.h - qfftana compare: two sets of pages of one recording, each
 * averaged by the plug-in in its own run exactly as ADD averages them,
 * compared per channel and band (comparetable.h).
 *
 * Both runs share the recording's steps and the settings, so their
 * spectra are comparable. Each writes its report to OUT/a/report.csv and
 * OUT/b/report.csv; the comparison goes to OUT/compare.csv and standard
 * output, with --pictures to DIR/compare-CHn.png (compareplot.h) and with
 * --html to one HTML file (comparehtml.h).
 */
#ifndef HOST_COMPARE_H
#define HOST_COMPARE_H

#include "cmdline.h"

int CompareRun(HOSTOPTIONS *pOpt);
/* Runs the comparison and returns the program's exit status: 0 done,
 * 1 a run gave no report or an output could not be written, 2 a set that
 * is empty or names pages, seconds or an annotation the recording does
 * not have, 3 an unreadable recording. */

#endif /* HOST_COMPARE_H */
