#include "app/startup_options.h"

#include <string_view>

namespace quillet {

namespace {

constexpr std::string_view kScreenshotOption = "--screenshot";

// The option's value, from "--screenshot FILE" (taking the next argument) or "--screenshot=FILE";
// std::nullopt when `argument` is another option.
std::optional<std::string_view> screenshot_value(int& index, int argc, char** argv)
{
    const std::string_view argument = argv[index];
    if (argument == kScreenshotOption)
        return index + 1 < argc ? std::string_view(argv[++index]) : std::string_view();
    if (argument.starts_with(kScreenshotOption) && argument.substr(kScreenshotOption.size()).starts_with('='))
        return argument.substr(kScreenshotOption.size() + 1);
    return std::nullopt;
}

}

StartupOptions take_startup_options(int& argc, char** argv)
{
    StartupOptions options;
    int kept = 1;
    for (int index = 1; index < argc; ++index) {
        const std::optional<std::string_view> screenshot = screenshot_value(index, argc, argv);
        if (!screenshot)
            argv[kept++] = argv[index];
        else if (screenshot->empty())
            options.error = "--screenshot needs the name of the PNG file to write";
        else
            options.screenshot_file = std::filesystem::path(*screenshot);
    }
    argc = kept;
    argv[argc] = nullptr;
    return options;
}

}
