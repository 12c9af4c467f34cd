// Column labels spread under a narrow plot: in order, never covering one
// another, inside the plot, and each as near its column as room allows.
#include <gtest/gtest.h>

#include <vector>

#include "views/viewwnd.h"

namespace {

struct SPREADCASE {
    const char *pszWhat;
    std::vector<int> aCentre, aWidth;
    int xMin, xMax;
    BOOL bFits;
    std::vector<int> aLeft;
};

TEST(ColumnLabels, SpreadOnlyAsFarAsTheyMust)
{
    const SPREADCASE aCases[] = {
        {"room enough: centred", {14, 42, 70}, {6, 20, 20}, 0, 84, TRUE, {11, 32, 60}},
        // T, delta, theta, alpha, beta under five 28-pixel columns
        {"crowded", {14, 42, 70, 98, 126}, {6, 30, 30, 30, 24}, 0, 140, TRUE, {11, 20, 52, 84, 116}},
        {"first pushed off the left end", {2, 30}, {20, 10}, 0, 60, TRUE, {0, 25}},
        {"exactly filled", {5, 15}, {10, 8}, 0, 20, TRUE, {0, 12}},
        {"too wide: centred, told so", {10, 30}, {30, 30}, 0, 40, FALSE, {-5, 15}},
    };
    for (const SPREADCASE &c : aCases) {
        const int n = (int)c.aCentre.size();
        std::vector<int> aLeft(n);
        EXPECT_EQ(ViewSpreadLabels(n, c.aCentre.data(), c.aWidth.data(), c.xMin, c.xMax, aLeft.data()), c.bFits)
            << c.pszWhat;
        EXPECT_EQ(aLeft, c.aLeft) << c.pszWhat;
    }
}

}  // namespace
