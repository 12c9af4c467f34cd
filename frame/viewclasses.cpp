// Window classes of the result views and of the spectrum graph, registered
// at load; the views' window procedures live in views/.
#include "fftgrph/fftgraph.h"
#include "frame/module.h"
#include "views/chtable.h"
#include "views/views.h"

// Style of every view class: redrawn on resize, double clicks, own DC.
#define VIEW_CLASS_STYLE (CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC | CS_PARENTDC)
#define VIEW_EXTRA (5 * (int)sizeof(LONG_PTR))

static ATOM RegisterViewClass(HINSTANCE hInstance, const char *pszClass, WNDPROC pfnProc,
                              HBRUSH hbrBackground)
{
    WNDCLASSA wc = {};
    wc.style = VIEW_CLASS_STYLE;
    wc.lpfnWndProc = pfnProc;
    wc.cbWndExtra = VIEW_EXTRA;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = pszClass;
    return RegisterClassA(&wc);
}

void RegisterGraphClass(void)
{
    FgRegisterGraphClass();
}

ATOM RegisterChTableClass(HINSTANCE hInstance)
{
    return RegisterViewClass(hInstance, CHTABLE_CLASS, ChTableWndProc,
                             (HBRUSH)(COLOR_BTNFACE + 1));
}

ATOM RegisterBarGraphClass(HINSTANCE hInstance)
{
    return RegisterViewClass(hInstance, BARGRAPH_CLASS, BarGraphWndProc,
                             (HBRUSH)GetStockObject(WHITE_BRUSH));
}

ATOM RegisterCohGraphClass(HINSTANCE hInstance)
{
    return RegisterViewClass(hInstance, COHGRAPH_CLASS, CohGraphWndProc,
                             (HBRUSH)GetStockObject(WHITE_BRUSH));
}
