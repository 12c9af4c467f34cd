// Global memory: lock counts, zero-init, reallocation, stale handles and
// the moving-memory debug mode.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "automation.h"

namespace {

class GlobalMemory : public ::testing::Test {
protected:
    void SetUp() override { m_fOldMove = AutoSetGlobalMove(FALSE); }
    void TearDown() override { AutoSetGlobalMove(m_fOldMove); }
    BOOL m_fOldMove;
};

TEST_F(GlobalMemory, NestedLocksCountAndUnlockReportsWhenFree)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 64);
    ASSERT_NE(h, nullptr);
    void *p1 = GlobalLock(h);
    void *p2 = GlobalLock(h);
    EXPECT_EQ(p1, p2);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 2u);
    EXPECT_TRUE(GlobalUnlock(h));
    SetLastError(12345);
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GetLastError(), (DWORD)NO_ERROR);
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_NOT_LOCKED);
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST_F(GlobalMemory, ZeroInitAndSizes)
{
    for (UINT uFlags : {(UINT)GHND, (UINT)GPTR}) {
        HGLOBAL h = GlobalAlloc(uFlags, 1000);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(GlobalSize(h), 1000u);
        BYTE *p = (BYTE *)GlobalLock(h);
        ASSERT_NE(p, nullptr);
        for (int i = 0; i < 1000; i++)
            ASSERT_EQ(p[i], 0) << "byte " << i << " flags " << uFlags;
        GlobalUnlock(h);
        GlobalFree(h);
    }
}

TEST_F(GlobalMemory, FixedHandleIsTheAddressAndGlobalHandleFindsBlocks)
{
    HGLOBAL hFixed = GlobalAlloc(GPTR, 16);
    EXPECT_EQ(GlobalLock(hFixed), (void *)hFixed);
    EXPECT_EQ(GlobalHandle(hFixed), hFixed);
    HGLOBAL hMov = GlobalAlloc(GHND, 16);
    void *p = GlobalLock(hMov);
    EXPECT_NE(p, (void *)hMov);
    EXPECT_EQ(GlobalHandle(p), hMov);
    // A movable handle must survive a round trip through a 32-bit window long.
    EXPECT_EQ((HGLOBAL)(LONG_PTR)(LONG)(LONG_PTR)hMov, hMov);
    GlobalUnlock(hMov);
    GlobalFree(hMov);
    GlobalFree(hFixed);
}

TEST_F(GlobalMemory, ReAllocKeepsContentsAndZeroesGrowth)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    memcpy(GlobalLock(h), "abcd", 4);
    GlobalUnlock(h);
    EXPECT_EQ(GlobalReAlloc(h, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT), h);
    EXPECT_EQ(GlobalSize(h), 4096u);
    BYTE *p = (BYTE *)GlobalLock(h);
    EXPECT_EQ(memcmp(p, "abcd", 4), 0);
    EXPECT_EQ(p[4], 0);
    EXPECT_EQ(p[4095], 0);
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST_F(GlobalMemory, ReAllocOfLockedBlockNeedsMoveable)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
    void *p = GlobalLock(h);
    // Without GMEM_MOVEABLE a locked block may only grow in place: the
    // call fails and leaves the block alone, or succeeds without moving it.
    HGLOBAL hInPlace = GlobalReAlloc(h, 100, 0);
    if (hInPlace) {
        EXPECT_EQ(hInPlace, h);
        EXPECT_EQ(GlobalLock(h), p) << "a locked block must not move";
        GlobalUnlock(h);
    } else {
        EXPECT_EQ(GlobalSize(h), 8u) << "a failed realloc must leave the block alone";
    }
    EXPECT_EQ(GlobalReAlloc(h, 100, GMEM_MOVEABLE), h);
    EXPECT_EQ(GlobalSize(h), 100u);
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST_F(GlobalMemory, DiscardAndModify)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 8);
    EXPECT_EQ(GlobalReAlloc(h, 0, GMEM_MOVEABLE), h);
    EXPECT_TRUE(GlobalFlags(h) & GMEM_DISCARDED);
    EXPECT_EQ(GlobalLock(h), nullptr);
    EXPECT_EQ(GlobalReAlloc(h, 8, GMEM_MOVEABLE), h);
    EXPECT_NE(GlobalLock(h), nullptr);
    GlobalUnlock(h);
    GlobalFree(h);

    HGLOBAL hFixed = GlobalAlloc(GMEM_FIXED, 4);
    memcpy(hFixed, "wxyz", 4);
    HGLOBAL hMov = GlobalReAlloc(hFixed, 0, GMEM_MODIFY | GMEM_MOVEABLE);
    ASSERT_NE(hMov, nullptr);
    EXPECT_EQ(memcmp(GlobalLock(hMov), "wxyz", 4), 0);
    GlobalUnlock(hMov);
    GlobalFree(hMov);
}

TEST_F(GlobalMemory, StaleAndForeignHandlesFailWithoutCrashing)
{
    HGLOBAL h = GlobalAlloc(GHND, 8);
    EXPECT_EQ(GlobalFree(h), nullptr);
    int aiStack[4];
    for (HGLOBAL hBad : {h, (HGLOBAL)aiStack, (HGLOBAL)(uintptr_t)0x12345672}) {
        SetLastError(0);
        EXPECT_EQ(GlobalLock(hBad), nullptr);
        EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_HANDLE);
        EXPECT_FALSE(GlobalUnlock(hBad));
        EXPECT_EQ(GlobalSize(hBad), 0u);
        EXPECT_EQ(GlobalReAlloc(hBad, 16, GMEM_MOVEABLE), nullptr);
        EXPECT_EQ(GlobalFlags(hBad), (UINT)GMEM_INVALID_HANDLE);
        EXPECT_EQ(GlobalFree(hBad), hBad);
    }
    // A slot reused by a new block must not revive the old handle.
    HGLOBAL hNew = GlobalAlloc(GHND, 8);
    EXPECT_NE(hNew, h);
    EXPECT_EQ(GlobalLock(h), nullptr);
    GlobalFree(hNew);
}

TEST_F(GlobalMemory, DebugModeMovesUnlockedBlockAtNextLock)
{
    AutoSetGlobalMove(TRUE);
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 32);
    char *p1 = (char *)GlobalLock(h);
    strcpy(p1, "kept across moves");
    char *p1Again = (char *)GlobalLock(h);
    EXPECT_EQ(p1Again, p1) << "a locked block must not move";
    GlobalUnlock(h);
    GlobalUnlock(h);
    char *p2 = (char *)GlobalLock(h);
    EXPECT_NE(p2, p1);
    EXPECT_STREQ(p2, "kept across moves");
    EXPECT_EQ(GlobalHandle(p2), h);
    EXPECT_EQ(GlobalHandle(p1), nullptr);
    GlobalUnlock(h);
    GlobalFree(h);
}

}  // namespace
