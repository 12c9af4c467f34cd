// qfftana end to end: exit status, messages and the report.
#include <gtest/gtest.h>

#include <math.h>
#include <sys/stat.h>

#include "edfwrite.h"
#include "hosttest.h"
#include "report.h"

static bool Exists(const std::string &strPath)
{
    struct stat st;
    return stat(strPath.c_str(), &st) == 0;
}

// One line on standard error that starts with the program's name.
static void ExpectOneLineMessage(const RUNOUTPUT &out, const char *pszWhat, const std::string &strContext)
{
    EXPECT_EQ(0u, out.strErr.find("qfftana: ")) << strContext << ": " << out.strErr;
    EXPECT_EQ(out.strErr.size() - 1, out.strErr.find('\n')) << strContext << ": " << out.strErr;
    EXPECT_NE(std::string::npos, out.strErr.find(pszWhat)) << strContext << ": " << out.strErr;
}

// A run of the analysis with its own settings and output folders.
static RUNOUTPUT Analyse(const TempFolder &tmp, const std::string &strArguments)
{
    return RunHost(strArguments + " --settings " + tmp.Path("settings") + " --out " + tmp.Path("out") + " --quiet");
}

TEST(CliArguments, BadArgumentsExitTwo)
{
    static const char *const apszLine[] = {
        "bogus", "analyze", "demo --page-seconds 0", "demo --mode fast", "demo --add 5-2",
        "demo --set nokey", "demo --nonsense", "info", "info a.edf --channels C3",
    };
    for (const char *pszLine : apszLine) {
        RUNOUTPUT out = RunHost(pszLine);
        EXPECT_EQ(2, out.nExit) << pszLine;
        ExpectOneLineMessage(out, "", pszLine);
    }
    RUNOUTPUT help = RunHost("--help");
    EXPECT_EQ(0, help.nExit);
    EXPECT_NE(std::string::npos, help.strOut.find("qfftana analyze RECORDING"));
}

TEST(CliRecording, UnreadableRecordingsExitThree)
{
    TempFolder tmp;
    RUNOUTPUT made = RunHost("make-demo " + tmp.Path("demo.edf"));
    ASSERT_EQ(0, made.nExit) << made.strErr;
    std::string strGood = ReadWhole(tmp.Path("demo.edf"));
    WriteWhole(tmp.Path("truncated.edf"), strGood.substr(0, strGood.size() * 2 / 3));
    WriteWhole(tmp.Path("corrupt.edf"), std::string(4096, 'x'));
    std::string strHeader = strGood;
    strHeader.replace(184, 8, "bogus   ");   // header size field
    WriteWhole(tmp.Path("badheader.edf"), strHeader);
    for (const char *pszName : {"missing.edf", "truncated.edf", "corrupt.edf", "badheader.edf"}) {
        for (const char *pszCommand : {"info ", "analyze "}) {
            RUNOUTPUT out = Analyse(tmp, std::string(pszCommand) + tmp.Path(pszName));
            if (std::string(pszCommand) == "info ")
                out = RunHost(std::string(pszCommand) + tmp.Path(pszName));
            EXPECT_EQ(3, out.nExit) << pszCommand << pszName << ": " << out.strErr;
            EXPECT_NE(std::string::npos, out.strErr.find(std::string("qfftana: ") + tmp.Path(pszName)))
                << pszCommand << pszName << ": " << out.strErr;
        }
    }
    EXPECT_FALSE(Exists(tmp.Path("out/report.csv")));
}

TEST(CliRecording, ShorterThanOnePageExitsThree)
{
    TempFolder tmp;
    RECORDING rec = ShortDemo(5);
    char szError[256];
    ASSERT_TRUE(RecWriteEdf(&rec, tmp.Path("short.edf").c_str(), szError, sizeof(szError))) << szError;
    RUNOUTPUT out = Analyse(tmp, "analyze " + tmp.Path("short.edf"));
    EXPECT_EQ(3, out.nExit);
    ExpectOneLineMessage(out, "shorter than one page of 10 s", "short");
}

