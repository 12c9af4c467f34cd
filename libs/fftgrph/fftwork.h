/*
 * fftwork.h - the records behind an FFT object handle (internal to QFFTGRPH).
 */
#ifndef FFTWORK_H
#define FFTWORK_H

#include <vector>

#include <kiss_fftr.h>

#include "fftgrph.h"

#define FG_MINSIZECODE 4
#define FG_MAXSIZECODE 14
#define FG_PAIRS (FG_MAXCHANNELS * (FG_MAXCHANNELS - 1) / 2)

enum { FG_WIN_RECTANGLE, FG_WIN_HAMMING, FG_WIN_HANN, FG_WIN_BLACKMAN, FG_WIN_COUNT };

/* A window of one length and type, with its sum of squares. */
struct FFTWINDOW {
    int nType;
    int nLength; /* 0 = not computed */
    std::vector<float> afValue;
    double dSumSq;
};

/* Section coherence material of one block: the spectra of its sub-segments. */
struct FFTSEGMENTS {
    unsigned long ulBlock; /* block serial they belong to, 0 = none */
    int nSegments;
    FFTWINDOW hann;                  /* window of the sub-segments */
    std::vector<kiss_fft_cpx> aSpec; /* nSegments x (N/2 + 1) */
};

struct FFTCHANNEL {
    int nSizeCode;     /* size code for the next FgInitChannel */
    int nPoints;       /* N of the initialised channel, 0 = not initialised */
    int nRate;         /* Hz */
    int nCalValue;     /* stored only */
    int nCalHeight;
    FFTWINDOW win;     /* window of the last block */
    std::vector<float> afTime;           /* N transform input */
    std::vector<kiss_fft_cpx> aSpec;     /* N/2 + 1 lines of the last block */
    std::vector<double> adRe, adIm, adPow; /* its N/2 lines for coherence: X and |X|^2 */
    std::vector<double> adLast;          /* N/2 power lines of the last block */
    std::vector<double> adSum;           /* N/2 summed power lines */
    unsigned long ulBlocks;              /* blocks fed since the reset */
    std::vector<short> anBlock;          /* raw samples of the last block */
    int nBlockLen;
    std::vector<double> adAdd;           /* ADD spectrum, empty = none */
    FFTSEGMENTS seg;
};

/* Coherence of one unordered channel pair. */
struct COHPAIR {
    int nLines;                 /* 0 = no coherence */
    int nFlags;
    std::vector<double> adCrossRe; /* S_ab per line */
    std::vector<double> adCrossIm;
    std::vector<double> adAutoA;
    std::vector<double> adAutoB;
    unsigned long ulBlockA;     /* last blocks accumulated */
    unsigned long ulBlockB;
    bool bStale;                /* afCoh must be recomputed from the sums */
    std::vector<float> afCoh;
};

struct FFTWORK {
    int nSizeCode;
    int nChannels;
    int nCohChannels;
    int nWindow;
    int nDensity8;
    int nDensity10;
    int nCohSwitch;
    kiss_fftr_cfg aPlan[FG_MAXSIZECODE + 1];
    FFTCHANNEL aCh[FG_MAXCHANNELS];
    COHPAIR aPair[FG_PAIRS];
};

/* Object lookup and shared helpers (fftwork.cpp). */
FFTWORK *FftFind(DWORD hFFT);
FFTCHANNEL *FftChannel(FFTWORK *pw, int nCh); /* initialised channel or nullptr */
kiss_fftr_cfg FftPlan(FFTWORK *pw, int nSizeCode);
bool FftClampLines(int nLines, int *pFirst, int *pLast);
LONG FftRoundLine(double d);

/* Window functions (fftwindow.cpp). */
bool FftMakeWindow(FFTWINDOW *pWin, int nType, int nLength);

/* Coherence (fftcoh.cpp). */
void FftCohClear(FFTWORK *pw);

#endif /* FFTWORK_H */
