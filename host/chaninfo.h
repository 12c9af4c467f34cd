/*
 * chaninfo.h - how a file's channel description becomes a host channel:
 * its name, its signal type, its calibration pair and its 16-bit steps.
 *
 * Pure functions of their arguments; nothing here reads a file.
 */
#ifndef HOST_CHANINFO_H
#define HOST_CHANINFO_H

#include <windows.h>

#include <stddef.h>

void ChCleanLabel(const char *pszFileLabel, char *pszLabel, size_t cbLabel);
/* The name given to the window: leading and trailing blanks and padding
 * dots removed, and a leading signal-type word followed by a blank
 * ("EEG Fp1", "ECG ECG") dropped. cbLabel >= 1; the result is cut to fit. */

WORD ChSignalType(const char *pszFileLabel, const char *pszUnit);
/* Signal type code of a channel: the type named by the label's first word
 * (the QPRJFILE names, and EKG, HEOG, VEOG), else EEG (4) for a 10-20 or
 * 10-10 electrode name or a derivation of two, else EEG for a channel in
 * volts, else OTHER (20). */

double ChMicrovoltsPerUnit(const char *pszUnit);
/* How many microvolts one unit is: 1 for "uV", 1000 for "mV", 1e6 for "V",
 * 0.001 for "nV"; 1 for any other unit (the channel then keeps its own
 * unit). */

BOOL ChCalPair(double dUvPerStep, DWORD *pnValue, DWORD *pnHeight);
/* The calibration pair for dUvPerStep: nHeight the smallest power of ten
 * from 1000 up to 10^7 at which nValue = round(dUvPerStep * nHeight)
 * reaches 10000. FALSE, and nothing written, when the step is not positive
 * or the value would not fit in 32 bits or rounds to 0. */

int ChStepShift(double dDigMin, double dDigMax, double *pdCentre);
/* For a channel whose digital values span dDigMin..dDigMax: the number of
 * bits to shift right so that the span fits 16 bits (0 for EDF, 8 for
 * BDF's 24 bits), and in *pdCentre the digital value that becomes step 0.
 * -1 when dDigMax <= dDigMin. */

short ChToStep(double dDigital, double dCentre, int nShift);
/* One digital value as a 16-bit step: (dDigital - dCentre) / 2^nShift,
 * rounded to nearest and saturated to -32768..32767. */

typedef struct tagCHSTEP {
    double dOffset;           /* digital value that becomes step 0 */
    double dStepsPerDigital;  /* negative for a channel whose gain is */
    double dUvPerStep;        /* = nCalValue / nCalHeight exactly */
    DWORD nCalValue, nCalHeight;
} CHSTEP;

int ChStepLimit(DWORD nRate, DWORD nFFTPoints);
/* The largest step count a channel's content may reach so that the
 * plug-in's 32-bit spectra do not saturate: a line of a page spectrum
 * holds at most about half the squared amplitude (a sine's Hann peak line
 * a third), density scaling multiplies that by points / rate when that
 * exceeds 1, and ADD sums up to 100 spectra. At most 30000, which leaves
 * the 16-bit filters room to overshoot. */

BOOL ChFineStep(double dUvPerDigital, int nMin, int nMax, DWORD nRate, DWORD nFFTPoints, CHSTEP *pStep);
/* The finest step for a channel whose digital values span nMin..nMax:
 * the middle of the span becomes step 0 and its ends reach at most
 * ChStepLimit steps, the step rounded up to what the calibration pair
 * holds exactly. A flat channel (nMin == nMax) keeps the file's own
 * resolution. FALSE when no calibration pair can hold the step. */

#endif /* HOST_CHANINFO_H */
