/*
 * codepage.h - texts between the plug-in's ANSI code page (932, as on a
 * Japanese Windows) and the terminal's UTF-8.
 */
#ifndef HOST_CODEPAGE_H
#define HOST_CODEPAGE_H

#include <stddef.h>

#include <string>

void CpAnsiToUtf8(const char *pszAnsi, char *pszUtf8, size_t cbUtf8);
/* Converts a code page 932 text for the terminal. Bytes that are no valid
 * code page 932 become '?'. The result is cut to cbUtf8 - 1 bytes at a
 * character boundary and always terminated (cbUtf8 >= 1). */

std::string CpAnsiToUtf8String(const char *pszAnsi);
/* CpAnsiToUtf8 of a whole text, however long. */

std::string CpCleanUtf8(const char *pszUtf8);
/* The text with every byte that is no part of valid UTF-8 replaced by
 * '?': for names from the file system, which may be any bytes. */

void CpUtf8ToAnsi(const char *pszUtf8, char *pszAnsi, size_t cbAnsi);
/* Converts a UTF-8 text for the plug-in; characters that code page 932
 * lacks become '?'. Cut and terminated as above. */

#endif /* HOST_CODEPAGE_H */
