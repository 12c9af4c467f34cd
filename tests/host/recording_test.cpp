// Reading recordings, writing EDF+, and the built-in one.
#include <gtest/gtest.h>

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <complex>

#include <biosig.h>

#include "demorec.h"
#include "edfwrite.h"
#include "hosttest.h"
#include "recread.h"
#include "recstream.h"

static const double PI = 3.14159265358979323846;

// Writes rec as EDF+ into tmp and reads it back.
static RECORDING RoundTrip(const RECORDING &rec, const TempFolder &tmp)
{
    char szError[512] = "";
    std::string strPath = tmp.Path("rec.edf");
    EXPECT_TRUE(RecWriteEdf(&rec, strPath.c_str(), szError, sizeof(szError))) << szError;
    RECORDING back;
    EXPECT_TRUE(RecRead(strPath.c_str(), &back, szError, sizeof(szError))) << szError;
    EXPECT_TRUE(RecLoadPage(&back, 0, RecWholeSeconds(&back), szError, sizeof(szError))) << szError;
    return back;
}

TEST(EdfRoundTrip, BuiltInRecordingComesBackUnchanged)
{
    TempFolder tmp;
    RECORDING rec;
    RecMakeDemo(&rec);
    RECORDING back = RoundTrip(rec, tmp);
    EXPECT_STREQ("EDF+", back.szFormat);
    EXPECT_STREQ("Demo", back.szPatientName);
    EXPECT_STREQ("DEMO-0001", back.szPatientId);
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(rec.anStart[i], back.anStart[i]) << "start field " << i;
    EXPECT_EQ(1, back.nSkipped);   // the annotation channel
    EXPECT_DOUBLE_EQ(DEMO_SECONDS, back.dDuration);
    ASSERT_EQ(rec.aChannels.size(), back.aChannels.size());
    for (size_t c = 0; c < rec.aChannels.size(); c++) {
        const RECCHANNEL &a = rec.aChannels[c], &b = back.aChannels[c];
        EXPECT_STREQ(a.szLabel, b.szLabel);
        EXPECT_EQ(a.wSignalType, b.wSignalType) << a.szLabel;
        EXPECT_EQ(a.nRate, b.nRate) << a.szLabel;
        EXPECT_EQ(a.nCalValue, b.nCalValue) << a.szLabel;
        EXPECT_EQ(a.nCalHeight, b.nCalHeight) << a.szLabel;
        EXPECT_TRUE(a.aSamples == b.aPage) << a.szLabel;
    }
}

TEST(EdfRoundTrip, SlowerChannelKeepsItsOwnRate)
{
    TempFolder tmp;
    RECORDING rec = ShortDemo(4);
    rec.aChannels.resize(2);
    RECCHANNEL &slow = rec.aChannels[1];
    slow.nRate = 250;
    slow.aSamples.resize(250 * 4);
    for (size_t i = 0; i < slow.aSamples.size(); i++)
        slow.aSamples[i] = (short)(i * 7 - 3000);
    RECORDING back = RoundTrip(rec, tmp);
    ASSERT_EQ(2u, back.aChannels.size());
    EXPECT_EQ(500u, RecBaseRate(&back));
    EXPECT_EQ(250u, back.aChannels[1].nRate);
    EXPECT_TRUE(slow.aSamples == back.aChannels[1].aPage);
    EXPECT_TRUE(rec.aChannels[0].aSamples == back.aChannels[0].aPage);
}

// A recording file damaged in a way the reader must refuse.
typedef struct tagDAMAGE {
    const char *pszName;
    std::string (*pfnMake)(const std::string &strGood);
} DAMAGE;

static std::string Empty(const std::string &) { return ""; }
static std::string HeaderOnly(const std::string &s) { return s.substr(0, 256); }
static std::string CutInData(const std::string &s) { return s.substr(0, s.size() / 2 + 1); }
static std::string LastRecordShort(const std::string &s) { return s.substr(0, s.size() - 10); }
static std::string Garbage(const std::string &s) { return std::string(s.size() / 100, '\x5a'); }
static std::string WrongSignalCount(const std::string &s)
{
    std::string t = s;
    t.replace(252, 4, "999 ");
    return t;
}

// Field f (0 = label .. 9 = reserved) of signal 0 in an EDF header.
static size_t SignalField(const std::string &s, int f)
{
    static const size_t acb[] = {16, 80, 8, 8, 8, 8, 8, 80, 8, 32};
    size_t ns = (size_t)atoi(s.substr(252, 4).c_str()), nOffset = 256;
    for (int i = 0; i < f; i++)
        nOffset += acb[i] * ns;
    return nOffset;
}
static std::string Patched(std::string s, size_t nOffset, const char *pszField)
{
    return s.replace(nOffset, strlen(pszField), pszField);
}
static std::string BadHeaderSize(const std::string &s) { return Patched(s, 184, "bogus   "); }
static std::string NoSignals(const std::string &s) { return Patched(s, 252, "0   "); }
static std::string NoSamples(const std::string &s) { return Patched(s, SignalField(s, 8), "0       "); }
static std::string TextInRange(const std::string &s) { return Patched(s, SignalField(s, 3), "low     "); }
static std::string BadStartTime(const std::string &s) { return Patched(s, 176, "1x"); }

