// Channel binding and the FFT size rules of an analysis start, as the host
// sees them and as the record and the spectrum graphs keep them.
#include "analysis.h"

#include "frame/protocol.h"

typedef AnalysisTest ChannelSetup;

// The size rules: points against the page, in page and section mode.
struct SizeCase {
    const char *pszName;
    DWORD nRate, nPageTime, nPoints, wAreaSw;
    DWORD nChFFTPoint, nSizeCode, nBlockLen;
    bool bError;
};

static const SizeCase s_aSizeCases[] = {
    // 1000 samples for 1024 points: too short for a section...
    {"ShortPageSection", 500, 2, 1024, 1, 0, 4, 16, true},
    // ... but within 5 % for a page, and a whole block of 1000.
    {"ShortPageWithin5Percent", 500, 2, 1024, 0, 1024, 10, 1000, false},
    {"TwoThousandAt2048", 200, 10, 2048, 0, 2048, 11, 2000, false},
    // 5000 mod 4000 = 1000 is more than 10 % of 4096 in page mode.
    {"RemainderOver10Percent", 500, 10, 4096, 0, 16, 4, 4000, true},
    {"RemainderIrrelevantInSection", 500, 10, 4096, 1, 4096, 12, 4000, false},
    // 8400 mod 4000 = 400 is within 409.
    {"RemainderWithin10Percent", 840, 10, 4096, 0, 4096, 12, 4000, false},
    // More than 5 % short in page mode.
    {"ShortBeyond5Percent", 480, 2, 1024, 0, 16, 4, 16, true},
    // Points not in the size table.
    {"PointsNotInTable", 500, 10, 1000, 0, 16, 4, 16, true},
    {"LargestSize", 1600, 10, 16384, 0, 16384, 14, 16000, false},
};

class SizeRules : public AnalysisTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SizeRules, SizeCodeBlockAndMessage)
{
    const SizeCase &c = GetParam();
    WriteSettings({{4, "C3"}}, {{"FFTPoint", std::to_string(c.nPoints)},
                                {"FFTAreaSw", std::to_string(c.wAreaSw)}});
    Start(Channels(c.nRate, {"C3"}, c.nPageTime));
    auto pData = Record();
    const ANALYCHANNEL &ch = pData->aAnalyCh[0];
    EXPECT_EQ(ch.nHostCh, 0);
    EXPECT_EQ(ch.nChFFTPoint, c.nChFFTPoint);
    EXPECT_EQ(ch.nSizeCode, c.nSizeCode);
    EXPECT_EQ(ch.nBlockLen, c.nBlockLen);
    EXPECT_NE(pData->hFFTWork, 0u);
    EXPECT_NE(ch.hSpecBuf, nullptr);
    EXPECT_EQ(GraphProp(0, FG_PROP_POINTS), (LRESULT)c.nChFFTPoint);
    if (c.bError)
        EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_POINTSPAGE));
    else
        EXPECT_EQ(m_host->GetMessageText(), " ");
}

INSTANTIATE_TEST_SUITE_P(ChannelSetup, SizeRules, ::testing::ValuesIn(s_aSizeCases),
                         [](const ::testing::TestParamInfo<SizeCase> &info) {
                             return std::string(info.param.pszName);
                         });

TEST_F(ChannelSetup, GraphGetsRateLinesTitleAndDisplayRange)
{
    WriteSettings({{4, "C3"}}, {{"FFTDrawType", "2"}});
    Start(Channels(500, {"C3"}));
    auto pData = Record();
    EXPECT_EQ(pData->aAnalyCh[0].nDispMaxFreq, 3000u);
    // 3000 x 1000 / (500 x 100)
    EXPECT_EQ(pData->aAnalyCh[0].nShowLines, 60u);
    EXPECT_STREQ(pData->aAnalyCh[0].szChTitle, "C3");
    EXPECT_EQ(GraphProp(0, FG_PROP_RATE), 500);
    EXPECT_EQ(GraphProp(0, FG_PROP_LINES), 60);
    EXPECT_EQ(GraphProp(0, FG_PROP_DRAWTYPE), 2);
    EXPECT_EQ(GraphProp(0, FG_PROP_MONITOR), 1);
    char szTitle[64] = "";
    SendMessageA(Child(1050), FGM_GETTITLE, sizeof(szTitle), (LPARAM)szTitle);
    EXPECT_STREQ(szTitle, "C3");
}

