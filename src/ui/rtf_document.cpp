#include "ui/rtf_document.h"

namespace quillet {

bool RtfRun::has_format_of(const RtfRun& other) const
{
    return bold == other.bold && italic == other.italic && underline == other.underline
           && font_size == other.font_size && font_family == other.font_family && color == other.color;
}

std::string RtfDocument::text() const
{
    std::string result;
    for (const RtfRun& run : runs)
        result += run.text;
    return result;
}

}
