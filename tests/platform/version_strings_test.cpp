#include "platform/executable_resource.h"

#include "program_runner.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace quillet::platform {
namespace {

struct ParseCase {
    const char* name;
    std::string_view text;
    VersionStrings expected;
};

TEST(VersionStrings, ParsesKeyValueLines)
{
    const std::vector<ParseCase> cases = {
        {"empty", "", {}},
        {"one line without newline", "ProductName=Quillet", {{"ProductName", "Quillet"}}},
        {"LF lines", "A=1\nB=2\n", {{"A", "1"}, {"B", "2"}}},
        {"CR LF lines", "A=1\r\nB=2\r\n", {{"A", "1"}, {"B", "2"}}},
        {"empty value is kept", "Comments=\n", {{"Comments", ""}}},
        {"value holding '=' and spaces", "Comments=a = b\n", {{"Comments", "a = b"}}},
        {"line without '=' is skipped", "junk\nA=1\n", {{"A", "1"}}},
        {"empty key is skipped", "=x\nA=1\n", {{"A", "1"}}},
        {"blank lines are skipped", "\n\r\nA=1\n\n", {{"A", "1"}}},
        {"a repeated key keeps its last value", "A=1\nA=2\n", {{"A", "2"}}},
    };
    for (const auto& test_case : cases) {
        SCOPED_TRACE(test_case.name);
        EXPECT_EQ(parse_version_strings(test_case.text), test_case.expected);
    }
}

TEST(VersionStrings, BuiltProgramCarriesTheVersionFile)
{
    const auto strings = read_version_strings(QUILLET_LABELLED_PROGRAM);
    ASSERT_TRUE(strings);
    EXPECT_EQ(*strings, parse_version_strings(test::read_file(QUILLET_VERSION_FILE)));
    EXPECT_EQ(strings->at("ProductName"), "Quillet");
    EXPECT_FALSE(strings->contains("NoSuchKey"));
    EXPECT_EQ(read_version_strings(QUILLET_PLAIN_PROGRAM), std::nullopt);
}

TEST(VersionStrings, RunningProgramReadsItsOwnFile)
{
    const auto labelled = test::run_program({QUILLET_LABELLED_PROGRAM});
    EXPECT_EQ(labelled.exit_code, 0);
    EXPECT_NE(labelled.output.find("ProductName=Quillet\n"), std::string::npos);
    EXPECT_EQ(test::run_program({QUILLET_PLAIN_PROGRAM}).exit_code, 3);
}

TEST(ProgramLocation, IsTheDirectoryOfThisExecutable)
{
    const auto executable = running_executable();
    EXPECT_TRUE(executable.is_absolute());
    EXPECT_TRUE(std::filesystem::is_regular_file(executable));
    EXPECT_EQ(executable.filename(), "platform_base_tests");
    EXPECT_EQ(program_directory(), executable.parent_path());
}

}
}
