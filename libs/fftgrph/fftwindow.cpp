/*
 * fftwindow.cpp - the window functions of the FFT object.
 *
 * Windows are the periodic forms (those meant for spectral analysis, as
 * scipy's get_window makes them): the symmetric window of n + 1 points
 * without its last point, w[i] = sum_j a_j cos(2 pi j i / n).
 */
#include <math.h>

#include "fftwork.h"

/* Spelled out: strict C++17 on mingw has no M_PI. */
static const double s_dPi = 3.14159265358979323846;

/* Cosine-sum coefficients a_0, -a_1, a_2 of each window type. */
static const double s_aadCoef[FG_WIN_COUNT][3] = {
    {1.0, 0.0, 0.0},      /* rectangle */
    {0.54, 0.46, 0.0},    /* Hamming */
    {0.5, 0.5, 0.0},      /* Hann */
    {0.42, 0.5, 0.08},    /* Blackman */
};

/* Makes pWin the window of type nType over nLength samples, unless it is
 * already. Returns false for an unknown type or a length below 1. */
bool FftMakeWindow(FFTWINDOW *pWin, int nType, int nLength)
{
    if (nType < 0 || nType >= FG_WIN_COUNT || nLength < 1)
        return false;
    if (pWin->nType == nType && pWin->nLength == nLength)
        return true;
    const double *pdCoef = s_aadCoef[nType];
    const double dStep = 2.0 * s_dPi / nLength;
    double dSumSq = 0.0;
    pWin->afValue.resize(size_t(nLength));
    for (int i = 0; i < nLength; i++) {
        const double w = pdCoef[0] - pdCoef[1] * cos(dStep * i) + pdCoef[2] * cos(2.0 * dStep * i);
        pWin->afValue[size_t(i)] = float(w);
        dSumSq += w * w;
    }
    pWin->nType = nType;
    pWin->nLength = nLength;
    pWin->dSumSq = dSumSq;
    return true;
}
