#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace quillet::test {

struct GeneratedPage {
    std::string address;
    std::string text;
};

// Random pages of image tags, anchors, other tags and text, in mixed letter case and with every
// kind of line ending and blank lines, on http:// and scheme-less addresses. They stay clear of
// the inputs on which the scanners and their literal versions differ on purpose (other schemes,
// "//", "data:", dot segments, unquoted values, an empty value followed by more attributes, ">"
// before a tag's target or in it, tags broken over lines, a root reference on an address without
// scheme, a bare host with scheme, a reference that is only a query, "/" in the page address's
// query), so both list the same references.
class PageGenerator {
public:
    explicit PageGenerator(std::uint32_t seed);

    GeneratedPage next();

private:
    std::size_t below(std::size_t count);
    bool chance(int percent);
    template <std::size_t N>
    std::string_view pick(const std::string_view (&choices)[N]) { return choices[below(N)]; }

    std::string mixed_case(std::string_view word);
    std::string quoted(std::string_view value);
    std::string target();
    std::string image_tag();
    std::string anchor();
    std::string piece();
    std::string line();

    std::mt19937 m_random;
    bool m_address_has_scheme = true;
};

}
