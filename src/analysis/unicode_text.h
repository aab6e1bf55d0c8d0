#pragma once

#include <optional>
#include <string>

namespace quillet {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The character a Windows-1252 byte stands for; nullopt for the five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D), which each reader treats in its own way.
std::optional<char32_t> windows_1252_character(unsigned char byte);

// Appends the UTF-8 form of `character`; surrogates and values beyond Unicode give U+FFFD.
void append_utf8(std::string& text, char32_t character);

}
