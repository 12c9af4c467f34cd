// Module entry of the plug-in: keeps the instance handle and answers the
// host's version query.
#include <windows.h>

#include "qfexport.h"

static HINSTANCE g_hInstance;

extern "C" QF_EXPORT BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == 1)
        g_hInstance = hInstance;
    return TRUE;
}

// The option interface version the host checks before it creates a window.
extern "C" QF_EXPORT WORD WINAPI QOptionGetVersion(void)
{
    return 100;
}
