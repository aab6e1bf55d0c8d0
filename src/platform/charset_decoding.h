#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet::platform {

// `bytes`, text in `charset` (a name such as "iso-8859-1" or "Shift_JIS"), as UTF-8. A byte
// sequence that the charset does not allow becomes U+FFFD and the rest is still decoded. Nothing
// when no converter knows `charset`. UTF-8 text is given back byte for byte.
std::optional<std::string> decode_to_utf8(std::string_view bytes, const std::string& charset);

}
