#include "ui/rtf_tables.h"

#include "analysis/ascii_text.h"
#include "analysis/unicode_text.h"

#include <algorithm>
#include <cstdint>

namespace quillet {

namespace {

// A corrupt table may not grow without end.
constexpr std::size_t kMaxEntries = 4096;

}

void RtfFontTable::begin_entry(int index)
{
    end_entry();
    m_entry_index = index;
}

void RtfFontTable::add(char32_t character)
{
    if (!m_entry_index)
        return;
    if (character == U';')
        end_entry();
    else
        append_utf8(m_entry_name, character);
}

void RtfFontTable::end_entry()
{
    if (m_entry_index && (m_families.size() < kMaxEntries || m_families.contains(*m_entry_index)))
        m_families[*m_entry_index] = std::string(trimmed(m_entry_name, " "));
    m_entry_index.reset();
    m_entry_name.clear();
}

std::string RtfFontTable::family_of(int index) const
{
    const auto found = m_families.find(index);
    return found == m_families.end() ? std::string() : found->second;
}

void RtfColorTable::set(Component component, int value)
{
    if (!m_entry)
        m_entry = RtfColor{};
    const auto level = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    switch (component) {
    case Component::Red:
        m_entry->red = level;
        break;
    case Component::Green:
        m_entry->green = level;
        break;
    case Component::Blue:
        m_entry->blue = level;
        break;
    }
}

void RtfColorTable::add(char32_t character)
{
    if (character != U';')
        return;
    if (m_colors.size() < kMaxEntries)
        m_colors.push_back(m_entry);
    m_entry.reset();
}

std::optional<RtfColor> RtfColorTable::color_of(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_colors.size())
        return std::nullopt;
    return m_colors[static_cast<std::size_t>(index)];
}

}
