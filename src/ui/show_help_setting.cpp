#include "ui/show_help_setting.h"

#include "analysis/ascii_text.h"

#include <charconv>

namespace quillet {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

std::optional<long long> whole_number(std::string_view text)
{
    text = trimmed(text, kBlanks);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

}

std::optional<bool> parse_show_help(std::string_view value)
{
    const auto number = whole_number(value);
    if (number == 0)
        return false;
    if (number == 1)
        return true;
    return std::nullopt;
}

std::string show_help_value(bool checked)
{
    return checked ? "1" : "0";
}

bool should_open_help_at_startup(std::string_view value)
{
    return parse_show_help(value).value_or(false);
}

}
