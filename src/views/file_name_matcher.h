#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillet {

// Finds file names in a page text, left to right: at each position the longest name that starts
// there wins, the search goes on after it, so matches never overlap. CR and LF count as one
// character, since both become the same line break on the source page.
//
// Time is linear in the text: an Aho-Corasick automaton over the reversed names, run backwards
// over blocks of the text, tells the longest name starting at each position of a block; the
// forward pass then picks the matches. Blocks keep the memory bounded on huge pages.
class FileNameMatcher {
public:
    struct Match {
        std::size_t position = 0;
        std::size_t length = 0;
        std::size_t name = 0; // index into the names given to the constructor

        bool operator==(const Match&) const = default;
    };

    // Empty names never match; of equal names the first one given is reported.
    explicit FileNameMatcher(const std::vector<std::string_view>& names);

    // The matches in `text`, in order. They take less room than the links they become.
    std::vector<Match> find_all(std::string_view text) const;

private:
    using State = std::uint32_t;

    void mark_ending_pairs(std::string_view name);
    bool ends_some_name(unsigned char before, unsigned char last) const;
    void link_failures(const std::vector<std::uint32_t>& names_ending_at);
    State step(State state, unsigned char byte) const;
    void collect_longest_starts(std::string_view text, std::size_t begin, std::size_t end,
                                std::vector<Match>& found) const;

    std::vector<std::size_t> m_name_lengths;
    std::size_t m_longest_name = 0;
    std::array<State, 256> m_root_next{};
    // Bit (a << 8 | b) is set when a name ends with bytes a b, or with b alone: the backward scan
    // passes over every other pair without leaving the root.
    std::array<std::uint64_t, 1024> m_ending_pairs{};
    // The edges of state s are [m_first_edge[s], m_first_edge[s + 1]) of the two edge arrays.
    std::vector<std::uint32_t> m_first_edge;
    std::vector<unsigned char> m_edge_bytes;
    std::vector<State> m_edge_targets;
    std::vector<State> m_fail;
    std::vector<std::uint32_t> m_longest_name_at; // the longest name whose reverse ends at the state
};

}
