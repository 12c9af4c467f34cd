// Layout of the analysis window's children and its frame.
#include "frame/layout.h"

#include "custom/qcustom.h"

void LayoutChildren(HWND, FFTVIEWDATA *, int, int)
{
    // Places the status line, the graphs, the setup panel and the buttons.
}

// Style bits 0 and 1 ask for a frame; bit 1 chooses its kind and bits 8 to
// 11 its shade. Drawing it is also what ties the custom-control library,
// whose classes the status line and buttons are made of, to the plug-in.
void PaintAnalyFrame(HWND hWnd, HDC hdc)
{
    LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
    if ((lStyle & 3) == 0)
        return;
    CcDrawFrame(hWnd, hdc, (int)(lStyle & 2), (int)((lStyle >> 8) & 15));
}
