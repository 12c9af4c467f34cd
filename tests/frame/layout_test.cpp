// The analysis window's layout: the geometry as numbers, and the children
// of a real window where the geometry puts them.
#include "fixture.h"

#include <map>

#include "frame/layout.h"

namespace {

typedef std::map<int, ANALYPLACE> PLACES;

PLACES Layout(int w, int h, int H, int nPanel, int n, BOOL fHistogram, BOOL fCoherence)
{
    ANALYLAYOUTIN in = {w, h, H, nPanel, n, fHistogram, fCoherence};
    ANALYPLACE a[ANALY_MAXPLACES];
    int nPlaces = CalcAnalyLayout(&in, a);
    PLACES places;
    for (int i = 0; i < nPlaces; i++) {
        EXPECT_EQ(places.count(a[i].nId), 0u) << "placed twice: " << a[i].nId;
        places[a[i].nId] = a[i];
    }
    return places;
}

// x, y, cx, cy of a placement, for compact expectations.
std::vector<int> Rect(const ANALYPLACE &pl)
{
    return {pl.x, pl.y, pl.cx, pl.cy};
}

}  // namespace

TEST(LayoutGeometry, StatusLineAndPanelShareTheWidth)
{
    // w = 1000 with a panel 200 wide leaves W = 796 for the status line.
    PLACES p = Layout(1000, 600, 20, 200, 2, FALSE, TRUE);
    EXPECT_EQ(Rect(p[IDC_SETUPPANEL]), (std::vector<int>{797, 0, 202, 579}));
    EXPECT_EQ(Rect(p[IDC_ADDSTATE]), (std::vector<int>{0, 0, 158, 20}));
    EXPECT_EQ(p[IDC_COUNTLABEL].x, 159);
    EXPECT_EQ(p[IDC_COUNT].x, 278);
    EXPECT_EQ(p[IDC_HISTOGRAM].x, 398);
    EXPECT_EQ(Rect(p[IDC_MONITOR]), (std::vector<int>{612, 0, 183, 20}));
    // Without a panel the status line takes the whole width.
    p = Layout(1000, 600, 20, -1, 2, FALSE, TRUE);
    EXPECT_EQ(p.count(IDC_SETUPPANEL), 0u);
    EXPECT_EQ(Rect(p[IDC_MONITOR]), (std::vector<int>{770, 0, 229, 20}));
}

TEST(LayoutGeometry, GraphSlotsByChannelCount)
{
    // W = 796, H = 20, A = 600 - 42 = 558; slots start at y = 21.
    static const struct {
        int n;
        int nSlot;
        std::vector<int> rc;
    } cases[] = {
        {3, 0, {0, 21, 796, 185}},  {3, 2, {0, 393, 796, 185}},
        {4, 0, {0, 21, 397, 278}},  {4, 1, {397, 21, 398, 278}}, {4, 3, {397, 300, 398, 278}},
        {8, 6, {0, 439, 397, 139}}, {8, 7, {397, 439, 398, 139}},
        // Odd counts: the last slot has the bottom row to itself.
        {5, 4, {0, 393, 796, 185}}, {7, 6, {0, 439, 796, 139}}, {7, 5, {397, 300, 398, 138}},
    };
    for (const auto &c : cases) {
        PLACES p = Layout(1000, 600, 20, 200, c.n, FALSE, TRUE);
        const ANALYPLACE &pl = p[IDC_GRAPH_FIRST + c.nSlot];
        EXPECT_EQ(pl.nAction, PLACE_SHOW) << c.n << " channels, slot " << c.nSlot;
        EXPECT_EQ(Rect(pl), c.rc) << c.n << " channels, slot " << c.nSlot;
        EXPECT_LE(pl.y + pl.cy, 600 - 20) << "inside the graph area";
        for (int i = 0; i < FV_ANALYCH; i++) {
            EXPECT_EQ(p[IDC_GRAPH_FIRST + i].nAction, i < c.n ? PLACE_SHOW : PLACE_HIDE) << c.n << "/" << i;
            EXPECT_EQ(p[IDC_BARGRAPH_FIRST + i].nAction, PLACE_HIDE);
        }
    }
    // The histogram mode lays out the bar graphs in the same slots.
    PLACES p = Layout(1000, 600, 20, 200, 4, TRUE, TRUE);
    EXPECT_EQ(Rect(p[IDC_BARGRAPH_FIRST + 1]), (std::vector<int>{397, 21, 398, 278}));
    EXPECT_EQ(p[IDC_GRAPH_FIRST].nAction, PLACE_HIDE);
}

