/*
 * annotations.h - the annotations of an EDF+ or BDF+ file: every text of
 * its annotation signals with onset and duration, read by our own TAL
 * decoder (edffile.h), record by record.
 */
#ifndef HOST_ANNOTATIONS_H
#define HOST_ANNOTATIONS_H

#include <stddef.h>

#include <vector>

#include "edffile.h"

BOOL AnnRead(const char *pszPath, std::vector<EDFANNOTATION> *paOut, char *pszError, size_t cbError);
/* Fills *paOut with the file's annotations that have a text, in file
 * order; onsets in seconds from the first sample (the first data record's
 * time stamp is subtracted). The records' time-keeping entries are left
 * out. FALSE, with a one-line reason naming the file, when it cannot be
 * read, is not EDF+ or BDF+, or an annotation list is damaged (the record
 * is named; nothing is read beyond a record). */

#endif /* HOST_ANNOTATIONS_H */
