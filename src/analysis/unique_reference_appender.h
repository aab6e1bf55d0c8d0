#pragma once

#include "analysis/reference_list.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Appends to a reference list while keeping its file names unique: a file name is listed once,
// with the first reference that had it, counting the entries the list held before. Once the
// entries appended hold `byte_bound` bytes, further new names are left out and counted.
class UniqueReferenceAppender {
public:
    explicit UniqueReferenceAppender(ReferenceList& list, std::size_t byte_bound = SIZE_MAX);

    // Appends a reference to `file_name` unless that name is listed already; `address_of` gives
    // its address, and is only called for a name not listed yet.
    template <typename AddressOf>
    void append(std::string file_name, const AddressOf& address_of, std::string written_name = {},
                ReferencePlace place = {})
    {
        const std::uint32_t hash = hash_of(file_name);
        if (indexes(file_name, hash))
            return;
        if (m_left_out > 0) {
            ++m_left_out; // past the bound: no address is worked out for nothing
            return;
        }
        std::string url = address_of();
        const std::size_t size = url.size() + file_name.size() + written_name.size();
        if (size > m_bytes_left) {
            ++m_left_out; // this one and all after it, small ones too
            return;
        }
        m_bytes_left -= size;
        m_list.push_back({std::move(url), std::move(file_name), std::move(written_name), place});
        index_entry(m_list.size() - 1, hash);
    }

    // How many references the bound left out.
    std::size_t left_out() const { return m_left_out; }

private:
    // A slot of the open-addressing table: a list position and part of the hash of its file name,
    // so that no file name is stored twice and most mismatches never reach the list. Eight bytes
    // keep the table small; a page never holds four billion references.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kEmpty;
    };
    static constexpr std::uint32_t kEmpty = UINT32_MAX;

    static std::uint32_t hash_of(std::string_view file_name);
    bool indexes(std::string_view file_name, std::uint32_t hash) const;
    // Indexes the entry at `position`, whose file name the table does not hold yet.
    void index_entry(std::size_t position, std::uint32_t hash);
    std::size_t free_slot_for(std::uint32_t hash) const;
    void grow();

    ReferenceList& m_list;
    std::vector<Slot> m_slots; // a power of two in size, never more than half full
    std::size_t m_indexed = 0;
    std::size_t m_bytes_left;
    std::size_t m_left_out = 0;
};

}
