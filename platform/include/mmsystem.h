/* mmsystem.h - see winbase.h / winuser.h for the platform layer's conventions. */
#ifndef PLATFORM_MMSYSTEM_H
#define PLATFORM_MMSYSTEM_H

#include "windows.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_MMSYSTEM_H */
