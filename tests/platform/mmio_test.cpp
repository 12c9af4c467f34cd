// Multimedia file I/O: existence test, create/truncate, write and read
// back, seeking, and handles that are closed, foreign or of the wrong mode.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include "platform/tempdir.h"

namespace {

HMMIO Open(const std::string &strPath, DWORD fdwOpen, MMIOINFO *pInfo = nullptr)
{
    return mmioOpenA(const_cast<LPSTR>(strPath.c_str()), pInfo, fdwOpen);
}

TEST(MmioExist, AnswersWithoutOpening)
{
    TempDir dir;
    WriteBytes(dir.Path("here.ini"), "x");
    EXPECT_EQ((HMMIO)(uintptr_t)TRUE, Open(dir.WinPath("here.ini"), MMIO_EXIST));
    EXPECT_EQ(nullptr, Open(dir.WinPath("gone.ini"), MMIO_EXIST));
    EXPECT_EQ(nullptr, Open(dir.WinPath("no\\here.ini"), MMIO_EXIST));
    EXPECT_EQ(nullptr, Open(dir.WinPath(""), MMIO_EXIST)) << "a folder is not a file";
    EXPECT_EQ(nullptr, Open("", MMIO_EXIST));
    // The TRUE of an existence test is no handle.
    EXPECT_EQ(MMSYSERR_INVALHANDLE, mmioClose((HMMIO)(uintptr_t)TRUE, 0));
}

TEST(MmioCreate, EmptiesExistingFileAndWritesBack)
{
    TempDir dir;
    WriteBytes(dir.Path("r.csv"), "an older and longer report");
    HMMIO h = Open(dir.WinPath("r.csv"), MMIO_CREATE | MMIO_WRITE);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(5, mmioWrite(h, "a,b\r\n", 5));
    EXPECT_EQ(0, mmioWrite(h, "", 0));
    EXPECT_EQ(3, mmioWrite(h, "1,2", 3));
    char ch;
    EXPECT_EQ(-1, mmioRead(h, &ch, 1)) << "opened for writing only";
    EXPECT_EQ(MMSYSERR_NOERROR, mmioClose(h, 0));
    EXPECT_EQ("a,b\r\n1,2", ReadBytes(dir.Path("r.csv")));

    h = Open(dir.Path("r.csv"), MMIO_READ);
    ASSERT_NE(nullptr, h);
    char szBuf[16] = {};
    EXPECT_EQ(8, mmioRead(h, szBuf, sizeof(szBuf)));
    EXPECT_STREQ("a,b\r\n1,2", szBuf);
    EXPECT_EQ(0, mmioRead(h, szBuf, sizeof(szBuf))) << "end of file";
    EXPECT_EQ(-1, mmioWrite(h, "x", 1)) << "opened for reading only";
    EXPECT_EQ(MMSYSERR_NOERROR, mmioClose(h, 0));
}

TEST(MmioCreate, SetsInfoAndReportsOpenErrors)
{
    TempDir dir;
    MMIOINFO info = {};
    HMMIO h = Open(dir.Path("new.csv"), MMIO_CREATE | MMIO_WRITE, &info);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(h, info.hmmio);
    EXPECT_EQ(0u, info.wErrorRet);
    mmioClose(h, 0);

    const struct {
        std::string strPath;
        DWORD fdwOpen;
        UINT uError;
    } cases[] = {
        {dir.Path("missing.csv"), MMIO_READ, MMIOERR_FILENOTFOUND},
        {dir.Path("no/such/x.csv"), MMIO_CREATE | MMIO_WRITE, MMIOERR_PATHNOTFOUND},
        {dir.Path(""), MMIO_READ, MMIOERR_ACCESSDENIED},
    };
    for (const auto &c : cases) {
        MMIOINFO fail = {};
        EXPECT_EQ(nullptr, Open(c.strPath, c.fdwOpen, &fail)) << c.strPath;
        EXPECT_EQ(c.uError, fail.wErrorRet) << c.strPath;
    }
}

TEST(MmioSeek, MovesAndReportsPosition)
{
    TempDir dir;
    WriteBytes(dir.Path("s.bin"), "0123456789");
    HMMIO h = Open(dir.Path("s.bin"), MMIO_READWRITE);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(10, mmioSeek(h, 0, SEEK_END));
    EXPECT_EQ(4, mmioSeek(h, 4, SEEK_SET));
    EXPECT_EQ(2, mmioWrite(h, "ab", 2));
    EXPECT_EQ(5, mmioSeek(h, -1, SEEK_CUR));
    char sz[3] = {};
    EXPECT_EQ(2, mmioRead(h, sz, 2));
    EXPECT_STREQ("b6", sz);
    EXPECT_EQ(-1, mmioSeek(h, -1, SEEK_SET));
    EXPECT_EQ(-1, mmioSeek(h, 0, 7));
    mmioClose(h, 0);
    EXPECT_EQ("0123ab6789", ReadBytes(dir.Path("s.bin")));
}

TEST(MmioHandles, ClosedAndForeignHandlesAreRefused)
{
    TempDir dir;
    HMMIO h = Open(dir.Path("h.bin"), MMIO_CREATE | MMIO_READWRITE);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(MMSYSERR_NOERROR, mmioClose(h, 0));
    HMMIO hNext = Open(dir.Path("h2.bin"), MMIO_CREATE | MMIO_WRITE);
    ASSERT_NE(nullptr, hNext);
    EXPECT_NE(h, hNext) << "a closed handle's value is not given out again";
    char ch = 0;
    int iLocal = 0;
    for (HMMIO hBad : {h, (HMMIO) nullptr, (HMMIO)&iLocal, (HMMIO)(uintptr_t)0xDEADBEEF}) {
        EXPECT_EQ(-1, mmioWrite(hBad, "x", 1));
        EXPECT_EQ(-1, mmioRead(hBad, &ch, 1));
        EXPECT_EQ(-1, mmioSeek(hBad, 0, SEEK_SET));
        EXPECT_EQ(MMSYSERR_INVALHANDLE, mmioClose(hBad, 0));
    }
    EXPECT_EQ(-1, mmioWrite(hNext, "x", -1));
    EXPECT_EQ(-1, mmioWrite(hNext, nullptr, 1));
    EXPECT_EQ(MMSYSERR_NOERROR, mmioClose(hNext, 0));
    EXPECT_EQ(MMSYSERR_INVALHANDLE, mmioClose(hNext, 0)) << "second close";
}

} // namespace
