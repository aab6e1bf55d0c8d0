#include "analysis/utf8_sequence.h"

namespace quillet {

namespace {

bool in_range(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

}

Utf8Sequence leading_utf8_sequence(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    unsigned char second_low = 0x80;
    unsigned char second_high = 0xBF;
    if (in_range(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (in_range(lead, 0xE0, 0xEF)) {
        length = 3;
        second_low = lead == 0xE0 ? 0xA0 : 0x80;
        second_high = lead == 0xED ? 0x9F : 0xBF;
    } else if (in_range(lead, 0xF0, 0xF4)) {
        length = 4;
        second_low = lead == 0xF0 ? 0x90 : 0x80;
        second_high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    std::size_t valid = 1;
    for (; valid < length && valid < bytes.size(); ++valid) {
        const auto byte = static_cast<unsigned char>(bytes[valid]);
        const bool fits = valid == 1 ? in_range(byte, second_low, second_high) : in_range(byte, 0x80, 0xBF);
        if (!fits)
            break;
    }
    return {valid, valid == length};
}

}
