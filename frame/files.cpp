// File tests of the plug-in.
#include "frame/files.h"

#include <mmsystem.h>

#include "frame/fftview.h"
#include "frame/textcopy.h"

BOOL FileExists(const char *pszPath)
{
    char szPath[FV_PATH];
    if (!TextCopy(szPath, sizeof(szPath), pszPath))
        return FALSE;
    return mmioOpenA(szPath, NULL, MMIO_EXIST) != NULL;
}
