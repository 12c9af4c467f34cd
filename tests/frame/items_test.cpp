// Numeric and text items of the host protocol, at and beyond their bounds.
#include <string.h>

#include "fixture.h"

class Items : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        CreateAndInitialise();
    }
};

// Items that read back what was set, at the last valid index.
struct ROUNDTRIP {
    WORD wItem;
    WORD wIndex;
    DWORD dwValue;
};

static const ROUNDTRIP s_aReadable[] = {
    {QPI_BASERATE, 0, 500},        {QPI_BASERATE, 0, 0xFFFFFFFF}, {QPI_ITEM15, 0, 0xDEADBEEF},
    {QPI_RECTIME, 7, 2026},        {QPI_ITEM17, 7, 59},           {QPI_PAGETIME, 0, 10},
    {QPI_CHUSED, 63, 1},           {QPI_CALVALUE, 63, 65535},     {QPI_CALHEIGHT, 63, 65535},
    {QPI_CALRANGE, 63, 1000},      {QPI_CHITEM36, 63, 0x12345678}, {QPI_CHITEM37, 63, 7},
    {QPI_SIGNALTYPE, 63, 4},       {QPI_CHRATE, 63, 1000},
};

TEST_F(Items, ReadableItemsReadBackAtTheirLastIndex)
{
    for (const ROUNDTRIP &t : s_aReadable) {
        m_host->SetValue(t.wItem, t.wIndex, t.dwValue);
        EXPECT_EQ(m_host->GetValue(t.wItem, t.wIndex), t.dwValue)
            << "item " << t.wItem << " index " << t.wIndex;
    }
    ok_sequence(*m_host, g_seqNone, "setting items notifies nothing");
}

// Beyond the index limit, and for item codes outside the protocol, a set
// changes nothing and a get answers 0.
static const ROUNDTRIP s_aBeyondIndex[] = {
    {QPI_RECTIME, 8, 1},    {QPI_ITEM17, 8, 1},      {QPI_CHUSED, 64, 1},
    {QPI_CALVALUE, 64, 1},  {QPI_CALHEIGHT, 64, 1},  {QPI_CALRANGE, 64, 1},
    {QPI_CHITEM36, 64, 1},  {QPI_CHITEM37, 64, 1},   {QPI_SIGNALTYPE, 64, 1},
    {QPI_CHRATE, 0xFFFF, 1}, {2, 0, 5},              {40, 0, 5},
    {125, 0, 5},            {0xFFFF, 0, 5},
};

TEST_F(Items, IndexesAndCodesBeyondTheTablesAreIgnored)
{
    std::vector<BYTE> before(sizeof(FFTVIEWDATA));
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) { memcpy(before.data(), &d, sizeof(d)); });
    for (const ROUNDTRIP &t : s_aBeyondIndex) {
        m_host->SetValue(t.wItem, t.wIndex, t.dwValue);
        EXPECT_EQ(m_host->GetValue(t.wItem, t.wIndex), 0u) << "item " << t.wItem;
    }
    m_host->SetValue(QPI_ITEM24, 3, 1);
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
        EXPECT_EQ(memcmp(before.data(), &d, sizeof(d)), 0) << "the record changed";
    });
}

TEST_F(Items, StoredOnlyItemsAreKeptButNotReadable)
{
    m_host->SetValue(QPI_ITEM10, 0, 0x10005);
    m_host->SetValue(QPI_ITEM18, 0, 0x20006);
    m_host->SetValue(QPI_DIALOGLANG, 0, 0);
    m_host->SetValue(QPI_ITEM23, 0, 23);
    m_host->SetValue(QPI_ITEM24, 2, 24);
    m_host->SetValue(QPI_HOSTMODE, 0, 1);
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.wHostItem10, 5);
        EXPECT_EQ(d.wHostItem18, 6);
        EXPECT_EQ(d.wHostItem19, 0);
        EXPECT_EQ(d.nHostItem23, 23u);
        EXPECT_EQ(d.anHostItem24[2], 24u);
        EXPECT_EQ(d.wHostMode, 1);
    });
    for (int wItem : {QPI_HOSTMODE, QPI_HOSTCHCOUNT, QPI_ITEM10, QPI_ITEM18, QPI_DIALOGLANG,
                       QPI_ITEM23, QPI_ITEM24, 33, 34, QPI_AREAOFFSET})
        EXPECT_EQ(m_host->GetValue((WORD)wItem, 0), 0u) << "item " << wItem;
}

