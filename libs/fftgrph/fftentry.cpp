// QFFTGRPH's entry: the global graph class goes with the library. Left
// registered, a host that unloads the plug-in and loads it again elsewhere
// would find a class whose procedure points into freed code.
#include <windows.h>

#include "fftgraph.h"
#include "qfexport.h"

extern "C" QF_EXPORT BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_DETACH)
        UnregisterClassA(FG_GRAPH_CLASS, hInstance);
    return TRUE;
}
