/*
 * fftcoh.cpp - coherence between channel pairs.
 *
 * Each pair keeps the cross-spectrum S_ab and the auto-spectra S_aa, S_bb
 * summed over segments, in double precision. The transforms are those the
 * channels already made: the block spectrum of FgInputData for page
 * coherence, and sub-segment spectra made once per block and channel for
 * section coherence, so a channel is never transformed again per pair.
 * The coherence lines are derived from the sums only when they are read.
 */
#include <math.h>

#include <algorithm>
#include <new>

#include "fftwork.h"

/* The record of the unordered pair a != b, both in 0..7. */
static COHPAIR *PairOf(FFTWORK *pw, int a, int b)
{
    const int lo = std::min(a, b), hi = std::max(a, b);
    return &pw->aPair[lo * (2 * FG_MAXCHANNELS - lo - 1) / 2 + (hi - lo - 1)];
}

void FftCohClear(FFTWORK *pw)
{
    for (COHPAIR &pair : pw->aPair) {
        pair.nLines = 0;
        pair.ulBlockA = pair.ulBlockB = 0;
        pair.bStale = false;
    }
}

/* Zeroes the sums of a pair for nLines lines. */
static void StartSums(COHPAIR *pp, int nLines)
{
    pp->adCrossRe.assign(size_t(nLines), 0.0);
    pp->adCrossIm.assign(size_t(nLines), 0.0);
    pp->adAutoA.assign(size_t(nLines), 0.0);
    pp->adAutoB.assign(size_t(nLines), 0.0);
    pp->afCoh.assign(size_t(nLines), 0.0f);
}

/* Adds the current block of each channel to the pair's sums. The lines are
 * kept as separate arrays of doubles so that this loop, run for every pair
 * and block of a page, vectorises. */
static void AddBlock(COHPAIR *pp, const FFTCHANNEL *pa, const FFTCHANNEL *pb, int nLines)
{
    const double *__restrict pdReA = pa->adRe.data(), *__restrict pdImA = pa->adIm.data();
    const double *__restrict pdReB = pb->adRe.data(), *__restrict pdImB = pb->adIm.data();
    const double *__restrict pdPowA = pa->adPow.data(), *__restrict pdPowB = pb->adPow.data();
    double *__restrict pdCrossRe = pp->adCrossRe.data(), *__restrict pdCrossIm = pp->adCrossIm.data();
    double *__restrict pdAutoA = pp->adAutoA.data(), *__restrict pdAutoB = pp->adAutoB.data();
    for (int k = 0; k < nLines; k++) {
        pdCrossRe[k] += pdReA[k] * pdReB[k] + pdImA[k] * pdImB[k];
        pdCrossIm[k] += pdImA[k] * pdReB[k] - pdReA[k] * pdImB[k];
        pdAutoA[k] += pdPowA[k];
        pdAutoB[k] += pdPowB[k];
    }
}

/* Adds one sub-segment of each channel to the pair's sums. */
static void AddSegment(COHPAIR *pp, const kiss_fft_cpx *pA, const kiss_fft_cpx *pB, int nLines)
{
    for (int k = 0; k < nLines; k++) {
        const double ar = pA[k].r, ai = pA[k].i, br = pB[k].r, bi = pB[k].i;
        pp->adCrossRe[size_t(k)] += ar * br + ai * bi;
        pp->adCrossIm[size_t(k)] += ai * br - ar * bi;
        pp->adAutoA[size_t(k)] += ar * ar + ai * ai;
        pp->adAutoB[size_t(k)] += br * br + bi * bi;
    }
}

/* The sub-segments of the channel's last block, transformed once per block:
 * a quarter of the block long, overlapping by half, mean removed, Hann
 * window, padded to N points. False when the block is too short. */
static bool MakeSegments(FFTWORK *pw, FFTCHANNEL *pc)
{
    FFTSEGMENTS *ps = &pc->seg;
    if (ps->ulBlock == pc->ulBlocks)
        return true;
    const int nLen = pc->nBlockLen / 4;
    if (nLen < 2)
        return false;
    const int nStep = nLen - nLen / 2;
    const int nSegments = (pc->nBlockLen - nLen) / nStep + 1;
    const size_t nBins = size_t(pc->nPoints / 2 + 1);
    if (!FftMakeWindow(&ps->hann, FG_WIN_HANN, nLen))
        return false;
    ps->aSpec.resize(nBins * size_t(nSegments));
    const float *pfWin = ps->hann.afValue.data();
    float *pfTime = pc->afTime.data();
    for (int s = 0; s < nSegments; s++) {
        const short *pSeg = pc->anBlock.data() + s * nStep;
        double dSum = 0.0;
        for (int i = 0; i < nLen; i++)
            dSum += pSeg[i];
        const double dMean = dSum / nLen;
        for (int i = 0; i < nLen; i++)
            pfTime[i] = float((pSeg[i] - dMean) * pfWin[i]);
        std::fill(pc->afTime.begin() + nLen, pc->afTime.end(), 0.0f);
        kiss_fftr(FftPlan(pw, pc->nSizeCode), pfTime, &ps->aSpec[nBins * size_t(s)]);
    }
    ps->nSegments = nSegments;
    ps->ulBlock = pc->ulBlocks;
    return true;
}

