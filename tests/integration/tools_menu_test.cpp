#include "integration/tools_menu.h"

#include "integration/application_folders.h"

#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace quillet {
namespace {

namespace fs = std::filesystem;
using test::read_file;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr ToolsMenuState kAfterAdd{.add_enabled = false, .remove_enabled = true};
constexpr ToolsMenuState kAfterRemove{.add_enabled = true, .remove_enabled = false};

const ToolsMenuProgram kProgram{"Quillet", "/opt/quillet/bin", "quillet", "/opt/quillet/share"};

std::vector<RegistryValue> expected_values(const std::string& product)
{
    return {
        {"ButtonText", product},
        {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
        {"Default Visible", "Yes"},
        {"Exec", "/opt/quillet/bin/quillet"},
        {"HotIcon", "/opt/quillet/share/hoticon.ico"},
        {"Icon", "/opt/quillet/share/icon.ico"},
        {"MenuStatusBar", product},
        {"MenuText", "&" + product},
    };
}

bool accepted_by_desktop_file_validate(const fs::path& entry)
{
    const std::string command = std::string(QUILLET_DESKTOP_FILE_VALIDATE) + " '" + entry.string() + "'";
    return std::system(command.c_str()) == 0;
}

// Points XDG_DATA_DIRS at two data folders of its own while it lives.
class SystemDataFolders {
public:
    SystemDataFolders()
    {
        if (const char* previous = std::getenv("XDG_DATA_DIRS"))
            m_previous = previous;
        fs::create_directories(first());
        fs::create_directories(second());
        setenv("XDG_DATA_DIRS", (first().string() + ":" + second().string()).c_str(), 1);
    }
    ~SystemDataFolders()
    {
        if (m_previous)
            setenv("XDG_DATA_DIRS", m_previous->c_str(), 1);
        else
            unsetenv("XDG_DATA_DIRS");
    }
    SystemDataFolders(const SystemDataFolders&) = delete;
    SystemDataFolders& operator=(const SystemDataFolders&) = delete;

    fs::path first() const { return m_root.path() / "first"; }
    fs::path second() const { return m_root.path() / "second"; }
    fs::path entry_in(const fs::path& data_folder) const { return data_folder / "applications" / kToolsMenuDesktopFile; }

private:
    test::TempDirectory m_root;
    std::optional<std::string> m_previous;
};

class ToolsMenuTest : public ::testing::Test {
protected:
    SystemDataFolders m_data_folders;
    test::TempDirectory m_directory;
    RegistryStore m_store{{m_directory.path() / "machine", m_directory.path() / "user"}};
};

TEST(ToolsMenuValues, NameTheProgramAndItsIcons)
{
    EXPECT_EQ(tools_menu_values(kProgram), expected_values("Quillet"));
    EXPECT_EQ(tools_menu_values({"R&D Viewer", "/opt/quillet/bin", "quillet", "/opt/quillet/share"}),
              expected_values("R&D Viewer"));
    EXPECT_EQ(kToolsMenuKeyPath,
              "Software\\Microsoft\\Internet Explorer\\Extensions\\{5A1C3E9B-27D4-4F60-9B8E-C2D7F0A41E36}");
}

TEST(ToolsMenuDesktopEntry, StartsTheProgramForWebPagesAndPassesTheValidator)
{
    test::TempDirectory directory;
    const fs::path entry = directory.path() / "example.desktop";
    const std::string odd_folder = (directory.path() / "R&D \"50%\" $HOME `x` back\\slash").string();
    std::ofstream(entry) << tools_menu_desktop_entry({" R&D; Viewer\\", odd_folder, "quillet", "/opt/q share"});

    const std::string text = read_file(entry);
    EXPECT_NE(text.find("\nName=\\sR&D; Viewer\\\\\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nIcon=/opt/q share/icons/AAA.png\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nMimeType=text/html;application/xhtml+xml;x-scheme-handler/http;x-scheme-handler/https;\n"),
              std::string::npos);
    EXPECT_NE(text.find("\nExec=\"" + directory.path().string() + "/R&D \\\\\"50%%\\\\\" \\\\$HOME \\\\`x\\\\` "
                        "back\\\\\\\\slash/quillet\" %u\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(accepted_by_desktop_file_validate(entry)) << text;
}

TEST(SystemApplicationFolders, FollowTheDataFoldersThenTheLocalOne)
{
    using Folders = std::vector<fs::path>;
    const Folders fallback{"/usr/local/share/applications", "/usr/share/applications"};
    EXPECT_EQ(system_application_folders(nullptr), fallback);
    EXPECT_EQ(system_application_folders(""), fallback);
    EXPECT_EQ(system_application_folders("/opt/a/:relative::/usr/share"),
              (Folders{"/opt/a/applications", "/usr/share/applications", "/usr/local/share/applications"}));
    EXPECT_EQ(system_application_folders("/usr/local/share/:/x"),
              (Folders{"/usr/local/share/applications", "/x/applications"}));
}

TEST_F(ToolsMenuTest, AddWritesTheEightValuesAndTheDesktopEntryForAllUsers)
{
    EXPECT_EQ(AddToToolsMenu(m_store, kProgram), kAfterAdd);

    EXPECT_EQ(m_store.values(kMachine, kToolsMenuKeyPath), expected_values("Quillet"));
    EXPECT_EQ(m_store.values(RegistryRoot::CurrentUser, kToolsMenuKeyPath), std::nullopt);
    const fs::path entry = m_data_folders.entry_in(m_data_folders.first());
    EXPECT_EQ(read_file(entry), tools_menu_desktop_entry(kProgram));
    EXPECT_EQ(fs::status(entry).permissions() & fs::perms::others_read, fs::perms::others_read);
    EXPECT_FALSE(fs::exists(m_data_folders.entry_in(m_data_folders.second())));
}

TEST_F(ToolsMenuTest, AddTwiceHoldsTheValuesOnce)
{
    AddToToolsMenu(m_store, {"Old Name", "/old", "old", "/old"});
    EXPECT_EQ(AddToToolsMenu(m_store, kProgram), kAfterAdd);

    EXPECT_EQ(m_store.values(kMachine, kToolsMenuKeyPath), expected_values("Quillet"));
    EXPECT_EQ(read_file(m_data_folders.entry_in(m_data_folders.first())), tools_menu_desktop_entry(kProgram));
}

TEST_F(ToolsMenuTest, AddThenRemoveLeavesNoKeyAndNoDesktopEntry)
{
    AddToToolsMenu(m_store, kProgram);
    // A copy left in a later folder would take the removed one's place in the menus.
    fs::create_directories(m_data_folders.entry_in(m_data_folders.second()).parent_path());
    std::ofstream(m_data_folders.entry_in(m_data_folders.second())) << tools_menu_desktop_entry(kProgram);
    std::ofstream(m_data_folders.second() / "applications" / "other.desktop") << "[Desktop Entry]\n";

    EXPECT_EQ(RemoveFromToolsMenu(m_store), kAfterRemove);

    EXPECT_EQ(m_store.values(kMachine, kToolsMenuKeyPath), std::nullopt);
    EXPECT_NE(m_store.values(kMachine, "Software\\Microsoft\\Internet Explorer\\Extensions"), std::nullopt);
    EXPECT_FALSE(fs::exists(m_data_folders.entry_in(m_data_folders.first())));
    EXPECT_FALSE(fs::exists(m_data_folders.entry_in(m_data_folders.second())));
    EXPECT_TRUE(fs::exists(m_data_folders.second() / "applications" / "other.desktop"));
}

TEST_F(ToolsMenuTest, RemoveWithoutAnEntryChangesOnlyTheMenuState)
{
    EXPECT_EQ(RemoveFromToolsMenu(m_store), kAfterRemove);
    EXPECT_FALSE(fs::exists(m_store.file_of(kMachine)));
    EXPECT_FALSE(fs::exists(m_data_folders.first() / "applications"));
}

// A data folder that cannot take the entry (here: not a folder at all, which stops even root) is
// passed over for the next.
TEST_F(ToolsMenuTest, WithoutRightsNothingIsWrittenAndTheMenuStateChangesAllTheSame)
{
    const fs::path blocker = m_directory.path() / "regular-file";
    std::ofstream(blocker) << "not a folder";
    RegistryStore store({blocker / "machine", blocker / "user"});
    fs::remove(m_data_folders.first());
    std::ofstream(m_data_folders.first()) << "not a folder";

    EXPECT_EQ(AddToToolsMenu(store, kProgram), kAfterAdd);
    EXPECT_EQ(store.values(kMachine, kToolsMenuKeyPath), std::nullopt);
    EXPECT_TRUE(fs::exists(m_data_folders.entry_in(m_data_folders.second())));

    EXPECT_EQ(RemoveFromToolsMenu(store), kAfterRemove);
    EXPECT_TRUE(fs::is_regular_file(blocker));
    EXPECT_TRUE(fs::is_regular_file(m_data_folders.first()));
    EXPECT_FALSE(fs::exists(m_data_folders.entry_in(m_data_folders.second())));
}

}
}
