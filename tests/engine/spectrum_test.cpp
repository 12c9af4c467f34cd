// Section and page FFT through the host messages: range, offsets at other
// rates, block counts, outcome texts, band results and coherence.
#include "analysis.h"

#include <string.h>

#include "frame/protocol.h"

typedef AnalysisTest Spectrum;

static Recording TwoChannels(DWORD nRate = 500)
{
    return Channels(nRate, {"C3", "C4"});
}

TEST_F(Spectrum, SectionMustEndInsideThePage)
{
    WriteSettings({{4, "C3"}}, {{"FFTAreaSw", "1"}});
    Start(TwoChannels());
    SendPage(0, Sines(500, 5000, {{1000, 10}}));
    m_host->ClearLog();
    SetAreaOffset(3975);
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_SECTIONDONE));
    EXPECT_EQ(Record()->wFFTDone, 1);
    EXPECT_EQ(GraphData(0).size(), 512u);

    m_host->ClearLog();
    SetAreaOffset(3976);
    ok_sequence(*m_host, g_seqErrorText, "offset 3976");
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_RANGEOVER));
    EXPECT_EQ(Record()->wFFTDone, 0);
    EXPECT_EQ(SendMessageA(Child(1050), FGM_GETREDRAW, 0, 0), FG_REDRAW_NODATA);
    SetAreaOffset(0xFFFFFF00u); // must not wrap round into the page
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_RANGEOVER));
}

TEST_F(Spectrum, SectionIsTheBlockAtTheOffsetWithItsPositionAndTimes)
{
    WriteSettings({{4, "C3"}}, {{"FFTAreaSw", "1"}});
    Recording rec = TwoChannels();
    rec.anStartTime[0] = 23;
    rec.anStartTime[1] = 59;
    rec.anStartTime[2] = 58;
    Start(rec);
    std::vector<short> page = Sines(500, 5000, {{800, 7}, {300, 21}}, 40.0);
    SendPage(0, page);
    m_host->Send(QPM_SETAREA, 0, 0); // page start only: the section runs at the stored offset
    SetArea(5000);
    SetAreaOffset(1234);
    EXPECT_EQ(GraphData(0), BlockSpectrum(10, 500, page.data() + 1234, 1000));
    auto pData = Record();
    EXPECT_EQ(pData->aAnalyCh[0].nLines, 512u);
    EXPECT_EQ(pData->nSectStart, 6234u);
    EXPECT_EQ(pData->nSectEnd, 7258u);
    // 23:59:58 + 12.468 s passes midnight; + 14.516 s
    const WORD awStart[4] = {0, 0, 10, 4}, awEnd[4] = {0, 0, 12, 5};
    EXPECT_EQ(memcmp(pData->awSectStartTime, awStart, sizeof(awStart)), 0);
    EXPECT_EQ(memcmp(pData->awSectEndTime, awEnd, sizeof(awEnd)), 0);
    // The graph got the calibration pair and the frequency parameters.
    EXPECT_EQ(GraphProp(0, FG_PROP_CALVALUE), 50);
    EXPECT_EQ(GraphProp(0, FG_PROP_CALHEIGHT), 100);
    EXPECT_EQ(GraphProp(0, FG_PROP_AMPSCALE), 10) << "calibrated power shows at scale 10";
    EXPECT_GT(GraphValue(0, FG_VALUE_MEAN), 7.0f);
    EXPECT_LT(GraphValue(0, FG_VALUE_MEAN), 21.0f);
}

// A faster channel's section starts at the offset scaled to its own rate.
// At four times the rate its page is larger than the base-rate work buffer
// a section starts from; its block near the end must still be read from
// its own page.
TEST_F(Spectrum, FasterChannelTakesItsOwnOffset)
{
    static const struct {
        DWORD nRate, nOffset, nFastStart;
    } s_aCases[] = {{1000, 1500, 3000}, {2000, 3900, 15600}};
    WriteSettings({{4, "C3"}, {4, "C4"}}, {{"FFTAreaSw", "1"}});
    for (const auto &c : s_aCases) {
        SCOPED_TRACE(c.nRate);
        Recording rec = TwoChannels();
        rec.aChannels[1].nRate = c.nRate;
        Start(rec);
        std::vector<short> base = Sines(500, 5000, {{500, 9}}, 20.0, 3);
        std::vector<short> fast = Sines((int)c.nRate, (int)c.nRate * 10, {{700, 17}}, 20.0, 4);
        SendPage(0, base);
        SendPage(1, fast);
        SetAreaOffset(c.nOffset);
        EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_RATEDIFFERS));
        EXPECT_EQ(GraphData(0), BlockSpectrum(10, 500, base.data() + c.nOffset, 1000));
        EXPECT_EQ(GraphData(1), BlockSpectrum(10, (int)c.nRate, fast.data() + c.nFastStart, 1000));
    }
}

