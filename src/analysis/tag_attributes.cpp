#include "analysis/tag_attributes.h"

#include "analysis/ascii_text.h"
#include "analysis/attribute_value.h"

namespace quillet {

namespace {

bool ends_attribute_name(char c)
{
    return is_html_space(c) || c == '/' || c == '>' || c == '=';
}

std::size_t skip_blanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && is_html_space(text[at]))
        ++at;
    return at;
}

}

std::vector<TagAttribute> tag_attributes(std::string_view attributes)
{
    std::vector<TagAttribute> found;
    std::size_t at = 0;
    while (at < attributes.size()) {
        if (is_html_space(attributes[at]) || attributes[at] == '/') {
            ++at;
            continue;
        }
        const std::size_t name_start = at;
        // A "=" that starts a name belongs to it, as the tokenizer reads it.
        ++at;
        while (at < attributes.size() && !ends_attribute_name(attributes[at]))
            ++at;
        TagAttribute attribute{to_lower_ascii(attributes.substr(name_start, at - name_start)), {}};
        const std::size_t equals = skip_blanks(attributes, at);
        if (equals < attributes.size() && attributes[equals] == '=') {
            attribute.value = attribute_value(attributes.substr(equals + 1));
            const std::size_t value_end = static_cast<std::size_t>(attribute.value.data() - attributes.data()) +
                                          attribute.value.size();
            const bool quoted = value_end < attributes.size() && (attributes[value_end] == '"' || attributes[value_end] == '\'');
            at = value_end + (quoted ? 1 : 0);
        }
        found.push_back(std::move(attribute));
    }
    return found;
}

std::optional<std::string_view> attribute_named(const std::vector<TagAttribute>& attributes, std::string_view name)
{
    for (const TagAttribute& attribute : attributes) {
        if (attribute.name == name)
            return attribute.value;
    }
    return std::nullopt;
}

}
