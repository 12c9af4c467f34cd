// EDF and BDF read page by page: the decoder, the fine steps, the page
// lengths, and files that are odd, damaged or changing.
#include <gtest/gtest.h>

#include <math.h>
#include <string.h>
#include <unistd.h>

#include "chaninfo.h"
#include "edffile.h"
#include "hosttest.h"
#include "pagefit.h"
#include "recread.h"
#include "recstream.h"

static TESTSIGNAL Signal(const char *pszLabel, int nPerRecord, int nRecords, int (*pfnValue)(size_t))
{
    TESTSIGNAL sig = {pszLabel, -3276.8, 3276.7, -32768, 32767, nPerRecord, {}, {}};
    for (size_t i = 0; i < (size_t)nPerRecord * nRecords; i++)
        sig.anDigital.push_back(pfnValue(i));
    return sig;
}

static int Wave(size_t i) { return (int)(1000.0 * sin(0.05 * (double)i)) + 7000; }
static int Constant(size_t) { return -5; }
static int Clipping(size_t i) { return i % 100 < 10 ? 32767 : (int)(i % 100) * 100; }

static RECORDING Open(const std::string &strPath)
{
    RECORDING rec;
    char szError[256] = "";
    EXPECT_TRUE(RecRead(strPath.c_str(), &rec, szError, sizeof(szError))) << szError;
    return rec;
}

TEST(EdfDecoder, SamplesAndAnnotationLists)
{
    static const unsigned char ab24[] = {0xff, 0xff, 0xff, 0x00, 0x00, 0x80, 0xff, 0xff, 0x7f};
    EXPECT_EQ(-1, EdfSample(ab24, TRUE));
    EXPECT_EQ(-8388608, EdfSample(ab24 + 3, TRUE));
    EXPECT_EQ(8388607, EdfSample(ab24 + 6, TRUE));
    EXPECT_EQ(-1, EdfSample(ab24, FALSE));
    static const struct {
        const char *pszTals;
        size_t cb;
        BOOL bOk;
        size_t nAnnotations;
    } aCase[] = {
        {"+0\x14\x14\0\0\0", 7, TRUE, 1},
        {"+12.5\x14\x14\0+13\x15" "0.25\x14" "Blink\x14" "Eyes\x14\0", 30, TRUE, 3},
        {"+1\x14" "Blink", 8, FALSE, 0},      // ends inside a text
        {"12\x14\x14\0", 5, FALSE, 0},        // an onset without its sign
        {"+1\x15-2\x14\x14\0", 8, FALSE, 0},  // a negative duration
    };
    for (const auto &c : aCase) {
        std::vector<EDFANNOTATION> aAnn;
        EXPECT_EQ(c.bOk, EdfParseTals((const unsigned char *)c.pszTals, c.cb, &aAnn)) << c.pszTals;
        EXPECT_EQ(c.nAnnotations, aAnn.size()) << c.pszTals;
    }
    std::vector<EDFANNOTATION> aAnn;
    EdfParseTals((const unsigned char *)"+13\x15" "0.25\x14" "Blink\x14\0", 16, &aAnn);
    ASSERT_EQ(1u, aAnn.size());
    EXPECT_DOUBLE_EQ(13.0, aAnn[0].dOnset);
    EXPECT_DOUBLE_EQ(0.25, aAnn[0].dDuration);
    EXPECT_EQ("Blink", aAnn[0].strText);
}

TEST(PageLength, NearestTenSecondsThatSuitsTheFFTSize)
{
    static const struct {
        DWORD nRate, nPoints;
        BOOL bSection;
        DWORD nDefault;
    } aCase[] = {
        {500, 1024, FALSE, 10}, {125, 1024, FALSE, 8}, {160, 1024, FALSE, 13}, {125, 512, FALSE, 8},   // 8 and 12 tie
        {60, 1024, TRUE, 18},   {250, 4096, FALSE, 16}, {1, 16384, FALSE, 0},  {500, 1000, FALSE, 0},
    };
    for (const auto &c : aCase)
        EXPECT_EQ(c.nDefault, PageDefault(c.nRate, c.nPoints, c.bSection)) << c.nRate << " Hz, " << c.nPoints;
    EXPECT_TRUE(PageFits(2, 500, 1024, FALSE));    // 24 short of 1024: within 5 %
    EXPECT_FALSE(PageFits(2, 500, 1024, TRUE));
    EXPECT_FALSE(PageFits(10, 500, 4096, FALSE));  // 1000 left after a block of 4000
}

