#include "app/startup_options.h"

#include "support/temp_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace quillet {
namespace {

StartupOptions read_command_line(const std::vector<std::string>& arguments)
{
    std::vector<const char*> argv{"quillet"};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    return read_startup_options(static_cast<int>(argv.size()) - 1, argv.data());
}

struct OptionsCase {
    std::vector<std::string> arguments; // after the program name
    std::string screenshot_file;
    std::string start_page;
    bool error;
    ScreenshotWindow window = ScreenshotWindow::Main;
};

// Names each case after its command line.
void PrintTo(const OptionsCase& options_case, std::ostream* out)
{
    *out << "quillet";
    for (const std::string& argument : options_case.arguments)
        *out << " [" << argument << "]";
}

class StartupOptionsFromCommandLine : public testing::TestWithParam<OptionsCase> {};

TEST_P(StartupOptionsFromCommandLine, ReadTheScreenshotOptionAndOnePage)
{
    const StartupOptions options = read_command_line(GetParam().arguments);

    EXPECT_EQ(options.screenshot_file.value_or("").string(), GetParam().screenshot_file);
    EXPECT_EQ(options.start_page, GetParam().start_page);
    EXPECT_EQ(!options.error.empty(), GetParam().error) << options.error;
    EXPECT_EQ(options.screenshot_window, GetParam().window);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartupOptionsFromCommandLine,
    testing::Values(OptionsCase{{}, "", "", false},
                    OptionsCase{{"--screenshot", "shot.png"}, "shot.png", "", false},
                    OptionsCase{{"--screenshot=/tmp/a b.png"}, "/tmp/a b.png", "", false},
                    OptionsCase{{"https://example.com/a?b=1"}, "", "https://example.com/a?b=1", false},
                    OptionsCase{{"www.example.com"}, "", "http://www.example.com", false},
                    OptionsCase{{"file:///srv/page%20one.html"}, "", "file:///srv/page%20one.html", false},
                    OptionsCase{{"/srv/missing page.html"}, "", "file:///srv/missing%20page.html", false},
                    OptionsCase{{"example.org", "--screenshot", "s.png"}, "s.png", "http://example.org", false},
                    OptionsCase{{"--", "-odd.example"}, "", "http://-odd.example", false},
                    OptionsCase{{"--screenshot", "s.png", "--screenshot-of", "image-details"}, "s.png", "", false,
                                ScreenshotWindow::ImageDetails},
                    OptionsCase{{"--screenshot-of=main", "--screenshot=s.png"}, "s.png", "", false},
                    OptionsCase{{"--screenshot-of=image-details"}, "", "", true, ScreenshotWindow::ImageDetails},
                    OptionsCase{{"--screenshot=s.png", "--screenshot-of", "images"}, "s.png", "", true},
                    OptionsCase{{"--screenshot"}, "", "", true},
                    OptionsCase{{"--screenshot="}, "", "", true},
                    OptionsCase{{"--screenshots", "x"}, "", "", true},
                    OptionsCase{{"--display=:3"}, "", "", true},
                    OptionsCase{{"-"}, "", "", true},
                    OptionsCase{{" "}, "", "", true},
                    OptionsCase{{"a.example", "b.example"}, "", "http://a.example", true},
                    OptionsCase{{"javascript:alert(document.cookie)"}, "", "javascript:alert(document.cookie)", true},
                    OptionsCase{{" JavaScript:void(0)"}, "", "JavaScript:void(0)", true},
                    OptionsCase{{"--", "javascript:x"}, "", "javascript:x", true},
                    OptionsCase{{"javascript.example/a"}, "", "http://javascript.example/a", false}));

// What the desktop hands over for a file may be a plain name in the current folder.
TEST(StartupOptionsWithAFile, AnExistingFileNamedRelativelyOpensAsThatFile)
{
    test::TempDirectory directory;
    std::ofstream(directory.path() / "saved page.html") << "<p>saved</p>";
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory.path());

    const StartupOptions options = read_command_line({"saved page.html"});

    std::filesystem::current_path(previous);
    EXPECT_EQ(options.start_page, "file://" + (directory.path() / "saved%20page.html").string());
    EXPECT_TRUE(options.error.empty());
}

}
}
