// QCUSTOM's entry: the control classes exist while the library is attached.
#include "ccintern.h"
#include "qcustom.h"

// A class that cannot be registered leaves the library loaded: the plug-in
// works on without the controls it could not create.
extern "C" QF_EXPORT BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        CcRegisterStatic(hInstance);
        CcRegisterTextButton(hInstance);
        CcRegisterRangeScale(hInstance);
        break;
    case DLL_PROCESS_DETACH:
        UnregisterClassA(CC_STATIC_CLASS, hInstance);
        UnregisterClassA(CC_TEXTBTN_CLASS, hInstance);
        UnregisterClassA(CC_RNGSCALE_CLASS, hInstance);
        break;
    default:
        break;
    }
    return TRUE;
}
