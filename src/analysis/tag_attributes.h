#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// One attribute of a tag as the page writes it.
struct TagAttribute {
    std::string name;       // in lower case
    std::string_view value; // as written, character references undecoded; empty when it has none
};

// The attributes of a tag's text after its name (HtmlTag::attributes), in order.
std::vector<TagAttribute> tag_attributes(std::string_view attributes);

// The value of the attribute `name` (lower case), or nothing when the tag has none; a name given
// twice counts the first time, as a browser reads it.
std::optional<std::string_view> attribute_named(const std::vector<TagAttribute>& attributes, std::string_view name);

}
