// The band power bar graph and the coherence band histogram on their own:
// bars, columns and colours on a DIB section, metafiles, text tables.
#include <math.h>
#include <string.h>

#include "viewtest.h"

#define BARGRAPH "QPANEFFTANALYBARGRAPH"
#define COHGRAPH "QPANEFFTANALYCOHGRAPH"
#define PLOT_CREAM 0xFFF2E9

using BarGraph = ViewTest;
using CohGraph = ViewTest;

// Middle x of column k of n.
static int ColumnMid(const RECT &r, int k, int n)
{
    int w = r.right - r.left;
    return (r.left + 1 + k * w / n + r.left - 1 + (k + 1) * w / n) / 2;
}

// Rows of column x, from above the plot's frame down to the row over its
// bottom line, that carry colour cr. A bar of height hb fills the rows
// R.bottom - hb .. R.bottom - 2.
static int ColouredRows(const ViewTest &t, const RECT &r, int x, COLORREF cr, int *pnTop)
{
    int n = 0;
    *pnTop = -1;
    for (int y = r.top - 2; y <= r.bottom - 1; y++) {
        if (t.Pixel(x, y) == Rgb(cr)) {
            if (n++ == 0)
                *pnTop = y;
        }
    }
    return n;
}

// A full band reaches H - 1 (100 x 0.01 in single precision falls short of
// 1); an empty one, a negative one and NaN draw nothing; a share above 100
// stops at the top of the plot.
TEST_F(BarGraph, BarHeightsStayWithinTheScale)
{
    CreateView(BARGRAPH, 1082);
    RECT r = PlotRect();
    int H = r.bottom - r.top;
    const struct {
        float fPercent;
        int nHeight;
    } aCases[] = {{100.0f, H - 1}, {0.0f, 0}, {-20.0f, 0}, {NAN, 0}, {250.0f, H}};
    for (const auto &c : aCases) {
        Data().aBand[1].afBandPercent[2] = c.fPercent;
        Draw();
        int nTop;
        int nRows = ColouredRows(*this, r, ColumnMid(r, 1, 4), Data().acrBandColor[1], &nTop);
        EXPECT_EQ(nRows, c.nHeight > 0 ? c.nHeight - 1 : 0) << c.fPercent << " %";
        if (nRows > 0) {
            EXPECT_EQ(nTop, r.bottom - c.nHeight) << c.fPercent << " %";
        }
    }
}

// Columns follow the enabled bands; each bar takes its band's colour, not
// its column's.
TEST_F(BarGraph, ColumnsOfEnabledBandsInTheirBandsColours)
{
    CreateView(BARGRAPH, 1080);
    for (int b = 0; b < FV_BANDS; b++) {
        Data().aBand[b].wEnable = b == 0 || b == 3 || b == 6;
        Data().aBand[b].nMaxFreq = 1000;
        Data().aBand[b].afBandPercent[0] = 60.0f;
    }
    Draw();
    RECT r = PlotRect();
    const int aBands[] = {0, 3, 6};
    for (int k = 0; k < 3; k++)
        EXPECT_EQ(Pixel(ColumnMid(r, k, 3), r.bottom - 3), Rgb(Data().acrBandColor[aBands[k]]))
            << "column " << k;
    // No bars while idle, but the columns are still there.
    Data().wAnalyState = 0;
    Draw();
    EXPECT_EQ(Pixel(ColumnMid(r, 1, 3), r.bottom - 3), PLOT_CREAM);
    int w = r.right - r.left;
    EXPECT_NE(Pixel(r.left + 1 + w / 3, r.top + 5), PLOT_CREAM) << "column line";
}

// A band beyond what the channel resolves, or an analysis range beyond it,
// shows "ERR" and no bar.
TEST_F(BarGraph, BandsBeyondTheChannelShowErrInsteadOfABar)
{
    CreateView(BARGRAPH, 1080);
    for (int b = 0; b < 4; b++)
        Data().aBand[b].afBandPercent[0] = 90.0f;
    Data().aAnalyCh[0].nDispMaxFreq = 2000; // band 3 ends at 30 Hz
    Data().nFreqMax = 1500;
    Draw();
    RECT r = PlotRect();
    int nTop;
    EXPECT_GT(ColouredRows(*this, r, ColumnMid(r, 2, 4), Data().acrBandColor[2], &nTop), 0);
    EXPECT_EQ(ColouredRows(*this, r, ColumnMid(r, 3, 4), Data().acrBandColor[3], &nTop), 0);
    Data().nFreqMax = 2500; // now every band is in error
    Draw();
    EXPECT_EQ(ColouredRows(*this, r, ColumnMid(r, 0, 4), Data().acrBandColor[0], &nTop), 0);
    EXPECT_NE(Text(0).find("band0,0.50\x81\x60" "4.00,ERR\r\n"), std::string::npos);
}

TEST_F(BarGraph, WithoutARecordNothingIsDrawnOrHandedOut)
{
    CreateView(BARGRAPH, 1080);
    Detach();
    Draw();
    EXPECT_EQ(Pixel(m_cx / 2, m_cy / 2), 0xFFFFFFu);
    EXPECT_EQ(SendMessageA(m_hView, QPM_GETGRAPHIMAGE, 1, 0), 0);
    EXPECT_EQ(SendMessageA(m_hView, QPM_GETGRAPHTEXT, 0, 2), 0);
}

