// A dependency with its own DllMain.
#include <windows.h>

#include "testlog.h"

extern "C" __attribute__((visibility("default"))) BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    TestModLog(dwReason == DLL_PROCESS_ATTACH ? "dep+" : "dep-");
    return TRUE;
}

extern "C" __attribute__((visibility("default"))) int TestDepValue(void)
{
    return 7;
}
