#include "views/saved_image_names.h"

#include "analysis/url_helpers.h"

#include <utility>

namespace quillet {

namespace {

constexpr std::string_view kDefaultName = "image";
// Well under the 255 bytes a file name may have, leaving room for a number and a temporary suffix.
constexpr std::size_t kLongestName = 200;
constexpr std::size_t kLongestExtension = 16;

// The raw last segment of the address's path; empty for an address without a hierarchical path
// ("data:...", "about:blank").
std::string_view last_path_segment(std::string_view address)
{
    const std::size_t scheme_end = address.find("://");
    if (scheme_end == std::string_view::npos)
        return {};
    std::string_view rest = address.substr(scheme_end + 3);
    rest = rest.substr(0, rest.find_first_of("?#"));
    const std::size_t path_start = rest.find('/');
    if (path_start == std::string_view::npos)
        return {};
    return rest.substr(rest.rfind('/') + 1);
}

bool is_control(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

// Whether byte `at` of UTF-8 text starts a character, so that cutting there splits none.
bool starts_character(std::string_view text, std::size_t at)
{
    return at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
}

std::string shortened(std::string name)
{
    if (name.size() <= kLongestName)
        return name;
    const std::size_t dot = name.rfind('.');
    const std::string extension =
        (dot != std::string::npos && name.size() - dot <= kLongestExtension) ? name.substr(dot) : std::string();
    std::size_t stem_end = kLongestName - extension.size();
    while (stem_end > 0 && !starts_character(name, stem_end))
        --stem_end;
    return name.substr(0, stem_end) + extension;
}

}

std::string image_file_name(std::string_view address)
{
    const std::string decoded = percent_decoded(last_path_segment(address));
    // A decoded "%2F" or "\" must not make a folder of the name.
    const std::size_t separator = decoded.find_last_of("/\\");
    const std::string_view segment =
        separator == std::string::npos ? std::string_view(decoded) : std::string_view(decoded).substr(separator + 1);
    std::string name;
    for (const char c : segment) {
        if (!is_control(c))
            name.push_back(c);
    }
    // No hidden files, and neither "." nor "..".
    name.erase(0, name.find_first_not_of(". "));
    name.erase(name.find_last_not_of(' ') + 1);
    if (name.empty())
        return std::string(kDefaultName);
    return shortened(std::move(name));
}

std::string numbered_file_name(std::string_view name, int number)
{
    const std::size_t dot = name.rfind('.');
    const std::size_t stem_end = (dot == std::string_view::npos || dot == 0) ? name.size() : dot;
    return std::string(name.substr(0, stem_end)) + " (" + std::to_string(number) + ")" +
           std::string(name.substr(stem_end));
}

UniqueFileNames::UniqueFileNames(std::function<bool(const std::string&)> taken)
    : m_taken(std::move(taken))
{
}

std::string UniqueFileNames::take(std::string_view name)
{
    std::string candidate(name);
    for (int number = 2; m_given.contains(candidate) || m_taken(candidate); ++number)
        candidate = numbered_file_name(name, number);
    m_given.insert(candidate);
    return candidate;
}

}
