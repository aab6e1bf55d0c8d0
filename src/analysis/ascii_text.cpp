#include "analysis/ascii_text.h"

#include "analysis/byte_lanes.h"

#include <algorithm>
#include <cstring>

namespace quillet {

namespace {

bool matches_at(std::string_view text, std::size_t position, std::string_view pattern)
{
    return starts_with_ignoring_case(text.substr(position), pattern);
}

// One byte of a pattern tested in every lane; a letter matches in either case.
class LaneTest {
public:
    explicit LaneTest(char wanted)
        : m_fold(in_every_lane(is_ascii_letter(wanted) ? 0x20 : 0))
        , m_wanted(in_every_lane(static_cast<unsigned char>(to_lower_ascii(wanted))))
    {
    }

    // Passes every byte: the test for the byte after a pattern of one byte.
    static LaneTest any_byte() { return LaneTest(); }

    ByteLanes passing_lanes(ByteLanes lanes) const { return lanes_equal(lanes | m_fold, m_wanted); }

private:
    LaneTest() : m_fold(in_every_lane(0xff)), m_wanted(in_every_lane(0xff)) {}

    ByteLanes m_fold; // 0x20 in each lane for a letter: it makes an upper-case letter lower case
    ByteLanes m_wanted;
};

// Candidates are the positions where the first two bytes of the pattern stand, sixteen positions
// a step: in HTML, searching for "<" alone stops every few bytes.
std::size_t find_by_first_pair(std::string_view text, std::string_view pattern, std::size_t from)
{
    const LaneTest first(pattern[0]);
    const LaneTest second = pattern.size() > 1 ? LaneTest(pattern[1]) : LaneTest::any_byte();
    const std::size_t last_start = text.size() - pattern.size();
    std::size_t position = from;
    for (; position + kLaneCount < text.size(); position += kLaneCount) {
        const ByteLanes candidates = first.passing_lanes(load_lanes(text.data() + position)) &
                                     second.passing_lanes(load_lanes(text.data() + position + 1));
        if (!any_lane(candidates))
            continue;
        for (std::uint32_t bits = lane_bits(candidates); bits != 0; bits &= bits - 1) {
            const std::size_t start = position + first_lane(bits);
            if (start > last_start)
                return std::string_view::npos;
            if (matches_at(text, start, pattern))
                return start;
        }
    }
    for (; position <= last_start; ++position) {
        if (matches_at(text, position, pattern))
            return position;
    }
    return std::string_view::npos;
}

}

std::string to_lower_ascii(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) { return to_lower_ascii(c); });
    return lowered;
}

std::size_t find_ignoring_case(std::string_view text, std::string_view pattern, std::size_t from)
{
    if (from > text.size())
        return std::string_view::npos;
    if (pattern.empty())
        return from;
    if (pattern.size() > text.size() - from)
        return std::string_view::npos;
    return find_by_first_pair(text, pattern, from);
}

bool contains_ignoring_case(std::string_view text, std::string_view pattern)
{
    return find_ignoring_case(text, pattern) != std::string_view::npos;
}

std::string replace_all_ignoring_case(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    std::size_t hit = find_ignoring_case(text, pattern);
    if (pattern.empty() || hit == std::string_view::npos)
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (; hit != std::string_view::npos; hit = find_ignoring_case(text, pattern, copied)) {
        result.append(text.substr(copied, hit - copied)).append(replacement);
        copied = hit + pattern.size();
    }
    result.append(text.substr(copied));
    return result;
}

std::size_t find_line_end(std::string_view text, std::size_t from)
{
    if (from >= text.size())
        return text.size();
    const char* const start = text.data() + from;
    const auto span_before = [start](const void* hit, std::size_t otherwise) {
        return hit == nullptr ? otherwise : static_cast<std::size_t>(static_cast<const char*>(hit) - start);
    };
    const std::size_t to_line_feed = span_before(std::memchr(start, '\n', text.size() - from), text.size() - from);
    return from + span_before(std::memchr(start, '\r', to_line_feed), to_line_feed);
}

}
