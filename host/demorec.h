/*
 * demorec.h - the built-in recording: a deterministic, synthetic resting
 * EEG that needs no file, so the host runs on a fresh machine.
 *
 * Twelve EEG channels with 10-20 names and one ECG channel at 500 Hz for
 * three minutes, 0.1 uV per step. Its content is known: an occipital alpha
 * rhythm near 10 Hz (strongest at O1/O2, weak frontally), frontal theta
 * near 6 Hz and beta near 20 Hz, a 1/f background, eye blinks on Fp1/Fp2
 * (weaker on F3/F4/Fz), 50 Hz mains interference on every EEG channel, and
 * a heart beat of 72 per minute on the ECG channel. The alpha rhythm's
 * amplitude is DEMO_ALPHA_RISE times higher in the second half than in
 * the first (as when eyes close), so alpha band power rises by its square
 * between the halves. The same call always gives the same samples.
 */
#ifndef HOST_DEMOREC_H
#define HOST_DEMOREC_H

#include "recording.h"

#define DEMO_RATE       500
#define DEMO_SECONDS    180
#define DEMO_UV_PER_STEP 0.1
#define DEMO_ALPHA_RISE 1.5   /* alpha amplitude, second half / first half */

void RecMakeDemo(RECORDING *pRec);
/* Fills *pRec with the built-in recording (format "built-in"). */

#endif /* HOST_DEMOREC_H */