TEST(RecordingReader, RefusesDamagedFiles)
{
    TempFolder tmp;
    RECORDING rec = ShortDemo(20);
    char szError[512];
    std::string strGood = tmp.Path("good.edf");
    ASSERT_TRUE(RecWriteEdf(&rec, strGood.c_str(), szError, sizeof(szError))) << szError;
    std::string strBytes = ReadWhole(strGood);
    static const DAMAGE aDamage[] = {
        {"empty", Empty},           {"header only", HeaderOnly},     {"cut in the data", CutInData},
        {"last record short", LastRecordShort}, {"garbage", Garbage}, {"wrong signal count", WrongSignalCount},
        {"bad header size", BadHeaderSize},     {"no signals", NoSignals},       {"no samples", NoSamples},
        {"text in range", TextInRange},         {"bad start time", BadStartTime},
    };
    for (const DAMAGE &d : aDamage) {
        std::string strPath = tmp.Path("bad.edf");
        WriteWhole(strPath, d.pfnMake(strBytes));
        RECORDING bad;
        szError[0] = '\0';
        EXPECT_FALSE(RecRead(strPath.c_str(), &bad, szError, sizeof(szError))) << d.pszName;
        EXPECT_NE(nullptr, strstr(szError, "bad.edf")) << d.pszName << ": " << szError;
    }
    RECORDING missing;
    EXPECT_FALSE(RecRead(tmp.Path("none.edf").c_str(), &missing, szError, sizeof(szError)));
    EXPECT_NE(nullptr, strstr(szError, "No such file")) << szError;
}

TEST(RecordingReader, RealEdfPlusFiles)
{
    std::string strRest = SharedRecording("Subject05_1.edf");
    std::string strMotor = SharedRecording("S001R01.edf");
    if (strRest.empty() || strMotor.empty())
        GTEST_SKIP() << "shared recordings not found under " << QF_SHARED_DIR;
    char szError[512];
    RECORDING rest, motor;
    ASSERT_TRUE(RecRead(strRest.c_str(), &rest, szError, sizeof(szError))) << szError;
    ASSERT_TRUE(RecRead(strMotor.c_str(), &motor, szError, sizeof(szError))) << szError;

    EXPECT_STREQ("EDF+", rest.szFormat);
    ASSERT_EQ(21u, rest.aChannels.size());
    EXPECT_DOUBLE_EQ(182.0, rest.dDuration);
    const RECCHANNEL &o1 = rest.aChannels[RecFindLabel(&rest, "O1")];
    EXPECT_EQ(500u, o1.nRate);
    EXPECT_EQ(91000u, RecChannelSamples(&o1));
    EXPECT_NEAR((77.16227 + 62.908) / 65535.0, o1.dUvPerStep, 1e-9);
    EXPECT_NEAR(o1.dUvPerStep, (double)o1.nCalValue / o1.nCalHeight, o1.dUvPerStep * 1e-4);
    const RECCHANNEL &ecg = rest.aChannels[RecFindLabel(&rest, "ECG")];
    EXPECT_EQ(2, ecg.wSignalType);
    EXPECT_NEAR((0.635614 + 0.35857) / 65535.0 * 1000.0, ecg.dUvPerStep, 1e-9);   // mV read as uV

    ASSERT_EQ(64u, motor.aChannels.size());
    EXPECT_EQ(160u, RecBaseRate(&motor));
    EXPECT_EQ(61u, RecWholeSeconds(&motor));
    for (const RECCHANNEL &ch : motor.aChannels) {
        EXPECT_EQ(4, ch.wSignalType) << ch.szFileLabel;
        EXPECT_EQ(ch.nCalValue, ch.nCalHeight) << ch.szFileLabel;   // exactly 1 uV per step
    }
    EXPECT_EQ(60, RecFindLabel(&motor, "O1"));
    const int anStart[6] = {2009, 8, 12, 16, 15, 0};   // a whole second, not one early
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(anStart[i], motor.anStart[i]) << "start field " << i;
}

// Power of x in [fLo, fHi] Hz from the DFT of 2-s blocks.
static double BandPower(const std::vector<short> &x, double fLo, double fHi)
{
    const size_t n = 2 * DEMO_RATE;
    double dSum = 0.0;
    for (size_t start = 0; start + n <= x.size(); start += n) {
        for (size_t k = (size_t)(fLo * 2); k <= (size_t)(fHi * 2); k++) {
            std::complex<double> acc = 0.0;
            for (size_t i = 0; i < n; i++)
                acc += (double)x[start + i] * std::polar(1.0, -2.0 * PI * (double)k * i / n);
            dSum += std::norm(acc);
        }
    }
    return dSum;
}

