/*
 * winuser.h - user-interface part of the platform layer: window classes,
 * windows, messages, timers, focus and capture; dialogs, standard controls
 * and resources; beeps, help, system metrics and the cursor.
 */
#ifndef PLATFORM_WINUSER_H
#define PLATFORM_WINUSER_H

#include "windef.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

/* ---- window classes, windows, messages, timers ---- */

/* ---- resources, dialogs and standard controls ---- */

/* ---- beeps, help, system metrics, cursor ---- */

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINUSER_H */
