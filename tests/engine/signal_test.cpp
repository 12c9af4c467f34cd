// End to end: known signals and a real recording pushed through the host
// messages, analysed, added and saved; the report's numbers against the
// analytic values and the physiology.
#include "analysis.h"

#include "libs/refdata.h"

#include <math.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>

typedef AnalysisTest Signals;

// The report as rows of cells.
static std::vector<std::vector<std::string>> ReadCsv(const std::string &sText)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(sText);
    std::string sLine;
    while (std::getline(in, sLine)) {
        if (!sLine.empty() && sLine.back() == '\r')
            sLine.pop_back();
        std::vector<std::string> cells;
        std::istringstream line(sLine);
        std::string sCell;
        while (std::getline(line, sCell, ','))
            cells.push_back(sCell);
        rows.push_back(cells);
    }
    return rows;
}

// The row after the one whose first cell is sTitle, then the rows up to
// the next empty one.
static std::vector<std::vector<std::string>> Table(const std::vector<std::vector<std::string>> &rows,
                                                   const std::string &sTitle)
{
    std::vector<std::vector<std::string>> table;
    size_t i = 0;
    while (i < rows.size() && (rows[i].empty() || rows[i][0] != sTitle))
        i++;
    for (i += 2; i < rows.size() && !rows[i].empty(); i++)
        table.push_back(rows[i]);
    return table;
}

TEST_F(Signals, CalibratedBandPowersMatchTheSines)
{
    // Amplitudes in counts; calibration 50 / 100 halves them, so the band
    // power in calibrated units is A^2 / 2 / 4. Noise of 20 counts adds
    // 400 x (band width / 250 Hz) counts^2 to each band.
    WriteSettings({{4, "C3"}}, {{"FFTCalMode", "1"}, {"FFTFreqStdSw", "0"}});
    Start(Channels(500, {"C3"}));
    const double dA5 = 600, dA10 = 1200, dA20 = 800, dNoise = 20;
    SendPage(0, Sines(500, 5000, {{dA5, 5.0}, {dA10, 10.0}, {dA20, 20.0}}, dNoise, 41));
    SetArea(0);
    Command(1021);
    std::string sPath = FileIn("signals.csv");
    DriveOnNextFileDialog(sPath.c_str());
    Command(1024);
    auto rows = ReadCsv(ReadFile(sPath));

    auto power = Table(rows, "Band Power(uV^2)");
    ASSERT_EQ(power.size(), 4u);
    const double adExpected[4] = {
        0.25 * (0 + dNoise * dNoise * 3.5 / 250),
        0.25 * (dA5 * dA5 / 2 + dNoise * dNoise * 4.0 / 250),
        0.25 * (dA10 * dA10 / 2 + dNoise * dNoise * 5.0 / 250),
        0.25 * (dA20 * dA20 / 2 + dNoise * dNoise * 17.0 / 250),
    };
    for (int b = 1; b < 4; b++) {
        SCOPED_TRACE(power[(size_t)b][0]);
        ASSERT_EQ(power[(size_t)b].size(), 4u);
        EXPECT_NEAR(atof(power[(size_t)b][3].c_str()), adExpected[b], adExpected[b] * 0.01);
    }
    // Percentages of the 0-30 Hz total.
    auto percent = Table(rows, "Contain Band Power(%)");
    double dTotal = dA5 * dA5 + dA10 * dA10 + dA20 * dA20;
    EXPECT_NEAR(atof(percent[2][3].c_str()), 100 * dA10 * dA10 / dTotal, 1.0);

    // Mean frequency: the power-weighted mean of the sines; edge frequency:
    // 80 % of the power is reached inside the 20 Hz peak (the two lower
    // sines hold 74 %), at the line of 20 Hz within one line of 0.49 Hz.
    auto sections = Table(rows, "Select Area Power(^2)");
    ASSERT_GE(sections.size(), 2u);
    double dMean = (5 * dA5 * dA5 + 10 * dA10 * dA10 + 20 * dA20 * dA20) / dTotal;
    EXPECT_NEAR(atof(sections[1][3].c_str()), dMean, 0.1);
    EXPECT_NEAR(atof(sections[1][4].c_str()), 20.0, 0.5);
}

// Band percentages and the averaged spectrum of O1 and O2 from a page of
// eyes-closed rest.
TEST_F(Signals, RestingRecordingShowsOccipitalAlpha)
{
    std::string sEdf = std::string(QF_SHARED_DIR) + "/data/eeg/Subject05_1.edf";
    if (!std::filesystem::exists(sEdf))
        GTEST_SKIP() << sEdf << " is not available";
    std::vector<short> o1, o2;
    ASSERT_TRUE(ReadEdfSamples(sEdf, "EEG O1", 30 * 500, 10 * 500, &o1));
    ASSERT_TRUE(ReadEdfSamples(sEdf, "EEG O2", 30 * 500, 10 * 500, &o2));
    WriteSettings({{4, "EEG O1"}, {4, "EEG O2"}}, {{"LowCutSw", "1"}, {"LowCutFreq", "50"}});
    Start(Channels(500, {"EEG O1", "EEG O2"}));
    SendPage(0, o1);
    SendPage(1, o2);
    SetArea(30 * 500);
    auto pData = Record();
    for (int j = 0; j < 2; j++) {
        SCOPED_TRACE(j);
        int iLargest = 0;
        for (int b = 1; b < 4; b++) {
            if (pData->aBand[b].afBandPercent[j] > pData->aBand[iLargest].afBandPercent[j])
                iLargest = b;
        }
        EXPECT_STREQ(pData->aBand[iLargest].szLabel, "alpha");
        std::vector<LONG> lines = GraphData(j);
        ASSERT_EQ(lines.size(), 512u);
        size_t iPeak = 1;
        for (size_t i = 1; i < lines.size(); i++)
            iPeak = lines[i] > lines[iPeak] ? i : iPeak;
        double dPeakHz = iPeak * 500.0 / 1024;
        EXPECT_GE(dPeakHz, 9.0);
        EXPECT_LE(dPeakHz, 12.0);
    }
}
