#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quillet {

// The window a screenshot run pictures.
enum class ScreenshotWindow { Main, ImageDetails };

// What the command line asks of a start:
// "quillet [--screenshot FILE [--screenshot-of main|image-details]] [ADDRESS-OR-FILE]".
struct StartupOptions {
    // "--screenshot FILE": save a picture of the main window once the first page has loaded, then end.
    std::optional<std::filesystem::path> screenshot_file;
    // "--screenshot-of image-details": picture the Image Details window of that page instead.
    ScreenshotWindow screenshot_window = ScreenshotWindow::Main;
    // The page the "Browser" view starts at instead of the home page: the address given, or the
    // file URI of the local file given. Empty when none was given.
    std::string start_page;
    // Set when the command line cannot be understood.
    std::string error;
};

// Reads the whole command line; GTK gets none of it.
StartupOptions read_startup_options(int argc, const char* const* argv);

}
