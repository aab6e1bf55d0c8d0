#include "app/startup_options.h"

#include "analysis/ascii_text.h"
#include "analysis/url_scheme.h"
#include "platform/typed_address.h"

#include <string_view>
#include <system_error>

namespace quillet {

namespace {

constexpr std::string_view kScreenshotOption = "--screenshot";
constexpr std::string_view kScreenshotOfOption = "--screenshot-of";
constexpr std::string_view kUsage = "usage: quillet [--screenshot FILE [--screenshot-of main|image-details]] [--] [ADDRESS-OR-FILE]";

// The value of `option`, from "OPTION VALUE" (taking the next argument) or "OPTION=VALUE";
// std::nullopt when `argument` is something else.
std::optional<std::string_view> option_value(std::string_view option, int& index, int argc, const char* const* argv)
{
    const std::string_view argument = argv[index];
    if (argument == option)
        return index + 1 < argc ? std::string_view(argv[++index]) : std::string_view();
    if (argument.starts_with(option) && argument.substr(option.size()).starts_with('='))
        return argument.substr(option.size() + 1);
    return std::nullopt;
}

std::optional<ScreenshotWindow> screenshot_window_named(std::string_view name)
{
    if (name == "main")
        return ScreenshotWindow::Main;
    if (name == "image-details")
        return ScreenshotWindow::ImageDetails;
    return std::nullopt;
}

// A file that exists opens as that file, even when named relative to the current folder; anything
// else is taken as an address typed into the address box.
std::string start_page_from(std::string_view argument)
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::path(argument), error))
        return platform::uri_from_file_path(std::filesystem::path(argument));
    return platform::uri_from_typed_address(argument);
}

// Whatever another program hands over is opened as a page; a script address would run in the
// "Browser" view with the page's rights.
bool is_script(std::string_view start_page)
{
    return equals_ignoring_case(leading_scheme_name(start_page), "javascript");
}

}

StartupOptions read_startup_options(int argc, const char* const* argv)
{
    StartupOptions options;
    bool options_ended = false;
    for (int index = 1; index < argc && options.error.empty(); ++index) {
        const std::string_view argument = argv[index];
        if (options_ended || !argument.starts_with('-')) {
            if (!options.start_page.empty())
                options.error = "only one address or file can be opened at start";
            else if ((options.start_page = start_page_from(argument)).empty())
                options.error = "no page to open in '" + std::string(argument) + "'";
            else if (is_script(options.start_page))
                options.error = "a script address cannot be opened: '" + std::string(argument) + "'";
        } else if (argument == "--") {
            options_ended = true;
        } else if (const std::optional<std::string_view> screenshot =
                       option_value(kScreenshotOption, index, argc, argv)) {
            if (screenshot->empty())
                options.error = "--screenshot needs the name of the PNG file to write";
            else
                options.screenshot_file = std::filesystem::path(*screenshot);
        } else if (const std::optional<std::string_view> window = option_value(kScreenshotOfOption, index, argc, argv)) {
            if (const std::optional<ScreenshotWindow> named = screenshot_window_named(*window))
                options.screenshot_window = *named;
            else
                options.error = "--screenshot-of takes main or image-details, not '" + std::string(*window) + "'";
        } else {
            options.error = "unknown option " + std::string(argument);
        }
    }
    if (options.error.empty() && options.screenshot_window != ScreenshotWindow::Main && !options.screenshot_file)
        options.error = "--screenshot-of needs --screenshot FILE";
    if (!options.error.empty())
        options.error += "\n" + std::string(kUsage);
    return options;
}

}