TEST(FineStep, ContentFillsTheLimitAndNoMore)
{
    static const struct {
        double dUvPerDigital;
        int nMin, nMax;
        DWORD nRate, nPoints;
    } aCase[] = {
        {0.0223517, 1300000, 1340000, 125, 1024}, {1.0, -12, 15, 500, 1024}, {0.1, -32768, 32767, 500, 16384},
        {-0.5, 100, 3000, 256, 256},
    };
    for (const auto &c : aCase) {
        CHSTEP step;
        ASSERT_TRUE(ChFineStep(c.dUvPerDigital, c.nMin, c.nMax, c.nRate, c.nPoints, &step));
        EXPECT_EQ(step.dUvPerStep, (double)step.nCalValue / step.nCalHeight);
        double dLimit = ChStepLimit(c.nRate, c.nPoints);
        double dHigh = (c.nMax - step.dOffset) * step.dStepsPerDigital, dLow = (c.nMin - step.dOffset) * step.dStepsPerDigital;
        EXPECT_LE(fmax(fabs(dHigh), fabs(dLow)), dLimit) << c.nMin << ".." << c.nMax;
        EXPECT_GE(fmax(fabs(dHigh), fabs(dLow)), 0.999 * dLimit) << c.nMin << ".." << c.nMax;
        EXPECT_EQ(c.dUvPerDigital < 0, dHigh < 0) << "sign of " << c.dUvPerDigital;
    }
    // Density scaling of 16384 points at 125 Hz and the sum of 100
    // spectra: a full-scale sine's Hann peak line (a third of the squared
    // amplitude) stays inside 32 bits.
    double dLimit = ChStepLimit(125, 16384);
    EXPECT_LT(100.0 * dLimit * dLimit / 3.0 * 16384 / 125, 2147483647.0);
}

// Channels at two rates, a flat one, a clipping one and one without a
// digital range: each is read or named, none is silently wrong.
TEST(RecordingStream, OddChannelsAreReadOrNamed)
{
    TempFolder tmp;
    TESTSIGNAL empty = Signal("EEG Pz", 500, 6, Constant);
    empty.nDigMin = empty.nDigMax = 0;
    WriteWhole(tmp.Path("odd.edf"), EdfBytes(false, "EDF+C", 1.0, {Signal("EEG O1", 500, 6, Wave),
               Signal("EEG Fz", 250, 6, Wave), Signal("EEG Cz", 500, 6, Constant), Signal("EEG C3", 500, 6, Clipping), empty}));
    RECORDING rec = Open(tmp.Path("odd.edf"));
    ASSERT_EQ(4u, rec.aChannels.size());
    EXPECT_EQ(1, rec.nSkipped);
    EXPECT_NE(std::string::npos, rec.strNotes.find("'EEG Pz' left out: its digital minimum is not below")) << rec.strNotes;
    std::string strNotes;
    char szError[256];
    ASSERT_TRUE(RecStreamFitSteps(&rec, 1024, &strNotes, szError, sizeof(szError))) << szError;
    EXPECT_NE(std::string::npos, strNotes.find("'EEG Cz' is flat (every sample is -5)")) << strNotes;
    EXPECT_NE(std::string::npos, strNotes.find("'EEG C3' clips: 270 samples")) << strNotes;
    EXPECT_EQ(std::string::npos, strNotes.find("'EEG O1'")) << strNotes;
    ASSERT_TRUE(RecLoadPage(&rec, 4, 2, szError, sizeof(szError))) << szError;
    EXPECT_EQ(1000u, rec.aChannels[0].aPage.size());
    EXPECT_EQ(500u, rec.aChannels[1].aPage.size());
    for (size_t i = 0; i < 500; i++) {
        double dUv = (Wave(1000 + i) - 7000) * 0.1;   // the offset removed
        ASSERT_NEAR(dUv, rec.aChannels[1].aPage[i] * rec.aChannels[1].dUvPerStep, 0.1) << i;
        ASSERT_EQ(0, rec.aChannels[2].aPage[i]);
    }
}

