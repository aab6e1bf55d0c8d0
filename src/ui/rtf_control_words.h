#pragma once

#include <optional>
#include <string_view>

namespace quillet {

// Destinations whose content is not part of the shown text.
bool is_skipped_destination(std::string_view word);

// The character a control word stands for ("par", "tab", "emdash", ...).
std::optional<char32_t> character_of_word(std::string_view word);

// "ul" and its styled variants (dotted, double, wave, ...), all shown as a plain underline.
bool is_underline_word(std::string_view word);

}
