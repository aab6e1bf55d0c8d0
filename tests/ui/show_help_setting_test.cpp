#include "ui/show_help_setting.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillet {
namespace {

TEST(ShowHelpSetting, StoredTextGivesTheBoxState)
{
    struct Case {
        std::string value;
        std::optional<bool> checked;
    };
    const std::vector<Case> cases = {
        {"1", true}, {"0", false}, {" 1", true}, {"1 ", true}, {"\t0\r\n", false}, {"+1", true}, {"01", true},
        {"-0", false}, {"", std::nullopt}, {"   ", std::nullopt}, {"2", std::nullopt}, {"-1", std::nullopt},
        {"yes", std::nullopt}, {"1x", std::nullopt}, {"1.0", std::nullopt}, {"1 1", std::nullopt},
        {"+", std::nullopt}, {"+-1", std::nullopt}, {"99999999999999999999", std::nullopt},
        {std::string("1\0", 2), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parse_show_help(c.value), c.checked) << '"' << c.value << '"';
}

TEST(ShowHelpSetting, BoxStateIsStoredAsOneOrZero)
{
    EXPECT_EQ(show_help_value(true), "1");
    EXPECT_EQ(show_help_value(false), "0");
    EXPECT_EQ(parse_show_help(show_help_value(true)), true);
    EXPECT_EQ(parse_show_help(show_help_value(false)), false);
}

TEST(ShowHelpSetting, StartupOpensHelpOnlyWhenTheBoxWouldBeChecked)
{
    EXPECT_TRUE(should_open_help_at_startup("1"));
    EXPECT_TRUE(should_open_help_at_startup(" 1 "));
    EXPECT_FALSE(should_open_help_at_startup("0"));
    EXPECT_FALSE(should_open_help_at_startup("garbage"));
    EXPECT_FALSE(should_open_help_at_startup(""));
    EXPECT_FALSE(should_open_help_at_startup("2"));
}

}
}
