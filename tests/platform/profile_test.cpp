// Private-profile functions: reading (many spellings, damaged files),
// buffer limits, name lists, writing with every other line kept.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/tempdir.h"

namespace {

struct ReadCase {
    const char *pszName;
    std::string strFile;
    const char *pszSection;
    const char *pszKey;
    const char *pszExpected; // nullptr: the default comes back
};

// Each file is written, then one key is read with the default "DEF".
const ReadCase kReadCases[] = {
    {"crlf", "[Sec]\r\nKey=abc\r\n", "Sec", "Key", "abc"},
    {"lf only", "[Sec]\nKey=abc\n", "Sec", "Key", "abc"},
    {"no final line end", "[Sec]\r\nKey=abc", "Sec", "Key", "abc"},
    {"names fold case", "[sEC]\r\nkEY=abc\r\n", "SEC", "key", "abc"},
    {"blanks and tabs trimmed", " \t[ Sec ] \r\n\t Key \t= \t abc \t\r\n", "Sec", "Key", "abc"},
    {"double quotes stripped", "[Sec]\r\nKey=\" abc \"\r\n", "Sec", "Key", " abc "},
    {"single quotes stripped", "[Sec]\r\nKey=' abc '\r\n", "Sec", "Key", " abc "},
    {"one pair only", "[Sec]\r\nKey=\"\"abc\"\"\r\n", "Sec", "Key", "\"abc\""},
    {"unmatched quotes kept", "[Sec]\r\nKey=\"abc'\r\n", "Sec", "Key", "\"abc'"},
    {"lone quote kept", "[Sec]\r\nKey=\"\r\n", "Sec", "Key", "\""},
    {"no inline comments", "[Sec]\r\nKey=abc ; note\r\n", "Sec", "Key", "abc ; note"},
    {"split at first equals", "[Sec]\r\nKey=a=b\r\n", "Sec", "Key", "a=b"},
    {"empty value is not the default", "[Sec]\r\nKey=\r\n", "Sec", "Key", ""},
    {"first duplicate key wins", "[Sec]\r\nKey=first\r\nKey=second\r\n", "Sec", "Key", "first"},
    {"first duplicate section wins", "[Sec]\r\nA=1\r\n[Sec]\r\nKey=second\r\n", "Sec", "Key", nullptr},
    {"key of a later section", "[One]\r\nKey=1\r\n[Two]\r\nKey=2\r\n", "Two", "Key", "2"},
    {"commented key", "[Sec]\r\n;Key=abc\r\n", "Sec", "Key", nullptr},
    {"indented comment", "[Sec]\r\n   ;Key=abc\r\n", "Sec", "Key", nullptr},
    {"line without equals", "[Sec]\r\nKey\r\n", "Sec", "Key", nullptr},
    {"key before any section", "Key=abc\r\n[Sec]\r\n", "Sec", "Key", nullptr},
    {"header without bracket", "[Sec\r\nKey=abc\r\n", "Sec", "Key", nullptr},
    {"broken header stays in section", "[One]\r\n[Two\r\nKey=abc\r\n", "One", "Key", "abc"},
    {"text after bracket", "[Sec] trailing\r\nKey=abc\r\n", "Sec", "Key", "abc"},
    {"missing section", "[Other]\r\nKey=abc\r\n", "Sec", "Key", nullptr},
    {"empty file", "", "Sec", "Key", nullptr},
    {"binary junk around", std::string("\x01\xff\xfe junk\r\n[Sec]\r\n\x7f\x80=\x01\r\nKey=v\r\n") + std::string(2, '\0'),
     "Sec", "Key", "v"},
    {"nul ends a value", std::string("[Sec]\r\nKey=ab\0cd\r\n", 18), "Sec", "Key", "ab"},
    {"nul line hides its key", std::string("[Sec]\r\n\0Key=abc\r\n", 17), "Sec", "Key", nullptr},
    {"cp932 names", "[\x95\x5c]\r\n\x83\x41=kanji\r\n", "\x95\x5c", "\x83\x41", "kanji"},
    {"cp932 trail byte not folded", "[\x83\x61]\r\nKey=1\r\n", "\x83\x41", "Key", nullptr},
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.pszName;
}

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, GivesValueOrDefault)
{
    const ReadCase &c = GetParam();
    TempDir dir;
    WriteBytes(dir.Path("t.ini"), c.strFile);
    char szBuf[64];
    DWORD cch = GetPrivateProfileStringA(c.pszSection, c.pszKey, "DEF", szBuf, sizeof(szBuf),
                                         dir.WinPath("t.ini").c_str());
    std::string strExpected = c.pszExpected ? c.pszExpected : "DEF";
    EXPECT_EQ(strExpected, szBuf);
    EXPECT_EQ(strExpected.size(), cch);
}

