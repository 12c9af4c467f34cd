// Helpers of the host's tests.
#include "hosttest.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "demorec.h"

TempFolder::TempFolder()
{
    char szTemplate[] = "/tmp/qfhostXXXXXX";
    m_strPath = mkdtemp(szTemplate);
}

TempFolder::~TempFolder()
{
    std::filesystem::remove_all(m_strPath);
}

RUNOUTPUT RunHost(const std::string &strArguments)
{
    TempFolder tmp;
    std::string strCommand = std::string(QFFTANA_EXE) + " " + strArguments + " >" + tmp.Path("out") + " 2>" + tmp.Path("err");
    int nStatus = system(strCommand.c_str());
    RUNOUTPUT out;
    out.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    out.strOut = ReadWhole(tmp.Path("out"));
    out.strErr = ReadWhole(tmp.Path("err"));
    return out;
}

std::string SharedRecording(const char *pszName)
{
    std::string strPath = std::string(QF_SHARED_DIR) + "/data/eeg/" + pszName;
    return access(strPath.c_str(), R_OK) == 0 ? strPath : "";
}

std::string ReadWhole(const std::string &strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWhole(const std::string &strPath, const std::string &strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

RECORDING ShortDemo(DWORD nSeconds)
{
    RECORDING rec;
    RecMakeDemo(&rec);
    for (RECCHANNEL &ch : rec.aChannels)
        ch.aSamples.resize((size_t)ch.nRate * nSeconds);
    rec.dDuration = nSeconds;
    return rec;
}

static std::string Field(const std::string &str, size_t cch)
{
    std::string strField = str.substr(0, cch);
    strField.resize(cch, ' ');
    return strField;
}

static std::string Number(double d)
{
    char sz[32];
    snprintf(sz, sizeof(sz), "%.8g", d);
    return sz;
}

// A record's annotation signal: "+onset" 0x14 0x14 0x00, zero-padded.
static std::string TimeStamp(double dOnset, size_t cb)
{
    std::string str = "+" + Number(dOnset) + "\x14\x14";
    str.push_back('\0');
    str.resize(cb, '\0');
    return str;
}

std::string EdfBytes(bool bBdf, const char *pszReserved, double dRecordSeconds, const std::vector<TESTSIGNAL> &aSignals)
{
    size_t ns = aSignals.size(), cbSample = bBdf ? 3 : 2;
    const TESTSIGNAL &first = aSignals[0];
    size_t nRecords = first.strLabel == "EDF Annotations" ? first.adOnset.size() : first.anDigital.size() / first.nPerRecord;
    std::string str = bBdf ? std::string("\xff" "BIOSEMI") : Field("0", 8);
    str += Field("X X X X", 80) + Field("Startdate 02-MAR-2025 X X X", 80) + "02.03.2509.15.30";
    str += Field(Number(256.0 * (ns + 1)), 8) + Field(pszReserved, 44) + Field(Number((double)nRecords), 8);
    str += Field(Number(dRecordSeconds), 8) + Field(Number((double)ns), 4);
    for (const TESTSIGNAL &sig : aSignals) str += Field(sig.strLabel, 16);
    for (size_t k = 0; k < ns; k++) str += Field("", 80);
    for (const TESTSIGNAL &sig : aSignals) str += Field(sig.strLabel == "EDF Annotations" ? "" : "uV", 8);
    for (const TESTSIGNAL &sig : aSignals) str += Field(Number(sig.dPhysMin), 8);
    for (const TESTSIGNAL &sig : aSignals) str += Field(Number(sig.dPhysMax), 8);
    for (const TESTSIGNAL &sig : aSignals) str += Field(Number(sig.nDigMin), 8);
    for (const TESTSIGNAL &sig : aSignals) str += Field(Number(sig.nDigMax), 8);
    for (size_t k = 0; k < ns; k++) str += Field("", 80);
    for (const TESTSIGNAL &sig : aSignals) str += Field(Number(sig.nPerRecord), 8);
    for (size_t k = 0; k < ns; k++) str += Field("", 32);
    for (size_t r = 0; r < nRecords; r++) {
        for (const TESTSIGNAL &sig : aSignals) {
            if (sig.strLabel == "EDF Annotations") {
                str += TimeStamp(sig.adOnset[r], (size_t)sig.nPerRecord * cbSample);
                continue;
            }
            for (int i = 0; i < sig.nPerRecord; i++) {
                int n = sig.anDigital[r * (size_t)sig.nPerRecord + (size_t)i];
                for (size_t b = 0; b < cbSample; b++)
                    str += (char)((n >> (8 * b)) & 0xff);
            }
        }
    }
    return str;
}
