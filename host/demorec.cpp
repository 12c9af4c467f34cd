// The built-in recording, synthesised sample by sample.
#include "demorec.h"

#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "chaninfo.h"

static const double PI = 3.14159265358979323846;

// Where each rhythm shows, per channel (weights of the amplitudes below).
typedef struct tagDEMOSITE {
    const char *pszLabel;
    double dAlpha, dTheta, dBeta, dBlink;
} DEMOSITE;

static const DEMOSITE s_aSite[] = {
    {"Fp1", 0.08, 0.5, 0.6, 1.0},  {"Fp2", 0.08, 0.5, 0.6, 1.0},
    {"F3", 0.2, 0.8, 1.0, 0.25},   {"F4", 0.2, 0.8, 1.0, 0.25},
    {"C3", 0.4, 0.5, 0.8, 0.05},   {"C4", 0.4, 0.5, 0.8, 0.05},
    {"P3", 0.75, 0.3, 0.5, 0.0},   {"P4", 0.75, 0.3, 0.5, 0.0},
    {"O1", 1.0, 0.2, 0.4, 0.0},    {"O2", 1.0, 0.2, 0.4, 0.0},
    {"Fz", 0.2, 1.0, 0.9, 0.2},    {"Cz", 0.4, 0.6, 0.8, 0.05},
};

#define ALPHA_UV  30.0   // sine amplitudes at weight 1 (alpha: over the whole recording)
#define THETA_UV  10.0
#define BETA_UV   5.0
#define PINK_UV   6.0    // scale of the 1/f background
#define MAINS_UV  3.0
#define BLINK_UV  150.0
#define ECG_UV    1000.0

