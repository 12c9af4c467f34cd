/*
 * analysis.h - an analysis run as a host drives it: settings written into
 * the settings folder, a recording pushed when the plug-in asks for it,
 * pages of samples, page positions and cursor sections, and the commands
 * a user gives; with read-back of the spectrum graphs and the record.
 */
#ifndef TESTS_ENGINE_ANALYSIS_H
#define TESTS_ENGINE_ANALYSIS_H

#include <map>
#include <string>
#include <vector>

#include "fftgrph/fftgraph.h"
#include "fixture.h"
#include "resources/resource.h"

// One host channel of a recording.
struct HostChannel {
    std::string sName;
    DWORD nRate = 500;
    WORD wSignal = 4;
    DWORD nCalValue = 50;
    DWORD nCalHeight = 100;
    DWORD nCalRange = 0;
    WORD wUsed = 1;
};

struct Recording {
    LONG nBaseRate = 500;
    DWORD nPageTime = 10;
    std::vector<HostChannel> aChannels;
    DWORD anStartTime[3] = {0, 0, 0}; // hour, minute, second of the start
};

// Channels of the given names, all at nRate Hz, which is also the base rate.
Recording Channels(DWORD nRate, const std::vector<const char *> &apszNames, DWORD nPageTime = 10);

// An analysis channel of the settings: signal type and label.
struct AnalyChannel {
    int nSignal;
    std::string sLabel;
};

class AnalysisTest : public PluginTest {
protected:
    // Writes QFFTANA.INI (and QFFTANAX.INI) for the next initialisation:
    // keys of [FFTINFO] over the tests' defaults (1024 points, Hann, page
    // FFT, calibrated power, no filters, TxOutOption 1), the analysis
    // channels (their count becomes AnalyCh), and the bands delta 0.5-4,
    // theta 4-8, alpha 8-13, beta 13-30 Hz (bands 5 to 8 disabled).
    void WriteSettings(const std::vector<AnalyChannel> &aChannels,
                       const std::map<std::string, std::string> &fftInfo = {},
                       bool bCoherence = false);
    // Creates and initialises the window (once), then starts an analysis of
    // rec, answering the plug-in's requests with it.
    void Start(const Recording &rec);
    // Sends the page of host channel nCh at its own rate.
    void SendPage(int nCh, const std::vector<short> &samples) const;
    void SetArea(DWORD nPageStart) const;
    void SetAreaOffset(DWORD nOffset) const;
    // WM_COMMAND from child nId as the child sends it.
    void Command(int nId, int nCode = 0) const;

    HWND Child(int nId) const;
    std::vector<LONG> GraphData(int iSlot) const;
    std::vector<LONG> GraphAddData(int iSlot) const;
    LRESULT GraphProp(int iSlot, int nProp) const;
    float GraphValue(int iSlot, int nValue) const;
    std::string ChildText(int nId) const;
    // String nId of the plug-in's string table, as the host receives it.
    std::string PluginString(UINT nId) const;

    // A copy of the record (it is large: kept on the heap).
    std::unique_ptr<FFTVIEWDATA> Record() const;

    Recording m_rec;
};

// nSamples of amplitude-sum sines (amplitude in counts, frequency in Hz)
// at nRate Hz, plus Gaussian noise of the given standard deviation.
std::vector<short> Sines(int nRate, int nSamples, const std::vector<std::pair<double, double>> &aSines,
                         double dNoise = 0.0, unsigned uSeed = 1);

// Spectrum lines of the block the FFT object makes of samples (Hann,
// power per line), for comparison with what the plug-in showed.
std::vector<LONG> BlockSpectrum(int nSizeCode, int nRate, const short *psSamples, int nCount);

// The line-by-line mean of BlockSpectrum over nBlocks blocks of nBlockLen
// samples from psSamples on.
std::vector<double> MeanBlockSpectrum(int nSizeCode, int nRate, const short *psSamples, int nBlockLen,
                                      int nBlocks);

// A modal-dialog answer (DriveOnNextDialog) that presses the button whose id
// pUser carries.
void CALLBACK PressDialogButton(HWND hDlg, void *pUser);

#endif /* TESTS_ENGINE_ANALYSIS_H */
