// ADD and CLEAR as the user gives them: sums and averages, the add log and
// its bound, the ADD/YET indicator, and CLEAR of every slot.
#include "analysis.h"

#include <string.h>

#include "custom/qcustom.h"
#include "frame/protocol.h"
#include "wintool/wintool.h"

typedef AnalysisTest Add;

// A section analysis of two channels with a page of sines and noise.
class AddSections : public AnalysisTest {
protected:
    void SetUp() override
    {
        AnalysisTest::SetUp();
        WriteSettings({{4, "C3"}, {4, "C4"}}, {{"FFTAreaSw", "1"}});
        Start(Channels(500, {"C3", "C4"}));
        SendPage(0, Sines(500, 5000, {{900, 10}, {300, 5}}, 30.0, 21));
        SendPage(1, Sines(500, 5000, {{600, 20}}, 30.0, 22));
    }
    COLORREF IndicatorColor() const
    {
        return (COLORREF)SendMessageA(Child(1010), CSM_GETTEXTCOLOR, 0, 0);
    }
};

TEST_F(AddSections, FirstAddShowsTheSpectrumAsAverageAndLogsTheSection)
{
    SetArea(5000);
    SetAreaOffset(500);
    std::vector<LONG> spectrum = GraphData(0);
    Command(1021);
    EXPECT_EQ(GraphAddData(0), spectrum);
    EXPECT_EQ(SendMessageA(Child(1050), FGM_GETADDMODE, 0, 0), 1);
    auto pData = Record();
    EXPECT_EQ(pData->nAddCount, 1u);
    EXPECT_EQ(pData->aAnalyCh[0].nChAddCount, 1u);
    EXPECT_EQ(pData->aAnalyCh[0].nAddLines, 512u);
    EXPECT_EQ(pData->aAddLog[0].nSectStart, 5500);
    EXPECT_EQ(pData->aAddLog[0].nSectEnd, 6524);
    const WORD awStart[4] = {0, 0, 11, 0}, awStop[4] = {0, 0, 13, 0};
    EXPECT_EQ(memcmp(pData->aAddLog[0].awStartTime, awStart, sizeof(awStart)), 0);
    EXPECT_EQ(memcmp(pData->aAddLog[0].awStopTime, awStop, sizeof(awStop)), 0);
    // The log's powers are scaled by 50 / 100; the bands sum the sums.
    const FFTADDENTRY &entry = pData->aAddLog[0];
    EXPECT_FLOAT_EQ(entry.afTotalPower[0], 0.5f * pData->aAnalyCh[0].fAddTotal);
    EXPECT_FLOAT_EQ(entry.aafBandPower[0][2], 0.5f * pData->aBand[2].afBandPower[0]);
    EXPECT_NEAR(pData->aBand[2].afBandPower[0], 405000.0f, 20000.0f);
    EXPECT_NEAR(entry.afMeanFreq[0], pData->aAnalyCh[0].fAddMeanFreq, 1e-6);
    EXPECT_GT(entry.afMeanFreq[0], 5.0f);
    EXPECT_LT(entry.afMeanFreq[0], 10.0f);
    EXPECT_GT(entry.afEdgeFreq[0], 9.0f);
    EXPECT_LT(entry.afEdgeFreq[0], 11.0f);
    EXPECT_GT(pData->aBand[2].afLastBandPower[0], 0.0f);
    float fMean = -1.0f;
    SendMessageA(Child(1050), FGM_GETVALUE, FG_VALUE_ADD | FG_VALUE_MEAN, (LPARAM)&fMean);
    EXPECT_EQ(fMean, pData->aAnalyCh[0].fAddMeanFreq);
    EXPECT_EQ(ChildText(1012), " 1");
}

TEST_F(AddSections, AverageOfTwoSpectraIsTheTruncatedMeanOfTheSums)
{
    SetAreaOffset(100);
    std::vector<LONG> first = GraphData(0);
    Command(1021);
    // Pages of another length rebuild the FFT set-up; the sums stay.
    std::vector<short> shortPage = Sines(250, 2500, {{900, 10}}, 30.0, 23);
    m_host->Send(QPM_SETCHDATA, MAKEWPARAM(0, 250), (LPARAM)shortPage.data());
    SendPage(0, Sines(500, 5000, {{900, 10}, {300, 5}}, 30.0, 21));
    SetAreaOffset(2500);
    std::vector<LONG> second = GraphData(0);
    Command(1021);
    std::vector<LONG> average = GraphAddData(0);
    ASSERT_EQ(average.size(), first.size());
    int nOdd = 0;
    for (size_t i = 0; i < average.size(); i++) {
        EXPECT_EQ(average[i], (first[i] + second[i]) / 2) << "line " << i;
        nOdd += (first[i] + second[i]) % 2 != 0;
    }
    EXPECT_GT(nOdd, 0) << "some line must truncate, as 7 + 8 gives 7";
    EXPECT_EQ(Record()->aAnalyCh[0].nChAddCount, 2u);
}

