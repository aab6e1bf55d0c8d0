#include "platform/file_move.h"

#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace quillet::platform {
namespace {

TEST(FileMove, MovesToAFreeNameAndNeverReplacesAFile)
{
    const test::TempDirectory folder;
    const auto from = folder.path() / "0.part";
    const auto free_name = folder.path() / "cat.gif";
    const auto taken_name = folder.path() / "dog.gif";
    test::write_file(from, "new");
    test::write_file(taken_name, "the user's");

    EXPECT_EQ(move_file_without_replacing(from, taken_name).outcome, FileMove::Outcome::NameTaken);
    EXPECT_EQ(test::read_file(taken_name), "the user's");
    EXPECT_EQ(test::read_file(from), "new");

    const FileMove move = move_file_without_replacing(from, free_name);
    EXPECT_TRUE(move.moved()) << move.result.failure_text();
    EXPECT_EQ(test::read_file(free_name), "new");
    EXPECT_FALSE(std::filesystem::exists(from));
}

// A link is a taken name, even one pointing nowhere: it is neither followed nor replaced.
TEST(FileMove, NeverFollowsNorReplacesALink)
{
    const test::TempDirectory folder;
    const test::TempDirectory outside;
    const auto from = folder.path() / "0.part";
    test::write_file(from, "new");
    test::write_file(outside.path() / "victim.txt", "the user's");
    std::filesystem::create_symlink(outside.path() / "victim.txt", folder.path() / "a.gif");
    std::filesystem::create_symlink(outside.path() / "created.gif", folder.path() / "b.gif");

    for (const char* name : {"a.gif", "b.gif"}) {
        EXPECT_EQ(move_file_without_replacing(from, folder.path() / name).outcome, FileMove::Outcome::NameTaken) << name;
        EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / name)) << name;
    }
    EXPECT_EQ(test::read_file(outside.path() / "victim.txt"), "the user's");
    EXPECT_FALSE(std::filesystem::exists(outside.path() / "created.gif"));
    EXPECT_EQ(test::read_file(from), "new");
}

TEST(FileMove, SaysWhenTheNameIsTooLong)
{
    const test::TempDirectory folder;
    const auto from = folder.path() / "0.part";
    test::write_file(from, "new");

    const FileMove move = move_file_without_replacing(from, folder.path() / std::string(300, 'n'));

    EXPECT_EQ(move.outcome, FileMove::Outcome::NameTooLong);
    EXPECT_FALSE(move.result.ok());
    EXPECT_EQ(test::read_file(from), "new");
}

}
}
