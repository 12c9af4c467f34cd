/*
 * atomicfile.h - writing a whole file so that it is either there complete
 * or not changed at all: written under a temporary name beside it, then
 * renamed over it.
 */
#ifndef HOST_ATOMICFILE_H
#define HOST_ATOMICFILE_H

#include <stddef.h>

#include <string>

bool AtomicWriteFile(const std::string &strPath, const std::string &strBytes, char *pszError, size_t cbError);
/* Writes strBytes to strPath through strPath + ".tmp-PID" and rename.
 * false, with a one-line reason, when it could not be written; the
 * temporary file is removed then and strPath is left as it was. */

bool AtomicWriteFile(const std::string &strPath, const std::string &strBytes, std::string *pstrError);
/* The same, the reason in *pstrError. */

#endif /* HOST_ATOMICFILE_H */
