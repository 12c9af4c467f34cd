// The spectrum graph's painter for a platform layer without GDI's drawing
// calls: the window paints nothing. Built instead of graphdraw.cpp only
// until the layer draws (libs/CMakeLists.txt decides).
#include "graphint.h"

void GraphPaint(HDC, const RECT *, const FFTGRAPHDATA *)
{
}
