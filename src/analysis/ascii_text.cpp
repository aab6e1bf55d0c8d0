#include "analysis/ascii_text.h"

#include <algorithm>
#include <cstring>

namespace quillet {

namespace {

// The pattern position searched for with memchr: a byte without case variants where there is
// one, so that a single exact search finds every candidate.
std::size_t anchor_index(std::string_view pattern)
{
    const auto caseless = std::find_if(pattern.begin(), pattern.end(), [](char c) { return !is_ascii_letter(c); });
    return caseless == pattern.end() ? 0 : static_cast<std::size_t>(caseless - pattern.begin());
}

bool matches_at(std::string_view text, std::size_t position, std::string_view pattern)
{
    if (position + pattern.size() > text.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (to_lower_ascii(text[position + i]) != to_lower_ascii(pattern[i]))
            return false;
    }
    return true;
}

std::size_t find_by_letter(std::string_view text, std::string_view pattern, std::size_t from)
{
    const char first = to_lower_ascii(pattern.front());
    for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
        if (to_lower_ascii(text[i]) == first && matches_at(text, i, pattern))
            return i;
    }
    return std::string_view::npos;
}

std::size_t find_by_anchor(std::string_view text, std::string_view pattern, std::size_t from, std::size_t anchor)
{
    const char anchor_byte = pattern[anchor];
    std::size_t next = from + anchor;
    while (next < text.size()) {
        const void* hit = std::memchr(text.data() + next, anchor_byte, text.size() - next);
        if (hit == nullptr)
            return std::string_view::npos;
        const auto hit_index = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        const std::size_t start = hit_index - anchor;
        if (start + pattern.size() > text.size())
            return std::string_view::npos;
        // Most anchors in a page are the start of something else ("<p", "<div"): the byte after
        // the anchor rules them out before the full comparison.
        const std::size_t after_anchor = anchor + 1 < pattern.size() ? anchor + 1 : 0;
        if (to_lower_ascii(text[start + after_anchor]) == to_lower_ascii(pattern[after_anchor])
            && matches_at(text, start, pattern))
            return start;
        next = hit_index + 1;
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

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix)
{
    return matches_at(text, 0, prefix);
}

std::size_t find_ignoring_case(std::string_view text, std::string_view pattern, std::size_t from)
{
    if (from > text.size())
        return std::string_view::npos;
    if (pattern.empty())
        return from;
    const std::size_t anchor = anchor_index(pattern);
    if (is_ascii_letter(pattern[anchor]))
        return find_by_letter(text, pattern, from);
    return find_by_anchor(text, pattern, from, anchor);
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
