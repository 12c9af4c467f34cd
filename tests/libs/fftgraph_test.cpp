/*
 * The spectrum graph control: what it keeps of the messages it is sent,
 * what it copies and refuses, and the notifications of the user's mouse
 * actions as its parent receives them.
 */
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "automation.h"
#include "fftgrph/fftgraph.h"
#include "notelog.h"

namespace {

const int kGraphId = 1050;

// 248 x 136 gives a plot area of x 40..239, y 16..115 (200 x 100 pixels).
class GraphTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FgRegisterGraphClass());
        m_hwndParent = NoteCreateParent();
        m_hwnd = CreateWindowExA(0, FG_GRAPH_CLASS, "FFT Graph", WS_CHILD | WS_VISIBLE, 0, 0, 248, 136,
                                 m_hwndParent, (HMENU)(INT_PTR)kGraphId, GetModuleHandleA(NULL), NULL);
        ASSERT_NE(m_hwnd, nullptr);
        NoteStart();
    }
    void TearDown() override
    {
        DestroyWindow(m_hwndParent);
        NoteStart();
    }

    LRESULT Send(UINT uMsg, WPARAM wParam, LPARAM lParam = 0) { return SendMessageA(m_hwnd, uMsg, wParam, lParam); }
    // 1024 points at 500 Hz with 100 lines shown: 2 pixels a line.
    void SetScale(LONG nShown = 100)
    {
        Send(FGM_SETPROP, FG_PROP_POINTS, 1024);
        Send(FGM_SETPROP, FG_PROP_RATE, 500);
        Send(FGM_SETPROP, FG_PROP_LINES, nShown);
    }
    void Click(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Wheel(int nDelta) { Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(nDelta)))); }
    std::vector<LONG> Data(UINT uMsg)
    {
        std::vector<LONG> v(size_t(Send(uMsg, 0, 0)));
        Send(uMsg, v.size(), (LPARAM)v.data());
        return v;
    }

    HWND m_hwndParent = NULL;
    HWND m_hwnd = NULL;
};

TEST_F(GraphTest, RefusesNewIdsWhenItsTableIsFullButUpdatesKnownOnes)
{
    for (DWORD id = 0; id < FG_GRAPH_MAXPROPS; id++)
        ASSERT_TRUE(Send(FGM_SETPROP, 0x50000 + id, LONG(id)));
    EXPECT_FALSE(Send(FGM_SETPROP, 7, 1024));
    EXPECT_EQ(Send(FGM_GETPROP, 7), 0);
    EXPECT_TRUE(Send(FGM_SETPROP, 0x50000, -5));
    EXPECT_EQ(Send(FGM_GETPROP, 0x50000), -5);
}

TEST_F(GraphTest, CopiesTheDataBeforeSetDataReturns)
{
    std::vector<LONG> spec = {5, 4, 3, 2, 1};
    std::vector<LONG> add = {50, 40, 30};
    EXPECT_EQ(Send(FGM_SETDATA, MAKEWPARAM(0, 5), (LPARAM)spec.data()), 5);
    EXPECT_EQ(Send(FGM_SETADDDATA, MAKEWPARAM(0, 3), (LPARAM)add.data()), 3);
    std::vector<LONG> specSent = spec, addSent = add;
    for (LONG &n : spec)
        n = -7;
    for (LONG &n : add)
        n = -7;

    EXPECT_EQ(Data(FGM_GETDATA), specSent);
    EXPECT_EQ(Data(FGM_GETADDDATA), addSent);
}

TEST_F(GraphTest, CutsLongDataAndKeepsOldDataWhenThePointerIsNull)
{
    std::vector<LONG> big(65535);
    for (size_t i = 0; i < big.size(); i++)
        big[i] = LONG(i);
    EXPECT_EQ(Send(FGM_SETDATA, MAKEWPARAM(0, 65535), (LPARAM)big.data()), FG_GRAPH_MAXLINES);
    std::vector<LONG> kept = Data(FGM_GETDATA);
    ASSERT_EQ(kept.size(), size_t(FG_GRAPH_MAXLINES));
    EXPECT_EQ(kept.back(), FG_GRAPH_MAXLINES - 1);

    EXPECT_EQ(Send(FGM_SETDATA, MAKEWPARAM(0, 100), 0), 0);
    EXPECT_EQ(Send(FGM_SETADDDATA, MAKEWPARAM(0, 100), 0), 0);
    EXPECT_EQ(Send(FGM_GETDATA, 0, 0), FG_GRAPH_MAXLINES) << "a NULL array must not touch the data";

    EXPECT_EQ(Send(FGM_SETDATA, 0, (LPARAM)big.data()), 0);
    EXPECT_EQ(Send(FGM_GETDATA, 0, 0), 0) << "a count of 0 empties the spectrum";
}

