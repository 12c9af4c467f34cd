// Modules: LoadLibraryA over dlopen with Windows' DllMain protocol. An
// HMODULE is the module's load base address (dladdr's dli_fbase).
#include <windows.h>

#include <dirent.h>
#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "internal.h"
#include "path.h"

namespace {

typedef BOOL (WINAPI *DLLMAINPROC)(HINSTANCE, DWORD, LPVOID);

struct MODULEREC {
    void *pDl;                       // dlopen handle held for this record
    int cRefs;
    bool fAttached;                  // DllMain(DLL_PROCESS_ATTACH) was called
    std::vector<HMODULE> deps;       // dependencies this module attached
    bool fLinked;                    // linked with the program: never unloaded
};

std::map<HMODULE, MODULEREC> g_modules;
std::vector<HMODULE> g_linked;       // linked modules in attach order

HMODULE BaseOfHandle(void *pDl)
{
    struct link_map *pMap = nullptr;
    if (dlinfo(pDl, RTLD_DI_LINKMAP, &pMap) != 0 || !pMap)
        return NULL;
    Dl_info info;
    if (!dladdr(pMap->l_ld, &info))
        return NULL;
    return (HMODULE)info.dli_fbase;
}

std::string ProgramFolder(void)
{
    char szPath[4096];
    ssize_t cch = readlink("/proc/self/exe", szPath, sizeof(szPath) - 1);
    if (cch <= 0)
        return ".";
    szPath[cch] = '\0';
    char *pSlash = strrchr(szPath, '/');
    return pSlash ? std::string(szPath, (size_t)(pSlash - szPath)) : ".";
}

// "Sub\X.dll" -> "Sub/X.so"; a name without an extension gets ".so" too,
// as Windows appends ".dll".
std::string LinuxName(LPCSTR pszName)
{
    std::string str = PathToHost(pszName);
    size_t iSlash = str.rfind('/');
    size_t iDot = str.rfind('.');
    bool fHasExt = iDot != std::string::npos && (iSlash == std::string::npos || iDot > iSlash);
    if (fHasExt && strcasecmp(str.c_str() + iDot, ".dll") == 0)
        str.replace(iDot, std::string::npos, ".so");
    else if (!fHasExt)
        str += ".so";
    return str;
}

// The file in the folder whose name matches case-insensitively, as Windows
// file names do; empty when there is none.
std::string FindInFolder(const std::string &strFolder, const std::string &strFile)
{
    std::string strPath = strFolder + "/" + strFile;
    if (access(strPath.c_str(), F_OK) == 0)
        return strPath;
    DIR *pDir = opendir(strFolder.c_str());
    if (!pDir)
        return "";
    std::string strFound;
    while (struct dirent *pEnt = readdir(pDir)) {
        if (strcasecmp(pEnt->d_name, strFile.c_str()) == 0) {
            strFound = strFolder + "/" + pEnt->d_name;
            break;
        }
    }
    closedir(pDir);
    return strFound;
}

// Candidate paths in the search order of LoadLibraryA.
std::vector<std::string> Candidates(LPCSTR pszName)
{
    std::string str = LinuxName(pszName);
    size_t iSlash = str.rfind('/');
    if (iSlash != std::string::npos) {
        std::string strFound = FindInFolder(iSlash ? str.substr(0, iSlash) : "/", str.substr(iSlash + 1));
        return {strFound.empty() ? str : strFound};
    }
    std::vector<std::string> v;
    for (const std::string &strFolder : {ProgramFolder(), std::string(".")}) {
        std::string strFound = FindInFolder(strFolder, str);
        if (!strFound.empty())
            v.push_back(strFound);
    }
    v.push_back(str);  // the dynamic loader's own search
    return v;
}

void *OpenFirst(LPCSTR pszName, int nFlags)
{
    for (const std::string &strPath : Candidates(pszName))
        if (void *pDl = dlopen(strPath.c_str(), nFlags))
            return pDl;
    return nullptr;
}

// The module's own DllMain: dlsym also finds one of a dependency, so the
// symbol must lie inside the module itself.
DLLMAINPROC OwnDllMain(void *pDl, HMODULE hModule)
{
    void *pSym = dlsym(pDl, "DllMain");
    Dl_info info;
    if (!pSym || !dladdr(pSym, &info) || (HMODULE)info.dli_fbase != hModule)
        return nullptr;
    return (DLLMAINPROC)pSym;
}

// The names a module needs (DT_NEEDED), read from its dynamic section.
std::vector<std::string> NeededNames(void *pDl)
{
    std::vector<std::string> v;
    struct link_map *pMap = nullptr;
    if (dlinfo(pDl, RTLD_DI_LINKMAP, &pMap) != 0 || !pMap)
        return v;
    const char *pStrtab = nullptr;
    for (const ElfW(Dyn) *pDyn = pMap->l_ld; pDyn->d_tag != DT_NULL; pDyn++) {
        if (pDyn->d_tag == DT_STRTAB) {
            // glibc relocates this entry in place; be safe if it did not.
            ElfW(Addr) addr = pDyn->d_un.d_ptr;
            pStrtab = (const char *)(addr < pMap->l_addr ? addr + pMap->l_addr : addr);
        }
    }
    if (!pStrtab)
        return v;
    for (const ElfW(Dyn) *pDyn = pMap->l_ld; pDyn->d_tag != DT_NULL; pDyn++)
        if (pDyn->d_tag == DT_NEEDED)
            v.push_back(pStrtab + pDyn->d_un.d_val);
    return v;
}

std::set<std::string> LoadedObjects(void)
{
    std::set<std::string> names;
    dl_iterate_phdr([](struct dl_phdr_info *pInfo, size_t, void *pv) {
        ((std::set<std::string> *)pv)->insert(pInfo->dlpi_name ? pInfo->dlpi_name : "");
        return 0;
    }, &names);
    return names;
}

bool WasLoaded(void *pDl, const std::set<std::string> &before)
{
    struct link_map *pMap = nullptr;
    if (dlinfo(pDl, RTLD_DI_LINKMAP, &pMap) != 0 || !pMap)
        return true;
    return before.count(pMap->l_name ? pMap->l_name : "") != 0;
}

void Release(HMODULE hModule);

// Attaches, dependencies first, every module that this load brought in and
// that has its own DllMain. Each attached module gets a record with one
// reference held by the module that needed it.
bool AttachTree(void *pDl, HMODULE hModule, const std::set<std::string> &before, MODULEREC *pRec)
{
    for (const std::string &strNeeded : NeededNames(pDl)) {
        void *pDep = dlopen(strNeeded.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (!pDep)
            continue;
        HMODULE hDep = BaseOfHandle(pDep);
        if (!hDep || WasLoaded(pDep, before) || g_modules.count(hDep)) {
            dlclose(pDep);
            continue;
        }
        MODULEREC dep{pDep, 1, false, {}, false};
        g_modules[hDep] = dep;
        pRec->deps.push_back(hDep);
        if (!AttachTree(pDep, hDep, before, &g_modules[hDep]))
            return false;
    }
    // As on Windows, a module whose attach fails still gets its detach
    // when it is unloaded again.
    DLLMAINPROC pfnMain = OwnDllMain(pDl, hModule);
    pRec->fAttached = pfnMain != nullptr;
    return !pfnMain || pfnMain((HINSTANCE)hModule, DLL_PROCESS_ATTACH, NULL);
}

void Release(HMODULE hModule)
{
    auto it = g_modules.find(hModule);
    if (it == g_modules.end() || it->second.fLinked || --it->second.cRefs > 0)
        return;
    MODULEREC rec = it->second;
    if (rec.fAttached)
        if (DLLMAINPROC pfnMain = OwnDllMain(rec.pDl, hModule))
            pfnMain((HINSTANCE)hModule, DLL_PROCESS_DETACH, NULL);
    g_modules.erase(hModule);
    for (auto itDep = rec.deps.rbegin(); itDep != rec.deps.rend(); ++itDep)
        Release(*itDep);
    dlclose(rec.pDl);
}

struct FINDBASE {
    HMODULE hModule;
    std::string strPath;
};

// The file of a loaded object by base address (the program: empty name).
bool PathOfBase(HMODULE hModule, std::string *pstrPath)
{
    FINDBASE find{hModule, ""};
    bool fFound = dl_iterate_phdr([](struct dl_phdr_info *pInfo, size_t, void *pv) {
        FINDBASE *pFind = (FINDBASE *)pv;
        for (int i = 0; i < pInfo->dlpi_phnum; i++) {
            if (pInfo->dlpi_phdr[i].p_type != PT_LOAD)
                continue;
            void *pBase = (void *)(pInfo->dlpi_addr + pInfo->dlpi_phdr[i].p_vaddr);
            Dl_info info;
            if (dladdr(pBase, &info) && (HMODULE)info.dli_fbase == pFind->hModule) {
                pFind->strPath = pInfo->dlpi_name ? pInfo->dlpi_name : "";
                return 1;
            }
            break;
        }
        return 0;
    }, &find) != 0;
    *pstrPath = find.strPath;
    return fFound;
}

// Process exit: linked modules are detached in the reverse order of their
// attach, as Windows does.
void DetachLinked(void)
{
    for (auto it = g_linked.rbegin(); it != g_linked.rend(); ++it)
        if (DLLMAINPROC pfnMain = OwnDllMain(g_modules[*it].pDl, *it))
            pfnMain((HINSTANCE)*it, DLL_PROCESS_DETACH, NULL);
    g_linked.clear();
}

}  // namespace

// Windows attaches the DLLs a program is linked with before the program
// runs. Their constructors run before the program's here, too early to call
// into them, so the layer attaches them at its first class lookup or
// LoadLibraryA instead: every loaded object with its own DllMain, in reverse
// load order so that dependencies come first.
void ModuleAttachLinked(void)
{
    static bool s_fDone;
    if (s_fDone)
        return;
    s_fDone = true;
    std::vector<std::string> names;
    dl_iterate_phdr([](struct dl_phdr_info *pInfo, size_t, void *pv) {
        if (pInfo->dlpi_name && pInfo->dlpi_name[0])
            ((std::vector<std::string> *)pv)->push_back(pInfo->dlpi_name);
        return 0;
    }, &names);
    for (auto itName = names.rbegin(); itName != names.rend(); ++itName) {
        void *pDl = dlopen(itName->c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (!pDl)
            continue;
        HMODULE hModule = BaseOfHandle(pDl);
        DLLMAINPROC pfnMain = hModule && !g_modules.count(hModule) ? OwnDllMain(pDl, hModule) : nullptr;
        if (!pfnMain) {
            dlclose(pDl);
            continue;
        }
        g_modules[hModule] = MODULEREC{pDl, 1, true, {}, true};
        g_linked.push_back(hModule);
        pfnMain((HINSTANCE)hModule, DLL_PROCESS_ATTACH, NULL);
    }
    if (!g_linked.empty())
        atexit(DetachLinked);
}

HINSTANCE ModuleProgramInstance(void)
{
    static HMODULE s_hProgram = [] {
        HMODULE hFound = NULL;
        dl_iterate_phdr([](struct dl_phdr_info *pInfo, size_t, void *pv) {
            for (int i = 0; i < pInfo->dlpi_phnum; i++) {
                if (pInfo->dlpi_phdr[i].p_type != PT_LOAD)
                    continue;
                Dl_info info;
                if (dladdr((void *)(pInfo->dlpi_addr + pInfo->dlpi_phdr[i].p_vaddr), &info))
                    *(HMODULE *)pv = (HMODULE)info.dli_fbase;
                break;
            }
            return 1;  // the first object is the program
        }, &hFound);
        return hFound;
    }();
    return s_hProgram;
}

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName)
{
    if (!lpLibFileName || !lpLibFileName[0]) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return NULL;
    }
    ModuleAttachLinked();
    std::set<std::string> before = LoadedObjects();
    void *pDl = OpenFirst(lpLibFileName, RTLD_NOW | RTLD_LOCAL);
    if (!pDl) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return NULL;
    }
    HMODULE hModule = BaseOfHandle(pDl);
    if (!hModule) {
        dlclose(pDl);
        SetLastError(ERROR_MOD_NOT_FOUND);
        return NULL;
    }
    auto it = g_modules.find(hModule);
    if (it != g_modules.end()) {
        dlclose(pDl);
        it->second.cRefs++;
        return hModule;
    }
    g_modules[hModule] = MODULEREC{pDl, 1, false, {}, false};
    // An object that was already loaded without a DllMain of its own needs
    // no attach.
    if (WasLoaded(pDl, before))
        return hModule;
    if (!AttachTree(pDl, hModule, before, &g_modules[hModule])) {
        Release(hModule);
        SetLastError(ERROR_DLL_INIT_FAILED);
        return NULL;
    }
    return hModule;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule)
{
    if (!g_modules.count(hLibModule)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Release(hLibModule);
    return TRUE;
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    if (!lpProcName || IS_INTRESOURCE(lpProcName)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return NULL;
    }
    void *pDl = nullptr;
    bool fOwnHandle = false;
    auto it = g_modules.find(hModule);
    if (it != g_modules.end()) {
        pDl = it->second.pDl;
    } else if (!hModule || hModule == ModuleProgramInstance()) {
        pDl = dlopen(NULL, RTLD_NOW);
        fOwnHandle = true;
    } else {
        std::string strPath;
        if (PathOfBase(hModule, &strPath))
            pDl = dlopen(strPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
        fOwnHandle = true;
    }
    if (!pDl) {
        SetLastError(ERROR_INVALID_HANDLE);
        return NULL;
    }
    void *pSym = dlsym(pDl, lpProcName);
    if (fOwnHandle)
        dlclose(pDl);
    if (!pSym) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return NULL;
    }
    return (FARPROC)pSym;
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName)
{
    if (!lpModuleName)
        return ModuleProgramInstance();
    void *pDl = OpenFirst(lpModuleName, RTLD_NOW | RTLD_NOLOAD);
    if (!pDl) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return NULL;
    }
    HMODULE hModule = BaseOfHandle(pDl);
    dlclose(pDl);
    return hModule;
}

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize)
{
    std::string strPath;
    if (!hModule || hModule == ModuleProgramInstance()) {
        char szPath[4096];
        ssize_t cch = readlink("/proc/self/exe", szPath, sizeof(szPath) - 1);
        strPath.assign(szPath, cch > 0 ? (size_t)cch : 0);
    } else if (!PathOfBase(hModule, &strPath) || strPath.empty()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!lpFilename || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (strPath.size() >= nSize) {
        memcpy(lpFilename, strPath.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    memcpy(lpFilename, strPath.c_str(), strPath.size() + 1);
    return (DWORD)strPath.size();
}
