/*
 * automation.h - what a user or the host would do, for tests and the host
 * simulator (Linux only; the plug-in never includes this).
 *
 * Nothing here exists on Windows. Tests that must also run on Windows reach
 * these calls through their own small helper interface.
 */
#ifndef PLATFORM_AUTOMATION_H
#define PLATFORM_AUTOMATION_H

#include "windows.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- message pump, virtual clock, mouse and focus ---- */

/* ---- dialogs, edits, combo boxes, save dialog ---- */

/* ---- logs: beeps, help, shell, system metrics ---- */

#ifdef __cplusplus
}
#endif

#endif /* PLATFORM_AUTOMATION_H */
