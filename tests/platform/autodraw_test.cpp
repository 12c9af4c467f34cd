// What the automation API reads of drawing: enhanced metafiles exported as
// SVG and PNG.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "automation.h"

namespace {

std::string ReadFile(const std::string &strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream ss;
    ss << file.rdbuf();
    return ss.str();
}

TEST(AutoDraw, EnhancedMetafileExportsAsSvgAndPng)
{
    RECT rcFrame = {0, 0, 2540, 1270};   // 96 x 48 pixels
    HDC hdcMeta = CreateEnhMetaFileA(NULL, NULL, &rcFrame, NULL);
    HBRUSH hbr = CreateSolidBrush(RGB(255, 0, 0));
    RECT rc = {10, 10, 40, 30};
    FillRect(hdcMeta, &rc, hbr);
    DeleteObject(hbr);
    MoveToEx(hdcMeta, 0, 40, NULL);
    LineTo(hdcMeta, 90, 40);
    TextOutA(hdcMeta, 50, 5, "Hz", 2);
    HENHMETAFILE hemf = CloseEnhMetaFile(hdcMeta);

    std::string strSvg = testing::TempDir() + "autodraw.svg";
    ASSERT_TRUE(AutoEnhMetaFileToSvg(hemf, strSvg.c_str()));
    std::string strText = ReadFile(strSvg);
    EXPECT_NE(strText.find("<svg"), std::string::npos);
    EXPECT_NE(strText.find("width=\"96"), std::string::npos) << "the frame's size";
    EXPECT_NE(strText.find("rgb(100%"), std::string::npos) << "the red rectangle";

    std::string strPng = testing::TempDir() + "autodraw.png";
    ASSERT_TRUE(AutoEnhMetaFileToPng(hemf, strPng.c_str()));
    std::string strBytes = ReadFile(strPng);
    ASSERT_GT(strBytes.size(), 24u);
    EXPECT_EQ(strBytes.substr(1, 3), "PNG");
    EXPECT_EQ((unsigned char)strBytes[19], 96u) << "width in IHDR";
    EXPECT_EQ((unsigned char)strBytes[23], 48u) << "height in IHDR";

    EXPECT_FALSE(AutoEnhMetaFileToSvg(hemf, "/nonexistent-dir/x.svg"));
    DeleteEnhMetaFile(hemf);
    EXPECT_FALSE(AutoEnhMetaFileToPng(hemf, strPng.c_str()));
    remove(strSvg.c_str());
    remove(strPng.c_str());
}

}  // namespace
