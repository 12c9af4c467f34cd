// How a file's channel description becomes a host channel.
#include <gtest/gtest.h>

#include "chaninfo.h"

TEST(ChannelLabel, DropsTypeWordAndPadding)
{
    static const struct {
        const char *pszFile, *pszExpected;
    } aCase[] = {
        {"EEG Fp1", "Fp1"},   {"Fc5.", "Fc5"},     {"Iz..", "Iz"},       {"ECG ECG", "ECG"},
        {"ECG", "ECG"},       {" EEG  O1 ", "O1"}, {"EEG A2-A1", "A2-A1"}, {"EOG-L", "EOG-L"},
        {"Resp chest", "chest"}, {"", ""},         {"...", ""},          {"EEG", "EEG"},
    };
    for (const auto &c : aCase) {
        char szLabel[64];
        ChCleanLabel(c.pszFile, szLabel, sizeof(szLabel));
        EXPECT_STREQ(c.pszExpected, szLabel) << "file label '" << c.pszFile << "'";
    }
}

TEST(ChannelLabel, IsCutToTheBuffer)
{
    char szLabel[4];
    ChCleanLabel("EEG Fp1-Cz", szLabel, sizeof(szLabel));
    EXPECT_STREQ("Fp1", szLabel);
}

TEST(ChannelSignalType, FromTypeWordElectrodeNameOrUnit)
{
    static const struct {
        const char *pszLabel, *pszUnit;
        WORD wExpected;
    } aCase[] = {
        {"EEG Fp1", "uV", 4},  {"Fc5.", "uV", 4},   {"T10.", "uV", 4},   {"Cz", "", 4},
        {"A2-A1", "uV", 4},    {"Fp1-F3", "", 4},   {"ECG ECG", "mV", 2}, {"EKG", "mV", 2},
        {"EOG-L", "uV", 3},    {"VEOG", "uV", 3},   {"EMG chin", "uV", 5}, {"Resp", "", 6},
        {"X1", "uV", 4},       {"Status", "", 20},  {"Pleth", "%", 20},   {"Fp1-Status", "", 20},
        {"F0", "", 20},       {"Oz9x", "", 20},
    };
    for (const auto &c : aCase)
        EXPECT_EQ(c.wExpected, ChSignalType(c.pszLabel, c.pszUnit)) << "'" << c.pszLabel << "' in '" << c.pszUnit << "'";
}

TEST(ChannelCalibration, PairKeepsFiveDigitsWithinLimits)
{
    static const struct {
        double dUvPerStep;
        DWORD nValue, nHeight;
    } aCase[] = {
        {0.1, 10000, 100000},       {1.0, 10000, 10000},     {0.00205821, 20582, 10000000},
        {100.0, 100000, 1000},      {31.25, 31250, 1000},    {1e-7, 1, 10000000},
        {0.0151703, 15170, 1000000}, {4000000.0, 4000000000u, 1000},
    };
    for (const auto &c : aCase) {
        DWORD nValue = 0, nHeight = 0;
        ASSERT_TRUE(ChCalPair(c.dUvPerStep, &nValue, &nHeight)) << c.dUvPerStep;
        EXPECT_EQ(c.nValue, nValue) << c.dUvPerStep;
        EXPECT_EQ(c.nHeight, nHeight) << c.dUvPerStep;
    }
}

TEST(ChannelCalibration, RefusesStepsNoPairCanHold)
{
    for (double d : {0.0, -0.5, 1e-9, 5e6}) {
        DWORD nValue = 7, nHeight = 7;
        EXPECT_FALSE(ChCalPair(d, &nValue, &nHeight)) << d;
        EXPECT_EQ(7u, nValue);
    }
}

TEST(ChannelSteps, DigitalRangesBecomeSixteenBits)
{
    static const struct {
        double dMin, dMax, dValue;
        int nShift;
        short nStep;
    } aCase[] = {
        {-32768, 32767, -32768, 0, -32768},     {-32768, 32767, 1234, 0, 1234},
        {-8092, 8092, -8092, 0, -8092},         {-8388608, 8388607, 8388607, 8, 32767},
        {-8388608, 8388607, -8388608, 8, -32768}, {-8388608, 8388607, 384, 8, 2},
        {-8388608, 8388607, -384, 8, -1},       {0, 65535, 0, 0, -32768},
        {0, 65535, 65535, 0, 32767},            {0, 4095, 2048, 0, 0},
        {-32768, 32767, 40000, 0, 32767},
    };
    for (const auto &c : aCase) {
        double dCentre = 0.0;
        int nShift = ChStepShift(c.dMin, c.dMax, &dCentre);
        EXPECT_EQ(c.nShift, nShift) << c.dMin << ".." << c.dMax;
        EXPECT_EQ(c.nStep, ChToStep(c.dValue, dCentre, nShift)) << c.dValue << " in " << c.dMin << ".." << c.dMax;
    }
    double dCentre = 0.0;
    EXPECT_EQ(-1, ChStepShift(5, 5, &dCentre));
}

TEST(ChannelUnits, VoltagesInMicrovolts)
{
    EXPECT_EQ(1.0, ChMicrovoltsPerUnit("uV"));
    EXPECT_EQ(1000.0, ChMicrovoltsPerUnit("mV"));
    EXPECT_EQ(1e6, ChMicrovoltsPerUnit("V"));
    EXPECT_EQ(0.001, ChMicrovoltsPerUnit("nV"));
    EXPECT_EQ(1.0, ChMicrovoltsPerUnit("degC"));
}
