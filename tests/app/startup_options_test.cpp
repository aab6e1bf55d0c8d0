#include "app/startup_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

struct OptionsCase {
    std::vector<std::string> arguments; // after the program name
    std::vector<std::string> left_for_gtk;
    std::string screenshot_file;
    bool error;
};

class StartupOptionsFromCommandLine : public testing::TestWithParam<OptionsCase> {};

TEST_P(StartupOptionsFromCommandLine, TakeOutOnlyTheProgramsOwnOptions)
{
    std::vector<std::string> storage{"quillet"};
    storage.insert(storage.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(storage.size());

    const StartupOptions options = take_startup_options(argc, argv.data());

    std::vector<std::string> left;
    for (int i = 1; i < argc; ++i)
        left.emplace_back(argv[i]);
    EXPECT_EQ(left, GetParam().left_for_gtk);
    EXPECT_EQ(argv[argc], nullptr);
    EXPECT_EQ(options.screenshot_file.value_or("").string(), GetParam().screenshot_file);
    EXPECT_EQ(!options.error.empty(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartupOptionsFromCommandLine,
    testing::Values(OptionsCase{{}, {}, "", false},
                    OptionsCase{{"--screenshot", "shot.png"}, {}, "shot.png", false},
                    OptionsCase{{"--screenshot=/tmp/a b.png"}, {}, "/tmp/a b.png", false},
                    OptionsCase{{"--display=:3", "--screenshot", "s.png", "--gtk-debug=x"},
                                {"--display=:3", "--gtk-debug=x"}, "s.png", false},
                    OptionsCase{{"--screenshot"}, {}, "", true},
                    OptionsCase{{"--screenshot="}, {}, "", true},
                    OptionsCase{{"--screenshots", "x"}, {"--screenshots", "x"}, "", false}));

}
}
