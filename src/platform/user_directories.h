#pragma once

#include <filesystem>

namespace quillet::platform {

// The user's XDG configuration directory ($XDG_CONFIG_HOME or ~/.config).
std::filesystem::path user_config_directory();

// The user's XDG data directory ($XDG_DATA_HOME or ~/.local/share): where the program keeps its
// files when its own directory cannot hold them.
std::filesystem::path user_data_directory();

}
