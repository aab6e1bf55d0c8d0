#include "analysis/unique_reference_appender.h"

#include <functional>

namespace quillet {

namespace {

constexpr std::size_t kInitialSlots = 64;

}

UniqueReferenceAppender::UniqueReferenceAppender(ReferenceList& list, std::size_t byte_bound)
    : m_list(list)
    , m_slots(kInitialSlots)
    , m_bytes_left(byte_bound)
{
    for (std::size_t position = 0; position < list.size(); ++position) {
        const std::uint32_t hash = hash_of(list[position].file_name);
        if (!indexes(list[position].file_name, hash))
            index_entry(position, hash);
    }
}

std::uint32_t UniqueReferenceAppender::hash_of(std::string_view file_name)
{
    const std::size_t hash = std::hash<std::string_view>{}(file_name);
    return static_cast<std::uint32_t>(hash ^ hash >> 32);
}

bool UniqueReferenceAppender::indexes(std::string_view file_name, std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask; m_slots[slot].position != kEmpty; slot = (slot + 1) & mask) {
        if (m_slots[slot].hash == hash && m_list[m_slots[slot].position].file_name == file_name)
            return true;
    }
    return false;
}

void UniqueReferenceAppender::index_entry(std::size_t position, std::uint32_t hash)
{
    if (2 * (m_indexed + 1) > m_slots.size())
        grow();
    m_slots[free_slot_for(hash)] = {hash, static_cast<std::uint32_t>(position)};
    ++m_indexed;
}

std::size_t UniqueReferenceAppender::free_slot_for(std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (m_slots[slot].position != kEmpty)
        slot = (slot + 1) & mask;
    return slot;
}

void UniqueReferenceAppender::grow()
{
    std::vector<Slot> old_slots(2 * m_slots.size());
    old_slots.swap(m_slots);
    for (const Slot& entry : old_slots) {
        if (entry.position != kEmpty)
            m_slots[free_slot_for(entry.hash)] = entry;
    }
}

}
