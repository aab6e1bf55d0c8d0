#pragma once

#include <string>

namespace quillet {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// The character a Windows-1252 byte stands for; the five unassigned bytes give U+FFFD.
char32_t windows_1252_character(unsigned char byte);

// Appends the UTF-8 form of `character`; surrogates and values beyond Unicode give U+FFFD.
void append_utf8(std::string& text, char32_t character);

}
