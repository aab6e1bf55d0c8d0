#include "ui/help_window.h"

#include "platform/settings_store.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/program_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace quillet {
namespace {

using namespace std::chrono_literals;

class HelpWindow : public testing::Test {
protected:
    void SetUp() override { LoadBrandIdentity(); }

    void ship_help_file()
    {
        std::filesystem::copy_file(QUILLET_HELP_RTF, m_program.path() / "Help.rtf");
    }

    static void store_show_help(const std::string& value)
    {
        platform::SettingsStore().set(brand_identity().ProductTitle, "Settings", "showHelp", value);
    }

    static std::string stored_show_help() { return ProgramSettings(brand_identity().ProductTitle).show_help(); }

    test::TempDirectory m_program;
};

struct StoredValueCase {
    const char* name;
    std::optional<std::string> stored; // nothing: no value stored at all
    bool checked;
};

class ShowAtStartupBox : public HelpWindow, public testing::WithParamInterface<StoredValueCase> {};

TEST_P(ShowAtStartupBox, ShowsTheStoredSettingAndLeavesItAsItWas)
{
    ship_help_file();
    const StoredValueCase& example = GetParam();
    if (example.stored)
        store_show_help(*example.stored);

    Form8 help(m_program.path());

    EXPECT_EQ(help.Check1.get_active(), example.checked);
    EXPECT_EQ(stored_show_help(), example.stored.value_or("1")) << "loading the window writes nothing";
}

// A value other than 0 or 1 leaves the box as designed: unchecked.
INSTANTIATE_TEST_SUITE_P(StoredValues, ShowAtStartupBox,
                         testing::Values(StoredValueCase{"Absent", std::nullopt, true},
                                         StoredValueCase{"One", "1", true}, StoredValueCase{"Zero", "0", false},
                                         StoredValueCase{"OneWithBlanks", " 1 ", true},
                                         StoredValueCase{"Word", "yes", false}, StoredValueCase{"Two", "2", false},
                                         StoredValueCase{"Empty", "", false}),
                         [](const testing::TestParamInfo<StoredValueCase>& info) { return info.param.name; });

TEST_F(HelpWindow, ClickingTheBoxStoresItsStateForTheNextLoad)
{
    ship_help_file();
    {
        Form8 help(m_program.path());
        ASSERT_TRUE(help.Check1.get_active());
        help.Check1.activate();
        EXPECT_FALSE(help.Check1.get_active());
        EXPECT_EQ(stored_show_help(), "0");
    }
    {
        Form8 help(m_program.path());
        EXPECT_FALSE(help.Check1.get_active());
        help.Check1.activate();
        EXPECT_EQ(stored_show_help(), "1");
    }
    Form8 help(m_program.path());
    EXPECT_TRUE(help.Check1.get_active());
}

TEST_F(HelpWindow, ShowsTheHelpFileWithBoldHeadingsAboveTheBox)
{
    ship_help_file();
    Form8 help(m_program.path());
    help.Show();
    ASSERT_TRUE(test::pump_until([&] { return help.get_mapped() && help.get_width() > 0; }));

    EXPECT_EQ(std::string(help.get_title()), "Readme/Help");
    EXPECT_EQ(std::string(help.Check1.get_label()), "Show at Startup");
    EXPECT_FALSE(help.get_resizable());
    EXPECT_EQ(help.get_width(), 686);
    EXPECT_EQ(help.get_height(), 528);

    const auto buffer = help.rtf1.get_buffer();
    const std::string text = buffer->get_text();
    ASSERT_TRUE(text.starts_with("Quillet Help\n")) << text.substr(0, 80);
    const auto heading_tags = buffer->begin().get_tags();
    ASSERT_EQ(heading_tags.size(), 1U);
    EXPECT_EQ(heading_tags.front()->property_weight(), static_cast<int>(Pango::Weight::BOLD));
    EXPECT_GT(heading_tags.front()->property_size_points(), 12.0);

    const auto body = buffer->get_iter_at_offset(static_cast<int>(Glib::ustring("Quillet Help\n").size()));
    ASSERT_EQ(body.get_tags().size(), 1U);
    EXPECT_EQ(body.get_tags().front()->property_weight(), static_cast<int>(Pango::Weight::NORMAL));
    EXPECT_FALSE(help.rtf1.get_editable());
}

TEST_F(HelpWindow, StaysInvisibleWithoutAHelpFile)
{
    Form8 help(m_program.path());
    help.Show();
    test::pump_for(300ms);
    EXPECT_FALSE(help.get_visible());
    EXPECT_FALSE(help.get_mapped());
}

TEST_F(HelpWindow, OpensADamagedHelpFileWithWhatCouldBeRead)
{
    std::ofstream(m_program.path() / "Help.rtf") << "{\\rtf1\\b broken {{{";
    Form8 help(m_program.path());
    help.Show();
    ASSERT_TRUE(test::pump_until([&] { return help.get_mapped(); }));
    EXPECT_EQ(std::string(help.rtf1.get_buffer()->get_text()), "broken ");
}

}
}
