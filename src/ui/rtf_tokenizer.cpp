#include "ui/rtf_tokenizer.h"

#include "analysis/ascii_text.h"

#include <algorithm>

namespace quillet {

namespace {

constexpr int kParameterLimit = 1'000'000'000;

}

RtfTokenizer::RtfTokenizer(std::string_view input)
    : m_input(input)
{
}

void RtfTokenizer::skip_bytes(std::size_t count)
{
    m_position += std::min(count, m_input.size() - m_position);
}

RtfToken RtfTokenizer::next()
{
    while (m_position < m_input.size() && is_line_break(m_input[m_position]))
        ++m_position;
    if (m_position == m_input.size())
        return {};

    switch (m_input[m_position]) {
    case '{':
        ++m_position;
        return {.kind = RtfToken::Kind::GroupStart};
    case '}':
        ++m_position;
        return {.kind = RtfToken::Kind::GroupEnd};
    case '\\':
        ++m_position;
        return control();
    default:
        break;
    }
    const std::size_t start = m_position;
    m_position = std::min(m_input.find_first_of("{}\\\r\n", start), m_input.size());
    return {.kind = RtfToken::Kind::Text, .text = m_input.substr(start, m_position - start)};
}

RtfToken RtfTokenizer::control()
{
    if (m_position == m_input.size())
        return {};
    const char c = m_input[m_position];
    if (is_ascii_letter(c))
        return control_word();
    ++m_position;
    if (c == '\'')
        return hex_byte();
    return {.kind = RtfToken::Kind::ControlSymbol, .symbol = is_line_break(c) ? '\n' : c};
}

RtfToken RtfTokenizer::control_word()
{
    const std::size_t start = m_position;
    while (m_position < m_input.size() && is_ascii_letter(m_input[m_position]))
        ++m_position;
    RtfToken token{.kind = RtfToken::Kind::ControlWord, .text = m_input.substr(start, m_position - start)};
    token.parameter = parameter();
    if (m_position < m_input.size() && m_input[m_position] == ' ')
        ++m_position;
    return token;
}

std::optional<int> RtfTokenizer::parameter()
{
    const bool negative = m_position + 1 < m_input.size() && m_input[m_position] == '-'
                          && is_ascii_digit(m_input[m_position + 1]);
    if (negative)
        ++m_position;
    if (m_position == m_input.size() || !is_ascii_digit(m_input[m_position]))
        return std::nullopt;
    long long value = 0;
    for (; m_position < m_input.size() && is_ascii_digit(m_input[m_position]); ++m_position)
        value = std::min<long long>(kParameterLimit, value * 10 + (m_input[m_position] - '0'));
    return static_cast<int>(negative ? -value : value);
}

RtfToken RtfTokenizer::hex_byte()
{
    const RtfToken broken{.kind = RtfToken::Kind::ControlSymbol, .symbol = '\''};
    if (m_position + 1 >= m_input.size())
        return broken;
    const auto high = hex_digit_value(m_input[m_position]);
    const auto low = hex_digit_value(m_input[m_position + 1]);
    if (!high || !low)
        return broken;
    m_position += 2;
    return {.kind = RtfToken::Kind::HexByte, .byte = static_cast<unsigned char>(*high * 16 + *low)};
}

}
