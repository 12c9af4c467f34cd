// The coherence window as the analysis window opens, refreshes and closes
// it: the matrix of cells for N channels, the pairs they show, refreshes
// after an FFT and through command 900, and every way it closes.
#include <string>
#include <vector>

#include "analysis.h"
#include "views/viewwnd.h"

#define IDC_COHERENCE 1023

class Coherence : public AnalysisTest {
protected:
    // An analysis of n channels with coherence, started, one page FFT run.
    void StartChannels(int n)
    {
        static const char *apszNames[] = {"Fp1", "Fp2", "C3", "C4", "O1", "O2", "T3", "T4"};
        std::vector<AnalyChannel> aCh;
        std::vector<const char *> apsz;
        for (int k = 0; k < n; k++) {
            aCh.push_back({4, apszNames[k]});
            apsz.push_back(apszNames[k]);
        }
        WriteSettings(aCh, {}, true);
        Start(Channels(500, apsz));
        for (int k = 0; k < n; k++)
            SendPage(k, Sines(500, 5000, {{1000, 10.0 + k}}, 200.0, k + 1));
    }
    HWND CohWnd() const
    {
        HWND hCoh = NULL;
        PeekRecord(m_host->Plugin(), [&](const FFTVIEWDATA &d) { hCoh = d.hCohWnd; });
        return hCoh;
    }
    HWND Open()
    {
        Command(IDC_COHERENCE);
        DrivePump();
        HWND hCoh = CohWnd();
        EXPECT_NE(hCoh, nullptr);
        EXPECT_EQ(IsDlgButtonChecked(m_host->Plugin(), IDC_COHERENCE), BST_CHECKED);
        return hCoh;
    }
    static std::string ClassOf(HWND h)
    {
        char sz[64] = "";
        GetClassNameA(h, sz, sizeof(sz));
        return sz;
    }
    static LONG Lines(HWND hGraph) { return (LONG)SendMessageA(hGraph, FGM_GETDATA, 0, 0); }
};

// For N channels: N column and row headers, N "No" cells, N(N-1)/2 spectra
// below the diagonal and as many histograms above it, made column by
// column; the histogram in column i, row j shows A = j, B = i and sits at
// that column's and row's headers.
TEST_F(Coherence, MatrixOfCellsForOneToEightChannels)
{
    for (int n : {1, 2, 3, 8}) {
        SCOPED_TRACE(n);
        StartChannels(n);
        HWND hCoh = Open();
        int nPairs = n * (n - 1) / 2;
        const struct {
            int nFirst, nCount;
            const char *pszClass, *pszText;
        } aKinds[] = {{2000, n, "QCUSTOMSTATIC32", nullptr}, {2100, n, "QCUSTOMSTATIC32", nullptr},
                      {2200, n, "QCUSTOMSTATIC32", "No"},    {3000, nPairs, "QFFTGFRAPHCLASS", "Coh"},
                      {4000, nPairs, "QPANEFFTANALYCOHGRAPH", "Band"}};
        for (const auto &kind : aKinds) {
            for (int k = 0; k < kind.nCount; k++) {
                HWND hCell = GetDlgItem(hCoh, kind.nFirst + k);
                ASSERT_NE(hCell, nullptr) << kind.nFirst + k;
                EXPECT_EQ(ClassOf(hCell), kind.pszClass);
                char sz[64] = "";
                GetWindowTextA(hCell, sz, sizeof(sz));
                if (kind.pszText != nullptr) {
                    EXPECT_STREQ(sz, kind.pszText);
                }
            }
            EXPECT_EQ(GetDlgItem(hCoh, kind.nFirst + kind.nCount), nullptr);
        }
        int b = 0;
        for (int i = 0; i < n; i++) {
            for (int j = 0; j < i; j++) {
                HWND hBands = GetDlgItem(hCoh, 4000 + b++);
                EXPECT_EQ(GetWindowWord(hBands, VWW_CHA), j);
                EXPECT_EQ(GetWindowWord(hBands, VWW_CHB), i);
                RECT rcCell, rcCol, rcRow;
                GetWindowRect(hBands, &rcCell);
                GetWindowRect(GetDlgItem(hCoh, 2000 + i), &rcCol);
                GetWindowRect(GetDlgItem(hCoh, 2100 + j), &rcRow);
                EXPECT_EQ(rcCell.left, rcCol.left);
                EXPECT_EQ(rcCell.top, rcRow.top);
            }
        }
        Command(IDC_COHERENCE);
        DrivePump();
        EXPECT_FALSE(IsWindow(hCoh));
        DestroyPlugin();
        m_host = std::make_unique<TestHost>();
    }
}

