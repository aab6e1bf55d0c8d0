#include "views/file_name_matcher.h"

#include <algorithm>
#include <queue>
#include <span>

namespace quillet {

namespace {

// The longest name starting in a block is known once the automaton has read that many bytes
// beyond the block, so blocks of at least this size keep that extra reading small.
constexpr std::size_t kMinimumBlock = std::size_t{1} << 16;

constexpr std::uint32_t kNoName = UINT32_MAX;
constexpr std::uint32_t kNoNode = UINT32_MAX;
constexpr std::uint32_t kRoot = 0;

unsigned char matched_byte(char c)
{
    return c == '\r' ? '\n' : static_cast<unsigned char>(c);
}

// The page bytes that match one byte of a name: itself, or both CR and LF.
struct MatchingBytes {
    std::array<unsigned char, 2> bytes{};
    std::size_t count = 0;

    std::span<const unsigned char> all() const { return std::span(bytes).first(count); }
};

MatchingBytes page_bytes_matching(char byte)
{
    if (matched_byte(byte) == '\n')
        return {{'\r', '\n'}, 2};
    return {{static_cast<unsigned char>(byte)}, 1};
}

constexpr std::array<unsigned char, 256> kEveryByte = [] {
    std::array<unsigned char, 256> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i);
    return bytes;
}();

// The reversed names as a trie whose children are linked lists, so that building it allocates
// nothing per node; the automaton lays it out flat afterwards.
struct Trie {
    std::vector<std::uint32_t> first_child = {kNoNode};
    std::vector<std::uint32_t> next_sibling = {kNoNode};
    std::vector<unsigned char> byte = {0};
    std::vector<std::uint32_t> name_ending_at = {kNoName};

    explicit Trie(std::size_t most_nodes)
    {
        first_child.reserve(most_nodes);
        next_sibling.reserve(most_nodes);
        byte.reserve(most_nodes);
        name_ending_at.reserve(most_nodes);
    }

    std::uint32_t child(std::uint32_t node, unsigned char wanted)
    {
        for (std::uint32_t c = first_child[node]; c != kNoNode; c = next_sibling[c]) {
            if (byte[c] == wanted)
                return c;
        }
        const auto created = static_cast<std::uint32_t>(byte.size());
        first_child.push_back(kNoNode);
        next_sibling.push_back(first_child[node]);
        byte.push_back(wanted);
        name_ending_at.push_back(kNoName);
        first_child[node] = created;
        return created;
    }

    void add_reversed(std::string_view name, std::uint32_t index)
    {
        std::uint32_t node = 0;
        for (auto c = name.rbegin(); c != name.rend(); ++c)
            node = child(node, matched_byte(*c));
        if (name_ending_at[node] == kNoName)
            name_ending_at[node] = index;
    }
};

}

FileNameMatcher::FileNameMatcher(const std::vector<std::string_view>& names)
{
    std::size_t name_bytes = 0;
    for (const std::string_view name : names)
        name_bytes += name.size();
    Trie trie(name_bytes + 1);
    for (std::size_t index = 0; index < names.size(); ++index) {
        m_name_lengths.push_back(names[index].size());
        m_longest_name = std::max(m_longest_name, names[index].size());
        if (names[index].empty())
            continue;
        trie.add_reversed(names[index], static_cast<std::uint32_t>(index));
        mark_ending_pairs(names[index]);
    }

    const std::size_t node_count = trie.byte.size();
    m_first_edge.reserve(node_count + 1);
    m_edge_bytes.reserve(node_count - 1);
    m_edge_targets.reserve(node_count - 1);
    for (std::uint32_t node = 0; node < node_count; ++node) {
        m_first_edge.push_back(static_cast<std::uint32_t>(m_edge_targets.size()));
        for (std::uint32_t c = trie.first_child[node]; c != kNoNode; c = trie.next_sibling[c]) {
            m_edge_bytes.push_back(trie.byte[c]);
            m_edge_targets.push_back(c);
        }
    }
    m_first_edge.push_back(static_cast<std::uint32_t>(m_edge_targets.size()));

    m_root_next.fill(kRoot);
    for (std::uint32_t c = trie.first_child[kRoot]; c != kNoNode; c = trie.next_sibling[c])
        m_root_next[trie.byte[c]] = c;
    m_root_next['\r'] = m_root_next['\n'];
    link_failures(trie.name_ending_at);
}

