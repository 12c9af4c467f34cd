/*
 * wingdi.h - graphics part of the platform layer: GDI objects and device
 * contexts. Drawing onto surfaces comes with the views.
 */
#ifndef PLATFORM_WINGDI_H
#define PLATFORM_WINGDI_H

#include "windef.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

/* ---- objects, device contexts, text metrics ---- */

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINGDI_H */
