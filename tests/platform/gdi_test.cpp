// GDI: stock objects, selection and deletion, device context attributes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Gdi, StockObjectsAndGetObject)
{
    LOGFONTA lf;
    HGDIOBJ hGui = GetStockObject(DEFAULT_GUI_FONT);
    ASSERT_EQ(GetObjectA(hGui, sizeof(lf), &lf), (int)sizeof(lf));
    EXPECT_LT(lf.lfHeight, 0);
    EXPECT_EQ(GetObjectA(hGui, 0, NULL), (int)sizeof(LOGFONTA));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), (DWORD)OBJ_PEN);
    EXPECT_EQ(GetObjectType(GetStockObject(NULL_BRUSH)), (DWORD)OBJ_BRUSH);
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), (DWORD)OBJ_BRUSH) << "stock objects stay";

    HDC hdc = GetDC(NULL);
    EXPECT_EQ(GetCurrentObject(hdc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    LOGBRUSH lb;
    HBRUSH hbr = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_EQ(GetObjectA(hbr, sizeof(lb), &lb), (int)sizeof(lb));
    EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_BTNFACE));
    ReleaseDC(NULL, hdc);
}

TEST(Gdi, SelectedObjectIsDeletedOnlyWhenReleased)
{
    HDC hdc = CreateCompatibleDC(NULL);
    HBRUSH hbr = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(SelectObject(hdc, hbr), GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(hbr));
    EXPECT_EQ(GetObjectType(hbr), (DWORD)OBJ_BRUSH) << "still selected: kept alive";
    EXPECT_EQ(SelectObject(hdc, GetStockObject(WHITE_BRUSH)), (HGDIOBJ)hbr);
    EXPECT_EQ(GetObjectType(hbr), 0u);
    EXPECT_EQ(SelectObject(hdc, hbr), nullptr);
    EXPECT_FALSE(DeleteObject(hbr));

    HPEN hPen = CreatePen(PS_DASH, 2, RGB(9, 9, 9));
    SelectObject(hdc, hPen);
    DeleteObject(hPen);
    EXPECT_TRUE(DeleteDC(hdc));
    EXPECT_EQ(GetObjectType(hPen), 0u) << "ending the context frees the pending pen";
    EXPECT_FALSE(DeleteDC(hdc));
    EXPECT_EQ(SetTextColor(hdc, 0), (COLORREF)CLR_INVALID);
}

TEST(Gdi, ContextAttributes)
{
    HDC hdc = GetDC(NULL);
    EXPECT_EQ(SetTextColor(hdc, RGB(255, 0, 0)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(hdc), RGB(255, 0, 0));
    EXPECT_EQ(SetBkColor(hdc, RGB(0, 0, 255)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkMode(hdc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(GetBkMode(hdc), TRANSPARENT);
    EXPECT_EQ(SetBkMode(hdc, 7), 0);
    EXPECT_EQ(ReleaseDC(NULL, hdc), 1);
    EXPECT_EQ(ReleaseDC(NULL, hdc), 0);
}

}  // namespace
