// qfftana compare: choosing pages, reading annotations, the comparison.
#include <gtest/gtest.h>

#include <math.h>

#include <cairo.h>

#include <sstream>

#include "annotations.h"
#include "compareplot.h"
#include "comparetable.h"
#include "demorec.h"
#include "hosttest.h"
#include "pageselect.h"
#include "report.h"

TEST(ComparePages, SecondsAndAnnotationsChooseTheirPages)
{
    // Pages of 10 s; the recording has 18 whole pages unless said.
    static const struct {
        const char *pszWhat;
        double dFrom, dTo;              // seconds; dTo < 0: by annotation instead
        double dOnset, dDuration;       // the annotation "x"
        int nPages;
        const char *pszExpected;
    } aCase[] = {
        {"first half", 0, 90, 0, 0, 18, "1-9"},
        {"second half", 90, 180, 0, 0, 18, "10-18"},
        {"only pages wholly inside", 5, 95, 0, 0, 18, "2-9"},
        {"the end is excluded", 0, 89.9, 0, 0, 18, "1-8"},
        {"beyond the recording", 60, 1000, 0, 0, 9, "7-9"},
        {"shorter than a page", 3, 7, 0, 0, 18, ""},
        {"overlap", 0, -1, 25, 10, 18, "3-4"},
        {"ending on a boundary", 0, -1, 20, 10, 18, "3"},
        {"zero length", 0, -1, 30, 0, 18, "4"},
        {"no duration", 0, -1, 29.9, -1, 18, "3"},
        {"starting before the recording", 0, -1, -5, 15, 18, "1"},
        {"after the last whole page", 0, -1, 185, 0, 18, ""},
    };
    for (const auto &c : aCase) {
        std::vector<ADDRANGE> aPages;
        if (c.dTo >= 0) {
            aPages = PageSelectSeconds(c.dFrom, c.dTo, 10, c.nPages);
        } else {
            std::vector<EDFANNOTATION> aAnn = {{c.dOnset, c.dDuration, "x"}, {0.0, 200.0, "other"}};
            aPages = PageSelectAnnotation(aAnn, "x", 10, c.nPages);
        }
        EXPECT_EQ(c.pszExpected, PageSelectText(aPages)) << c.pszWhat;
    }
}

TEST(ComparePages, CsvCellsAreQuotedWhenTheyMustBe)
{
    static const struct {
        const char *pszCell, *pszExpected;
    } aCase[] = {
        {"eyes open", "eyes open"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"開眼", "開眼"},
    };
    for (const auto &c : aCase)
        EXPECT_EQ(c.pszExpected, CmpCsvCell(c.pszCell)) << c.pszCell;
}

// One annotation list: onset (with "\x15" and the duration when given),
// then the texts.
static std::string Tal(const char *pszTime, std::initializer_list<const char *> apszText)
{
    std::string str = std::string(pszTime) + "\x14";
    for (const char *psz : apszText)
        str += std::string(psz) + "\x14";
    return str + '\0';
}

// An EDF+ file of nSeconds one-second records, one flat channel at 128 Hz
// and an annotation signal of 64 bytes a record, each record's list
// holding its time stamp (from dFirstOnset on) and the TALs given for it.
static std::string AnnotatedEdf(int nSeconds, double dFirstOnset, const std::vector<std::pair<int, std::string>> &aTal)
{
    TESTSIGNAL eeg = {"EEG O1", -100, 100, -2048, 2047, 128, std::vector<int>((size_t)nSeconds * 128, 0), {}};
    TESTSIGNAL ann = {"EDF Annotations", -1, 1, -32768, 32767, 32, {}, {}};
    for (int r = 0; r < nSeconds; r++)
        ann.adOnset.push_back(dFirstOnset + r);
    std::string str = EdfBytes(false, "EDF+C", 1.0, {eeg, ann});
    const size_t cbHeader = 3 * 256, cbRecord = 128 * 2 + 64;
    for (const auto &tal : aTal) {
        size_t nAt = cbHeader + (size_t)tal.first * cbRecord + 128 * 2;
        nAt = str.find('\0', nAt) + 1;   // after the time stamp's list
        str.replace(nAt, tal.second.size(), tal.second);
    }
    return str;
}

