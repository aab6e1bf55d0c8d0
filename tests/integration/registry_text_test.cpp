#include "integration/registry_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

TEST(RegistryText, AwkwardNamesAndDataSurviveTheRoundTrip)
{
    const std::vector<RegistryValue> values = {
        {"", "default"},
        {"a=b", "x=y"},
        {"[bracket", "#hash"},
        {"#comment", "100%"},
        {"lines", "one\ntwo\r\nthree"},
        {"back\\slash", "C:\\Program Files\\"},
        {"nul", std::string("a\0b", 3)},
        {" spaced ", " trailing "},
        {"utf8", "\xC3\xA9t\xC3\xA9"},
        {"%41", "%zz%4"},
    };
    RegistryKeys keys;
    const std::string path = "Root\\[odd]=name#\\%20";
    ASSERT_TRUE(keys.create_key(path));
    for (const RegistryValue& value : values)
        ASSERT_TRUE(keys.set_value(path, value.name, value.data));
    ASSERT_TRUE(keys.set_value("", "at root", "yes"));
    ASSERT_TRUE(keys.create_key("Empty\\Key"));

    const RegistryKeys parsed = parse_registry_text(registry_text(keys));

    ASSERT_NE(parsed.find(path), nullptr);
    EXPECT_EQ(parsed.find(path)->values, values);
    EXPECT_EQ(parsed.find("")->values, (std::vector<RegistryValue>{{"at root", "yes"}}));
    EXPECT_NE(parsed.find("Empty\\Key"), nullptr);
    EXPECT_EQ(registry_text(parsed), registry_text(keys));
}

TEST(RegistryText, CorruptTextKeepsWhatCanBeRead)
{
    const std::string text =
        "orphan=before any key\n"
        "[Good\\Key]\r\n"
        "name=value\r\n"
        "line without equals sign\n"
        "[unterminated\n"
        "after=still good key\n"
        "[Bad\\\\Key]\n"
        "lost=value under an invalid key\n"
        "[Hidden%5CSlash]\n"
        "lost=too\n"
        "[Next]\n"
        "=default\n"
        "broken=%G1%4\n"
        "\x01\xff garbage\n"
        "[";
    const RegistryKeys keys = parse_registry_text(text);

    EXPECT_EQ(keys.find("Good\\Key")->values,
              (std::vector<RegistryValue>{{"name", "value"}, {"after", "still good key"}}));
    EXPECT_EQ(keys.find("Next")->values, (std::vector<RegistryValue>{{"", "default"}, {"broken", "%G1%4"}}));
    EXPECT_TRUE(keys.find("")->values.empty());
    EXPECT_EQ(keys.keys().size(), 4u); // root, Good, Good\Key, Next
}

TEST(RegistryText, ReadsAnythingWithoutFailing)
{
    const std::vector<std::string> inputs = {
        "", "\n\n\n", "[", "]", "[]", "[]\n=x", "=", "%", "%%%%", std::string(100000, '['),
        std::string(100000, '\\'), "[" + std::string(100000, 'k') + "]\nv=1",
    };
    for (const std::string& input : inputs) {
        const RegistryKeys keys = parse_registry_text(input);
        EXPECT_GE(keys.keys().size(), 1u);
    }
    EXPECT_EQ(parse_registry_text("[]\n=x").find("")->values, (std::vector<RegistryValue>{{"", "x"}}));
}

}
}
