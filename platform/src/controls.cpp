// Registration of the dialog class and the standard control classes, and
// what the controls share.
#include <strings.h>

#include "dlgint.h"

struct CTLCLASS {
    const char *pszName;
    WNDPROC pfnProc;
    int cbWndExtra;
};

// Each control keeps a pointer to its state record in its extra bytes. The
// names are spelt as Windows registers them, which GetClassNameA reports.
static const CTLCLASS kClasses[] = {
    {"#32770", DefDlgProcA, DLGWINDOWEXTRA},
    {"Button", ButtonWndProc, sizeof(void *)},
    {"Edit", EditWndProc, sizeof(void *)},
    {"ComboBox", ComboWndProc, sizeof(void *)},
    {"Static", StaticWndProc, sizeof(void *)},
    {"ScrollBar", ScrollBarWndProc, sizeof(void *)},
};

void CtlRegisterClasses(void)
{
    static BOOL s_fDone;
    if (s_fDone)
        return;
    s_fDone = TRUE;
    // They belong to the platform and serve every module, as the system
    // classes of Windows do.
    for (const CTLCLASS &c : kClasses) {
        WNDCLASSA wc = {};
        wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_PARENTDC;
        wc.lpfnWndProc = c.pfnProc;
        wc.cbWndExtra = c.cbWndExtra;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = c.pszName;
        RegisterClassA(&wc);
    }
}

void CtlNotify(HWND hCtl, UINT uCode)
{
    HWND hParent = GetParent(hCtl);
    if (hParent)
        SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hCtl), uCode), reinterpret_cast<LPARAM>(hCtl));
}

BOOL CtlIsClass(HWND hCtl, LPCSTR lpClassName)
{
    char szName[64];
    return GetClassNameA(hCtl, szName, sizeof szName) > 0 && strcasecmp(szName, lpClassName) == 0;
}
