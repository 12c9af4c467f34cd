// Kernel file functions and the translation of Windows-style paths.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/src/path.h"
#include "platform/tempdir.h"

#include <sys/stat.h>

namespace {

TEST(Path, WindowsSpellingsMapToLinux)
{
    const struct {
        const char *pszWin;
        const char *pszHost;
    } cases[] = {
        {"C:\\data\\QFFTANA.INI", "/data/QFFTANA.INI"},
        {"c:/data/QFFTANA.INI", "/data/QFFTANA.INI"},
        {"/data\\DEFAULT\\QFFTANA.INI", "/data/DEFAULT/QFFTANA.INI"},
        {"C:QFFTANA.INI", "QFFTANA.INI"},
        {"settings\\", "settings/"},
        {"QFFTANA.INI", "QFFTANA.INI"},
        {"", ""},
        {"\\tmp\\\x95\x5c\\x.ini", "/tmp/\xe8\xa1\xa8/x.ini"}, // CP932 kanji whose second byte is '\'
        {"/tmp/\x83\x66\x81\x5b\x83\x5e", "/tmp/\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf"},
        {"/tmp/\xff\xfe", "/tmp/\xff\xfe"}, // not CP932: kept as it is
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.pszHost, PathToHost(c.pszWin)) << c.pszWin;
    EXPECT_EQ("", PathToHost(nullptr));
}

TEST(CopyFile, CopiesBytesAndHonoursFailIfExists)
{
    TempDir dir;
    std::string strBytes("[INITIAL]\r\nPreviewPrint=1\r\n\0\xff", 29);
    WriteBytes(dir.Path("src.ini"), strBytes);
    EXPECT_TRUE(CopyFileA(dir.WinPath("src.ini").c_str(), dir.WinPath("dst.ini").c_str(), TRUE));
    EXPECT_EQ(strBytes, ReadBytes(dir.Path("dst.ini")));

    WriteBytes(dir.Path("dst.ini"), "mine");
    SetLastError(0);
    EXPECT_FALSE(CopyFileA(dir.Path("src.ini").c_str(), dir.Path("dst.ini").c_str(), TRUE));
    EXPECT_EQ((DWORD)ERROR_FILE_EXISTS, GetLastError());
    EXPECT_EQ("mine", ReadBytes(dir.Path("dst.ini")));

    EXPECT_TRUE(CopyFileA(dir.Path("src.ini").c_str(), dir.Path("dst.ini").c_str(), FALSE));
    EXPECT_EQ(strBytes, ReadBytes(dir.Path("dst.ini"))) << "a longer target is replaced whole";
}

TEST(CopyFile, FailuresLeaveTargetsAlone)
{
    TempDir dir;
    WriteBytes(dir.Path("a.ini"), "keep me");
    const struct {
        std::string strSrc, strDst;
        DWORD dwError;
    } cases[] = {
        {dir.Path("missing.ini"), dir.Path("b.ini"), ERROR_FILE_NOT_FOUND},
        {dir.Path("no/dir/x.ini"), dir.Path("b.ini"), ERROR_PATH_NOT_FOUND},
        {dir.Path("a.ini"), dir.Path("no/dir/b.ini"), ERROR_PATH_NOT_FOUND},
        {dir.Path("a.ini"), dir.WinPath("a.ini"), ERROR_SHARING_VIOLATION},
        {dir.Path(""), dir.Path("b.ini"), ERROR_ACCESS_DENIED},
    };
    for (const auto &c : cases) {
        SetLastError(0);
        EXPECT_FALSE(CopyFileA(c.strSrc.c_str(), c.strDst.c_str(), FALSE)) << c.strSrc << " -> " << c.strDst;
        EXPECT_EQ(c.dwError, GetLastError()) << c.strSrc << " -> " << c.strDst;
    }
    EXPECT_EQ("keep me", ReadBytes(dir.Path("a.ini"))) << "copying a file onto itself must not empty it";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dir.Path("b.ini").c_str()));
    EXPECT_FALSE(CopyFileA(nullptr, dir.Path("b.ini").c_str(), FALSE));
    EXPECT_EQ((DWORD)ERROR_INVALID_PARAMETER, GetLastError());
}

TEST(FileAttributes, DeleteAndCreateDirectory)
{
    TempDir dir;
    std::string strSub = dir.WinPath("DEFAULT");
    EXPECT_TRUE(CreateDirectoryA(strSub.c_str(), nullptr));
    EXPECT_FALSE(CreateDirectoryA(strSub.c_str(), nullptr));
    EXPECT_EQ((DWORD)ERROR_ALREADY_EXISTS, GetLastError());
    EXPECT_FALSE(CreateDirectoryA(dir.WinPath("a\\b").c_str(), nullptr));
    EXPECT_EQ((DWORD)ERROR_PATH_NOT_FOUND, GetLastError());
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_DIRECTORY, GetFileAttributesA(strSub.c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    std::string strFile = dir.WinPath("DEFAULT\\QFFTANA.INI");
    WriteBytes(dir.Path("DEFAULT/QFFTANA.INI"), "x");
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_ARCHIVE, GetFileAttributesA(strFile.c_str()));
    EXPECT_FALSE(DeleteFileA(strSub.c_str())) << "folders are not deleted as files";
    EXPECT_EQ((DWORD)ERROR_ACCESS_DENIED, GetLastError());
    EXPECT_TRUE(DeleteFileA(strFile.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strFile.c_str()));
    EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, GetLastError());
    EXPECT_FALSE(DeleteFileA(strFile.c_str()));
    EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, GetLastError());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dir.Path("x/y.ini").c_str()));
    EXPECT_EQ((DWORD)ERROR_PATH_NOT_FOUND, GetLastError());
}

} // namespace
