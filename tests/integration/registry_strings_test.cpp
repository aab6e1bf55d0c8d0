#include "integration/registry_strings.h"

#include "support/temp_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

TEST(TrimKeyPath, RemovesOneLeadingAndOneTrailingBackslash)
{
    struct Case {
        std::string path;
        std::string trimmed;
    };
    const std::vector<Case> cases = {
        {"\\A\\B\\", "A\\B"}, {"A\\B", "A\\B"}, {"\\", ""}, {"", ""}, {"\\\\A\\\\", "\\A\\"},
        {"\\\\", ""}, {"A\\", "A"}, {"\\A", "A"}, {" \\A\\ ", " \\A\\ "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrimKeyPath(c.path), c.trimmed) << c.path;
}

class RegistryStringsTest : public ::testing::Test {
protected:
    test::TempDirectory m_directory;
    RegistryStore m_store{{m_directory.path() / "machine", m_directory.path() / "user"}};
};

TEST_F(RegistryStringsTest, SetRegStringCreatesTheTrimmedKey)
{
    EXPECT_TRUE(SetRegString(m_store, kMachine, "\\Software\\Key\\", "name", "value"));
    EXPECT_TRUE(SetRegString(m_store, kMachine, "Software\\Key", "name", "again"));

    EXPECT_EQ(m_store.values(kMachine, "Software\\Key"), (std::vector<RegistryValue>{{"name", "again"}}));
}

TEST_F(RegistryStringsTest, StarStandsForTheDefaultValue)
{
    ASSERT_TRUE(SetRegString(m_store, kMachine, "Key", "*", "default"));
    EXPECT_EQ(m_store.value(kMachine, "Key", ""), "default");

    EXPECT_TRUE(DeleteRegEntry(m_store, kMachine, "Key", "*"));
    EXPECT_EQ(m_store.values(kMachine, "Key"), std::vector<RegistryValue>{});
}

TEST_F(RegistryStringsTest, InvalidKeyPathWritesNothing)
{
    EXPECT_FALSE(SetRegString(m_store, kMachine, "A\\\\B", "name", "value"));
    EXPECT_FALSE(SetRegString(m_store, kMachine, "\\\\A", "name", "value"));
    EXPECT_EQ(m_store.values(kMachine, "A"), std::nullopt);
}

TEST_F(RegistryStringsTest, DeleteWithAValueNameTrimsThePath)
{
    ASSERT_TRUE(SetRegString(m_store, kMachine, "A\\B", "one", "1"));
    ASSERT_TRUE(SetRegString(m_store, kMachine, "A\\B", "two", "2"));

    EXPECT_TRUE(DeleteRegEntry(m_store, kMachine, "\\A\\B\\", "one"));
    EXPECT_FALSE(DeleteRegEntry(m_store, kMachine, "A\\B", "one"));
    EXPECT_EQ(m_store.values(kMachine, "A\\B"), (std::vector<RegistryValue>{{"two", "2"}}));
}

TEST_F(RegistryStringsTest, DeleteWithoutAValueNameDeletesTheUntrimmedKey)
{
    ASSERT_TRUE(SetRegString(m_store, kMachine, "A\\B", "one", "1"));

    EXPECT_FALSE(DeleteRegEntry(m_store, kMachine, "\\A\\B\\", ""));
    EXPECT_FALSE(DeleteRegEntry(m_store, kMachine, "A", ""));
    EXPECT_TRUE(DeleteRegEntry(m_store, kMachine, "A\\B", ""));
    EXPECT_EQ(m_store.values(kMachine, "A\\B"), std::nullopt);
    EXPECT_FALSE(DeleteRegEntry(m_store, kMachine, "A\\B", ""));
}

}
}
