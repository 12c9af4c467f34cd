// The CSV report written from records built here: the worked example byte
// for byte, the text rules, the edge cases of the tables, the working
// buffer's growth, and the save dialog's proposal and result codes.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "drive.h"
#include "export/csvsave.h"
#include "fftgrph/fftgrph.h"

class CsvReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        DriveClearLogs();
        CsvSaveInit();
        m_folder = std::filesystem::temp_directory_path() /
                   ("qfftana-export-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_pData.reset(new FFTVIEWDATA());
        // The FFT object only tells the line width: 512 Hz / 1024 points.
        m_hFFT = FgCreate(10);
        FgSetChannelSize(m_hFFT, 2, 0, 10);
        FgInitChannel(m_hFFT, 0);
        FgSetParam(m_hFFT, FG_PARAM_RATE, 0, 512);
        FillWorkedExample();
    }
    void TearDown() override
    {
        for (ANALYCHANNEL &ch : m_pData->aAnalyCh) {
            if (ch.hAddSumBuf != NULL)
                GlobalFree(ch.hAddSumBuf);
        }
        FgDestroy(m_hFFT);
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    // Two channels titled C3 and C4, bands theta and alpha, two add-log
    // entries, the host's texts and date; the sums give 12.34 and 5.67 at
    // 0.50 Hz.
    void FillWorkedExample()
    {
        FFTVIEWDATA &d = *m_pData;
        d.wAnalyState = 2;
        d.wAnalyCh = 2;
        d.nFFTPoint = 1024;
        d.nFreqMax = 3000;
        d.hFFTWork = m_hFFT;
        strcpy(d.szHostText15, "REC0001");
        strcpy(d.szHostText13, "ID-0001");
        strcpy(d.szHostText14, "TEST");
        const DWORD anDate[6] = {2024, 3, 7, 14, 5, 9};
        memcpy(d.anHostItem17, anDate, sizeof(anDate));
        const char *apszTitle[2] = {"C3", "C4"};
        const LONG alSum[2] = {1234, 567};
        for (int j = 0; j < 2; j++) {
            ANALYCHANNEL &ch = d.aAnalyCh[j];
            ch.nHostCh = j;
            strcpy(ch.szChTitle, apszTitle[j]);
            strcpy(ch.szLabel, apszTitle[j]);
            ch.nCalValue = ch.nCalHeight = 1;
            ch.nDispMaxFreq = 3000;
            ch.nSizeCode = 10;
            ch.nChFFTPoint = 1024;
            ch.nShowLines = 3;
            ch.nChAddCount = 100;
            ch.hAddSumBuf = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (1024 + 16) * 16);
            LONG *plSum = (LONG *)GlobalLock(ch.hAddSumBuf);
            plSum[1] = alSum[j];
            GlobalUnlock(ch.hAddSumBuf);
        }
        for (int j = 2; j < 8; j++)
            d.aAnalyCh[j].nHostCh = -1;
        SetBand(0, "theta", 400, 800, 12.5f, 3.25f);
        SetBand(1, "alpha", 800, 1300, 20.0f, 150.2f);
        d.nAddCount = 2;
        const WORD aw[4][4] = {{0, 0, 10, 0}, {0, 0, 20, 5}, {0, 1, 0, 0}, {0, 1, 10, 0}};
        for (int k = 0; k < 2; k++) {
            memcpy(d.aAddLog[k].awStartTime, aw[2 * k], sizeof(aw[0]));
            memcpy(d.aAddLog[k].awStopTime, aw[2 * k + 1], sizeof(aw[0]));
        }
    }
    void SetBand(int b, const char *pszLabel, DWORD nMin, DWORD nMax, float f0, float f1)
    {
        FREQBAND &band = m_pData->aBand[b];
        band.wEnable = band.wShow = 1;
        strcpy(band.szLabel, pszLabel);
        band.nMinFreq = nMin;
        band.nMaxFreq = nMax;
        band.afLastBandPower[0] = f0;
        band.afLastBandPower[1] = f1;
        band.afBandPercent[0] = 10.0f * (b + 1);
        band.afBandPercent[1] = 5.0f * (b + 1);
    }

    // Saves to sName in the test folder; the result code, the text in *ps.
    int Save(std::string *psText, const char *pszName = "report.csv")
    {
        std::string sPath = (m_folder / pszName).string();
        DriveOnNextFileDialog(sPath.c_str());
        int nResult = CsvSaveReport(NULL, m_pData.get());
        std::ifstream in(sPath, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        *psText = text.str();
        return nResult;
    }
    // The lines between the one that is sTitle and the next empty line.
    static std::string Section(const std::string &sText, const std::string &sTitle)
    {
        size_t nStart = sText.find(sTitle + "\r\n");
        if (nStart == std::string::npos)
            return "(missing " + sTitle + ")";
        size_t nEnd = sText.find("\r\n\r\n", nStart);
        return sText.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd + 2 - nStart);
    }

    std::filesystem::path m_folder;
    std::unique_ptr<FFTVIEWDATA> m_pData;
    DWORD m_hFFT = 0;
};

