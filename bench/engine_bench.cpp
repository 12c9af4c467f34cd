/*
 * engine_bench - the analysis as a host runs it: QFFTANA.dll loaded, its
 * window created and driven with the host messages.
 *
 * PageFFT: QPM_SETAREA of a page of 8 channels, 10 s at 500 Hz, 1024
 * points, Hann window, low-cut and high-cut filters and coherence on; the
 * pages are delivered again (untimed) before each run, as a host does.
 * SaveReport: "Save.." of a log of 100 ADDs, the save dialog answered.
 *
 * Run from the build's bin folder, where the plug-in lies.
 */
#include <windows.h>

#include <math.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <automation.h>
#include <benchmark/benchmark.h>

#include "frame/protocol.h"

namespace {

const int kChannels = 8;
const int kRate = 500;
const int kPageTime = 10;
const int kPage = kRate * kPageTime;

const char *const kNames[kChannels] = {"F3", "F4", "C3", "C4", "P3", "P4", "O1", "O2"};

// The host's side: answers the start request with the recording.
LRESULT CALLBACK HostProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_COMMAND && HIWORD(wParam) == QPN_REQ_211) {
        HWND hPlugin = (HWND)lParam;
        auto set = [hPlugin](WORD wItem, WORD wIndex, DWORD dwValue) {
            SendMessageA(hPlugin, QPM_SETVALUE, MAKEWPARAM(wItem, wIndex), (LPARAM)dwValue);
        };
        set(QPI_HOSTCHCOUNT, 0, kChannels);
        set(QPI_BASERATE, 0, kRate);
        set(QPI_PAGETIME, 0, kPageTime);
        for (WORD k = 0; k < kChannels; k++) {
            set(QPI_CHUSED, k, 1);
            set(QPI_SIGNALTYPE, k, 4);
            set(QPI_CHRATE, k, kRate);
            set(QPI_CALVALUE, k, 50);
            set(QPI_CALHEIGHT, k, 100);
            SendMessageA(hPlugin, QPM_SETTEXT, MAKEWPARAM(QPT_CHNAME, k), (LPARAM)kNames[k]);
        }
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// A shared alpha rhythm, a channel rhythm and noise.
std::vector<short> Page(int nCh, int nPage)
{
    std::vector<short> samples(kPage);
    unsigned uNoise = 12345u + 977u * (unsigned)(nCh + 8 * nPage);
    for (int n = 0; n < kPage; n++) {
        double t = (double)(n + nPage * kPage) / kRate;
        uNoise = uNoise * 1103515245u + 12345u;
        double dNoise = ((double)((uNoise >> 16) & 0x7FFF) / 32768.0 - 0.5) * 200.0;
        samples[n] = (short)lround(800.0 * sin(2 * M_PI * 10.0 * t) +
                                   300.0 * sin(2 * M_PI * (4.0 + nCh) * t + nCh) + dNoise);
    }
    return samples;
}

class Analysis {
public:
    Analysis()
    {
        m_folder = std::filesystem::temp_directory_path() / "qfftana-engine-bench";
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        WriteSettings();
        m_hModule = LoadLibraryA("QFFTANA.dll");
        WNDCLASSA wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "EngineBenchHost";
        RegisterClassA(&wc);
        m_hHost = CreateWindowExA(0, "EngineBenchHost", "", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                                  NULL, NULL, wc.hInstance, NULL);
        m_hPlugin = CreateWindowExA(0, "QPANEFFTANALYPLAY", "", WS_CHILD | WS_VISIBLE, 0, 0, 800,
                                    600, m_hHost, (HMENU)4000, wc.hInstance, NULL);
        SendMessageA(m_hPlugin, QPM_SETNOTIFY, (WPARAM)m_hHost, 77);
        std::string sFolder = m_folder.string() + "/";
        SendMessageA(m_hPlugin, QPM_SETPATH, 0, (LPARAM)sFolder.c_str());
        SendMessageA(m_hPlugin, QPM_STARTANALY, 0, 0);
        AutoPump();
        for (int k = 0; k < kChannels; k++)
            m_aPages.push_back(Page(k, 0));
    }
    ~Analysis()
    {
        DestroyWindow(m_hPlugin);
        DestroyWindow(m_hHost);
        AutoPump();
        FreeLibrary(m_hModule);
        std::filesystem::remove_all(m_folder);
    }
    bool Ready() const { return m_hPlugin != NULL; }
    void DeliverPages() const
    {
        for (int k = 0; k < kChannels; k++)
            SendMessageA(m_hPlugin, QPM_SETCHDATA, MAKEWPARAM(k, kRate), (LPARAM)m_aPages[k].data());
    }
    void SetArea(DWORD nPageStart) const { SendMessageA(m_hPlugin, QPM_SETAREA, 0, (LPARAM)nPageStart); }
    void Command(int nId) const
    {
        SendMessageA(m_hPlugin, WM_COMMAND, MAKEWPARAM(nId, 0), (LPARAM)GetDlgItem(m_hPlugin, nId));
    }
    std::string FileIn(const char *pszName) const { return (m_folder / pszName).string(); }

private:
    void WriteSettings() const
    {
        std::ofstream ini(m_folder / "QFFTANA.INI", std::ios::binary);
        ini << "[FFTINFO]\r\nAnalyCh=8\r\nAutoChSelect=0\r\nFFTAreaSw=0\r\nFFTPoint=1024\r\n"
               "WindowType=2\r\nLowCutSw=1\r\nLowCutFreq=50\r\nHiCutSw=1\r\nHiCutFreq=3000\r\n"
               "FFTCalMode=1\r\nFFTFreqStdSw=0\r\nTxOutOption=1\r\n";
        for (int j = 0; j < kChannels; j++)
            ini << "[ANALYCH" << j + 1 << "]\r\nSignal=4\r\nLabel=\"" << kNames[j] << "\"\r\n";
        const int anBands[5] = {50, 400, 800, 1300, 3000};
        for (int b = 0; b < 4; b++)
            ini << "[FREQBAND" << b + 1 << "]\r\nEnable=1\r\nShow=1\r\nMinFreq=" << anBands[b]
                << "\r\nMaxFreq=" << anBands[b + 1] << "\r\nLabel=band" << b + 1 << "\r\n";
        std::ofstream inix(m_folder / "QFFTANAX.INI", std::ios::binary);
        inix << "[INITIAL]\r\nEnable=1\r\nCoherenceSquare=1\r\n";
    }

    std::filesystem::path m_folder;
    HMODULE m_hModule = NULL;
    HWND m_hHost = NULL;
    HWND m_hPlugin = NULL;
    std::vector<std::vector<short>> m_aPages;
};

void PageFFT(benchmark::State &state)
{
    Analysis analysis;
    if (!analysis.Ready()) {
        state.SkipWithError("the plug-in could not be created");
        return;
    }
    DWORD nPageStart = 0;
    for (auto _ : state) {
        state.PauseTiming();
        analysis.DeliverPages();
        state.ResumeTiming();
        analysis.SetArea(nPageStart);
        nPageStart += kPage;
    }
}
BENCHMARK(PageFFT)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

void SaveReport(benchmark::State &state)
{
    Analysis analysis;
    if (!analysis.Ready()) {
        state.SkipWithError("the plug-in could not be created");
        return;
    }
    for (DWORD k = 0; k < 100; k++) {
        analysis.DeliverPages();
        analysis.SetArea(k * kPage);
        analysis.Command(1021);
    }
    std::string sPath = analysis.FileIn("report.csv");
    for (auto _ : state) {
        AutoQueueFileDialogPath(sPath.c_str());
        analysis.Command(1024);
    }
    state.counters["bytes"] = (double)std::filesystem::file_size(sPath);
}
BENCHMARK(SaveReport)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