TEST(LayoutGeometry, ButtonRowWithAndWithoutCoherence)
{
    PLACES p = Layout(1002, 600, 20, -1, 2, FALSE, TRUE);  // w2 = 1000, fifths
    EXPECT_EQ(Rect(p[IDC_BANDSETUP]), (std::vector<int>{0, 580, 199, 20}));
    EXPECT_EQ(Rect(p[IDC_COHERENCE]), (std::vector<int>{600, 580, 199, 20}));
    EXPECT_EQ(p[IDC_COHERENCE].nAction, PLACE_SHOW);
    EXPECT_EQ(Rect(p[IDC_SAVE]), (std::vector<int>{800, 580, 199, 20}));
    p = Layout(1002, 600, 20, -1, 2, FALSE, FALSE);         // quarters
    EXPECT_EQ(p[IDC_COHERENCE].nAction, PLACE_HIDE);
    EXPECT_EQ(Rect(p[IDC_CLEAR]), (std::vector<int>{500, 580, 249, 20}));
    EXPECT_EQ(Rect(p[IDC_SAVE]), (std::vector<int>{750, 580, 249, 20}));
}

TEST(LayoutGeometry, TinyWindowGivesNoNegativeSizes)
{
    for (int n : {1, 3, 4, 7, 8}) {
        ANALYLAYOUTIN in = {0, 0, 20, 200, n, FALSE, TRUE};
        ANALYPLACE a[ANALY_MAXPLACES];
        int nPlaces = CalcAnalyLayout(&in, a);
        for (int i = 0; i < nPlaces; i++) {
            EXPECT_GE(a[i].cx, 0) << a[i].nId;
            EXPECT_GE(a[i].cy, 0) << a[i].nId;
        }
    }
}

typedef PluginTest LayoutWindow;

// The window moves its children where the geometry says, with the panel's
// width read from the setup panel's client area (made 200 pixels here).
TEST_F(LayoutWindow, ChildrenFollowTheGeometry)
{
    CreateAndInitialise();
    HWND hWnd = m_host->Plugin();
    HWND hPanel = GetDlgItem(hWnd, IDC_SETUPPANEL);
    ASSERT_NE(hPanel, nullptr);
    RECT rcPanelWindow, rcPanelClient;
    GetWindowRect(hPanel, &rcPanelWindow);
    GetClientRect(hPanel, &rcPanelClient);
    SetWindowPos(hPanel, NULL, 0, 0, 200 + (rcPanelWindow.right - rcPanelWindow.left) - rcPanelClient.right, 300,
                 SWP_NOMOVE | SWP_NOZORDER);
    // A client area of 1000 x 600, whatever frame the host gave the window.
    RECT rcWindow, rcClient;
    GetWindowRect(hWnd, &rcWindow);
    GetClientRect(hWnd, &rcClient);
    SetWindowPos(hWnd, NULL, 0, 0, 1000 + (rcWindow.right - rcWindow.left) - rcClient.right,
                 600 + (rcWindow.bottom - rcWindow.top) - rcClient.bottom, SWP_NOMOVE | SWP_NOZORDER);
    auto shown = [hWnd](int nId) { return (GetWindowLongA(GetDlgItem(hWnd, nId), GWL_STYLE) & WS_VISIBLE) != 0; };

    auto rectOf = [hWnd](int nId) {
        RECT rc = {};
        HWND hCtl = GetDlgItem(hWnd, nId);
        GetWindowRect(hCtl, &rc);
        MapWindowPoints(NULL, hWnd, (POINT *)&rc, 2);
        return std::vector<int>{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
    };
    std::vector<int> rcMonitor = rectOf(IDC_MONITOR);
    EXPECT_EQ(rcMonitor[0], 612);
    EXPECT_EQ(rcMonitor[2], 183);
    EXPECT_EQ(rectOf(IDC_SETUPPANEL)[0], 797);
    // Two channels by default: graphs 1050 and 1051 shown, the rest hidden.
    EXPECT_TRUE(shown(IDC_GRAPH_FIRST + 1));
    EXPECT_FALSE(shown(IDC_GRAPH_FIRST + 2));
    EXPECT_FALSE(shown(IDC_BARGRAPH_FIRST));
    EXPECT_EQ(rectOf(IDC_GRAPH_FIRST)[2], 796);

    // The display switch lays the bar graphs out in the graphs' place.
    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDC_HISTOGRAM, 0), (LPARAM)GetDlgItem(hWnd, IDC_HISTOGRAM));
    EXPECT_TRUE(shown(IDC_BARGRAPH_FIRST));
    EXPECT_FALSE(shown(IDC_GRAPH_FIRST));
}
