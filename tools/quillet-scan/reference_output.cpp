#include "reference_output.h"

#include "text_position.h"

#include <array>
#include <cstdio>

namespace quillet::scan {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

std::string hex_escape(std::string_view prefix, unsigned char byte, int digits)
{
    std::array<char, 8> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%0*X", digits, byte);
    return std::string(prefix) + buffer.data();
}

void append_line_field(std::string& out, std::string_view field)
{
    for (const char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (byte < 0x20 || byte == 0x7F)
            out += hex_escape("\\x", byte, 2);
        else
            out += c;
    }
}

void append_lines(std::string& out, std::string_view kind, const ReferenceList& list)
{
    for (const Reference& reference : list) {
        out += kind;
        out += '\t';
        append_line_field(out, reference.url);
        out += '\t';
        append_line_field(out, reference.file_name);
        out += '\n';
    }
}

// The attribute value as the page text holds it; nothing for a place outside the text.
std::string_view written_value(std::string_view page_text, const ReferencePlace& place)
{
    if (place.value_start > page_text.size())
        return {};
    return page_text.substr(place.value_start, place.value_size);
}

void append_json_list(std::string& out, const ReferenceList& list, std::string_view element, std::string_view page_text)
{
    LineColumnCounter positions(page_text);
    out += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Reference& reference = list[i];
        const LineColumn tag_start = positions.at(reference.place.tag_start);
        out += i == 0 ? "{\"url\": " : ", {\"url\": ";
        append_json_string(out, reference.url);
        out += ", \"fileName\": ";
        append_json_string(out, reference.file_name);
        out += ", \"line\": " + std::to_string(tag_start.line);
        out += ", \"column\": " + std::to_string(tag_start.column);
        out += ", \"element\": ";
        append_json_string(out, element);
        out += ", \"written\": ";
        append_json_string(out, written_value(page_text, reference.place));
        out += '}';
    }
    out += ']';
}

void append_json_ascii(std::string& out, char c)
{
    switch (c) {
    case '"':
        out += "\\\"";
        break;
    case '\\':
        out += "\\\\";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        if (static_cast<unsigned char>(c) < 0x20)
            out += hex_escape("\\u", static_cast<unsigned char>(c), 4);
        else
            out += c;
    }
}

bool in_range(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

struct Utf8Sequence {
    std::size_t length = 1;
    bool well_formed = false;
};

// The UTF-8 sequence at the start of `bytes`, which begins with a byte of 0x80 or above: a whole
// well-formed character, or else its maximal ill-formed prefix (at least one byte).
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

void append_json_string(std::string& out, std::string_view bytes)
{
    out += '"';
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes[0]) < 0x80) {
            append_json_ascii(out, bytes[0]);
            bytes.remove_prefix(1);
            continue;
        }
        const Utf8Sequence sequence = leading_utf8_sequence(bytes);
        if (sequence.well_formed)
            out.append(bytes.substr(0, sequence.length));
        else
            out += kReplacementCharacter;
        bytes.remove_prefix(sequence.length);
    }
    out += '"';
}

std::string references_as_lines(const PageReferences& references)
{
    std::string out;
    append_lines(out, "img", references.image_tags);
    append_lines(out, "link", references.image_links);
    return out;
}

std::string references_as_json(const PageReferences& references, std::string_view page_text)
{
    std::string out = "{\"imageTags\": ";
    append_json_list(out, references.image_tags, "img", page_text);
    out += ", \"imageLinks\": ";
    append_json_list(out, references.image_links, "a", page_text);
    out += "}\n";
    return out;
}

}
