#include "views/html_escape.h"

#include <array>

namespace quillet {

namespace {

constexpr std::array<std::string_view, 256> kEscapes = [] {
    std::array<std::string_view, 256> escapes{};
    escapes['&'] = "&amp;";
    escapes['<'] = "&lt;";
    escapes['>'] = "&gt;";
    escapes['"'] = "&quot;";
    escapes['\''] = "&#39;";
    escapes['\r'] = "&#13;";
    escapes['\n'] = "&#10;";
    return escapes;
}();

}

std::string_view html_escape_of(char c)
{
    return kEscapes[static_cast<unsigned char>(c)];
}

void append_html_escaped(std::string& out, std::string_view text)
{
    for (const char c : text) {
        const std::string_view escape = html_escape_of(c);
        if (escape.empty())
            out += c;
        else
            out += escape;
    }
}

std::size_t html_escaped_size(std::string_view text)
{
    std::size_t size = 0;
    for (const char c : text) {
        const std::string_view escape = html_escape_of(c);
        size += escape.empty() ? 1 : escape.size();
    }
    return size;
}

}
