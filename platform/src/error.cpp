// Per-thread last-error value, as kernel32 keeps it.
#include <windows.h>

static thread_local DWORD t_dwLastError;

extern "C" DWORD WINAPI GetLastError(void)
{
    return t_dwLastError;
}

extern "C" void WINAPI SetLastError(DWORD dwErrCode)
{
    t_dwLastError = dwErrCode;
}
