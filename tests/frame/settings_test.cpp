// Loading and saving the settings files.
#include "fixture.h"

typedef PluginTest Settings;

static std::string ProfileString(const std::string &sFile, const char *pszSection,
                                 const char *pszKey)
{
    char szValue[300];
    GetPrivateProfileStringA(pszSection, pszKey, "<missing>", szValue, sizeof(szValue),
                             sFile.c_str());
    return szValue;
}

TEST_F(Settings, TemplatesAreCopiedIntoAnEmptyFolderBeforeReading)
{
    InstallTemplates();
    ASSERT_NE(m_host->CreatePlugin(), nullptr);
    m_host->Initialise(SettingsDir());
    for (const char *pszName : {"QFFTANA.INI", "QFFTANAX.INI"})
        EXPECT_EQ(ReadFile(FileIn(pszName)), ReadFile((Folder() / "DEFAULT" / pszName).string()))
            << pszName;
    // Read from the copies (the defaults are 2 channels and coherence off);
    // every key's reading is the round-trip test's.
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.wAnalyCh, 8);
        EXPECT_EQ(d.nChTblRows, 8);
        EXPECT_EQ(d.wCohEnable, 1);
        EXPECT_NE(d.hEegFilter, 0u) << "filter object created with the settings";
    });
}

TEST_F(Settings, ValuesAreTakenUncheckedExceptTheChannelCount)
{
    WriteFile(FileIn("QFFTANA.INI"),
              "[FFTINFO]\nAnalyCh=3\nFFTPoint=100\nFreqMax=-5\nFFTDrawType=65537\n");
    CreateAndInitialise();
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.wAnalyCh, 3);
        EXPECT_EQ(d.nFFTPoint, 100u) << "not a power of two, loaded unchanged";
        EXPECT_EQ(d.nFreqMax, 0xFFFFFFFBu);
        EXPECT_EQ(d.wFFTDrawType, 1) << "cut to 16 bits";
        for (const ANALYCHANNEL &ch : d.aAnalyCh) {
            EXPECT_EQ(ch.nSignal, 4u) << "no ANALYCH sections";
            EXPECT_STREQ(ch.szLabel, "");
        }
    });
    DestroyPlugin();
    EXPECT_EQ(ProfileString(FileIn("QFFTANA.INI"), "FFTINFO", "FreqMax"), "-5");
    EXPECT_EQ(ProfileString(FileIn("QFFTANA.INI"), "FFTINFO", "FFTDrawType"), "1");
}

// Eight analysis channels are all the tables hold; a hand-edited count
// beyond them must not send any loop past their end.
TEST_F(Settings, ChannelCountBeyondTheTablesIsTakenAsEight)
{
    WriteFile(FileIn("QFFTANA.INI"), "[FFTINFO]\nAnalyCh=100\n");
    CreateAndInitialise();
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) { EXPECT_EQ(d.wAnalyCh, 8); });
}

TEST_F(Settings, ReadOnlyKeysAreNeverWritten)
{
    WriteFile(FileIn("QFFTANA.INI"), "[FFTINFO]\nFFTPoint=512\n");
    WriteFile(FileIn("QFFTANAX.INI"), "[INITIAL]\nCoherenceSquare=1\n");
    CreateAndInitialise();
    DestroyPlugin();
    std::string sIni = FileIn("QFFTANA.INI");
    for (const char *pszKey : {"TxOutOption", "AnalyMaxCh", "FFTCalMode", "HiCutSw", "HiCutFreq"})
        EXPECT_EQ(ProfileString(sIni, "FFTINFO", pszKey), "<missing>") << pszKey;
    EXPECT_EQ(ProfileString(sIni, "FFTINFO", "LowCutSw"), "0");
    EXPECT_EQ(ProfileString(sIni, "FFTINFO", "LowCutFreq"), "20");
    EXPECT_EQ(ProfileString(sIni, "FFTINFO", "FFTPoint"), "512");
    EXPECT_EQ(ProfileString(FileIn("QFFTANAX.INI"), "INITIAL", "Enable"), "<missing>");
}