TEST_F(AddSections, IndicatorShowsAddedUntilTheSectionLeavesTheLog)
{
    SetAreaOffset(1000); // samples 1000..2024
    EXPECT_EQ(ChildText(1010), "YET");
    EXPECT_EQ(IndicatorColor(), 0xFF0000u);
    Command(1021);
    EXPECT_EQ(ChildText(1010), "ADD");
    EXPECT_EQ(IndicatorColor(), 0x0000FFu);
    EXPECT_EQ(Record()->wFFTDone, 0) << "a logged section cannot be added twice";
    EXPECT_FALSE(IsWindowEnabled(Child(1021)));

    SetAreaOffset(2023); // starts inside the logged section
    EXPECT_EQ(ChildText(1010), "ADD");
    SetAreaOffset(2024); // starts at its end, which is exclusive
    EXPECT_EQ(ChildText(1010), "YET");
    EXPECT_TRUE(IsWindowEnabled(Child(1021)));
    SetAreaOffset(0); // ends at 1024, inside
    EXPECT_EQ(ChildText(1010), "ADD");
}

TEST_F(AddSections, FullLogRefusesWithoutChangingAnything)
{
    for (DWORD k = 0; k < 100; k++) {
        SetArea(k * 5000);
        Command(1021);
    }
    auto pFull = Record();
    ASSERT_EQ(pFull->nAddCount, 100u);
    SetArea(100 * 5000);
    ASSERT_EQ(Record()->wFFTDone, 1);
    m_host->ClearLog();
    Command(1021);
    ok_sequence(*m_host, g_seqErrorText, "ADD beyond the bound");
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_ADDFULL));
    auto pAfter = Record();
    EXPECT_EQ(pAfter->nAddCount, 100u);
    EXPECT_EQ(memcmp(pAfter->aAddLog, pFull->aAddLog, sizeof(pFull->aAddLog)), 0);
    EXPECT_EQ(pAfter->aAnalyCh[0].nChAddCount, 100u);
    EXPECT_EQ(ChildText(1012), "100");
}

// C4 at 100 Hz cannot take 1024 points: its lines change, so no sum can
// go on and the whole ADD state is cleared.
TEST_F(AddSections, SetupThatChangesAChannelsLinesClearsTheSums)
{
    SetAreaOffset(0);
    Command(1021);
    m_host->SetValue(QPI_CHRATE, 1, 100);
    std::vector<short> slowPage(1000, 0);
    m_host->Send(QPM_SETCHDATA, MAKEWPARAM(1, 100), (LPARAM)slowPage.data());
    auto pData = Record();
    EXPECT_EQ(pData->nAddCount, 0u);
    EXPECT_EQ(pData->aAnalyCh[0].nChAddCount, 0u);
    EXPECT_EQ(SendMessageA(Child(1050), FGM_GETADDMODE, 0, 0), 0);
    EXPECT_EQ(ChildText(1012), "  0");
}

// A slot without a spectrum in this run (no page yet) is not counted, so
// its later average is not diluted.
TEST_F(Add, SlotWithoutASpectrumIsNotCounted)
{
    WriteSettings({{4, "C3"}, {4, "C4"}}, {{"FFTAreaSw", "1"}});
    Start(Channels(500, {"C3", "C4"}));
    SendPage(0, Sines(500, 5000, {{900, 10}}, 30.0, 21));
    SetAreaOffset(0);
    Command(1021);
    EXPECT_EQ(Record()->aAnalyCh[1].nChAddCount, 0u);
    SendPage(1, Sines(500, 5000, {{600, 20}}, 30.0, 22));
    SetAreaOffset(2000);
    Command(1021);
    EXPECT_EQ(GraphAddData(1), GraphData(1));
    EXPECT_EQ(Record()->aAnalyCh[1].nChAddCount, 1u);
}

// Without an FFT the key beeps (checked with the frame's key tests).
TEST_F(AddSections, F1KeyAddsAfterAnFFTWithoutABeep)
{
    SetAreaOffset(0);
    m_host->Send(QPM_KEYNOTIFY, MAKEWPARAM(QPK_EVENT_KEY, QPK_KEY_F1), 0);
    EXPECT_EQ(Record()->nAddCount, 1u);
    EXPECT_EQ(DriveBeepCount(), 0);
}