TEST_F(GraphTest, ReadBackCopiesNoMoreThanTheCallersCapacity)
{
    std::vector<LONG> spec = {1, 2, 3, 4};
    Send(FGM_SETDATA, MAKEWPARAM(0, 4), (LPARAM)spec.data());
    LONG an[4] = {0, 0, -1, -1};
    EXPECT_EQ(Send(FGM_GETDATA, 2, (LPARAM)an), 4);
    EXPECT_EQ(an[1], 2);
    EXPECT_EQ(an[2], -1);

    char sz[4] = "xxx";
    Send(FGM_SETTEXT, FG_TEXT_TITLE, (LPARAM) "Fp1-A1");
    EXPECT_EQ(Send(FGM_GETTITLE, sizeof(sz), (LPARAM)sz), 3);
    EXPECT_STREQ(sz, "Fp1");
    EXPECT_EQ(Send(FGM_GETTITLE, 0, (LPARAM)sz), 0);
    EXPECT_EQ(Send(FGM_GETTITLE, 10, 0), 0);
}

// What the plug-in reads back (properties, values, title, add mode, redraw
// code) is checked through the analysis window; here the refusals, the
// bounded copies and that setting values does not notify.
TEST_F(GraphTest, RefusesUnknownIdsAndNullPointersAndCopiesTheTitle)
{
    float f = 9.5f;
    EXPECT_TRUE(Send(FGM_SETVALUE, FG_VALUE_MEAN, (LPARAM)&f));
    f = 3.0f;
    EXPECT_FALSE(Send(FGM_SETVALUE, 2, (LPARAM)&f));
    EXPECT_FALSE(Send(FGM_SETVALUE, 0x20000, (LPARAM)&f));
    EXPECT_FALSE(Send(FGM_SETVALUE, FG_VALUE_MEAN, 0));
    EXPECT_FALSE(Send(FGM_GETVALUE, FG_VALUE_MEAN, 0));
    Send(FGM_GETVALUE, FG_VALUE_MEAN, (LPARAM)&f);
    EXPECT_EQ(f, 9.5f) << "refused values leave the kept one";

    char szLabel[] = "O1-A1";
    EXPECT_TRUE(Send(FGM_SETTEXT, FG_TEXT_TITLE, (LPARAM)szLabel));
    strcpy(szLabel, "XXXX");
    EXPECT_FALSE(Send(FGM_SETTEXT, FG_TEXT_TITLE, 0));
    EXPECT_FALSE(Send(FGM_SETTEXT, 11, (LPARAM) "other"));
    char sz[FG_GRAPH_MAXTITLE];
    Send(FGM_GETTITLE, sizeof(sz), (LPARAM)sz);
    EXPECT_STREQ(sz, "O1-A1");
    std::string strLong(300, 'T');
    Send(FGM_SETTEXT, FG_TEXT_TITLE, (LPARAM)strLong.c_str());
    EXPECT_EQ(Send(FGM_GETTITLE, sizeof(sz), (LPARAM)sz), FG_GRAPH_MAXTITLE - 1);

    EXPECT_FALSE(Send(FGM_SETSYNC, 3, 1));
    EXPECT_EQ(Send(FGM_GETSYNC, 3), 0);
    EXPECT_TRUE(Send(FGM_SETSYNC, FG_SYNC_FREQ, 1221));
    EXPECT_EQ(NoteTake(), NOTES{}) << "FGM_SETSYNC does not notify";

    Send(FGM_REDRAW, FG_REDRAW_NORMAL);
    EXPECT_TRUE(GetUpdateRect(m_hwnd, NULL, FALSE)) << "a redraw repaints the graph";
}

TEST_F(GraphTest, ClickPutsTheCursorOnTheNearestLine)
{
    // x -> line ((x - 40) * 2 * shown + 200) / 400, frequency line * 500 / 1024 Hz.
    static const struct {
        LONG nShown;
        int x;
        LONG nFreq;  // 0.01 Hz
    } clicks[] = {{100, 40, 0},      {100, 41, 49},   {100, 90, 1221},
                  {100, 239, 4834},  // the last shown line, not one past it
                  {0, 239, 24854},   // 0 lines shown: all 512
                  {5000, 239, 24854}};
    SetScale();
    for (const auto &c : clicks) {
        Send(FGM_SETPROP, FG_PROP_LINES, c.nShown);
        Send(FGM_SETSYNC, FG_SYNC_STATE, 0);
        Click(c.x, 50);
        EXPECT_EQ(Send(FGM_GETSYNC, FG_SYNC_FREQ), c.nFreq) << "x " << c.x << " shown " << c.nShown;
        EXPECT_EQ(Send(FGM_GETSYNC, FG_SYNC_STATE), 1);
    }
}

