#include "platform/executable_resource.h"

#include "program_runner.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quillet::platform {
namespace {

class RelabelTest : public ::testing::Test {
protected:
    std::filesystem::path copy_of(const char* program)
    {
        const auto copy = m_directory.path() / "quillet";
        std::filesystem::copy_file(program, copy);
        return copy;
    }

    static test::ProgramResult relabel(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), QUILLET_RELABEL_SCRIPT);
        return test::run_program(arguments);
    }

    // Everything in the temporary directory: the relabel must leave no work files behind.
    std::vector<std::string> directory_entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_directory.path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    test::TempDirectory m_directory;
};

TEST_F(RelabelTest, ChangesGivenKeysKeepsOthersAndTheProgramStillRuns)
{
    const auto program = copy_of(QUILLET_LABELLED_PROGRAM);
    const auto mode_before = std::filesystem::status(program).permissions();

    const auto result = relabel({program.string(), "ProductName=Papyrus Reader", "Comments=", "Edition=Blue"});
    ASSERT_EQ(result.exit_code, 0);

    auto expected = parse_version_strings(test::read_file(QUILLET_VERSION_FILE));
    expected["ProductName"] = "Papyrus Reader";
    expected["Comments"] = "";
    expected["Edition"] = "Blue";
    EXPECT_EQ(read_version_strings(program), expected);
    EXPECT_EQ(std::filesystem::status(program).permissions(), mode_before);
    EXPECT_EQ(directory_entries(), std::vector<std::string>{"quillet"});

    const auto run = test::run_program({program.string()});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.output.find("ProductName=Papyrus Reader\n"), std::string::npos);
    EXPECT_NE(run.output.find("Edition=Blue\n"), std::string::npos);
}

TEST_F(RelabelTest, RelabellingTwiceKeepsOneLinePerKey)
{
    const auto program = copy_of(QUILLET_LABELLED_PROGRAM);
    ASSERT_EQ(relabel({program.string(), "CompanyName=First"}).exit_code, 0);
    ASSERT_EQ(relabel({program.string(), "CompanyName=Second", "CompanyName=Third"}).exit_code, 0);

    const auto section = test::run_program({program.string()}).output;
    EXPECT_NE(section.find("CompanyName=Third\n"), std::string::npos);
    EXPECT_EQ(section.find("CompanyName=First"), std::string::npos);
    EXPECT_EQ(section.find("CompanyName=Second"), std::string::npos);
}

TEST_F(RelabelTest, AddsTheResourceToAProgramWithoutOne)
{
    const auto program = copy_of(QUILLET_PLAIN_PROGRAM);
    ASSERT_EQ(relabel({program.string(), "ProductName=Quillet", "Major=3"}).exit_code, 0);
    EXPECT_EQ(read_version_strings(program), (VersionStrings{{"ProductName", "Quillet"}, {"Major", "3"}}));
    EXPECT_EQ(test::run_program({program.string()}).exit_code, 0);
}

TEST_F(RelabelTest, BadUsageExitsWithTwoAndTouchesNothing)
{
    const auto program = copy_of(QUILLET_LABELLED_PROGRAM);
    const auto original = test::read_file(program);
    const std::vector<std::vector<std::string>> bad = {
        {},
        {program.string()},
        {program.string(), "NoEquals"},
        {program.string(), "=Value"},
        {program.string(), "Bad Key=1"},
        {program.string(), "Comments=two\nlines"},
    };
    for (const auto& arguments : bad) {
        SCOPED_TRACE(arguments.size() > 1 ? arguments[1] : "(too few arguments)");
        EXPECT_EQ(relabel(arguments).exit_code, 2);
    }
    EXPECT_EQ(test::read_file(program), original);
}

TEST_F(RelabelTest, FailureExitsWithOneAndLeavesTheFileAsItWas)
{
    EXPECT_EQ(relabel({(m_directory.path() / "missing").string(), "A=1"}).exit_code, 1);

    const auto not_a_program = m_directory.path() / "notes.txt";
    test::write_file(not_a_program, "just text\n");
    EXPECT_EQ(relabel({not_a_program.string(), "A=1"}).exit_code, 1);
    EXPECT_EQ(test::read_file(not_a_program), "just text\n");
    EXPECT_EQ(directory_entries(), std::vector<std::string>{"notes.txt"});
}

}
}
