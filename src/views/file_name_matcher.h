#pragma once

#include "views/name_ending_filter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillet {

// Finds file names in a page text, left to right: at each position the longest name that starts
// there and stands whole wins, the search goes on after it, so matches never overlap. A name stands
// whole where neither the byte before it nor the byte after it is an ASCII letter or digit: "e" is
// no match inside "the", nor "logo.gif" inside "biglogo.gif". CR and LF count as one character,
// since both become the same line break on the source page.
//
// Time is linear in the text: an Aho-Corasick automaton over the reversed names, run backwards
// over blocks of the text, tells the longest name starting at each position of a block; the
// forward pass then picks the matches. Blocks keep the memory bounded on huge pages. A sieve of
// the names' endings lets the automaton pass over the stretches where no name can end.
class FileNameMatcher {
public:
    struct Match {
        std::size_t position = 0;
        std::uint32_t length = 0;
        std::uint32_t name = 0; // index into the names given to the constructor

        bool operator==(const Match&) const = default;
    };

    // What the matches found may cost: each match of name i costs `cost_of_name[i]`, and once the
    // next one would take the total past `bytes`, that match and all after it are only counted.
    struct Budget {
        std::span<const std::size_t> cost_of_name;
        std::size_t bytes = 0;
    };

    struct Matches {
        std::vector<Match> found;
        std::size_t left_out = 0;
    };

    // Empty names never match; of equal names the first one given is reported.
    explicit FileNameMatcher(const std::vector<std::string_view>& names);

    // The matches in `text`, in order.
    std::vector<Match> find_all(std::string_view text) const;
    Matches find_within(std::string_view text, const Budget& budget) const;

private:
    using State = std::uint32_t;

    // A state is a node of the trie of the reversed names. The children of a state lie side by
    // side, and a name's own run of states follows its branch point, so a step reads little
    // memory.
    struct Node {
        State first_child = 0;
        State fail = 0;
        std::uint32_t longest_name = 0;  // the longest name whose reverse ends at the state
        std::uint32_t child_count : 24 = 0;
        std::uint32_t byte : 8 = 0;      // the byte on the edge from the parent
    };

    void lay_out(const std::vector<std::string_view>& names);
    void link_failures();
    State step(State state, unsigned char byte) const;
    std::uint32_t whole_name_at(std::string_view text, std::size_t position, State state) const;
    void collect_longest_starts(std::string_view text, std::size_t begin, std::size_t end,
                                std::vector<Match>& found) const;

    std::vector<std::size_t> m_name_lengths;
    std::size_t m_longest_name = 0;
    std::array<State, 256> m_root_next{};
    std::vector<Node> m_nodes;
    NameEndingFilter m_endings;
};

}
