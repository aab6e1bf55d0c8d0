#include "analysis/base_address.h"

#include "analysis/ascii_text.h"
#include "analysis/attribute_value.h"
#include "analysis/character_references.h"
#include "analysis/reference_resolver.h"

#include <optional>
#include <utility>

namespace quillet {

namespace {

constexpr std::string_view kBaseMarker = "<base";
constexpr std::string_view kHrefAttribute = "href=";

// The attributes of the base element whose tag starts at or after `from`, up to its ">", and
// where that tag starts; "<basefont" is no base element.
std::optional<std::pair<std::size_t, std::string_view>> next_base_tag(std::string_view text, std::size_t from)
{
    for (std::size_t start = find_ignoring_case(text, kBaseMarker, from); start != std::string_view::npos;
         start = find_ignoring_case(text, kBaseMarker, start + 1)) {
        const std::size_t name_end = start + kBaseMarker.size();
        if (name_end == text.size() || is_html_space(text[name_end]) || text[name_end] == '/' || text[name_end] == '>')
            return std::pair(start, text.substr(name_end, find_tag_end(text, name_end) - name_end));
    }
    return std::nullopt;
}

// The written href among a tag's attributes; "data-href=" is another attribute.
std::optional<std::string_view> href_of(std::string_view attributes)
{
    for (std::size_t at = find_ignoring_case(attributes, kHrefAttribute); at != std::string_view::npos;
         at = find_ignoring_case(attributes, kHrefAttribute, at + 1)) {
        if (at == 0 || is_html_space(attributes[at - 1]) || attributes[at - 1] == '/')
            return attribute_value(attributes.substr(at + kHrefAttribute.size()));
    }
    return std::nullopt;
}

// The href of the first base element that has one: a <base target> alone sets no address.
std::optional<std::string_view> first_base_href(std::string_view text)
{
    for (auto tag = next_base_tag(text, 0); tag; tag = next_base_tag(text, tag->first + 1)) {
        if (const auto href = href_of(tag->second))
            return href;
    }
    return std::nullopt;
}

}

std::string document_base_address(std::string_view page_text, std::string_view page_address)
{
    const std::optional<std::string_view> href = first_base_href(page_text);
    if (!href)
        return std::string(page_address);
    return ReferenceResolver(page_address).resolve(decode_attribute_value(*href));
}

}
