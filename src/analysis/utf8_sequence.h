#pragma once

#include <cstddef>
#include <string_view>

namespace quillet {

struct Utf8Sequence {
    std::size_t length = 1;
    bool well_formed = false;
};

// The UTF-8 sequence at the start of `bytes`, which begins with a byte of 0x80 or above: a whole
// well-formed character, or else its maximal ill-formed prefix (at least one byte).
Utf8Sequence leading_utf8_sequence(std::string_view bytes);

}
