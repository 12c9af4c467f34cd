// Save and open dialogs: queued answers, cancel, the log of what the caller
// passed, the default-extension rule and buffers that are too small.
#include <windows.h>
#include <automation.h>
#include <commdlg.h>

#include <gtest/gtest.h>

namespace {

const char kFilter[] = "CSV File(*.CSV)\0*.CSV\0All Files(*.*)\0*.*\0";

class FileDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        AutoClearLogs();
        AutoClearFileDialogAnswers();
        memset(m_szFile, '#', sizeof(m_szFile));
        strcpy(m_szFile, "C:\\old\\report.CSV");
        m_ofn = {};
        m_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
        m_ofn.hwndOwner = (HWND)(uintptr_t)0x1234;
        m_ofn.lpstrFilter = kFilter;
        m_ofn.lpstrFile = m_szFile;
        m_ofn.nMaxFile = MAX_PATH;
        m_ofn.lpstrInitialDir = "C:\\old\\";
        m_ofn.lpstrTitle = "CSV File Select";
        m_ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_SHAREAWARE;
        m_ofn.lpstrDefExt = "CSV";
    }
    void TearDown() override { AutoClearFileDialogAnswers(); }

    AUTOFILEDLGCALL LastCall()
    {
        AUTOFILEDLGCALL call = {};
        EXPECT_TRUE(AutoGetFileDialogCall(AutoGetFileDialogCount() - 1, &call));
        return call;
    }

    char m_szFile[MAX_PATH + 8];
    OPENFILENAMEA m_ofn;
};

TEST_F(FileDialog, AnswerFillsPathAndLogsTheCall)
{
    AutoQueueFileDialogPath("D:\\data\\new");
    ASSERT_TRUE(GetSaveFileNameA(&m_ofn));
    EXPECT_EQ(0u, CommDlgExtendedError());
    EXPECT_STREQ("D:\\data\\new.CSV", m_szFile);
    EXPECT_EQ(8, m_ofn.nFileOffset);
    EXPECT_EQ(12, m_ofn.nFileExtension);
    EXPECT_EQ(0u, m_ofn.Flags & OFN_EXTENSIONDIFFERENT);

    ASSERT_EQ(1, AutoGetFileDialogCount());
    AUTOFILEDLGCALL call = LastCall();
    EXPECT_EQ((UINT)AUTO_FILEDLG_SAVE, call.uKind);
    EXPECT_EQ((HWND)(uintptr_t)0x1234, call.hwndOwner);
    EXPECT_STREQ("CSV File Select", call.szTitle);
    EXPECT_STREQ("CSV File(*.CSV)|*.CSV|All Files(*.*)|*.*|", call.szFilter);
    EXPECT_STREQ("C:\\old\\", call.szInitialDir);
    EXPECT_STREQ("C:\\old\\report.CSV", call.szInitialFile);
    EXPECT_EQ((DWORD)(OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_SHAREAWARE), call.dwFlags);
    EXPECT_STREQ("CSV", call.szDefExt);
    EXPECT_TRUE(call.bResult);
    EXPECT_STREQ("D:\\data\\new.CSV", call.szResult);
}

TEST_F(FileDialog, CancelAndMissingAnswerReturnFalseWithoutError)
{
    AutoQueueFileDialogCancel();
    AutoQueueFileDialogPath("C:\\x\\second.CSV");
    EXPECT_FALSE(GetSaveFileNameA(&m_ofn));
    EXPECT_EQ(0u, CommDlgExtendedError());
    EXPECT_STREQ("C:\\old\\report.CSV", m_szFile);
    EXPECT_TRUE(GetSaveFileNameA(&m_ofn)) << "answers are used in order";
    EXPECT_STREQ("C:\\x\\second.CSV", m_szFile);
    EXPECT_FALSE(GetSaveFileNameA(&m_ofn)) << "nothing queued: cancelled";
    EXPECT_EQ(0u, CommDlgExtendedError());
    EXPECT_STREQ("C:\\x\\second.CSV", m_szFile);
    ASSERT_EQ(3, AutoGetFileDialogCount());
    EXPECT_FALSE(LastCall().bResult);
    EXPECT_STREQ("C:\\x\\second.CSV", LastCall().szInitialFile);
    AutoClearLogs();
    EXPECT_EQ(0, AutoGetFileDialogCount());
}

struct ExtCase {
    const char *pszAnswer;
    const char *pszDefExt;
    const char *pszInitialFile;
    const char *pszInitialDir;
    const char *pszExpected;
    WORD nFileOffset;
    WORD nFileExtension;
    bool bExtDifferent;
};

