#include "integration/tools_menu.h"

#include "support/temp_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quillet {
namespace {

namespace fs = std::filesystem;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr ToolsMenuState kAfterAdd{.add_enabled = false, .remove_enabled = true};
constexpr ToolsMenuState kAfterRemove{.add_enabled = true, .remove_enabled = false};

const ToolsMenuProgram kProgram{"Quillet", "/opt/quillet", "quillet"};

std::vector<RegistryValue> expected_values(const std::string& product)
{
    return {
        {"ButtonText", product},
        {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
        {"Default Visible", "Yes"},
        {"Exec", "/opt/quillet/quillet"},
        {"HotIcon", "/opt/quillet/hoticon.ico"},
        {"Icon", "/opt/quillet/icon.ico"},
        {"MenuStatusBar", product},
        {"MenuText", "&" + product},
    };
}

class ToolsMenuTest : public ::testing::Test {
protected:
    test::TempDirectory m_directory;
    RegistryStore m_store{{m_directory.path() / "machine", m_directory.path() / "user"}};
};

TEST(ToolsMenuValues, NameTheProgramAndItsIcons)
{
    EXPECT_EQ(tools_menu_values(kProgram), expected_values("Quillet"));
    EXPECT_EQ(tools_menu_values({"R&D Viewer", "/opt/quillet", "quillet"}), expected_values("R&D Viewer"));
    EXPECT_EQ(kToolsMenuKeyPath,
              "Software\\Microsoft\\Internet Explorer\\Extensions\\{5A1C3E9B-27D4-4F60-9B8E-C2D7F0A41E36}");
}

TEST_F(ToolsMenuTest, AddWritesTheEightValuesInOrderUnderTheMachineRoot)
{
    EXPECT_EQ(AddToToolsMenu(m_store, kProgram), kAfterAdd);

    EXPECT_EQ(m_store.values(kMachine, kToolsMenuKeyPath), expected_values("Quillet"));
    EXPECT_EQ(m_store.values(RegistryRoot::CurrentUser, kToolsMenuKeyPath), std::nullopt);
}

TEST_F(ToolsMenuTest, AddTwiceHoldsTheValuesOnce)
{
    AddToToolsMenu(m_store, {"Old Name", "/old", "old"});
    EXPECT_EQ(AddToToolsMenu(m_store, kProgram), kAfterAdd);

    EXPECT_EQ(m_store.values(kMachine, kToolsMenuKeyPath), expected_values("Quillet"));
}

TEST_F(ToolsMenuTest, AddThenRemoveLeavesNoKey)
{
    AddToToolsMenu(m_store, kProgram);
    EXPECT_EQ(RemoveFromToolsMenu(m_store), kAfterRemove);

    EXPECT_EQ(m_store.values(kMachine, kToolsMenuKeyPath), std::nullopt);
    EXPECT_NE(m_store.values(kMachine, "Software\\Microsoft\\Internet Explorer\\Extensions"), std::nullopt);
}

TEST_F(ToolsMenuTest, RemoveWithoutAnEntryChangesOnlyTheMenuState)
{
    EXPECT_EQ(RemoveFromToolsMenu(m_store), kAfterRemove);
    EXPECT_FALSE(fs::exists(m_store.file_of(kMachine)));
}

TEST(ToolsMenuWithoutRights, MenuStateChangesAllTheSame)
{
    test::TempDirectory directory;
    const fs::path blocker = directory.path() / "regular-file";
    std::ofstream(blocker) << "not a folder";
    RegistryStore store({blocker / "machine", blocker / "user"});

    EXPECT_EQ(AddToToolsMenu(store, kProgram), kAfterAdd);
    EXPECT_EQ(store.values(kMachine, kToolsMenuKeyPath), std::nullopt);
    EXPECT_EQ(RemoveFromToolsMenu(store), kAfterRemove);
    EXPECT_TRUE(fs::is_regular_file(blocker));
}

}
}
