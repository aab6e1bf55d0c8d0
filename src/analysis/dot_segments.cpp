#include "analysis/dot_segments.h"

#include "analysis/url_helpers.h"

#include <algorithm>
#include <vector>

namespace quillet {

namespace {

std::vector<std::string_view> split_segments(std::string_view path)
{
    std::vector<std::string_view> segments;
    for (std::size_t start = 0;;) {
        const std::size_t slash = path.find('/', start);
        segments.push_back(path.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start));
        if (slash == std::string_view::npos)
            return segments;
        start = slash + 1;
    }
}

bool is_dot_segment(std::string_view segment)
{
    return segment == "." || segment == "..";
}

}

bool has_dot_segments(std::string_view reference)
{
    const std::string_view path = without_query_and_fragment(reference);
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        if (is_dot_segment(path.substr(start, slash - start)))
            return true;
        start = slash + 1;
    }
    return false;
}

std::string remove_dot_segments(std::string_view path)
{
    const std::size_t length = without_query_and_fragment(path).size();
    const std::vector<std::string_view> segments = split_segments(path.substr(0, length));

    std::vector<std::string_view> kept;
    for (const std::string_view segment : segments) {
        if (segment == ".." && !kept.empty())
            kept.pop_back();
        if (!is_dot_segment(segment))
            kept.push_back(segment);
    }
    // A dot segment at the end names a directory: the result keeps its closing "/".
    if (is_dot_segment(segments.back()))
        kept.push_back({});

    std::string resolved;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0)
            resolved += '/';
        resolved += kept[i];
    }
    return resolved + std::string(path.substr(length));
}

}
