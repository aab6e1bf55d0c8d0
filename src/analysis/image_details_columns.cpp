#include "analysis/ascii_text.h"
#include "analysis/image_details.h"

#include <algorithm>
#include <tuple>

namespace quillet {

namespace {

constexpr ImageNote kNotes[] = {NoAlternateText, ShownSmall, NoSizeAttributes, LazyPlaceholder, FailedToLoad};

// "1,234,567".
std::string grouped_digits(std::uint64_t number)
{
    std::string digits = std::to_string(number);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string dimensions(unsigned width, unsigned height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

std::string loaded_text(const ImageDetailsRow& row)
{
    if (!row.load)
        return "no";
    const bool failed = row.load->failed || row.load->http_status >= 400;
    std::string text = failed ? "failed" : "yes";
    if (row.load->http_status > 0)
        text += " (" + std::to_string(row.load->http_status) + ")";
    return text;
}

std::string notes_text(const ImageDetailsRow& row)
{
    std::vector<std::string> notes;
    for (const ImageNote note : kNotes) {
        if (!(row.notes & note))
            continue;
        std::string text(image_note_label(note));
        if (note == ShownSmall && row.bytes_saved > 0)
            text += " (would save about " + grouped_digits(row.bytes_saved) + " bytes)";
        notes.push_back(std::move(text));
    }
    return joined(notes);
}

std::uint64_t area(unsigned width, unsigned height)
{
    return std::uint64_t{width} * height;
}

template <typename T>
int three_way(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compare_by_column(const ImageDetailsRow& a, const ImageDetailsRow& b, ImageColumn column)
{
    switch (column) {
    case ImageColumn::Size:
        return three_way(a.load ? a.load->bytes : 0, b.load ? b.load->bytes : 0);
    case ImageColumn::NaturalSize:
        return three_way(std::tuple(area(a.natural_width, a.natural_height), a.natural_width),
                         std::tuple(area(b.natural_width, b.natural_height), b.natural_width));
    case ImageColumn::ShownAt:
        return three_way(std::tuple(area(a.shown_width, a.shown_height), a.shown_width),
                         std::tuple(area(b.shown_width, b.shown_height), b.shown_width));
    case ImageColumn::Loaded:
        return three_way(std::tuple(loaded_text(a), a.load ? a.load->http_status : 0),
                         std::tuple(loaded_text(b), b.load ? b.load->http_status : 0));
    case ImageColumn::Address:
    case ImageColumn::Source:
    case ImageColumn::Origin:
    case ImageColumn::Type:
    case ImageColumn::AlternateText:
    case ImageColumn::Notes:
        return three_way(to_lower_ascii(image_column_text(a, column)), to_lower_ascii(image_column_text(b, column)));
    }
    return 0;
}

std::string one_line(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || is_line_break(c); }, ' ');
    return text;
}

}

std::string_view image_column_title(ImageColumn column)
{
    switch (column) {
    case ImageColumn::Address:
        return "Address";
    case ImageColumn::Source:
        return "Source";
    case ImageColumn::Origin:
        return "Served or added";
    case ImageColumn::Loaded:
        return "Loaded";
    case ImageColumn::Type:
        return "Type";
    case ImageColumn::Size:
        return "Size";
    case ImageColumn::NaturalSize:
        return "Natural size";
    case ImageColumn::ShownAt:
        return "Shown at";
    case ImageColumn::AlternateText:
        return "Alternate text";
    case ImageColumn::Notes:
        return "Notes";
    }
    return "";
}

std::string_view image_note_label(ImageNote note)
{
    switch (note) {
    case NoAlternateText:
        return "no alternate text";
    case ShownSmall:
        return "shown at less than half its natural width";
    case NoSizeAttributes:
        return "no width and height attributes";
    case LazyPlaceholder:
        return "placeholder for a lazy source";
    case FailedToLoad:
        return "failed to load";
    }
    return "";
}

std::string image_column_text(const ImageDetailsRow& row, ImageColumn column)
{
    switch (column) {
    case ImageColumn::Address:
        return row.address;
    case ImageColumn::Source:
        return joined(row.sources);
    case ImageColumn::Origin:
        return row.origin == ImageOrigin::Served ? "served" : (row.origin == ImageOrigin::Added ? "added" : "neither");
    case ImageColumn::Loaded:
        return loaded_text(row);
    case ImageColumn::Type:
        return row.type;
    case ImageColumn::Size:
        return row.load && row.load->bytes > 0 ? grouped_digits(row.load->bytes) : "";
    case ImageColumn::NaturalSize:
        return row.natural_width > 0 ? dimensions(row.natural_width, row.natural_height) : "";
    case ImageColumn::ShownAt:
        return row.shown_width > 0 ? dimensions(row.shown_width, row.shown_height) : "not shown";
    case ImageColumn::AlternateText:
        return row.alt.value_or("");
    case ImageColumn::Notes:
        return notes_text(row);
    }
    return "";
}

int compare_image_rows(const ImageDetailsRow& a, const ImageDetailsRow& b, ImageColumn column)
{
    const int order = compare_by_column(a, b, column);
    return order != 0 ? order : a.address.compare(b.address);
}

bool image_row_matches(const ImageDetailsRow& row, std::string_view text, unsigned notes)
{
    if ((row.notes & notes) != notes)
        return false;
    return text.empty() || contains_ignoring_case(row.address, text) || contains_ignoring_case(notes_text(row), text);
}

std::string image_rows_text(const std::vector<const ImageDetailsRow*>& rows)
{
    std::string text;
    for (const ImageColumn column : kImageColumns)
        text += std::string(column == kImageColumns[0] ? "" : "\t") + std::string(image_column_title(column));
    text += "\n";
    for (const ImageDetailsRow* row : rows) {
        for (const ImageColumn column : kImageColumns)
            text += (column == kImageColumns[0] ? "" : "\t") + one_line(image_column_text(*row, column));
        text += "\n";
    }
    return text;
}

}
