/*
 * fftparam.cpp - spectral parameters: band power, mean and edge frequency of
 * the mean spectrum and of the ADD spectrum.
 */
#include "fftwork.h"

/* Lines of one spectrum with the width of a line, for the parameters. */
struct LINESPAN {
    const double *pdLine;
    int nLines;
    double dStep; /* Hz per line */
};

static double SpanPower(const LINESPAN &s, int nFirst, int nLast)
{
    double dSum = 0.0;
    for (int k = nFirst; k <= nLast; k++)
        dSum += s.pdLine[k];
    return dSum;
}

static float SpanMeanFreq(const LINESPAN &s, int nFirst, int nLast)
{
    if (!FftClampLines(s.nLines, &nFirst, &nLast))
        return 0.0f;
    double dPower = 0.0, dMoment = 0.0;
    for (int k = nFirst; k <= nLast; k++) {
        dPower += s.pdLine[k];
        dMoment += k * s.pdLine[k];
    }
    if (!(dPower > 0.0))
        return 0.0f;
    return float(dMoment / dPower * s.dStep);
}

static float SpanEdgeFreq(const LINESPAN &s, int nFirst, int nLast, int nPercent)
{
    if (!FftClampLines(s.nLines, &nFirst, &nLast))
        return 0.0f;
    const double dTotal = SpanPower(s, nFirst, nLast);
    if (!(dTotal > 0.0))
        return 0.0f;
    /* Percentages outside 0..100 are clamped: above 100 no line would ever be
     * reached. At 100 the running sum meets the total exactly at the last
     * line, because it adds the same lines in the same order. */
    const int nPct = nPercent < 0 ? 0 : nPercent > 100 ? 100 : nPercent;
    const double dTarget = dTotal * (nPct / 100.0);
    double dSum = 0.0;
    int k = nFirst;
    for (; k < nLast; k++) {
        dSum += s.pdLine[k];
        if (dSum >= dTarget)
            break;
    }
    return float(k * s.dStep);
}

/* The mean spectrum of channel nCh as a LINESPAN (mean = sum / blocks; the
 * parameters are ratios or sums, so only the band power needs the division). */
static bool MeanSpan(DWORD hFFT, int nCh, LINESPAN *ps)
{
    FFTCHANNEL *pc = FftChannel(FftFind(hFFT), nCh);
    if (pc == nullptr || pc->ulBlocks == 0)
        return false;
    ps->pdLine = pc->adSum.data();
    ps->nLines = pc->nPoints / 2;
    ps->dStep = double(pc->nRate) / pc->nPoints;
    return true;
}

static bool AddSpan(DWORD hFFT, int nCh, LINESPAN *ps)
{
    FFTCHANNEL *pc = FftChannel(FftFind(hFFT), nCh);
    if (pc == nullptr || pc->adAdd.empty())
        return false;
    ps->pdLine = pc->adAdd.data();
    ps->nLines = pc->nPoints / 2;
    ps->dStep = double(pc->nRate) / pc->nPoints;
    return true;
}

float WINAPI FgGetBandPower(DWORD hFFT, int nCh, int nFirst, int nLast)
{
    LINESPAN s;
    if (!MeanSpan(hFFT, nCh, &s) || !FftClampLines(s.nLines, &nFirst, &nLast))
        return 0.0f;
    const FFTCHANNEL *pc = FftChannel(FftFind(hFFT), nCh);
    return float(SpanPower(s, nFirst, nLast) / double(pc->ulBlocks));
}

float WINAPI FgGetMeanFreq(DWORD hFFT, int nCh, int nFirst, int nLast)
{
    LINESPAN s;
    return MeanSpan(hFFT, nCh, &s) ? SpanMeanFreq(s, nFirst, nLast) : 0.0f;
}

float WINAPI FgGetEdgeFreq(DWORD hFFT, int nCh, int nFirst, int nLast, int nPercent)
{
    LINESPAN s;
    return MeanSpan(hFFT, nCh, &s) ? SpanEdgeFreq(s, nFirst, nLast, nPercent) : 0.0f;
}

int WINAPI FgSetAddSpectrum(DWORD hFFT, int nCh, int nCount, const LONG *pSums)
{
    FFTCHANNEL *pc = FftChannel(FftFind(hFFT), nCh);
    if (pc == nullptr)
        return 0;
    pc->adAdd.clear();
    if (nCount <= 0 || pSums == nullptr)
        return 0;
    const int nLines = pc->nPoints / 2;
    try {
        pc->adAdd.resize(size_t(nLines));
    } catch (const std::bad_alloc &) {
        return 0;
    }
    for (int k = 0; k < nLines; k++)
        pc->adAdd[size_t(k)] = pSums[k] > 0 ? double(pSums[k]) / nCount : 0.0;
    return nLines;
}

float WINAPI FgGetAddMeanFreq(DWORD hFFT, int nCh, int nFirst, int nLast)
{
    LINESPAN s;
    return AddSpan(hFFT, nCh, &s) ? SpanMeanFreq(s, nFirst, nLast) : 0.0f;
}

float WINAPI FgGetAddEdgeFreq(DWORD hFFT, int nCh, int nFirst, int nLast, int nPercent)
{
    LINESPAN s;
    return AddSpan(hFFT, nCh, &s) ? SpanEdgeFreq(s, nFirst, nLast, nPercent) : 0.0f;
}
