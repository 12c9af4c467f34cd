// A module loaded by the tests: records DllMain, keeps its instance handle,
// and can be told to refuse loading.
#include <windows.h>

#include <cstdlib>

#include "testlog.h"

extern "C" int TestDepValue(void);

static HINSTANCE g_hInstance;

extern "C" __attribute__((visibility("default"))) BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    TestModLog(dwReason == DLL_PROCESS_ATTACH ? "mod+" : "mod-");
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hInstance = hInstance;
        const char *pszRefuse = getenv("QF_TESTMOD_REFUSE");
        return !(pszRefuse && pszRefuse[0] == '1');
    }
    return TRUE;
}

// The instance handle DllMain received.
extern "C" __attribute__((visibility("default"))) HINSTANCE TestModInstance(void)
{
    return g_hInstance;
}

// Not exported: modules are built with hidden visibility.
extern "C" int TestModInternal(void)
{
    return 6;
}

// Calls into the dependency, so that it is really needed.
extern "C" __attribute__((visibility("default"))) int TestModValue(void)
{
    return TestDepValue() * TestModInternal();
}
