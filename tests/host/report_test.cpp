// Reading back the plug-in's CSV report and summarising it.
#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "report.h"

// Two channels in use, bands theta and alpha, three spectrum rows; the
// heading of section 3 lists a third channel that is not in use.
static const char s_szReport[] =
    "FileName,REC0001\r\nName1,ID-0001\r\nName2,TEST\r\nDate, 2024/03/07, 14:05:09\r\n\r\n"
    "Average Count,2\r\nCount No.,Start Time,Stop Time\r\n"
    "1, 00:00:10.000, 00:00:20.500\r\n2, 00:01:00.000, 00:01:10.000\r\n\r\n"
    "Band Power(uV^2)\r\nBand Name,Min Freq(Hz),Max Freq(Hz),CH1(C3),CH2(C4)\r\n"
    "theta,4.00,8.00,   12.50,    3.25\r\nalpha,8.00,13.00,   20.00,  150.20\r\n\r\n\r\n"
    "Contain Band Power(%)\r\nBand Name,Min Freq(Hz),Max Freq(Hz),CH1(C3),CH2(C4)\r\n"
    "theta,4.00,8.00,12.50,ERR\r\nalpha,8.00,13.00,60.25,30.00\r\n\r\n\r\n"
    "Average Power Spectrum(^2)\r\nFrequency(Hz),CH1(C3),CH2(C4),CH3(O1)\r\n"
    "0.00,   10.00,    0.00,\r\n1.00,   10.00,    1.00,\r\n2.00,    0.00,       ,\r\n\r\n\r\n";

TEST(Report, ReadsCountBandSharesAndSpectra)
{
    REPORT report;
    char szError[256] = "";
    ASSERT_TRUE(ReportParse(s_szReport, &report, szError, sizeof(szError))) << szError;
    EXPECT_EQ(2, report.nAddCount);
    EXPECT_EQ((std::vector<std::string>{"theta", "alpha"}), report.aBands);
    ASSERT_EQ(2u, report.aChannels.size());
    EXPECT_EQ("CH2(C4)", report.aChannels[1].strTitle);
    EXPECT_DOUBLE_EQ(60.25, report.aChannels[0].adPercent[1]);
    EXPECT_TRUE(isnan(report.aChannels[1].adPercent[0]));   // ERR
    ASSERT_EQ(3u, report.adFreq.size());
    EXPECT_TRUE(isnan(report.aChannels[1].adSpectrum[2]));  // blank above its range
}

TEST(Report, MeanAndEdgeFrequencyOfTheSpectrum)
{
    REPORT report;
    char szError[256];
    ASSERT_TRUE(ReportParse(s_szReport, &report, szError, sizeof(szError)));
    FREQRANGES ranges = {0.0, 30.0, 0.0, 30.0, 50.0, 0.0, 30.0};
    ReportComputeFrequencies(&report, &ranges);
    EXPECT_DOUBLE_EQ(0.5, report.aChannels[0].dMeanFreq);   // power 10 at 0 Hz and at 1 Hz
    EXPECT_DOUBLE_EQ(0.0, report.aChannels[0].dEdgeFreq);   // half the power by 0 Hz
    EXPECT_DOUBLE_EQ(1.0, report.aChannels[1].dMeanFreq);
    EXPECT_DOUBLE_EQ(1.0, report.aChannels[1].dEdgeFreq);
    FREQRANGES above = {1.5, 30.0, 1.5, 30.0, 80.0, 0.0, 30.0};
    ReportComputeFrequencies(&report, &above);
    EXPECT_TRUE(isnan(report.aChannels[0].dMeanFreq));      // no power in range
}

// The band table holds the last spectrum's shares (99 and 1 here); the
// summary takes them from the averaged spectrum, over the display range.
TEST(Report, BandSharesOfTheAveragedSpectrum)
{
    static const char s_szShares[] =
        "Average Count,3\r\nContain Band Power(%)\r\nBand Name,Min Freq(Hz),Max Freq(Hz),CH1(C3)\r\n"
        "low,0.50,1.50,99.00\r\nhigh,1.50,2.00,1.00\r\n\r\n"
        "Average Power Spectrum(^2)\r\nFrequency(Hz),CH1(C3)\r\n0.00,5.00,\r\n0.50,10.00,\r\n1.00,20.00,\r\n"
        "1.50,30.00,\r\n2.00,40.00,\r\n2.50,0.00,\r\n3.00,100.00,\r\n\r\n";
    REPORT report;
    char szError[256];
    ASSERT_TRUE(ReportParse(s_szShares, &report, szError, sizeof(szError))) << szError;
    FREQRANGES ranges = {0.0, 30.0, 0.0, 30.0, 50.0, 0.0, 2.5};
    ReportComputeFrequencies(&report, &ranges);
    ASSERT_EQ(2u, report.aChannels[0].adAvgPercent.size());
    EXPECT_NEAR(60.0 * 100.0 / 105.0, report.aChannels[0].adAvgPercent[0], 1e-9);   // lines 1..3 of 0..5
    EXPECT_NEAR(70.0 * 100.0 / 105.0, report.aChannels[0].adAvgPercent[1], 1e-9);   // lines 3..4
    char szOut[1024] = "";
    FILE *pOut = fmemopen(szOut, sizeof(szOut) - 1, "w");
    ReportPrintSummary(&report, pOut);
    fclose(pOut);
    EXPECT_NE(nullptr, strstr(szOut, "of the averaged spectrum:\nchannel")) << szOut;
    EXPECT_NE(nullptr, strstr(szOut, "57.14%")) << szOut;
}

TEST(Report, RefusesWhatIsNoReport)
{
    static const char *const apszBad[] = {
        "",
        "Average Count,x\r\n",
        "Average Count,1\r\n",
        "Average Count,1\r\nContain Band Power(%)\r\nBand Name,Min Freq(Hz),Max Freq(Hz),CH1(C3)\r\nalpha,8.00\r\n",
    };
    for (const char *psz : apszBad) {
        REPORT report;
        char szError[256] = "";
        EXPECT_FALSE(ReportParse(psz, &report, szError, sizeof(szError))) << psz;
        EXPECT_NE('\0', szError[0]);
    }
}

TEST(Report, NumbersWithoutTheLocale)
{
    static const struct {
        const char *psz;
        double d;
        bool bOk;
    } aCase[] = {
        {"  12.50", 12.5, true}, {"-0.25", -0.25, true}, {"7", 7.0, true}, {"ERR", 0, false},
        {" ", 0, false}, {"1.2.3", 0, false}, {"1,5", 0, false},
    };
    for (const auto &c : aCase) {
        bool bOk = !c.bOk;
        double d = ReportParseNumber(c.psz, &bOk);
        EXPECT_EQ(c.bOk, bOk) << "'" << c.psz << "'";
        if (c.bOk) {
            EXPECT_DOUBLE_EQ(c.d, d) << "'" << c.psz << "'";
        }
    }
}
