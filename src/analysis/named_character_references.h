#pragma once

#include <span>
#include <string_view>

namespace quillet {

// A named character reference of HTML without its "&" ("amp;", "eacute", ...) and the UTF-8 text
// it stands for. The few legacy names that may stand without ";" are listed both ways.
struct NamedCharacterReference {
    std::string_view name;
    std::string_view text;
};

// Every named reference HTML knows, sorted by name (byte order).
std::span<const NamedCharacterReference> named_character_references();

}
