#include "analysis/url_helpers.h"

#include "analysis/ascii_text.h"
#include "analysis/url_scheme.h"

#include <string>

namespace quillet {

// The address's own scheme ("http://", "https://", ...) is taken off its start, the rest of the
// path is cut as plain text, and the scheme is put back in front in lower case; a bare host comes
// back without it ("www.example.com/").
std::string ParentUrl(std::string_view address)
{
    const std::string_view path = without_query_and_fragment(address);
    const std::string_view scheme = scheme_prefix(path);
    const std::string scheme_text = to_lower_ascii(scheme);
    std::string remainder(path.substr(scheme.size()));

    if (!remainder.empty() && remainder.back() == '/')
        remainder.pop_back();
    const std::size_t last_slash = remainder.rfind('/');
    const std::string directory =
        scheme_text + (last_slash == std::string::npos ? std::string() : remainder.substr(0, last_slash + 1));

    if (!directory.empty() && directory != scheme_text)
        return directory;
    return remainder + '/';
}

std::string_view without_query_and_fragment(std::string_view address)
{
    return address.substr(0, address.find_first_of("?#"));
}

std::string UrlFileName(std::string_view reference)
{
    constexpr std::string_view kHttp = "http://";
    const bool has_scheme = contains_ignoring_case(reference, kHttp);
    const std::string without_scheme = has_scheme ? replace_all_ignoring_case(reference, kHttp, "") : std::string();
    const std::string_view cleaned = has_scheme ? std::string_view(without_scheme) : reference;

    std::string file_name = replace_all_ignoring_case(cleaned.substr(cleaned.rfind('/') + 1), " border=", "");
    std::erase(file_name, '"');
    return file_name;
}

void append_percent_encoded(std::string& text, unsigned char byte)
{
    constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    text += {'%', kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
}

std::string percent_decoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const auto high = hex_digit_value(text[i + 1]);
            const auto low = hex_digit_value(text[i + 2]);
            if (high && low) {
                decoded.push_back(static_cast<char>(*high * 16 + *low));
                i += 2;
                continue;
            }
        }
        decoded.push_back(text[i]);
    }
    return decoded;
}

}
