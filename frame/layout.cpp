// Layout of the analysis window's children and its frame.
#include "frame/layout.h"

void LayoutChildren(HWND, FFTVIEWDATA *, int, int)
{
    // Places the status line, the graphs, the setup panel and the buttons.
}

void PaintAnalyFrame(HWND, HDC)
{
    // Draws the frame through the custom-control library when styled so.
}
