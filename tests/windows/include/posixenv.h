/*
 * posixenv.h - setenv and unsetenv, which the shared tests and their test
 * modules use and the Windows C runtime lacks, over _putenv_s. Forced into
 * every Windows test source. The modules and the program share one C
 * runtime (msvcrt.dll), hence one environment, as they share one on Linux.
 */
#ifndef TESTS_WINDOWS_POSIXENV_H
#define TESTS_WINDOWS_POSIXENV_H

#include <stdlib.h>

static inline int setenv(const char *pszName, const char *pszValue, int fOverwrite)
{
    if (!fOverwrite && getenv(pszName))
        return 0;
    return _putenv_s(pszName, pszValue) == 0 ? 0 : -1;
}

/* An empty value removes the variable on Windows. */
static inline int unsetenv(const char *pszName)
{
    return _putenv_s(pszName, "") == 0 ? 0 : -1;
}

#endif /* TESTS_WINDOWS_POSIXENV_H */