void FileNameMatcher::mark_ending_pairs(std::string_view name)
{
    const MatchingBytes lasts = page_bytes_matching(name.back());
    const MatchingBytes before_last = page_bytes_matching(name.size() == 1 ? '\0' : name[name.size() - 2]);
    const std::span<const unsigned char> befores = name.size() == 1 ? std::span(kEveryByte) : before_last.all();
    for (const unsigned char last : lasts.all()) {
        for (const unsigned char before : befores) {
            const unsigned pair = before << 8 | last;
            m_ending_pairs[pair / 64] |= std::uint64_t{1} << (pair % 64);
        }
    }
}

bool FileNameMatcher::ends_some_name(unsigned char before, unsigned char last) const
{
    const unsigned pair = before << 8 | last;
    return (m_ending_pairs[pair / 64] >> (pair % 64) & 1) != 0;
}

// Breadth first, so the failure target of every state is complete before its children need it.
void FileNameMatcher::link_failures(const std::vector<std::uint32_t>& names_ending_at)
{
    m_fail.assign(names_ending_at.size(), kRoot);
    m_longest_name_at.assign(names_ending_at.size(), kNoName);
    std::queue<State> pending;
    pending.push(kRoot);
    while (!pending.empty()) {
        const State state = pending.front();
        pending.pop();
        for (std::uint32_t e = m_first_edge[state]; e < m_first_edge[state + 1]; ++e) {
            const State target = m_edge_targets[e];
            m_fail[target] = state == kRoot ? kRoot : step(m_fail[state], m_edge_bytes[e]);
            m_longest_name_at[target] = names_ending_at[target] != kNoName ? names_ending_at[target]
                                                                           : m_longest_name_at[m_fail[target]];
            pending.push(target);
        }
    }
}

FileNameMatcher::State FileNameMatcher::step(State state, unsigned char byte) const
{
    byte = matched_byte(static_cast<char>(byte));
    while (state != kRoot) {
        for (std::uint32_t e = m_first_edge[state]; e < m_first_edge[state + 1]; ++e) {
            if (m_edge_bytes[e] == byte)
                return m_edge_targets[e];
        }
        state = m_fail[state];
    }
    return m_root_next[byte];
}

// Fills `found` with the longest name starting at each position of [begin, end) that has one,
// last position first.
void FileNameMatcher::collect_longest_starts(std::string_view text, std::size_t begin, std::size_t end,
                                             std::vector<Match>& found) const
{
    found.clear();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t position = std::min(text.size(), end + m_longest_name - 1);
    State state = kRoot;
    while (position > begin) {
        // At the root, reading the last byte of a pair that ends no name and then the byte before
        // it gives the state that byte alone gives, with no match between: skip the last byte.
        while (state == kRoot && position > begin + 1 && !ends_some_name(bytes[position - 2], bytes[position - 1]))
            --position;
        --position;
        state = step(state, bytes[position]);
        const std::uint32_t name = m_longest_name_at[state];
        if (name != kNoName && position < end)
            found.push_back({position, m_name_lengths[name], name});
    }
}

std::vector<FileNameMatcher::Match> FileNameMatcher::find_all(std::string_view text) const
{
    std::vector<Match> matches;
    if (m_longest_name == 0)
        return matches;
    const std::size_t block = std::max(kMinimumBlock, m_longest_name);
    std::vector<Match> found;
    std::size_t next_free = 0;
    for (std::size_t begin = 0; begin < text.size(); begin += block) {
        const std::size_t end = std::min(text.size(), begin + block);
        if (next_free >= end)
            continue;
        collect_longest_starts(text, std::max(begin, next_free), end, found);
        for (auto match = found.rbegin(); match != found.rend(); ++match) {
            if (match->position < next_free)
                continue;
            matches.push_back(*match);
            next_free = match->position + match->length;
        }
    }
    return matches;
}

}
