#include "ui/brand_identity.h"

#include "platform/executable_resource.h"
#include "support/temp_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quillet {
namespace {

// A copy of this test program, which carries the version resource, with `labels` set by scripts/relabel.
std::filesystem::path relabelled_copy(const test::TempDirectory& directory, const std::string& labels)
{
    const std::filesystem::path copy = directory.path() / "relabelled";
    std::filesystem::copy_file(platform::running_executable(), copy);
    const std::string command = "'" QUILLET_RELABEL_SCRIPT "' '" + copy.string() + "' " + labels;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return copy;
}

TEST(BrandIdentity, ComesFromTheRunningExecutablesVersionResource)
{
    const platform::VersionStrings strings = platform::read_version_strings(platform::running_executable()).value();
    LoadBrandIdentity();
    EXPECT_EQ(brand_identity().ProductTitle, strings.at("ProductName"));
    EXPECT_EQ(brand_identity().CompanyTitle, strings.at("CompanyName"));
    EXPECT_EQ(brand_identity().WebsiteAddress, strings.at("Comments"));
    EXPECT_FALSE(brand_identity().ProductTitle.empty());

    const ApplicationInfo application = running_application_info();
    EXPECT_EQ(application.FileVersion, strings.at("FileVersion"));
    EXPECT_EQ(application.ProductVersion, strings.at("ProductVersion"));
    EXPECT_EQ(application.Major, strings.at("Major"));
    EXPECT_EQ(application.Minor, strings.at("Minor"));
    EXPECT_EQ(application.Revision, strings.at("Revision"));
}

TEST(BrandIdentity, LoadingTwiceChangesNothing)
{
    LoadBrandIdentity();
    const BrandIdentity first = brand_identity();
    LoadBrandIdentity();
    EXPECT_EQ(brand_identity().ProductTitle, first.ProductTitle);
    EXPECT_EQ(brand_identity().CompanyTitle, first.CompanyTitle);
    EXPECT_EQ(brand_identity().WebsiteAddress, first.WebsiteAddress);
}

TEST(BrandIdentity, FollowsARelabelledExecutable)
{
    const test::TempDirectory directory;
    const auto copy = relabelled_copy(directory, "'ProductName=Inkwell' 'CompanyName=Quire & Co' 'Comments=https://inkwell.example' Major=3");
    LoadBrandIdentity(copy);
    EXPECT_EQ(brand_identity().ProductTitle, "Inkwell");
    EXPECT_EQ(brand_identity().CompanyTitle, "Quire & Co");
    EXPECT_EQ(brand_identity().WebsiteAddress, "https://inkwell.example");
    EXPECT_EQ(read_application_info(copy).Major, "3");
}

TEST(BrandIdentity, MissingValuesReadAsEmpty)
{
    const test::TempDirectory directory;
    const auto copy = relabelled_copy(directory, "Comments= CompanyName=");
    LoadBrandIdentity(copy);
    EXPECT_FALSE(brand_identity().ProductTitle.empty());
    EXPECT_EQ(brand_identity().CompanyTitle, "");
    EXPECT_EQ(brand_identity().WebsiteAddress, "");
}

TEST(BrandIdentity, AFileWithoutVersionResourceGivesAnEmptyIdentity)
{
    const test::TempDirectory directory;
    const std::filesystem::path garbage = directory.path() / "garbage";
    std::ofstream(garbage) << "not an executable";
    for (const auto& file : {garbage, directory.path() / "missing"}) {
        LoadBrandIdentity(file);
        EXPECT_EQ(brand_identity().ProductTitle, "") << file;
        EXPECT_EQ(brand_identity().CompanyTitle, "") << file;
        EXPECT_EQ(brand_identity().WebsiteAddress, "") << file;
        EXPECT_EQ(read_application_info(file).Major, "") << file;
    }
}

}
}
