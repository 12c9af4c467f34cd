/*
 * recread.h - opening a recording file: EDF, EDF+, BDF and BDF+ with our
 * own decoder, read page by page (recstream.h); GDF, BrainVision and the
 * other formats BioSig knows read whole by the library in a child process.
 */
#ifndef HOST_RECREAD_H
#define HOST_RECREAD_H

#include <stddef.h>

#include "recording.h"

BOOL RecRead(const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError);
/* Opens an EDF or BDF file (header only, see RecStreamOpen), or reads any
 * other file whole into *pRec (digital samples as 16-bit steps, see
 * recording.h). Annotation channels are left out, as are channels whose
 * rate is not a whole number of hertz from 1 to 65535, whose digital range
 * is empty or whose gain is 0, and every channel beyond the 64th (all
 * counted in nSkipped). FALSE, with a one-line reason in pszError, when
 * the file cannot be opened, is no recording the library reads, holds no
 * usable channel, or ends before the data its header announces. */

#endif /* HOST_RECREAD_H */
