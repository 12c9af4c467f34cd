/*
 * winbase.h - kernel part of the platform layer: memory, modules, files,
 * profile (INI) functions.
 */
#ifndef PLATFORM_WINBASE_H
#define PLATFORM_WINBASE_H

#include "windef.h"

#if defined(__cplusplus) && !defined(RC_INVOKED)
extern "C" {
#endif

/* ---- memory, modules, errors, time ---- */

#ifndef RC_INVOKED
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);
#endif

/* ---- files and profile functions ---- */

/*
 * Paths may use "\" or "/"; a drive prefix ("C:") is ignored, and a name
 * without a folder is taken from the current folder (Windows would use its
 * Windows folder for profile files). ANSI paths are CP932. Names are case
 * sensitive on Linux.
 */

#ifndef ERROR_SUCCESS
#define ERROR_SUCCESS 0L
#endif
#ifndef ERROR_FILE_NOT_FOUND
#define ERROR_FILE_NOT_FOUND 2L
#endif
#ifndef ERROR_PATH_NOT_FOUND
#define ERROR_PATH_NOT_FOUND 3L
#endif
#ifndef ERROR_ACCESS_DENIED
#define ERROR_ACCESS_DENIED 5L
#endif
#ifndef ERROR_INVALID_HANDLE
#define ERROR_INVALID_HANDLE 6L
#endif
#ifndef ERROR_NOT_ENOUGH_MEMORY
#define ERROR_NOT_ENOUGH_MEMORY 8L
#endif
#ifndef ERROR_WRITE_FAULT
#define ERROR_WRITE_FAULT 29L
#endif
#ifndef ERROR_READ_FAULT
#define ERROR_READ_FAULT 30L
#endif
#ifndef ERROR_SHARING_VIOLATION
#define ERROR_SHARING_VIOLATION 32L
#endif
#ifndef ERROR_FILE_EXISTS
#define ERROR_FILE_EXISTS 80L
#endif
#ifndef ERROR_INVALID_PARAMETER
#define ERROR_INVALID_PARAMETER 87L
#endif
#ifndef ERROR_DISK_FULL
#define ERROR_DISK_FULL 112L
#endif
#ifndef ERROR_INVALID_NAME
#define ERROR_INVALID_NAME 123L
#endif
#ifndef ERROR_DIR_NOT_EMPTY
#define ERROR_DIR_NOT_EMPTY 145L
#endif
#ifndef ERROR_ALREADY_EXISTS
#define ERROR_ALREADY_EXISTS 183L
#endif

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)

#ifndef RC_INVOKED
typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

BOOL WINAPI CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists);
/* Copies the bytes of lpExistingFileName to lpNewFileName, replacing it
 * unless bFailIfExists is TRUE. TRUE on success; FALSE with the last error
 * ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND (missing source or target
 * folder), ERROR_FILE_EXISTS (target exists and bFailIfExists),
 * ERROR_SHARING_VIOLATION (source and target are the same file),
 * ERROR_ACCESS_DENIED, ERROR_INVALID_PARAMETER (NULL name). */

BOOL WINAPI DeleteFileA(LPCSTR lpFileName);
/* Deletes a file (not a folder). FALSE with ERROR_FILE_NOT_FOUND,
 * ERROR_PATH_NOT_FOUND or ERROR_ACCESS_DENIED (also for a folder). */

DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName);
/* FILE_ATTRIBUTE_DIRECTORY for a folder, FILE_ATTRIBUTE_ARCHIVE for a file,
 * plus FILE_ATTRIBUTE_READONLY when it cannot be written;
 * INVALID_FILE_ATTRIBUTES with ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND
 * when it does not exist. */

BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes);
/* Creates one folder (the parent must exist); lpSecurityAttributes is
 * ignored. FALSE with ERROR_ALREADY_EXISTS or ERROR_PATH_NOT_FOUND. */

/*
 * Profile (INI) files. Section and key names are compared without regard
 * to case; names and values are trimmed of blanks; a line is split at its
 * first "="; ";" at the start of a line makes a comment (there are no
 * comments after a value); one pair of matching surrounding ' or " is
 * removed from a value on reading. Where a section or a key appears twice,
 * the first one counts. Lines before the first section header, lines
 * without "=" and broken headers ("[name" without "]") are never matched.
 * Files are read afresh on every call (no cache) and written back whole,
 * in place of the old file, keeping every line not being changed byte for
 * byte; lines written end in CR LF; LF-only files are read as well. A
 * NULL or empty file name names no file: reads give the default, writes
 * fail. Not for use from several threads at once.
 */

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                                      LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
/* The value of key lpKeyName in section lpAppName, or lpDefault (NULL means
 * "", trailing blanks removed) when the file, section or key is missing or
 * the key has no "=". lpAppName NULL: the names of all sections; lpKeyName
 * NULL: the names of all keys of the section; each name ends in a NUL and
 * the list in a second NUL. Result: characters copied, not counting the
 * terminating NUL(s). When the buffer of nSize characters is too small, a
 * value is cut and the result is nSize - 1; a list's last name is cut,
 * ends in two NULs and the result is nSize - 2. 0 for a NULL buffer or
 * nSize 0. */

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName);
/* The key's value as an integer: optional blanks, an optional sign, then
 * decimal digits up to the first other character ("12ab" is 12, "abc" is
 * 0); a negative value comes back as its two's complement. nDefault when
 * the key is missing or its value is empty. */

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                       LPCSTR lpFileName);
/* Sets key lpKeyName of section lpAppName to lpString, replacing the first
 * such key in place or adding "key=value" at the end of the section;
 * creates the file and the section when missing. lpString NULL deletes the
 * key; lpKeyName NULL deletes the section with all its lines. The file is
 * only rewritten when something changes. FALSE for a NULL section or file
 * name, with ERROR_PATH_NOT_FOUND when the folder is missing, or
 * ERROR_ACCESS_DENIED / ERROR_WRITE_FAULT when it cannot be written (the
 * old file is then unchanged). */
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINBASE_H */
