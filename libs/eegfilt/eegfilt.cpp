/*
 * eegfilt.cpp - the EEG filter object: 2nd-order Butterworth low-cut and
 * high-cut biquads in double precision.
 */
#include <math.h>

#include <algorithm>
#include <new>

#include "qfhandle.h"
#include "eegfilt.h"

/* Spelled out: strict C++17 on mingw has no M_PI. */
static const double s_dPi = 3.14159265358979323846;
static const double s_dSqrt2 = 1.41421356237309504880;

/* One biquad, normalised so that a0 = 1; bPass = no filtering. */
struct BIQUAD {
    bool bPass;
    double b0, b1, b2, a1, a2;
    double dGain; /* response at 0 Hz, the steady-state output per unit input */
};

struct FILTCHANNEL {
    int nRate;    /* Hz */
    int nLowCut;  /* 0.01 Hz */
    int nHighCut; /* 0.01 Hz */
    BIQUAD lowCut;
    BIQUAD highCut;
};

struct EEGFILTER {
    int nCreated;
    int nChannels;
    FILTCHANNEL aCh[EF_MAXCHANNELS];
};

static HandleTable<EEGFILTER, 16> s_filters('E');

/* 2nd-order Butterworth at nCut (0.01 Hz) for nRate (Hz): the analog
 * prototype's poles at the pre-warped cut-off K = tan(pi fc / fs), mapped by
 * the bilinear transform. A cut-off that is not strictly inside (0, fs/2)
 * gives a pass-through. */
static BIQUAD DesignButter2(int nRate, int nCut, bool bHighPass)
{
    BIQUAD bq = {};
    bq.bPass = true;
    if (nRate <= 0 || nCut <= 0 || double(nCut) >= 50.0 * nRate)
        return bq;
    const double K = tan(s_dPi * (nCut / 100.0) / nRate);
    const double K2 = K * K;
    const double norm = 1.0 / (1.0 + s_dSqrt2 * K + K2);
    if (bHighPass) {
        bq.b0 = norm;
        bq.b1 = -2.0 * norm;
        bq.dGain = 0.0;
    } else {
        bq.b0 = K2 * norm;
        bq.b1 = 2.0 * K2 * norm;
        bq.dGain = 1.0;
    }
    bq.b2 = bq.b0;
    bq.a1 = 2.0 * (K2 - 1.0) * norm;
    bq.a2 = (1.0 - s_dSqrt2 * K + K2) * norm;
    bq.bPass = false;
    return bq;
}

/* Rounds to nearest, ties to even, and saturates to 16 bits. lrint rounds
 * the double as it stands in the default rounding mode, whatever precision
 * the sums were evaluated in, and compiles to one conversion instruction
 * (the module is built without errno from maths functions). */
static short Saturate(double y)
{
    return short(lrint(std::min(32767.0, std::max(-32768.0, y))));
}

/* Transposed direct form II over one segment, starting from the steady state
 * of x[0]: the states that a constant x[0] leaves behind (scipy's sosfilt_zi
 * scaled by x[0]). pIn and pOut may be the same buffer.
 * The state update is z1 = b1 x + z2 - a1 y and z2 = b2 x - a2 y; its sums
 * are grouped so that the recursion from one output to the next is only
 * y[i+1] = (b0 x[i+1] + b1 x[i] + z2) - a1 y[i], a multiply and a subtract.
 * With the rounding above this halves the time of the textbook order. */
static void RunBiquad(const BIQUAD &bq, const short *pIn, short *pOut, int nCount)
{
    const double b0 = bq.b0, b1 = bq.b1, b2 = bq.b2, a1 = bq.a1, a2 = bq.a2;
    const double x0 = pIn[0];
    const double yss = bq.dGain * x0;
    double z2 = b2 * x0 - a2 * yss;
    double z1 = b1 * x0 - a1 * yss + z2;
    double y = b0 * x0 + z1;
    for (int i = 0; i < nCount - 1; i++) {
        const double x = pIn[i], xNext = pIn[i + 1];
        const double dAhead = b0 * xNext + (b1 * x + z2); /* free of y */
        z2 = b2 * x - a2 * y;
        const double yNext = dAhead - a1 * y;
        pOut[i] = Saturate(y);
        y = yNext;
    }
    pOut[nCount - 1] = Saturate(y);
}