TEST_F(GraphTest, ClickNotifiesTheParentWithTheNewCursorReadable)
{
    Send(FGM_SETPROP, FG_PROP_RATE, 500);
    ASSERT_TRUE(AutoClick(m_hwnd));
    EXPECT_EQ(NoteTake(), NOTES{}) << "click without FFT size";
    EXPECT_EQ(Send(FGM_GETSYNC, FG_SYNC_STATE), 0);

    SetScale();
    LRESULT nFreqSeen = -1, nStateSeen = -1;
    NoteStart([&](const NOTE &) {
        // What the owner's synchronisation reads while it is notified.
        nFreqSeen = Send(FGM_GETSYNC, FG_SYNC_FREQ);
        nStateSeen = Send(FGM_GETSYNC, FG_SYNC_STATE);
    });
    ASSERT_TRUE(AutoClick(m_hwnd));  // centre: x 124, line 42
    const NOTES one = {{MAKEWPARAM(kGraphId, FGN_CURSOR), m_hwnd}};
    EXPECT_EQ(NoteTake(), one) << "click in the plot";
    EXPECT_EQ(nFreqSeen, 2051);
    EXPECT_EQ(nStateSeen, 1);

    Click(10, 50);  // on the amplitude axis
    EXPECT_EQ(NoteTake(), one) << "click beside the plot";
    EXPECT_EQ(nStateSeen, 0);
    EXPECT_EQ(nFreqSeen, 2051) << "hiding the cursor keeps its frequency";
    Click(124, 5);  // on the title
    EXPECT_EQ(NoteTake(), one) << "click above the plot";
}

// The wheel doubles or halves the magnification within 1..256; a double
// click cycles the draw type 0, 1, 2 but leaves coherence (3) alone. The
// parent hears of a change only.
TEST_F(GraphTest, WheelAndDoubleClickChangeMagnificationAndDrawType)
{
    static const struct {
        DWORD dwProp; // FG_PROP_MAG: the wheel turned by nDelta; else a double click
        LONG nBefore;
        int nDelta;
        LONG nAfter;
    } turns[] = {{FG_PROP_MAG, 1, 120, 2},      {FG_PROP_MAG, 4, -120, 2},      {FG_PROP_MAG, 1, -120, 1},
                 {FG_PROP_MAG, 0, 120, 2},      {FG_PROP_MAG, 3, 240, 12},      {FG_PROP_MAG, 16, -360, 2},
                 {FG_PROP_MAG, 8, 30, 16},      {FG_PROP_MAG, 128, 120, 256},   {FG_PROP_MAG, 256, 120, 256},
                 {FG_PROP_MAG, 1000, 120, 256}, {FG_PROP_MAG, 1000, -120, 256}, {FG_PROP_MAG, 5, 0, 5},
                 {FG_PROP_DRAWTYPE, 0, 0, 1},   {FG_PROP_DRAWTYPE, 1, 0, 2},    {FG_PROP_DRAWTYPE, 2, 0, 0},
                 {FG_PROP_DRAWTYPE, 7, 0, 0},   {FG_PROP_DRAWTYPE, -1, 0, 0},   {FG_PROP_DRAWTYPE, 3, 0, 3}};
    for (const auto &t : turns) {
        Send(FGM_SETPROP, t.dwProp, t.nBefore);
        NoteStart();
        bool fWheel = t.dwProp == FG_PROP_MAG;
        if (fWheel)
            Wheel(t.nDelta);
        else
            Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 50));
        EXPECT_EQ(Send(FGM_GETPROP, t.dwProp), t.nAfter) << t.dwProp << ": " << t.nBefore << " by " << t.nDelta;
        const NOTE changed = {MAKEWPARAM(kGraphId, fWheel ? FGN_MAGCHANGED : FGN_TYPECHANGED), m_hwnd};
        EXPECT_EQ(NoteTake(), t.nAfter == t.nBefore ? NOTES{} : NOTES{changed}) << (fWheel ? "wheel" : "double click");
    }
}

TEST_F(GraphTest, ParentMayDestroyTheGraphWhileItIsNotified)
{
    SetScale();
    NoteStart([&](const NOTE &note) { DestroyWindow(note.hwndFrom); });
    ASSERT_TRUE(AutoClick(m_hwnd));
    EXPECT_FALSE(IsWindow(m_hwnd));
    EXPECT_EQ(NoteTake().size(), 1u);
}

TEST(GraphClass, IsAGlobalClassOfTheLibraryAndRegistersOnce)
{
    ASSERT_TRUE(FgRegisterGraphClass());
    EXPECT_TRUE(FgRegisterGraphClass()) << "a second call is harmless";
    WNDCLASSA wc{};
    HINSTANCE hLib = GetModuleHandleA("QFFTGRPH.dll");
    ASSERT_NE(hLib, nullptr);
    ASSERT_TRUE(GetClassInfoA(hLib, FG_GRAPH_CLASS, &wc));
    EXPECT_EQ(wc.hInstance, hLib);
    EXPECT_TRUE(wc.style & CS_GLOBALCLASS);
    EXPECT_TRUE(wc.style & CS_DBLCLKS) << "double clicks must reach the graph";

    // Another module (here the program) creates it with its own instance.
    HWND hwnd = CreateWindowExA(0, FG_GRAPH_CLASS, "", WS_CHILD, 0, 0, 10, 10, NoteCreateParent(), NULL,
                                GetModuleHandleA(NULL), NULL);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(SendMessageA(hwnd, FGM_GETREDRAW, 0, 0), -1);
    DestroyWindow(GetParent(hwnd));
}

}  // namespace
