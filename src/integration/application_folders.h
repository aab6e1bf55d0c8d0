#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace quillet {

// The system's application folders, whose desktop entries every user of the machine sees:
// "applications" in each absolute folder of `xdg_data_dirs` (colon-separated; null or empty means
// "/usr/local/share:/usr/share"), then /usr/local/share/applications; each once, in that order.
std::vector<std::filesystem::path> system_application_folders(const char* xdg_data_dirs);

// The same for this process's $XDG_DATA_DIRS.
std::vector<std::filesystem::path> system_application_folders();

// Writes `text` as `file_name`, readable by everyone, into the first of `folders` that takes it;
// a missing folder is made when the folder above it exists. Returns the file written, or nothing
// when no folder took it.
std::optional<std::filesystem::path> install_application_file(const std::vector<std::filesystem::path>& folders,
                                                              std::string_view file_name, std::string_view text);

// Deletes `file_name` from every one of `folders`, so that no copy left elsewhere takes its place.
void remove_application_file(const std::vector<std::filesystem::path>& folders, std::string_view file_name);

}