TEST_F(FileDialog, DefaultExtensionAndOffsets)
{
    const ExtCase cases[] = {
        {"C:\\d\\a", "CSV", "", "", "C:\\d\\a.CSV", 5, 7, false},
        {"C:\\d\\a.txt", "CSV", "", "", "C:\\d\\a.txt", 5, 7, true},
        {"C:\\d\\a.csv", "CSV", "", "", "C:\\d\\a.csv", 5, 7, false},
        {"C:\\d.x\\a", "CSV", "", "", "C:\\d.x\\a.CSV", 7, 9, false},
        {"/tmp/a", "CSV", "", "", "/tmp/a.CSV", 5, 7, false},
        {"C:\\d\\a", nullptr, "", "", "C:\\d\\a", 5, 6, false},
        {"C:\\d\\a.", "CSV", "", "", "C:\\d\\a.", 5, 0, true},
        {"C:\\\x95\x5c\\a", "CSV", "", "", "C:\\\x95\x5c\\a.CSV", 6, 8, false},
        {"C:\\\x95\x5c", "CSV", "", "", "C:\\\x95\x5c.CSV", 3, 6, false},
        {"typed", "CSV", "C:\\prev\\r.CSV", "C:\\init", "C:\\prev\\typed.CSV", 8, 14, false},
        {"typed", "CSV", "", "C:\\init", "C:\\init\\typed.CSV", 8, 14, false},
        {"typed", "CSV", "", "C:\\init\\", "C:\\init\\typed.CSV", 8, 14, false},
        {"typed", "CSV", "", "", "typed.CSV", 0, 6, false},
    };
    for (const ExtCase &c : cases) {
        strcpy(m_szFile, c.pszInitialFile);
        m_ofn.lpstrInitialDir = c.pszInitialDir;
        m_ofn.lpstrDefExt = c.pszDefExt;
        m_ofn.Flags = 0;
        AutoQueueFileDialogPath(c.pszAnswer);
        ASSERT_TRUE(GetSaveFileNameA(&m_ofn)) << c.pszAnswer;
        EXPECT_STREQ(c.pszExpected, m_szFile) << c.pszAnswer;
        EXPECT_EQ(c.nFileOffset, m_ofn.nFileOffset) << c.pszAnswer;
        EXPECT_EQ(c.nFileExtension, m_ofn.nFileExtension) << c.pszAnswer;
        EXPECT_EQ(c.bExtDifferent && c.pszDefExt, (m_ofn.Flags & OFN_EXTENSIONDIFFERENT) != 0) << c.pszAnswer;
    }
}

TEST_F(FileDialog, PathTooLongForBufferIsRefused)
{
    m_ofn.nMaxFile = 8;
    AutoQueueFileDialogPath("C:\\data\\report");
    EXPECT_FALSE(GetSaveFileNameA(&m_ofn));
    EXPECT_EQ((DWORD)FNERR_BUFFERTOOSMALL, CommDlgExtendedError());
    WORD cchNeeded = 0;
    memcpy(&cchNeeded, m_szFile, sizeof(cchNeeded));
    EXPECT_EQ(19, cchNeeded);
    EXPECT_EQ(0, memcmp("old\\report.CSV", m_szFile + 3, 15)) << "nothing written past two bytes";

    m_ofn.nMaxFile = 19;
    AutoQueueFileDialogPath("C:\\data\\report");
    EXPECT_TRUE(GetSaveFileNameA(&m_ofn)) << "an exact fit is enough";
    EXPECT_STREQ("C:\\data\\report.CSV", m_szFile);
}

TEST_F(FileDialog, BadRecordsFailWithoutUsingTheAnswer)
{
    AutoQueueFileDialogPath("C:\\kept\\for\\later.CSV");
    m_ofn.lStructSize = 12;
    EXPECT_FALSE(GetSaveFileNameA(&m_ofn));
    EXPECT_EQ((DWORD)CDERR_STRUCTSIZE, CommDlgExtendedError());
    m_ofn.lStructSize = sizeof(OPENFILENAMEA);
    m_ofn.lpstrFile = nullptr;
    EXPECT_FALSE(GetSaveFileNameA(&m_ofn));
    EXPECT_EQ((DWORD)CDERR_INITIALIZATION, CommDlgExtendedError());
    EXPECT_FALSE(GetSaveFileNameA(nullptr));
    EXPECT_EQ(2, AutoGetFileDialogCount());
    m_ofn.lpstrFile = m_szFile;
    EXPECT_TRUE(GetSaveFileNameA(&m_ofn));
    EXPECT_STREQ("C:\\kept\\for\\later.CSV", m_szFile);
    AutoQueueFileDialogPath("");
    EXPECT_FALSE(GetSaveFileNameA(&m_ofn));
    EXPECT_EQ((DWORD)FNERR_INVALIDFILENAME, CommDlgExtendedError());
}

TEST_F(FileDialog, OpenDialogAndFileTitle)
{
    char szTitle[6];
    m_ofn.lpstrFileTitle = szTitle;
    m_ofn.nMaxFileTitle = sizeof(szTitle);
    m_ofn.lpstrFilter = nullptr;
    m_ofn.lpstrTitle = nullptr;
    AutoQueueFileDialogPath("C:\\in\\data.EDF");
    ASSERT_TRUE(GetOpenFileNameA(&m_ofn));
    EXPECT_STREQ("data.", szTitle) << "the title is cut to its buffer";
    AUTOFILEDLGCALL call = LastCall();
    EXPECT_EQ((UINT)AUTO_FILEDLG_OPEN, call.uKind);
    EXPECT_STREQ("", call.szFilter);
    EXPECT_STREQ("", call.szTitle);
    EXPECT_FALSE(AutoGetFileDialogCall(1, &call));
    EXPECT_FALSE(AutoGetFileDialogCall(-1, &call));
}

} // namespace
