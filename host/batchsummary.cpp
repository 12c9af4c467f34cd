// Batch results from the workers' reports.
#include "batchsummary.h"

#include <math.h>

#include <windows.h>

#include "codepage.h"
#include "csvout.h"
#include "report.h"
#include "setfolder.h"

static std::string Utf8(const std::string &strAnsi)
{
    std::vector<char> achUtf8(strAnsi.size() * 3 + 1);
    CpAnsiToUtf8(strAnsi.c_str(), achUtf8.data(), achUtf8.size());
    return achUtf8.data();
}

static double SettingHz(const std::string &strFile, const char *pszKey, int nDefault)
{
    return GetPrivateProfileIntA("FFTINFO", pszKey, nDefault, strFile.c_str()) / 100.0;
}

static std::string Cell(const std::vector<double> &ad, size_t i)
{
    return i < ad.size() ? CsvNumber(ad[i]) : "";
}

bool BatchSummarise(const std::string &strReport, const std::string &strSettingsFolder, BATCHRESULT *pResult,
                    std::string *pstrError)
{
    REPORT report;
    char szError[512];
    if (!ReportRead(strReport.c_str(), &report, szError, sizeof(szError))) {
        *pstrError = szError;
        return false;
    }
    std::string strFile = strSettingsFolder + SET_MAINFILE;
    FREQRANGES ranges = {SettingHz(strFile, "MeanMinRange", 0), SettingHz(strFile, "MeanMaxRange", 3000),
                         SettingHz(strFile, "EdgeMinRange", 100), SettingHz(strFile, "EdgeMaxRange", 3000),
                         (double)GetPrivateProfileIntA("FFTINFO", "EdgePercent", 80, strFile.c_str()),
                         SettingHz(strFile, "FreqMin", 0), SettingHz(strFile, "FreqMax", 3000)};
    ReportComputeFrequencies(&report, &ranges);
    RESULTLINE bands = {"bands", {}};
    for (const std::string &strBand : report.aBands)
        bands.aCells.push_back(Utf8(strBand));
    pResult->aLines.push_back(bands);
    for (const REPORTCHANNEL &ch : report.aChannels) {
        RESULTLINE line = {"channel", {Utf8(ch.strTitle)}};
        for (size_t b = 0; b < report.aBands.size(); b++)
            line.aCells.push_back("");
        for (size_t b = 0; b < report.aBands.size(); b++)
            line.aCells.push_back(Cell(ch.adAvgPercent, b));
        line.aCells.push_back(CsvNumber(ch.dMeanFreq));
        line.aCells.push_back(CsvNumber(ch.dEdgeFreq));
        line.aCells.push_back("");
        pResult->aLines.push_back(line);
    }
    return true;
}
