/*
 * winresrc.h - constants for resource scripts (.rc), as on Windows.
 * The resource generator runs the C preprocessor with RC_INVOKED defined,
 * so only the #defines of the headers come through.
 */
#ifndef PLATFORM_WINRESRC_H
#define PLATFORM_WINRESRC_H
#include "windows.h"
#endif