TEST_F(Settings, CoherenceOffLeavesTheSquareSwitchOffAndUnwritten)
{
    WriteFile(FileIn("QFFTANAX.INI"), "[INITIAL]\nEnable=1\nCoherenceSquare=1\n");
    CreateAndInitialise();
    // Loaded again with coherence off: the switch of the first load goes.
    const std::string sX = "[INITIAL]\nEnable=0\nCoherenceSquare=1\n";
    WriteFile(FileIn("QFFTANAX.INI"), sX);
    m_host->Send(QPM_SETPATH, 0, (LPARAM)SettingsDir().c_str());
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.wCohEnable, 0);
        EXPECT_EQ(d.wCoherenceSquare, 0);
    });
    DestroyPlugin();
    EXPECT_EQ(ReadFile(FileIn("QFFTANAX.INI")), sX);
}

TEST_F(Settings, ChannelLabelsKeepBlanksBandLabelsLoseThem)
{
    WriteFile(FileIn("QFFTANA.INI"),
              "[ANALYCH1]\nLabel=\"  Fp1 \"\n[FREQBAND1]\nLabel=  alpha  \n");
    CreateAndInitialise();
    DestroyPlugin();
    EXPECT_EQ(ProfileString(FileIn("QFFTANA.INI"), "ANALYCH1", "Label"), "  Fp1 ");
    CreateAndInitialise();
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_STREQ(d.aAnalyCh[0].szLabel, "  Fp1 ");
        EXPECT_STREQ(d.aAnalyCh[1].szLabel, "");
        EXPECT_STREQ(d.aBand[0].szLabel, "alpha");
    });
}

// Run from the test's folder so that a write to a bare or relative file name
// lands where the test looks: without a settings folder nothing is written,
// and a folder too long for the names is not cut into another file's name.
TEST_F(Settings, NothingIsWrittenWithoutASettingsFolder)
{
    struct WorkingFolder {
        std::filesystem::path previous = std::filesystem::current_path();
        ~WorkingFolder() { std::filesystem::current_path(previous); }
    } restore;
    std::filesystem::current_path(Folder());
    std::string sTooLong = std::string(250, 'f');
    std::error_code ec; // Win32 may refuse paths this long; then there is nothing to find
    std::filesystem::create_directory(Folder() / sTooLong, ec);

    ASSERT_NE(m_host->CreatePlugin(), nullptr);
    DestroyPlugin();
    ASSERT_NE(m_host->CreatePlugin(), nullptr);
    m_host->Send(QPM_SETPATH, 0, (LPARAM)(sTooLong + "/").c_str());
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_STREQ(d.szIniFile, "");
        EXPECT_EQ(d.nFFTPoint, 1024u) << "defaults instead";
    });
    DestroyPlugin();
    for (const auto &folder : {Folder(), Folder() / sTooLong}) {
        std::filesystem::directory_iterator it(folder, ec), end;
        for (; !ec && it != end; it.increment(ec))
            EXPECT_FALSE(it->is_regular_file(ec)) << it->path() << " was written";
    }
    std::filesystem::remove(Folder() / sTooLong, ec);
}

// Every key with a value other than its default: what is loaded is written
// back unchanged into a file from which the read-write keys were removed.
struct INIKEY {
    std::string sSection, sKey, sValue;
};

