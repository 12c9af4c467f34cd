/*
 * fftwork.cpp - FFT objects: handles, parameters, channel sizes, feeding
 * blocks and reading spectra.
 */
#include <limits.h>
#include <math.h>

#include <algorithm>
#include <new>

#include "qfhandle.h"
#include "fftwork.h"

/* Up to 16 live objects; the plug-in keeps one per analysis window. */
static HandleTable<FFTWORK, 16> s_objects('F');

FFTWORK *FftFind(DWORD hFFT)
{
    return s_objects.Find(hFFT);
}

FFTCHANNEL *FftChannel(FFTWORK *pw, int nCh)
{
    if (pw == nullptr || nCh < 0 || nCh >= FG_MAXCHANNELS)
        return nullptr;
    FFTCHANNEL *pc = &pw->aCh[nCh];
    return pc->nPoints > 0 ? pc : nullptr;
}

/* The transform plan of a size, made on first use and kept with the object. */
kiss_fftr_cfg FftPlan(FFTWORK *pw, int nSizeCode)
{
    if (pw->aPlan[nSizeCode] == nullptr)
        pw->aPlan[nSizeCode] = kiss_fftr_alloc(1 << nSizeCode, 0, nullptr, nullptr);
    return pw->aPlan[nSizeCode];
}

/* Clamps first..last to the lines 0 .. nLines - 1; false when empty. */
bool FftClampLines(int nLines, int *pFirst, int *pLast)
{
    if (*pFirst < 0)
        *pFirst = 0;
    if (*pLast > nLines - 1)
        *pLast = nLines - 1;
    return *pFirst <= *pLast;
}

/* A power line as a LONG: rounded to nearest, saturated to 0..LONG_MAX. */
LONG FftRoundLine(double d)
{
    if (!(d > 0.0))
        return 0;
    if (d >= double(INT32_MAX))
        return INT32_MAX;
    return LONG(d + 0.5);
}

static void FreeObject(FFTWORK *pw)
{
    for (kiss_fftr_cfg &plan : pw->aPlan) {
        kiss_fftr_free(plan);
        plan = nullptr;
    }
    delete pw;
}

DWORD WINAPI FgCreate(int nSizeCode)
{
    if (nSizeCode < FG_MINSIZECODE || nSizeCode > FG_MAXSIZECODE)
        return 0;
    FFTWORK *pw = new (std::nothrow) FFTWORK();
    if (pw == nullptr)
        return 0;
    pw->nSizeCode = nSizeCode;
    pw->nChannels = FG_MAXCHANNELS;
    pw->nWindow = FG_WIN_HANN;
    for (FFTCHANNEL &ch : pw->aCh)
        ch.nSizeCode = nSizeCode;
    const DWORD h = s_objects.Add(pw);
    if (h == 0)
        FreeObject(pw);
    return h;
}

DWORD WINAPI FgDestroy(DWORD hFFT)
{
    FFTWORK *pw = s_objects.Remove(hFFT);
    if (pw != nullptr)
        FreeObject(pw);
    return 0;
}

static int SetChannelParam(FFTWORK *pw, int nId, int nCh, int nValue)
{
    if (nCh < 0 || nCh >= FG_MAXCHANNELS)
        return 0;
    FFTCHANNEL *pc = &pw->aCh[nCh];
    switch (nId) {
    case FG_PARAM_RATE:
        if (nValue < 0)
            return 0;
        pc->nRate = nValue;
        return 1;
    case FG_PARAM_CALVALUE:
        pc->nCalValue = nValue;
        return 1;
    case FG_PARAM_CALHEIGHT:
        pc->nCalHeight = nValue;
        return 1;
    }
    return 0;
}

int WINAPI FgSetParam(DWORD hFFT, int nId, int nCh, int nValue)
{
    FFTWORK *pw = FftFind(hFFT);
    if (pw == nullptr)
        return 0;
    switch (nId) {
    case FG_PARAM_WINDOW:
        if (nValue < 0 || nValue >= FG_WIN_COUNT)
            return 0;
        pw->nWindow = nValue;
        return 1;
    case FG_PARAM_DENSITY:
        pw->nDensity8 = nValue;
        return 1;
    case FG_PARAM_DENSITY2:
        pw->nDensity10 = nValue;
        return 1;
    case FG_PARAM_COHERENCE:
        pw->nCohSwitch = nValue;
        return 1;
    }
    return SetChannelParam(pw, nId, nCh, nValue);
}

int WINAPI FgSetChannelSize(DWORD hFFT, int nChannels, int nCh, int nSizeCode)
{
    FFTWORK *pw = FftFind(hFFT);
    if (pw == nullptr || nChannels < 1 || nChannels > FG_MAXCHANNELS)
        return 0;
    if (nCh < 0 || nCh >= nChannels)
        return 0;
    if (nSizeCode < FG_MINSIZECODE || nSizeCode > FG_MAXSIZECODE)
        return 0;
    pw->nChannels = nChannels;
    pw->aCh[nCh].nSizeCode = nSizeCode;
    return 1;
}

static void ClearChannelData(FFTCHANNEL *pc)
{
    std::fill(pc->adSum.begin(), pc->adSum.end(), 0.0);
    pc->ulBlocks = 0;
    pc->nBlockLen = 0;
    pc->adAdd.clear();
    pc->seg.ulBlock = 0;
}

