/*
 * The spectrum graph's look: its scale as numbers, and what it draws into
 * a DIB section where the scale says (bar tops, axis, markers, cursor, the
 * ADD overlay), nothing for no data and nothing outside its client area.
 */
#include <vector>

#include <gtest/gtest.h>

#include "canvas.h"
#include "fftgrph/fftgraph.h"
#include "fftgrph/graphgeom.h"

namespace {

const COLORREF kSpectrum = RGB(0, 0, 160);
const COLORREF kAdd = RGB(0, 160, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMean = RGB(0, 128, 64);
const COLORREF kCursor = RGB(220, 0, 0);

TEST(GraphScale, NiceStepsAndCeilings)
{
    static const struct {
        double dSpan;
        int nTicks;
        double dStep;
    } steps[] = {{100, 5, 20}, {30, 6, 5}, {250, 10, 50}, {1, 4, 0.5}, {0.9, 3, 0.5}, {0, 5, 1}, {7, 0, 1}};
    for (const auto &c : steps)
        EXPECT_DOUBLE_EQ(FgNiceStep(c.dSpan, c.nTicks), c.dStep) << c.dSpan << "/" << c.nTicks;
    static const double ceilings[][2] = {{87, 100}, {101, 200}, {240, 250}, {0.3, 0.5}, {2000, 2000}, {-1, 1}};
    for (const auto &c : ceilings)
        EXPECT_DOUBLE_EQ(FgNiceCeil(c[0]), c[1]) << c[0];
}

TEST(GraphScale, TopFollowsAmplitudeScaleMagnificationAndCoherence)
{
    GRAPHSCALEIN in = {};
    in.rcClient = {0, 0, 248, 136};
    in.nPoints = 1024;
    in.nRate = 500;
    static const struct {
        LONG nAmp, nMag;
        BOOL fCoh;
        double dMax, dTop;
    } cases[] = {{10, 1, FALSE, 0, 100},  {10, 4, FALSE, 0, 25},  {10, 256, FALSE, 0, 100.0 / 256},
                 {10, 0, FALSE, 0, 100},  {0, 2, FALSE, 87, 50},  {10, 8, TRUE, 0, 1}};
    for (const auto &c : cases) {
        in.nAmpScale = c.nAmp;
        in.nMag = c.nMag;
        in.fCoherence = c.fCoh;
        in.dDataMax = c.dMax;
        GRAPHSCALE s;
        FgCalcScale(&in, &s);
        EXPECT_DOUBLE_EQ(s.dTop, c.dTop) << c.nAmp << " x" << c.nMag;
        EXPECT_GT(s.dValueStep, 0);
        EXPECT_LE(s.dTop / s.dValueStep, FG_SCALE_MAXTICKS + 1e-9);
    }
}

TEST(GraphScale, LinesAndPositions)
{
    GRAPHSCALEIN in = {};
    in.rcClient = {0, 0, 248, 136};
    in.nPoints = 1024;
    in.nRate = 500;
    in.nAmpScale = 10;
    static const LONG shown[][2] = {{100, 100}, {0, 512}, {5000, 512}};
    GRAPHSCALE s;
    for (const auto &c : shown) {
        in.nShowLines = c[0];
        FgCalcScale(&in, &s);
        EXPECT_EQ(s.nLines, c[1]);
    }
    in.nShowLines = 100;  // 2 pixels a line over a 200-pixel plot
    FgCalcScale(&in, &s);
    EXPECT_EQ(s.rcPlot.left, 40);
    EXPECT_EQ(s.rcPlot.right, 240);
    EXPECT_EQ(FgFreqToX(&s, 0), 40);
    EXPECT_EQ(FgFreqToX(&s, 10 * s.dLineHz), 60);
    EXPECT_EQ(FgFreqToX(&s, 1e6), 239) << "clamped to the last column";
    EXPECT_EQ(FgValueToY(&s, 0), s.rcPlot.bottom - 1);
    EXPECT_EQ(FgValueToY(&s, -5), s.rcPlot.bottom - 1);
    EXPECT_EQ(FgValueToY(&s, 1e9), s.rcPlot.top) << "cut at the top";
    in.nRate = 0;
    FgCalcScale(&in, &s);
    EXPECT_EQ(s.nLines, 0) << "no rate, no scale";
}

// A graph 248 x 136 (no font: the smallest margins, plot x 40..239) with
// 1024 points at 500 Hz, 100 lines shown and a full scale of 100.
class GraphDraw : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FgRegisterGraphClass());
        m_hwndParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, NULL, NULL, NULL, NULL);
        m_hwnd = CreateWindowExA(0, FG_GRAPH_CLASS, "FFT Graph", WS_CHILD | WS_VISIBLE, 0, 0, 248, 136,
                                 m_hwndParent, (HMENU)1050, GetModuleHandleA(NULL), NULL);
        ASSERT_NE(m_hwnd, nullptr);
        const LPARAM props[][2] = {{FG_PROP_POINTS, 1024}, {FG_PROP_RATE, 500}, {FG_PROP_LINES, 100},
                                   {FG_PROP_AMPSCALE, 10},  {0x1000B, LPARAM(kSpectrum)}, {0x2000B, LPARAM(kAdd)}};
        for (const auto &p : props)
            SendMessageA(m_hwnd, FGM_SETPROP, WPARAM(p[0]), p[1]);
        GRAPHSCALEIN in = {};
        in.rcClient = {0, 0, 248, 136};
        in.nPoints = 1024;
        in.nRate = 500;
        in.nShowLines = 100;
        in.nAmpScale = 10;
        FgCalcScale(&in, &m_s);
    }
    void TearDown() override { DestroyWindow(m_hwndParent); }

    void SetData(const std::vector<LONG> &v, UINT uMsg = FGM_SETDATA)
    {
        SendMessageA(m_hwnd, uMsg, MAKEWPARAM(0, WORD(v.size())), (LPARAM)v.data());
        SendMessageA(m_hwnd, FGM_REDRAW, 0, 0);
    }
    // One line at 50 (half the scale), the rest 0.
    static std::vector<LONG> Peak(size_t nLines = 100, size_t k = 20)
    {
        std::vector<LONG> v(nLines, 0);
        v[k] = 50;
        return v;
    }
    int X(int nLine) const { return FgFreqToX(&m_s, nLine * m_s.dLineHz); }
    int Y(double dValue) const { return FgValueToY(&m_s, dValue); }
    int CountInPlot(const Canvas &c, COLORREF cr) const
    {
        return c.Count(cr, m_s.rcPlot.left, m_s.rcPlot.top, m_s.rcPlot.right, m_s.rcPlot.bottom);
    }

    HWND m_hwndParent = NULL;
    HWND m_hwnd = NULL;
    GRAPHSCALE m_s = {};
};

