// Damaged EDF, EDF+, BDF and BDF+ files through the host's header check: it
// must judge every file without reading outside what it was given and, when
// it refuses one, say why in a terminated text.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "edfcheck.h"
#include "fuzzcommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pbData, size_t cbData)
{
    static const std::string sPath = FuzzTempDir("recording") + "input.edf";
    FILE *pFile = fopen(sPath.c_str(), "wb");
    if (pFile == NULL)
        FuzzFail("cannot write %s", sPath.c_str());
    fwrite(pbData, 1, cbData, pFile);
    fclose(pFile);
    char szWhat[64];
    memset(szWhat, 'x', sizeof(szWhat));
    if (!EdfCheckHeader(sPath.c_str(), szWhat, sizeof(szWhat)) &&
        strnlen(szWhat, sizeof(szWhat)) == sizeof(szWhat))
        FuzzFail("a refused file got no terminated reason");
    return 0;
}
