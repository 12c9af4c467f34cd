/*
 * The filter object's contract beyond the reference values: handles,
 * refused input, pass-through cases, steady start and saturation.
 */
#include <limits.h>

#include <vector>

#include <gtest/gtest.h>

#include "eegfilt/eegfilt.h"
#include "fftgrph/fftgrph.h"

namespace {

/* An object with channel 0 at nRate, low-cut nLow and high-cut nHigh. */
DWORD MakeFilter(int nRate, int nLow, int nHigh)
{
    const DWORD h = EfCreate(8);
    EfSetParam(h, EF_PARAM_CHANNELS, 0, 2);
    EfSetParam(h, EF_PARAM_RATE, 0, nRate);
    EfSetParam(h, EF_PARAM_LOWCUT, 0, nLow);
    EfSetParam(h, EF_PARAM_HIGHCUT, 0, nHigh);
    EfDesign(h);
    EfReset(h);
    return h;
}

std::vector<short> Step(short from, short to, int n)
{
    std::vector<short> x(static_cast<size_t>(n), from);
    std::fill(x.begin() + n / 2, x.end(), to);
    return x;
}

TEST(FilterHandles, BadHandlesChannelsAndBuffersWriteNothing)
{
    const DWORD hLive = MakeFilter(500, 50, 3000);
    const DWORD hDead = MakeFilter(500, 50, 3000);
    EfDestroy(hDead);
    const DWORD hFft = FgCreate(10);
    const std::vector<short> in(100, 1000);
    std::vector<short> out(100, 7);
    struct { DWORD h; int mode, ch; const short *pIn; short *pOut; int n; } cases[] = {
        {0, 1, 0, in.data(), out.data(), 100},      {hDead, 1, 0, in.data(), out.data(), 100},
        {hFft, 1, 0, in.data(), out.data(), 100},   {hLive, 1, -1, in.data(), out.data(), 100},
        {hLive, 1, 2, in.data(), out.data(), 100},  {hLive, 1, 8, in.data(), out.data(), 100},
        {hLive, 0, 0, in.data(), out.data(), 100},  {hLive, 1, 0, nullptr, out.data(), 100},
        {hLive, 1, 0, in.data(), nullptr, 100},     {hLive, 1, 0, in.data(), out.data(), 0},
        {hLive, 1, 0, in.data(), out.data(), -100},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(EfLowCut(c.h, c.mode, c.ch, c.pIn, c.pOut, c.n), 0);
        EXPECT_EQ(EfHighCut(c.h, c.mode, c.ch, c.pIn, c.pOut, c.n), 0);
    }
    EXPECT_EQ(std::vector<short>(100, 7), out);
    for (DWORD h : {DWORD(0), hDead, hFft}) {
        EXPECT_EQ(EfSetParam(h, EF_PARAM_RATE, 0, 500), 0);
        EXPECT_EQ(EfDesign(h), 0);
        EXPECT_EQ(EfReset(h), 0);
        EXPECT_EQ(EfDestroy(h), 0u);
    }
    EXPECT_EQ(EfCreate(0), 0u);
    EXPECT_EQ(EfCreate(9), 0u);
    EXPECT_EQ(EfSetParam(hLive, EF_PARAM_CHANNELS, 0, 9), 0);
    EXPECT_EQ(EfSetParam(hLive, EF_PARAM_RATE, 8, 500), 0);
    EXPECT_EQ(EfSetParam(hLive, EF_PARAM_RATE, 0, -1), 0);
    EXPECT_EQ(EfSetParam(hLive, 99, 0, 1), 0);
    EXPECT_EQ(EfLowCut(hLive, 1, 0, in.data(), out.data(), 100), 100);
    FgDestroy(hFft);
    EfDestroy(hLive);
}

TEST(FilterPassThrough, CutOffsOutsideTheBandOrNoDesignLeaveSamplesUnchanged)
{
    const std::vector<short> x = Step(-1200, 3400, 200);
    struct { int rate, low, high; bool design; } cases[] = {
        {500, 0, 0, true},         {500, -50, -3000, true}, {500, 25000, 25000, true},
        {500, 30000, 90000, true}, {0, 50, 3000, true},     {500, 50, 3000, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.rate << " Hz, " << c.low << "/" << c.high);
        const DWORD h = EfCreate(1);
        EfSetParam(h, EF_PARAM_RATE, 0, c.rate);
        EfSetParam(h, EF_PARAM_LOWCUT, 0, c.low);
        EfSetParam(h, EF_PARAM_HIGHCUT, 0, c.high);
        if (c.design)
            EfDesign(h);
        std::vector<short> out(200, 0), inPlace = x;
        ASSERT_EQ(EfLowCut(h, 1, 0, x.data(), out.data(), 200), 200);
        EXPECT_EQ(out, x);
        ASSERT_EQ(EfHighCut(h, 1, 0, inPlace.data(), inPlace.data(), 200), 200);
        EXPECT_EQ(inPlace, x);
        EfDestroy(h);
    }
}

TEST(FilterSteadyStart, ConstantInputNeitherRingsNorCarriesOver)
{
    const DWORD h = MakeFilter(1000, 16, 3000);
    const std::vector<short> flat(500, -20000);
    std::vector<short> low(500), high(500);
    ASSERT_EQ(EfLowCut(h, 1, 0, flat.data(), low.data(), 500), 500);
    ASSERT_EQ(EfHighCut(h, 1, 0, flat.data(), high.data(), 500), 500);
    EXPECT_EQ(low, std::vector<short>(500, 0));
    EXPECT_EQ(high, flat);
    /* No state between calls: the same block gives the same output. */
    const std::vector<short> x = Step(100, 900, 300);
    std::vector<short> a(300), b = x;
    EfHighCut(h, 1, 0, x.data(), a.data(), 300);
    EfHighCut(h, 1, 0, b.data(), b.data(), 300); /* in place, too */
    EXPECT_EQ(a, b);
    EfDestroy(h);
}

TEST(FilterSaturation, FullScaleStepsClipInsteadOfWrapping)
{
    const DWORD h = MakeFilter(500, 50, 3000);
    const std::vector<short> up = Step(-32768, 32767, 400), down = Step(32767, -32768, 400);
    std::vector<short> y(400);
    EfLowCut(h, 1, 0, up.data(), y.data(), 400);
    EXPECT_EQ(y[200], 32767); /* the step's 65535 counts cannot be held */
    EfLowCut(h, 1, 0, down.data(), y.data(), 400);
    EXPECT_EQ(y[200], -32768);
    EfHighCut(h, 1, 0, up.data(), y.data(), 400); /* Butterworth overshoot */
    EXPECT_EQ(*std::max_element(y.begin(), y.end()), 32767);
    EXPECT_EQ(y[0], -32768);
    EfDestroy(h);
}

} // namespace
