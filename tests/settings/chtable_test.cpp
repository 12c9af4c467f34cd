// The channel table in the setup panel: scrolling, marking with the mouse,
// the Signal and Label menus and what a choice writes and reports.
#include <string.h>

#include "setuptest.h"
#include "views/chtable.h"

namespace {

class ChTable : public SetupTest {
protected:
    void SetUp() override
    {
        SetupTest::SetUp();
        static const char *const apszHost[] = {"Fp1", "Fp2", "O1", "O2", "ECG"};
        Poke([](FFTVIEWDATA &d) {
            d.wAnalyCh = 4;
            for (int j = 0; j < 4; j++) {
                d.aAnalyCh[j].nSignal = 4;
                strcpy(d.aAnalyCh[j].szLabel, apszHost[j]);
            }
            d.nHostChCount = 5;
            for (int k = 0; k < 5; k++) {
                d.aHostCh[k].wSignalType = k < 4 ? 4 : 2;
                strcpy(d.aHostCh[k].szChName, apszHost[k]);
            }
        });
        m_hTable = GetDlgItem(Panel(), IDC_CHTABLE);
        ASSERT_NE(m_hTable, nullptr);
        Attach();
        m_host->ClearLog();
    }
    // The panel attaches the record at its start; again after a change.
    void Attach() { SendMessageA(m_hTable, QPM_ATTACHDATA, 0, GetWindowLongPtrA(Plugin(), FVW_DATA)); }
    LONG Field(LONG FFTVIEWDATA::*pField) const
    {
        return Read<LONG>([pField](const FFTVIEWDATA &d) { return d.*pField; });
    }
    // Client point inside the cell of column nColumn (1, 2) in body slot i:
    // the body below the header row shared evenly by the rows shown, the
    // Label column from the middle of what the number column leaves.
    LPARAM At(int nColumn, int i) const
    {
        RECT rc;
        GetClientRect(m_hTable, &rc);
        InflateRect(&rc, -1, -1);
        LONG rh = Field(&FFTVIEWDATA::nChTblRowHeight), V = Field(&FFTVIEWDATA::nChTblRows);
        LONG nBody = rc.bottom - rc.top - rh;
        int y = rc.top + rh + ((i - 1) * nBody / V + i * nBody / V) / 2;
        int nMid = rc.left + 30 + (rc.right - rc.left - 29) / 2;
        return MAKELPARAM(nColumn == CHT_COL_SIGNAL ? rc.left + 34 : nMid + 4, y);
    }
    void Mouse(UINT uMsg, LPARAM lPoint)
    {
        PostMessageA(m_hTable, uMsg, uMsg == WM_LBUTTONDOWN || uMsg == WM_MOUSEMOVE ? MK_LBUTTON : 0,
                     lPoint);
        DrivePump();
    }
    void RightClick(LPARAM lPoint, UINT uAnswer)
    {
        DriveOnNextMenu(uAnswer);
        Mouse(WM_RBUTTONDOWN, lPoint);
        Mouse(WM_RBUTTONUP, lPoint);
    }
    std::string MenuItems() const
    {
        char szItems[1024];
        DriveLastMenuItems(szItems, sizeof(szItems));
        return szItems;
    }
    std::string Label(int j) const
    {
        return Read<std::string>([j](const FFTVIEWDATA &d) { return std::string(d.aAnalyCh[j].szLabel); });
    }

    HWND m_hTable = NULL;
};

TEST_F(ChTable, ScrollsOneRowAtATimeWithinItsRange)
{
    LONG rh = Field(&FFTVIEWDATA::nChTblRowHeight);
    RECT rc;
    GetWindowRect(m_hTable, &rc);
    SetWindowPos(m_hTable, NULL, 0, 0, rc.right - rc.left, 3 * rh + 2 + rh / 2,
                 SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblRows), 3);
    int nMin = -1, nMax = -1;
    GetScrollRange(m_hTable, SB_VERT, &nMin, &nMax);
    EXPECT_EQ(nMax, 1) << "four channels, three rows shown";
    SendMessageA(m_hTable, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(m_hTable, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblTop), 1);
    Mouse(WM_LBUTTONDOWN, At(CHT_COL_LABEL, 1));
    Mouse(WM_LBUTTONUP, At(CHT_COL_LABEL, 1));
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblFirst), 2) << "slot 1 shows row 2";
    SendMessageA(m_hTable, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblTop), 0);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblFirst), 0) << "the mark is dropped";

    // A table too low for any row shows none and hits none.
    SetWindowPos(m_hTable, NULL, 0, 0, rc.right - rc.left, 1, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblRows), 0);
    Mouse(WM_LBUTTONDOWN, MAKELPARAM(60, 0));
    Mouse(WM_LBUTTONUP, MAKELPARAM(60, 0));
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblFirst), 0);
}

