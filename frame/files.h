/*
 * files.h - file tests of the plug-in.
 */
#ifndef QFFTANA_FILES_H
#define QFFTANA_FILES_H

#include <windows.h>

BOOL FileExists(const char *pszPath);
/* TRUE when the file pszPath (at most 259 characters) exists; tested by an
   existence-only open, which neither creates nor locks it. */

#endif /* QFFTANA_FILES_H */
