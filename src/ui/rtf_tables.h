#pragma once

#include "ui/rtf_document.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillet {

// The font table: "\fN" starts an entry, its text up to ";" is the family name.
class RtfFontTable {
public:
    void begin_entry(int index);
    void add(char32_t character);
    // Ends an entry that had no ";" (its group closed first).
    void end_entry();

    // Empty when the table has no such font.
    std::string family_of(int index) const;

private:
    std::map<int, std::string> m_families;
    std::optional<int> m_entry_index;
    std::string m_entry_name;
};

// The colour table: entries of "\redN\greenN\blueN" each ended by ";". An entry without
// components is the reader's default colour.
class RtfColorTable {
public:
    enum class Component { Red, Green, Blue };

    void set(Component component, int value);
    void add(char32_t character);

    std::optional<RtfColor> color_of(int index) const;

private:
    std::vector<std::optional<RtfColor>> m_colors;
    std::optional<RtfColor> m_entry;
};

}
