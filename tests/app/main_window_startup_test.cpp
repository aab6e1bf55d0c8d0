#include "app/main_window.h"

#include "app_test_files.h"
#include "main_window_test_access.h"
#include "support/isolated_environment.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/brand_texts.h"
#include "ui/program_settings.h"
#include "views/work_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quillet {
namespace {

using namespace std::chrono_literals;

class MainWindowStartup : public testing::Test {
protected:
    void SetUp() override
    {
        LoadBrandIdentity();
        m_home_page = test::write_page(m_pages.path() / "home.html", "Home", "<p>home</p>");
        ProgramSettings(brand_identity().ProductTitle).set_home_page(m_home_page);
    }

    test::TempDirectory m_pages;
    test::TempDirectory m_program;
    std::string m_home_page;
};

bool only_view_visible(Form1& window, int index)
{
    for (int view = 0; view < kViewCount; ++view) {
        if (window.wb(view).Visible() != (view == index))
            return false;
    }
    return true;
}

TEST_F(MainWindowStartup, CreatesEachMissingWorkFileHoldingOnlyALineBreak)
{
    Form1 window(m_program.path());
    for (const WorkFile file : kAllWorkFiles)
        EXPECT_EQ(test::read_file(m_program.path() / file_name_of(file)), "\r\n") << file_name_of(file);
}

// Beside them the user's own files stay, whatever their names; only the program's marked
// leftovers of a write or a write check go.
TEST_F(MainWindowStartup, LeavesExistingWorkFilesAsTheyAre)
{
    const std::vector<std::string> users_files = {"images.htm.backup", "source.htm.orig1", "source.htm.a1B2c3"};
    const std::vector<std::string> leftovers = {".quillet-tmp-source.htm.a1B2c3", ".quillet-tmp-write-check-1",
                                                ".quillet-tmp-write-check-1.Zz9Yy8"};
    for (const std::string& name : users_files)
        std::ofstream(m_program.path() / name) << "mine";
    for (const std::string& name : leftovers)
        std::ofstream(m_program.path() / name) << "torn";
    const auto long_ago = std::filesystem::file_time_type::clock::now() - 1000h;
    for (const WorkFile file : kAllWorkFiles) {
        const auto path = m_program.path() / file_name_of(file);
        std::ofstream(path) << "kept " << file_name_of(file);
        std::filesystem::last_write_time(path, long_ago);
    }
    const std::filesystem::path missing = m_program.path() / file_name_of(WorkFile::ImagePage);
    std::filesystem::remove(missing);

    Form1 window(m_program.path());

    for (const WorkFile file : kAllWorkFiles) {
        const auto path = m_program.path() / file_name_of(file);
        if (path == missing)
            continue;
        EXPECT_EQ(test::read_file(path), "kept " + std::string(file_name_of(file)));
        EXPECT_EQ(std::filesystem::last_write_time(path), long_ago) << path;
    }
    EXPECT_EQ(test::read_file(missing), "\r\n");
    for (const std::string& name : users_files)
        EXPECT_EQ(test::read_file(m_program.path() / name), "mine") << name;
    for (const std::string& name : leftovers)
        EXPECT_FALSE(std::filesystem::exists(m_program.path() / name)) << name;
}

TEST_F(MainWindowStartup, KeepsWorkFilesInTheUsersDataDirectoryWhenTheProgramDirectoryCannotBeWritten)
{
    // Even root cannot create a directory beneath a regular file.
    std::ofstream(m_program.path() / "not-a-directory") << "x";
    const std::filesystem::path program_directory = m_program.path() / "not-a-directory" / "program";
    const std::filesystem::path fallback = test::environment().data_home() / brand_identity().ProductTitle;

    Form1 window(program_directory);
    bool loaded = false;
    window.wb(kBrowserView).DownloadComplete().connect([&] { loaded = true; });
    window.present();

    for (const WorkFile file : kAllWorkFiles)
        EXPECT_EQ(test::read_file(fallback / file_name_of(file)), "\r\n") << file_name_of(file);
    const std::string notice =
        "Cannot write in " + program_directory.string() + ": work files are kept in " + fallback.string();
    // The notice stays while the first panel goes on with the page's status texts.
    ASSERT_TRUE(test::pump_until([&] { return loaded; }));
    EXPECT_EQ(test::controls(window).sb1.panel_text(1), "Done");
    EXPECT_EQ(test::controls(window).sb1.notice_text(), "Work files: " + fallback.string());
    EXPECT_EQ(test::controls(window).sb1.notice_tooltip(), notice);

    test::controls(window).menu_bar.choose(Menu::About, 0);
    frmAbout* about = nullptr;
    for (Gtk::Window* shown : Gtk::Window::list_toplevels()) {
        if (auto* candidate = dynamic_cast<frmAbout*>(shown); candidate && candidate->get_visible())
            about = candidate;
    }
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(std::string(about->lblNotice.get_text()), notice);
    EXPECT_TRUE(about->lblNotice.get_parent() != nullptr);
}

TEST_F(MainWindowStartup, ShowsNoWorkFileNoticeWhenTheFilesAreBesideTheProgram)
{
    Form1 window(m_program.path());
    EXPECT_EQ(test::controls(window).sb1.notice_text(), "");
}

TEST_F(MainWindowStartup, TakesItsCaptionsFromTheBrandIdentity)
{
    Form1 window(m_program.path());
    EXPECT_EQ(std::string(window.get_title()), main_window_caption(brand_identity()));
    EXPECT_EQ(test::controls(window).cmdWebsite.caption(), website_button_caption(brand_identity()));
    EXPECT_EQ(test::controls(window).menu_bar.item_caption(Menu::View, 3), brand_identity().WebsiteAddress);
    EXPECT_FALSE(brand_identity().WebsiteAddress.empty());
}

TEST_F(MainWindowStartup, ShowsTheBrowserViewLoadingTheHomePage)
{
    Form1 window(m_program.path());
    bool loaded = false;
    window.wb(kBrowserView).DownloadComplete().connect([&] { loaded = true; });
    test::pump_for(300ms);
    EXPECT_FALSE(loaded) << "a window made ready behind the splash loads nothing until it shows";
    window.present();

    EXPECT_EQ(test::controls(window).TabStrip1.get_current_page(), kBrowserView);
    EXPECT_TRUE(only_view_visible(window, kBrowserView));
    ASSERT_TRUE(test::pump_until([&] { return loaded; }));
    EXPECT_EQ(window.wb(kBrowserView).LocationURL(), m_home_page);
    EXPECT_EQ(window.wb(kSourceCodeView).LocationURL(), "");
    EXPECT_EQ(window.wb(kImagesView).LocationURL(), "");
}

TEST_F(MainWindowStartup, GoesToTheShippedStartPageWithoutAHomePageSetting)
{
    ProgramSettings(brand_identity().ProductTitle).set_home_page("");
    test::write_page(m_program.path() / "start.html", "Start", "<p>start</p>");
    Form1 window(m_program.path());
    window.present();

    EXPECT_TRUE(test::pump_until([&] { return window.wb(kBrowserView).LocationName() == "Start"; }))
        << window.wb(kBrowserView).LocationName();
}

// Installed, the executable lies in <prefix>/bin and the program's files in <prefix>/share/quillet;
// nothing is written under the prefix, even where it could be.
TEST_F(MainWindowStartup, InstalledReadsItsFilesFromTheDataFolderAndKeepsWorkFilesInTheUsers)
{
    ProgramSettings(brand_identity().ProductTitle).set_home_page("");
    const std::filesystem::path prefix = m_program.path() / "usr";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "share" / "quillet");
    test::write_page(prefix / "share" / "quillet" / "start.html", "Installed start", "<p>start</p>");
    const std::filesystem::path user_folder = test::environment().data_home() / brand_identity().ProductTitle;