// The cursor section is only stored outside an analysis; the next page
// position of an analysis uses it.
TEST_F(Spectrum, CursorSectionOutsideAnAnalysisIsOnlyStored)
{
    WriteSettings({{4, "C3"}}, {{"FFTAreaSw", "1"}});
    CreateAndInitialise();
    m_host->Send(QPM_SETLINKWND, (WPARAM)m_host->Link(), 0);
    m_host->ClearLog();
    SetAreaOffset(700);
    ok_sequence(*m_host, g_seqNone, "section before the start");
    Start(TwoChannels());
    SendPage(0, Sines(500, 5000, {{1000, 10}}));
    SetArea(5000);
    EXPECT_EQ(Record()->nSectStart, 5700u);
    m_host->Send(QPM_STOPANALY, 0, 0);
    m_host->ClearLog();
    SetAreaOffset(100);
    ok_sequence(*m_host, g_seqNone, "section after the stop");
    EXPECT_EQ(Record()->nAreaOffset, 100u);
}

// Each run filters the page as the host sent it, not the last run's output.
TEST_F(Spectrum, RunsFilterThePageAsTheHostSentIt)
{
    WriteSettings({{4, "C3"}}, {{"LowCutSw", "1"}, {"LowCutFreq", "500"}});
    Start(TwoChannels());
    SendPage(0, Sines(500, 5000, {{2000, 3}, {500, 10}}, 10.0));
    SetArea(0);
    std::vector<LONG> first = GraphData(0);
    SetArea(0);
    EXPECT_EQ(GraphData(0), first);
}

// The host's base rate sizes the section's work buffer; one far beyond any
// page it can send must neither fail the section nor, cut to 32 bits, give
// a buffer smaller than the page.
TEST_F(Spectrum, SectionOfAHugeBaseRateReadsTheChannelsOwnPage)
{
    WriteSettings({{4, "C3"}}, {{"FFTAreaSw", "1"}});
    Recording rec = TwoChannels();
    rec.nBaseRate = 0x7FFFFFFF;
    Start(rec);
    std::vector<short> page = Sines(500, 5000, {{800, 7}}, 40.0);
    SendPage(0, page);
    SetAreaOffset(0);
    EXPECT_EQ(Record()->wFFTDone, 1);
    EXPECT_EQ(GraphData(0), BlockSpectrum(10, 500, page.data(), 1000));
}

TEST_F(Spectrum, SectionWithoutUsableChannelStillReports)
{
    WriteSettings({{4, "C3"}}, {{"FFTAreaSw", "1"}});
    Start(TwoChannels());
    SetAreaOffset(0); // no page delivered
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_SECTIONDONE));
    EXPECT_EQ(Record()->wFFTDone, 0);
}

// The page spectrum is the mean of the whole blocks: 8400 samples in blocks
// of 4000 leave 400 that are counted, not fed. Blocks are cut at the first
// channel's offsets; a slower channel has only part of them in its page
// and is fed only those.
TEST_F(Spectrum, PageSpectrumIsTheMeanOfWholeBlocks)
{
    WriteSettings({{4, "C3"}}, {{"FFTPoint", "4096"}});
    Start(TwoChannels(840));
    std::vector<short> page = Sines(840, 8400, {{1000, 10}}, 50.0);
    SendPage(0, page);
    m_host->ClearLog();
    SetArea(0);
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_PAGEDONE));
    EXPECT_EQ(Record()->aAnalyCh[0].wBlockCount, 3) << "two blocks and the piece left";
    EXPECT_EQ(SendMessageA(Child(1050), FGM_GETREDRAW, 0, 0), FG_REDRAW_PAGE);
    std::vector<double> mean = MeanBlockSpectrum(12, 840, page.data(), 4000, 2);
    std::vector<LONG> shown = GraphData(0);
    ASSERT_EQ(shown.size(), mean.size());
    for (size_t i = 0; i < shown.size(); i++)
        EXPECT_NEAR(shown[i], mean[i], 1.0) << "line " << i;
}

TEST_F(Spectrum, ShorterPageOfAnotherChannelIsNotReadPastItsEnd)
{
    WriteSettings({{4, "C3"}, {4, "C4"}}, {{"FFTPoint", "256"}});
    Recording rec = TwoChannels();
    rec.aChannels[1].nRate = 100;
    Start(rec);
    std::vector<short> slow = Sines(100, 1000, {{600, 5}}, 10.0, 8);
    SendPage(0, Sines(500, 5000, {{600, 20}}, 10.0, 7));
    SendPage(1, slow);
    SetArea(0);
    std::vector<double> mean = MeanBlockSpectrum(8, 100, slow.data(), 250, 4);
    std::vector<LONG> shown = GraphData(1);
    ASSERT_EQ(shown.size(), mean.size());
    for (size_t i = 0; i < shown.size(); i++)
        EXPECT_NEAR(shown[i], mean[i], 2.0) << "line " << i;
    EXPECT_EQ(Record()->aAnalyCh[0].wBlockCount, 20);
}

