#include "platform/file_move.h"

#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace quillet::platform {
namespace {

TEST(FileMove, MovesToAFreeNameAndNeverReplacesAFile)
{
    const test::TempDirectory folder;
    const auto from = folder.path() / ".cat.gif.part";
    const auto free_name = folder.path() / "cat.gif";
    const auto taken_name = folder.path() / "dog.gif";
    test::write_file(from, "new");
    test::write_file(taken_name, "the user's");

    EXPECT_FALSE(move_file_without_replacing(from, taken_name).ok());
    EXPECT_EQ(test::read_file(taken_name), "the user's");
    EXPECT_EQ(test::read_file(from), "new");

    EXPECT_TRUE(move_file_without_replacing(from, free_name).ok());
    EXPECT_EQ(test::read_file(free_name), "new");
    EXPECT_FALSE(std::filesystem::exists(from));
}

}
}