    Form1 window(prefix / "bin");

    EXPECT_EQ(test::controls(window).sb1.panel_text(1), "") << "no complaint about a folder it never meant to write";
    for (const WorkFile file : kAllWorkFiles)
        EXPECT_EQ(test::read_file(user_folder / file_name_of(file)), "\r\n") << file_name_of(file);
    window.present();
    EXPECT_TRUE(test::pump_until([&] { return window.wb(kBrowserView).LocationName() == "Installed start"; }))
        << window.wb(kBrowserView).LocationName();
    std::vector<std::filesystem::path> under_prefix;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(prefix))
        under_prefix.push_back(entry.path());
    std::sort(under_prefix.begin(), under_prefix.end());
    EXPECT_EQ(under_prefix, (std::vector<std::filesystem::path>{prefix / "bin", prefix / "share",
                                                                 prefix / "share" / "quillet",
                                                                 prefix / "share" / "quillet" / "start.html"}));
}

TEST_F(MainWindowStartup, StartsAtTheGivenPageInsteadOfTheHomePage)
{
    const std::string given = test::write_page(m_pages.path() / "given.html", "Given", "<p>given</p>");
    Form1 window(m_program.path(), program_registry_locations(), given);
    std::vector<std::string> loaded;
    window.wb(kBrowserView).DownloadComplete().connect([&] { loaded.push_back(window.wb(kBrowserView).LocationURL()); });
    window.present();

    ASSERT_TRUE(test::pump_until([&] { return !loaded.empty(); }));
    test::pump_for(300ms);
    EXPECT_EQ(loaded, std::vector<std::string>{given});
    EXPECT_EQ(window.wb(kBrowserView).LocationName(), "Given");
}

