#include "views/name_ending_filter.h"

#include "analysis/ascii_text.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace quillet {

namespace {

// The word whose memory holds `bytes` at the end of a read of NameEndingFilter::kBytesRead bytes.
std::uint32_t word_ending_with(std::string_view bytes)
{
    std::array<char, NameEndingFilter::kBytesRead> memory{};
    std::memcpy(memory.data() + memory.size() - bytes.size(), bytes.data(), bytes.size());
    std::uint32_t word = 0;
    std::memcpy(&word, memory.data(), memory.size());
    return word;
}

// Calls `use` with each spelling of `ending` that a page may hold: CR or LF where it has either.
template <typename Use>
void for_each_spelling(std::string_view ending, const Use& use)
{
    std::string spelling(ending);
    std::vector<std::size_t> breaks;
    for (std::size_t i = 0; i < spelling.size(); ++i) {
        if (is_line_break(spelling[i]))
            breaks.push_back(i);
    }
    for (std::size_t choice = 0; choice < (std::size_t{1} << breaks.size()); ++choice) {
        for (std::size_t b = 0; b < breaks.size(); ++b)
            spelling[breaks[b]] = (choice >> b & 1) != 0 ? '\r' : '\n';
        use(std::string_view(spelling));
    }
}

std::size_t letter_count(const std::vector<unsigned char>& bytes)
{
    return static_cast<std::size_t>(
        std::count_if(bytes.begin(), bytes.end(), [](unsigned char c) { return is_ascii_letter(static_cast<char>(c)); }));
}

}

NameEndingFilter::NameEndingFilter(const std::vector<std::string_view>& names)
{
    for (const std::string_view name : names) {
        if (!name.empty())
            m_ending_length = std::min(m_ending_length, name.size());
    }
    m_ending_bits = word_ending_with(std::string(m_ending_length, '\xff'));
    std::vector<ByteSet> bytes_at(m_ending_length);
    for (const std::string_view name : names) {
        if (!name.empty())
            add_ending(name.substr(name.size() - m_ending_length), bytes_at);
    }
    choose_byte_sieve(bytes_at);
}

// Notes each spelling of `ending`, and the bytes it holds at each offset from its end while there
// are few enough of them to sieve.
void NameEndingFilter::add_ending(std::string_view ending, std::vector<ByteSet>& bytes_at)
{
    for_each_spelling(ending, [&](std::string_view spelling) {
        const std::uint32_t slot = slot_of(word_ending_with(spelling));
        m_endings[slot / 64] |= std::uint64_t{1} << (slot % 64);
        for (std::size_t offset = 0; offset < spelling.size(); ++offset) {
            const auto byte = static_cast<unsigned char>(spelling[spelling.size() - 1 - offset]);
            ByteSet& bytes = bytes_at[offset];
            if (bytes.size() <= kMostSievedBytes && std::find(bytes.begin(), bytes.end(), byte) == bytes.end())
                bytes.push_back(byte);
        }
    });
}

// The offset whose bytes are fewest, and of those the one with fewest letters: letters are the
// commonest bytes of a page.
void NameEndingFilter::choose_byte_sieve(const std::vector<ByteSet>& bytes_at)
{
    const auto better = [](const ByteSet& a, const ByteSet& b) {
        return a.size() != b.size() ? a.size() < b.size() : letter_count(a) < letter_count(b);
    };
    const auto best = std::min_element(bytes_at.begin(), bytes_at.end(), better);
    m_sieves_byte = best != bytes_at.end() && !best->empty() && best->size() <= kMostSievedBytes;
    if (!m_sieves_byte)
        return;
    m_sieved_offset = static_cast<std::size_t>(best - bytes_at.begin());
    for (std::size_t i = 0; i < m_sieved_bytes.size(); ++i)
        m_sieved_bytes[i] = in_every_lane((*best)[std::min(i, best->size() - 1)]);
}

std::size_t NameEndingFilter::last_possible_end(std::string_view text, std::size_t floor, std::size_t from) const
{
    std::size_t end = from;
    for (; end >= floor + kLaneCount; end -= kLaneCount) {
        // Lane i holds the sieved byte of the place first_place + i.
        const std::size_t first_place = end - kLaneCount + 1;
        const ByteLanes passing = lanes_passing_byte_sieve(load_lanes(text.data() + first_place - 1 - m_sieved_offset));
        if (!any_lane(passing))
            continue;
        for (std::uint32_t lanes = lane_bits(passing); lanes != 0; lanes &= ~(std::uint32_t{1} << last_lane(lanes))) {
            const std::size_t place = first_place + last_lane(lanes);
            if (may_end_before(text, place))
                return place;
        }
    }
    for (; end > floor; --end) {
        if (may_end_before(text, end))
            return end;
    }
    return floor;
}

ByteLanes NameEndingFilter::lanes_passing_byte_sieve(ByteLanes lanes) const
{
    if (!m_sieves_byte)
        return in_every_lane(0xff);
    ByteLanes passing{};
    for (const ByteLanes sieved : m_sieved_bytes)
        passing |= lanes_equal(lanes, sieved);
    return passing;
}

bool NameEndingFilter::may_end_before(std::string_view text, std::size_t place) const
{
    std::uint32_t word = 0;
    std::memcpy(&word, text.data() + place - kBytesRead, kBytesRead);
    const std::uint32_t slot = slot_of(word & m_ending_bits);
    return (m_endings[slot / 64] >> (slot % 64) & 1) != 0;
}

}
