#include "platform/settings_store.h"

#include "support/isolated_environment.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace quillet::platform {
namespace {

using test::read_file;
using test::write_file;

class SettingsStoreTest : public ::testing::Test {
protected:
    test::TempDirectory m_home;
    SettingsStore m_store{m_home.path()};
};

TEST_F(SettingsStoreTest, AbsentValuesGiveTheDefault)
{
    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "1"), "1") << "no file";
    ASSERT_TRUE(m_store.set("Quillet", "Other", "showHelp", "0"));
    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "1"), "1") << "no such section";
    ASSERT_TRUE(m_store.set("Quillet", "Settings", "other", "0"));
    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "1"), "1") << "no such key";
}

TEST_F(SettingsStoreTest, StoredValuesComeBackUnchanged)
{
    const std::vector<std::string> values = {"0", "1", "", " spaced ", "a=b; [c] # d", "two\nlines", "\u00e9t\u00e9"};
    for (const auto& value : values) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(m_store.set("Quillet", "Settings", "showHelp", value));
        EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "default"), value);
        EXPECT_EQ(SettingsStore(m_home.path()).get("Quillet", "Settings", "showHelp", "default"), value);
    }
}

TEST_F(SettingsStoreTest, EachApplicationHasItsOwnFileInsideTheConfigurationDirectory)
{
    ASSERT_TRUE(m_store.set("Quillet", "Settings", "showHelp", "0"));
    ASSERT_TRUE(m_store.set("Papyrus Reader", "Settings", "showHelp", "1"));
    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", ""), "0");
    EXPECT_EQ(m_store.get("Papyrus Reader", "Settings", "showHelp", ""), "1");
    EXPECT_EQ(m_store.file_of("Quillet"), m_home.path() / "Quillet" / "settings.ini");
    EXPECT_TRUE(std::filesystem::exists(m_store.file_of("Quillet")));

    for (const std::string name : {"", ".", "..", "../../escape", "a/b"}) {
        SCOPED_TRACE(name);
        const auto file = m_store.file_of(name);
        EXPECT_EQ(file.parent_path().parent_path(), m_home.path());
        EXPECT_NE(file.parent_path().filename(), "..");
        EXPECT_NE(file.parent_path().filename(), ".");
        ASSERT_TRUE(m_store.set(name, "Settings", "k", name));
        EXPECT_EQ(m_store.get(name, "Settings", "k", "default"), name);
    }
}

TEST_F(SettingsStoreTest, SettingKeepsOtherKeysAndComments)
{
    const auto file = m_store.file_of("Quillet");
    std::filesystem::create_directories(file.parent_path());
    write_file(file, "# kept by hand\n[Settings]\nshowHelp=1\ncolour=blue\n[Window]\nwidth=800\n");

    ASSERT_TRUE(m_store.set("Quillet", "Settings", "showHelp", "0"));
    EXPECT_EQ(m_store.get("Quillet", "Settings", "colour", ""), "blue");
    EXPECT_EQ(m_store.get("Quillet", "Window", "width", ""), "800");
    EXPECT_NE(read_file(file).find("# kept by hand"), std::string::npos);
}

TEST_F(SettingsStoreTest, DamagedFileGivesDefaultsAndIsKeptAsideWhenReplaced)
{
    const auto file = m_store.file_of("Quillet");
    std::filesystem::create_directories(file.parent_path());
    const std::string garbage = "\x01\xff[not a key file\nshowHelp\n";
    write_file(file, garbage);

    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "1"), "1");
    ASSERT_TRUE(m_store.set("Quillet", "Settings", "showHelp", "0"));
    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "1"), "0");
    EXPECT_EQ(read_file(file.string() + ".unreadable"), garbage);
}

TEST_F(SettingsStoreTest, UnwritableLocationReportsFailure)
{
    write_file(m_home.path() / "plain-file", "not a directory");
    SettingsStore blocked(m_home.path() / "plain-file" / "config");
    EXPECT_FALSE(blocked.set("Quillet", "Settings", "showHelp", "0"));
    EXPECT_EQ(blocked.get("Quillet", "Settings", "showHelp", "1"), "1");
}

TEST_F(SettingsStoreTest, SomethingElseInThePlaceOfTheFileIsKeptAside)
{
    const auto file = m_store.file_of("Quillet");
    std::filesystem::create_directories(file / "inside");
    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "1"), "1");

    ASSERT_TRUE(m_store.set("Quillet", "Settings", "showHelp", "0"));
    EXPECT_EQ(m_store.get("Quillet", "Settings", "showHelp", "1"), "0");
    EXPECT_TRUE(std::filesystem::is_directory(file.string() + ".unreadable/inside"));
}

TEST(SettingsStoreDefault, LivesInTheUsersConfigurationDirectory)
{
    EXPECT_EQ(SettingsStore::default_config_home(), test::environment().config_home());
    EXPECT_EQ(SettingsStore().file_of("Quillet"), test::environment().config_home() / "Quillet" / "settings.ini");
}

}
}