static int ComputeSection(FFTWORK *pw, COHPAIR *pp, FFTCHANNEL *pa, FFTCHANNEL *pb)
{
    if (pa->nBlockLen != pb->nBlockLen || !MakeSegments(pw, pa) || !MakeSegments(pw, pb))
        return 0;
    const int nLines = pa->nPoints / 2;
    const size_t nBins = size_t(nLines + 1);
    StartSums(pp, nLines);
    for (int s = 0; s < pa->seg.nSegments; s++)
        AddSegment(pp, &pa->seg.aSpec[nBins * size_t(s)], &pb->seg.aSpec[nBins * size_t(s)], nLines);
    pp->ulBlockA = pp->ulBlockB = 0;
    return nLines;
}

static int Accumulate(COHPAIR *pp, FFTCHANNEL *pa, FFTCHANNEL *pb, bool bRestart)
{
    const int nLines = pa->nPoints / 2;
    if (bRestart || pp->nLines == 0 || int(pp->adAutoA.size()) != nLines) {
        StartSums(pp, nLines);
        pp->ulBlockA = pp->ulBlockB = 0;
    } else if (pp->ulBlockA == pa->ulBlocks || pp->ulBlockB == pb->ulBlocks) {
        return 0; /* one of the channels has no new block: never count one twice */
    }
    AddBlock(pp, pa, pb, nLines);
    pp->ulBlockA = pa->ulBlocks;
    pp->ulBlockB = pb->ulBlocks;
    return nLines;
}

int WINAPI FgCohBegin(DWORD hFFT, int nChannels)
{
    FFTWORK *pw = FftFind(hFFT);
    if (pw == nullptr || nChannels < 1 || nChannels > FG_MAXCHANNELS)
        return 0;
    pw->nCohChannels = nChannels;
    FftCohClear(pw);
    return 1;
}

int WINAPI FgCohCompute(DWORD hFFT, int nFlags, int nA, int nB)
{
    FFTWORK *pw = FftFind(hFFT);
    FFTCHANNEL *pa = FftChannel(pw, nA);
    FFTCHANNEL *pb = FftChannel(pw, nB);
    if (pa == nullptr || pb == nullptr || nA == nB)
        return 0;
    if (nA >= pw->nCohChannels || nB >= pw->nCohChannels)
        return 0;
    if (pa->nPoints != pb->nPoints || pa->ulBlocks == 0 || pb->ulBlocks == 0)
        return 0;
    if (nA > nB)
        std::swap(pa, pb);
    COHPAIR *pp = PairOf(pw, nA, nB);
    const bool bAccumulate = (nFlags & FG_COH_ACCUMULATE) != 0;
    int nLines;
    try {
        if (bAccumulate)
            nLines = Accumulate(pp, pa, pb, (pp->nFlags & FG_COH_ACCUMULATE) == 0);
        else
            nLines = ComputeSection(pw, pp, pa, pb);
    } catch (const std::bad_alloc &) {
        nLines = 0;
    }
    if (nLines == 0)
        return 0;
    pp->nLines = nLines;
    pp->nFlags = nFlags;
    pp->bStale = true;
    return nLines;
}

/* The pair's coherence lines, derived from its sums when they changed. */
static const float *PairCoherence(DWORD hFFT, int nA, int nB, int *pnLines)
{
    FFTWORK *pw = FftFind(hFFT);
    if (pw == nullptr || nA < 0 || nB < 0 || nA >= FG_MAXCHANNELS || nB >= FG_MAXCHANNELS || nA == nB)
        return nullptr;
    COHPAIR *pp = PairOf(pw, nA, nB);
    if (pp->nLines == 0)
        return nullptr;
    if (pp->bStale) {
        const bool bSquared = (pp->nFlags & FG_COH_SQUARED) != 0;
        for (int k = 0; k < pp->nLines; k++) {
            const double re = pp->adCrossRe[size_t(k)], im = pp->adCrossIm[size_t(k)];
            const double dAuto = pp->adAutoA[size_t(k)] * pp->adAutoB[size_t(k)];
            double c = dAuto > 0.0 ? (re * re + im * im) / dAuto : 0.0;
            c = std::min(c, 1.0); /* |S_ab|^2 <= S_aa S_bb, up to rounding */
            pp->afCoh[size_t(k)] = float(bSquared ? c : sqrt(c));
        }
        pp->bStale = false;
    }
    *pnLines = pp->nLines;
    return pp->afCoh.data();
}

static float MeanOver(const float *pfCoh, int nFirst, int nLast)
{
    double dSum = 0.0;
    for (int k = nFirst; k <= nLast; k++)
        dSum += pfCoh[k];
    return float(dSum / (nLast - nFirst + 1));
}

float WINAPI FgCohGetMean(DWORD hFFT, int nA, int nB, int nMode)
{
    int nLines = 0;
    const float *pfCoh = PairCoherence(hFFT, nA, nB, &nLines);
    if (pfCoh == nullptr || nMode != 1 || nLines < 2)
        return 0.0f;
    return MeanOver(pfCoh, 1, nLines - 1);
}

float WINAPI FgCohGetBand(DWORD hFFT, int nA, int nB, int nFirst, int nLast)
{
    int nLines = 0;
    const float *pfCoh = PairCoherence(hFFT, nA, nB, &nLines);
    if (pfCoh == nullptr || !FftClampLines(nLines, &nFirst, &nLast))
        return 0.0f;
    return MeanOver(pfCoh, nFirst, nLast);
}

int WINAPI FgCohGetSpectrum(DWORD hFFT, int nA, int nB, LONG *pCoherence)
{
    int nLines = 0;
    const float *pfCoh = PairCoherence(hFFT, nA, nB, &nLines);
    if (pfCoh == nullptr || pCoherence == nullptr)
        return 0;
    for (int k = 0; k < nLines; k++)
        pCoherence[k] = LONG(pfCoh[k] * 10000.0 + 0.5);
    return nLines;
}
