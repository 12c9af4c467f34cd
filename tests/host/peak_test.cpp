// The peak frequency of an averaged spectrum.
#include <gtest/gtest.h>

#include <math.h>

#include "peak.h"

TEST(Peak, ParabolaThroughLogPowersAndRangeEnds)
{
    // Lines 1 Hz apart; the logarithms of lines 1..3 are 1, 3, 2, whose
    // parabola has its vertex at 2 + 0.5 * (1 - 2) / (1 - 6 + 2) = 2 + 1/6.
    const std::vector<double> adFreq = {0.0, 1.0, 2.0, 3.0, 4.0};
    const std::vector<double> adPower = {1.0, exp(1.0), exp(3.0), exp(2.0), 1.0};
    static const struct {
        double dMin, dMax;
        double dPeak;   // NaN: no peak
    } aCase[] = {
        {0.0, 4.0, 2.0 + 1.0 / 6.0},
        {1.0, 3.0, 2.0 + 1.0 / 6.0},   // the ends are inclusive
        {2.0, 4.0, NAN},               // the highest line is the range's first
        {0.0, 2.0, NAN},               // ... or its last
        {1.5, 2.5, NAN},               // one line only
    };
    for (const auto &c : aCase) {
        double d = PeakFrequency(adFreq, adPower, c.dMin, c.dMax);
        if (isnan(c.dPeak))
            EXPECT_TRUE(isnan(d)) << c.dMin << ".." << c.dMax << ": " << d;
        else
            EXPECT_NEAR(c.dPeak, d, 1e-12) << c.dMin << ".." << c.dMax;
    }
}

TEST(Peak, SilentOrBlankLinesGiveNoVertex)
{
    const std::vector<double> adFreq = {0.0, 0.5, 1.0, 1.5};
    // A neighbour without power (or without value) keeps the line's own frequency.
    EXPECT_DOUBLE_EQ(0.5, PeakFrequency(adFreq, {1.0, 4.0, 0.0, 1.0}, 0.0, 1.5));
    EXPECT_DOUBLE_EQ(1.0, PeakFrequency(adFreq, {1.0, NAN, 4.0, 2.0}, 0.0, 1.5));
    EXPECT_TRUE(isnan(PeakFrequency(adFreq, {0.0, 0.0, 0.0, 0.0}, 0.0, 1.5)));
    EXPECT_TRUE(isnan(PeakFrequency(adFreq, {}, 0.0, 1.5)));
}
