// The settings folder: templates in place, and the run's choices written.
#include <gtest/gtest.h>

#include <string.h>

#include "demorec.h"
#include "hosttest.h"
#include "setfolder.h"

static std::string Key(const std::string &strFile, const char *pszSection, const char *pszKey)
{
    char szValue[128] = "";
    GetPrivateProfileStringA(pszSection, pszKey, "(none)", szValue, sizeof(szValue), strFile.c_str());
    return szValue;
}

static std::string Prepare(const HOSTOPTIONS &opt)
{
    std::string strFolder;
    char szError[256] = "";
    EXPECT_TRUE(SetPrepareFolder(&opt, &strFolder, szError, sizeof(szError))) << szError;
    return strFolder;
}

static HOSTOPTIONS Options(const TempFolder &tmp)
{
    HOSTOPTIONS opt;
    char szError[256];
    char *argv[] = {(char *)"qfftana", (char *)"demo"};
    CmdParse(2, argv, &opt, szError, sizeof(szError));
    opt.strSettingsDir = tmp.Path("settings/nested");
    return opt;
}

TEST(SettingsFolder, CreatedWithTheShippedTemplates)
{
    TempFolder tmp;
    std::string strFolder = Prepare(Options(tmp));
    EXPECT_EQ(tmp.Path("settings/nested/"), strFolder);
    for (const char *pszFile : {SET_MAINFILE, SET_COHFILE}) {
        std::string strTemplate = ReadWhole(strFolder + "DEFAULT/" + pszFile);
        EXPECT_FALSE(strTemplate.empty()) << pszFile;
        EXPECT_EQ(strTemplate, ReadWhole(strFolder + pszFile)) << pszFile;
    }
    // A user's own settings are left alone on the next run.
    WriteWhole(strFolder + SET_MAINFILE, "[FFTINFO]\r\nFFTPoint=512\r\n");
    Prepare(Options(tmp));
    EXPECT_EQ("512", Key(strFolder + SET_MAINFILE, "FFTINFO", "FFTPoint"));
}

TEST(SettingsFolder, SettingsLabelsUsedWhenTheRecordingHasThem)
{
    TempFolder tmp;
    HOSTOPTIONS opt = Options(tmp);
    std::string strFolder = Prepare(opt);
    std::string strFile = strFolder + SET_MAINFILE;
    RECORDING rec = ShortDemo(1);
    std::string strNote;
    char szError[256];
    ASSERT_TRUE(SetApplyOptions(strFolder, &opt, &rec, &strNote, szError, sizeof(szError)));
    EXPECT_EQ("0", Key(strFile, "FFTINFO", "AutoChSelect"));
    EXPECT_TRUE(strNote.empty());

    rec.aChannels.erase(rec.aChannels.begin() + RecFindLabel(&rec, "O2"));
    ASSERT_TRUE(SetApplyOptions(strFolder, &opt, &rec, &strNote, szError, sizeof(szError)));
    EXPECT_EQ("1", Key(strFile, "FFTINFO", "AutoChSelect"));
    EXPECT_NE(std::string::npos, strNote.find("automatically"));
}

TEST(SettingsFolder, CommandLineChoicesWritten)
{
    TempFolder tmp;
    HOSTOPTIONS opt = Options(tmp);
    opt.aChannels = {"ecg", "O1"};
    opt.nMode = MODE_SECTION;
    opt.aSettings.push_back({"QFFTANA.INI", "FFTINFO", "FFTPoint", "2048"});
    opt.aSettings.push_back({"QFFTANAX.INI", "INITIAL", "Enable", "0"});
    std::string strFolder = Prepare(opt);
    std::string strFile = strFolder + SET_MAINFILE;
    RECORDING rec = ShortDemo(1);
    std::string strNote;
    char szError[256];
    ASSERT_TRUE(SetApplyOptions(strFolder, &opt, &rec, &strNote, szError, sizeof(szError))) << szError;
    EXPECT_EQ("2", Key(strFile, "FFTINFO", "AnalyCh"));
    EXPECT_EQ("0", Key(strFile, "FFTINFO", "AutoChSelect"));
    EXPECT_EQ("1", Key(strFile, "FFTINFO", "FFTAreaSw"));
    EXPECT_EQ("ECG", Key(strFile, "ANALYCH1", "Label"));   // the recording's spelling
    EXPECT_EQ("2", Key(strFile, "ANALYCH1", "Signal"));
    EXPECT_EQ("O1", Key(strFile, "ANALYCH2", "Label"));
    EXPECT_EQ("2048", Key(strFile, "FFTINFO", "FFTPoint"));
    EXPECT_EQ("0", Key(strFolder + SET_COHFILE, "INITIAL", "Enable"));

    opt.aChannels = {"C3", "Oz"};
    EXPECT_FALSE(SetApplyOptions(strFolder, &opt, &rec, &strNote, szError, sizeof(szError)));
    EXPECT_NE(nullptr, strstr(szError, "no channel 'Oz'")) << szError;
    EXPECT_NE(nullptr, strstr(szError, "Fp1,Fp2,F3")) << szError;
    EXPECT_EQ("ECG", Key(strFile, "ANALYCH1", "Label"));   // nothing written
}
