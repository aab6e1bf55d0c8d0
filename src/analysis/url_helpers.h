#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The address one directory level above `address`, by plain text rules.
std::string ParentUrl(std::string_view address);

// The last path segment of `reference`, cleaned of stray quotes and " border=".
std::string UrlFileName(std::string_view reference);

// `text` with each "%" and two hex digits turned into its byte; any other "%" stands for itself.
std::string percent_decoded(std::string_view text);

}
