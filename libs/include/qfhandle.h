/*
 * qfhandle.h - opaque 32-bit handles for the objects of a companion library.
 *
 * The plug-in keeps library handles in 32-bit fields, so a handle cannot be a
 * pointer on a 64-bit build. A handle packs a tag that names the library
 * (bits 24..31), a generation counter (bits 8..23) and a slot index
 * (bits 0..7). Destroying an object bumps its slot's generation, so a stale
 * copy of the handle, a handle of another library and 0 are all refused by
 * HandleTable::Find. Not thread-safe: every call comes from the one user
 * interface thread.
 */
#ifndef QFHANDLE_H
#define QFHANDLE_H

#include <stdint.h>

template <typename T, int kSlots>
class HandleTable {
    static_assert(kSlots > 0 && kSlots <= 256, "the slot index has 8 bits");

public:
    explicit HandleTable(uint32_t tag) : m_tag(tag & 0xFFu) {}

    /* Stores obj and returns its handle, or 0 when every slot is in use. */
    uint32_t Add(T *obj)
    {
        for (int i = 0; i < kSlots; i++) {
            if (m_obj[i] == nullptr) {
                m_obj[i] = obj;
                return (m_tag << 24) | (uint32_t(m_gen[i]) << 8) | uint32_t(i);
            }
        }
        return 0;
    }

    /* The object of a live handle, or nullptr for 0, stale or foreign ones. */
    T *Find(uint32_t handle) const
    {
        const uint32_t slot = handle & 0xFFu;
        if ((handle >> 24) != m_tag || slot >= uint32_t(kSlots))
            return nullptr;
        if (((handle >> 8) & 0xFFFFu) != m_gen[slot])
            return nullptr;
        return m_obj[slot];
    }

    /* Takes the object of a live handle out of the table (nullptr if none);
     * the caller deletes it. Every earlier copy of the handle goes stale. */
    T *Remove(uint32_t handle)
    {
        T *obj = Find(handle);
        if (obj == nullptr)
            return nullptr;
        const uint32_t slot = handle & 0xFFu;
        m_obj[slot] = nullptr;
        m_gen[slot] = uint16_t(m_gen[slot] + 1);
        return obj;
    }

private:
    uint32_t m_tag;
    T *m_obj[kSlots] = {};
    uint16_t m_gen[kSlots] = {};
};

#endif /* QFHANDLE_H */