// The enhanced metafile replays to the pixels of direct drawing (in the
// plot with its frame, where no text is: glyphs may be placed differently
// on replay); the Windows metafile plays back too; other modes give
// nothing.
TEST_F(BarGraph, MetafilesReplayTheDrawing)
{
    CreateView(BARGRAPH, 1080);
    for (int b = 0; b < 4; b++)
        Data().aBand[b].afBandPercent[0] = 20.0f * (b + 1);
    Draw();
    KeepDrawing();
    ASSERT_TRUE(DrawImage(1));
    RECT r = PlotRect();
    EXPECT_EQ(DiffersFromKept({r.left, r.top - 1, r.right + 2, r.bottom + 1}), 0);
    ASSERT_TRUE(DrawImage(0));
    int nTop;
    EXPECT_GT(ColouredRows(*this, r, ColumnMid(r, 3, 4), Data().acrBandColor[3], &nTop), 0);
    EXPECT_EQ(SendMessageA(m_hView, QPM_GETGRAPHIMAGE, 2, 0), 0);
}

// Titles and labels with blanks and full-width characters, at their full
// lengths (63 and 31 bytes), come back intact in the text table.
TEST_F(BarGraph, TextTableKeepsTitlesAndLabelsWhole)
{
    CreateView(BARGRAPH, 1081);
    std::string sTitle = "\x82\x62\x82\x52 \x81\x7C A1";         // "Ｃ３ － A1"
    sTitle += std::string(63 - sTitle.size(), 'x');
    std::string sLabel = "\x83\xbf wave ";                       // "α wave "
    sLabel += std::string(31 - sLabel.size(), 'y');
    strcpy(Data().aAnalyCh[1].szChTitle, sTitle.c_str());
    strcpy(Data().aBand[0].szLabel, sLabel.c_str());
    Data().aBand[0].afBandPercent[1] = 12.345f;
    Data().aBand[1].afBandPercent[1] = 100.0f;
    for (int b = 2; b < 4; b++)
        Data().aBand[b].wEnable = 0;
    EXPECT_EQ(Text(2), "Power Histogram (" + sTitle + ")\r\n"
                       "Band Name\tFrequency\tContain Power(%)\r\n" +
                       sLabel + "\t0.50\x81\x60" "4.00\t12.35\r\n"
                       "band1\t4.00\x81\x60" "8.00\t100.00\r\n");
}

TEST_F(BarGraph, SeparatorsByModeAndNoBandLinesWhileIdle)
{
    CreateView(BARGRAPH, 1080);
    const struct {
        int nMode;
        const char *pszHeader;
    } aCases[] = {{0, "Band Name,Frequency,Contain Power(%)\r\n"},
                  {1, "Band Name Frequency Contain Power(%)\r\n"},
                  {2, "Band Name\tFrequency\tContain Power(%)\r\n"},
                  {5, "Band Name,Frequency,Contain Power(%)\r\n"}};
    for (const auto &c : aCases)
        EXPECT_NE(Text(c.nMode).find(c.pszHeader), std::string::npos) << c.nMode;
    Data().wAnalyState = 0;
    EXPECT_EQ(Text(0), "Power Histogram (C3-A1)\r\nBand Name,Frequency,Contain Power(%)\r\n");
}

// The histogram of pair A-B: "T" in black from the whole-spectrum value,
// the bands in their colours, a coherence of 1 filling the plot.
TEST_F(CohGraph, BarsAreTheCoherenceOfItsPair)
{
    CreateView(COHGRAPH, 4000);
    SendMessageA(m_hView, QPM_SETVALUE, 10, 1);
    SendMessageA(m_hView, QPM_SETVALUE, 11, 2);
    Data().afCohValue[0][1][2] = 0.5f;
    Data().afCohValue[1 + 2][1][2] = 1.0f;
    Data().afCohValue[1 + 2][2][1] = 0.1f; // the other order is never read
    Draw();
    RECT r = PlotRect();
    int H = r.bottom - r.top;
    int nTop;
    // Black: the bar of height H / 2 and the frame's top row.
    EXPECT_EQ(ColouredRows(*this, r, ColumnMid(r, 0, 5), 0, &nTop), H / 2 - 1 + 1);
    EXPECT_EQ(ColouredRows(*this, r, ColumnMid(r, 3, 5), Data().acrBandColor[2], &nTop), H - 1);
    EXPECT_EQ(nTop, r.top);
    strcpy(Data().aAnalyCh[2].szChTitle, "O2");
    Data().aBand[3].wEnable = 0;
    EXPECT_EQ(Text(2), "Coherence Band Histogram (C3-A1-O2)\r\n"
                       "Band Name\tFrequency\tCoherence\r\n"
                       "band0\t0.50\x81\x60" "4.00\t0.0000\r\n"
                       "band1\t4.00\x81\x60" "8.00\t0.0000\r\n"
                       "band2\t8.00\x81\x60" "13.00\t1.0000\r\n");
}
