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

/*
 * Global memory. A GMEM_FIXED block's handle is its address. A GMEM_MOVEABLE
 * block's handle is a small 32-bit value (it fits a window long, as on
 * Windows) that stays valid while the block's address may change whenever
 * its lock count is 0. Freed and foreign handles are detected and answered
 * with failure and ERROR_INVALID_HANDLE, never with a crash.
 */
#define GMEM_FIXED          0x0000
#define GMEM_MOVEABLE       0x0002
#define GMEM_NOCOMPACT      0x0010
#define GMEM_NODISCARD      0x0020
#define GMEM_ZEROINIT       0x0040
#define GMEM_MODIFY         0x0080
#define GMEM_DISCARDABLE    0x0100
#define GMEM_NOT_BANKED     0x1000
#define GMEM_SHARE          0x2000
#define GMEM_DDESHARE       0x2000
#define GMEM_DISCARDED      0x4000
#define GMEM_INVALID_HANDLE 0x8000
#define GMEM_LOCKCOUNT      0x00FF
#define GHND                (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR                (GMEM_FIXED | GMEM_ZEROINIT)

/* Error codes answered by GetLastError. */
#define NO_ERROR                      0L
#define ERROR_SUCCESS                 0L
#define ERROR_INVALID_FUNCTION        1L
#define ERROR_FILE_NOT_FOUND          2L
#define ERROR_PATH_NOT_FOUND          3L
#define ERROR_ACCESS_DENIED           5L
#define ERROR_INVALID_HANDLE          6L
#define ERROR_NOT_ENOUGH_MEMORY       8L
#define ERROR_OUTOFMEMORY             14L
#define ERROR_INVALID_PARAMETER       87L
#define ERROR_INSUFFICIENT_BUFFER     122L
#define ERROR_MOD_NOT_FOUND           126L
#define ERROR_PROC_NOT_FOUND          127L
#define ERROR_NOT_LOCKED              158L
#define ERROR_DLL_INIT_FAILED         1114L
#define ERROR_INVALID_WINDOW_HANDLE   1400L
#define ERROR_INVALID_MENU_HANDLE     1401L
#define ERROR_TLW_WITH_WSCHILD        1406L
#define ERROR_CANNOT_FIND_WND_CLASS   1407L
#define ERROR_WINDOW_OF_OTHER_THREAD  1408L
#define ERROR_CLASS_ALREADY_EXISTS    1410L
#define ERROR_CLASS_DOES_NOT_EXIST    1411L
#define ERROR_CLASS_HAS_WINDOWS       1412L
#define ERROR_INVALID_INDEX           1413L
#define ERROR_CONTROL_ID_NOT_FOUND    1421L
#define ERROR_INVALID_GW_COMMAND      1418L
#define ERROR_NO_SYSTEM_RESOURCES     1450L
#define ERROR_INVALID_FLAGS           1004L

/* DllMain reasons. */
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH  2
#define DLL_THREAD_DETACH  3

#ifndef RC_INVOKED
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
/* uFlags: GMEM_FIXED or GMEM_MOVEABLE, optionally GMEM_ZEROINIT (GPTR, GHND);
 * GMEM_DISCARDABLE is remembered. dwBytes may be 0 for a movable block (it
 * is created discarded). Returns the handle, or NULL with
 * ERROR_NOT_ENOUGH_MEMORY / ERROR_INVALID_PARAMETER. */
LPVOID WINAPI GlobalLock(HGLOBAL hMem);
/* Returns the block's address and adds 1 to a movable block's lock count
 * (nested locks count). NULL for a discarded block (last error unchanged)
 * and for a bad handle (ERROR_INVALID_HANDLE). While the lock count is 0
 * the address may change (see AutoSetGlobalMove). */
BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
/* Subtracts 1 from the lock count. Returns TRUE while the block is still
 * locked; FALSE with last error NO_ERROR when the count reaches 0; FALSE
 * with ERROR_NOT_LOCKED when it was not locked; FALSE with
 * ERROR_INVALID_HANDLE for a bad handle. A fixed block answers TRUE. */
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
/* Frees the block, locked or not. Returns NULL on success, hMem on failure
 * (ERROR_INVALID_HANDLE). GlobalFree(NULL) returns NULL. */
HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
/* Changes the size (growth zeroed with GMEM_ZEROINIT) or, with GMEM_MODIFY,
 * only the attributes (GMEM_MOVEABLE turns a fixed block movable and
 * returns its new handle; GMEM_DISCARDABLE). A movable block keeps its
 * handle. A locked movable block is resized only with GMEM_MOVEABLE; a
 * fixed block grows only with GMEM_MOVEABLE (then its address, which is its
 * handle, may change). dwBytes 0 discards an unlocked movable block.
 * Returns the handle, or NULL (ERROR_NOT_ENOUGH_MEMORY,
 * ERROR_INVALID_HANDLE); the old block is untouched on failure. */
SIZE_T WINAPI GlobalSize(HGLOBAL hMem);
/* Size in bytes; 0 for a discarded block and for a bad handle
 * (ERROR_INVALID_HANDLE). */
UINT WINAPI GlobalFlags(HGLOBAL hMem);
/* Lock count (GMEM_LOCKCOUNT) | GMEM_DISCARDABLE | GMEM_DISCARDED;
 * GMEM_INVALID_HANDLE for a bad handle. */
HGLOBAL WINAPI GlobalHandle(LPCVOID pMem);
/* The handle of the block whose current address is pMem (or pMem itself
 * when it is a valid handle); NULL with ERROR_INVALID_HANDLE otherwise. */

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
/* Loads a module. "X.dll" (or "X") is looked up as X.so: with a folder
 * (either separator) there only; else in the program's folder, the current
 * folder, then the dynamic loader's path. File names match case-
 * insensitively. Reference counted. The module's own exported
 * DllMain(hModule, DLL_PROCESS_ATTACH, NULL) is called at first load, after
 * those of the modules it depends on that this call loaded; FALSE from it
 * unloads again and fails with ERROR_DLL_INIT_FAILED. Returns the module's
 * load base address, or NULL (ERROR_MOD_NOT_FOUND). */
BOOL WINAPI FreeLibrary(HMODULE hLibModule);
/* Drops one reference; at 0 calls DllMain(DLL_PROCESS_DETACH) (the module
 * first, then its dependencies) and unloads. FALSE with
 * ERROR_INVALID_HANDLE for a module not loaded by LoadLibraryA. */
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
/* Exported function by name; NULL with ERROR_PROC_NOT_FOUND when absent,
 * ERROR_INVALID_HANDLE for an unknown module; hModule NULL means the main
 * program. Ordinals (MAKEINTRESOURCE(n)) belong to the Windows build's
 * module-definition files: a shared object has none, so they answer NULL
 * with ERROR_PROC_NOT_FOUND. */
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
/* NULL: the main program's base address. A name: an already loaded module
 * (same lookup as LoadLibraryA, no reference taken), else NULL with
 * ERROR_MOD_NOT_FOUND. */
DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
/* Full path of the module's file (the .so on Linux; NULL: the program).
 * Returns the length without the NUL; when the buffer is too small the path
 * is truncated and NUL-terminated, nSize is returned and the last error is
 * ERROR_INSUFFICIENT_BUFFER. 0 with ERROR_MOD_NOT_FOUND for an unknown
 * module. */

DWORD WINAPI GetTickCount(void);
/* Milliseconds of the virtual clock (see AutoAdvanceClock): it starts at
 * 1000000 and advances only when the automation layer or GetMessageA moves
 * it, so runs are deterministic. Headless: no relation to wall time. */
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

/* Code page. The layer's ANSI code page is 932, as on a Japanese Windows. */
BOOL WINAPI IsDBCSLeadByte(BYTE TestChar);
/* TRUE when TestChar opens a double-byte character of code page 932
 * (0x81-0x9F, 0xE0-0xFC). */
#endif

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINBASE_H */
