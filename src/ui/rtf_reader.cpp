#include "ui/rtf_reader.h"

#include "analysis/unicode_text.h"
#include "ui/rtf_control_words.h"
#include "ui/rtf_tables.h"
#include "ui/rtf_tokenizer.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quillet {

namespace {

// The help file is written in Windows-1252; its unassigned bytes show as U+FFFD.
char32_t character_of_byte(unsigned char byte)
{
    return windows_1252_character(byte).value_or(kReplacementCharacter);
}

// Deeper groups still show their text but share the format of the last tracked group.
constexpr std::size_t kMaxGroupDepth = 256;
constexpr int kDefaultFontSize = 24; // half-points
constexpr int kMaxFontSize = 3276;

enum class Destination { Document, Skipped, FontTable, ColorTable };

struct CharacterFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font_size = kDefaultFontSize; // half-points
    std::optional<int> font; // none: the document's default font
    int color = 0;
};

struct GroupState {
    CharacterFormat format;
    Destination destination = Destination::Document;
    int fallback_length = 1; // characters that follow each "\uN" for readers without Unicode
};

bool is_on(std::optional<int> parameter)
{
    return parameter.value_or(1) != 0;
}

bool is_shown(char32_t character)
{
    return character == U'\t' || character == U'\n' || (character >= 0x20 && character != 0x7F);
}

bool is_high_surrogate(char32_t character)
{
    return character >= 0xD800 && character <= 0xDBFF;
}

bool is_low_surrogate(char32_t character)
{
    return character >= 0xDC00 && character <= 0xDFFF;
}

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf)
        : m_tokens(rtf)
    {
    }

    RtfDocument read()
    {
        for (RtfToken token = m_tokens.next(); token.kind != RtfToken::Kind::End; token = m_tokens.next()) {
            if (!skip_fallback(token))
                handle(token);
        }
        flush_high_surrogate();
        return std::move(m_document);
    }