// splitmix64: a small generator whose sequence is the same everywhere.
static uint64_t NextRandom(uint64_t *pState)
{
    uint64_t z = (*pState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

static double Uniform(uint64_t *pState)
{
    return ((NextRandom(pState) >> 11) + 0.5) / 9007199254740992.0;
}

static double Gaussian(uint64_t *pState)
{
    double u = Uniform(pState), v = Uniform(pState);
    return sqrt(-2.0 * log(u)) * cos(2.0 * PI * v);
}

// Pink (1/f) noise from white noise: Kellet's sum of first-order filters.
typedef struct tagPINK {
    double b[7];
} PINK;

static double NextPink(PINK *p, double dWhite)
{
    p->b[0] = 0.99886 * p->b[0] + dWhite * 0.0555179;
    p->b[1] = 0.99332 * p->b[1] + dWhite * 0.0750759;
    p->b[2] = 0.96900 * p->b[2] + dWhite * 0.1538520;
    p->b[3] = 0.86650 * p->b[3] + dWhite * 0.3104856;
    p->b[4] = 0.55000 * p->b[4] + dWhite * 0.5329522;
    p->b[5] = -0.7616 * p->b[5] - dWhite * 0.0168980;
    double dOut = p->b[0] + p->b[1] + p->b[2] + p->b[3] + p->b[4] + p->b[5] + p->b[6] + dWhite * 0.5362;
    p->b[6] = dWhite * 0.115926;
    return dOut * 0.11;
}

static short ToStep(double dMicrovolts)
{
    return ChToStep(dMicrovolts / DEMO_UV_PER_STEP, 0.0, 0);
}

// The rhythms shared by all channels at time t: each an oscillator with a
// slowly wandering frequency and a waxing and waning envelope.
typedef struct tagRHYTHMS {
    double dAlphaPhase, dThetaPhase, dBetaPhase;
    double dAlpha, dTheta, dBeta;   // current values at weight 1
} RHYTHMS;

// The alpha amplitude's factor at t: DEMO_ALPHA_RISE times higher in the
// second half than in the first, the two chosen so that the recording's
// mean alpha power stays that of amplitude ALPHA_UV. The change falls on
// a page boundary for every whole-second page length dividing 90 s.
static double AlphaFactor(double t)
{
    double dFirst = sqrt(2.0 / (1.0 + DEMO_ALPHA_RISE * DEMO_ALPHA_RISE));
    return t < DEMO_SECONDS / 2 ? dFirst : DEMO_ALPHA_RISE * dFirst;
}

static void StepRhythms(RHYTHMS *p, double t)
{
    double dt = 1.0 / DEMO_RATE;
    p->dAlphaPhase += 2.0 * PI * (10.0 + 0.3 * sin(2.0 * PI * t / 7.0)) * dt;
    p->dThetaPhase += 2.0 * PI * (6.0 + 0.4 * sin(2.0 * PI * t / 11.0)) * dt;
    p->dBetaPhase += 2.0 * PI * (20.0 + 2.0 * sin(2.0 * PI * t / 5.0)) * dt;
    p->dAlpha = ALPHA_UV * AlphaFactor(t) * (0.65 + 0.35 * sin(2.0 * PI * t / 3.3)) * sin(p->dAlphaPhase);
    p->dTheta = THETA_UV * (0.7 + 0.3 * sin(2.0 * PI * t / 4.1)) * sin(p->dThetaPhase);
    p->dBeta = BETA_UV * (0.7 + 0.3 * sin(2.0 * PI * t / 2.3)) * sin(p->dBetaPhase);
}

// Blinks every 4.7 s on average, 0.4 s wide; the sum of the pulses at t.
static double BlinkAt(double t)
{
    double dSum = 0.0;
    int k = (int)((t - 2.0) / 4.7);
    for (int j = k - 1; j <= k + 1; j++) {
        if (j < 0)
            continue;
        uint64_t nState = 7000 + (uint64_t)j;
        double dCentre = 2.0 + 4.7 * j + (Uniform(&nState) - 0.5) * 2.0;
        double x = (t - dCentre) / 0.08;
        dSum += exp(-x * x);
    }
    return BLINK_UV * dSum;
}

// QRS complex and T wave of a heart beating 72 times a minute.
static double HeartAt(double t)
{
    double dPeriod = 60.0 / 72.0;
    double dPhase = fmod(t, dPeriod) - 0.2;
    double r = dPhase / 0.012, s = (dPhase - 0.03) / 0.015, w = (dPhase - 0.25) / 0.05;
    return ECG_UV * (exp(-r * r) - 0.15 * exp(-s * s) + 0.2 * exp(-w * w));
}

static void InitChannel(RECCHANNEL *pCh, const char *pszLabel, WORD wSignal, size_t nSamples)
{
    RecCopyText(pCh->szLabel, sizeof(pCh->szLabel), pszLabel);
    RecCopyText(pCh->szFileLabel, sizeof(pCh->szFileLabel), pszLabel);
    RecCopyText(pCh->szUnit, sizeof(pCh->szUnit), "uV");
    pCh->wSignalType = wSignal;
    pCh->nRate = DEMO_RATE;
    pCh->dUvPerStep = DEMO_UV_PER_STEP;
    ChCalPair(DEMO_UV_PER_STEP, &pCh->nCalValue, &pCh->nCalHeight);
    pCh->aSamples.resize(nSamples);
}

static void SynthesiseEeg(RECORDING *pRec, size_t nSamples)
{
    const size_t nSites = sizeof(s_aSite) / sizeof(s_aSite[0]);
    std::vector<PINK> aPink(nSites + 1, PINK{});
    uint64_t nState = 20240115;
    RHYTHMS rh = {};
    for (size_t i = 0; i < nSamples; i++) {
        double t = (double)i / DEMO_RATE;
        StepRhythms(&rh, t);
        double dBlink = BlinkAt(t);
        // A shared part of the background makes neighbours correlate.
        double dShared = NextPink(&aPink[nSites], Gaussian(&nState));
        for (size_t c = 0; c < nSites; c++) {
            const DEMOSITE &site = s_aSite[c];
            double dOwn = NextPink(&aPink[c], Gaussian(&nState));
            double dUv = site.dAlpha * rh.dAlpha + site.dTheta * rh.dTheta + site.dBeta * rh.dBeta
                       + PINK_UV * (0.8 * dOwn + 0.4 * dShared) + site.dBlink * dBlink
                       + MAINS_UV * (1.0 + 0.1 * c) * sin(2.0 * PI * 50.0 * t + 0.3 * c);
            pRec->aChannels[c].aSamples[i] = ToStep(dUv);
        }
    }
}

void RecMakeDemo(RECORDING *pRec)
{
    *pRec = RECORDING();
    RecCopyText(pRec->szFormat, sizeof(pRec->szFormat), "built-in");
    RecCopyText(pRec->szName, sizeof(pRec->szName), "built-in");
    RecCopyText(pRec->szPatientName, sizeof(pRec->szPatientName), "Demo");
    RecCopyText(pRec->szPatientId, sizeof(pRec->szPatientId), "DEMO-0001");
    const int anStart[6] = {2024, 1, 15, 9, 30, 0};
    memcpy(pRec->anStart, anStart, sizeof(anStart));
    pRec->dDuration = DEMO_SECONDS;

    const size_t nSites = sizeof(s_aSite) / sizeof(s_aSite[0]);
    const size_t nSamples = (size_t)DEMO_RATE * DEMO_SECONDS;
    pRec->aChannels.resize(nSites + 1);
    for (size_t c = 0; c < nSites; c++)
        InitChannel(&pRec->aChannels[c], s_aSite[c].pszLabel, ChSignalType(s_aSite[c].pszLabel, "uV"), nSamples);
    RECCHANNEL &ecg = pRec->aChannels[nSites];
    InitChannel(&ecg, "ECG", ChSignalType("ECG", "uV"), nSamples);
    SynthesiseEeg(pRec, nSamples);
    for (size_t i = 0; i < nSamples; i++) {
        double t = (double)i / DEMO_RATE;
        ecg.aSamples[i] = ToStep(HeartAt(t) + 0.5 * MAINS_UV * sin(2.0 * PI * 50.0 * t));
    }
}