DWORD WINAPI EfCreate(int nChannels)
{
    if (nChannels < 1 || nChannels > EF_MAXCHANNELS)
        return 0;
    EEGFILTER *pf = new (std::nothrow) EEGFILTER();
    if (pf == nullptr)
        return 0;
    pf->nCreated = pf->nChannels = nChannels;
    for (FILTCHANNEL &ch : pf->aCh)
        ch.lowCut.bPass = ch.highCut.bPass = true;
    const DWORD h = s_filters.Add(pf);
    if (h == 0)
        delete pf;
    return h;
}

DWORD WINAPI EfDestroy(DWORD hFilter)
{
    delete s_filters.Remove(hFilter);
    return 0;
}

int WINAPI EfSetParam(DWORD hFilter, int nId, int nCh, int nValue)
{
    EEGFILTER *pf = s_filters.Find(hFilter);
    if (pf == nullptr)
        return 0;
    if (nId == EF_PARAM_CHANNELS) {
        if (nValue < 1 || nValue > pf->nCreated)
            return 0;
        pf->nChannels = nValue;
        return 1;
    }
    if (nCh < 0 || nCh >= pf->nCreated)
        return 0;
    FILTCHANNEL *pc = &pf->aCh[nCh];
    switch (nId) {
    case EF_PARAM_RATE:
        if (nValue < 0)
            return 0;
        pc->nRate = nValue;
        return 1;
    case EF_PARAM_LOWCUT:
        pc->nLowCut = nValue;
        return 1;
    case EF_PARAM_HIGHCUT:
        pc->nHighCut = nValue;
        return 1;
    }
    return 0;
}

int WINAPI EfDesign(DWORD hFilter)
{
    EEGFILTER *pf = s_filters.Find(hFilter);
    if (pf == nullptr)
        return 0;
    for (FILTCHANNEL &ch : pf->aCh) {
        ch.lowCut = DesignButter2(ch.nRate, ch.nLowCut, true);
        ch.highCut = DesignButter2(ch.nRate, ch.nHighCut, false);
    }
    return 1;
}

int WINAPI EfReset(DWORD hFilter)
{
    return s_filters.Find(hFilter) != nullptr ? 1 : 0;
}

/* The checks shared by both filters; the channel's record or nullptr. */
static const FILTCHANNEL *FilterChannel(DWORD hFilter, int nMode, int nCh, const short *pIn, const short *pOut, int nCount)
{
    const EEGFILTER *pf = s_filters.Find(hFilter);
    if (pf == nullptr || nMode != 1 || nCh < 0 || nCh >= pf->nChannels)
        return nullptr;
    if (pIn == nullptr || pOut == nullptr || nCount < 1)
        return nullptr;
    return &pf->aCh[nCh];
}

static int Filter(const BIQUAD &bq, const short *pIn, short *pOut, int nCount)
{
    if (bq.bPass) {
        if (pOut != pIn)
            std::copy(pIn, pIn + nCount, pOut);
    } else {
        RunBiquad(bq, pIn, pOut, nCount);
    }
    return nCount;
}

int WINAPI EfLowCut(DWORD hFilter, int nMode, int nCh, const short *pIn, short *pOut, int nCount)
{
    const FILTCHANNEL *pc = FilterChannel(hFilter, nMode, nCh, pIn, pOut, nCount);
    return pc != nullptr ? Filter(pc->lowCut, pIn, pOut, nCount) : 0;
}

int WINAPI EfHighCut(DWORD hFilter, int nMode, int nCh, const short *pIn, short *pOut, int nCount)
{
    const FILTCHANNEL *pc = FilterChannel(hFilter, nMode, nCh, pIn, pOut, nCount);
    return pc != nullptr ? Filter(pc->highCut, pIn, pOut, nCount) : 0;
}
