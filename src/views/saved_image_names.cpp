#include "views/saved_image_names.h"

#include "analysis/url_helpers.h"
#include "analysis/utf8_sequence.h"

#include <utility>

namespace quillet {

namespace {

constexpr std::string_view kDefaultName = "image";
// Well under the 255 bytes a file name may have, leaving room for a number.
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
    rest = without_query_and_fragment(rest);
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

// `text` with each byte that is no part of a UTF-8 character written as "%" and two hex digits.
std::string with_undecodable_bytes_encoded(std::string_view text)
{
    std::string result;
    while (!text.empty()) {
        const Utf8Sequence sequence =
            static_cast<unsigned char>(text.front()) < 0x80 ? Utf8Sequence{1, true} : leading_utf8_sequence(text);
        if (sequence.well_formed) {
            result += text.substr(0, sequence.length);
        } else {
            for (const char c : text.substr(0, sequence.length))
                append_percent_encoded(result, static_cast<unsigned char>(c));
        }
        text.remove_prefix(sequence.length);
    }
    return result;
}

}

std::string shortened_file_name(std::string_view name, std::size_t longest)
{
    if (name.size() <= longest)
        return std::string(name);
    const std::size_t dot = name.rfind('.');
    const std::size_t extension_size = dot == std::string_view::npos ? 0 : name.size() - dot;
    const std::string_view extension =
        extension_size <= kLongestExtension && extension_size < longest ? name.substr(dot) : std::string_view();
    std::size_t stem_end = longest - extension.size();
    while (stem_end > 0 && !starts_character(name, stem_end))
        --stem_end;
    return std::string(name.substr(0, stem_end)) + std::string(extension);
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
    return shortened_file_name(with_undecodable_bytes_encoded(name), kLongestName);
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