// New results reach the spectra through the posted refresh after a page
// FFT, and the headers follow the channels through command 900.
TEST_F(Coherence, SpectraFollowEachFftAndCommand900)
{
    StartChannels(3);
    HWND hCoh = Open();
    HWND hSpectrum = GetDlgItem(hCoh, 3000);
    EXPECT_EQ(Lines(hSpectrum), 0) << "no FFT run yet";
    SetArea(0);
    DrivePump();
    EXPECT_GT(Lines(hSpectrum), 0);
    char sz[64] = "";
    GetDlgItemTextA(hCoh, 2001, sz, sizeof(sz));
    EXPECT_STREQ(sz, "Fp2");
    SetDlgItemTextA(hCoh, 2001, "stale");
    SendMessageA(hCoh, WM_COMMAND, 900, 0);
    GetDlgItemTextA(hCoh, 2001, sz, sizeof(sz));
    EXPECT_STREQ(sz, "Fp2");
}

// "Close" goes through the analysis window, as does its own button; both
// leave the button unchecked and the record without a window.
TEST_F(Coherence, ClosesByItsButtonAndByTheAnalysisWindowsButton)
{
    StartChannels(2);
    HWND hCoh = Open();
    SendMessageA(hCoh, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(hCoh)) << "closed through the analysis window's queue";
    DrivePump();
    EXPECT_FALSE(IsWindow(hCoh));
    EXPECT_EQ(CohWnd(), nullptr);
    EXPECT_EQ(IsDlgButtonChecked(m_host->Plugin(), IDC_COHERENCE), BST_UNCHECKED);
    hCoh = Open();
    Command(IDC_COHERENCE);
    EXPECT_FALSE(IsWindow(hCoh));
    EXPECT_EQ(IsDlgButtonChecked(m_host->Plugin(), IDC_COHERENCE), BST_UNCHECKED);
}

// The window never outlives the record it reads: destroying the analysis
// window closes it, and the refresh already posted to it finds nothing.
TEST_F(Coherence, AnalysisWindowDestroyedWhileOpen)
{
    StartChannels(2);
    HWND hCoh = Open();
    SetArea(0); // posts a refresh to the coherence window
    DestroyPlugin();
    EXPECT_FALSE(IsWindow(hCoh));
    DrivePump();
}

// The coherence window is one per process: a second analysis window that
// opens it takes it over, the first one's is closed and its button
// unchecked, and each record only ever knows its own window.
TEST_F(Coherence, SecondAnalysisWindowTakesTheWindowOver)
{
    StartChannels(2);
    HWND hFirst = Open();
    auto other = std::make_unique<TestHost>();
    HWND hOther = other->CreatePlugin();
    other->Initialise(SettingsDir());
    DrivePump();
    SendMessageA(hOther, WM_COMMAND, IDC_COHERENCE, 0);
    DrivePump();
    EXPECT_FALSE(IsWindow(hFirst));
    EXPECT_EQ(CohWnd(), nullptr);
    EXPECT_EQ(IsDlgButtonChecked(m_host->Plugin(), IDC_COHERENCE), BST_UNCHECKED);
    HWND hSecond = NULL;
    PeekRecord(hOther, [&](const FFTVIEWDATA &d) { hSecond = d.hCohWnd; });
    EXPECT_TRUE(IsWindow(hSecond));
    other.reset();
    DrivePump();
    EXPECT_FALSE(IsWindow(hSecond));
    Open();
}
