/*
 * edfwrite.h - writing a recording as an EDF+ file through BioSig's writer.
 */
#ifndef HOST_EDFWRITE_H
#define HOST_EDFWRITE_H

#include <stddef.h>

#include "recording.h"

BOOL RecWriteEdf(const RECORDING *pRec, const char *pszPath, char *pszError, size_t cbError);
/* Writes *pRec as EDF+ (continuous) with 1-second data records: every
 * channel with its 16-bit steps as the digital values and its step size
 * as the physical scale, labelled "<type> <label>" (EEG Fp1), then an
 * "EDF Annotations" channel holding each record's time stamp. Channel
 * rates must divide the highest rate. FALSE, with a one-line reason in
 * pszError, when the recording has no channels or whole seconds, or the
 * file cannot be written. */

#endif /* HOST_EDFWRITE_H */
