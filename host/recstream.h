/*
 * recstream.h - an EDF, EDF+, BDF or BDF+ recording read page by page
 * with our own decoder: the host holds one page of samples at a time, so
 * memory does not grow with the recording's length.
 *
 * Opening reads the header only. Each channel then maps its digital values
 * to 16-bit steps by an offset and a factor: at first the header's range
 * (shifted right until it fits 16 bits); RecStreamFitSteps replaces that by
 * a fine step chosen from what the channel contains. Every read is bounded
 * by the record count fixed at opening, so a file that grows while it is
 * read is read as it was, and one that shrinks gives an error.
 */
#ifndef HOST_RECSTREAM_H
#define HOST_RECSTREAM_H

#include <stddef.h>

#include <string>

#include "recording.h"

BOOL RecStreamOpen(const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError);
/* Reads the header of an EDF or BDF file into *pRec (channels without
 * samples) and keeps the file open in pRec->pStream. Annotation channels,
 * channels whose rate is not a whole number of hertz from 1 to 65535,
 * whose digital range is empty or whose physical range is, and channels
 * beyond the 64th are left out (nSkipped, each named in strNotes). FALSE,
 * with a one-line reason naming the file, when it cannot be opened, its
 * header is damaged, or it holds no usable channel. */

BOOL RecStreamFitSteps(RECORDING *pRec, DWORD nFFTPoints, std::string *pstrNotes, char *pszError, size_t cbError);
/* One pass over the whole file: each channel's digital range gives its DC
 * offset and the finest step (ChFineStep) at which its content fits with
 * headroom for nFFTPoints. Flat and clipping channels are named in
 * *pstrNotes. An EDF+D file whose records are not contiguous in time is
 * refused. FALSE, with a reason, when the file cannot be read. */

BOOL RecStreamLoadPage(RECORDING *pRec, DWORD nFirstSecond, DWORD nSeconds, char *pszError, size_t cbError);
/* Fills every channel's aPage with its samples of the nSeconds from
 * nFirstSecond, as 16-bit steps. FALSE, with a reason, when the file no
 * longer holds them. */

#endif /* HOST_RECSTREAM_H */
