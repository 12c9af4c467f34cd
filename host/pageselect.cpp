// Pages chosen by seconds or by annotation, as lists of page ranges.
#include "pageselect.h"

#include <math.h>
#include <stdio.h>

// Runs of chosen pages (abChosen[p] for page p + 1) as ranges.
static std::vector<ADDRANGE> Ranges(const std::vector<bool> &abChosen)
{
    std::vector<ADDRANGE> aRanges;
    for (int p = 0; p < (int)abChosen.size(); p++) {
        if (!abChosen[(size_t)p])
            continue;
        if (!aRanges.empty() && aRanges.back().nLast == p)
            aRanges.back().nLast = p + 1;
        else
            aRanges.push_back(ADDRANGE{p + 1, p + 1});
    }
    return aRanges;
}

std::vector<ADDRANGE> PageSelectSeconds(double dFrom, double dTo, int nPageSeconds, int nPages)
{
    std::vector<bool> abChosen((size_t)(nPages > 0 ? nPages : 0), false);
    for (int p = 0; p < nPages; p++) {
        double dStart = (double)p * nPageSeconds, dEnd = dStart + nPageSeconds;
        abChosen[(size_t)p] = dStart >= dFrom && dEnd <= dTo;
    }
    return Ranges(abChosen);
}

std::vector<ADDRANGE> PageSelectAnnotation(const std::vector<EDFANNOTATION> &aAnn, const std::string &strText,
                                           int nPageSeconds, int nPages)
{
    std::vector<bool> abChosen((size_t)(nPages > 0 ? nPages : 0), false);
    for (const EDFANNOTATION &ann : aAnn) {
        if (ann.strText != strText)
            continue;
        if (!(ann.dDuration > 0.0)) {
            double dPage = floor(ann.dOnset / nPageSeconds);
            if (dPage >= 0.0 && dPage < nPages)
                abChosen[(size_t)dPage] = true;
            continue;
        }
        for (int p = 0; p < nPages; p++) {
            double dStart = (double)p * nPageSeconds, dEnd = dStart + nPageSeconds;
            if (ann.dOnset < dEnd && ann.dOnset + ann.dDuration > dStart)
                abChosen[(size_t)p] = true;
        }
    }
    return Ranges(abChosen);
}

std::string PageSelectText(const std::vector<ADDRANGE> &aRanges)
{
    std::string str;
    for (const ADDRANGE &range : aRanges) {
        char sz[32];
        if (range.nFirst == range.nLast)
            snprintf(sz, sizeof(sz), "%s%d", str.empty() ? "" : ",", range.nFirst);
        else
            snprintf(sz, sizeof(sz), "%s%d-%d", str.empty() ? "" : ",", range.nFirst, range.nLast);
        str += sz;
    }
    return str;
}

int PageSelectCount(const std::vector<ADDRANGE> &aRanges)
{
    int n = 0;
    for (const ADDRANGE &range : aRanges)
        n += range.nLast - range.nFirst + 1;
    return n;
}
