// Modules: LoadLibraryA search and reference counts, DllMain order for a
// module and its dependency, GetProcAddress, module names.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

typedef HINSTANCE (*INSTANCEPROC)(void);
typedef int (*VALUEPROC)(void);

// FARPROC converts to a specific function type through void (*)(void), as
// GCC's -Wcast-function-type asks.
template <class T>
T Proc(HMODULE hMod, const char *pszName)
{
    return (T)(void (*)(void))GetProcAddress(hMod, pszName);
}

std::string TakeLog()
{
    const char *psz = getenv("QF_TESTMOD_LOG");
    std::string str = psz ? psz : "";
    unsetenv("QF_TESTMOD_LOG");
    return str;
}

TEST(Modules, DllMainAttachDependenciesFirstAndDetachOnLastFree)
{
    TakeLog();
    HMODULE hMod = LoadLibraryA("platform_testmod.dll");
    ASSERT_NE(hMod, nullptr);
    EXPECT_EQ(TakeLog(), "dep+ mod+");
    auto pfnInstance = Proc<INSTANCEPROC>(hMod, "TestModInstance");
    ASSERT_NE(pfnInstance, nullptr);
    EXPECT_EQ(pfnInstance(), hMod) << "DllMain receives the module handle";
    EXPECT_EQ(GetModuleHandleA("platform_testmod.dll"), hMod);

    EXPECT_EQ(LoadLibraryA("PLATFORM_TESTMOD"), hMod) << "case-insensitive name without extension";
    EXPECT_EQ(TakeLog(), "") << "a second load attaches nothing";
    EXPECT_TRUE(FreeLibrary(hMod));
    EXPECT_EQ(TakeLog(), "");
    auto pfnValue = Proc<VALUEPROC>(hMod, "TestModValue");
    ASSERT_NE(pfnValue, nullptr);
    EXPECT_EQ(pfnValue(), 42);
    EXPECT_TRUE(FreeLibrary(hMod));
    EXPECT_EQ(TakeLog(), "mod- dep-");
    EXPECT_FALSE(FreeLibrary(hMod));
    EXPECT_EQ(GetModuleHandleA("platform_testmod.dll"), nullptr);
}

TEST(Modules, PathsWithEitherSeparatorAndMissingModules)
{
    char szExe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(NULL, szExe, sizeof(szExe)), 0u);
    std::string strDir(szExe, strrchr(szExe, '/'));
    std::string strWin = strDir + "\\platform_testmod.DLL";
    HMODULE hMod = LoadLibraryA(strWin.c_str());
    ASSERT_NE(hMod, nullptr);
    char szPath[MAX_PATH];
    DWORD cch = GetModuleFileNameA(hMod, szPath, sizeof(szPath));
    EXPECT_EQ(std::string(szPath, cch), strDir + "/platform_testmod.so");
    char szSmall[8];
    EXPECT_EQ(GetModuleFileNameA(hMod, szSmall, sizeof(szSmall)), 8u);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(strlen(szSmall), 7u);
    FreeLibrary(hMod);
    TakeLog();

    EXPECT_EQ(LoadLibraryA("no_such_module.dll"), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_MOD_NOT_FOUND);
}

TEST(Modules, GetProcAddressErrors)
{
    HMODULE hMod = LoadLibraryA("platform_testmod.dll");
    ASSERT_NE(hMod, nullptr);
    EXPECT_EQ(GetProcAddress(hMod, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(GetProcAddress(hMod, MAKEINTRESOURCE(1)), nullptr) << "ordinals exist only in the Windows build";
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(GetProcAddress(hMod, "TestModInternal"), nullptr) << "hidden symbols are not exports";
    FreeLibrary(hMod);
    TakeLog();
}

TEST(Modules, RefusedAttachFailsTheLoadAndDetaches)
{
    TakeLog();
    setenv("QF_TESTMOD_REFUSE", "1", 1);
    EXPECT_EQ(LoadLibraryA("platform_testmod.dll"), nullptr);
    unsetenv("QF_TESTMOD_REFUSE");
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_DLL_INIT_FAILED);
    EXPECT_EQ(TakeLog(), "dep+ mod+ mod- dep-");
    EXPECT_EQ(GetModuleHandleA("platform_testmod.dll"), nullptr);
}

TEST(Modules, OnlyTheModulesOwnDllMainIsCalled)
{
    TakeLog();
    HMODULE hMod = LoadLibraryA("platform_testnomain.dll");
    ASSERT_NE(hMod, nullptr);
    EXPECT_EQ(TakeLog(), "dep+") << "the dependency's DllMain runs once, for the dependency";
    FreeLibrary(hMod);
    EXPECT_EQ(TakeLog(), "dep-");
}

TEST(Modules, ProgramHandle)
{
    HMODULE hProgram = GetModuleHandleA(NULL);
    EXPECT_NE(hProgram, nullptr);
    EXPECT_EQ(GetProcAddress(hProgram, "NoSuchExport"), nullptr);
}

}  // namespace
