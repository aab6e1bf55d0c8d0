#include "app/main_window.h"

#include "main_window_test_access.h"
#include "relabelled_program.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/brand_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

TEST(RelabelledProgram, ChangesEveryCaptionWithoutRecompiling)
{
    const test::TempDirectory directory;
    const auto program = test::relabelled_program(
        directory.path(), "ProductName=Inkwell 'CompanyName=Quire and Sons' Comments=https://inkwell.example");
    LoadBrandIdentity(program);

    Form1 window(directory.path());
    EXPECT_EQ(std::string(window.get_title()), "Inkwell by Quire and Sons");
    EXPECT_EQ(test::controls(window).cmdWebsite.caption(), "Visit https://inkwell.example");
    EXPECT_EQ(test::controls(window).menu_bar.item_caption(Menu::View, 3), "https://inkwell.example");
    EXPECT_EQ(about_window_caption(brand_identity()), "About Inkwell");
}

TEST(RelabelledProgram, EmptyLabelsLeaveTheirPartOut)
{
    const test::TempDirectory directory;
    const auto program = test::relabelled_program(directory.path(), "CompanyName= Comments=");
    LoadBrandIdentity(program);

    Form1 window(directory.path());
    EXPECT_EQ(std::string(window.get_title()), brand_identity().ProductTitle + " by ");
    EXPECT_EQ(test::controls(window).cmdWebsite.caption(), "Visit ");
    EXPECT_EQ(test::controls(window).menu_bar.item_caption(Menu::View, 3), "");
}

}
}
