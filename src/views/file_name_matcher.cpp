#include "views/file_name_matcher.h"

#include <algorithm>
#include <cstdint>

namespace quillet {

namespace {

// The longest name starting in a block is known once the automaton has read that many bytes
// beyond the block, so blocks of at least this size keep that extra reading small.
constexpr std::size_t kMinimumBlock = std::size_t{1} << 16;

// How many states ahead the breadth-first walk asks for the memory of the states it will visit.
constexpr std::size_t kPrefetchDistance = 16;

constexpr std::uint32_t kNoName = UINT32_MAX;
constexpr std::uint32_t kNoNode = UINT32_MAX;
constexpr std::uint32_t kRoot = 0;

// How many of the names that start at one position are tried, longest first, for one that stands
// whole: a page never needs more, and a hostile one cannot make the search quadratic.
constexpr int kWholeNameTries = 16;

constexpr bool is_ascii_letter_or_digit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

unsigned char matched_byte(char c)
{
    return c == '\r' ? '\n' : static_cast<unsigned char>(c);
}

// The reversed names as a trie whose children form linked lists, so that building it allocates
// nothing per node; the automaton lays it out afresh.
class ReversedNameTrie {
public:
    struct Node {
        std::uint32_t first_child = kNoNode;
        std::uint32_t next_sibling = kNoNode;
        unsigned char byte = 0;
    };

    explicit ReversedNameTrie(const std::vector<std::string_view>& names)
    {
        m_nodes.emplace_back();
        m_name_ends.reserve(names.size());
        for (const std::string_view name : names)
            m_name_ends.push_back(name.empty() ? kNoNode : add_reversed(name));
    }

    const std::vector<Node>& nodes() const { return m_nodes; }

    // The node where each name given ends, or kNoNode for an empty name.
    const std::vector<std::uint32_t>& name_ends() const { return m_name_ends; }

private:
    std::uint32_t add_reversed(std::string_view name)
    {
        std::uint32_t node = kRoot;
        for (auto c = name.rbegin(); c != name.rend(); ++c)
            node = child_or_new(node, matched_byte(*c));
        return node;
    }

    std::uint32_t child_or_new(std::uint32_t parent, unsigned char byte)
    {
        for (std::uint32_t c = m_nodes[parent].first_child; c != kNoNode; c = m_nodes[c].next_sibling) {
            if (m_nodes[c].byte == byte)
                return c;
        }
        const auto created = static_cast<std::uint32_t>(m_nodes.size());
        m_nodes.push_back({kNoNode, m_nodes[parent].first_child, byte});
        m_nodes[parent].first_child = created;
        return created;
    }

