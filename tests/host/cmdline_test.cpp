// The command line: what is accepted, what is refused and why.
#include <gtest/gtest.h>

#include <string.h>

#include <sstream>

#include "cmdline.h"

static BOOL Parse(const std::string &strLine, HOSTOPTIONS *pOpt, std::string *pstrError = nullptr)
{
    std::vector<std::string> aWords = {"qfftana"};
    std::istringstream in(strLine);
    for (std::string w; in >> w;)
        aWords.push_back(w);
    std::vector<char *> argv;
    for (std::string &w : aWords)
        argv.push_back(&w[0]);
    char szError[256] = "";
    BOOL bOk = CmdParse((int)argv.size(), argv.data(), pOpt, szError, sizeof(szError));
    if (pstrError)
        *pstrError = szError;
    return bOk;
}

TEST(CommandLine, DefaultsOfTheMainJob)
{
    HOSTOPTIONS opt;
    ASSERT_TRUE(Parse("demo", &opt));
    EXPECT_EQ(CMD_DEMO, opt.nCommand);
    EXPECT_EQ("qfftana-out", opt.strOutDir);
    EXPECT_EQ(0, opt.nPageSeconds);   // the host chooses
    EXPECT_EQ(MODE_SETTINGS, opt.nMode);
    EXPECT_TRUE(opt.bAddAll);
    EXPECT_TRUE(opt.strSettingsDir.empty());
    EXPECT_TRUE(opt.strPicturesDir.empty());
    EXPECT_EQ(1280, opt.nPictureWidth);
    EXPECT_EQ(800, opt.nPictureHeight);
    ASSERT_TRUE(Parse("", &opt));
    EXPECT_EQ(CMD_HELP, opt.nCommand);
}

TEST(CommandLine, EveryAnalysisOption)
{
    HOSTOPTIONS opt;
    ASSERT_TRUE(Parse("analyze rec.edf --out o --channels C3,C4,O1 --page-seconds 4 --mode section "
                      "--section-offset 1.5 --add 2,4-6 --set FFTINFO.FFTPoint=2048 "
                      "--set QFFTANAX.INITIAL.Enable=0 --settings s --pictures p --picture-size 640x480 --quiet",
                      &opt));
    EXPECT_EQ("p", opt.strPicturesDir);
    EXPECT_EQ(640, opt.nPictureWidth);
    EXPECT_EQ(480, opt.nPictureHeight);
    EXPECT_EQ("rec.edf", opt.strRecording);
    EXPECT_EQ("o", opt.strOutDir);
    EXPECT_EQ((std::vector<std::string>{"C3", "C4", "O1"}), opt.aChannels);
    EXPECT_EQ(4, opt.nPageSeconds);
    EXPECT_EQ(MODE_SECTION, opt.nMode);
    EXPECT_DOUBLE_EQ(1.5, opt.dSectionOffset);
    EXPECT_EQ("s", opt.strSettingsDir);
    EXPECT_TRUE(opt.bQuiet);
    ASSERT_EQ(2u, opt.aSettings.size());
    EXPECT_EQ("QFFTANA.INI", opt.aSettings[0].strFile);
    EXPECT_EQ("FFTINFO", opt.aSettings[0].strSection);
    EXPECT_EQ("FFTPoint", opt.aSettings[0].strKey);
    EXPECT_EQ("2048", opt.aSettings[0].strValue);
    EXPECT_EQ("QFFTANAX.INI", opt.aSettings[1].strFile);
    EXPECT_EQ("Enable", opt.aSettings[1].strKey);
    static const struct {
        int nPage;
        BOOL bWanted;
    } aPage[] = {{1, FALSE}, {2, TRUE}, {3, FALSE}, {4, TRUE}, {6, TRUE}, {7, FALSE}};
    for (const auto &p : aPage)
        EXPECT_EQ(p.bWanted, CmdWantsPage(&opt, p.nPage)) << "page " << p.nPage;
    EXPECT_EQ(6, CmdLastListedPage(&opt));
    ASSERT_TRUE(Parse("demo --add none", &opt));
    EXPECT_FALSE(CmdWantsPage(&opt, 1));
}

TEST(CommandLine, RefusesWithAReason)
{
    static const struct {
        const char *pszLine, *pszReason;
    } aCase[] = {
        {"bogus", "unknown command"},
        {"analyze", "needs a recording"},
        {"info", "needs a recording"},
        {"make-demo", "needs a file name"},
        {"demo extra", "unexpected argument"},
        {"analyze a.edf b.edf", "unexpected argument"},
        {"demo --frobnicate 1", "unknown option"},
        {"demo --out", "needs a value"},
        {"info a.edf --out o", "takes no option"},
        {"demo --page-seconds 0", "--page-seconds"},
        {"demo --page-seconds 2.5", "--page-seconds"},
        {"demo --page-seconds 10x", "--page-seconds"},
        {"demo --mode both", "--mode"},
        {"demo --section-offset -1", "--section-offset"},
        {"demo --section-offset 1,5", "--section-offset"},
        {"demo --add 3-1", "--add"},
        {"demo --add 0", "--add"},
        {"demo --add 1,,2", "--add"},
        {"demo --add some", "--add"},
        {"demo --channels A,B,C,D,E,F,G,H,I", "at most 8"},
        {"demo --channels C3,,O1", "--channels"},
        {"demo --set FFTPoint=2048", "SECTION.KEY=VALUE"},
        {"demo --set FFTINFO.FFTPoint", "SECTION.KEY=VALUE"},
        {"demo --set .FFTPoint=1", "SECTION.KEY=VALUE"},
        {"demo --set OTHER.INITIAL.Enable=1", "QFFTANA or QFFTANAX"},
        {"demo --picture-size 1280", "WIDTHxHEIGHT"},
        {"demo --picture-size 1280x", "WIDTHxHEIGHT"},
        {"demo --picture-size 100x100", "WIDTHxHEIGHT"},
        {"demo --picture-size 1280x800x2", "WIDTHxHEIGHT"},
        {"info a.edf --pictures p", "takes no option"},
        {"dialogs --quiet", "needs --pictures"},
        {"dialogs a.edf --pictures p", "unexpected argument"},
    };
    for (const auto &c : aCase) {
        HOSTOPTIONS opt;
        std::string strError;
        EXPECT_FALSE(Parse(c.pszLine, &opt, &strError)) << c.pszLine;
        EXPECT_NE(std::string::npos, strError.find(c.pszReason)) << c.pszLine << " -> " << strError;
    }
}
