/* shellapi.h - see winbase.h / winuser.h for the platform layer's conventions. */
#ifndef PLATFORM_SHELLAPI_H
#define PLATFORM_SHELLAPI_H

#include "windows.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_SHELLAPI_H */
