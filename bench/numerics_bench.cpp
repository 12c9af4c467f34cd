/*
 * numerics_bench - speed of the FFT object and the filter object.
 *
 * The recording is 8 channels at 500 Hz: a shared alpha rhythm, a channel
 * rhythm and noise, made here, or read from the raw little-endian int16 file
 * (channel after channel) that QF_BENCH_DATA names, so that
 * bench/compare_scipy.py can time scipy on the very same samples.
 */
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <vector>

#include <benchmark/benchmark.h>

#include "eegfilt/eegfilt.h"
#include "fftgrph/fftgrph.h"

namespace {

const int kChannels = 8;
const int kRate = 500;
const int kHour = 3600 * kRate;

/* The hour-long recording, channel after channel. */
const std::vector<short> &Recording()
{
    static std::vector<short> s_data;
    if (!s_data.empty())
        return s_data;
    s_data.resize(size_t(kChannels) * kHour);
    const char *pszFile = getenv("QF_BENCH_DATA");
    FILE *f = pszFile != nullptr ? fopen(pszFile, "rb") : nullptr;
    if (f != nullptr) {
        const size_t n = fread(s_data.data(), sizeof(short), s_data.size(), f);
        fclose(f);
        if (n == s_data.size())
            return s_data;
        fprintf(stderr, "%s: short file, using made-up data\n", pszFile);
    }
    uint32_t s = 12345;
    for (int ch = 0; ch < kChannels; ch++) {
        for (int i = 0; i < kHour; i++) {
            s = s * 1664525u + 1013904223u;
            const double t = double(i) / kRate;
            const double v = 2000.0 * sin(2 * M_PI * 10.0 * t) + 800.0 * sin(2 * M_PI * (4.0 + ch) * t) +
                             double(int(s >> 22) - 512) * 2.0;
            s_data[size_t(ch) * kHour + size_t(i)] = short(lrint(v));
        }
    }
    return s_data;
}

const short *Channel(const std::vector<short> &data, int ch)
{
    return data.data() + size_t(ch) * kHour;
}

/* An FFT object for all 8 channels at one size, Hann window. */
DWORD MakeFft(int nSize)
{
    const DWORD h = FgCreate(nSize);
    FgSetParam(h, FG_PARAM_WINDOW, 0, 2);
    FgSetParam(h, FG_PARAM_COHERENCE, 0, 1);
    for (int ch = 0; ch < kChannels; ch++) {
        FgSetChannelSize(h, kChannels, ch, nSize);
        FgInitChannel(h, ch);
        FgSetParam(h, FG_PARAM_RATE, ch, kRate);
    }
    FgResetData(h);
    return h;
}

DWORD MakeFilter()
{
    const DWORD h = EfCreate(kChannels);
    for (int ch = 0; ch < kChannels; ch++) {
        EfSetParam(h, EF_PARAM_RATE, ch, kRate);
        EfSetParam(h, EF_PARAM_LOWCUT, ch, 50);
        EfSetParam(h, EF_PARAM_HIGHCUT, ch, 3000);
    }
    EfDesign(h);
    EfReset(h);
    return h;
}

/* Feeds nSamples of every channel from offset 0 in blocks of nBlock, with
 * the 28 pairs' coherence accumulated after each block when bCoherence. */
void FeedAll(DWORD h, const std::vector<const short *> &channels, int nSamples, int nBlock, bool bCoherence)
{
    if (bCoherence)
        FgCohBegin(h, kChannels);
    for (int pos = 0; pos + nBlock <= nSamples; pos += nBlock) {
        for (int ch = 0; ch < kChannels; ch++)
            FgInputData(h, 2, ch, channels[size_t(ch)] + pos, nBlock);
        if (!bCoherence)
            continue;
        for (int a = 0; a < kChannels; a++)
            for (int b = a + 1; b < kChannels; b++)
                FgCohCompute(h, FG_COH_ACCUMULATE | FG_COH_SQUARED, a, b);
    }
}

/* Reads what the plug-in reads after a page: spectra, parameters, coherence. */
float ReadResults(DWORD h, std::vector<LONG> &spectrum, bool bCoherence)
{
    float sum = 0.0f;
    for (int ch = 0; ch < kChannels; ch++) {
        FgGetMeanSpectrum(h, 1, ch, spectrum.data());
        sum += FgGetMeanFreq(h, ch, 0, 61) + FgGetEdgeFreq(h, ch, 2, 61, 80) + FgGetBandPower(h, ch, 0, 61);
    }
    if (bCoherence)
        for (int a = 0; a < kChannels; a++)
            for (int b = a + 1; b < kChannels; b++)
                sum += FgCohGetMean(h, a, b, 1) + FgCohGetBand(h, a, b, 16, 26);
    return sum;
}

/* One block of the size table (N points, N * 125 / 128 samples). */
void BM_InputData(benchmark::State &state)
{
    const int nSize = int(state.range(0)), nBlock = (1 << nSize) / 128 * 125;
    const DWORD h = MakeFft(nSize);
    const short *p = Channel(Recording(), 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(FgInputData(h, 2, 0, p, nBlock));
    FgDestroy(h);
}
BENCHMARK(BM_InputData)->Arg(7)->Arg(10)->Arg(12)->Arg(14);

/* A 10-second page of 8 channels at 1024 points: both filters, 5 blocks,
 * 28 coherence pairs and every result read back. */
void BM_Page10s(benchmark::State &state)
{
    const int nPage = 10 * kRate;
    const DWORD hFft = MakeFft(10), hFilter = MakeFilter();
    std::vector<short> page(size_t(kChannels) * nPage);
    std::vector<const short *> channels;
    for (int ch = 0; ch < kChannels; ch++)
        channels.push_back(page.data() + size_t(ch) * nPage);
    std::vector<LONG> spectrum(512);
    for (auto _ : state) {
        for (int ch = 0; ch < kChannels; ch++) {
            short *p = page.data() + size_t(ch) * nPage;
            EfLowCut(hFilter, 1, ch, Channel(Recording(), ch), p, nPage);
            EfHighCut(hFilter, 1, ch, p, p, nPage);
        }
        FgResetData(hFft);
        FeedAll(hFft, channels, nPage, 1000, true);
        benchmark::DoNotOptimize(ReadResults(hFft, spectrum, true));
    }
    FgDestroy(hFft);
    EfDestroy(hFilter);
}
BENCHMARK(BM_Page10s)->Unit(benchmark::kMicrosecond);

/* The hour: 8 channels, 1000-sample blocks in 1024 points, Hann. */
void HourSpectra(benchmark::State &state, bool bCoherence)
{
    const DWORD h = MakeFft(10);
    std::vector<const short *> channels;
    for (int ch = 0; ch < kChannels; ch++)
        channels.push_back(Channel(Recording(), ch));
    std::vector<LONG> spectrum(512);
    for (auto _ : state) {
        FgResetData(h);
        FeedAll(h, channels, kHour, 1000, bCoherence);
        benchmark::DoNotOptimize(ReadResults(h, spectrum, bCoherence));
    }
    FgDestroy(h);
}

void BM_HourWelch(benchmark::State &state)
{
    HourSpectra(state, false);
}
BENCHMARK(BM_HourWelch)->Unit(benchmark::kMillisecond);

void BM_HourWelchCoherence(benchmark::State &state)
{
    HourSpectra(state, true);
}
BENCHMARK(BM_HourWelchCoherence)->Unit(benchmark::kMillisecond);

/* The hour through the low-cut and the high-cut of every channel. */
void BM_HourBiquads(benchmark::State &state)
{
    const DWORD h = MakeFilter();
    std::vector<short> out(static_cast<size_t>(kHour));
    for (auto _ : state) {
        for (int ch = 0; ch < kChannels; ch++) {
            EfLowCut(h, 1, ch, Channel(Recording(), ch), out.data(), kHour);
            EfHighCut(h, 1, ch, out.data(), out.data(), kHour);
        }
        benchmark::DoNotOptimize(out.data());
    }
    EfDestroy(h);
}
BENCHMARK(BM_HourBiquads)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