INSTANTIATE_TEST_SUITE_P(Spellings, ProfileRead, ::testing::ValuesIn(kReadCases),
                         [](const ::testing::TestParamInfo<ReadCase> &info) {
                             std::string str = info.param.pszName;
                             for (char &ch : str)
                                 if (!isalnum((unsigned char)ch))
                                     ch = '_';
                             return str;
                         });

TEST(ProfileDefault, MissingFileNullDefaultAndTrailingBlanks)
{
    TempDir dir;
    std::string strFile = dir.Path("missing.ini");
    char szBuf[16];
    EXPECT_EQ(3u, GetPrivateProfileStringA("S", "K", "def \t ", szBuf, sizeof(szBuf), strFile.c_str()));
    EXPECT_STREQ("def", szBuf);
    EXPECT_EQ(0u, GetPrivateProfileStringA("S", "K", nullptr, szBuf, sizeof(szBuf), strFile.c_str()));
    EXPECT_STREQ("", szBuf);
    EXPECT_EQ(3u, GetPrivateProfileStringA("S", "K", "def", szBuf, sizeof(szBuf), ""));
    EXPECT_STREQ("def", szBuf);
}

struct IntCase {
    const char *pszValue; // nullptr: no key at all
    UINT uExpected;
};

const IntCase kIntCases[] = {
    {"12", 12},          {"+12", 12},         {"-1", 0xFFFFFFFFu}, {"-12", (UINT)-12},
    {"0012", 12},        {"12abc", 12},       {"1 2", 1},          {"abc", 0},
    {"0x10", 0},         {"- 5", 0},          {"\"34\"", 34},      {"' 56'", 56},
    {"", 77},            {nullptr, 77},       {"4294967297", 1},   {"65536", 65536},
};

TEST(ProfileInt, ParsesLikeWindows)
{
    TempDir dir;
    std::string strFile = dir.Path("int.ini");
    for (const IntCase &c : kIntCases) {
        std::string strBody = c.pszValue ? std::string("Key=") + c.pszValue + "\r\n" : "Other=1\r\n";
        WriteBytes(strFile, "[Sec]\r\n" + strBody);
        EXPECT_EQ(c.uExpected, GetPrivateProfileIntA("Sec", "Key", 77, strFile.c_str()))
            << "value " << (c.pszValue ? c.pszValue : "(none)");
    }
    EXPECT_EQ((UINT)-3, GetPrivateProfileIntA("Sec", "Key", -3, dir.Path("none.ini").c_str()));
}

TEST(ProfileBuffer, ValueIsCutToTheBuffer)
{
    TempDir dir;
    std::string strFile = dir.Path("b.ini");
    WriteBytes(strFile, "[S]\r\nK=abcdef\r\nQ=\"abcdef\"\r\n");
    char szBuf[8];
    memset(szBuf, '#', sizeof(szBuf));
    EXPECT_EQ(3u, GetPrivateProfileStringA("S", "K", "", szBuf, 4, strFile.c_str()));
    EXPECT_STREQ("abc", szBuf);
    EXPECT_EQ('#', szBuf[4]);
    EXPECT_EQ(3u, GetPrivateProfileStringA("S", "Q", "", szBuf, 4, strFile.c_str()));
    EXPECT_STREQ("abc", szBuf);
    EXPECT_EQ(0u, GetPrivateProfileStringA("S", "K", "", szBuf, 1, strFile.c_str()));
    EXPECT_EQ('\0', szBuf[0]);
    szBuf[0] = '#';
    EXPECT_EQ(0u, GetPrivateProfileStringA("S", "K", "", szBuf, 0, strFile.c_str()));
    EXPECT_EQ('#', szBuf[0]);
    EXPECT_EQ(0u, GetPrivateProfileStringA("S", "K", "", nullptr, 8, strFile.c_str()));
}

