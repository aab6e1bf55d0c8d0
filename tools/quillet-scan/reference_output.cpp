#include "reference_output.h"

#include "analysis/utf8_sequence.h"

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
        out += i == 0 ? "{\"url\": " : ", {\"url\": ";
        append_json_string(out, reference.url);
        out += ", \"fileName\": ";
        append_json_string(out, reference.file_name);
        append_json_place(out, positions, element, page_text, reference.place);
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

void append_json_place(std::string& out, LineColumnCounter& positions, std::string_view element,
                       std::string_view page_text, const ReferencePlace& place)
{
    const LineColumn tag_start = positions.at(place.tag_start);
    out += ", \"line\": " + std::to_string(tag_start.line);
    out += ", \"column\": " + std::to_string(tag_start.column);
    out += ", \"element\": ";
    append_json_string(out, element);
    out += ", \"written\": ";
    append_json_string(out, written_value(page_text, place));
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
