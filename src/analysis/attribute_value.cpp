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

}
