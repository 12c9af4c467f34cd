// Global memory: fixed blocks (the handle is the address) and movable
// blocks reached through a handle table, with lock counts and the
// moving-memory debug mode.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "automation.h"
#include "handletable.h"

namespace {

struct GLOBALBLOCK {
    BYTE *pData;       // NULL while discarded (size 0)
    SIZE_T cbSize;
    UINT uLockCount;
    BOOL fMoveable;
    BOOL fDiscardable;
    uintptr_t hValue;  // own handle value (the address for fixed blocks)
};

// Freed or moved-away bytes are overwritten with this, so a stale pointer
// reads garbage even without a sanitizer.
const int kPoison = 0xDD;

std::mutex g_mutex;
HandleTable<GLOBALBLOCK> g_movable(HTAG_GLOBAL);
std::unordered_map<uintptr_t, std::unique_ptr<GLOBALBLOCK>> g_fixed;  // by address
std::unordered_map<const void *, uintptr_t> g_byAddress;              // movable data -> handle
bool g_fMoveOnLock = [] {
    const char *psz = getenv("QF_GLOBAL_MOVE");
    return psz && strcmp(psz, "1") == 0;
}();

GLOBALBLOCK *FindBlock(HGLOBAL hMem)
{
    uintptr_t hValue = (uintptr_t)hMem;
    if (GLOBALBLOCK *pBlock = g_movable.Get(hValue))
        return pBlock;
    auto it = g_fixed.find(hValue);
    return it == g_fixed.end() ? nullptr : it->second.get();
}

GLOBALBLOCK *FindBlockOrFail(HGLOBAL hMem)
{
    GLOBALBLOCK *pBlock = FindBlock(hMem);
    if (!pBlock)
        SetLastError(ERROR_INVALID_HANDLE);
    return pBlock;
}

void FreeData(BYTE *pData, SIZE_T cbSize)
{
    if (!pData)
        return;
    memset(pData, kPoison, cbSize);
    free(pData);
}

// Gives the block new storage of cbNew bytes (contents kept up to the
// smaller size, growth zeroed when asked). false leaves it untouched.
bool ReplaceData(GLOBALBLOCK *pBlock, SIZE_T cbNew, bool fZeroGrowth)
{
    BYTE *pNew = (BYTE *)malloc(cbNew ? cbNew : 1);
    if (!pNew)
        return false;
    SIZE_T cbKeep = pBlock->cbSize < cbNew ? pBlock->cbSize : cbNew;
    if (pBlock->pData)
        memcpy(pNew, pBlock->pData, cbKeep);
    if (cbNew > cbKeep)
        memset(pNew + cbKeep, fZeroGrowth ? 0 : kPoison, cbNew - cbKeep);
    if (pBlock->fMoveable) {
        g_byAddress.erase(pBlock->pData);
        g_byAddress[pNew] = pBlock->hValue;
    }
    FreeData(pBlock->pData, pBlock->cbSize);
    pBlock->pData = pNew;
    pBlock->cbSize = cbNew;
    return true;
}

HGLOBAL AllocMovable(SIZE_T cbSize, bool fZero, bool fDiscardable)
{
    auto pBlock = std::make_unique<GLOBALBLOCK>();
    pBlock->fMoveable = TRUE;
    pBlock->fDiscardable = fDiscardable;
    if (cbSize) {
        pBlock->pData = (BYTE *)(fZero ? calloc(1, cbSize) : malloc(cbSize));
        if (!pBlock->pData) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return NULL;
        }
        pBlock->cbSize = cbSize;
    }
    GLOBALBLOCK *pRaw = pBlock.get();
    BYTE *pData = pBlock->pData;
    uintptr_t hValue = g_movable.Add(std::move(pBlock));
    if (!hValue) {  // the table dropped the record
        free(pData);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    pRaw->hValue = hValue;
    if (pRaw->pData)
        g_byAddress[pRaw->pData] = hValue;
    return (HGLOBAL)hValue;
}

HGLOBAL AllocFixed(SIZE_T cbSize, bool fZero)
{
    auto pBlock = std::make_unique<GLOBALBLOCK>();
    pBlock->pData = (BYTE *)(fZero ? calloc(1, cbSize ? cbSize : 1) : malloc(cbSize ? cbSize : 1));
    if (!pBlock->pData) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    pBlock->cbSize = cbSize;
    pBlock->hValue = (uintptr_t)pBlock->pData;
    uintptr_t hValue = pBlock->hValue;
    g_fixed[hValue] = std::move(pBlock);
    return (HGLOBAL)hValue;
}

void DestroyBlock(GLOBALBLOCK *pBlock)
{
    FreeData(pBlock->pData, pBlock->cbSize);
    if (pBlock->fMoveable) {
        g_byAddress.erase(pBlock->pData);
        g_movable.Remove(pBlock->hValue);
    } else {
        g_fixed.erase(pBlock->hValue);
    }
}

// GMEM_MODIFY: attributes only. A fixed block asked to become movable gets
// a movable handle with the same contents; the fixed address dies.
HGLOBAL ModifyBlock(GLOBALBLOCK *pBlock, UINT uFlags)
{
    pBlock->fDiscardable = (uFlags & GMEM_DISCARDABLE) != 0;
    if (pBlock->fMoveable || !(uFlags & GMEM_MOVEABLE))
        return (HGLOBAL)pBlock->hValue;
    HGLOBAL hNew = AllocMovable(pBlock->cbSize, false, pBlock->fDiscardable);
    if (!hNew)
        return NULL;
    GLOBALBLOCK *pNew = g_movable.Get((uintptr_t)hNew);
    if (pBlock->cbSize)
        memcpy(pNew->pData, pBlock->pData, pBlock->cbSize);
    DestroyBlock(pBlock);
    return hNew;
}

HGLOBAL ResizeBlock(GLOBALBLOCK *pBlock, SIZE_T cbNew, UINT uFlags)
{
    bool fZero = (uFlags & GMEM_ZEROINIT) != 0;
    if (pBlock->fMoveable) {
        if (pBlock->uLockCount && !(uFlags & GMEM_MOVEABLE)) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return NULL;
        }
        if (cbNew == 0) {
            if (pBlock->uLockCount) {
                SetLastError(ERROR_NOT_ENOUGH_MEMORY);
                return NULL;
            }
            g_byAddress.erase(pBlock->pData);
            FreeData(pBlock->pData, pBlock->cbSize);
            pBlock->pData = NULL;
            pBlock->cbSize = 0;
            return (HGLOBAL)pBlock->hValue;
        }
        if (!ReplaceData(pBlock, cbNew, fZero)) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return NULL;
        }
        return (HGLOBAL)pBlock->hValue;
    }
    // A fixed block's handle is its address: it may only shrink in place,
    // unless the caller allows it to move.
    if (cbNew <= pBlock->cbSize) {
        pBlock->cbSize = cbNew;
        return (HGLOBAL)pBlock->hValue;
    }
    if (!(uFlags & GMEM_MOVEABLE)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    HGLOBAL hNew = AllocFixed(cbNew, fZero);
    if (!hNew)
        return NULL;
    memcpy((void *)hNew, pBlock->pData, pBlock->cbSize);
    if (!fZero)
        memset((BYTE *)hNew + pBlock->cbSize, kPoison, cbNew - pBlock->cbSize);
    DestroyBlock(pBlock);
    return hNew;
}

}  // namespace

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    bool fZero = (uFlags & GMEM_ZEROINIT) != 0;
    if (uFlags & GMEM_MOVEABLE)
        return AllocMovable(dwBytes, fZero, (uFlags & GMEM_DISCARDABLE) != 0);
    return AllocFixed(dwBytes, fZero);
}

