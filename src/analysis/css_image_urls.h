#pragma once

#include <string_view>
#include <vector>

namespace quillet {

// An image address that a background or background-image declaration names in url(...), with
// the selector of its rule (empty for the declarations of a style attribute). Both are parts of
// the text read, the address without its quotes and blanks.
struct CssImageUrl {
    std::string_view selector;
    std::string_view url;

    bool operator==(const CssImageUrl&) const = default;
};

// The background images of declarations such as a style attribute holds ("background: url(a.png)
// no-repeat; color: red").
std::vector<CssImageUrl> background_urls_in_declarations(std::string_view declarations);

// The background images of the rules of a style sheet, the rules inside @media and the like too.
std::vector<CssImageUrl> background_urls_in_style_sheet(std::string_view style_sheet);

}
