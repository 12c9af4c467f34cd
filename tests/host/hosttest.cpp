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