TEST_F(Spectrum, PageWithMissingOrRejectedChannelSendsNoText)
{
    WriteSettings({{4, "C3"}, {4, "C4"}});
    Start(TwoChannels());
    SendPage(0, Sines(500, 5000, {{1000, 10}}));
    m_host->ClearLog();
    SetArea(0); // C4 has no page
    ok_sequence(*m_host, g_seqNone, "incomplete page");
    EXPECT_EQ(Record()->wFFTDone, 1) << "C3 was analysed";
}

// Page results; the report's band tables come from the ADD sums instead.
TEST_F(Spectrum, BandPowersSplitTheDisplayRange)
{
    WriteSettings({{4, "C3"}});
    Start(TwoChannels());
    SendPage(0, Sines(500, 5000, {{1000, 6}, {1000, 10}}, 5.0));
    SetArea(0);
    auto pData = Record();
    float fTheta = pData->aBand[1].afBandPercent[0], fAlpha = pData->aBand[2].afBandPercent[0];
    EXPECT_NEAR(fTheta, 50.0f, 1.0f);
    EXPECT_NEAR(fAlpha, 50.0f, 1.0f);
    EXPECT_NEAR(pData->aBand[1].afBandPower[0], 500000.0f, 5000.0f);
    EXPECT_LT(pData->aBand[3].afBandPercent[0], 1.0f);
}

// 1024 points at 500 Hz put lines 0.48828125 Hz apart, so 4 Hz and 8 Hz fall
// in lines 8 and 16, each the last line of one band and the first of the
// next. Under Hann a sine on a line leaves 2/3 of its power there and 1/6 on
// each neighbour: a band holds 5/6 of a sine on its edge line, and a band
// edge one line off moves a sixth.
TEST_F(Spectrum, BandEdgeLinesBelongToBothNeighbours)
{
    WriteSettings({{4, "C3"}});
    Start(TwoChannels());
    const double dLine = 500.0 / 1024.0;
    SendPage(0, Sines(500, 5000, {{1000, 8 * dLine}, {1000, 16 * dLine}}));
    SetArea(0);
    auto pData = Record();
    // The window is not exactly periodic in the block, hence the tolerance.
    const float afExpected[] = {250.0f / 6, 500.0f / 6, 250.0f / 6, 0.0f}; // delta to beta
    for (int b = 0; b < 4; b++)
        EXPECT_NEAR(pData->aBand[b].afBandPercent[0], afExpected[b], 1.5f) << "band " << b;
}

TEST_F(Spectrum, CoherenceFillsUpperTriangleOfBoundPairs)
{
    WriteSettings({{4, "C3"}, {4, "C4"}, {4, "Cz"}}, {}, true);
    Recording rec = TwoChannels();
    Start(rec);
    std::vector<short> common = Sines(500, 5000, {{1000, 10}}, 30.0, 11);
    SendPage(0, common);
    SendPage(1, common);
    SetArea(0);
    auto pData = Record();
    EXPECT_EQ(pData->awCohLines[0][1], 1);
    EXPECT_NEAR(pData->afCohValue[0][0][1], 1.0f, 0.01f);
    EXPECT_NEAR(pData->afCohValue[1 + 2][0][1], 1.0f, 0.01f) << "alpha band";
    EXPECT_EQ(pData->afCohValue[0][1][0], 0.0f) << "lower triangle stays empty";
    EXPECT_EQ(pData->awCohLines[0][2], 0) << "Cz is not bound";
}

TEST_F(Spectrum, CoherenceSwitchedOffLeavesEarlierValues)
{
    WriteSettings({{4, "C3"}, {4, "C4"}}, {{"FFTAreaSw", "1"}}, true);
    Start(TwoChannels());
    SendPage(0, Sines(500, 5000, {{1000, 10}}, 30.0, 12));
    SendPage(1, Sines(500, 5000, {{1000, 10}}, 30.0, 13));
    SetAreaOffset(100);
    auto pBefore = Record();
    ASSERT_GT(pBefore->afCohValue[0][0][1], 0.0f);
    ASSERT_NE(pBefore->awCohLines[0][1], 0);
    // The host names the settings folder again, now with coherence off.
    WriteSettings({{4, "C3"}, {4, "C4"}}, {{"FFTAreaSw", "1"}}, false);
    m_host->Send(QPM_SETPATH, 0, (LPARAM)SettingsDir().c_str());
    SetAreaOffset(2000);
    auto pAfter = Record();
    EXPECT_EQ(memcmp(pAfter->afCohValue, pBefore->afCohValue, sizeof(pBefore->afCohValue)), 0);
    EXPECT_EQ(memcmp(pAfter->awCohLines, pBefore->awCohLines, sizeof(pBefore->awCohLines)), 0);
}
