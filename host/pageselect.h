/*
 * pageselect.h - the pages a condition of a comparison takes: a span of
 * seconds, or the pages an annotation marks.
 *
 * Pages are counted from 1; page p of L seconds covers [(p - 1) L, p L).
 * Only the nPages whole pages of the recording can be chosen. The result
 * is a list of page ranges in the form --add takes, in page order, empty
 * when no page qualifies.
 */
#ifndef HOST_PAGESELECT_H
#define HOST_PAGESELECT_H

#include <string>
#include <vector>

#include "cmdline.h"
#include "edffile.h"

std::vector<ADDRANGE> PageSelectSeconds(double dFrom, double dTo, int nPageSeconds, int nPages);
/* The pages lying wholly inside [dFrom, dTo) seconds. */

std::vector<ADDRANGE> PageSelectAnnotation(const std::vector<EDFANNOTATION> &aAnn, const std::string &strText,
                                           int nPageSeconds, int nPages);
/* The pages that overlap an annotation whose text is strText (exactly):
 * [onset, onset + duration); an annotation without a duration, or with
 * duration 0, marks the page holding its onset. Onsets are seconds from
 * the recording's first sample. */

std::string PageSelectText(const std::vector<ADDRANGE> &aRanges);
/* "1-9,12": the list as --add writes it. */

int PageSelectCount(const std::vector<ADDRANGE> &aRanges);
/* The number of pages the list holds. */

#endif /* HOST_PAGESELECT_H */