private:
    GroupState& group() { return m_groups.back(); }

    // Drops from the token what is left of the fallback after "\uN"; true when nothing of the
    // token remains. A group boundary ends the fallback.
    bool skip_fallback(RtfToken& token)
    {
        if (m_fallback_left == 0)
            return false;
        switch (token.kind) {
        case RtfToken::Kind::GroupStart:
        case RtfToken::Kind::GroupEnd:
        case RtfToken::Kind::End:
            m_fallback_left = 0;
            return false;
        case RtfToken::Kind::Text: {
            const std::size_t skipped = std::min(token.text.size(), m_fallback_left);
            token.text.remove_prefix(skipped);
            m_fallback_left -= skipped;
            return token.text.empty();
        }
        case RtfToken::Kind::ControlWord:
        case RtfToken::Kind::ControlSymbol:
        case RtfToken::Kind::HexByte:
            --m_fallback_left;
            return true;
        }
        return false;
    }

    void handle(const RtfToken& token)
    {
        switch (token.kind) {
        case RtfToken::Kind::GroupStart:
            start_group();
            break;
        case RtfToken::Kind::GroupEnd:
            end_group();
            break;
        case RtfToken::Kind::ControlWord:
            control_word(token.text, token.parameter);
            break;
        case RtfToken::Kind::ControlSymbol:
            control_symbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            emit(character_of_byte(token.byte));
            break;
        case RtfToken::Kind::Text:
            for (const char c : token.text)
                emit(character_of_byte(static_cast<unsigned char>(c)));
            break;
        case RtfToken::Kind::End:
            break;
        }
    }

    void start_group()
    {
        if (m_groups.size() > kMaxGroupDepth)
            ++m_untracked_depth;
        else
            m_groups.push_back(group());
    }

    void end_group()
    {
        if (m_untracked_depth > 0) {
            --m_untracked_depth;
            return;
        }
        if (m_groups.size() == 1)
            return; // a stray "}"
        if (group().destination == Destination::FontTable)
            m_fonts.end_entry();
        m_groups.pop_back();
    }

    void control_word(std::string_view word, std::optional<int> parameter)
    {
        if (word == "bin") {
            m_tokens.skip_bytes(static_cast<std::size_t>(std::max(0, parameter.value_or(0))));
            return;
        }
        if (group().destination == Destination::Skipped)
            return;
        if (word == "u") {
            unicode_character(parameter.value_or(0));
            return;
        }
        if (word == "uc") {
            group().fallback_length = std::max(0, parameter.value_or(1));
            return;
        }
        switch (group().destination) {
        case Destination::Skipped:
            return;
        case Destination::FontTable:
            if (word == "f")
                m_fonts.begin_entry(parameter.value_or(0));
            return;
        case Destination::ColorTable:
            color_component(word, parameter.value_or(0));
            return;
        case Destination::Document:
            break;
        }
        if (is_skipped_destination(word))
            group().destination = Destination::Skipped;
        else if (word == "fonttbl")
            group().destination = Destination::FontTable;
        else if (word == "colortbl")
            group().destination = Destination::ColorTable;
        else if (const auto character = character_of_word(word))
            emit(*character);
        else
            format_word(word, parameter);
    }

    void color_component(std::string_view word, int value)
    {
        if (word == "red")
            m_colors.set(RtfColorTable::Component::Red, value);
        else if (word == "green")
            m_colors.set(RtfColorTable::Component::Green, value);
        else if (word == "blue")
            m_colors.set(RtfColorTable::Component::Blue, value);
    }

    void format_word(std::string_view word, std::optional<int> parameter)
    {
        CharacterFormat& format = group().format;
        if (word == "b")
            format.bold = is_on(parameter);
        else if (word == "i")
            format.italic = is_on(parameter);
        else if (is_underline_word(word))
            format.underline = is_on(parameter);
        else if (word == "ulnone")
            format.underline = false;
        else if (word == "plain")
            format = CharacterFormat{};
        else if (word == "fs")
            format.font_size = std::clamp(parameter.value_or(kDefaultFontSize), 1, kMaxFontSize);
        else if (word == "f")
            format.font = parameter.value_or(0);
        else if (word == "cf")
            format.color = parameter.value_or(0);
        else if (word == "deff")
            m_default_font = parameter.value_or(0);
    }

    void control_symbol(char symbol)
    {
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            emit(static_cast<unsigned char>(symbol));
            break;
        case '~':
            emit(U'\u00A0');
            break;
        case '_':
            emit(U'\u2011');
            break;
        case '\n':
            emit(U'\n');
            break;
        case '*':
            group().destination = Destination::Skipped;
            break;
        default:
            break; // optional hyphens, index marks and broken escapes show nothing
        }
    }

    // "\uN" gives a signed 16-bit number; characters beyond it come as a surrogate pair.
    void unicode_character(int number)
    {
        m_fallback_left = static_cast<std::size_t>(group().fallback_length);
        const long long value = number < 0 ? number + 65536LL : number;
        const char32_t character = value < 0 ? kReplacementCharacter : static_cast<char32_t>(value);
        if (is_high_surrogate(character)) {
            flush_high_surrogate();
            m_high_surrogate = character;
        } else if (is_low_surrogate(character) && m_high_surrogate) {
            const char32_t high = *std::exchange(m_high_surrogate, std::nullopt);
            route(0x10000 + ((high - 0xD800) << 10) + (character - 0xDC00));
        } else {
            emit(character);
        }
    }

    // Sends a character to the current destination after any high surrogate left waiting.
    void emit(char32_t character)
    {
        flush_high_surrogate();
        if (character != 0)
            route(character);
    }

    // A high surrogate without its low half stands for nothing showable.
    void flush_high_surrogate()
    {
        if (m_high_surrogate) {
            m_high_surrogate.reset();
            route(kReplacementCharacter);
        }
    }

    void route(char32_t character)
    {
        switch (group().destination) {
        case Destination::Document:
            if (is_shown(character))
                append_utf8(run_for_current_format().text, character);
            break;
        case Destination::FontTable:
            m_fonts.add(character);
            break;
        case Destination::ColorTable:
            m_colors.add(character);
            break;
        case Destination::Skipped:
            break;
        }
    }

    RtfRun& run_for_current_format()
    {
        const CharacterFormat& format = group().format;
        RtfRun run;
        run.bold = format.bold;
        run.italic = format.italic;
        run.underline = format.underline;
        run.font_size = format.font_size / 2.0;
        run.font_family = m_fonts.family_of(format.font.value_or(m_default_font));
        run.color = m_colors.color_of(format.color);
        if (m_document.runs.empty() || !m_document.runs.back().has_format_of(run))
            m_document.runs.push_back(std::move(run));
        return m_document.runs.back();
    }

    RtfTokenizer m_tokens;
    std::vector<GroupState> m_groups{GroupState{}};
    std::size_t m_untracked_depth = 0;
    std::size_t m_fallback_left = 0;
    std::optional<char32_t> m_high_surrogate;
    int m_default_font = 0;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    RtfDocument m_document;
};

}

RtfDocument read_rtf(std::string_view rtf)
{
    return RtfReader(rtf).read();
}

}
