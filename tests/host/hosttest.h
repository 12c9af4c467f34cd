// Helpers of the host's tests: temporary folders, running qfftana, files.
#ifndef TESTS_HOST_HOSTTEST_H
#define TESTS_HOST_HOSTTEST_H

#include <string>
#include <vector>

#include "recording.h"

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    std::string Path(const std::string &strName) const { return m_strPath + "/" + strName; }

private:
    std::string m_strPath;
};

typedef struct tagRUNOUTPUT {
    int nExit;             // exit status, -1 if it did not exit normally
    std::string strOut;    // standard output
    std::string strErr;    // standard error
} RUNOUTPUT;

RUNOUTPUT RunHost(const std::string &strArguments);
// Runs qfftana with the arguments (shell-quoted by the caller).

std::string SharedRecording(const char *pszName);
// Path of a recording in the shared data folder, "" when it is not there.

std::string ReadWhole(const std::string &strPath);
void WriteWhole(const std::string &strPath, const std::string &strBytes);

RECORDING ShortDemo(DWORD nSeconds);
// The built-in recording cut to its first nSeconds.

// One signal of an EDF or BDF file a test writes.
typedef struct tagTESTSIGNAL {
    std::string strLabel;          // "EDF Annotations": time stamps from adOnset
    double dPhysMin, dPhysMax;     // in uV
    int nDigMin, nDigMax;
    int nPerRecord;                // samples per data record
    std::vector<int> anDigital;    // every record's samples, in order
    std::vector<double> adOnset;   // annotation signal: each record's onset
} TESTSIGNAL;

std::string EdfBytes(bool bBdf, const char *pszReserved, double dRecordSeconds, const std::vector<TESTSIGNAL> &aSignals);
// An EDF (or BDF) file with the reserved field given ("EDF+C", "" ...);
// the record count is that of the first signal.

#endif // TESTS_HOST_HOSTTEST_H
