// The run's numbers as JSON, and --version, end to end.
#include <gtest/gtest.h>

#include <math.h>

#include "hosttest.h"
#include "jsonout.h"

TEST(Json, TextsEscapedAndUnknownNumbersNull)
{
    EXPECT_EQ("\"a\\\"b\\\\c\\u000a\\u0001\xce\xb1\"", JsonQuote("a\"b\\c\n\x01\xce\xb1"));
    EXPECT_EQ("null", JsonNumber(NAN));
    EXPECT_EQ("null", JsonNumber(INFINITY));
    EXPECT_EQ("-0.25", JsonNumber(-0.25));
    EXPECT_EQ("0.1", JsonNumber(0.1));
}

TEST(Json, TextsAreValidUtf8)
{
    REPORT report;
    char szError[256];
    // Band "α波" in code page 932 (83 bf 94 67), one channel, three lines.
    ASSERT_TRUE(ReportParse("Average Count,1\r\n\r\nContain Band Power(%)\r\n"
                            "Band Name,Min Freq(Hz),Max Freq(Hz),CH1(O1)\r\n\x83\xbf\x94g,1.00,2.00,50.00\r\n\r\n"
                            "Average Power Spectrum(^2)\r\nFrequency(Hz),CH1(O1)\r\n"
                            "0.00,   1.00,\r\n1.00,   4.00,\r\n2.00,   2.00,\r\n\r\n",
                            &report, szError, sizeof(szError)))
        << szError;
    RUNSETTINGS settings = {};
    settings.ranges = {0.0, 2.0, 0.0, 2.0, 50.0, 0.0, 2.0};
    settings.dPeakMinHz = 0.0;
    settings.dPeakMaxHz = 2.0;
    RUNSUMMARY summary;
    SummaryCollect(&report, &settings, NULL, 10, &summary);
    RECORDING rec = RECORDING();
    RecCopyText(rec.szName, sizeof(rec.szName), "a\xff\xce\xb1.edf");   // a file name of any bytes
    std::string strJson = JsonSummary(&summary, &rec);
    EXPECT_NE(std::string::npos, strJson.find("\"file\": \"a?\xce\xb1.edf\"")) << strJson;
    EXPECT_NE(std::string::npos, strJson.find("\"label\": \"\xce\xb1\xe6\xb3\xa2\"")) << strJson;
    // No recording: no step, so no power in uV^2; the share is known.
    EXPECT_NE(std::string::npos, strJson.find("\"band_power_uv2\": [null]")) << strJson;
    EXPECT_NE(std::string::npos, strJson.find("\"band_share_percent\": [85.71428571428571]")) << strJson;
}

// The number after "KEY": at or after nFrom.
static double NumberAfter(const std::string &str, const std::string &strKey, size_t nFrom)
{
    size_t n = str.find("\"" + strKey + "\": ", nFrom);
    return n == std::string::npos ? NAN : atof(str.c_str() + n + strKey.size() + 4);
}

TEST(Json, DemoRunGivesAlphaPowerAndPeakOfTheOccipitalChannel)
{
    TempFolder tmp;
    RUNOUTPUT out = RunHost("demo --quiet --settings " + tmp.Path("set") + " --out " + tmp.Path("out")
                            + " --channels F3,O1 --json " + tmp.Path("run.json"));
    ASSERT_EQ(0, out.nExit) << out.strErr;
    EXPECT_NE(std::string::npos, out.strOut.find("peak Hz"));
    std::string strJson = ReadWhole(tmp.Path("run.json"));
    size_t nO1 = strJson.find("\"CH2(O1)\"");
    ASSERT_NE(std::string::npos, nO1) << strJson;
    // O1 carries a 10 Hz alpha of 30 uV x (0.65 + 0.35 sin): a mean square
    // of 900 x (0.65^2 + 0.35^2 / 2) / 2 = 217.7 uV^2, the third band.
    size_t nPower = strJson.find("\"band_power_uv2\": [", nO1);
    ASSERT_NE(std::string::npos, nPower);
    double adPower[4] = {};
    ASSERT_EQ(4, sscanf(strJson.c_str() + nPower, "\"band_power_uv2\": [%lf, %lf, %lf, %lf]", &adPower[0],
                        &adPower[1], &adPower[2], &adPower[3]));
    EXPECT_NEAR(217.7, adPower[2], 10.0);
    EXPECT_NEAR(10.0, NumberAfter(strJson, "peak_hz", nO1), 0.1);
    EXPECT_NE(std::string::npos, strJson.find("\"fft_points\": 1024"));
}

TEST(Version, OneLineWithTheProjectsVersion)
{
    RUNOUTPUT out = RunHost("--version");
    EXPECT_EQ(0, out.nExit);
    EXPECT_EQ(std::string("qfftana ") + QFFTANA_VERSION + "\n", out.strOut);
    EXPECT_NE("unknown", std::string(QFFTANA_VERSION));
}
