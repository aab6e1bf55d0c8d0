#include "analysis/css_image_urls.h"

#include "analysis/ascii_text.h"

namespace quillet {

namespace {

bool is_background_property(std::string_view name)
{
    return equals_ignoring_case(name, "background") || equals_ignoring_case(name, "background-image");
}

// The address of the url( whose text starts at `at`, just after its "(", and where it ends.
std::pair<std::string_view, std::size_t> url_token(std::string_view text, std::size_t at)
{
    while (at < text.size() && is_html_space(text[at]))
        ++at;
    if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
        const std::size_t closing = text.find(text[at], at + 1);
        const std::size_t end = closing == std::string_view::npos ? text.size() : closing;
        return {text.substr(at + 1, end - at - 1), end};
    }
    const std::size_t closing = text.find(')', at);
    const std::size_t end = closing == std::string_view::npos ? text.size() : closing;
    return {trimmed(text.substr(at, end - at), kHtmlSpaces), end};
}

void append_urls_of_value(std::string_view selector, std::string_view value, std::vector<CssImageUrl>& urls)
{
    constexpr std::string_view kUrlOpening = "url(";
    for (std::size_t at = find_ignoring_case(value, kUrlOpening); at != std::string_view::npos;
         at = find_ignoring_case(value, kUrlOpening, at + 1)) {
        const auto [url, end] = url_token(value, at + kUrlOpening.size());
        if (!url.empty())
            urls.push_back({selector, url});
        at = end;
        if (at >= value.size())
            break;
    }
}

// Where the declaration that starts at `at` ends: the first ";" outside quotes and parentheses.
std::size_t declaration_end(std::string_view text, std::size_t at)
{
    char quote = 0;
    int depth = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (c == ';' && depth == 0) {
            return at;
        }
    }
    return at;
}

void append_background_urls(std::string_view selector, std::string_view declarations, std::vector<CssImageUrl>& urls)
{
    for (std::size_t at = 0; at < declarations.size();) {
        const std::size_t end = declaration_end(declarations, at);
        const std::string_view declaration = declarations.substr(at, end - at);
        const std::size_t colon = declaration.find(':');
        if (colon != std::string_view::npos && is_background_property(trimmed(declaration.substr(0, colon), kHtmlSpaces)))
            append_urls_of_value(selector, declaration.substr(colon + 1), urls);
        at = end + 1;
    }
}

}

std::vector<CssImageUrl> background_urls_in_declarations(std::string_view declarations)
{
    std::vector<CssImageUrl> urls;
    append_background_urls({}, declarations, urls);
    return urls;
}

// A rule's selector runs from the end of the rule or block before it to its "{"; an at-rule's
// block holds rules of its own, so its "{" opens no declarations.
std::vector<CssImageUrl> background_urls_in_style_sheet(std::string_view style_sheet)
{
    std::vector<CssImageUrl> urls;
    std::size_t selector_start = 0;
    for (std::size_t at = 0; at < style_sheet.size(); ++at) {
        if (style_sheet.substr(at).starts_with("/*")) {
            const std::size_t comment_end = style_sheet.find("*/", at + 2);
            if (comment_end == std::string_view::npos)
                break;
            at = comment_end + 1;
            if (trimmed(style_sheet.substr(selector_start, at + 1 - selector_start), kHtmlSpaces).starts_with("/*"))
                selector_start = at + 1;
            continue;
        }
        const char c = style_sheet[at];
        if (c == '}' || c == ';') {
            selector_start = at + 1;
            continue;
        }
        if (c != '{')
            continue;
        const std::string_view selector = trimmed(style_sheet.substr(selector_start, at - selector_start), kHtmlSpaces);
        selector_start = at + 1;
        if (selector.starts_with('@'))
            continue;
        const std::size_t block_end = style_sheet.find('}', at + 1);
        const std::size_t end = block_end == std::string_view::npos ? style_sheet.size() : block_end;
        append_background_urls(selector, style_sheet.substr(at + 1, end - at - 1), urls);
        at = end;
        selector_start = end + 1;
    }
    return urls;
}

}
