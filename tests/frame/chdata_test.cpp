// Page data from the host (QPM_SETCHDATA) and the F1 key (QPM_KEYNOTIFY).
#include <string.h>

#include "fixture.h"

class ChData : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        CreateAndInitialise();
        m_host->SetRecording(2, 500, 10);
        m_host->AnswerRequests();
    }

    void SendPage(WORD wCh, WORD wRate, const std::vector<short> &page)
    {
        m_host->Send(QPM_SETCHDATA, MAKEWPARAM(wCh, wRate), (LPARAM)page.data());
    }

    // Samples now held for host channel wCh (empty without a buffer).
    std::vector<short> HeldPage(WORD wCh)
    {
        std::vector<short> held;
        PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) {
            const HOSTCHANNEL &ch = d.aHostCh[wCh];
            if (ch.hData == NULL)
                return;
            EXPECT_GE(GlobalSize(ch.hData), (SIZE_T)ch.nDataSamples * 2 + 256);
            const short *p = (const short *)GlobalLock(ch.hData);
            ASSERT_NE(p, nullptr);
            held.assign(p, p + ch.nDataSamples);
            GlobalUnlock(ch.hData);
        });
        return held;
    }
};

static std::vector<short> Ramp(size_t n)
{
    std::vector<short> page(n);
    for (size_t i = 0; i < n; i++)
        page[i] = (short)(i * 7 - 3000);
    return page;
}

TEST_F(ChData, PageIsCopiedOnlyWhileAnalysing)
{
    std::vector<short> page = Ramp(5000);
    SendPage(0, 500, page);
    EXPECT_TRUE(HeldPage(0).empty()) << "before the start";
    m_host->Send(QPM_STARTANALY, 0, 0);
    SendPage(0, 500, page);
    EXPECT_EQ(HeldPage(0), page);
}

TEST_F(ChData, RefusedDeliveriesLeaveTheBufferAlone)
{
    m_host->Send(QPM_STARTANALY, 0, 0);
    std::vector<short> page = Ramp(5000);
    SendPage(0, 500, page);

    m_host->Send(QPM_SETCHDATA, MAKEWPARAM(0, 500), 0);
    EXPECT_EQ(HeldPage(0), page) << "null sample pointer";
    SendPage(0, 0, Ramp(10));
    EXPECT_EQ(HeldPage(0), page) << "zero rate";
    SendPage(5, 500, Ramp(5000));
    EXPECT_TRUE(HeldPage(5).empty()) << "no analysis channel reads channel 5";
    SendPage(64, 500, Ramp(5000));
    SendPage(0xFFFF, 500, Ramp(5000));

    m_host->SetValue(QPI_HOSTMODE, 0, 2);
    SendPage(0, 500, std::vector<short>(5000, 1));
    EXPECT_EQ(HeldPage(0), page) << "host mode above 1";
}

TEST_F(ChData, PageOfAnotherLengthReplacesTheBuffer)
{
    m_host->Send(QPM_STARTANALY, 0, 0);
    SendPage(0, 500, Ramp(5000));
    std::vector<short> page = Ramp(2000);
    SendPage(0, 200, page);
    EXPECT_EQ(HeldPage(0), page) << "all 2000 samples, no more";
}

// Rate x page time beyond what a buffer can hold must not wrap into a small
// allocation that the copy then overruns.
TEST_F(ChData, OversizedPageIsDropped)
{
    m_host->Send(QPM_STARTANALY, 0, 0);
    std::vector<short> page = Ramp(5000);
    SendPage(0, 500, page);
    m_host->SetValue(QPI_PAGETIME, 0, 0x80000000);
    SendPage(0, 2, page);
    EXPECT_EQ(HeldPage(0), page);
}

TEST_F(ChData, NoAnalysisChannelsRefusesEveryPage)
{
    DestroyPlugin();
    WriteFile(FileIn("QFFTANA.INI"), "[FFTINFO]\nAnalyCh=0\n");
    CreateAndInitialise();
    m_host->AnswerRequests();
    m_host->Send(QPM_STARTANALY, 0, 0);
    SendPage(0, 500, Ramp(5000));
    EXPECT_TRUE(HeldPage(0).empty());
}

typedef PluginTest KeyNotify;

// F1 while analysing without a result beeps when the settings let the key
// add, and does nothing otherwise; other keys and events are ignored.
TEST_F(KeyNotify, F1BeepsWithoutResultOnlyWhenTheKeyAdds)
{
    static const struct {
        const char *pszAddKeySw;
        WORD wEvent, wKey;
        int nBeeps;
    } s_aKeys[] = {
        {"1", QPK_EVENT_KEY, QPK_KEY_F1, 1}, {"0", QPK_EVENT_KEY, QPK_KEY_F1, 0},
        {"1", QPK_EVENT_KEY, 2, 0},          {"1", 1, QPK_KEY_F1, 0},
        {"1", 0, 0, 0},                      {"1", QPK_EVENT_KEY, 0x101, 0},
    };
    for (const auto &k : s_aKeys) {
        SCOPED_TRACE(testing::Message() << k.pszAddKeySw << " " << k.wEvent << " " << k.wKey);
        if (m_host->Plugin() != NULL)
            DestroyPlugin();
        WriteFile(FileIn("QFFTANA.INI"), std::string("[FFTINFO]\nADDKeySw=") + k.pszAddKeySw + "\n");
        CreateAndInitialise();
        m_host->Send(QPM_STARTANALY, 0, 0);
        m_host->ClearLog();
        DriveClearLogs();
        m_host->Send(QPM_KEYNOTIFY, MAKEWPARAM(k.wEvent, k.wKey), 0);
        EXPECT_EQ(DriveBeepCount(), k.nBeeps);
        ok_sequence(*m_host, g_seqNone, "key");
    }
    m_host->Send(QPM_STOPANALY, 0, 0);
    m_host->Send(QPM_KEYNOTIFY, MAKEWPARAM(QPK_EVENT_KEY, QPK_KEY_F1), 0);
    EXPECT_EQ(DriveBeepCount(), 1) << "F1 while idle";
}