TEST(CompareAnnotations, ReadFromTheFileRelativeToItsStart)
{
    TempFolder tmp;
    std::string strPath = tmp.Path("ann.edf");
    WriteWhole(strPath, AnnotatedEdf(6, 0.5, {{1, Tal("+2.0\x15" "3", {"eyes closed"})},
                                              {4, Tal("+4.5", {"blink", "eyes open"})}}));
    std::vector<EDFANNOTATION> aAnn;
    char szError[512] = "";
    ASSERT_TRUE(AnnRead(strPath.c_str(), &aAnn, szError, sizeof(szError))) << szError;
    ASSERT_EQ(3u, aAnn.size());
    EXPECT_EQ("eyes closed", aAnn[0].strText);
    EXPECT_DOUBLE_EQ(1.5, aAnn[0].dOnset);   // the first record starts at 0.5 s
    EXPECT_DOUBLE_EQ(3.0, aAnn[0].dDuration);
    EXPECT_EQ("blink", aAnn[1].strText);
    EXPECT_EQ("eyes open", aAnn[2].strText);
    EXPECT_DOUBLE_EQ(4.0, aAnn[2].dOnset);
    EXPECT_DOUBLE_EQ(-1.0, aAnn[2].dDuration);
}

TEST(CompareAnnotations, DamagedListsAndPlainEdfAreRefused)
{
    TempFolder tmp;
    // A list that runs to the record's end without its closing bytes.
    std::string strDamaged = AnnotatedEdf(4, 0.0, {{2, "+1.0\x15" + std::string(50, '7')}});
    std::string strPlain = AnnotatedEdf(4, 0.0, {});
    strPlain.replace(192, 5, "     ");   // no longer EDF+
    static const struct {
        const char *pszName;
        const std::string *pstrBytes;
        const char *pszReason;
    } aCase[] = {
        {"damaged.edf", &strDamaged, "data record 3 is damaged"},
        {"plain.edf", &strPlain, "only EDF+ and BDF+"},
    };
    for (const auto &c : aCase) {
        WriteWhole(tmp.Path(c.pszName), *c.pstrBytes);
        std::vector<EDFANNOTATION> aAnn;
        char szError[512] = "";
        EXPECT_FALSE(AnnRead(tmp.Path(c.pszName).c_str(), &aAnn, szError, sizeof(szError))) << c.pszName;
        EXPECT_NE(nullptr, strstr(szError, c.pszReason)) << szError;
    }
}

// The cells of a CSV line without quotes.
static std::vector<std::string> Cells(const std::string &strLine)
{
    std::vector<std::string> aCells;
    std::stringstream in(strLine);
    std::string strCell;
    while (std::getline(in, strCell, ','))
        aCells.push_back(strCell);
    return aCells;
}

