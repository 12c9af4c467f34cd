// System metrics and the cursor position of the virtual screen. There is
// no real screen: its size and the cursor are set through the automation
// API; every other metric is the fixed value of a classic 96-dpi desktop.
#include <windows.h>
#include <automation.h>

static int g_cxScreen = 1280;
static int g_cyScreen = 1024;
static POINT g_ptCursor = {0, 0};

static const int CY_CAPTION = 19;

// Metrics that do not depend on the screen size; -1 ends the table.
static const struct {
    int nIndex;
    int nValue;
} kFixedMetrics[] = {
    {SM_CXVSCROLL, 17},   {SM_CYHSCROLL, 17},   {SM_CYCAPTION, CY_CAPTION},
    {SM_CXBORDER, 1},     {SM_CYBORDER, 1},     {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3},   {SM_CYVTHUMB, 17},    {SM_CXHTHUMB, 17},
    {SM_CXICON, 32},      {SM_CYICON, 32},      {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},    {SM_CYMENU, 19},      {SM_MOUSEPRESENT, 1},
    {SM_CYVSCROLL, 17},   {SM_CXHSCROLL, 17},   {SM_SWAPBUTTON, 0},
    {SM_CXMIN, 112},      {SM_CYMIN, 27},       {SM_CXSIZE, 18},
    {SM_CYSIZE, 18},      {SM_CXFRAME, 4},      {SM_CYFRAME, 4},
    {SM_CXMINTRACK, 112}, {SM_CYMINTRACK, 27},  {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4},  {SM_DBCSENABLED, 1},  {SM_CMOUSEBUTTONS, 3},
    {SM_CXEDGE, 2},       {SM_CYEDGE, 2},       {SM_CXSMICON, 16},
    {SM_CYSMICON, 16},    {SM_CYSMCAPTION, 15}, {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13}, {SM_XVIRTUALSCREEN, 0}, {SM_YVIRTUALSCREEN, 0},
    {SM_CMONITORS, 1},    {-1, 0},
};

extern "C" int WINAPI GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CXFULLSCREEN:
        return g_cxScreen;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
        return g_cyScreen;
    case SM_CYFULLSCREEN:
        return g_cyScreen - CY_CAPTION;
    case SM_CXMAXIMIZED:
        return g_cxScreen + 8;
    case SM_CYMAXIMIZED:
        return g_cyScreen + 8;
    }
    for (int i = 0; kFixedMetrics[i].nIndex >= 0; i++)
        if (kFixedMetrics[i].nIndex == nIndex)
            return kFixedMetrics[i].nValue;
    return 0;
}

extern "C" BOOL WINAPI GetCursorPos(LPPOINT lpPoint)
{
    if (!lpPoint)
        return FALSE;
    *lpPoint = g_ptCursor;
    return TRUE;
}

extern "C" BOOL AutoSetScreenSize(int cx, int cy)
{
    if (cx < 1 || cy < 1)
        return FALSE;
    g_cxScreen = cx;
    g_cyScreen = cy;
    return TRUE;
}

extern "C" void AutoSetCursorPos(int x, int y)
{
    g_ptCursor.x = x;
    g_ptCursor.y = y;
}
