#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillet {

struct RtfColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const RtfColor&) const = default;
};

// A stretch of text in one character format. Paragraph and line ends are "\n" in the text.
struct RtfRun {
    std::string text; // UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double font_size = 12; // points
    std::string font_family; // empty when the document names none
    std::optional<RtfColor> color; // none: the reader's default text colour

    bool operator==(const RtfRun&) const = default;
    bool has_format_of(const RtfRun& other) const;
};

// Rich text as runs, adjacent runs always differing in format.
struct RtfDocument {
    std::vector<RtfRun> runs;

    std::string text() const;
};

}
