// Loads random settings files through an analysis window, checks every field
// is within its bound, lets the window save them at its destruction, loads
// them again and checks that every saved field came back unchanged.
//
// The input holds QFFTANA.INI, then optionally the marker line and
// QFFTANAX.INI; the seed corpus is the shipped templates in that form.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include <fstream>
#include <string>

#include <automation.h>

#include "drive.h"
#include "fuzzcommon.h"
#include "peek.h"
#include "testhost.h"

namespace {

const char kMarker[] = "\n%%QFFTANAX.INI%%\n";

// A text as the profile functions give it back once written as it is:
// surrounding blanks trimmed, then one pair of surrounding quotes (double or
// single) removed.
std::string AsReadBack(const char *psz)
{
    static const char szBlanks[] = " \t\r\n\v\f\x1a";
    std::string s = psz;
    size_t nFirst = s.find_first_not_of(szBlanks);
    s = nFirst == std::string::npos ? ""
                                    : s.substr(nFirst, s.find_last_not_of(szBlanks) - nFirst + 1);
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = s.substr(1, s.size() - 2);
    return s;
}

// The fields the window writes back, as one comparable text. Texts written
// as they are (report path, band labels) are compared as they read back.
std::string SavedFields(const FFTVIEWDATA &d)
{
    char sz[512];
    std::string s;
    snprintf(sz, sizeof(sz),
             "%u %u|%u %u %u %u %u|%u %u %u|%u %u %u|%u %u %u|%u %u %u %u %u %u %u|%u %u|",
             d.wPreviewPrint, d.wReportTextMode, d.wAnalyCh, d.wAutoChSelect, d.wFFTAreaSw,
             d.wFFTFreqStdSw, d.wADDKeySw, d.nFreqMin, d.nFreqMax, d.nFFTPoint, d.wFFTDrawType,
             d.wWindowType, d.nFFTViewMag, d.wShowFreqPara, d.wLowCutSw, d.nLowCutFreq,
             d.nEdgePercent, d.nPeakFreqLevel, d.nMeanMinRange, d.nMeanMaxRange, d.nPeakMinRange,
             d.nPeakMaxRange, d.nEdgeMinRange, d.nEdgeMaxRange, d.wCohEnable ? d.wCoherenceSquare : 0);
    s += sz;
    s += AsReadBack(d.szCSVFile);
    for (const ANALYCHANNEL &ch : d.aAnalyCh) {
        snprintf(sz, sizeof(sz), "|%u:", ch.nSignal);
        s += sz;
        s += ch.szLabel;
    }
    for (const FREQBAND &band : d.aBand) {
        snprintf(sz, sizeof(sz), "|%u %u %u %u %u:", band.wEnable, band.wShow, band.wColor,
                 band.nMinFreq, band.nMaxFreq);
        s += sz;
        s += AsReadBack(band.szLabel);
    }
    return s;
}

void CheckBounds(const FFTVIEWDATA &d)
{
    // The channel table counts its visible rows from its own height once
    // it is laid out, so only their range is the settings' concern.
    if (d.wAnalyCh > FV_ANALYCH || d.nChTblRows < 0 || d.nChTblRows > 0xFFFF)
        FuzzFail("analysis channels %u, table rows %d", d.wAnalyCh, (int)d.nChTblRows);
    if (d.wCohEnable == 0 && d.wCoherenceSquare != 0)
        FuzzFail("coherence square read while coherence is off");
    auto terminated = [](const char *psz, size_t cb) { return strnlen(psz, cb) < cb; };
    if (!terminated(d.szCSVFile, sizeof(d.szCSVFile)))
        FuzzFail("the report path is not terminated");
    for (const ANALYCHANNEL &ch : d.aAnalyCh)
        if (!terminated(ch.szLabel, sizeof(ch.szLabel)))
            FuzzFail("an analysis channel label is not terminated");
    for (const FREQBAND &band : d.aBand)
        if (!terminated(band.szLabel, sizeof(band.szLabel)))
            FuzzFail("a band label is not terminated");
}

void WriteFile(const std::string &sPath, const uint8_t *pb, size_t cb)
{
    std::ofstream out(sPath, std::ios::binary | std::ios::trunc);
    out.write((const char *)pb, (std::streamsize)cb);
}

// Creates a window on the folder, reads its saved fields and destroys it
// (which saves them).
std::string LoadAndSave(TestHost &host, const std::string &sDir)
{
    std::string sFields;
    if (host.CreatePlugin() == NULL)
        FuzzFail("the analysis window could not be created");
    host.Initialise(sDir);
    DrivePump();
    PeekRecord(host.Plugin(), [&sFields](const FFTVIEWDATA &d) {
        CheckBounds(d);
        sFields = SavedFields(d);
    });
    DestroyWindow(host.Plugin());
    DrivePump();
    return sFields;
}

// The host's windows live as long as the process; each load creates and
// destroys an analysis window in them.
struct Setup {
    std::string sDir;
    TestHost *pHost;
    Setup()
    {
        sDir = FuzzTempDir("settings");
        if (LoadLibraryA("QFFTANA.dll") == NULL)
            FuzzFail("QFFTANA.dll could not be loaded");
        pHost = new TestHost;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pbData, size_t cbData)
{
    static Setup setup;
    std::string sInput((const char *)pbData, cbData);
    size_t nSplit = sInput.find(kMarker);
    FuzzResetSettings(setup.sDir);
    if (nSplit == std::string::npos) {
        WriteFile(setup.sDir + "QFFTANA.INI", pbData, cbData);
    } else {
        WriteFile(setup.sDir + "QFFTANA.INI", pbData, nSplit);
        size_t nX = nSplit + strlen(kMarker);
        WriteFile(setup.sDir + "QFFTANAX.INI", pbData + nX, cbData - nX);
    }
    std::string sFirst = LoadAndSave(*setup.pHost, setup.sDir);
    std::string sSecond = LoadAndSave(*setup.pHost, setup.sDir);
    if (sFirst != sSecond)
        FuzzFail("the settings changed between a save and the next load:\n  %s\n  %s",
                 sFirst.c_str(), sSecond.c_str());
    AutoClearLogs();
    return 0;
}
