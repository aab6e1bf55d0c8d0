#include "reference_output.h"

#include "analysis/utf8_sequence.h"
#include "platform/large_buffers.h"

#include <array>
#include <cstdio>
#include <vector>

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

void append_json_list(std::string& out, const ReferenceList& list, std::string_view element, std::string_view page_text,
                      const LineColumn* positions)
{
    out += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Reference& reference = list[i];
        out += i == 0 ? "{\"url\": " : ", {\"url\": ";
        append_json_string(out, reference.url);
        out += ", \"fileName\": ";
        append_json_string(out, reference.file_name);
        append_json_place(out, positions[i], element, page_text, reference.place);
        out += '}';
    }
    out += ']';
}

void add_tag_starts(std::vector<std::size_t>& offsets, const ReferenceList& list)
{
    for (const Reference& reference : list)
        offsets.push_back(reference.place.tag_start);
}

// About what the listing of `list` takes, so that a long one is not copied while it grows.
std::size_t json_size_estimate(const ReferenceList& list)
{
    constexpr std::size_t kFieldNamesAndNumbers = 96;
    std::size_t size = 0;
    for (const Reference& reference : list)
        size += kFieldNamesAndNumbers + reference.url.size() + reference.file_name.size() + reference.place.value_size;
    return size;
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

void append_json_place(std::string& out, const LineColumn& tag_start, std::string_view element,
                       std::string_view page_text, const ReferencePlace& place)
{
    out += ", \"line\": ";
    out += std::to_string(tag_start.line);
    out += ", \"column\": ";
    out += std::to_string(tag_start.column);
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
    std::vector<std::size_t> tag_starts;
    tag_starts.reserve(references.image_tags.size() + references.image_links.size());
    add_tag_starts(tag_starts, references.image_tags);
    add_tag_starts(tag_starts, references.image_links);
    const std::vector<LineColumn> positions = line_columns(page_text, tag_starts);

    std::string out = platform::large_buffer(json_size_estimate(references.image_tags) +
                                             json_size_estimate(references.image_links));
    out += "{\"imageTags\": ";
    append_json_list(out, references.image_tags, "img", page_text, positions.data());
    out += ", \"imageLinks\": ";
    append_json_list(out, references.image_links, "a", page_text, positions.data() + references.image_tags.size());
    out += "}\n";
    return out;
}

}