TEST_F(AddSections, ClearAsksAndOnlyOkClears)
{
    SetAreaOffset(0);
    Command(1021);
    DriveOnNextDialog(PressDialogButton, (void *)IDCANCEL);
    Command(1022);
    EXPECT_EQ(Record()->nAddCount, 1u);
    DriveOnNextDialog(PressDialogButton, (void *)IDOK);
    Command(1022);
    auto pData = Record();
    EXPECT_EQ(pData->nAddCount, 0u);
    EXPECT_EQ(pData->wFFTDone, 0);
    EXPECT_EQ(SendMessageA(Child(1050), FGM_GETADDMODE, 0, 0), 0);
    EXPECT_EQ(ChildText(1012), "  0");
    EXPECT_FALSE(IsWindowEnabled(Child(1021))) << "ADD waits for the next FFT";
    EXPECT_FALSE(IsWindowEnabled(Child(1022)));
}

TEST_F(Add, ClearEmptiesAllEightSlots)
{
    Recording rec = Channels(500, {"F3", "F4", "C3", "C4", "P3", "P4", "O1", "O2"});
    std::vector<AnalyChannel> aChannels;
    for (const HostChannel &ch : rec.aChannels)
        aChannels.push_back({4, ch.sName});
    WriteSettings(aChannels);
    Start(rec);
    for (int k = 0; k < 8; k++)
        SendPage(k, Sines(500, 5000, {{500.0 + 50 * k, 10}}, 20.0, 30 + k));
    SetArea(0);
    Command(1021);
    auto pAdded = Record();
    ASSERT_GT(pAdded->aBand[2].afBandPower[7], 0.0f);
    ASSERT_EQ(pAdded->aAnalyCh[7].nChAddCount, 1u);
    // The host names the settings folder again with two channels in use.
    std::vector<AnalyChannel> aTwo(aChannels.begin(), aChannels.begin() + 2);
    WriteSettings(aTwo);
    m_host->Send(QPM_SETPATH, 0, (LPARAM)SettingsDir().c_str());
    ASSERT_EQ(Record()->wAnalyCh, 2);
    DriveOnNextDialog(PressDialogButton, (void *)IDOK);
    Command(1022);
    auto pData = Record();
    for (int j = 0; j < 8; j++) {
        SCOPED_TRACE(j);
        const ANALYCHANNEL &ch = pData->aAnalyCh[j];
        EXPECT_EQ(ch.nChAddCount, 0u);
        EXPECT_EQ(ch.nLines, 0u);
        EXPECT_EQ(ch.nAddLines, 0u);
        for (const FREQBAND &band : pData->aBand) {
            EXPECT_EQ(band.afBandPower[j], 0.0f);
            EXPECT_EQ(band.afLastBandPower[j], 0.0f);
            EXPECT_EQ(band.afBandPercent[j], 0.0f);
        }
        EXPECT_EQ(SendMessageA(Child(1050 + j), FGM_GETADDMODE, 0, 0), 0);
        // A bound slot gets a new, empty sum buffer.
        ASSERT_NE(ch.hAddSumBuf, nullptr);
        const LONG *plSum = (const LONG *)GlobalLock(ch.hAddSumBuf);
        ASSERT_NE(plSum, nullptr);
        EXPECT_EQ(plSum[20], 0);
        GlobalUnlock(ch.hAddSumBuf);
    }
}

TEST_F(Add, SumsStopAtTheLargestValueInsteadOfWrapping)
{
    // A full-scale square wave at 62.5 Hz has one line near 8e8 counts^2:
    // three of them pass 2^31.
    WriteSettings({{4, "C3"}}, {{"FFTAreaSw", "1"}, {"WindowType", "0"}});
    Start(Channels(500, {"C3", "C4"}));
    std::vector<short> page(5000);
    for (size_t n = 0; n < page.size(); n++)
        page[n] = (n / 4) % 2 ? 32767 : -32767;
    SendPage(0, page);
    LONG lPeak = 0;
    for (DWORD k = 0; k < 12; k++) {
        SetArea(k * 5000);
        std::vector<LONG> lines = GraphData(0);
        for (LONG l : lines)
            lPeak = l > lPeak ? l : lPeak;
        Command(1021);
    }
    ASSERT_GT((double)lPeak * 12, 2147483647.0);
    std::vector<LONG> average = GraphAddData(0);
    LONG lAverageMax = 0;
    for (LONG l : average) {
        EXPECT_GE(l, 0);
        lAverageMax = l > lAverageMax ? l : lAverageMax;
    }
    EXPECT_EQ(lAverageMax, 2147483647 / 12);
}
