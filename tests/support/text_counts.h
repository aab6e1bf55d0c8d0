#pragma once

#include <cstring>
#include <string_view>

namespace quillet::test {

// How many times `part` (not empty) stands in `text`, none overlapping.
inline std::size_t occurrences(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Whether `text` holds a carriage return or a line feed. Through the C library: the sanitizer
// build runs the tests unoptimised, where a search character by character of a page of hundreds
// of megabytes takes seconds.
inline bool has_line_break(std::string_view text)
{
    return std::memchr(text.data(), '\r', text.size()) != nullptr || std::memchr(text.data(), '\n', text.size()) != nullptr;
}

}
