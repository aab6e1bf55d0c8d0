#include "analysis/tag_scanner.h"

#include "analysis/ascii_text.h"
#include "analysis/attribute_value.h"
#include "analysis/reference_resolver.h"
#include "analysis/tag_regions.h"
#include "analysis/unique_reference_appender.h"
#include "analysis/url_helpers.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quillet {

namespace {

bool is_blank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), is_html_space);
}

// The reference that a tag region's attribute names, or nothing when the region holds none: no
// attribute, a ">" before it (the attribute then belongs to a later tag, or the ">" to some
// other attribute's value), or a tag cut off right after the attribute.
std::optional<std::string> reference_in_region(std::string_view region, std::string_view attribute)
{
    const std::size_t attribute_start = find_ignoring_case(region, attribute);
    if (attribute_start == std::string_view::npos)
        return std::nullopt;
    const std::size_t tag_end = region.find('>');
    if (tag_end < attribute_start)
        return std::nullopt;

    const std::size_t value_start = attribute_start + attribute.size();
    const std::string_view value_text =
        region.substr(value_start, tag_end == std::string_view::npos ? std::string_view::npos : tag_end - value_start);
    if (tag_end == std::string_view::npos && is_blank(value_text))
        return std::nullopt;

    std::string reference = replace_all_ignoring_case(attribute_value(value_text), "href=", "");
    // A value broken over lines is one address, as a browser reads it.
    std::erase_if(reference, is_line_break);
    return reference;
}

}

void collect_tag_references(std::string_view page_text, std::string_view page_address, const TagPattern& pattern,
                            ReferenceList& references)
{
    const ReferenceResolver resolver(page_address);
    UniqueReferenceAppender appender(references);
    TagRegionReader regions(page_text, pattern.marker);

    while (const std::optional<std::string_view> region = regions.next()) {
        if (!pattern.admits(*region))
            continue;
        const std::optional<std::string> reference = reference_in_region(*region, pattern.attribute);
        if (reference)
            appender.append(UrlFileName(*reference), [&] { return resolver.resolve(*reference); });
    }
}

}
