#include "analysis/srcset_parser.h"

#include "analysis/ascii_text.h"

namespace quillet {

namespace {

// Where the descriptors that start at `at` end: the first comma outside parentheses.
std::size_t descriptors_end(std::string_view text, std::size_t at)
{
    int depth = 0;
    for (; at < text.size(); ++at) {
        if (text[at] == '(')
            ++depth;
        else if (text[at] == ')' && depth > 0)
            --depth;
        else if (text[at] == ',' && depth == 0)
            return at;
    }
    return at;
}

}

std::vector<SrcsetCandidate> parse_srcset(std::string_view srcset)
{
    std::vector<SrcsetCandidate> candidates;
    std::size_t at = 0;
    while (true) {
        while (at < srcset.size() && (is_html_space(srcset[at]) || srcset[at] == ','))
            ++at;
        if (at == srcset.size())
            return candidates;
        const std::size_t url_start = at;
        while (at < srcset.size() && !is_html_space(srcset[at]))
            ++at;
        std::string_view url = srcset.substr(url_start, at - url_start);
        if (url.ends_with(',')) {
            while (url.ends_with(','))
                url.remove_suffix(1);
            candidates.push_back({url, {}});
            continue;
        }
        const std::size_t end = descriptors_end(srcset, at);
        candidates.push_back({url, trimmed(srcset.substr(at, end - at), kHtmlSpaces)});
        at = end;
    }
}

}
