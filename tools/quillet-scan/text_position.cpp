#include "text_position.h"

#include <algorithm>

namespace quillet::scan {

namespace {

bool continues_utf8_character(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}

LineColumn LineColumnCounter::at(std::size_t offset)
{
    if (offset < m_offset) {
        m_offset = 0;
        m_position = {};
    }
    const std::size_t end = std::min(offset, m_text.size());
    for (; m_offset < end; ++m_offset) {
        const char c = m_text[m_offset];
        const bool line_break =
            c == '\n' || (c == '\r' && (m_offset + 1 == m_text.size() || m_text[m_offset + 1] != '\n'));
        if (line_break)
            m_position = {m_position.line + 1, 1};
        else if (c != '\r' && !continues_utf8_character(c))
            ++m_position.column;
    }
    return m_position;
}

}
