#include "ui/brand_texts.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

struct CaptionCase {
    BrandIdentity identity;
    std::string main_caption;
    std::string page_caption; // with the location name "Page"
    std::string website_button;
    std::string about_caption;
};

class BrandCaptions : public testing::TestWithParam<CaptionCase> {};

TEST_P(BrandCaptions, ComposeEachCaptionFromTheIdentity)
{
    const CaptionCase& expected = GetParam();
    EXPECT_EQ(main_window_caption(expected.identity), expected.main_caption);
    EXPECT_EQ(main_window_caption(expected.identity, "Page"), expected.page_caption);
    EXPECT_EQ(website_button_caption(expected.identity), expected.website_button);
    EXPECT_EQ(website_menu_caption(expected.identity), expected.identity.WebsiteAddress);
    EXPECT_EQ(about_window_caption(expected.identity), expected.about_caption);
}

INSTANTIATE_TEST_SUITE_P(
    Identities, BrandCaptions,
    testing::Values(
        CaptionCase{{"Quillet", "Marrowfield Software", "www.marrowfield.example"},
                    "Quillet by Marrowfield Software", "Quillet by Marrowfield Software - Page",
                    "Visit www.marrowfield.example", "About Quillet"},
        CaptionCase{{"Quillet", "", "www.marrowfield.example"}, "Quillet by ", "Quillet by  - Page",
                    "Visit www.marrowfield.example", "About Quillet"},
        CaptionCase{{"Quillet", "Marrowfield Software", ""}, "Quillet by Marrowfield Software",
                    "Quillet by Marrowfield Software - Page", "Visit ", "About Quillet"},
        CaptionCase{{"", "", ""}, " by ", " by  - Page", "Visit ", "About "}));

TEST(BrandCaptions, PageCaptionKeepsAnEmptyLocationName)
{
    EXPECT_EQ(main_window_caption({"Quillet", "Marrowfield Software", ""}, ""), "Quillet by Marrowfield Software - ");
}

struct LaunchCase {
    std::string website;
    std::string opened;
};

class WebsiteLaunchAddress : public testing::TestWithParam<LaunchCase> {};

TEST_P(WebsiteLaunchAddress, GetsHttpOnlyWithoutAScheme)
{
    EXPECT_EQ(website_launch_address({"Quillet", "Marrowfield Software", GetParam().website}), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, WebsiteLaunchAddress,
    testing::Values(LaunchCase{"www.marrowfield.example", "http://www.marrowfield.example"},
                    LaunchCase{"", "http://"},
                    LaunchCase{"http://www.marrowfield.example", "http://www.marrowfield.example"},
                    LaunchCase{"https://www.marrowfield.example/a", "https://www.marrowfield.example/a"},
                    LaunchCase{"HTTPS://WWW.MARROWFIELD.EXAMPLE", "HTTPS://WWW.MARROWFIELD.EXAMPLE"},
                    LaunchCase{"hTtP://marrowfield.example", "hTtP://marrowfield.example"},
                    LaunchCase{"ftp://files.marrowfield.example", "ftp://files.marrowfield.example"},
                    // "http://" inside the address is not a scheme of its own.
                    LaunchCase{"marrowfield.example/?from=http://other.example",
                               "http://marrowfield.example/?from=http://other.example"},
                    LaunchCase{"localhost:8080/quillet", "http://localhost:8080/quillet"},
                    LaunchCase{"://marrowfield.example", "http://://marrowfield.example"},
                    LaunchCase{"1http://marrowfield.example", "http://1http://marrowfield.example"},
                    LaunchCase{"www marrowfield://x", "http://www marrowfield://x"}));

}
}
