/*
 * QCUSTOMRNGSCALE32: the values its owner sets and reads back, and the
 * range the user drags with the mouse, as the owner hears of it.
 */
#include <gtest/gtest.h>

#include "automation.h"
#include "custom/qcustom.h"
#include "notelog.h"

namespace {

// A scale 80 x 160 pixels: its bar runs from y 6 (upper end) to y 153
// (lower end), 147 pixels for 0..14700, so a value v lies at 153 - v / 100.
const int SCALE_ID = 1120;
const LONG SCALE_MAX = 14700;

int YOf(LONG v)
{
    return 153 - (int)(v / 100);
}

class RangeScaleTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_hwndParent = NoteCreateParent();
        m_hwnd = CreateWindowExA(0, CC_RNGSCALE_CLASS, "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 160,
                                 m_hwndParent, (HMENU)(INT_PTR)SCALE_ID, GetModuleHandleA(NULL), NULL);
        ASSERT_NE(m_hwnd, nullptr);
        SendMessageA(m_hwnd, RSM_SETSCALEMIN, 0, 0);
        SendMessageA(m_hwnd, RSM_SETSCALEMAX, 0, SCALE_MAX);
        SetRange(2000, 8000);
        NoteStart();
    }
    void TearDown() override
    {
        DestroyWindow(m_hwndParent);
        NoteStart();
    }
    void SetRange(LONG nLow, LONG nHigh)
    {
        SendMessageA(m_hwnd, RSM_SETLOW, 0, nLow);
        SendMessageA(m_hwnd, RSM_SETHIGH, 0, nHigh);
    }
    void Mouse(UINT uMsg, int y)
    {
        PostMessageA(m_hwnd, uMsg, uMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(40, y));
        AutoPump();
    }
    // Press at y0, move through each of ays, release at the last.
    void Drag(int y0, std::initializer_list<int> ays)
    {
        Mouse(WM_LBUTTONDOWN, y0);
        int y = y0;
        for (int yMove : ays) {
            y = yMove;
            Mouse(WM_MOUSEMOVE, y);
        }
        Mouse(WM_LBUTTONUP, y);
    }
    LONG Low() const { return (LONG)SendMessageA(m_hwnd, RSM_GETLOW, 0, 0); }
    LONG High() const { return (LONG)SendMessageA(m_hwnd, RSM_GETHIGH, 0, 0); }

    HWND m_hwndParent = NULL;
    HWND m_hwnd = NULL;
};

TEST_F(RangeScaleTest, OwnerValuesAreKeptAsSetAndNotReportedBack)
{
    SetRange(20000, -5);  // outside the scale and reversed: the owner's business
    EXPECT_EQ(Low(), 20000);
    EXPECT_EQ(High(), -5);
    EXPECT_TRUE(NoteTake().empty());
}

TEST_F(RangeScaleTest, DraggingAnEndMovesThatEndAndReportsEachStep)
{
    Drag(YOf(8000) + 2, {YOf(9000), YOf(10000)});
    EXPECT_EQ(Low(), 2000);
    EXPECT_EQ(High(), 10000);
    const NOTE changed = {MAKEWPARAM(SCALE_ID, RSN_CHANGED), m_hwnd};
    EXPECT_EQ(NoteTake(), NOTES({changed, changed})) << "upper end dragged up in two steps";
    EXPECT_EQ(GetCapture(), nullptr);

    // The lower end may be dragged past the upper one: the owner orders them.
    Drag(YOf(2000) - 1, {YOf(12000)});
    EXPECT_EQ(Low(), 12000);
    EXPECT_EQ(High(), 10000);
}

TEST_F(RangeScaleTest, WholeRangeMovesWithItsWidthAndStaysOnTheScale)
{
    Drag(YOf(5000), {YOf(6000)});
    EXPECT_EQ(Low(), 3000);
    EXPECT_EQ(High(), 9000);
    Drag(YOf(6000), {-200});
    EXPECT_EQ(High(), SCALE_MAX);
    EXPECT_EQ(Low(), SCALE_MAX - 6000);
    Drag(YOf(12000), {400});
    EXPECT_EQ(Low(), 0);
    EXPECT_EQ(High(), 6000);
}

TEST_F(RangeScaleTest, PressBesideTheBarBringsTheNearerEnd)
{
    Mouse(WM_LBUTTONDOWN, YOf(13000));
    EXPECT_EQ(High(), 13000);
    EXPECT_EQ(NoteTake().size(), 1u);
    Mouse(WM_MOUSEMOVE, YOf(14000));
    Mouse(WM_LBUTTONUP, YOf(14000));
    EXPECT_EQ(High(), 14000);
    Drag(YOf(500), {});
    EXPECT_EQ(Low(), 500);
}

}  // namespace