TEST_F(Items, HostChannelCountIsClampedTo64)
{
    static const struct {
        DWORD dwSet;
        DWORD dwStored;
    } s_aCounts[] = {{0, 0}, {64, 64}, {65, 64}, {100, 64}, {200, 64}, {0xFFFFFFFF, 64}};
    for (const auto &t : s_aCounts) {
        m_host->SetValue(QPI_HOSTCHCOUNT, 0, t.dwSet);
        PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
            EXPECT_EQ(d.nHostChCount, t.dwStored) << "set " << t.dwSet;
        });
        EXPECT_EQ(m_host->GetValue(QPI_HOSTCHCOUNT), 0u);
    }
}

TEST_F(Items, TotalTimeReadsBackThroughTheBaseRate)
{
    static const struct {
        DWORD dwRate;
        DWORD dwTotal;
        DWORD dwExpected;
    } s_aTimes[] = {
        {500, 3600, 3600},
        {200, 0, 0},
        {0, 3600, 0},                     // no base rate: no time rather than a division by 0
        // Samples past the signed range or saturated: the time given.
        {0xFFFFFFFF, 5, 5},
        {0xFFFFFFFF, 0x80000000, 0x80000000},
        {1000, 3000000, 3000000},
        {50000, 100000, 100000},
    };
    for (const auto &t : s_aTimes) {
        m_host->SetValue(QPI_BASERATE, 0, t.dwRate);
        m_host->SetValue(QPI_TOTALTIME, 0, t.dwTotal);
        EXPECT_EQ(m_host->GetValue(QPI_TOTALTIME), t.dwExpected)
            << "rate " << (LONG)t.dwRate << " total " << t.dwTotal;
    }
    m_host->SetValue(QPI_BASERATE, 0, 500);
    m_host->SetValue(QPI_TOTALTIME, 0, 7);
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.nTotalTime, 7u);
        EXPECT_EQ(d.nTotalSamples, 3500u);
    });
}

// String 8 of the string table in code page 932, byte for byte.
static const char s_szRemontageOnly[] =
    "\x93\x64\x8B\xC9\x92\x50\x88\xCA\x83\x66\x81\x5B\x83\x5E\x82\xC5\x82\xCD\x81\x41\x83\x8A"
    "\x83\x82\x83\x93\x83\x5E\x81\x5B\x83\x57\x83\x85\x8D\xC4\x90\xB6\x82\xC5\x82\xC8\x82\xAF"
    "\x82\xEA\x82\xCE\x89\xF0\x90\xCD\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42";

TEST_F(Items, HostModeReportsOnlyWhileAnalysing)
{
    m_host->SetValue(QPI_HOSTMODE, 0, 2);
    ok_sequence(*m_host, g_seqNone, "mode 2 while idle");
    EXPECT_EQ(m_host->GetMessageText(), "");

    m_host->Send(QPM_STARTANALY, 0, 0);
    m_host->ClearLog();
    m_host->SetValue(QPI_HOSTMODE, 0, 2);
    ok_sequence(*m_host, g_seqErrorText, "mode 2 while analysing");
    std::string sText = m_host->GetMessageText();
    EXPECT_EQ(sText.size(), 64u);
    EXPECT_EQ(sText, s_szRemontageOnly);

    m_host->ClearLog();
    m_host->SetValue(QPI_HOSTMODE, 0, 0x10001);
    ok_sequence(*m_host, g_seqInfoText, "another mode while analysing");
    EXPECT_EQ(m_host->GetMessageText(), " ");
}

TEST_F(Items, ChannelNamesReadBackAndUnnamedChannelsAreEmpty)
{
    m_host->SetText(QPT_CHNAME, 0, "Fp1-A1");
    m_host->SetText(QPT_CHNAME2, 63, "EEG");
    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 0), "Fp1-A1");
    EXPECT_EQ(m_host->GetText(QPT_CHNAME2, 63), "EEG");
    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 1), "");
    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 64), "");
    EXPECT_EQ(m_host->GetText(QPT_HOSTTEXT15, 0), "") << "item 15 is not readable";
    EXPECT_EQ(m_host->GetText(9, 0), "");
    EXPECT_EQ(m_host->GetText(22, 0), "");
}

