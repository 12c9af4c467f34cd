// The resource registry: the tables that each loaded module's generated code
// registers, looked up by module instance (the module's load base address,
// as HINSTANCE is on Windows), and the functions that read them.
#include <dlfcn.h>
#include <strings.h>

#include <cstdlib>
#include <cstring>

#include "dlgint.h"
#include "resfind.h"

// Modules with resources are few (the plug-in, a handful of libraries, a
// test program), so a small fixed table is searched directly. It has no
// destructor, so a module unloading at process exit still finds it.
#define MAX_RESMODULES 32

struct RESMODULE {
    HINSTANCE hInstance;
    const RCMODULE *pTables;
};

static RESMODULE g_aResModules[MAX_RESMODULES];

BOOL WINAPI PlatformRegisterResources(const RCMODULE *pModule)
{
    Dl_info info;
    if (!pModule || !dladdr(pModule, &info) || !info.dli_fbase)
        return FALSE;
    for (RESMODULE &slot : g_aResModules) {
        if (slot.pTables)
            continue;
        slot.hInstance = static_cast<HINSTANCE>(info.dli_fbase);
        slot.pTables = pModule;
        return TRUE;
    }
    return FALSE;
}

void WINAPI PlatformUnregisterResources(const RCMODULE *pModule)
{
    for (RESMODULE &slot : g_aResModules)
        if (slot.pTables == pModule) {
            IconDropShared(pModule);
            slot = RESMODULE();
        }
}

static const RCMODULE *ResFindModule(HINSTANCE hInstance)
{
    if (!hInstance) // as on Windows: the program's own resources
        hInstance = GetModuleHandleA(NULL);
    for (const RESMODULE &slot : g_aResModules)
        if (slot.pTables && slot.hInstance == hInstance)
            return slot.pTables;
    return nullptr;
}

// True when the resource (pszName, wId) is the one lpName asks for.
static bool ResNameMatches(const char *pszName, WORD wId, LPCSTR lpName)
{
    if (IS_INTRESOURCE(lpName))
        return !pszName && wId == LOWORD(lpName);
    if (lpName[0] == '#') {
        char *pEnd = nullptr;
        unsigned long id = std::strtoul(lpName + 1, &pEnd, 10);
        return !pszName && *pEnd == '\0' && pEnd != lpName + 1 && id == wId;
    }
    return pszName && strcasecmp(pszName, lpName) == 0;
}

const RCDIALOG *ResFindDialog(HINSTANCE hInstance, LPCSTR lpName)
{
    const RCMODULE *pTables = ResFindModule(hInstance);
    if (!pTables || !lpName)
        return nullptr;
    for (UINT i = 0; i < pTables->cDialogs; ++i)
        if (ResNameMatches(pTables->pDialogs[i].pszName, pTables->pDialogs[i].wId, lpName))
            return &pTables->pDialogs[i];
    return nullptr;
}

static const RCSTRING *ResFindString(HINSTANCE hInstance, UINT uID)
{
    const RCMODULE *pTables = ResFindModule(hInstance);
    if (!pTables)
        return nullptr;
    // The generator sorts the entries by id.
    UINT lo = 0, hi = pTables->cStrings;
    while (lo < hi) {
        UINT mid = (lo + hi) / 2;
        if (pTables->pStrings[mid].wId < uID)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < pTables->cStrings && pTables->pStrings[lo].wId == uID)
        return &pTables->pStrings[lo];
    return nullptr;
}

// Lead bytes of a double-byte character in code page 932.
static bool IsCp932LeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

extern "C" int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax)
{
    // Windows documents a zero size as unsupported for the ANSI version (it
    // corrupts memory there); here it writes nothing and reports nothing.
    if (!lpBuffer || cchBufferMax <= 0)
        return 0;
    const RCSTRING *pString = ResFindString(hInstance, uID);
    if (!pString || uID > 0xFFFF) {
        lpBuffer[0] = '\0';
        return 0;
    }
    // Truncate at a character boundary: a lone lead byte would swallow the
    // terminator when the text is read as code page 932.
    const unsigned char *p = reinterpret_cast<const unsigned char *>(pString->pszText);
    int limit = cchBufferMax - 1, n = 0;
    while (n < pString->cbText) {
        int width = IsCp932LeadByte(p[n]) && n + 1 < pString->cbText ? 2 : 1;
        if (n + width > limit)
            break;
        n += width;
    }
    std::memcpy(lpBuffer, pString->pszText, static_cast<size_t>(n));
    lpBuffer[n] = '\0';
    return n;
}

const RCIMAGE *ResFindImage(HINSTANCE hInstance, LPCSTR lpName, WORD wType)
{
    const RCMODULE *pTables = ResFindModule(hInstance);
    if (!pTables || !lpName)
        return nullptr;
    for (UINT i = 0; i < pTables->cImages; ++i) {
        const RCIMAGE *pImage = &pTables->pImages[i];
        if (pImage->wType == wType && ResNameMatches(pImage->pszName, pImage->wId, lpName))
            return pImage;
    }
    return nullptr;
}
