// Registration of the plug-in's window classes at load.
#include "frame/fftview.h"
#include "frame/module.h"

static ATOM RegisterAnalyClass(HINSTANCE hInstance)
{
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = AnalyWndProc;
    wc.cbWndExtra = FVW_EXTRA;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = ANALY_CLASS;
    return RegisterClassA(&wc);
}

void RegisterPluginClasses(HINSTANCE hInstance)
{
    RegisterAnalyClass(hInstance);
    RegisterGraphClass();
    RegisterChTableClass(hInstance);
    RegisterBarGraphClass(hInstance);
    RegisterCohGraphClass(hInstance);
}

void UnregisterPluginClasses(HINSTANCE hInstance)
{
    UnregisterClassA(ANALY_CLASS, hInstance);
}