TEST_F(GraphDraw, BarTopsAndAxisWhereTheScaleSays)
{
    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_DRAWTYPE, FG_DRAW_BARS);
    SetData(Peak());
    Canvas c(248, 136);
    c.Print(m_hwnd);
    const int x = X(20), yTop = Y(50);
    EXPECT_EQ(c.At(x, yTop), kSpectrum) << "the bar's top row";
    EXPECT_EQ(c.At(x, yTop - 1), kWhite) << "nothing above the bar";
    EXPECT_EQ(c.At(x, m_s.rcPlot.bottom - 1), kSpectrum) << "the bar reaches the baseline";
    EXPECT_EQ(c.At(X(40), Y(25)), kWhite) << "a zero line draws no bar";
    // The power axis: a grey column left of the plot, over its height.
    const COLORREF crAxis = c.At(m_s.rcPlot.left - 1, (m_s.rcPlot.top + m_s.rcPlot.bottom) / 2);
    EXPECT_NE(crAxis, kWhite);
    EXPECT_EQ(GetRValue(crAxis), GetGValue(crAxis)) << "axes are grey";
    EXPECT_EQ(c.Count(Canvas::SENTINEL, 0, 0, 248, 136), 0) << "the whole client area is painted";
}

TEST_F(GraphDraw, LineAndFilledTypesAndMagnificationCutAtTheTop)
{
    for (LPARAM nType : {FG_DRAW_LINE, FG_DRAW_FILLED}) {
        SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_DRAWTYPE, nType);
        SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_MAG, 1);
        SetData(Peak());
        Canvas c(248, 136);
        c.Print(m_hwnd);
        EXPECT_EQ(c.At(X(20), Y(50)), kSpectrum) << "type " << nType << ": the peak";
        EXPECT_EQ(c.Count(kSpectrum, 0, 0, 248, Y(50)), 0) << "type " << nType << ": nothing above it";

        // At 256 times the scale is 100/256: the peak is cut at the plot's top.
        SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_MAG, 256);
        SetData(Peak());
        Canvas m(248, 136);
        m.Print(m_hwnd);
        EXPECT_EQ(m.At(X(20), m_s.rcPlot.top), kSpectrum) << "type " << nType;
        EXPECT_EQ(m.Count(kSpectrum, 0, 0, 248, m_s.rcPlot.top), 0) << "type " << nType << ": not above the plot";
    }
}

TEST_F(GraphDraw, EveryLineCountUpToTheLargestKeepsItsPeak)
{
    // 8192 lines over 200 columns: the column of the peak keeps its height.
    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_POINTS, 16384);
    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_LINES, 0);
    SetData(Peak(8192, 4000));
    GRAPHSCALEIN in = {};
    in.rcClient = {0, 0, 248, 136};
    in.nPoints = 16384;
    in.nRate = 500;
    in.nAmpScale = 10;
    FgCalcScale(&in, &m_s);
    Canvas c(248, 136);
    c.Print(m_hwnd);
    EXPECT_EQ(c.At(X(4000), Y(50)), kSpectrum);
}

