// The ANSI code page's character structure: code page 932.
#include "windows.h"

extern "C" BOOL WINAPI IsDBCSLeadByte(BYTE TestChar)
{
    return (TestChar >= 0x81 && TestChar <= 0x9F) || (TestChar >= 0xE0 && TestChar <= 0xFC);
}
