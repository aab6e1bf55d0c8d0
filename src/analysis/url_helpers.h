#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The address one directory level above `address`, by plain text rules, within the path: its
// query ("?" and after) and fragment ("#" and after) are no part of it.
std::string ParentUrl(std::string_view address);

// `address` without its query and fragment: the part before its first "?" or "#".
std::string_view without_query_and_fragment(std::string_view address);

// The last path segment of `reference`, cleaned of stray quotes and " border=".
std::string UrlFileName(std::string_view reference);

// `text` with each "%" and two hex digits turned into its byte; any other "%" stands for itself.
std::string percent_decoded(std::string_view text);
// Appends `byte` as "%" and two upper-case hex digits, the form percent_decoded reads back.
void append_percent_encoded(std::string& text, unsigned char byte);

}
