#include "analysis/tag_scanner.h"

#include "analysis/ascii_text.h"
#include "analysis/attribute_value.h"
#include "analysis/character_references.h"
#include "analysis/output_bounds.h"
#include "analysis/reference_resolver.h"
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

struct WrittenReference {
    std::string_view value;  // the attribute value as it stands in the page
    std::string reference;   // what it names, still undecoded
};

// The reference that a tag region's attribute names as the page writes it, or nothing when the
// region holds none: no attribute, a tag ended before it (the attribute then belongs to a later
// tag), or a tag cut off right after the attribute.
std::optional<WrittenReference> written_reference_in_region(const TagRegion& tag, std::string_view attribute)
{
    const std::string_view region = tag.text;
    const std::size_t attribute_start = find_ignoring_case(region, attribute);
    if (attribute_start == std::string_view::npos)
        return std::nullopt;
    const std::size_t tag_end = tag.tag_end;
    if (tag_end < attribute_start)
        return std::nullopt;

    const std::size_t value_start = attribute_start + attribute.size();
    const std::string_view value_text =
        region.substr(value_start, tag_end == std::string_view::npos ? std::string_view::npos : tag_end - value_start);
    if (tag_end == std::string_view::npos && is_blank(value_text))
        return std::nullopt;

    const std::string_view value = attribute_value(value_text);
    std::string reference = replace_all_ignoring_case(value, "href=", "");
    // A value broken over lines is one address, as a browser reads it.
    std::erase_if(reference, is_line_break);
    return WrittenReference{value, std::move(reference)};
}

// The value is HTML text: the engine requests it, and the scanners list it, decoded.
void append_reference(UniqueReferenceAppender& appender, const ReferenceResolver& resolver, std::string_view written,
                      const ReferencePlace& place)
{
    if (written.find('&') == std::string_view::npos) {
        appender.append(UrlFileName(written), [&] { return resolver.resolve(written); }, {}, place);
        return;
    }
    const std::string reference = decode_attribute_value(written);
    std::string written_name = UrlFileName(written);
    std::string file_name = UrlFileName(reference);
    if (written_name == file_name)
        written_name.clear();
    appender.append(std::move(file_name), [&] { return resolver.resolve(reference); }, std::move(written_name), place);
}

std::size_t offset_in(std::string_view text, std::string_view part)
{
    return static_cast<std::size_t>(part.data() - text.data());
}

}

std::size_t collect_tag_references(std::string_view page_text, std::string_view base_address,
                                   const TagPattern& pattern, ReferenceList& references)
{
    const ReferenceResolver resolver(base_address);
    UniqueReferenceAppender appender(references, reference_list_bound(page_text.size()));
    TagRegionReader regions(page_text, pattern.marker);

    while (const std::optional<TagRegion> region = regions.next()) {
        if (!pattern.admits(*region))
            continue;
        const std::optional<WrittenReference> written = written_reference_in_region(*region, pattern.attribute);
        if (!written)
            continue;
        const ReferencePlace place = {offset_in(page_text, region->text), offset_in(page_text, written->value),
                                      written->value.size()};
        append_reference(appender, resolver, written->reference, place);
    }
    return appender.left_out();
}

}