TEST(ProfileBuffer, LineLongerThanBufferStaysInside)
{
    TempDir dir;
    std::string strFile = dir.Path("long.ini");
    WriteBytes(strFile, "[S]\r\nK=" + std::string(5000, 'x') + "\r\nNext=ok\r\n");
    char szBuf[MAX_PATH + 1];
    szBuf[MAX_PATH] = '#';
    EXPECT_EQ((DWORD)MAX_PATH - 1, GetPrivateProfileStringA("S", "K", "", szBuf, MAX_PATH, strFile.c_str()));
    EXPECT_EQ(std::string(MAX_PATH - 1, 'x'), szBuf);
    EXPECT_EQ('#', szBuf[MAX_PATH]);
    EXPECT_EQ(2u, GetPrivateProfileStringA("S", "Next", "", szBuf, MAX_PATH, strFile.c_str()));
}

// A list as a vector of names read from a double-NUL buffer.
std::string ListBytes(const char *pb, DWORD cch)
{
    return std::string(pb, cch + 1); // the names plus the final NUL
}

TEST(ProfileList, SectionAndKeyNames)
{
    TempDir dir;
    std::string strFile = dir.Path("l.ini");
    WriteBytes(strFile, "Early=1\r\n[Alpha]\r\na=1\r\n;c=2\r\nplain\r\nb=\r\n[]\r\nz=1\r\n[Beta]\r\n[Empty]\r\n");
    char szBuf[64];
    DWORD cch = GetPrivateProfileStringA(nullptr, nullptr, "DEF", szBuf, sizeof(szBuf), strFile.c_str());
    EXPECT_EQ(std::string("Alpha\0Beta\0Empty\0\0", 18), ListBytes(szBuf, cch));
    cch = GetPrivateProfileStringA("ALPHA", nullptr, "DEF", szBuf, sizeof(szBuf), strFile.c_str());
    EXPECT_EQ(std::string("a\0b\0\0", 5), ListBytes(szBuf, cch));
    cch = GetPrivateProfileStringA("Empty", nullptr, "DEF", szBuf, sizeof(szBuf), strFile.c_str());
    EXPECT_EQ(0u, cch);
    EXPECT_EQ(std::string("\0\0", 2), std::string(szBuf, 2));
    cch = GetPrivateProfileStringA("Missing", nullptr, "DEF", szBuf, sizeof(szBuf), strFile.c_str());
    EXPECT_EQ(0u, cch);
    cch = GetPrivateProfileStringA(nullptr, nullptr, "", szBuf, sizeof(szBuf), dir.Path("none.ini").c_str());
    EXPECT_EQ(0u, cch);
    EXPECT_EQ('\0', szBuf[0]);
}

TEST(ProfileList, CutListEndsInTwoNuls)
{
    TempDir dir;
    std::string strFile = dir.Path("l.ini");
    WriteBytes(strFile, "[Alpha]\r\n[Beta]\r\n");
    struct {
        DWORD nSize;
        std::string strBytes;
        DWORD cchExpected;
    } const cases[] = {
        {12, std::string("Alpha\0Beta\0\0", 12), 11},
        {11, std::string("Alpha\0Bet\0\0", 11), 9},
        {8, std::string("Alpha\0\0\0", 8), 6},
        {4, std::string("Al\0\0", 4), 2},
        {2, std::string("\0\0", 2), 0},
        {1, std::string("\0", 1), 0},
    };
    for (const auto &c : cases) {
        char szBuf[16];
        memset(szBuf, '#', sizeof(szBuf));
        DWORD cch = GetPrivateProfileStringA(nullptr, nullptr, "", szBuf, c.nSize, strFile.c_str());
        EXPECT_EQ(c.cchExpected, cch) << "size " << c.nSize;
        EXPECT_EQ(c.strBytes, std::string(szBuf, c.nSize)) << "size " << c.nSize;
        EXPECT_EQ('#', szBuf[c.nSize]) << "size " << c.nSize;
    }
}

// Each case: a file (none when pszBefore is NULL), writes in order (a NULL
// value deletes the key, a NULL key the section), the bytes after (no file
// when pszAfter is NULL). Every line not written keeps its bytes.
struct WriteCase {
    const char *pszName;
    const char *pszBefore;
    std::vector<std::array<const char *, 3>> writes;
    const char *pszAfter;
};