int WINAPI FgInitChannel(DWORD hFFT, int nCh)
{
    FFTWORK *pw = FftFind(hFFT);
    if (pw == nullptr || nCh < 0 || nCh >= pw->nChannels)
        return 0;
    FFTCHANNEL *pc = &pw->aCh[nCh];
    const int nPoints = 1 << pc->nSizeCode;
    pc->nPoints = 0;
    try {
        if (FftPlan(pw, pc->nSizeCode) == nullptr)
            return 0;
        pc->afTime.assign(size_t(nPoints), 0.0f);
        pc->aSpec.assign(size_t(nPoints / 2 + 1), kiss_fft_cpx());
        pc->adLast.assign(size_t(nPoints / 2), 0.0);
        pc->adRe.assign(size_t(nPoints / 2), 0.0);
        pc->adIm.assign(size_t(nPoints / 2), 0.0);
        pc->adPow.assign(size_t(nPoints / 2), 0.0);
        pc->adSum.assign(size_t(nPoints / 2), 0.0);
        pc->anBlock.assign(size_t(nPoints), 0);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    ClearChannelData(pc);
    pc->nPoints = nPoints;
    FftCohClear(pw);
    return nPoints / 2;
}

int WINAPI FgResetData(DWORD hFFT)
{
    FFTWORK *pw = FftFind(hFFT);
    if (pw == nullptr)
        return 0;
    for (FFTCHANNEL &ch : pw->aCh)
        ClearChannelData(&ch);
    FftCohClear(pw);
    return 1;
}

/* Mean removal, window and zero padding of one block into afTime. */
static void PrepareBlock(FFTCHANNEL *pc, const short *pSamples, int nCount)
{
    double dSum = 0.0;
    for (int i = 0; i < nCount; i++)
        dSum += pSamples[i];
    const double dMean = dSum / nCount;
    const float *pfWin = pc->win.afValue.data();
    float *pfTime = pc->afTime.data();
    for (int i = 0; i < nCount; i++)
        pfTime[i] = float((pSamples[i] - dMean) * pfWin[i]);
    std::fill(pc->afTime.begin() + nCount, pc->afTime.end(), 0.0f);
}

int WINAPI FgInputData(DWORD hFFT, int nMode, int nCh, const short *pSamples, int nCount)
{
    FFTWORK *pw = FftFind(hFFT);
    FFTCHANNEL *pc = FftChannel(pw, nCh);
    if (pc == nullptr || nMode != 2 || pSamples == nullptr)
        return 0;
    if (nCount < 2 || nCount > pc->nPoints)
        return 0;
    try {
        if (!FftMakeWindow(&pc->win, pw->nWindow, nCount))
            return 0;
    } catch (const std::bad_alloc &) {
        return 0;
    }
    const bool bDensity = pw->nDensity8 != 0 || pw->nDensity10 != 0;
    const double dNorm = bDensity ? double(pc->nRate) : double(pc->nPoints);
    if (dNorm <= 0.0)
        return 0; /* a density needs the channel's rate */
    const double dScale = 2.0 / (dNorm * pc->win.dSumSq);

    PrepareBlock(pc, pSamples, nCount);
    kiss_fft_cpx *pX = pc->aSpec.data();
    kiss_fftr(FftPlan(pw, pc->nSizeCode), pc->afTime.data(), pX);
    /* The mean was removed, so a flat window leaves no DC: drop the rounding
     * residue that would otherwise show as power (and as coherence) there. */
    if (pw->nWindow == FG_WIN_RECTANGLE)
        pX[0].r = pX[0].i = 0.0f;

    const int nLines = pc->nPoints / 2;
    double *pdLast = pc->adLast.data();
    double *pdSum = pc->adSum.data();
    double *pdRe = pc->adRe.data(), *pdIm = pc->adIm.data(), *pdPow = pc->adPow.data();
    for (int k = 0; k < nLines; k++) {
        const double re = pX[k].r, im = pX[k].i;
        pdRe[k] = re;
        pdIm[k] = im;
        pdPow[k] = re * re + im * im;
    }
    pdLast[0] = 0.5 * dScale * pdPow[0]; /* c_0 = 1 */
    pdSum[0] += pdLast[0];
    for (int k = 1; k < nLines; k++) {
        pdLast[k] = dScale * pdPow[k];
        pdSum[k] += pdLast[k];
    }

    std::copy(pSamples, pSamples + nCount, pc->anBlock.begin());
    pc->nBlockLen = nCount;
    pc->ulBlocks++;
    return nLines;
}

int WINAPI FgGetSpectrum(DWORD hFFT, int nCh, LONG *pSpectrum)
{
    FFTCHANNEL *pc = FftChannel(FftFind(hFFT), nCh);
    if (pc == nullptr || pSpectrum == nullptr || pc->ulBlocks == 0)
        return 0;
    const int nLines = pc->nPoints / 2;
    for (int k = 0; k < nLines; k++)
        pSpectrum[k] = FftRoundLine(pc->adLast[size_t(k)]);
    return nLines;
}

int WINAPI FgGetMeanSpectrum(DWORD hFFT, int nMode, int nCh, LONG *pSpectrum)
{
    FFTCHANNEL *pc = FftChannel(FftFind(hFFT), nCh);
    if (pc == nullptr || nMode != 1 || pSpectrum == nullptr || pc->ulBlocks == 0)
        return 0;
    const int nLines = pc->nPoints / 2;
    const double dBlocks = double(pc->ulBlocks);
    for (int k = 0; k < nLines; k++)
        pSpectrum[k] = FftRoundLine(pc->adSum[size_t(k)] / dBlocks);
    return nLines;
}

float WINAPI FgGetFreqStep(DWORD hFFT, int nCh)
{
    FFTCHANNEL *pc = FftChannel(FftFind(hFFT), nCh);
    if (pc == nullptr)
        return 0.0f;
    return float(double(pc->nRate) / pc->nPoints);
}