TEST_F(CsvReport, WorkedExampleFirstSectionByteForByte)
{
    std::string sText;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    const std::string sExpected =
        "FileName,REC0001\r\n"
        "Name1,ID-0001\r\n"
        "Name2,TEST\r\n"
        "Date, 2024/03/07, 14:05:09\r\n"
        "\r\n"
        "Average Count,2\r\n"
        "Count No.,Start Time,Stop Time\r\n"
        "1, 00:00:10.000, 00:00:20.500\r\n"
        "2, 00:01:00.000, 00:01:10.000\r\n"
        "\r\n"
        "Band Power(uV^2)\r\n"
        "Band Name,Min Freq(Hz),Max Freq(Hz),CH1(C3),CH2(C4)\r\n"
        "theta,4.00,8.00,   12.50,    3.25\r\n"
        "alpha,8.00,13.00,   20.00,  150.20\r\n"
        "\r\n"
        "\r\n";
    EXPECT_EQ(sText.substr(0, sExpected.size()), sExpected);
    EXPECT_EQ(Section(sText, "Contain Band Power(%)"),
              "Contain Band Power(%)\r\n"
              "Band Name,Min Freq(Hz),Max Freq(Hz),CH1(C3),CH2(C4)\r\n"
              "theta,4.00,8.00,10.00,5.00\r\n"
              "alpha,8.00,13.00,20.00,10.00\r\n");
    EXPECT_EQ(Section(sText, "Average Power Spectrum(^2)"),
              "Average Power Spectrum(^2)\r\n"
              "Frequency(Hz),CH1(C3),CH2(C4)\r\n"
              "0.00,   0.00,   0.00,\r\n"
              "0.50,  12.34,   5.67,\r\n"
              "1.00,   0.00,   0.00,\r\n");
    EXPECT_EQ(strcmp(m_pData->szCSVFile, (m_folder / "report.csv").string().c_str()), 0);
}

TEST_F(CsvReport, SectionTableListsEnabledBandsOfSizedChannels)
{
    FFTVIEWDATA &d = *m_pData;
    d.wTxOutOption = 1;
    d.aBand[1].wShow = 0;           // listed here, not in the band tables
    d.aAnalyCh[1].nSizeCode = 4;    // a refused size: no columns here
    d.aAnalyCh[1].nChFFTPoint = 16;
    d.aAddLog[0].afMeanFreq[0] = 9.5f;
    d.aAddLog[0].afEdgeFreq[0] = 12.25f;
    d.aAddLog[0].afTotalPower[0] = 1.5f;
    d.aAddLog[0].aafBandPower[0][0] = 2.0f;
    d.aAddLog[0].aafBandPower[0][1] = 123.456f;
    std::string sText;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    EXPECT_EQ(Section(sText, "Select Area Power(^2)"),
              "Select Area Power(^2)\r\n"
              " , , ,C3, , , , ,\r\n"
              "Area No.,Start Time,Stop Time,MeanFreq(Hz),EdgeFreq(Hz),TotalPower,theta,alpha,\r\n"
              "1, 00:00:10.000, 00:00:20.500,9.50,12.25, 1.50, 2.00,123.46,\r\n"
              "2, 00:01:00.000, 00:01:10.000,0.00,0.00, 0.00, 0.00, 0.00,\r\n");
    EXPECT_EQ(sText.find("alpha,8.00"), std::string::npos) << "band not shown in the band tables";
    EXPECT_NE(Section(sText, "Band Power(uV^2)").find("theta,4.00,8.00,   12.50,    3.25"),
              std::string::npos);
}

