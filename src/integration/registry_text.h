#pragma once

#include "integration/registry_keys.h"

#include <string>
#include <string_view>

namespace quillet {

// The text form of one registry root: a "[key path]" line opens each key, a "name=data" line
// follows for each of its values (an empty name is the default value), "#" starts a comment.
// In names and data, "%", "=", "[", "#" and control characters are written as "%XX".
std::string registry_text(const RegistryKeys& keys);

// Reads what it can: lines it does not understand and values under an invalid key are skipped.
RegistryKeys parse_registry_text(std::string_view text);

}
