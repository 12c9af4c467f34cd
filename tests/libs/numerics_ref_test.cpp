/*
 * The FFT object and the filter object against reference values computed
 * with scipy in float64 (tests/tools/make_numerics_ref.py).
 */
#include <math.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "eegfilt/eegfilt.h"
#include "fftgrph/fftgrph.h"
#include "refdata.h"

namespace {

/* Lines first.. of got against ref: |got - ref| <= rel * |ref| + floor. */
::testing::AssertionResult LinesClose(const std::vector<double> &got, const std::vector<double> &ref,
                                      double rel, double floor, size_t first = 0)
{
    if (got.size() != ref.size())
        return ::testing::AssertionFailure() << got.size() << " lines, expected " << ref.size();
    size_t bad = 0, worst = first;
    double worstExcess = 0.0;
    for (size_t k = first; k < ref.size(); k++) {
        const double excess = fabs(got[k] - ref[k]) - (rel * fabs(ref[k]) + floor);
        if (excess > 0.0) {
            bad++;
            if (excess > worstExcess) {
                worstExcess = excess;
                worst = k;
            }
        }
    }
    if (bad == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << bad << " lines out of tolerance; worst line " << worst << ": "
                                         << got[worst] << " vs " << ref[worst];
}

std::string CaseName(const ::testing::TestParamInfo<RefCase> &info)
{
    return info.param.name;
}

/* An FFT object with channels 0 and 1 at one size and rate. */
class FftObject {
public:
    FftObject(int nSize, int nRate, int nWindow, int nDensity) : h(FgCreate(nSize))
    {
        FgSetParam(h, FG_PARAM_WINDOW, 0, nWindow);
        FgSetParam(h, FG_PARAM_DENSITY, 0, nDensity);
        FgSetParam(h, FG_PARAM_DENSITY2, 0, nDensity);
        for (int ch = 0; ch < 2; ch++) {
            FgSetChannelSize(h, 2, ch, nSize);
            FgInitChannel(h, ch);
            FgSetParam(h, FG_PARAM_RATE, ch, nRate);
        }
        FgResetData(h);
    }
    ~FftObject() { FgDestroy(h); }
    /* Feeds x to channel ch in blocks of nBlock (the last may be shorter). */
    void Feed(int ch, const std::vector<short> &x, int nBlock, int nMinLast = 2) const
    {
        for (size_t pos = 0; pos < x.size(); pos += size_t(nBlock)) {
            const int n = int(std::min(x.size() - pos, size_t(nBlock)));
            if (n >= nMinLast)
                FgInputData(h, 2, ch, &x[pos], n);
        }
    }
    DWORD h;
};

class SpectrumRef : public ::testing::TestWithParam<RefCase> {};

TEST_P(SpectrumRef, MatchesWelchAndParameterFormulas)
{
    const RefCase &rc = GetParam();
    std::vector<short> x;
    std::string why;
    if (!CaseSamples(rc, "", &x, &why))
        GTEST_SKIP() << why;
    const int nSize = rc.Int("size"), nLines = 1 << (nSize - 1);
    const std::vector<double> &mean = rc.data.at("mean");
    const std::vector<double> &last = rc.data.at("last");
    FftObject fft(nSize, rc.Int("sig") ? int(rc.Numbers("sig")[1]) : 500, rc.Int("window"), rc.Int("density"));
    fft.Feed(0, x, rc.Int("block"));

    /* Float lines of the mean spectrum, read one line at a time. */
    std::vector<double> got(static_cast<size_t>(nLines));
    for (int k = 0; k < nLines; k++)
        got[size_t(k)] = FgGetBandPower(fft.h, 0, k, k);
    const double floor = 1e-7 * *std::max_element(mean.begin(), mean.end());
    EXPECT_TRUE(LinesClose(got, mean, 1e-5, floor)) << "mean spectrum";

    /* Integer spectra: rounded to nearest, so within a count of the reference. */
    std::vector<LONG> aLast(static_cast<size_t>(nLines)), aMean(static_cast<size_t>(nLines));
    ASSERT_EQ(FgGetSpectrum(fft.h, 0, aLast.data()), nLines);
    ASSERT_EQ(FgGetMeanSpectrum(fft.h, 1, 0, aMean.data()), nLines);
    EXPECT_TRUE(LinesClose(std::vector<double>(aLast.begin(), aLast.end()), last, 1e-5, 0.5 + floor)) << "last";
    EXPECT_TRUE(LinesClose(std::vector<double>(aMean.begin(), aMean.end()), mean, 1e-5, 0.5 + floor)) << "mean";

    const std::vector<double> ranges = rc.Numbers("ranges");
    const double step = FgGetFreqStep(fft.h, 0);
    for (size_t r = 0; r < ranges.size() / 3; r++) {
        const int first = int(ranges[3 * r]), lastLine = int(ranges[3 * r + 1]), pct = int(ranges[3 * r + 2]);
        SCOPED_TRACE(::testing::Message() << "lines " << first << ".." << lastLine << " at " << pct << " %");
        const double band = rc.data.at("band")[r];
        EXPECT_NEAR(FgGetBandPower(fft.h, 0, first, lastLine), band, 1e-5 * band + floor);
        EXPECT_NEAR(FgGetMeanFreq(fft.h, 0, first, lastLine), rc.data.at("meanfreq")[r], 1e-5 * step);
        EXPECT_NEAR(FgGetEdgeFreq(fft.h, 0, first, lastLine, pct), rc.data.at("edge")[r], 1e-4 * step);
    }
}

INSTANTIATE_TEST_SUITE_P(Numerics, SpectrumRef, ::testing::ValuesIn(LoadRefCases("spectrum")), CaseName);

/* Coherence lines read back as floats against the float64 reference.
 * A single-precision transform rounds every line with an absolute error of
 * about eps * (the block's whole energy), so a line's relative error grows
 * as sqrt(peak power / line power). The bound per line is 1e-6 plus that
 * rounding model (eps = 2^-24, times a growth factor of 4; the errors seen
 * stay below 0.3 eps * sqrt(peak / line)): strong lines are held to about
 * 1.5e-6, the weak lines of a recording filtered at the source get the room
 * a float transform needs. */
void ExpectCoherence(DWORD h, const RefCase &rc, int nLines)
{
    const double kEps = 5.96e-8, kGrowth = 4.0;
    const std::vector<double> &ref = rc.data.at("coh");
    std::vector<double> power[2];
    double peak[2];
    for (int ch = 0; ch < 2; ch++) {
        for (int k = 0; k < nLines; k++)
            power[ch].push_back(FgGetBandPower(h, ch, k, k));
        peak[ch] = *std::max_element(power[ch].begin(), power[ch].end());
    }
    size_t bad = 0;
    int worst = 0;
    double worstExcess = 0.0;
    double sumGot = 0.0, sumRef = 0.0, sumTol = 0.0;
    /* Line 0 holds no power after mean removal (0/0 in the reference). */
    for (int k = 1; k < nLines; k++) {
        const size_t i = size_t(k);
        const double ratio = sqrt(peak[0] / std::max(power[0][i], 1e-300)) +
                             sqrt(peak[1] / std::max(power[1][i], 1e-300));
        const double tol = 1e-6 + kGrowth * kEps * ratio;
        const double got = FgCohGetBand(h, 0, 1, k, k);
        const double excess = fabs(got - ref[i]) - tol;
        if (excess > 0.0 && excess > worstExcess) {
            worstExcess = excess;
            worst = k;
        }
        bad += excess > 0.0;
        sumGot += got;
        sumRef += ref[i];
        sumTol += tol;
    }
    EXPECT_EQ(bad, 0u) << "worst line " << worst << ": " << FgCohGetBand(h, 0, 1, worst, worst) << " vs "
                       << ref[size_t(worst)];
    EXPECT_NEAR(FgCohGetMean(h, 0, 1, 1), sumRef / (nLines - 1), 1e-6 + sumTol / (nLines - 1));
    EXPECT_NEAR(FgCohGetMean(h, 0, 1, 1), sumGot / (nLines - 1), 1e-6) << "mean of the lines";
}

class PageCoherenceRef : public ::testing::TestWithParam<RefCase> {};

TEST_P(PageCoherenceRef, MatchesScipyCoherenceOverBlocks)
{
    const RefCase &rc = GetParam();
    std::vector<short> a, b;
    std::string why;
    if (!CaseSamples(rc, "a", &a, &why) || !CaseSamples(rc, "b", &b, &why))
        GTEST_SKIP() << why;
    const int nSize = rc.Int("size"), nLines = 1 << (nSize - 1), nBlock = rc.Int("block");
    const int nFlags = FG_COH_ACCUMULATE | (rc.Int("squared") ? FG_COH_SQUARED : 0);
    FftObject fft(nSize, 500, rc.Int("window"), 0);
    ASSERT_EQ(FgCohBegin(fft.h, 2), 1);
    for (size_t pos = 0; pos + size_t(nBlock) <= a.size(); pos += size_t(nBlock)) {
        FgInputData(fft.h, 2, 0, &a[pos], nBlock);
        FgInputData(fft.h, 2, 1, &b[pos], nBlock);
        ASSERT_EQ(FgCohCompute(fft.h, nFlags, 0, 1), nLines);
    }
    ExpectCoherence(fft.h, rc, nLines);
}

INSTANTIATE_TEST_SUITE_P(Numerics, PageCoherenceRef, ::testing::ValuesIn(LoadRefCases("pagecoh")), CaseName);

class SectionCoherenceRef : public ::testing::TestWithParam<RefCase> {};

TEST_P(SectionCoherenceRef, MatchesHannSubSegments)
{
    const RefCase &rc = GetParam();
    std::vector<short> a = MakeSignal(rc.Numbers("siga")), b = MakeSignal(rc.Numbers("sigb"));
    const int nSize = rc.Int("size"), nLines = 1 << (nSize - 1), nBlock = rc.Int("block");
    FftObject fft(nSize, 500, 1, 0); /* the block's own window plays no part */
    ASSERT_EQ(FgCohBegin(fft.h, 2), 1);
    FgInputData(fft.h, 2, 0, a.data(), nBlock);
    FgInputData(fft.h, 2, 1, b.data(), nBlock);
    ASSERT_EQ(FgCohCompute(fft.h, rc.Int("squared") ? FG_COH_SQUARED : 0, 0, 1), nLines);
    ExpectCoherence(fft.h, rc, nLines);
}

INSTANTIATE_TEST_SUITE_P(Numerics, SectionCoherenceRef, ::testing::ValuesIn(LoadRefCases("sectcoh")), CaseName);

class FilterRef : public ::testing::TestWithParam<RefCase> {};

TEST_P(FilterRef, EqualsSosfiltSampleForSample)
{
    const RefCase &rc = GetParam();
    std::vector<short> x;
    std::string why;
    if (!CaseSamples(rc, "", &x, &why))
        GTEST_SKIP() << why;
    const bool bLowCut = rc.Int("highpass") != 0;
    const DWORD h = EfCreate(8);
    EfSetParam(h, EF_PARAM_CHANNELS, 0, 8);
    EfSetParam(h, EF_PARAM_RATE, 3, rc.Int("rate"));
    EfSetParam(h, bLowCut ? EF_PARAM_LOWCUT : EF_PARAM_HIGHCUT, 3, rc.Int("cut"));
    EfDesign(h);
    EfReset(h);
    const int n = int(x.size());
    const int written = bLowCut ? EfLowCut(h, 1, 3, x.data(), x.data(), n) : EfHighCut(h, 1, 3, x.data(), x.data(), n);
    EfDestroy(h);
    ASSERT_EQ(written, n);
    EXPECT_TRUE(LinesClose(std::vector<double>(x.begin(), x.end()), rc.data.at("out"), 0.0, 0.0));
}

INSTANTIATE_TEST_SUITE_P(Numerics, FilterRef, ::testing::ValuesIn(LoadRefCases("filter")), CaseName);

} // namespace