TEST_F(ChTable, DragMarksAnOrderedRunInOneColumn)
{
    Mouse(WM_LBUTTONDOWN, At(CHT_COL_LABEL, 3));
    EXPECT_EQ(GetCapture(), m_hTable);
    Mouse(WM_MOUSEMOVE, At(CHT_COL_SIGNAL, 1));  // the other column: ignored
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblLast), 3);
    Mouse(WM_MOUSEMOVE, At(CHT_COL_LABEL, 1));
    Mouse(WM_LBUTTONUP, At(CHT_COL_LABEL, 1));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblMode), CHT_COL_LABEL);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblFirst), 1);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblLast), 3);
    EXPECT_EQ(Read<WORD>([](const FFTVIEWDATA &d) { return d.wChTblDrag; }), 0);
}

TEST_F(ChTable, LabelChosenForARunWritesEveryRowAndReportsOnce)
{
    Mouse(WM_LBUTTONDOWN, At(CHT_COL_LABEL, 1));
    Mouse(WM_MOUSEMOVE, At(CHT_COL_LABEL, 3));
    Mouse(WM_LBUTTONUP, At(CHT_COL_LABEL, 3));
    RightClick(At(CHT_COL_LABEL, 2), 1701);  // inside the run: it stays
    EXPECT_EQ(MenuItems(), "1700 Fp1\n1701 Fp2\n1702 O1\n1703 O2\n");
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblFirst), 1);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblLast), 3);
    for (int j = 0; j < 3; j++)
        EXPECT_EQ(Label(j), "Fp2") << j;
    EXPECT_EQ(Label(3), "O2");
    DrivePump();
    EXPECT_EQ(HostHeard(QPN_REQ_151), 1) << "the panel passes the change on once";
}

TEST_F(ChTable, SignalMenuMarksTheClickedCellAndNeverOffersCodeOne)
{
    Mouse(WM_LBUTTONDOWN, At(CHT_COL_LABEL, 1));
    Mouse(WM_MOUSEMOVE, At(CHT_COL_LABEL, 3));
    Mouse(WM_LBUTTONUP, At(CHT_COL_LABEL, 3));
    RightClick(At(CHT_COL_SIGNAL, 2), 1701);  // the second item: code 2
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblMode), CHT_COL_SIGNAL);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblFirst), 2);
    EXPECT_EQ(Field(&FFTVIEWDATA::nChTblLast), 2);
    std::string sItems = MenuItems();
    EXPECT_EQ(sItems.substr(0, 19), "1700 NONE\n1701 ECG\n");
    EXPECT_EQ(sItems.find("MARK"), std::string::npos);
    EXPECT_EQ(Read<DWORD>([](const FFTVIEWDATA &d) { return d.aAnalyCh[1].nSignal; }), 2u);
    EXPECT_EQ(Read<DWORD>([](const FFTVIEWDATA &d) { return d.aAnalyCh[0].nSignal; }), 4u);
}

TEST_F(ChTable, LabelMenuWithoutChannelsOfTheRowsTypeIsEmpty)
{
    Poke([](FFTVIEWDATA &d) { d.aAnalyCh[0].nSignal = 7; });
    Mouse(WM_LBUTTONDOWN, At(CHT_COL_LABEL, 1));
    Mouse(WM_LBUTTONUP, At(CHT_COL_LABEL, 1));
    DriveClearLogs();
    RightClick(At(CHT_COL_LABEL, 1), 1700);
    EXPECT_EQ(DriveMenuCount(), 1);
    EXPECT_EQ(MenuItems(), "");
    EXPECT_EQ(Label(0), "Fp1");
    DrivePump();
    EXPECT_EQ(HostHeard(QPN_REQ_151), 0);
}

}  // namespace
