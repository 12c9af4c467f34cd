// A table of objects reached through small, 32-bit handle values, as user32
// and gdi32 keep them: the value carries a slot index and the slot's
// generation, so a stale or foreign handle is rejected in O(1) without a
// search. Freed slots are reused oldest first to make reuse rare.
#ifndef PLATFORM_HANDLETABLE_H
#define PLATFORM_HANDLETABLE_H

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

// Value layout: bits 20..30 generation (1..2047), bits 4..19 slot index
// (1..65535), bits 0..3 a tag per kind of handle. It stays below 2^31, so it
// survives a round trip through a 32-bit window long.
template <class T>
class HandleTable {
public:
    explicit HandleTable(unsigned uTag) : m_uTag(uTag & 0xF), m_slots(1) {}

    // Stores the object; returns its handle value, 0 when the table is full.
    uintptr_t Add(std::unique_ptr<T> pObj)
    {
        size_t iSlot;
        if (!m_freeSlots.empty()) {
            iSlot = m_freeSlots.front();
            m_freeSlots.pop_front();
        } else {
            if (m_slots.size() > kMaxIndex)
                return 0;
            iSlot = m_slots.size();
            m_slots.push_back(SLOT{});
        }
        SLOT &slot = m_slots[iSlot];
        slot.wGen = (uint16_t)(slot.wGen % kMaxGen + 1);
        slot.pObj = std::move(pObj);
        return MakeValue(iSlot, slot.wGen);
    }

    // The object of a live handle, else nullptr.
    T *Get(uintptr_t hValue) const
    {
        size_t iSlot;
        if (!Decode(hValue, &iSlot))
            return nullptr;
        return m_slots[iSlot].pObj.get();
    }

    // Takes the object out; the handle becomes stale.
    std::unique_ptr<T> Remove(uintptr_t hValue)
    {
        size_t iSlot;
        if (!Decode(hValue, &iSlot))
            return nullptr;
        m_freeSlots.push_back(iSlot);
        return std::move(m_slots[iSlot].pObj);
    }

    // Calls f(handle, object) for every live object, in slot order.
    template <class F>
    void ForEach(F f) const
    {
        for (size_t i = 1; i < m_slots.size(); i++)
            if (m_slots[i].pObj)
                f(MakeValue(i, m_slots[i].wGen), m_slots[i].pObj.get());
    }

private:
    static constexpr size_t kMaxIndex = 0xFFFF;
    static constexpr unsigned kMaxGen = 0x7FF;

    struct SLOT {
        std::unique_ptr<T> pObj;
        uint16_t wGen = 0;
    };

    uintptr_t MakeValue(size_t iSlot, unsigned wGen) const
    {
        return ((uintptr_t)wGen << 20) | ((uintptr_t)iSlot << 4) | m_uTag;
    }

    bool Decode(uintptr_t hValue, size_t *piSlot) const
    {
        if ((hValue & 0xF) != m_uTag || hValue >> 31)
            return false;
        size_t iSlot = (hValue >> 4) & 0xFFFF;
        unsigned wGen = (unsigned)(hValue >> 20);
        if (iSlot == 0 || iSlot >= m_slots.size())
            return false;
        if (m_slots[iSlot].wGen != wGen || !m_slots[iSlot].pObj)
            return false;
        *piSlot = iSlot;
        return true;
    }

    unsigned m_uTag;
    std::vector<SLOT> m_slots;
    std::deque<size_t> m_freeSlots;
};

// Tags of the handle kinds, so that one kind is never taken for another.
enum {
    HTAG_GLOBAL = 0x2,
    HTAG_WINDOW = 0x6,
    HTAG_GDI = 0xA,
    HTAG_MENU = 0xC,
    HTAG_ICON = 0xE,
};

#endif /* PLATFORM_HANDLETABLE_H */
