#include "integration/registry_store.h"

#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quillet {
namespace {

namespace fs = std::filesystem;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

void write_file(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class RegistryStoreTest : public ::testing::Test {
protected:
    RegistryLocations locations() const { return {m_directory.path() / "machine", m_directory.path() / "user"}; }

    test::TempDirectory m_directory;
    RegistryStore m_store{locations()};
};

TEST_F(RegistryStoreTest, SetValueNeedsAnExistingKey)
{
    EXPECT_FALSE(m_store.set_value(kMachine, "Software\\Key", "name", "value"));
    EXPECT_FALSE(fs::exists(m_store.file_of(kMachine)));

    ASSERT_TRUE(m_store.create_key(kMachine, "Software\\Key"));
    EXPECT_TRUE(m_store.create_key(kMachine, "Software\\Key"));
    EXPECT_TRUE(m_store.set_value(kMachine, "Software\\Key", "name", "value"));
    EXPECT_EQ(m_store.value(kMachine, "software\\key", "NAME"), "value");
}

TEST_F(RegistryStoreTest, OverwriteKeepsOneValue)
{
    ASSERT_TRUE(m_store.create_key(kUser, "K"));
    ASSERT_TRUE(m_store.set_value(kUser, "K", "name", "first"));
    ASSERT_TRUE(m_store.set_value(kUser, "K", "", "default"));
    ASSERT_TRUE(m_store.set_value(kUser, "K", "name", "second"));

    EXPECT_EQ(m_store.values(kUser, "K"), (std::vector<RegistryValue>{{"name", "second"}, {"", "default"}}));
}

TEST_F(RegistryStoreTest, RootsAreSeparate)
{
    ASSERT_TRUE(m_store.create_key(kUser, "K"));
    ASSERT_TRUE(m_store.set_value(kUser, "K", "name", "user"));

    EXPECT_EQ(m_store.values(kMachine, "K"), std::nullopt);
    EXPECT_EQ(m_store.file_of(kUser), m_directory.path() / "user" / "registry");
    EXPECT_FALSE(fs::exists(m_store.file_of(kMachine)));
}

TEST_F(RegistryStoreTest, DeletesValuesAndKeys)
{
    ASSERT_TRUE(m_store.create_key(kMachine, "A\\B"));
    ASSERT_TRUE(m_store.set_value(kMachine, "A\\B", "one", "1"));
    ASSERT_TRUE(m_store.set_value(kMachine, "A\\B", "two", "2"));

    EXPECT_TRUE(m_store.delete_value(kMachine, "A\\B", "one"));
    EXPECT_FALSE(m_store.delete_value(kMachine, "A\\B", "one"));
    EXPECT_EQ(m_store.values(kMachine, "A\\B"), (std::vector<RegistryValue>{{"two", "2"}}));

    EXPECT_FALSE(m_store.delete_key(kMachine, "A"));
    EXPECT_TRUE(m_store.delete_key(kMachine, "A\\B"));
    EXPECT_EQ(m_store.values(kMachine, "A\\B"), std::nullopt);
    EXPECT_EQ(m_store.value(kMachine, "A\\B", "two"), std::nullopt);
    EXPECT_FALSE(m_store.delete_key(kMachine, "A\\B"));
    EXPECT_EQ(m_store.values(kMachine, "A"), std::vector<RegistryValue>{});
}

TEST_F(RegistryStoreTest, PersistsAcrossStores)
{
    ASSERT_TRUE(m_store.create_key(kMachine, "Software\\Key"));
    ASSERT_TRUE(m_store.set_value(kMachine, "Software\\Key", "line", "one\ntwo=2"));

    RegistryStore other(locations());
    EXPECT_EQ(other.value(kMachine, "Software\\Key", "line"), "one\ntwo=2");
    ASSERT_TRUE(other.delete_value(kMachine, "Software\\Key", "line"));
    EXPECT_EQ(m_store.values(kMachine, "Software\\Key"), std::vector<RegistryValue>{});
}

TEST_F(RegistryStoreTest, CorruptFileIsReadSoundlyAndRewrittenClean)
{
    write_file(m_store.file_of(kUser), "junk\n[K]\nname=kept\n\x01\x02\n[K\\\\]\nx=y\n[");

    EXPECT_EQ(m_store.values(kUser, "K"), (std::vector<RegistryValue>{{"name", "kept"}}));
    ASSERT_TRUE(m_store.set_value(kUser, "K", "added", "new"));

    RegistryStore other(locations());
    EXPECT_EQ(other.values(kUser, "K"), (std::vector<RegistryValue>{{"name", "kept"}, {"added", "new"}}));
    EXPECT_EQ(test::read_file(m_store.file_of(kUser)).find("junk"), std::string::npos);
}

TEST_F(RegistryStoreTest, ReplacesTheFileAtomically)
{
    ASSERT_TRUE(m_store.create_key(kUser, "K"));
    ASSERT_TRUE(m_store.set_value(kUser, "K", "name", "old"));
    const std::string old_text = test::read_file(m_store.file_of(kUser));
    std::ifstream reader_of_old(m_store.file_of(kUser), std::ios::binary);

    ASSERT_TRUE(m_store.set_value(kUser, "K", "name", std::string(100000, 'n')));

    // A reader that opened the file before the write still sees the whole old file.
    const std::string seen{std::istreambuf_iterator<char>(reader_of_old), std::istreambuf_iterator<char>()};
    EXPECT_EQ(seen, old_text);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(m_directory.path() / "user"))
        files.push_back(entry.path());
    EXPECT_EQ(files, std::vector<fs::path>{m_store.file_of(kUser)});
}

TEST_F(RegistryStoreTest, UnreadableRootFileIsNeverOverwritten)
{
    fs::create_directories(m_store.file_of(kMachine)); // a folder where the file should be

    EXPECT_FALSE(m_store.create_key(kMachine, "K"));
    EXPECT_EQ(m_store.values(kMachine, ""), std::nullopt);
    EXPECT_TRUE(fs::is_directory(m_store.file_of(kMachine)));
}

TEST(RegistryStoreRights, WithoutRightsNothingIsWrittenAndEveryChangeFails)
{
    test::TempDirectory directory;
    const fs::path blocker = directory.path() / "regular-file";
    write_file(blocker, "not a folder");
    RegistryStore store({blocker / "machine", blocker / "user"});

    EXPECT_FALSE(store.create_key(RegistryRoot::LocalMachine, "K"));
    EXPECT_FALSE(store.set_value(RegistryRoot::LocalMachine, "K", "n", "v"));
    EXPECT_FALSE(store.delete_value(RegistryRoot::LocalMachine, "K", "n"));
    EXPECT_FALSE(store.delete_key(RegistryRoot::LocalMachine, "K"));
    EXPECT_FALSE(store.create_key(RegistryRoot::CurrentUser, "K"));
    EXPECT_EQ(store.values(RegistryRoot::LocalMachine, "K"), std::nullopt);
    EXPECT_EQ(test::read_file(blocker), "not a folder");
}

TEST(RegistryLocations, MachineRootIsSystemWideAndUserRootPerUser)
{
    struct Case {
        std::string product;
        std::string folder;
    };
    const std::vector<Case> cases = {
        {"Quillet", "Quillet"}, {"My Browser", "My Browser"}, {"a/../b", "a_.._b"}, {"..", "_.."}, {"", "_"},
    };
    for (const Case& c : cases) {
        const RegistryLocations locations = registry_locations(c.product, "/home/u/.config");
        EXPECT_EQ(locations.local_machine, fs::path("/etc/xdg") / c.folder) << c.product;
        EXPECT_EQ(locations.current_user, fs::path("/home/u/.config") / c.folder) << c.product;
    }
}

}
}
