// The ANSI code page: 932, as on a Japanese Windows.
#include <windows.h>

#include "path.h"

extern "C" BOOL WINAPI IsDBCSLeadByte(BYTE TestChar)
{
    return PathIsLeadByte(TestChar) ? TRUE : FALSE;
}
