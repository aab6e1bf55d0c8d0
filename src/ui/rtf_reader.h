#pragma once

#include "ui/rtf_document.h"

#include <string_view>

namespace quillet {

// Reads the rich text a help file uses: groups, paragraph and line breaks, tabs, bold, italic,
// underline, font size, fonts and colours from their tables, "\'hh" bytes (Windows-1252),
// "\uN" characters with their fallback skipped, and escaped braces and backslashes. Destinations
// it cannot show (document information, style sheets, pictures, "\*" groups) are skipped.
// Any input gives a document: broken or truncated text yields what could be read.
RtfDocument read_rtf(std::string_view rtf);

}
