/*
 * readat.h - reading a run of bytes at an offset of an open file, whole or
 * not at all.
 */
#ifndef HOST_READAT_H
#define HOST_READAT_H

#include <stddef.h>

#include <windows.h>

BOOL ReadAt(int fd, unsigned long long nOffset, size_t cb, unsigned char *pb);
/* Reads cb bytes at nOffset into pb, retrying after signals; FALSE when the
 * file ends before them (it may be shorter now) or cannot be read. */

#endif /* HOST_READAT_H */
