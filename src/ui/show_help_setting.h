#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The "showHelp" setting behind the help window's "Show at Startup" box.

// The box state a stored value gives. The value is read as a whole decimal number, blanks around
// it and a sign allowed: 0 unchecks the box, 1 checks it. Anything else (another number, text,
// an empty value) gives nothing, and the box stays as designed.
std::optional<bool> parse_show_help(std::string_view value);

// The stored form of a box state: "1" or "0".
std::string show_help_value(bool checked);

// Start-up opens the help window when the stored value would check the box.
bool should_open_help_at_startup(std::string_view value);

}
