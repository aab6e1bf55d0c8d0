#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quillet {

struct RtfToken {
    enum class Kind {
        GroupStart,    // "{"
        GroupEnd,      // "}"
        ControlWord,   // "\word" with an optional numeric parameter
        ControlSymbol, // "\" and one other character; a line break after "\" gives '\n'
        HexByte,       // "\'hh"
        Text,          // plain characters, never braces, backslashes or line breaks
        End,
    };

    Kind kind = Kind::End;
    std::string_view text{}; // the word of a ControlWord, the characters of Text
    std::optional<int> parameter{};
    char symbol = 0;
    unsigned char byte = 0;
};

// Splits rich text into tokens. Malformed input never fails: a stray "\" at the end is dropped, a
// "\'" without two hex digits gives the control symbol "'", and parameters saturate.
class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view input);

    RtfToken next();
    // Passes over the raw data of "\binN".
    void skip_bytes(std::size_t count);

private:
    RtfToken control();
    RtfToken control_word();
    RtfToken hex_byte();
    std::optional<int> parameter();

    std::string_view m_input;
    std::size_t m_position = 0;
};

}
