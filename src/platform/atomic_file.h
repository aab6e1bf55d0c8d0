#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet::platform {

// Replaces the whole content of `path` in one step: the text goes to a temporary file in the same
// directory, which is flushed and then renamed over `path`. A crash or a full disk leaves either
// the old content or the new one, never a torn file.
// Returns an empty string on success, otherwise a message that names the file.
std::string replace_file_contents(const std::filesystem::path& path, std::string_view content);

}
