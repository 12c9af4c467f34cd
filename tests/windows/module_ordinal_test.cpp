// Modules loaded as the host loads them: the plug-in by LoadLibraryA with
// its one export found by ordinal and by name, the companion libraries with
// ordinal-only exports (the same ordinals in the 32- and 64-bit builds).
#include <windows.h>

#include <gtest/gtest.h>

namespace {

typedef WORD(WINAPI *VERSIONPROC)(void);
typedef DWORD(WINAPI *CREATEPROC)(int);
typedef DWORD(WINAPI *DESTROYPROC)(DWORD);

template <class T>
T Proc(HMODULE hMod, LPCSTR pszName)
{
    return (T)(void (*)(void))GetProcAddress(hMod, pszName);
}

TEST(PluginModule, VersionQueryByOrdinal98AndByName)
{
    HMODULE hMod = LoadLibraryA("QFFTANA.dll");
    ASSERT_NE(hMod, nullptr) << "error " << GetLastError();
    auto pfnByOrdinal = Proc<VERSIONPROC>(hMod, MAKEINTRESOURCEA(98));
    auto pfnByName = Proc<VERSIONPROC>(hMod, "QOptionGetVersion");
    ASSERT_NE(pfnByOrdinal, nullptr);
    EXPECT_EQ(pfnByName, pfnByOrdinal);
    EXPECT_GT(pfnByOrdinal(), 0);
    EXPECT_EQ(GetProcAddress(hMod, MAKEINTRESOURCEA(97)), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_PROC_NOT_FOUND);
    EXPECT_TRUE(FreeLibrary(hMod));
}

struct ORDINALCASE {
    const char *pszModule;
    WORD wCreate;           // ordinal of the create function
    WORD wDestroy;          // ordinal of the destroy function
    const char *pszCreate;  // its name in the source, which must not be exported
};

TEST(CompanionModules, ExportByOrdinalOnly)
{
    const ORDINALCASE aCases[] = {
        {"QFFTGRPH.dll", 1, 2, "FgCreate"},
        {"QEEGFILT.dll", 1, 2, "EfCreate"},
    };
    for (const ORDINALCASE &oc : aCases) {
        SCOPED_TRACE(oc.pszModule);
        HMODULE hMod = LoadLibraryA(oc.pszModule);
        ASSERT_NE(hMod, nullptr) << "error " << GetLastError();
        auto pfnCreate = Proc<CREATEPROC>(hMod, MAKEINTRESOURCEA(oc.wCreate));
        auto pfnDestroy = Proc<DESTROYPROC>(hMod, MAKEINTRESOURCEA(oc.wDestroy));
        ASSERT_NE(pfnCreate, nullptr);
        ASSERT_NE(pfnDestroy, nullptr);
        EXPECT_EQ(GetProcAddress(hMod, oc.pszCreate), nullptr);
        EXPECT_EQ(GetProcAddress(hMod, "FgCreate@4"), nullptr) << "no decorated names either";
        // The functions behind the ordinals are the ones the .def names,
        // called with the convention the header declares.
        DWORD h = pfnCreate(4);
        EXPECT_NE(h, 0u);
        EXPECT_EQ(pfnDestroy(h), 0u);
        FreeLibrary(hMod);
    }
}

}  // namespace