static std::vector<INIKEY> AllKeys()
{
    std::vector<INIKEY> keys = {
        {"INITIAL", "PreviewPrint", "0"},     {"INITIAL", "ReportTextMode", "1"},
        {"FFTINFO", "AnalyCh", "4"},          {"FFTINFO", "AutoChSelect", "0"},
        {"FFTINFO", "FFTAreaSw", "1"},        {"FFTINFO", "FFTFreqStdSw", "0"},
        {"FFTINFO", "ADDKeySw", "0"},         {"FFTINFO", "FreqMin", "50"},
        {"FFTINFO", "FreqMax", "4000"},       {"FFTINFO", "FFTPoint", "2048"},
        {"FFTINFO", "FFTDrawType", "2"},      {"FFTINFO", "WindowType", "3"},
        {"FFTINFO", "FFTViewMag", "4"},       {"FFTINFO", "ShowFreqPara", "1"},
        {"FFTINFO", "LowCutSw", "1"},         {"FFTINFO", "LowCutFreq", "53"},
        {"FFTINFO", "EdgePercent", "90"},     {"FFTINFO", "PeakFreqLevel", "70"},
        {"FFTINFO", "MeanMinRange", "10"},    {"FFTINFO", "MeanMaxRange", "2500"},
        {"FFTINFO", "PeakMinRange", "200"},   {"FFTINFO", "PeakMaxRange", "2400"},
        {"FFTINFO", "EdgeMinRange", "150"},   {"FFTINFO", "EdgeMaxRange", "2600"},
        {"FFTINFO", "CSVFile", "C:\\data\\report.csv"},
    };
    for (int i = 1; i <= 8; i++) {
        std::string sCh = "ANALYCH" + std::to_string(i), sBand = "FREQBAND" + std::to_string(i);
        keys.push_back({sCh, "Signal", std::to_string(10 + i)});
        keys.push_back({sCh, "Label", "L" + std::to_string(i)});
        keys.push_back({sBand, "Enable", std::to_string(i % 2)});
        keys.push_back({sBand, "Show", std::to_string((i + 1) % 2)});
        keys.push_back({sBand, "Color", std::to_string(i + 2)});
        keys.push_back({sBand, "MinFreq", std::to_string(i * 100)});
        keys.push_back({sBand, "MaxFreq", std::to_string(i * 100 + 50)});
        keys.push_back({sBand, "Label", "band " + std::to_string(i)});
    }
    return keys;
}

TEST_F(Settings, EveryKeySurvivesAWriteThenReadRoundTrip)
{
    std::string sIni = FileIn("QFFTANA.INI");
    std::string sIniX = FileIn("QFFTANAX.INI");
    std::vector<INIKEY> keys = AllKeys();
    for (const INIKEY &key : keys)
        WritePrivateProfileStringA(key.sSection.c_str(), key.sKey.c_str(), key.sValue.c_str(),
                                   sIni.c_str());
    WritePrivateProfileStringA("FFTINFO", "TxOutOption", "3", sIni.c_str());
    WritePrivateProfileStringA("FFTINFO", "AnalyMaxCh", "6", sIni.c_str());
    WritePrivateProfileStringA("FFTINFO", "FFTCalMode", "0", sIni.c_str());
    WritePrivateProfileStringA("FFTINFO", "HiCutSw", "1", sIni.c_str());
    WritePrivateProfileStringA("FFTINFO", "HiCutFreq", "6000", sIni.c_str());
    WritePrivateProfileStringA("INITIAL", "Enable", "1", sIniX.c_str());
    WritePrivateProfileStringA("INITIAL", "CoherenceSquare", "0", sIniX.c_str());

    CreateAndInitialise();
    PeekRecord(m_host->Plugin(), [](const FFTVIEWDATA &d) {
        EXPECT_EQ(d.wTxOutOption, 3);
        EXPECT_EQ(d.wAnalyMaxCh, 6);
        EXPECT_EQ(d.wFFTCalMode, 0);
        EXPECT_EQ(d.wHiCutSw, 1);
        EXPECT_EQ(d.nHiCutFreq, 6000u);
        EXPECT_EQ(d.wCohEnable, 1);
        EXPECT_EQ(d.wCoherenceSquare, 0);
        EXPECT_EQ(d.wAnalyCh, 4);
        EXPECT_STREQ(d.aAnalyCh[7].szLabel, "L8");
        EXPECT_STREQ(d.aBand[7].szLabel, "band 8");
    });
    // Written back over a file whose read-write keys are gone, so that only
    // what the save writes can be found there.
    for (const INIKEY &key : keys)
        WritePrivateProfileStringA(key.sSection.c_str(), key.sKey.c_str(), NULL, sIni.c_str());
    WritePrivateProfileStringA("INITIAL", "CoherenceSquare", NULL, sIniX.c_str());
    DestroyPlugin();

    for (const INIKEY &key : keys)
        EXPECT_EQ(ProfileString(sIni, key.sSection.c_str(), key.sKey.c_str()), key.sValue)
            << key.sSection << " " << key.sKey;
    EXPECT_EQ(ProfileString(sIniX, "INITIAL", "CoherenceSquare"), "0");
    EXPECT_NE(ReadFile(sIni).find("Label=\"L1\""), std::string::npos) << "labels are quoted";
}
