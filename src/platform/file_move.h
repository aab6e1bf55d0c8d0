#pragma once

#include <filesystem>
#include <string>

namespace quillet::platform {

// Renames `from` to `to` unless a file named `to` exists, which is never replaced. Returns an empty
// string on success, otherwise a message that names the file.
std::string move_file_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to);

}
