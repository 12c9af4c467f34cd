// Each channel reaches the plug-in at a step fine enough for its content
// and coarse enough that no spectrum, single or summed by ADD, saturates:
// the band shares of the averaged spectrum agree with a float computation
// on the file's own digital values.
#include <gtest/gtest.h>

#include <math.h>

#include "hosttest.h"
#include "report.h"

static const double PI = 3.14159265358979323846;

// A deterministic signal in uV: rhythms at 6, 10 and 20 Hz and white noise.
typedef struct tagCONTENT {
    double dTheta, dAlpha, dBeta, dNoise;
} CONTENT;

static std::vector<double> Content(const CONTENT &c, int nRate, int nSeconds)
{
    std::vector<double> ad((size_t)nRate * nSeconds);
    unsigned nSeed = 12345;
    for (size_t i = 0; i < ad.size(); i++) {
        double t = (double)i / nRate, dNoise = 0.0;
        for (int j = 0; j < 4; j++) {   // a sum of uniforms: near-Gaussian noise
            nSeed = nSeed * 1103515245u + 12345u;
            dNoise += ((nSeed >> 8) & 0xffff) / 65536.0 - 0.5;
        }
        ad[i] = c.dTheta * sin(2 * PI * 6 * t) + c.dAlpha * sin(2 * PI * 10 * t + 1) + c.dBeta * sin(2 * PI * 20 * t + 2)
              + c.dNoise * dNoise;
    }
    return ad;
}

// Band shares of the mean Hann spectrum over whole blocks of nBlock
// samples zero-padded to nPoints, as the report's averaged spectrum has
// them: lines from each band's minimum to its maximum (truncated) against
// the lines up to 30 Hz.
static std::vector<double> FloatShares(const std::vector<int> &anDigital, int nRate, int nBlock, int nPoints,
                                       const REPORT &report)
{
    double dStep = (double)nRate / nPoints;
    size_t nLines = (size_t)(30.0 / dStep) + 1;
    std::vector<double> adPower(nLines, 0.0);
    for (size_t nStart = 0; nStart + (size_t)nBlock <= anDigital.size(); nStart += (size_t)nBlock) {
        double dMean = 0.0;
        for (int i = 0; i < nBlock; i++)
            dMean += anDigital[nStart + (size_t)i] / (double)nBlock;
        for (size_t k = 0; k < nLines; k++) {
            double dRe = 0.0, dIm = 0.0;
            for (int i = 0; i < nBlock; i++) {
                double w = 0.5 - 0.5 * cos(2 * PI * i / nBlock);
                double x = (anDigital[nStart + (size_t)i] - dMean) * w, a = 2 * PI * (double)k * i / nPoints;
                dRe += x * cos(a);
                dIm -= x * sin(a);
            }
            adPower[k] += (k ? 2.0 : 1.0) * (dRe * dRe + dIm * dIm);
        }
    }
    double dTotal = 0.0;
    for (double d : adPower)
        dTotal += d;
    std::vector<double> adShare;
    for (size_t b = 0; b < report.aBands.size(); b++) {
        double dBand = 0.0;
        for (size_t k = (size_t)floor(report.adBandMin[b] / dStep + 1e-6);
             k <= (size_t)floor(report.adBandMax[b] / dStep + 1e-6) && k < nLines; k++)
            dBand += adPower[k];
        adShare.push_back(dBand * 100.0 / dTotal);
    }
    return adShare;
}

typedef struct tagRESCASE {
    const char *pszName;
    bool bBdf;
    int nRate, nSeconds;
    double dUvPerDigital;
    double dOffsetUv;              // DC offset of the content
    CONTENT content;
    int nBlock;                    // the plug-in's block for 1024 points
    const char *pszArguments;
    const char *pszExpected;       // in the summary
} RESCASE;

