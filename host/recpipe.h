/*
 * recpipe.h - running a recording reader in a child process, so that a
 * library crash on a damaged file cannot take the host down with it. The
 * child sends the recording back through a pipe.
 */
#ifndef HOST_RECPIPE_H
#define HOST_RECPIPE_H

#include <stddef.h>

#include "recording.h"

typedef BOOL (*RECREADER)(const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError);

BOOL RecReadInChild(RECREADER pfnRead, const char *pszPath, RECORDING *pRec, char *pszError, size_t cbError);
/* Runs pfnRead in a child process and returns its result and *pRec or
 * its reason. When the child dies (a signal) or cannot be started, FALSE
 * with a reason that says so. */

#endif /* HOST_RECPIPE_H */
