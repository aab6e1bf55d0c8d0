#include "analysis/html_tag_reader.h"

#include "analysis/ascii_text.h"
#include "analysis/attribute_value.h"

#include <array>

namespace quillet {

namespace {

bool ends_tag_name(char c)
{
    return is_html_space(c) || c == '/' || c == '>';
}

bool holds_raw_text(std::string_view name)
{
    constexpr std::array<std::string_view, 4> kRawTextElements = {"style", "script", "textarea", "title"};
    for (const std::string_view element : kRawTextElements) {
        if (name == element)
            return true;
    }
    return false;
}

}

std::optional<HtmlTag> HtmlTagReader::next()
{
    for (std::size_t open = m_text.find('<', m_at); open != std::string_view::npos; open = m_text.find('<', m_at)) {
        const std::size_t after = open + 1;
        if (after < m_text.size() && (m_text[after] == '!' || m_text[after] == '?')) {
            m_at = past_markup_declaration(open);
            continue;
        }
        const bool closing = after < m_text.size() && m_text[after] == '/';
        const std::size_t name_start = closing ? after + 1 : after;
        if (name_start >= m_text.size() || !is_ascii_letter(m_text[name_start])) {
            m_at = after;
            continue;
        }
        std::size_t name_end = name_start;
        while (name_end < m_text.size() && !ends_tag_name(m_text[name_end]))
            ++name_end;
        const std::size_t tag_end = find_tag_end(m_text, name_end);
        if (tag_end == std::string_view::npos) {
            m_at = m_text.size();
            return std::nullopt;
        }
        HtmlTag tag{to_lower_ascii(m_text.substr(name_start, name_end - name_start)), closing, open,
                    m_text.substr(name_end, tag_end - name_end)};
        m_at = tag_end + 1;
        if (!closing && holds_raw_text(tag.name))
            read_raw_text(tag);
        return tag;
    }
    m_at = m_text.size();
    return std::nullopt;
}

// "<!-- ... -->" runs to its "-->", any other "<!" or "<?" to the next ">".
std::size_t HtmlTagReader::past_markup_declaration(std::size_t open) const
{
    const bool comment = m_text.substr(open).starts_with("<!--");
    const std::size_t end = comment ? m_text.find("-->", open + 4) : m_text.find('>', open);
    if (end == std::string_view::npos)
        return m_text.size();
    return end + (comment ? 3 : 1);
}

void HtmlTagReader::read_raw_text(HtmlTag& tag)
{
    const std::string end_marker = "</" + tag.name;
    const std::size_t end = find_ignoring_case(m_text, end_marker, m_at);
    const std::size_t text_end = end == std::string_view::npos ? m_text.size() : end;
    tag.raw_text = m_text.substr(m_at, text_end - m_at);
    m_at = text_end;
}

}
