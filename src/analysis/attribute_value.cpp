#include "analysis/attribute_value.h"

#include "analysis/ascii_text.h"

#include <algorithm>

namespace quillet {

namespace {

bool is_quote(char c)
{
    return c == '"' || c == '\'';
}

}

std::string_view attribute_value(std::string_view text)
{
    const auto value_start = std::find_if_not(text.begin(), text.end(), is_html_space);
    if (value_start == text.end())
        return text.substr(text.size()); // empty, but still where the value would stand
    if (is_quote(*value_start)) {
        const auto content_start = value_start + 1;
        return {content_start, std::find(content_start, text.end(), *value_start)};
    }
    return {value_start, std::find_if(value_start, text.end(), is_html_space)};
}

// Both searches are for one byte and go on from where they stopped, so the text is read about
// twice at memchr's speed: a quoted value only moves the ">" searched for past its closing quote.
std::size_t find_tag_end(std::string_view text, std::size_t from)
{
    std::size_t end = text.find('>', from);
    for (std::size_t at = from;;) {
        const std::size_t equals = text.substr(0, end).find('=', at);
        if (equals == std::string_view::npos)
            return end;
        const auto value_start = std::find_if_not(text.begin() + static_cast<std::ptrdiff_t>(equals) + 1, text.end(), is_html_space);
        at = equals + 1;
        if (value_start == text.end() || !is_quote(*value_start))
            continue;
        const std::size_t opening = static_cast<std::size_t>(value_start - text.begin());
        const std::size_t closing = text.find(*value_start, opening + 1);
        if (closing == std::string_view::npos)
            return end;
        at = closing + 1;
        if (end < at)
            end = text.find('>', at);
    }
}

}