    std::vector<Node> m_nodes;
    std::vector<std::uint32_t> m_name_ends;
};

}

FileNameMatcher::FileNameMatcher(const std::vector<std::string_view>& names)
    : m_endings(names)
{
    for (const std::string_view name : names) {
        m_name_lengths.push_back(name.size());
        m_longest_name = std::max(m_longest_name, name.size());
    }
    lay_out(names);
    m_root_next.fill(kRoot);
    const Node& root = m_nodes[kRoot];
    for (State c = root.first_child; c < root.first_child + root.child_count; ++c)
        m_root_next[m_nodes[c].byte] = c;
    m_root_next['\r'] = m_root_next['\n'];
    link_failures();
}

// In the order the trie made its nodes, each one giving its children a block of their own: the
// children of a state lie side by side, the run of single children that spells the rest of a name
// follows its branch point, and names made one after the other, which the page mostly holds in
// that order too, stay close together.
void FileNameMatcher::lay_out(const std::vector<std::string_view>& names)
{
    const ReversedNameTrie trie(names);
    const std::vector<ReversedNameTrie::Node>& trie_nodes = trie.nodes();
    m_nodes.assign(trie_nodes.size(), Node{.longest_name = kNoName});
    std::vector<State> state_of(trie_nodes.size(), kRoot);
    State next_free = kRoot + 1;
    for (std::uint32_t made = 0; made < trie_nodes.size(); ++made) {
        Node& node = m_nodes[state_of[made]];
        node.first_child = next_free;
        for (std::uint32_t c = trie_nodes[made].first_child; c != kNoNode; c = trie_nodes[c].next_sibling) {
            state_of[c] = next_free;
            m_nodes[next_free++].byte = trie_nodes[c].byte;
        }
        node.child_count = next_free - node.first_child;
    }
    // Of equal names, the first one given is the one reported.
    for (std::size_t index = 0; index < names.size(); ++index) {
        const std::uint32_t end = trie.name_ends()[index];
        if (end != kNoNode && m_nodes[state_of[end]].longest_name == kNoName)
            m_nodes[state_of[end]].longest_name = static_cast<std::uint32_t>(index);
    }
}

// Breadth first, so the failure target of every state is complete before its children need it;
// a state where no name ends takes the longest name of its failure target.
void FileNameMatcher::link_failures()
{
    std::vector<State> pending = {kRoot};
    pending.reserve(m_nodes.size());
    for (std::size_t next = 0; next < pending.size(); ++next) {
        // The states to visit are known well ahead, and lie all over the automaton.
        if (next + kPrefetchDistance < pending.size())
            __builtin_prefetch(&m_nodes[pending[next + kPrefetchDistance]]);
        const State state = pending[next];
        const Node& parent = m_nodes[state];
        for (State c = parent.first_child; c < parent.first_child + parent.child_count; ++c) {
            Node& node = m_nodes[c];
            node.fail = state == kRoot ? kRoot : step(parent.fail, static_cast<unsigned char>(node.byte));
            if (node.longest_name == kNoName)
                node.longest_name = m_nodes[node.fail].longest_name;
            pending.push_back(c);
        }
    }
}

FileNameMatcher::State FileNameMatcher::step(State state, unsigned char byte) const
{
    byte = matched_byte(static_cast<char>(byte));
    while (state != kRoot) {
        const Node& node = m_nodes[state];
        for (State c = node.first_child; c < node.first_child + node.child_count; ++c) {
            if (m_nodes[c].byte == byte)
                return c;
        }
        state = node.fail;
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
    const std::size_t skip_floor = std::max(begin + 1, NameEndingFilter::kBytesRead - 1);
    std::size_t position = std::min(text.size(), end + m_longest_name - 1);
    State state = kRoot;
    while (position > begin) {
        // At the root, the automaton goes straight back to the last place where a name may end:
        // where none may, reading the byte before the place from the root leads to the state that
        // starting from the root a byte earlier leads to, with no match between.
        if (state == kRoot && position > skip_floor)
            position = m_endings.last_possible_end(text, skip_floor, position);
        --position;
        state = step(state, bytes[position]);
        if (m_nodes[state].longest_name == kNoName || position >= end)
            continue;
        const std::uint32_t name = whole_name_at(text, position, state);
        if (name != kNoName)
            found.push_back({position, static_cast<std::uint32_t>(m_name_lengths[name]), name});
    }
}

// The longest name that starts at `position`, where the automaton is in `state`, and stands whole
// there. The shorter names that start there lie along the failure links.
std::uint32_t FileNameMatcher::whole_name_at(std::string_view text, std::size_t position, State state) const
{
    if (position > 0 && is_ascii_letter_or_digit(text[position - 1]))
        return kNoName;
    for (int tries = 0; tries < kWholeNameTries; ++tries) {
        const std::uint32_t name = m_nodes[state].longest_name;
        if (name == kNoName)
            return kNoName;
        const std::size_t end = position + m_name_lengths[name];
        if (end == text.size() || !is_ascii_letter_or_digit(text[end]))
            return name;
        while (state != kRoot && m_nodes[state].longest_name == name)
            state = m_nodes[state].fail;
    }
    return kNoName;
}

std::vector<FileNameMatcher::Match> FileNameMatcher::find_all(std::string_view text) const
{
    const std::vector<std::size_t> no_costs(m_name_lengths.size(), 0);
    return find_within(text, {no_costs, 0}).found;
}

FileNameMatcher::Matches FileNameMatcher::find_within(std::string_view text, const Budget& budget) const
{
    Matches result;
    std::vector<Match>& matches = result.found;
    std::size_t bytes_left = budget.bytes;
    if (m_longest_name == 0)
        return result;
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
            next_free = match->position + match->length;
            const std::size_t cost = budget.cost_of_name[match->name];
            if (result.left_out > 0 || cost > bytes_left) {
                ++result.left_out;
                continue;
            }
            bytes_left -= cost;
            matches.push_back(*match);
        }
    }
    return result;
}

}
