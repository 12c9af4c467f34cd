// Module entry of the plug-in: keeps the instance handle, registers the
// window classes at load and answers the host's version query.
#include <windows.h>

#include "frame/module.h"
#include "qfexport.h"

static HINSTANCE g_hInstance;

HINSTANCE ModuleInstance(void)
{
    return g_hInstance;
}

extern "C" QF_EXPORT BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        g_hInstance = hInstance;
        RegisterPluginClasses(hInstance);
        break;
    case DLL_PROCESS_DETACH:
        UnregisterPluginClasses(hInstance);
        break;
    default:
        break;
    }
    return TRUE;
}

// The option interface version the host checks before it creates a window.
extern "C" QF_EXPORT WORD WINAPI QOptionGetVersion(void)
{
    return 100;
}
