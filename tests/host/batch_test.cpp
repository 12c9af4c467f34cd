// Batches: worker failures, tables, resuming, merging and the folder lock.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <math.h>
#include <sys/stat.h>
#include <unistd.h>

#include "batchdir.h"
#include "batchresult.h"
#include "csvout.h"
#include "hosttest.h"
#include "report.h"
#include "worker.h"

TEST(BatchCsv, CellsQuotedAsRfc4180AndReadBack)
{
    static const struct {
        const char *pszText, *pszCell;
    } aCase[] = {
        {"CH1(O1)", "CH1(O1)"},
        {"CH1(F3,ref)", "\"CH1(F3,ref)\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"\xe3\x82\xb7\xe3\x83\xbc\xe3\x82\xbf", "\xe3\x82\xb7\xe3\x83\xbc\xe3\x82\xbf"},   // UTF-8 as it is
        {"", ""},
    };
    std::vector<std::string> aTexts;
    for (const auto &c : aCase) {
        EXPECT_EQ(c.pszCell, CsvCell(c.pszText));
        aTexts.push_back(c.pszText);
    }
    std::string strLine = CsvLine(aTexts);
    ASSERT_EQ("\r\n", strLine.substr(strLine.size() - 2));
    std::vector<std::string> aBack;
    EXPECT_TRUE(CsvSplitLine(strLine.substr(0, strLine.size() - 2), &aBack));
    EXPECT_EQ(aTexts, aBack);
    EXPECT_FALSE(CsvSplitLine("\"open", &aBack));
}

// The plug-in writes titles and labels unquoted: commas in them must not
// shift the cells.
TEST(BatchCsv, ReportLabelsWithCommasKeepTheirCells)
{
    const char *pszReport = "Average Count,2\r\n\r\nContain Band Power(%)\r\n"
                            "Band Name,Min Freq(Hz),Max Freq(Hz),CH1(F3,ref),CH2(C4)\r\n"
                            "alpha,low,8.00,10.00,12.50,ERR\r\nbeta,13.00,30.00,1.25,2.50\r\n\r\n";
    REPORT report;
    char szError[256];
    ASSERT_TRUE(ReportParse(pszReport, &report, szError, sizeof(szError))) << szError;
    ASSERT_EQ(2u, report.aChannels.size());
    EXPECT_EQ("CH1(F3,ref)", report.aChannels[0].strTitle);
    EXPECT_EQ((std::vector<std::string>{"alpha,low", "beta"}), report.aBands);
    EXPECT_EQ(8.0, report.adBandMin[0]);
    EXPECT_EQ(12.5, report.aChannels[0].adPercent[0]);
    EXPECT_TRUE(isnan(report.aChannels[1].adPercent[0]));
    EXPECT_EQ(2.5, report.aChannels[1].adPercent[1]);
}

TEST(BatchCsv, NumbersWithoutLocaleOrNaN)
{
    EXPECT_EQ("12.50", CsvNumber(12.5, 2));
    EXPECT_EQ("0.00", CsvNumber(-0.001, 2));
    EXPECT_EQ("-3.1416", CsvNumber(-3.14159, 4));
    EXPECT_EQ("7", CsvNumber(7.2, 0));
    EXPECT_EQ("", CsvNumber(NAN, 2));
    EXPECT_EQ("", CsvNumber(INFINITY, 2));
}

TEST(BatchArguments, RefusedWithExitTwo)
{
    for (const char *pszLine : {"batch --out x", "analyze a.edf --jobs 2", "batch a.edf --pictures p",
                                "batch a.edf --json j", "batch a.edf --jobs 0", "merge"}) {
        RUNOUTPUT out = RunHost(pszLine);
        EXPECT_EQ(2, out.nExit) << pszLine;
        EXPECT_EQ(0u, out.strErr.find("qfftana: ")) << pszLine;
    }
}

TEST(BatchResult, FoldersOfEqualBaseNamesDiffer)
{
    std::string strA = ResultFolderName("a/rec.edf"), strB = ResultFolderName("b/rec.edf");
    EXPECT_EQ(0u, strA.find("rec-"));
    EXPECT_NE(strA, strB);
    EXPECT_EQ(strA, ResultFolderName("a/rec.edf"));
    EXPECT_EQ(0u, ResultFolderName("data/").find("recording-"));
}

// A worker's end as the table tells it.
TEST(BatchWorker, FailureReasons)
{
    static const struct {
        const char *pszScript, *pszReason;
    } aCase[] = {
        {"exit 0", ""},
        {"kill -SEGV $$", "killed by signal 11"},
        {"echo early >&2; echo 'qfftana: x.edf: the header is cut short' >&2; exit 3", "x.edf: the header is cut short"},
        {"exit 4", "ended with exit status 4"},
    };
    TempFolder tmp;
    for (const auto &c : aCase) {
        WORKER worker = {};
        std::string strError;
        ASSERT_TRUE(WorkerStart("/bin/sh", {"-c", c.pszScript}, tmp.Path("log"), &worker, &strError)) << strError;
        int nStatus = 0;
        ASSERT_TRUE(WorkerPoll(&worker, true, &nStatus));
        EXPECT_EQ(c.pszReason, WorkerFailure(&worker, nStatus)) << c.pszScript;
        EXPECT_EQ(0, worker.pid);
    }
}

static std::vector<std::vector<std::string>> ReadTable(const std::string &strPath)
{
    std::vector<std::vector<std::string>> aRows;
    std::string strText = ReadWhole(strPath);
    for (size_t nAt = 0; nAt < strText.size();) {
        size_t nEnd = strText.find("\r\n", nAt);
        std::vector<std::string> aCells;
        CsvSplitLine(strText.substr(nAt, nEnd - nAt), &aCells);
        aRows.push_back(aCells);
        nAt = nEnd + 2;
    }
    return aRows;
}

static struct timespec ModTime(const std::string &strPath)
{
    struct stat st = {};
    stat(strPath.c_str(), &st);
    return st.st_mtim;
}

static bool SameTime(const struct timespec &t1, const struct timespec &t2)
{
    return t1.tv_sec == t2.tv_sec && t1.tv_nsec == t2.tv_nsec;
}

// One good recording, one damaged with the same base name, one missing:
// rows in the order given, each failure with its reason; merge gives the
// same bytes; a second run analyses only what changed or failed; a result
// cut short by a killed task does not count; a locked folder is refused.
TEST(BatchRun, TablesResumeMergeAndLock)
{
    TempFolder tmp;
    mkdir(tmp.Path("a").c_str(), 0755);
    mkdir(tmp.Path("b").c_str(), 0755);
    ASSERT_EQ(0, RunHost("make-demo " + tmp.Path("a/rec.edf")).nExit);
    WriteWhole(tmp.Path("b/rec.edf"), ReadWhole(tmp.Path("a/rec.edf")).substr(0, 200));
    std::string strFiles = tmp.Path("a/rec.edf") + " " + tmp.Path("b/rec.edf") + " " + tmp.Path("missing.edf");
    std::string strBatch = "batch " + strFiles + " --out " + tmp.Path("out") + " --settings " + tmp.Path("set")
                         + " --jobs 2 --quiet --set FREQBAND2.Label=\xe3\x82\xb7\xe3\x83\xbc\xe3\x82\xbf"
                         + " --set 'FREQBAND3.Label=\xce\xb1,\"1\"'";   // through code page 932 and back
    RUNOUTPUT out = RunHost(strBatch);
    ASSERT_EQ(1, out.nExit) << out.strErr;
    auto aRows = ReadTable(tmp.Path("out/summary.csv"));
    ASSERT_GE(aRows.size(), 4u);
    EXPECT_EQ("\xe3\x82\xb7\xe3\x83\xbc\xe3\x82\xbf power (uV^2)", aRows[0][3]);
    EXPECT_EQ("\xce\xb1,\"1\" power (uV^2)", aRows[0][4]);
    size_t nGood = aRows.size() - 3;
    for (size_t i = 1; i <= nGood; i++) {
        EXPECT_EQ(tmp.Path("a/rec.edf"), aRows[i][0]);
        EXPECT_EQ(aRows[0].size(), aRows[i].size());
        EXPECT_EQ("", aRows[i].back());
        EXPECT_NE("", aRows[i][aRows[i].size() - 4]);   // mean frequency
    }
    EXPECT_EQ(tmp.Path("b/rec.edf"), aRows[nGood + 1][0]);
    EXPECT_NE(std::string::npos, aRows[nGood + 1].back().find("rec.edf")) << aRows[nGood + 1].back();
    EXPECT_EQ(tmp.Path("missing.edf"), aRows[nGood + 2][0]);
    EXPECT_NE(std::string::npos, aRows[nGood + 2].back().find("No such file"));

    auto aCoherence = ReadTable(tmp.Path("out/coherence.csv"));
    ASSERT_GE(aCoherence.size(), 2u);   // every pair and band of the good recording only
    for (size_t i = 1; i < aCoherence.size(); i++) {
        EXPECT_EQ(tmp.Path("a/rec.edf"), aCoherence[i][0]);
        EXPECT_EQ(5u, aCoherence[i].size());
    }

    std::string strSummary = ReadWhole(tmp.Path("out/summary.csv"));
    std::string strCoherence = ReadWhole(tmp.Path("out/coherence.csv"));
    remove(tmp.Path("out/summary.csv").c_str());
    EXPECT_EQ(1, RunHost("merge " + tmp.Path("out") + " --quiet").nExit);
    EXPECT_EQ(strSummary, ReadWhole(tmp.Path("out/summary.csv")));
    EXPECT_EQ(strCoherence, ReadWhole(tmp.Path("out/coherence.csv")));

    std::string strGood = tmp.Path("out/" + ResultFolderName(tmp.Path("a/rec.edf")) + "/" RESULT_FILE);
    std::string strBad = tmp.Path("out/" + ResultFolderName(tmp.Path("b/rec.edf")) + "/" RESULT_FILE);
    struct timespec tGood = ModTime(strGood), tBad = ModTime(strBad);
    usleep(20000);
    EXPECT_EQ(1, RunHost(strBatch).nExit);
    EXPECT_TRUE(SameTime(tGood, ModTime(strGood)));    // analysed and unchanged: kept
    EXPECT_FALSE(SameTime(tBad, ModTime(strBad)));     // failed: tried again
    EXPECT_EQ(strSummary, ReadWhole(tmp.Path("out/summary.csv")));
    usleep(20000);
    utimensat(AT_FDCWD, tmp.Path("a/rec.edf").c_str(), NULL, 0);   // the recording is newer now
    EXPECT_EQ(1, RunHost(strBatch).nExit);
    EXPECT_FALSE(SameTime(tGood, ModTime(strGood)));
    tGood = ModTime(strGood);
    WriteWhole(tmp.Path("set/QFFTANA.INI"), ReadWhole(tmp.Path("set/QFFTANA.INI")) + "; changed\n");
    EXPECT_EQ(1, RunHost(strBatch).nExit);
    EXPECT_FALSE(SameTime(tGood, ModTime(strGood)));   // other settings: analysed again

    // A task killed while writing leaves only its temporary file.
    std::string strResult = ReadWhole(strGood);
    remove(strGood.c_str());
    WriteWhole(strGood + ".part999", strResult.substr(0, strResult.size() / 2));
    EXPECT_EQ(1, RunHost("merge " + tmp.Path("out") + " --quiet").nExit);
    aRows = ReadTable(tmp.Path("out/summary.csv"));
    EXPECT_EQ(tmp.Path("a/rec.edf"), aRows[1][0]);
    EXPECT_NE(std::string::npos, aRows[1].back().find("no result"));

    int fdLock = -1;
    std::string strError;
    ASSERT_TRUE(BatchLock(tmp.Path("out"), false, &fdLock, &strError)) << strError;
    for (std::string strLine : {strBatch, "merge " + tmp.Path("out")}) {
        out = RunHost(strLine);
        EXPECT_EQ(2, out.nExit) << strLine;
        EXPECT_NE(std::string::npos, out.strErr.find("in use by another batch")) << out.strErr;
    }
    close(fdLock);
}
