// Children of the analysis window, their layout, the command buttons.
#include "frame/layout.h"

void CreateAnalyChildren(HWND, FFTVIEWDATA *)
{
    // Creates the setup panel, graphs, bar graphs and controls.
}

void LayoutChildren(HWND, FFTVIEWDATA *, int, int)
{
    // Places the status line, the graphs, the setup panel and the buttons.
}

void UpdateButtons(HWND, FFTVIEWDATA *)
{
    // Enables and checks the command buttons for the analysis state.
}

void PaintAnalyFrame(HWND, HDC)
{
    // Draws the frame through the custom-control library when styled so.
}

void AnalyCommand(HWND, FFTVIEWDATA *, int, int, HWND)
{
    // Dispatches the commands of the buttons, graphs and setup panel.
}
