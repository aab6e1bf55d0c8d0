#include "app/main_window.h"

#include "app_test_files.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/brand_texts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace quillet {
namespace {

std::filesystem::path relabelled_program(const test::TempDirectory& directory, const std::string& labels)
{
    const std::filesystem::path program = test::copy_built_program(directory.path());
    const std::string command = "'" QUILLET_RELABEL_SCRIPT "' '" + program.string() + "' " + labels;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return program;
}

TEST(RelabelledProgram, ChangesEveryCaptionWithoutRecompiling)
{
    const test::TempDirectory directory;
    const auto program = relabelled_program(
        directory, "ProductName=Inkwell 'CompanyName=Quire and Sons' Comments=https://inkwell.example");
    LoadBrandIdentity(program);

    Form1 window(directory.path());
    EXPECT_EQ(std::string(window.get_title()), "Inkwell by Quire and Sons");
    EXPECT_EQ(window.cmdWebsite.caption(), "Visit https://inkwell.example");
    EXPECT_EQ(window.menu_bar.item_caption(Menu::View, 3), "https://inkwell.example");
    EXPECT_EQ(about_window_caption(brand_identity()), "About Inkwell");
}

TEST(RelabelledProgram, EmptyLabelsLeaveTheirPartOut)
{
    const test::TempDirectory directory;
    const auto program = relabelled_program(directory, "CompanyName= Comments=");
    LoadBrandIdentity(program);

    Form1 window(directory.path());
    EXPECT_EQ(std::string(window.get_title()), brand_identity().ProductTitle + " by ");
    EXPECT_EQ(window.cmdWebsite.caption(), "Visit ");
    EXPECT_EQ(window.menu_bar.item_caption(Menu::View, 3), "");
}

}
}
