#include "relabelled_program.h"

#include "app_test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillet::test {

std::filesystem::path relabelled_program(const std::filesystem::path& directory, const std::string& labels)
{
    const std::filesystem::path program = copy_built_program(directory);
    const std::string command = "'" QUILLET_RELABEL_SCRIPT "' '" + program.string() + "' " + labels;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return program;
}

}