struct ButtonDesign {
    PictureButton MainWindowControls::*button;
    std::string caption;
    std::string tooltip;
};

TEST_F(MainWindowStartup, ShowsEveryControlWithItsDesignTexts)
{
    Form1 window(m_program.path());
    MainWindowControls& controls = test::controls(window);
    const std::vector<ButtonDesign> buttons{
        {&MainWindowControls::cmbBack, "Back", "Back"},
        {&MainWindowControls::cmdForward, "Forward", "Forward"},
        {&MainWindowControls::cmdStop, "Stop", "Stop"},
        {&MainWindowControls::cmdRefresh, "Refresh", "Refresh"},
        {&MainWindowControls::cmdBackDir, "Up Dir", "Go back 1 directory level"},
        {&MainWindowControls::Command1, "Send to IE", "Send Page to Browser Tab"},
        {&MainWindowControls::cmdGo, "", "Go!"},
    };
    for (const ButtonDesign& design : buttons) {
        EXPECT_EQ((controls.*design.button).caption(), design.caption);
        EXPECT_EQ(std::string((controls.*design.button).get_tooltip_text()), design.tooltip);
    }
    EXPECT_EQ(std::string(window.get_icon_name()), "AAA");
    EXPECT_EQ(test::controls(window).Text1.get_text(), "URL:");
    EXPECT_FALSE(test::controls(window).Text1.get_editable());
    EXPECT_EQ(test::controls(window).txtUrl.get_text(), "");
    EXPECT_TRUE(test::controls(window).txtUrl.get_editable());
    EXPECT_EQ(test::controls(window).sb1.panel_count(), 2);

    const std::vector<std::pair<std::string, std::string>> tabs{
        {"Browser", "Browser Identical to Internet Explorer"},
        {"Source Code", "View the Source Code of the Current Page"},
        {"Images", "Displays All Images and Links to Images on the Current Page"},
    };
    ASSERT_EQ(test::controls(window).TabStrip1.get_n_pages(), 3);
    for (int tab = 0; tab < 3; ++tab) {
        const Gtk::Widget* label = controls.TabStrip1.get_tab_label(*controls.TabStrip1.get_nth_page(tab));
        EXPECT_EQ(std::string(dynamic_cast<const Gtk::Label&>(*label).get_text()), tabs[tab].first);
        EXPECT_EQ(std::string(label->get_tooltip_text()), tabs[tab].second);
    }
}

TEST_F(MainWindowStartup, OffersEveryMenuItemInOrderAllEnabled)
{
    Form1 window(m_program.path());
    const std::vector<std::pair<Menu, std::vector<std::string>>> menus{
        {Menu::File, {"Open", "Exit"}},
        {Menu::Go, {"Back", "Forward", "Stop", "Refresh", "Back a Directory", "Send Page to Browser Tab"}},
        {Menu::View,
         {"Browser", "Source Code", "Images", brand_identity().WebsiteAddress, "Source as Rendered", "Source as Served",
          "Image Details..."}},
        {Menu::Tools, {"Add program to IE Tools Menu", "Remove Program from IE Tools Menu"}},
        {Menu::Help, {"View Help"}},
        {Menu::About, {"About this software"}},
    };
    const Glib::RefPtr<Gio::MenuModel> bar = test::controls(window).menu_bar.get_menu_model();
    const std::vector<std::string> titles{"File", "Go", "View", "Tools", "Help", "About"};
    ASSERT_EQ(bar->get_n_items(), 6);
    for (int menu = 0; menu < 6; ++menu) {
        const auto title = bar->get_item_attribute(menu, Gio::MenuModel::Attribute::LABEL, Glib::VARIANT_TYPE_STRING);
        EXPECT_EQ(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(title).get().raw(), titles[menu]);
    }
    for (const auto& [menu, captions] : menus) {
        for (int index = 0; index < static_cast<int>(captions.size()); ++index) {
            EXPECT_EQ(test::controls(window).menu_bar.item_caption(menu, index), captions[index]);
            EXPECT_TRUE(window.action_enabled(MainMenuBar::action_name(menu, index)));
        }
    }
}

}
}