TEST_F(GraphDraw, AddAverageOverlayInItsColourOnlyWhenOn)
{
    SetData(Peak());
    SetData(Peak(100, 60), FGM_SETADDDATA);
    Canvas off(248, 136);
    off.Print(m_hwnd);
    EXPECT_EQ(CountInPlot(off, kAdd), 0);
    SendMessageA(m_hwnd, FGM_SETADDMODE, 1, 0);
    SendMessageA(m_hwnd, FGM_REDRAW, 0, 0);
    Canvas on(248, 136);
    on.Print(m_hwnd);
    EXPECT_EQ(on.At(X(60), Y(50)), kAdd) << "the ADD average's peak";
    // A CLEAR drops the average.
    SendMessageA(m_hwnd, FGM_REDRAW, FG_REDRAW_CLEAR, 0);
    Canvas cleared(248, 136);
    cleared.Print(m_hwnd);
    EXPECT_EQ(CountInPlot(cleared, kAdd), 0);
}

TEST_F(GraphDraw, MarkersAndCursorAtTheirFrequencies)
{
    SetData(Peak());
    const float fMean = 10.0f, fEdge = 30.0f;
    SendMessageA(m_hwnd, FGM_SETVALUE, FG_VALUE_MEAN, (LPARAM)&fMean);
    SendMessageA(m_hwnd, FGM_SETVALUE, FG_VALUE_EDGE, (LPARAM)&fEdge);
    const int xMean = FgFreqToX(&m_s, 10.0);
    Canvas hidden(248, 136);
    hidden.Print(m_hwnd);
    EXPECT_EQ(hidden.Count(kMean, xMean, m_s.rcPlot.top, xMean + 1, m_s.rcPlot.bottom), 0);

    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_SHOWPARA, 1);
    SendMessageA(m_hwnd, FGM_SETSYNC, FG_SYNC_FREQ, 2000);  // 20.00 Hz
    SendMessageA(m_hwnd, FGM_SETSYNC, FG_SYNC_STATE, 1);
    SendMessageA(m_hwnd, FGM_REDRAW, 0, 0);
    Canvas c(248, 136);
    c.Print(m_hwnd);
    EXPECT_GT(c.Count(kMean, xMean, m_s.rcPlot.top, xMean + 1, m_s.rcPlot.bottom), 10) << "a dashed line";
    EXPECT_EQ(c.Count(kMean, xMean + 2, m_s.rcPlot.top, xMean + 3, m_s.rcPlot.bottom), 0);
    const int xCursor = FgFreqToX(&m_s, 20.0);
    EXPECT_EQ(c.At(xCursor, m_s.rcPlot.bottom - 2), kCursor);
}

TEST_F(GraphDraw, NoDataDrawsNoSpectrumUntilTheNextData)
{
    SetData(Peak());
    SendMessageA(m_hwnd, FGM_REDRAW, FG_REDRAW_NODATA, 0);
    Canvas c(248, 136);
    c.Print(m_hwnd);
    EXPECT_EQ(CountInPlot(c, kSpectrum), 0);
    SetData(Peak());
    Canvas again(248, 136);
    again.Print(m_hwnd);
    EXPECT_GT(CountInPlot(again, kSpectrum), 0);
}

TEST_F(GraphDraw, CoherenceOnAFixedAxis)
{
    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_DRAWTYPE, FG_DRAW_COHERENCE);
    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_MAG, 8);  // no effect on coherence
    std::vector<LONG> v(100, 5000);                     // 0.5 everywhere
    SetData(v);
    GRAPHSCALEIN in = {};
    in.rcClient = {0, 0, 248, 136};
    in.nPoints = 1024;
    in.nRate = 500;
    in.nShowLines = 100;
    in.fCoherence = TRUE;
    FgCalcScale(&in, &m_s);
    Canvas c(248, 136);
    c.Print(m_hwnd);
    EXPECT_EQ(c.At(X(50), Y(0.5)), kSpectrum);
}

TEST_F(GraphDraw, NothingOutsideTheClientArea)
{
    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_DRAWTYPE, FG_DRAW_FILLED);
    SendMessageA(m_hwnd, FGM_SETPROP, FG_PROP_MAG, 256);
    SendMessageA(m_hwnd, FGM_SETTEXT, FG_TEXT_TITLE, (LPARAM)"A very long channel title that runs far past the graph");
    SendMessageA(m_hwnd, FGM_SETTEXT, FG_TEXT_SHOWTITLE, 1);
    SetData(Peak());
    Canvas c(248 + 40, 136 + 40);
    c.Print(m_hwnd, 20, 20);
    EXPECT_EQ(c.Count(Canvas::SENTINEL, 20, 20, 268, 156), 0);
    const int nOutside = c.Count(Canvas::SENTINEL, 0, 0, 288, 176);
    EXPECT_EQ(nOutside, 288 * 176 - 248 * 136);
}

}  // namespace
