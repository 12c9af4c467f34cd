/*
 * shellapi.h - ShellExecuteA of the platform layer.
 *
 * Headless: nothing is started. The call is logged (see automation.h) and
 * answers as Windows would for a document that can be opened, or with
 * SE_ERR_FNF when the file does not exist.
 */
#ifndef PLATFORM_SHELLAPI_H
#define PLATFORM_SHELLAPI_H

#include "windows.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_NOASSOC 31

#ifndef RC_INVOKED
HINSTANCE WINAPI ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                               LPCSTR lpDirectory, INT nShowCmd);
/* "Opens" lpFile with verb lpOperation (NULL: the default verb). A result
 * greater than 32 (42) means success; SE_ERR_FNF (2) when lpFile is NULL
 * or names no existing file or folder (a relative name is looked up in
 * lpDirectory when given). Logged either way. */

#define ShellExecute ShellExecuteA
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_SHELLAPI_H */
