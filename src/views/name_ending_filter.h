#pragma once

#include "analysis/byte_lanes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillet {

// A sieve of the endings of file names ("...jpg"): it finds the places of a page where a name may
// end, so that the name search passes over the rest without running its automaton. It finds every
// real ending and few other places. CR and LF count as one character.
//
// The ending is as long as the shortest name, at most four bytes. Two sieves, the second one asked
// only where the first lets a place through: one byte of the ending, tested sixteen places at a time
// (the byte where names differ least, when they hold at most four different bytes there), then
// the whole ending, looked up in a hashed set.
class NameEndingFilter {
public:
    // How many bytes before a place the filter may read.
    static constexpr std::size_t kBytesRead = sizeof(std::uint32_t);

    // Empty names end nowhere.
    explicit NameEndingFilter(const std::vector<std::string_view>& names);

    // The last place in (floor, from] right before which a name may end, or `floor` when there is
    // none. `floor` must leave kBytesRead bytes of `text` before every place it looks at, and `from`
    // may be text.size() at most.
    std::size_t last_possible_end(std::string_view text, std::size_t floor, std::size_t from) const;

private:
    static constexpr unsigned kSlotBits = 16;
    static constexpr std::size_t kMostSievedBytes = 4;

    using ByteSet = std::vector<unsigned char>;

    void add_ending(std::string_view ending, std::vector<ByteSet>& bytes_at);
    void choose_byte_sieve(const std::vector<ByteSet>& bytes_at);

    ByteLanes lanes_passing_byte_sieve(ByteLanes lanes) const;
    bool may_end_before(std::string_view text, std::size_t place) const;

    // Endings share slots now and then; that only lets more places through.
    static std::uint32_t slot_of(std::uint32_t ending) { return (ending * 0x9e3779b1u) >> (32 - kSlotBits); }

    std::size_t m_ending_length = kBytesRead;
    std::uint32_t m_ending_bits = 0; // the bits of a read word that the ending takes
    std::array<std::uint64_t, (std::size_t{1} << kSlotBits) / 64> m_endings{};

    bool m_sieves_byte = false;  // false when names hold too many different bytes everywhere
    std::size_t m_sieved_offset = 0; // how many bytes before the end of a name the sieved byte stands
    std::array<ByteLanes, kMostSievedBytes> m_sieved_bytes{}; // in every lane; the first one repeated to fill
};

}
