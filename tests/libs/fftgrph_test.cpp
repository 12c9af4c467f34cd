/*
 * The FFT object's contract beyond the reference values: handles, refused
 * input, saturation, analytic spectra, ADD spectra and coherence rules.
 */
#include <limits.h>
#include <math.h>

#include <vector>

#include <gtest/gtest.h>

#include "eegfilt/eegfilt.h"
#include "fftgrph/fftgrph.h"

namespace {

const double kPi = 3.14159265358979323846;

/* A sine of amp counts at line k0 of N points (an exact number of periods). */
std::vector<short> Sine(int n, int nPoints, int k0, double amp)
{
    std::vector<short> x(static_cast<size_t>(n));
    for (int i = 0; i < n; i++)
        x[size_t(i)] = short(lrint(amp * sin(2.0 * kPi * k0 * i / nPoints)));
    return x;
}

/* An object whose first nUsed channels are initialised at one size. */
DWORD MakeFft(int nSize, int nRate, int nWindow, int nUsed = 2)
{
    const DWORD h = FgCreate(nSize);
    FgSetParam(h, FG_PARAM_WINDOW, 0, nWindow);
    for (int ch = 0; ch < nUsed; ch++) {
        FgSetChannelSize(h, nUsed, ch, nSize);
        FgInitChannel(h, ch);
        FgSetParam(h, FG_PARAM_RATE, ch, nRate);
    }
    FgCohBegin(h, nUsed);
    return h;
}

/* Every entry point with one handle and channel: all must give 0. */
int SumOfResults(DWORD h, int ch)
{
    std::vector<short> x(1024, 100);
    std::vector<LONG> buf(1024, 7);
    float f = FgGetFreqStep(h, ch) + FgGetBandPower(h, ch, 0, 100) + FgGetMeanFreq(h, ch, 0, 100) +
              FgGetEdgeFreq(h, ch, 0, 100, 80) + FgGetAddMeanFreq(h, ch, 0, 100) +
              FgGetAddEdgeFreq(h, ch, 0, 100, 80) + FgCohGetMean(h, ch, 1, 1) + FgCohGetBand(h, ch, 1, 0, 100);
    int n = FgInputData(h, 2, ch, x.data(), 100) + FgGetSpectrum(h, ch, buf.data()) +
            FgGetMeanSpectrum(h, 1, ch, buf.data()) + FgSetAddSpectrum(h, ch, 1, buf.data()) +
            FgCohCompute(h, 0x101, ch, 1) + FgCohGetSpectrum(h, ch, 1, buf.data());
    for (LONG v : buf)
        n += v == 7 ? 0 : 1; /* nothing may be written */
    return n + (f != 0.0f ? 1 : 0);
}

TEST(FftHandles, NullStaleAndForeignHandlesAndBadChannelsAreRefused)
{
    const DWORD hLive = MakeFft(10, 500, 2);
    const DWORD hDead = MakeFft(10, 500, 2);
    EXPECT_EQ(FgDestroy(hDead), 0u);
    const DWORD hReuse = MakeFft(10, 500, 2); /* may take the freed slot */
    const DWORD hFilter = EfCreate(8);
    for (DWORD h : {DWORD(0), hDead, hFilter, hLive ^ 0x100u, hLive ^ 0x80000000u, DWORD(0xFFFFFFFF)}) {
        SCOPED_TRACE(h);
        EXPECT_EQ(SumOfResults(h, 0), 0);
        EXPECT_EQ(FgSetParam(h, FG_PARAM_RATE, 0, 500), 0);
        EXPECT_EQ(FgSetChannelSize(h, 2, 0, 10), 0);
        EXPECT_EQ(FgInitChannel(h, 0), 0);
        EXPECT_EQ(FgResetData(h), 0);
        EXPECT_EQ(FgCohBegin(h, 2), 0);
        EXPECT_EQ(FgDestroy(h), 0u);
    }
    for (int ch : {-1, 2, 7, 8, 1000, INT_MIN})
        EXPECT_EQ(SumOfResults(hLive, ch), 0) << "channel " << ch;
    EXPECT_NE(hReuse, hDead);
    EXPECT_EQ(FgResetData(hLive), 1); /* untouched by the refused calls */
    EXPECT_EQ(FgResetData(hReuse), 1);
    EfDestroy(hFilter);
    FgDestroy(hLive);
    FgDestroy(hReuse);
}

TEST(FftArguments, SizesCountsModesAndParametersOutOfRangeAreRefused)
{
    EXPECT_EQ(FgCreate(3), 0u);
    EXPECT_EQ(FgCreate(15), 0u);
    const DWORD h = MakeFft(7, 500, 2, 1);
    EXPECT_EQ(FgSetChannelSize(h, 1, 0, 3), 0);
    EXPECT_EQ(FgSetChannelSize(h, 1, 0, 15), 0);
    EXPECT_EQ(FgSetChannelSize(h, 0, 0, 7), 0);
    EXPECT_EQ(FgSetChannelSize(h, 9, 0, 7), 0);
    EXPECT_EQ(FgSetChannelSize(h, 2, 2, 7), 0);
    EXPECT_EQ(FgSetParam(h, FG_PARAM_WINDOW, 0, 4), 0);
    EXPECT_EQ(FgSetParam(h, FG_PARAM_RATE, 0, -1), 0);
    EXPECT_EQ(FgSetParam(h, 99, 0, 1), 0);
    std::vector<short> x(200, 5);
    for (int n : {0, 1, -5, 129, 200})
        EXPECT_EQ(FgInputData(h, 2, 0, x.data(), n), 0) << n;
    EXPECT_EQ(FgInputData(h, 1, 0, x.data(), 100), 0);
    EXPECT_EQ(FgInputData(h, 2, 0, nullptr, 100), 0);
    EXPECT_EQ(FgInputData(h, 2, 0, x.data(), 2), 64);
    EXPECT_EQ(FgInputData(h, 2, 0, x.data(), 128), 64);
    std::vector<LONG> buf(64);
    EXPECT_EQ(FgGetMeanSpectrum(h, 2, 0, buf.data()), 0);
    EXPECT_EQ(FgGetSpectrum(h, 0, nullptr), 0);
    FgDestroy(h);
}

TEST(FftSpectrum, FlatBlocksGiveZeroSpectraAndNeutralParameters)
{
    const DWORD h = MakeFft(8, 250, 2, 2);
    const std::vector<short> zero(250, 0), flat(250, -32768);
    for (const std::vector<short> *px : {&zero, &flat}) {
        FgResetData(h);
        FgCohBegin(h, 2);
        ASSERT_EQ(FgInputData(h, 2, 0, px->data(), 250), 128);
        ASSERT_EQ(FgInputData(h, 2, 1, px->data(), 250), 128);
        std::vector<LONG> p(128, -1);
        ASSERT_EQ(FgGetMeanSpectrum(h, 1, 0, p.data()), 128);
        for (LONG v : p)
            EXPECT_EQ(v, 0);
        EXPECT_EQ(FgGetBandPower(h, 0, 0, 127), 0.0f);
        EXPECT_EQ(FgGetMeanFreq(h, 0, 0, 127), 0.0f);
        EXPECT_EQ(FgGetEdgeFreq(h, 0, 0, 127, 80), 0.0f);
        ASSERT_EQ(FgCohCompute(h, FG_COH_ACCUMULATE, 0, 1), 128);
        EXPECT_EQ(FgCohGetMean(h, 0, 1, 1), 0.0f); /* no power: 0, never NaN */
    }
    FgDestroy(h);
}

TEST(FftSpectrum, LinesBeyondInt32SaturateAndFloatsStayExact)
{
    /* Full-scale square wave as a density at 1 Hz: the first line is about
     * 8.7e12 counts^2/Hz. */
    const DWORD h = MakeFft(14, 1, 0, 1);
    FgSetParam(h, FG_PARAM_DENSITY, 0, 1);
    std::vector<short> x(16384);
    for (size_t i = 0; i < x.size(); i++)
        x[i] = (i / 8) % 2 ? short(-32768) : short(32767);
    ASSERT_EQ(FgInputData(h, 2, 0, x.data(), 16384), 8192);
    std::vector<LONG> p(8192);
    ASSERT_EQ(FgGetSpectrum(h, 0, p.data()), 8192);
    EXPECT_EQ(p[1024], INT32_MAX);
    for (LONG v : p)
        ASSERT_GE(v, 0);
    EXPECT_GT(FgGetBandPower(h, 0, 1024, 1024), 8e12f);
    FgDestroy(h);
}

TEST(FftSpectrum, DensityNeedsARateAndResetForgetsBlocks)
{
    const DWORD h = MakeFft(9, 0, 2, 1);
    FgSetParam(h, FG_PARAM_DENSITY2, 0, 1);
    const std::vector<short> x = Sine(500, 512, 20, 3000.0);
    EXPECT_EQ(FgInputData(h, 2, 0, x.data(), 500), 0);
    EXPECT_EQ(FgGetFreqStep(h, 0), 0.0f);
    FgSetParam(h, FG_PARAM_RATE, 0, 200);
    ASSERT_EQ(FgInputData(h, 2, 0, x.data(), 500), 256);
    std::vector<LONG> p(256);
    EXPECT_EQ(FgGetSpectrum(h, 0, p.data()), 256);
    EXPECT_EQ(FgResetData(h), 1);
    EXPECT_EQ(FgGetSpectrum(h, 0, p.data()), 0);
    EXPECT_EQ(FgGetMeanSpectrum(h, 1, 0, p.data()), 0);
    EXPECT_EQ(FgGetBandPower(h, 0, 0, 255), 0.0f);
    FgDestroy(h);
}

TEST(FftAdd, ParametersOfTheSummedSpectrum)
{
    const DWORD h = MakeFft(7, 128, 2, 1); /* 1 Hz per line */
    std::vector<LONG> sums(64, 0);
    sums[10] = 300;
    sums[20] = 100;
    sums[30] = -5; /* an overflowed sum counts as no power */
    EXPECT_EQ(FgGetAddMeanFreq(h, 0, 0, 63), 0.0f);
    ASSERT_EQ(FgSetAddSpectrum(h, 0, 4, sums.data()), 64);
    EXPECT_FLOAT_EQ(FgGetAddMeanFreq(h, 0, 0, 63), 12.5f);
    EXPECT_FLOAT_EQ(FgGetAddEdgeFreq(h, 0, 0, 63, 75), 10.0f);
    EXPECT_FLOAT_EQ(FgGetAddEdgeFreq(h, 0, 0, 63, 76), 20.0f);
    EXPECT_FLOAT_EQ(FgGetAddEdgeFreq(h, 0, 11, 63, 100), 20.0f);
    EXPECT_FLOAT_EQ(FgGetAddMeanFreq(h, 0, -100, 1000), 12.5f); /* clamped */
    EXPECT_EQ(FgGetAddMeanFreq(h, 0, 40, 30), 0.0f);
    EXPECT_EQ(FgGetAddEdgeFreq(h, 0, 40, 63, 80), 0.0f); /* no power there */
    EXPECT_EQ(FgSetAddSpectrum(h, 0, 0, sums.data()), 0);
    EXPECT_EQ(FgGetAddMeanFreq(h, 0, 0, 63), 0.0f); /* a refused set clears it */
    FgDestroy(h);
}

TEST(FftCoherence, IdenticalChannelsAreFullyCoherentInBothModes)
{
    const DWORD h = MakeFft(10, 500, 2, 3);
    std::vector<short> x = Sine(3000, 1024, 40, 2000.0);
    for (size_t i = 0; i < x.size(); i++)
        x[i] = short(x[i] + int((i * 7919) % 601) - 300);
    for (int pos = 0; pos < 3000; pos += 1000) {
        FgInputData(h, 2, 0, &x[size_t(pos)], 1000);
        FgInputData(h, 2, 1, &x[size_t(pos)], 1000);
        ASSERT_EQ(FgCohCompute(h, FG_COH_ACCUMULATE, 1, 0), 512); /* either order */
    }
    EXPECT_NEAR(FgCohGetMean(h, 0, 1, 1), 1.0, 1e-6);
    EXPECT_NEAR(FgCohGetBand(h, 1, 0, 30, 50), 1.0, 1e-6);
    ASSERT_EQ(FgCohCompute(h, FG_COH_SQUARED, 0, 1), 512);
    std::vector<LONG> c(512);
    ASSERT_EQ(FgCohGetSpectrum(h, 0, 1, c.data()), 512);
    for (int k = 1; k < 512; k++)
        ASSERT_EQ(c[size_t(k)], 10000) << k;
    FgDestroy(h);
}

TEST(FftCoherence, PairsThatCannotBeComputedGiveZero)
{
    const DWORD h = FgCreate(10);
    for (int ch = 0; ch < 4; ch++)
        FgSetChannelSize(h, 4, ch, ch == 3 ? 9 : 10);
    for (int ch = 0; ch < 4; ch++) {
        FgInitChannel(h, ch);
        FgSetParam(h, FG_PARAM_RATE, ch, 500);
    }
    const std::vector<short> x = Sine(1000, 1024, 40, 2000.0);
    EXPECT_EQ(FgCohBegin(h, 0), 0);
    EXPECT_EQ(FgCohBegin(h, 9), 0);
    ASSERT_EQ(FgCohBegin(h, 3), 1);
    FgInputData(h, 2, 0, x.data(), 1000);
    EXPECT_EQ(FgCohCompute(h, FG_COH_ACCUMULATE, 0, 1), 0); /* channel 1 has no block */
    FgInputData(h, 2, 1, x.data(), 1000);
    FgInputData(h, 2, 2, x.data(), 900);
    FgInputData(h, 2, 3, x.data(), 500);
    EXPECT_EQ(FgCohCompute(h, 0, 0, 0), 0);          /* same channel */
    EXPECT_EQ(FgCohCompute(h, 0, 0, 3), 0);          /* beyond the FgCohBegin count */
    FgCohBegin(h, 4);
    EXPECT_EQ(FgCohCompute(h, 0, 0, 3), 0);          /* different sizes */
    EXPECT_EQ(FgCohCompute(h, 0, 0, 2), 0);          /* blocks of different lengths */
    EXPECT_EQ(FgCohGetMean(h, 0, 2, 1), 0.0f);
    ASSERT_EQ(FgCohCompute(h, FG_COH_ACCUMULATE, 0, 1), 512);
    EXPECT_EQ(FgCohCompute(h, FG_COH_ACCUMULATE, 0, 1), 0); /* the same blocks again */
    EXPECT_EQ(FgCohGetMean(h, 0, 1, 2), 0.0f);              /* unknown mode */
    std::vector<short> tiny(7, 1);
    FgInputData(h, 2, 0, tiny.data(), 7);
    FgInputData(h, 2, 1, tiny.data(), 7);
    EXPECT_EQ(FgCohCompute(h, 0, 0, 1), 0); /* sub-segments of one sample */
    FgDestroy(h);
}

TEST(FftCoherence, ResetAndBeginClearThePairs)
{
    const DWORD h = MakeFft(10, 500, 2, 2);
    const std::vector<short> x = Sine(1000, 1024, 40, 2000.0);
    FgInputData(h, 2, 0, x.data(), 1000);
    FgInputData(h, 2, 1, x.data(), 1000);
    ASSERT_EQ(FgCohCompute(h, 0, 0, 1), 512);
    EXPECT_GT(FgCohGetMean(h, 0, 1, 1), 0.0f);
    FgCohBegin(h, 2);
    EXPECT_EQ(FgCohGetMean(h, 0, 1, 1), 0.0f);
    ASSERT_EQ(FgCohCompute(h, 0, 0, 1), 512);
    FgResetData(h);
    EXPECT_EQ(FgCohGetMean(h, 0, 1, 1), 0.0f);
    EXPECT_EQ(FgCohCompute(h, 0, 0, 1), 0);
    FgDestroy(h);
}

} // namespace
