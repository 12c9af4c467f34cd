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

/*
 * Resources come from each module's resource script, compiled into tables
 * that the module registers when it is loaded (rctables.h). Texts are code
 * page 932 bytes, as a Japanese Windows gives them to the *A functions.
 */

#ifndef RC_INVOKED
/* Copies string uID of module hInstance into lpBuffer: at most
 * cchBufferMax - 1 bytes, never half of a double-byte character, then a
 * NUL. Returns the bytes copied (without the NUL); 0 when the string does
 * not exist (lpBuffer then holds ""). cchBufferMax <= 0 or a NULL buffer
 * write nothing and return 0 (the ANSI function has no read-only pointer
 * mode). */
int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);

/* The shared handle of icon resource lpIconName (MAKEINTRESOURCE id, "#id"
 * or a name) of module hInstance; NULL when the module has no such icon.
 * The handle stays valid while the module is loaded and is not destroyed. */
HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
#endif

/* ---- beeps, help, system metrics, cursor ---- */

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINUSER_H */
