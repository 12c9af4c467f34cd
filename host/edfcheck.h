/*
 * edfcheck.h - a check of an EDF or BDF file's fixed header before BioSig
 * parses it: the library trusts these fields and can crash on damaged ones.
 */
#ifndef HOST_EDFCHECK_H
#define HOST_EDFCHECK_H

#include <stddef.h>

#include <windows.h>

BOOL EdfCheckHeader(const char *pszPath, char *pszWhat, size_t cbWhat);
/* TRUE when the file does not begin like EDF or BDF (other formats are the
 * library's to judge), or when its header is whole and consistent: numeric
 * fields that are numbers, at least one signal, a header size of 256 bytes
 * per signal plus 256, every signal with samples and a digital range, and
 * a file long enough for the data records it announces. FALSE otherwise,
 * with what is wrong in pszWhat. */

#endif /* HOST_EDFCHECK_H */