TEST(BuiltInRecording, IsDeterministicAndHasItsRhythms)
{
    RECORDING a, b;
    RecMakeDemo(&a);
    RecMakeDemo(&b);
    for (size_t c = 0; c < a.aChannels.size(); c++)
        ASSERT_TRUE(a.aChannels[c].aSamples == b.aChannels[c].aSamples) << a.aChannels[c].szLabel;

    // The first 20 s are enough to see where each rhythm sits.
    RECORDING rec = ShortDemo(20);
    auto share = [&](const char *pszLabel, double fLo, double fHi) {
        const std::vector<short> &x = rec.aChannels[RecFindLabel(&rec, pszLabel)].aSamples;
        return BandPower(x, fLo, fHi) / BandPower(x, 0.5, 30.0);
    };
    EXPECT_GT(share("O1", 8, 13), 2.0 * share("Fp1", 8, 13));
    EXPECT_GT(share("O1", 8, 13), 0.5);
    EXPECT_GT(share("Fp1", 0.5, 4), 2.0 * share("O1", 0.5, 4));   // blinks
    EXPECT_GT(share("Fz", 4, 8), share("O1", 4, 8));
    EXPECT_GT(share("F3", 13, 30), share("O1", 13, 30));
    const std::vector<short> &o1 = rec.aChannels[RecFindLabel(&rec, "O1")].aSamples;
    EXPECT_GT(BandPower(o1, 50, 50), 10.0 * BandPower(o1, 45, 45));   // mains
    for (const RECCHANNEL &ch : rec.aChannels) {
        for (short s : ch.aSamples)
            ASSERT_TRUE(s > -32768 && s < 32767) << ch.szLabel << " clips";
    }
}

// A BDF file written with BioSig: 24-bit values 256 times the steps wanted.
static void WriteBdf(const std::string &strPath, const std::vector<int> &anDigital)
{
    HDRTYPE *hdr = constructHDR(1, 0);
    hdr->TYPE = BDF;
    hdr->FLAG.UCAL = 1;
    hdr->SampleRate = 256;
    hdr->SPR = 256;
    hdr->NRec = (nrec_t)(anDigital.size() / 256);
    CHANNEL_TYPE *pCh = &hdr->CHANNEL[0];
    strcpy(pCh->Label, "Fz");
    pCh->OnOff = 1;
    pCh->SPR = 256;
    pCh->GDFTYP = 255 + 24;
    pCh->DigMin = -8388608;
    pCh->DigMax = 8388607;
    pCh->PhysMin = -262144;   // 1/32 uV per 24-bit step
    pCh->PhysMax = 262143.96875;
    pCh->Cal = 1.0 / 32;
    pCh->PhysDimCode = PhysDimCode("uV");
    hdr = sopen(strPath.c_str(), "w", hdr);
    std::vector<double> ad(anDigital.begin(), anDigital.end());
    swrite(ad.data(), hdr->NRec, hdr);
    sclose(hdr);
    destructHDR(hdr);
}

// A BDF file from another writer, its 24-bit values mapped to fine steps:
// every sample comes back in microvolts within half a step, and the
// calibration pair carries exactly that step.
TEST(RecordingReader, BdfFromAnotherWriterKeepsItsResolution)
{
    TempFolder tmp;
    std::vector<int> anDigital(512);
    for (size_t i = 0; i < anDigital.size(); i++)
        anDigital[i] = 3000000 + ((int)i - 256) * 97 + (i % 2 ? 5 : -5);   // a slope on a large offset
    WriteBdf(tmp.Path("rec.bdf"), anDigital);
    RECORDING rec;
    char szError[256];
    ASSERT_TRUE(RecRead(tmp.Path("rec.bdf").c_str(), &rec, szError, sizeof(szError))) << szError;
    EXPECT_STREQ("BDF+", rec.szFormat);   // BioSig writes BDF+
    ASSERT_EQ(1u, rec.aChannels.size());
    std::string strNotes;
    ASSERT_TRUE(RecStreamFitSteps(&rec, 1024, &strNotes, szError, sizeof(szError))) << szError;
    ASSERT_TRUE(RecLoadPage(&rec, 0, 2, szError, sizeof(szError))) << szError;
    const RECCHANNEL &ch = rec.aChannels[0];
    EXPECT_DOUBLE_EQ((double)ch.nCalValue / ch.nCalHeight, ch.dUvPerStep);
    EXPECT_LT(ch.dUvPerStep, 0.25);   // the whole swing of 1550 uV in thousands of steps
    double dMiddle = (anDigital.front() + anDigital.back()) / 2.0;
    for (size_t i = 0; i < 512; i++)
        ASSERT_NEAR((anDigital[i] - dMiddle) / 32.0, ch.aPage[i] * ch.dUvPerStep, ch.dUvPerStep) << i;
}