extern "C" LPVOID WINAPI GlobalLock(HGLOBAL hMem)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    GLOBALBLOCK *pBlock = FindBlockOrFail(hMem);
    if (!pBlock)
        return NULL;
    if (!pBlock->fMoveable)
        return pBlock->pData;
    if (!pBlock->pData)
        return NULL;
    if (g_fMoveOnLock && pBlock->uLockCount == 0 && !ReplaceData(pBlock, pBlock->cbSize, false))
        return NULL;
    pBlock->uLockCount++;
    return pBlock->pData;
}

extern "C" BOOL WINAPI GlobalUnlock(HGLOBAL hMem)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    GLOBALBLOCK *pBlock = FindBlockOrFail(hMem);
    if (!pBlock)
        return FALSE;
    if (!pBlock->fMoveable)
        return TRUE;
    if (pBlock->uLockCount == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--pBlock->uLockCount == 0) {
        SetLastError(NO_ERROR);
        return FALSE;
    }
    return TRUE;
}

extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL hMem)
{
    if (!hMem)
        return NULL;
    std::lock_guard<std::mutex> lock(g_mutex);
    GLOBALBLOCK *pBlock = FindBlockOrFail(hMem);
    if (!pBlock)
        return hMem;
    DestroyBlock(pBlock);
    return NULL;
}

extern "C" HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    GLOBALBLOCK *pBlock = FindBlockOrFail(hMem);
    if (!pBlock)
        return NULL;
    if (uFlags & GMEM_MODIFY)
        return ModifyBlock(pBlock, uFlags);
    return ResizeBlock(pBlock, dwBytes, uFlags);
}

extern "C" SIZE_T WINAPI GlobalSize(HGLOBAL hMem)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    GLOBALBLOCK *pBlock = FindBlockOrFail(hMem);
    return pBlock ? pBlock->cbSize : 0;
}

extern "C" UINT WINAPI GlobalFlags(HGLOBAL hMem)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    GLOBALBLOCK *pBlock = FindBlockOrFail(hMem);
    if (!pBlock)
        return GMEM_INVALID_HANDLE;
    UINT uFlags = pBlock->uLockCount > GMEM_LOCKCOUNT ? GMEM_LOCKCOUNT : pBlock->uLockCount;
    if (pBlock->fDiscardable)
        uFlags |= GMEM_DISCARDABLE;
    if (pBlock->fMoveable && !pBlock->pData)
        uFlags |= GMEM_DISCARDED;
    return uFlags;
}

extern "C" HGLOBAL WINAPI GlobalHandle(LPCVOID pMem)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (FindBlock((HGLOBAL)pMem))
        return (HGLOBAL)pMem;
    auto it = g_byAddress.find(pMem);
    if (it == g_byAddress.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return NULL;
    }
    return (HGLOBAL)it->second;
}

extern "C" BOOL AutoSetGlobalMove(BOOL bMove)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    BOOL fOld = g_fMoveOnLock;
    g_fMoveOnLock = bMove != FALSE;
    return fOld;
}