// Texts longer than their buffer are cut to the whole characters that fit
// in the buffer size minus one and never reach the next field.
TEST_F(Items, LongTextsAreCutToTheirBuffers)
{
    std::string sLong(400, 'x');
    m_host->SetText(QPT_CHNAME, 3, "neighbour");
    m_host->SetText(QPT_CHNAME2, 2, sLong.c_str());
    m_host->SetText(QPT_CHNAME, 2, sLong.c_str());
    m_host->SetText(QPT_HOSTTEXT, 301, sLong.c_str());
    m_host->SetText(QPT_HOSTTEXT, 310, sLong.c_str());
    m_host->SetText(QPT_HOSTTEXT15, 0, sLong.c_str());
    std::string sDoubleByteAtCut = std::string(62, 'x') + "\x95\x5C" "tail";
    m_host->SetText(QPT_CHNAME, 4, sDoubleByteAtCut.c_str());

    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 2), std::string(63, 'x'));
    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 4), std::string(62, 'x'))
        << "a double-byte character is never cut in half";
    EXPECT_EQ(m_host->GetText(QPT_CHNAME2, 2), std::string(31, 'x'));
    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 3), "neighbour");
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(std::string(d.szHostText301), std::string(259, 'x'));
        EXPECT_EQ(std::string(d.szHostText302), "");
        EXPECT_EQ(std::string(d.szHostText310), std::string(259, 'x'));
        EXPECT_EQ(d.wPreviewPrint, 1) << "the field after the host texts keeps its default";
        EXPECT_EQ(std::string(d.szHostText15), std::string(259, 'x'));
        EXPECT_EQ(d.aBand[0].wEnable, 1) << "the field after szHostText15 keeps its default";
    });
}

TEST_F(Items, HostTextsGoToTheBufferOfTheirSubId)
{
    static const WORD s_awSubs[] = {11, 13, 14, 21, 22, 23, 104, 105, 106, 107, 201, 101,
                                    24, 25, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310};
    for (WORD wSub : s_awSubs)
        m_host->SetText(QPT_HOSTTEXT, wSub, ("text " + std::to_string(wSub)).c_str());
    m_host->SetText(QPT_HOSTTEXT, 12, "unknown sub-id");
    m_host->SetText(QPT_HOSTTEXT, 0, "unknown sub-id");
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        const char *pText = d.szHostText11;
        for (WORD wSub : s_awSubs) {
            EXPECT_EQ(std::string(pText), "text " + std::to_string(wSub)) << "sub-id " << wSub;
            pText += FV_PATH;
        }
    });
}

TEST_F(Items, NullTextPointersAreRefused)
{
    m_host->SetText(QPT_CHNAME, 0, "kept");
    m_host->Send(QPM_SETTEXT, MAKEWPARAM(QPT_CHNAME, 0), 0);
    EXPECT_EQ(m_host->GetText(QPT_CHNAME, 0), "kept");
    EXPECT_EQ(m_host->Send(QPM_GETTEXT, MAKEWPARAM(QPT_CHNAME, 0), 0), 0);
    EXPECT_EQ(m_host->Send(QPM_GETMESSAGE, 0, 0), 0);
}

TEST_F(Items, ApplicationFolderGivesHelpFileAndManualOnlyIfPresent)
{
    std::string sApp = Folder().string();
    m_host->Send(QPM_SETPATH, 2, (LPARAM)sApp.c_str());
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
        EXPECT_EQ(std::string(d.szAppDir), sApp + "\\");
        EXPECT_EQ(std::string(d.szHelpFile), sApp + "\\HELP\\QFFTANA.HLP");
        EXPECT_EQ(std::string(d.szManualFile), "") << "no manual in the folder";
    });

    WriteFile((Folder() / "HELP" / "QFFTANA.PDF").string(), "%PDF");
    m_host->Send(QPM_SETPATH, 2, (LPARAM)sApp.c_str());
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
        EXPECT_EQ(std::string(d.szManualFile), sApp + "\\HELP\\QFFTANA.PDF");
    });

    std::string sTooLong(250, 'a');
    m_host->Send(QPM_SETPATH, 2, (LPARAM)sTooLong.c_str());
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
        EXPECT_EQ(std::string(d.szAppDir), sTooLong + "\\");
        EXPECT_EQ(std::string(d.szHelpFile), "") << "a cut path would name another file";
        EXPECT_EQ(std::string(d.szManualFile), "");
    });
    m_host->Send(QPM_SETPATH, 1, (LPARAM)std::string(300, 'p').c_str());
    m_host->Send(QPM_SETPATH, 3, (LPARAM)"ignored");
    PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
        EXPECT_EQ(std::string(d.szHostPath), std::string(259, 'p'));
    });
}
