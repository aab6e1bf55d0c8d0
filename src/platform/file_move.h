#pragma once

#include "platform/result.h"

#include <filesystem>

namespace quillet::platform {

// Renames `from` to `to` unless a file named `to` exists, which is never replaced. A failure's text
// names the file.
Result move_file_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to);

}