TEST(RecordingStream, FileChangingWhileRead)
{
    TempFolder tmp;
    std::string strBytes = EdfBytes(false, "", 1.0, {Signal("EEG O1", 200, 10, Wave)});
    WriteWhole(tmp.Path("rec.edf"), strBytes);
    RECORDING rec = Open(tmp.Path("rec.edf"));
    char szError[256];
    ASSERT_TRUE(RecLoadPage(&rec, 8, 2, szError, sizeof(szError))) << szError;
    std::vector<short> anLast = rec.aChannels[0].aPage;
    WriteWhole(tmp.Path("rec.edf"), strBytes + std::string(4000, '\x55'));   // grows: read as it was
    ASSERT_TRUE(RecLoadPage(&rec, 8, 2, szError, sizeof(szError))) << szError;
    EXPECT_TRUE(anLast == rec.aChannels[0].aPage);
    EXPECT_EQ(10u, RecWholeSeconds(&rec));
    ASSERT_EQ(0, truncate(tmp.Path("rec.edf").c_str(), (off_t)strBytes.size() - 500));   // shrinks
    EXPECT_FALSE(RecLoadPage(&rec, 8, 2, szError, sizeof(szError)));
    EXPECT_NE(nullptr, strstr(szError, "rec.edf: the file became shorter while it was read")) << szError;

    // Written with the record count still unknown (-1), cut inside a record:
    // the whole records are read.
    std::string strOpen = strBytes.substr(0, strBytes.size() - 300);
    strOpen.replace(236, 8, "-1      ");
    WriteWhole(tmp.Path("open.edf"), strOpen);
    RECORDING open = Open(tmp.Path("open.edf"));
    EXPECT_EQ(9u, RecWholeSeconds(&open));
}

TEST(RecordingStream, DiscontinuousFileReadOnlyWithoutGaps)
{
    TempFolder tmp;
    TESTSIGNAL ann = {"EDF Annotations", -1, 1, -32768, 32767, 30, {}, {0, 2, 4, 6, 8}};
    TESTSIGNAL eeg = Signal("EEG O1", 500, 5, Wave);
    char szError[256];
    std::string strNotes;
    WriteWhole(tmp.Path("d.edf"), EdfBytes(false, "EDF+D", 2.0, {ann, eeg}));
    RECORDING rec = Open(tmp.Path("d.edf"));
    EXPECT_TRUE(RecStreamFitSteps(&rec, 1024, &strNotes, szError, sizeof(szError))) << szError;
    ann.adOnset[3] = 7.5;
    WriteWhole(tmp.Path("gap.edf"), EdfBytes(false, "EDF+D", 2.0, {ann, eeg}));
    RECORDING gap = Open(tmp.Path("gap.edf"));
    EXPECT_FALSE(RecStreamFitSteps(&gap, 1024, &strNotes, szError, sizeof(szError)));
    EXPECT_NE(nullptr, strstr(szError, "with a gap at 6.000 s (data record 4)")) << szError;
}

// Samples held in memory (the built-in recording, BioSig's formats) get the
// same fine steps: a small content finer, a full-range one coarser, each
// still the same microvolts.
TEST(FineStep, HeldSamplesKeepTheirMicrovolts)
{
    for (double dAmplitude : {20.0, 32767.0}) {
        RECORDING rec;
        RECCHANNEL ch = {};
        strcpy(ch.szFileLabel, "EEG O1");
        ch.nRate = 500;
        ch.dUvPerStep = 0.5;
        for (int i = 0; i < 1000; i++)
            ch.aSamples.push_back((short)floor(dAmplitude * sin(0.1 * i) + 0.5));
        rec.aChannels.push_back(ch);
        std::vector<short> anBefore = ch.aSamples;
        std::string strNotes;
        char szError[128];
        ASSERT_TRUE(RecFitSteps(&rec, 1024, &strNotes, szError, sizeof(szError)));
        const RECCHANNEL &fit = rec.aChannels[0];
        EXPECT_EQ(fit.dUvPerStep, (double)fit.nCalValue / fit.nCalHeight);
        for (size_t i = 0; i < anBefore.size(); i++) {
            ASSERT_LE(abs(fit.aSamples[i]), ChStepLimit(500, 1024)) << dAmplitude;
            ASSERT_NEAR(anBefore[i] * 0.5, fit.aSamples[i] * fit.dUvPerStep, fit.dUvPerStep) << dAmplitude << ", " << i;
        }
    }
}
