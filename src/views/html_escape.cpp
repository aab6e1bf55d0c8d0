#include "views/html_escape.h"

#include <algorithm>
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

// The character reference that stands for `c`, or nothing when `c` stays as it is.
std::string_view html_escape_of(char c)
{
    return kEscapes[static_cast<unsigned char>(c)];
}

bool needs_escape(char c)
{
    return !html_escape_of(c).empty();
}

}

// Addresses seldom hold a byte to escape: the runs between such bytes are appended whole.
void append_html_escaped(std::string& out, std::string_view text)
{
    for (auto run_start = text.begin(); run_start != text.end();) {
        const auto run_end = std::find_if(run_start, text.end(), needs_escape);
        out.append(run_start, run_end);
        if (run_end == text.end())
            return;
        out.append(html_escape_of(*run_end));
        run_start = run_end + 1;
    }
}

std::size_t html_escaped_size(std::string_view text)
{
    std::size_t size = 0;
    for (const char c : text)
        size += needs_escape(c) ? html_escape_of(c).size() : 1;
    return size;
}

}
