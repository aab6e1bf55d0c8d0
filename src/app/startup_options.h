#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quillet {

// The program's own command-line options; GTK must never see them.
struct StartupOptions {
    // "--screenshot FILE": save a picture of the main window once the home page has loaded, then end.
    std::optional<std::filesystem::path> screenshot_file;
    // Set when the options cannot be understood.
    std::string error;
};

// Takes the program's own options out of argv, leaving the rest (for GTK) in order.
StartupOptions take_startup_options(int& argc, char** argv);

}