TEST_F(CsvReport, CellsSayErrorOrZeroOrScaledPower)
{
    FFTVIEWDATA &d = *m_pData;
    d.aAnalyCh[1].nDispMaxFreq = 1000;  // alpha (to 13 Hz) lies above it
    d.nFreqMax = 1000;
    d.aAnalyCh[0].nCalValue = 2;
    d.aAnalyCh[0].nCalHeight = 5;
    d.wFFTCalMode = 1;                  // calibrated power: factor squared
    std::string sText;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    std::string sPower = Section(sText, "Band Power(uV^2)");
    EXPECT_NE(sPower.find("theta,4.00,8.00,    2.00,    3.25\r\n"), std::string::npos) << sPower;
    EXPECT_NE(sPower.find("alpha,8.00,13.00,    3.20,ERR\r\n"), std::string::npos) << sPower;
    EXPECT_NE(Section(sText, "Contain Band Power(%)").find("alpha,8.00,13.00,20.00,ERR"),
              std::string::npos);

    d.wFFTFreqStdSw = 1;                // standardised: factor once
    d.nFreqMax = 2000;                  // beyond channel 2's range: every band ERR
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    sPower = Section(sText, "Band Power(uV^2)");
    EXPECT_NE(sPower.find("theta,4.00,8.00,    5.00,ERR\r\n"), std::string::npos) << sPower;

    d.nAddCount = 0;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    EXPECT_NE(sText.find("Average Count,0\r\nCount No.,Start Time,Stop Time\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(sText.find("theta,4.00,8.00,0,ERR\r\n"), std::string::npos);

    d.aAnalyCh[0].nCalHeight = 0;       // no height: band power and spectrum 0.00
    d.nAddCount = 1;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    EXPECT_NE(sText.find("theta,4.00,8.00,    0.00,ERR\r\n"), std::string::npos);
    EXPECT_NE(sText.find("0.50,   0.00,   5.67,\r\n"), std::string::npos);
}

TEST_F(CsvReport, ChannelsOutOfUseOrWithoutSums)
{
    FFTVIEWDATA &d = *m_pData;
    GlobalFree(d.aAnalyCh[1].hAddSumBuf);
    d.aAnalyCh[1].hAddSumBuf = NULL;
    std::string sText;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    EXPECT_NE(sText.find("Frequency(Hz),CH1(C3),CH2(C4)\r\n0.00,   0.00,\r\n0.50,  12.34,\r\n"),
              std::string::npos) << "a channel without sums keeps only its heading";

    d.aAnalyCh[0].nHostCh = -1;
    d.aAnalyCh[1].nHostCh = -1;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    EXPECT_NE(sText.find("Band Name,Min Freq(Hz),Max Freq(Hz)\r\ntheta,4.00,8.00\r\n"),
              std::string::npos);
    EXPECT_EQ(Section(sText, "Average Power Spectrum(^2)"),
              "Average Power Spectrum(^2)\r\nFrequency(Hz),CH1(C3),CH2(C4)\r\n");
}

TEST_F(CsvReport, RowsAboveTheChannelsRangeAndTheDateWithoutHostValuesAreBlank)
{
    m_pData->aAnalyCh[1].nDispMaxFreq = 50;
    memset(m_pData->anHostItem17, 0, sizeof(m_pData->anHostItem17));
    std::string sText;
    ASSERT_EQ(Save(&sText), CSV_SAVED);
    EXPECT_NE(sText.find("0.50,  12.34,   5.67,\r\n1.00,   0.00, ,\r\n"), std::string::npos);
    EXPECT_NE(sText.find("\r\nDate,    0/00/00, 00:00:00\r\n"), std::string::npos);
}

TEST_F(CsvReport, LongTextsGrowTheWorkingBufferWithoutChangingTheBytes)
{
    FFTVIEWDATA &d = *m_pData;
    memset(d.szHostText15, 'F', sizeof(d.szHostText15) - 1);
    for (FREQBAND &band : d.aBand) {
        band.wEnable = band.wShow = 1;
        memset(band.szLabel, 'b', sizeof(band.szLabel) - 1);
    }
    d.wTxOutOption = 1;
    std::string sLarge;
    ASSERT_EQ(Save(&sLarge, "large.csv"), CSV_SAVED);
    d.nFFTPoint = 0;                    // a first buffer of one line per entry
    d.nAddCount = 2;
    std::string sSmall;
    ASSERT_EQ(Save(&sSmall, "small.csv"), CSV_SAVED);
    EXPECT_EQ(sSmall, sLarge);
    EXPECT_NE(sSmall.find(std::string("FileName,") + std::string(259, 'F') + "\r\n"),
              std::string::npos);
}

TEST_F(CsvReport, NothingWithoutAnalysisOrWhenCancelled)
{
    std::string sPath = (m_folder / "never.csv").string();
    m_pData->wAnalyState = 0;
    EXPECT_EQ(CsvSaveReport(NULL, m_pData.get()), CSV_NOTSAVED);
    char szDir[MAX_PATH], szFile[MAX_PATH];
    DWORD dwFlags;
    EXPECT_FALSE(DriveLastFileDialog(szDir, szFile, &dwFlags)) << "no dialog without analysis";
    m_pData->wAnalyState = 2;
    DriveOnNextFileDialog(NULL);
    EXPECT_EQ(CsvSaveReport(NULL, m_pData.get()), CSV_NOTSAVED);
    EXPECT_TRUE(DriveLastFileDialog(szDir, szFile, &dwFlags));
    EXPECT_FALSE(std::filesystem::exists(sPath));
}

TEST_F(CsvReport, FileThatCannotBeCreatedFailsButKeepsThePath)
{
    std::string sPath = (m_folder / "missing" / "x.csv").string();
    DriveOnNextFileDialog(sPath.c_str());
    EXPECT_EQ(CsvSaveReport(NULL, m_pData.get()), CSV_FAILED);
    EXPECT_STREQ(m_pData->szCSVFile, sPath.c_str());
}

// A write that fails part way (a full disk) is a failure, and the report
// saved before stays as it was, with no temporary file left beside it.
TEST_F(CsvReport, FailedWriteKeepsTheEarlierReport)
{
    std::string sPath = (m_folder / "r.csv").string();
    {
        std::ofstream(sPath, std::ios::binary) << "earlier\r\n";
    }
    DriveOnNextFileDialog(sPath.c_str());
    DriveLimitFileSize(100);
    int nResult = CsvSaveReport(NULL, m_pData.get());
    DriveLimitFileSize(-1);
    EXPECT_EQ(nResult, CSV_FAILED);
    std::ifstream in(sPath, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "earlier\r\n");
    in.close();
    // A save that succeeds replaces the earlier report.
    DriveOnNextFileDialog(sPath.c_str());
    EXPECT_EQ(CsvSaveReport(NULL, m_pData.get()), CSV_SAVED);
    std::ifstream out(sPath, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(out), {}).substr(0, 9), "FileName,");
    auto files = std::filesystem::directory_iterator(m_folder);
    EXPECT_EQ(std::distance(begin(files), end(files)), 1) << "no temporary file left";
}

struct Proposal {
    const char *pszStored, *pszDir, *pszFile;
    DWORD dwFlags;
};

class CsvProposal : public CsvReport, public ::testing::WithParamInterface<Proposal> {};

TEST_P(CsvProposal, DialogOpensOnThePreviousFile)
{
    const Proposal &p = GetParam();
    strcpy(m_pData->szCSVFile, p.pszStored);
    DriveOnNextFileDialog(NULL);
    EXPECT_EQ(CsvSaveReport(NULL, m_pData.get()), CSV_NOTSAVED);
    char szDir[MAX_PATH], szFile[MAX_PATH];
    DWORD dwFlags = 0;
    ASSERT_TRUE(DriveLastFileDialog(szDir, szFile, &dwFlags));
    EXPECT_STREQ(szDir, p.pszDir);
    EXPECT_STREQ(szFile, p.pszFile);
    EXPECT_EQ(dwFlags, p.dwFlags);
    EXPECT_STREQ(m_pData->szCSVFile, p.pszStored) << "a cancel keeps the stored path";
}

INSTANTIATE_TEST_SUITE_P(
    CsvReport, CsvProposal,
    ::testing::Values(
        Proposal{"", "", "", OFN_OVERWRITEPROMPT | OFN_SHAREAWARE},
        Proposal{"C:\\a.c", "", "", OFN_OVERWRITEPROMPT | OFN_SHAREAWARE},
        Proposal{"C:\\a.csv", "C:\\", "C:\\a.csv",
                 OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_SHAREAWARE},
        Proposal{"D:\\EEG\\run\\out.csv", "D:\\EEG\\run\\", "D:\\EEG\\run\\out.csv",
                 OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_SHAREAWARE},
        // The second byte of the double-byte file name is a backslash (0x5C).
        Proposal{"D:\\EEG\\\x95\x5C.csv", "D:\\EEG\\", "D:\\EEG\\\x95\x5C.csv",
                 OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_SHAREAWARE},
        Proposal{"report.csv", "report.csv", "report.csv",
                 OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_SHAREAWARE}));
