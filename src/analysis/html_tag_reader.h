#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// One tag of page text as an HTML tokenizer meets it.
struct HtmlTag {
    std::string name;            // in lower case, without "<" or "/"
    bool closing = false;        // "</name ...>"
    std::size_t start = 0;       // where its "<" stands
    std::string_view attributes; // the text after the name up to the ">"
    // For style, script, textarea and title: the text they hold up to their end tag, which no
    // tag is read from.
    std::string_view raw_text = {};
};

// Walks the tags of page text in order, passing over comments, doctypes and the text of
// raw-text elements. A tag cut off by the end of the text is no tag.
class HtmlTagReader {
public:
    explicit HtmlTagReader(std::string_view text) : m_text(text) {}

    std::optional<HtmlTag> next();

private:
    std::size_t past_markup_declaration(std::size_t open) const;
    void read_raw_text(HtmlTag& tag);

    std::string_view m_text;
    std::size_t m_at = 0;
};

}
