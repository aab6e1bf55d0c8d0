#include "integration/registry_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

TEST(RegistryKeys, CreatingAKeyCreatesTheKeysAboveIt)
{
    RegistryKeys keys;
    ASSERT_TRUE(keys.create_key("Software\\Vendor\\Product"));

    ASSERT_NE(keys.find("Software"), nullptr);
    ASSERT_NE(keys.find("Software\\Vendor"), nullptr);
    EXPECT_EQ(keys.find("Software\\Vendor\\Product")->path, "Software\\Vendor\\Product");
    EXPECT_EQ(keys.find("Software\\Other"), nullptr);
}

TEST(RegistryKeys, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling)
{
    RegistryKeys keys;
    ASSERT_TRUE(keys.create_key("Software\\Vendor"));
    ASSERT_TRUE(keys.create_key("SOFTWARE\\VENDOR\\Sub"));
    ASSERT_TRUE(keys.set_value("software\\vendor", "Name", "one"));
    ASSERT_TRUE(keys.set_value("Software\\Vendor", "NAME", "two"));

    EXPECT_EQ(keys.find("software\\VENDOR\\sub")->path, "Software\\Vendor\\Sub");
    EXPECT_EQ(keys.find("Software\\Vendor")->values, (std::vector<RegistryValue>{{"Name", "two"}}));
}

TEST(RegistryKeys, RefusesInvalidPaths)
{
    const std::vector<std::string> invalid = {
        "\\A", "A\\", "A\\\\B", "\\", std::string(256, 'n'), "A\\" + std::string(256, 'n'),
    };
    std::string too_deep = "k";
    for (int level = 1; level < 513; ++level)
        too_deep += "\\k";

    for (const std::string& path : invalid) {
        RegistryKeys keys;
        EXPECT_FALSE(keys.create_key(path)) << path;
        EXPECT_EQ(keys.keys().size(), 1u) << path;
    }
    RegistryKeys keys;
    EXPECT_FALSE(keys.create_key(too_deep));
    EXPECT_TRUE(keys.create_key(too_deep.substr(2)));
    EXPECT_TRUE(keys.create_key(std::string(255, 'n')));
}

TEST(RegistryKeys, ValuesKeepTheirOrderWhenOverwritten)
{
    RegistryKeys keys;
    ASSERT_TRUE(keys.create_key("K"));
    ASSERT_TRUE(keys.set_value("K", "a", "1"));
    ASSERT_TRUE(keys.set_value("K", "", "default"));
    ASSERT_TRUE(keys.set_value("K", "b", "2"));
    ASSERT_TRUE(keys.set_value("K", "a", "3"));

    EXPECT_EQ(keys.find("K")->values, (std::vector<RegistryValue>{{"a", "3"}, {"", "default"}, {"b", "2"}}));
    EXPECT_FALSE(keys.set_value("Missing", "a", "1"));
}

}
}