TEST_F(ChannelSetup, UncalibratedChannelTakesThousandAndScaleReference)
{
    Recording rec = Channels(500, {"C3"});
    rec.aChannels[0].nCalValue = 0xFFFF;
    rec.aChannels[0].nCalHeight = 0xFFFF;
    rec.aChannels[0].nCalRange = 400;
    rec.aChannels.push_back({"C4", 500});
    rec.aChannels[1].nCalValue = 100;
    rec.aChannels[1].nCalHeight = 1000;
    rec.aChannels[1].nCalRange = 100;
    WriteSettings({{4, "C3"}, {4, "C4"}});
    Start(rec);
    auto pData = Record();
    EXPECT_EQ(pData->aAnalyCh[0].nCalValue, 1000u);
    EXPECT_EQ(pData->aAnalyCh[0].nCalHeight, 1000u);
    // In single precision 400 x 65535 x 0.005 is 131070 (in double, just
    // below it); 131070 / 65535 = 2.
    EXPECT_EQ(pData->aAnalyCh[0].nScaleRef, 2u);
    EXPECT_EQ(pData->aAnalyCh[1].nCalValue, 100u);
    EXPECT_EQ(pData->aAnalyCh[1].nCalHeight, 1000u);
    // 100 x 1000 x 0.005 is 500 in single precision: 500 / 100 = 5.
    EXPECT_EQ(pData->aAnalyCh[1].nScaleRef, 5u);
}

TEST_F(ChannelSetup, SameCodeAndLabelBindInHostOrder)
{
    Recording rec;
    rec.aChannels = {{"C3", 500}, {"O1", 500}, {"o1", 500}, {"O1", 500}, {"O1", 500}};
    rec.aChannels[1].wSignal = 5; // another signal type: not a match
    // "o1": names compare case-sensitively
    WriteSettings({{4, "O1"}, {4, "O1"}, {4, "Cz"}, {0, "C3"}});
    Start(rec);
    auto pData = Record();
    EXPECT_EQ(pData->aAnalyCh[0].nHostCh, 3);
    EXPECT_EQ(pData->aAnalyCh[1].nHostCh, 4);
    EXPECT_EQ(pData->aAnalyCh[2].nHostCh, -1) << "no host channel of that name";
    EXPECT_EQ(pData->aAnalyCh[3].nHostCh, -1) << "signal type 0 never binds";
}

TEST_F(ChannelSetup, AutomaticSelectionNamesSlotsInHostOrderPerType)
{
    Recording rec;
    rec.aChannels = {{"Fp1", 500}, {"ECG", 500}, {"Fp2", 500}, {"EOG", 500}, {"Cz", 500}};
    rec.aChannels[1].wSignal = 7;
    rec.aChannels[3].wSignal = 7;
    rec.aChannels[3].wUsed = 0; // not offered
    rec.aChannels[4].wSignal = 40; // outside 1..31
    WriteSettings({{4, "x"}, {7, "y"}, {4, "z"}, {4, "w"}, {40, "v"}},
                  {{"AutoChSelect", "1"}});
    Start(rec);
    auto pData = Record();
    EXPECT_STREQ(pData->aAnalyCh[0].szLabel, "Fp1");
    EXPECT_STREQ(pData->aAnalyCh[1].szLabel, "ECG");
    EXPECT_STREQ(pData->aAnalyCh[2].szLabel, "Fp2");
    EXPECT_STREQ(pData->aAnalyCh[3].szLabel, "w") << "no third EEG channel offered";
    EXPECT_STREQ(pData->aAnalyCh[4].szLabel, "v");
    EXPECT_EQ(pData->aAnalyCh[0].nHostCh, 0);
    EXPECT_EQ(pData->aAnalyCh[1].nHostCh, 1);
    EXPECT_EQ(pData->aAnalyCh[2].nHostCh, 2);
}

TEST_F(ChannelSetup, NoBoundChannelLeavesNoFFTObjectAndRunsSafely)
{
    WriteSettings({{4, "nowhere"}});
    Start(Channels(500, {"C3"}));
    EXPECT_EQ(Record()->hFFTWork, 0u);
    SetArea(0);
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_PAGEDONE));
    m_host->Send(QPM_STOPANALY, 0, 0);
    WriteSettings({{4, "nowhere"}}, {{"FFTAreaSw", "1"}});
    m_host->Send(QPM_SETPATH, 0, (LPARAM)SettingsDir().c_str());
    Start(Channels(500, {"C3"}));
    SetAreaOffset(0);
    EXPECT_EQ(m_host->GetMessageText(), PluginString(IDS_SECTIONDONE));
    EXPECT_EQ(Record()->wFFTDone, 0);
}

TEST_F(ChannelSetup, SetupChangedRebuildsAndTellsHostAndLinkWindow)
{
    WriteSettings({{4, "C3"}});
    Start(Channels(500, {"C3"}));
    m_host->Send(QPM_SETLINKWND, (WPARAM)m_host->Link(), 0);
    m_host->ClearLog();
    Command(1000, QPN_SETUPCHANGED);
    static const HOSTMSG s_seqApply[] = {
        SENT_NOTIFY(QPN_REQ_151), SENT_NOTIFY(QPN_REQ_162), SENT_NOTIFY(QPN_INFOTEXT),
        LINK_MSG(QLM_SETITEM, QLM_ITEM_AREAMODE, 0), LINK_MSG(QLM_SETITEM, QLM_ITEM_FFTLENGTH, 1024),
        SEQ_END,
    };
    ok_sequence(*m_host, s_seqApply, "apply");
    EXPECT_NE(Record()->idUpdateTimer, 0u);
    m_host->ClearLog();
    Command(1000, 20); // any other code of the panel does nothing
    ok_sequence(*m_host, g_seqNone, "other panel code");
}
