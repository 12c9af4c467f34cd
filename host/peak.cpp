// The peak frequency: the strongest line in a range, refined by a parabola.
#include "peak.h"

#include <math.h>

double PeakFrequency(const std::vector<double> &adFreq, const std::vector<double> &adPower, double dMinHz,
                     double dMaxHz)
{
    size_t nFirst = adFreq.size(), nLast = 0, nBest = adFreq.size();
    for (size_t i = 0; i < adFreq.size() && i < adPower.size(); i++) {
        if (adFreq[i] < dMinHz || adFreq[i] > dMaxHz)
            continue;
        nFirst = i < nFirst ? i : nFirst;
        nLast = i;
        if (adPower[i] > 0.0 && (nBest == adFreq.size() || adPower[i] > adPower[nBest]))
            nBest = i;
    }
    // A maximum on an end of the range may belong to a peak outside it.
    if (nBest == adFreq.size() || nBest == nFirst || nBest == nLast)
        return NAN;
    double a = adPower[nBest - 1], b = adPower[nBest], c = adPower[nBest + 1];
    if (!(a > 0.0) || !(c > 0.0))
        return adFreq[nBest];
    a = log(a);
    b = log(b);
    c = log(c);
    // The vertex of the parabola through (-1, a), (0, b), (1, c); b is the
    // highest, so the denominator is negative and the offset within +-0.5.
    double dOffset = 0.5 * (a - c) / (a - 2.0 * b + c);
    if (!isfinite(dOffset))
        return adFreq[nBest];
    return adFreq[nBest] + dOffset * (adFreq[nBest + 1] - adFreq[nBest]);
}