TEST(CliChannels, UnknownLabelOrPageExitsTwo)
{
    TempFolder tmp;
    ASSERT_EQ(0, RunHost("make-demo " + tmp.Path("demo.edf")).nExit);
    RUNOUTPUT out = Analyse(tmp, "analyze " + tmp.Path("demo.edf") + " --channels C3,T7");
    EXPECT_EQ(2, out.nExit);
    ExpectOneLineMessage(out, "no channel 'T7' (it has Fp1,Fp2,F3,F4,C3,C4,P3,P4,O1,O2,Fz,Cz,ECG)", "T7");
    out = Analyse(tmp, "analyze " + tmp.Path("demo.edf") + " --add 18-19");
    EXPECT_EQ(2, out.nExit);
    ExpectOneLineMessage(out, "page 19 does not exist; the recording has 18 pages", "--add 19");
}

TEST(CliInfo, DescribesTheSharedRecordings)
{
    std::string strRest = SharedRecording("Subject05_1.edf"), strMotor = SharedRecording("S001R01.edf");
    if (strRest.empty() || strMotor.empty())
        GTEST_SKIP() << "shared recordings not found under " << QF_SHARED_DIR;
    RUNOUTPUT rest = RunHost("info " + strRest);
    ASSERT_EQ(0, rest.nExit) << rest.strErr;
    for (const char *psz : {"format     EDF+", "base rate 500 Hz; 18 pages of 10 s", "21 given to the plug-in, 1 left out",
                            " 15  O1               EEG O1           EEG       500", "ECG ECG          ECG"})
        EXPECT_NE(std::string::npos, rest.strOut.find(psz)) << psz << "\n" << rest.strOut;
    RUNOUTPUT motor = RunHost("info " + strMotor);
    ASSERT_EQ(0, motor.nExit) << motor.strErr;
    for (const char *psz : {"base rate 160 Hz; 4 pages of 13 s", "64 given to the plug-in", "Fc5.", "10000/10000"})
        EXPECT_NE(std::string::npos, motor.strOut.find(psz)) << psz << "\n" << motor.strOut;
}

// The report of a run, read back; fails the test when there is none.
static REPORT ReadReport(const TempFolder &tmp)
{
    REPORT report;
    char szError[256] = "";
    EXPECT_TRUE(ReportRead(tmp.Path("out/report.csv").c_str(), &report, szError, sizeof(szError))) << szError;
    return report;
}

static double Share(const REPORT &report, const char *pszTitle, const char *pszBand)
{
    for (const REPORTCHANNEL &ch : report.aChannels) {
        for (size_t b = 0; ch.strTitle == pszTitle && b < report.aBands.size(); b++) {
            if (report.aBands[b] == pszBand)
                return ch.adPercent[b];
        }
    }
    return NAN;
}

// Until the plug-in writes reports, a run must say so and leave none.
static bool ExpectNoReportYet(const RUNOUTPUT &out, const TempFolder &tmp)
{
    if (QF_PLUGIN_WRITES_REPORTS)
        return false;
    EXPECT_EQ(1, out.nExit);
    ExpectOneLineMessage(out, "no report was written", "run without a report writer");
    EXPECT_FALSE(Exists(tmp.Path("out/report.csv")));
    return true;
}

TEST(CliAnalysis, BuiltInRecordingShowsItsRhythms)
{
    TempFolder tmp;
    RUNOUTPUT out = Analyse(tmp, "demo --channels Fp1,Fp2,O1,O2");
    if (ExpectNoReportYet(out, tmp))
        return;
    ASSERT_EQ(0, out.nExit) << out.strErr;
    EXPECT_NE(std::string::npos, out.strOut.find("18 sections added (average count 18)")) << out.strOut;
    REPORT report = ReadReport(tmp);
    EXPECT_EQ(18, report.nAddCount);
    EXPECT_GT(Share(report, "CH3(O1)", "alpha"), 2.0 * Share(report, "CH1(Fp1)", "alpha"));
    EXPECT_GT(Share(report, "CH1(Fp1)", "delta"), 2.0 * Share(report, "CH3(O1)", "delta"));
    EXPECT_NE(std::string::npos, out.strOut.find("CH4(O2)")) << out.strOut;
}