TEST(ProfileWrite, EditsKeepEveryOtherByte)
{
    const WriteCase cases[] = {
        {"new file and sections, CR LF", nullptr,
         {{"INITIAL", "PreviewPrint", "1"}, {"FFTINFO", "AnalyCh", "2"}, {"INITIAL", "ReportTextMode", "0"}},
         "[INITIAL]\r\nPreviewPrint=1\r\nReportTextMode=0\r\n[FFTINFO]\r\nAnalyCh=2\r\n"},
        {"replaced in place",
         "; settings\n\x01junk line\r\n[fftinfo]\n  analych = 3 \n\tFFTPoint =  1024\t\r\n"
         "unknown line\n;AnalyCh=9\r\n\r\n[Other]\r\nAnalyCh=5",
         {{"FFTINFO", "FFTPOINT", "2048"}},
         "; settings\n\x01junk line\r\n[fftinfo]\n  analych = 3 \nFFTPoint=2048\r\n"
         "unknown line\n;AnalyCh=9\r\n\r\n[Other]\r\nAnalyCh=5"},
        {"new key after the section's last line", "[A]\r\nx=1\r\n;tail comment\r\n\r\n[B]\r\ny=2",
         {{"a", "z", "3"}, {"B", "w", "4"}},
         "[A]\r\nx=1\r\n;tail comment\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n"},
        {"new section after a line without line end", "[A]\nx=1", {{"B", "y", "2"}},
         "[A]\nx=1\r\n[B]\r\ny=2\r\n"},
        {"key deleted", "[A]\r\nx=1\r\nk=2\r\n; about B\r\n[B]\r\ny=2\r\n", {{"A", "K", nullptr}},
         "[A]\r\nx=1\r\n; about B\r\n[B]\r\ny=2\r\n"},
        {"section deleted", "[A]\r\nx=1\r\n; about B\r\n[B]\r\ny=2\r\n;c\r\n\r\n[C]\r\nz=3\r\n",
         {{"b", nullptr, nullptr}}, "[A]\r\nx=1\r\n; about B\r\n[C]\r\nz=3\r\n"},
        {"deleting nothing creates nothing", nullptr, {{"A", "x", nullptr}, {"A", nullptr, nullptr}}, nullptr},
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.pszName);
        TempDir dir;
        if (c.pszBefore)
            WriteBytes(dir.Path("t.ini"), c.pszBefore);
        for (const auto &w : c.writes)
            EXPECT_TRUE(WritePrivateProfileStringA(w[0], w[1], w[2], dir.WinPath("t.ini").c_str()));
        if (c.pszAfter)
            EXPECT_EQ(c.pszAfter, ReadBytes(dir.Path("t.ini")));
        else
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dir.Path("t.ini").c_str()));
    }
}

TEST(ProfileWrite, RefusedWrites)
{
    TempDir dir;
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1", dir.WinPath("no\\such\\dir.ini").c_str()));
    EXPECT_EQ((DWORD)ERROR_PATH_NOT_FOUND, GetLastError());
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "x", "1", dir.Path("a.ini").c_str()));
    EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1", ""));
    EXPECT_FALSE(WritePrivateProfileStringA("A", "x", "1", nullptr));
}

TEST(ProfileWrite, RoundTrips)
{
    TempDir dir;
    std::string strFile = dir.Path("rt.ini");
    const struct {
        const char *pszWritten;
        const char *pszRead;
    } cases[] = {
        {"plain", "plain"},
        {"  padded  ", "padded"},
        {"\"  quoted label  \"", "  quoted label  "},
        {"", ""},
        {"a=b", "a=b"},
        {"; not a comment", "; not a comment"},
        {"C:\\data\\report.CSV", "C:\\data\\report.CSV"},
        {"\x83\x65\x83\x58\x83\x67", "\x83\x65\x83\x58\x83\x67"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WritePrivateProfileStringA("ANALYCH1", "Label", c.pszWritten, strFile.c_str()));
        char szBuf[64];
        GetPrivateProfileStringA("ANALYCH1", "Label", "DEF", szBuf, sizeof(szBuf), strFile.c_str());
        EXPECT_STREQ(c.pszRead, szBuf) << "written " << c.pszWritten;
    }
    EXPECT_EQ("[ANALYCH1]\r\nLabel=\x83\x65\x83\x58\x83\x67\r\n", ReadBytes(strFile));
}

} // namespace
