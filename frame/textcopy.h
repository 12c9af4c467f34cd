/*
 * textcopy.h - bounded copies into the record's fixed text buffers.
 *
 * Texts from the host may be longer than the buffer meant for them: they are
 * cut to the whole characters that fit in the buffer size minus one and
 * always terminated, so nothing is ever written past a buffer, every stored
 * text can be read back safely, and no double-byte character of the ANSI
 * code page is split (a lone lead byte would swallow the next character of
 * whatever text it is later joined with).
 */
#ifndef QFFTANA_TEXTCOPY_H
#define QFFTANA_TEXTCOPY_H

#include <stddef.h>

#include <windows.h>

BOOL TextCopy(char *pszDst, size_t cbDst, const char *pszSrc);
/* Copies pszSrc into pszDst (cbDst bytes, cbDst > 0), the whole characters
   of at most cbDst - 1 bytes, and terminates it. A null pszSrc gives "". Returns TRUE when
   the whole text fitted, FALSE when it was cut. */

BOOL TextJoin(char *pszDst, size_t cbDst, const char *pszFirst, const char *pszSecond);
/* pszDst = pszFirst + pszSecond within cbDst bytes (cbDst > 0). When the
   whole does not fit pszDst is left empty and FALSE returned: a cut path
   would name another file. pszDst must not overlap the sources. */

#endif /* QFFTANA_TEXTCOPY_H */