TEST(CliAnalysis, SharedRecordingsEndToEnd)
{
    std::string strRest = SharedRecording("Subject05_1.edf"), strMotor = SharedRecording("S001R01.edf");
    if (strRest.empty() || strMotor.empty())
        GTEST_SKIP() << "shared recordings not found under " << QF_SHARED_DIR;
    TempFolder tmp;
    RUNOUTPUT rest = Analyse(tmp, "analyze " + strRest + " --channels Fp1,O1");
    if (ExpectNoReportYet(rest, tmp))
        return;
    ASSERT_EQ(0, rest.nExit) << rest.strErr;
    REPORT report = ReadReport(tmp);
    EXPECT_EQ(18, report.nAddCount);
    EXPECT_GT(Share(report, "CH2(O1)", "alpha"), Share(report, "CH1(Fp1)", "alpha"));
    // 160 Hz: a 10-s page of 1600 samples is no whole number of 1000-sample
    // blocks, which the plug-in refuses; by default the host takes 13 s
    // (2080 samples: two blocks and 80 left, within 10 % of the points).
    TempFolder tmp2;
    RUNOUTPUT refused = Analyse(tmp2, "analyze " + strMotor + " --page-seconds 10");
    EXPECT_EQ(2, refused.nExit);
    ExpectOneLineMessage(refused, "do: none shorter, 13 s longer", "motor, 10-s pages");
    RUNOUTPUT motor = Analyse(tmp2, "analyze " + strMotor);
    ASSERT_EQ(0, motor.nExit) << motor.strErr;
    EXPECT_EQ(4, ReadReport(tmp2).nAddCount);
    EXPECT_EQ(8u, ReadReport(tmp2).aChannels.size());
}

TEST(CliAnalysis, SectionModeAddsTheListedPages)
{
    TempFolder tmp;
    RUNOUTPUT out = Analyse(tmp, "demo --mode section --section-offset 2 --add 2,5-6");
    if (ExpectNoReportYet(out, tmp))
        return;
    ASSERT_EQ(0, out.nExit) << out.strErr;
    EXPECT_EQ(3, ReadReport(tmp).nAddCount);
    // The second section added is on page 5, 2 s into it, 1024 samples long.
    EXPECT_NE(std::string::npos, ReadWhole(tmp.Path("out/report.csv")).find("2, 09:30:42.000, 09:30:44.000"));
}

TEST(CliAnalysis, NoAddMeansNoReportAndNoStaleOne)
{
    TempFolder tmp;
    mkdir(tmp.Path("out").c_str(), 0755);
    WriteWhole(tmp.Path("out/report.csv"), "an old report\r\n");
    RUNOUTPUT out = Analyse(tmp, "demo --add none");
    EXPECT_EQ(1, out.nExit);
    ExpectOneLineMessage(out, "no report was written", "--add none");
    EXPECT_FALSE(Exists(tmp.Path("out/report.csv")));
}

TEST(CliMakeDemo, WritesARecordingInfoReads)
{
    TempFolder tmp;
    RUNOUTPUT made = RunHost("make-demo " + tmp.Path("demo.edf"));
    ASSERT_EQ(0, made.nExit) << made.strErr;
    RUNOUTPUT info = RunHost("info " + tmp.Path("demo.edf"));
    ASSERT_EQ(0, info.nExit) << info.strErr;
    for (const char *psz : {"format     EDF+", "patient    Demo (id DEMO-0001)", "start      2024-01-15 09:30:00",
                            "180.0 s; base rate 500 Hz; 18 pages", "13 given to the plug-in, 1 left out"})
        EXPECT_NE(std::string::npos, info.strOut.find(psz)) << psz << "\n" << info.strOut;
    EXPECT_EQ(1, RunHost("make-demo " + tmp.Path("nofolder/demo.edf")).nExit);
}
