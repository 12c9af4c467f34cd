// Copying callers' texts into the fixed fields of the automation logs.
#ifndef PLATFORM_SRC_LOGTEXT_H
#define PLATFORM_SRC_LOGTEXT_H

#include <stddef.h>
#include <string.h>

// Copies pszSrc (NULL counts as "") into achDst, cut to fit with its NUL.
template <size_t N> inline void LogCopyText(char (&achDst)[N], const char *pszSrc)
{
    size_t cch = pszSrc ? strnlen(pszSrc, N - 1) : 0;
    memcpy(achDst, pszSrc ? pszSrc : "", cch);
    achDst[cch] = '\0';
}

// Empties the file dialog log (kept with the dialogs, cleared with the
// other logs by AutoClearLogs).
void FileDialogClearLog();
void MenuClearLog();

#endif