TEST(CompareCli, AlphaRisesInTheBuiltInRecordingsSecondHalf)
{
    TempFolder tmp;
    RUNOUTPUT out = RunHost("compare --a-seconds 0-90 --b 10-18 --channels Fp1,O1 --labels 'open,<closed>' --settings "
                            + tmp.Path("settings") + " --out " + tmp.Path("out") + " --pictures " + tmp.Path("pics")
                            + " --html " + tmp.Path("cmp.html") + " --quiet");
    ASSERT_EQ(0, out.nExit) << out.strErr;
    EXPECT_NE(std::string::npos, out.strOut.find("A  open: pages 1-9, 9 sections averaged")) << out.strOut;
    std::string strCsv = ReadWhole(tmp.Path("out/compare.csv"));
    ASSERT_EQ(0u, strCsv.find("channel,band,from (Hz),to (Hz),power open (uV^2),power <closed> (uV^2),"
                              "ratio <closed> / open,log10 ratio <closed> / open,peak open (Hz),peak <closed> (Hz)\r\n"));
    size_t nAt = strCsv.find("\r\nCH2(O1),alpha,");
    ASSERT_NE(std::string::npos, nAt) << strCsv;
    std::vector<std::string> aCells = Cells(strCsv.substr(nAt + 2, strCsv.find("\r\n", nAt + 2) - nAt - 2));
    ASSERT_EQ(10u, aCells.size());
    bool bOk = false;
    double dRatio = ReportParseNumber(aCells[6].c_str(), &bOk);
    // The rhythm's amplitude rises by DEMO_ALPHA_RISE; the background in
    // the band and the envelope's phase move the power ratio a little.
    EXPECT_NEAR(DEMO_ALPHA_RISE * DEMO_ALPHA_RISE, dRatio, 0.03 * DEMO_ALPHA_RISE * DEMO_ALPHA_RISE);
    EXPECT_NEAR(log10(dRatio), ReportParseNumber(aCells[7].c_str(), &bOk), 1e-5);
    EXPECT_NEAR(10.0, ReportParseNumber(aCells[8].c_str(), &bOk), 0.3);   // the peak stays near 10 Hz
    EXPECT_TRUE(bOk) << aCells[8];
    // Each channel's picture holds both spectra in their colours.
    for (const char *pszName : {"compare-CH1.png", "compare-CH2.png"}) {
        cairo_surface_t *pPng = cairo_image_surface_create_from_png(tmp.Path(std::string("pics/") + pszName).c_str());
        ASSERT_EQ(CAIRO_STATUS_SUCCESS, cairo_surface_status(pPng)) << pszName;
        EXPECT_EQ(CMPPLOT_WIDTH, cairo_image_surface_get_width(pPng));
        int anCount[2] = {0, 0};
        unsigned char *pb = cairo_image_surface_get_data(pPng);
        for (int y = 0; y < cairo_image_surface_get_height(pPng); y++) {
            const uint32_t *pRow = (const uint32_t *)(pb + y * cairo_image_surface_get_stride(pPng));
            for (int x = 0; x < CMPPLOT_WIDTH; x++) {
                anCount[0] += (pRow[x] & 0xffffff) == CMPPLOT_COLOUR_A;
                anCount[1] += (pRow[x] & 0xffffff) == CMPPLOT_COLOUR_B;
            }
        }
        cairo_surface_destroy(pPng);
        EXPECT_GT(anCount[0], 200) << pszName;   // more than the legend's line
        EXPECT_GT(anCount[1], 200) << pszName;
    }
    // The HTML report embeds both pictures and escapes the labels.
    std::string strHtml = ReadWhole(tmp.Path("cmp.html"));
    size_t nPictures = 0;
    for (size_t n = strHtml.find("data:image/png;base64,"); n != std::string::npos; n = strHtml.find("data:image/png;base64,", n + 1))
        nPictures++;
    EXPECT_EQ(2u, nPictures);
    EXPECT_NE(std::string::npos, strHtml.find("&lt;closed&gt;"));
    EXPECT_EQ(std::string::npos, strHtml.find("<closed>"));
}

TEST(CompareCli, BadSetsExitTwoWithAReason)
{
    TempFolder tmp;
    std::string strEdf = tmp.Path("ann.edf");
    WriteWhole(strEdf, AnnotatedEdf(60, 0.0, {{3, Tal("+3\x15" "20", {"rest"})}}));
    static const struct {
        const char *pszArguments;
        bool bFile;
        const char *pszReason;
    } aCase[] = {
        {"--a-seconds 3-7 --b 1", false, "--a-seconds 3-7: no page of 10 s lies wholly inside"},
        {"--a 1 --b 2,19-30", false, "--b: page 30 does not exist; the recording has 18 pages"},
        {"--a 1 --b-annotation rest", false, "the built-in recording holds no annotations"},
        {"--a 1 --b-annotation eyes", true, "--b-annotation: no annotation 'eyes' in"},
        {"--a 1 --add 2 --b 3", false, "not --add"},
        {"--a 1", false, "compare needs the set B"},
        {"--a 1 --a-seconds 0-9 --b 2", false, "the set A is given twice"},
    };
    for (const auto &c : aCase) {
        RUNOUTPUT out = RunHost(std::string("compare ") + (c.bFile ? strEdf + " " : "") + c.pszArguments
                                + " --settings " + tmp.Path("settings") + " --out " + tmp.Path("out") + " --quiet");
        EXPECT_EQ(2, out.nExit) << c.pszArguments << ": " << out.strErr;
        EXPECT_NE(std::string::npos, out.strErr.find(c.pszReason)) << c.pszArguments << ": " << out.strErr;
    }
}
