/*
 * winbase.h - kernel part of the platform layer: memory, modules, files,
 * profile (INI) functions.
 */
#ifndef PLATFORM_WINBASE_H
#define PLATFORM_WINBASE_H

#include "windef.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

/* ---- memory, modules, errors, time ---- */

#ifndef RC_INVOKED
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);
#endif

/* ---- files and profile functions ---- */

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINBASE_H */
