// The HTML report: its pieces, a demo run's file, and the file as a
// browser shows it.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

#include <cairo.h>

#include "cohread.h"
#include "hosttest.h"
#include "htmlwrite.h"

TEST(Html, EscapesTextsAndEncodesBase64)
{
    EXPECT_EQ("a&amp;b&lt;i&gt;&quot;c&#39; \xce\xbc", HtmlEscape("a&b<i>\"c' \xce\xbc"));
    static const char *const aapsz[][2] = {{"", ""}, {"M", "TQ=="}, {"Ma", "TWE="}, {"Man", "TWFu"},
                                           {"\xff\xfe\x00\x01", "//4AAQ=="}};
    for (const auto &apsz : aapsz)
        EXPECT_EQ(apsz[1], HtmlBase64(std::string(apsz[0], apsz[0][0] == '\xff' ? 4 : strlen(apsz[0]))));
}

TEST(Html, CoherenceHistogramTextReadBack)
{
    std::vector<std::string> aBands;
    std::vector<double> adValue;
    // A code page 932 label ("α波"), the plug-in's range text, four decimals.
    ASSERT_TRUE(CohParseHistogramText("Coherence Band Histogram (C3-C4)\r\nBand Name\tFrequency\tCoherence\r\n"
                                      "\x83\xbf\x94g\t8.00\x81\x60" "13.00\t0.8125\r\ntheta\t4.00\x81\x60" "8.00\t0.0000\r\n",
                                      &aBands, &adValue));
    EXPECT_EQ((std::vector<std::string>{"\xce\xb1\xe6\xb3\xa2", "theta"}), aBands);
    EXPECT_EQ((std::vector<double>{0.8125, 0.0}), adValue);
    EXPECT_FALSE(CohParseHistogramText("Coherence Band Histogram (C3-C4)\r\n", &aBands, &adValue));
    EXPECT_FALSE(CohParseHistogramText("x\r\nBand Name\tFrequency\tCoherence\r\nalpha\t8-13\tn/a\r\n", &aBands, &adValue));
}

static int CountEntries(const std::string &strFolder)
{
    DIR *pDir = opendir(strFolder.c_str());
    int n = 0;
    for (struct dirent *p = pDir ? readdir(pDir) : NULL; p != NULL; p = readdir(pDir))
        n += p->d_name[0] != '.';
    if (pDir)
        closedir(pDir);
    return n;
}

static size_t CountOf(const std::string &str, const std::string &strPart)
{
    size_t n = 0;
    for (size_t i = str.find(strPart); i != std::string::npos; i = str.find(strPart, i + 1))
        n++;
    return n;
}

// The demo's report, with the run's temporary pictures in a folder of the test.
static std::string DemoReport(const TempFolder &tmp)
{
    const char *pszOld = getenv("TMPDIR");
    std::string strOld = pszOld ? pszOld : "";
    mkdir(tmp.Path("tmp").c_str(), 0755);
    setenv("TMPDIR", tmp.Path("tmp").c_str(), 1);
    RUNOUTPUT out = RunHost("demo --quiet --settings " + tmp.Path("set") + " --out " + tmp.Path("out") + " --html "
                            + tmp.Path("report.html"));
    pszOld ? setenv("TMPDIR", strOld.c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_EQ(0, out.nExit) << out.strErr;
    EXPECT_EQ(0, CountEntries(tmp.Path("tmp"))) << "the temporary pictures are left behind";
    return ReadWhole(tmp.Path("report.html"));
}

TEST(Html, DemoReportIsOneFileWithItsPicturesNumbersAndLog)
{
    TempFolder tmp;
    std::string strHtml = DemoReport(tmp);
    ASSERT_EQ(0u, strHtml.find("<!DOCTYPE html>"));
    EXPECT_EQ(3u, CountOf(strHtml, "src=\"data:image/png;base64,"));   // spectra, histogram, coherence
    EXPECT_EQ(0u, CountOf(strHtml, "<script"));
    EXPECT_EQ(0u, CountOf(strHtml, "http"));                            // nothing fetched
    EXPECT_EQ(8u * 4u, CountOf(strHtml, " \xc2\xb5V\xc2\xb2</td>"));   // 8 channels x 4 band powers
    EXPECT_EQ(18u, CountOf(strHtml, "<tr><th class=\"num\">"));    // the ADD log's 18 sections
    EXPECT_NE(std::string::npos, strHtml.find("<caption>alpha (8.00 to 13.00 Hz)</caption>"));
    EXPECT_NE(std::string::npos, strHtml.find("<td class=\"num\">09:30:10.000</td>"));
}

// Pixels of the ADD average's blue (the spectra) and the histograms' bars.
static int CountBluePixels(const std::string &strPng)
{
    cairo_surface_t *pSurface = cairo_image_surface_create_from_png(strPng.c_str());
    if (cairo_surface_status(pSurface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(pSurface);
        return -1;
    }
    cairo_surface_flush(pSurface);
    int cx = cairo_image_surface_get_width(pSurface), cy = cairo_image_surface_get_height(pSurface);
    int nStride = cairo_image_surface_get_stride(pSurface);
    const unsigned char *pBits = cairo_image_surface_get_data(pSurface);
    int n = 0;
    for (int y = 0; y < cy; y++) {
        for (int x = 0; x < cx; x++) {
            const unsigned char *p = pBits + y * nStride + x * 4;   // B, G, R, A
            n += p[0] >= 160 && p[1] <= 60 && p[2] <= 60;
        }
    }
    cairo_surface_destroy(pSurface);
    return n;
}

TEST(Html, BrowserShowsThePictures)
{
    if (system("command -v chromium >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/deps.sh linux installs it)";
    TempFolder tmp;
    std::string strHtml = DemoReport(tmp);
    ASSERT_FALSE(strHtml.empty());
    // The same page without its pictures: the colours counted are theirs.
    std::string strBare = strHtml;
    for (size_t i = strBare.find("<figure>"); i != std::string::npos; i = strBare.find("<figure>"))
        strBare.erase(i, strBare.find("</figure>", i) + 9 - i);
    WriteWhole(tmp.Path("bare.html"), strBare);
    int anBlue[2] = {};
    const char *const apszPage[2] = {"report", "bare"};
    for (int i = 0; i < 2; i++) {
        std::string strShot = tmp.Path(std::string(apszPage[i]) + ".png");
        std::string strCommand = "chromium --headless --no-sandbox --disable-gpu --user-data-dir=" + tmp.Path("profile")
                               + " --screenshot=" + strShot + " --window-size=1300,4000 file://"
                               + tmp.Path(std::string(apszPage[i]) + ".html") + " >/dev/null 2>&1";
        ASSERT_EQ(0, system(strCommand.c_str())) << strCommand;
        anBlue[i] = CountBluePixels(strShot);
    }
    EXPECT_GT(anBlue[0], 5000) << "the pictures' blue is missing from the screenshot";
    EXPECT_EQ(0, anBlue[1]) << "the page itself uses the pictures' blue";
}