static void ExpectSharesAsFloat(const RESCASE &c)
{
    TempFolder tmp;
    int nDigMax = c.bBdf ? 8388607 : 32767;
    TESTSIGNAL sig = {"EEG O1", -nDigMax * c.dUvPerDigital, nDigMax * c.dUvPerDigital, -nDigMax, nDigMax, c.nRate, {}, {}};
    for (double dUv : Content(c.content, c.nRate, c.nSeconds)) {
        double d = floor((dUv + c.dOffsetUv) / c.dUvPerDigital + 0.5);
        sig.anDigital.push_back((int)fmax(-nDigMax, fmin(nDigMax, d)));
    }
    std::string strPath = tmp.Path(c.bBdf ? "rec.bdf" : "rec.edf");
    WriteWhole(strPath, EdfBytes(c.bBdf, "", 1.0, {sig}));
    RUNOUTPUT out = RunHost("analyze " + strPath + " " + c.pszArguments + " --settings " + tmp.Path("settings")
                            + " --out " + tmp.Path("out"));
    ASSERT_EQ(0, out.nExit) << c.pszName << ": " << out.strErr;
    EXPECT_NE(std::string::npos, (out.strOut + out.strErr).find(c.pszExpected)) << c.pszName << ":\n" << out.strOut << out.strErr;
    REPORT report;
    char szError[256];
    ASSERT_TRUE(ReportRead(tmp.Path("out/report.csv").c_str(), &report, szError, sizeof(szError))) << szError;
    FREQRANGES ranges = {0.0, 30.0, 1.0, 30.0, 80.0, 0.0, 30.0};
    ReportComputeFrequencies(&report, &ranges);
    ASSERT_EQ(1u, report.aChannels.size()) << c.pszName;
    std::vector<double> adFloat = FloatShares(sig.anDigital, c.nRate, c.nBlock, 1024, report);
    for (size_t b = 0; b < report.aBands.size(); b++)
        EXPECT_NEAR(adFloat[b], report.aChannels[0].adAvgPercent[b], 1.0) << c.pszName << ", " << report.aBands[b];
}

TEST(Resolution, BandSharesAsInFloat)
{
    if (!QF_PLUGIN_WRITES_REPORTS)
        GTEST_SKIP() << "the plug-in writes no reports yet";
    static const RESCASE aCase[] = {
        // 24 bits at 0.022 uV on a 30 mV offset, 125 Hz: 8-s pages by default
        // and density scaling at 1024 / 125 lines per hertz.
        {"small alpha on a large offset", true, 125, 80, 0.0223517, 30000.0, {3.0, 8.0, 1.5, 2.0}, 1000, "",
         "pages of 8 s"},
        // 16 bits at 1 uV, the content within +-15 digital units.
        {"coarse 16-bit channel", false, 500, 60, 1.0, 0.0, {2.0, 6.0, 1.0, 1.5}, 1000, "", "6 sections added"},
        // The whole 16-bit range, 2-s pages, ADD past the plug-in's 100.
        {"channel filling its range", false, 500, 220, 0.1, 0.0, {100.0, 2900.0, 150.0, 50.0}, 1000,
         "--page-seconds 2", "100 sections added (average count 100), 10 refused: ADD refused"},
    };
    for (const RESCASE &c : aCase)
        ExpectSharesAsFloat(c);
}

TEST(Resolution, PageLengthThatDoesNotSuitTheFFTSizeExitsTwo)
{
    TempFolder tmp;
    TESTSIGNAL sig = {"EEG O1", -3276.8, 3276.7, -32768, 32767, 125, std::vector<int>(125 * 20, 0), {}};
    WriteWhole(tmp.Path("rec.edf"), EdfBytes(false, "", 1.0, {sig}));
    RUNOUTPUT out = RunHost("analyze " + tmp.Path("rec.edf") + " --page-seconds 10 --settings " + tmp.Path("s")
                            + " --out " + tmp.Path("out"));
    EXPECT_EQ(2, out.nExit);
    EXPECT_NE(std::string::npos, out.strErr.find("10 does not suit 1024 FFT points at 125 Hz in page mode; "
                                                "the nearest lengths that do: 8 s shorter, 16 s longer")) << out.strErr;
}
