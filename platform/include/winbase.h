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

#if defined(__cplusplus) && !defined(RC_INVOKED)
}
#endif

#endif /* PLATFORM_WINBASE_H */
