#include "app/main_window.h"

#include "analysis/url_helpers.h"
#include "app_test_files.h"
#include "main_window_test_access.h"
#include "platform/executable_resource.h"
#include "platform/typed_address.h"
#include "support/isolated_environment.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/program_settings.h"

#include <gtest/gtest.h>
#include <gtkmm/filechooserdialog.h>

#include <chrono>
#include <fstream>

namespace quillet {
namespace {

using namespace std::chrono_literals;

// The program's windows now showing that carry `title`.
std::vector<Gtk::Window*> shown_windows(const std::string& title)
{
    std::vector<Gtk::Window*> found;
    for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
        if (window->get_visible() && window->get_title().raw() == title)
            found.push_back(window);
    }
    return found;
}

class MainWindowMenus : public testing::Test {
protected:
    void SetUp() override
    {
        LoadBrandIdentity();
        m_home_page = test::write_page(m_pages.path() / "home.html", "Home", "<p>home</p>");
        ProgramSettings(brand_identity().ProductTitle).set_home_page(m_home_page);
    }

    void open_window(RegistryLocations registry = program_registry_locations())
    {
        m_window = std::make_unique<Form1>(m_program.path(), std::move(registry));
        m_window->present();
        ASSERT_TRUE(test::pump_until([&] { return m_window->wb(kBrowserView).LocationURL() == m_home_page; }));
    }

    void choose(Menu menu, int item)
    {
        test::controls(*m_window).menu_bar.choose(menu, item);
    }

    // Whether the "Browser" view has loaded the page at `address` with its title.
    bool shows_page(const std::string& address, const std::string& title)
    {
        return m_window->wb(kBrowserView).LocationURL() == address && m_window->wb(kBrowserView).LocationName() == title;
    }

    // The toolkit's own file dialog, which stands in for a native one on this desktop.
    static Gtk::FileChooserDialog* wait_for_file_dialog()
    {
        Gtk::FileChooserDialog* dialog = nullptr;
        test::pump_until([&] {
            for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
                if (auto* chooser = dynamic_cast<Gtk::FileChooserDialog*>(window); chooser && chooser->get_visible())
                    dialog = chooser;
            }
            return dialog != nullptr;
        });
        return dialog;
    }

    void ship_help_file() { std::filesystem::copy_file(QUILLET_HELP_RTF, m_program.path() / "Help.rtf"); }

    test::TempDirectory m_pages;
    test::TempDirectory m_program;
    std::string m_home_page;
    std::unique_ptr<Form1> m_window;
};

TEST_F(MainWindowMenus, OpenLoadsTheFileBehindTheShownImagesViewAndRebuildsIt)
{
    open_window();
    const std::filesystem::path page = m_pages.path() / "gallery.html";
    const std::string page_uri = test::write_page(page, "Gallery", "<img src=\"kestrel-picture.png\">");
    m_window->SelectView(kImagesView);
    int images_loaded = 0;
    m_window->wb(kImagesView).DownloadComplete().connect([&] { ++images_loaded; });

    m_window->open_local_file(page);

    ASSERT_TRUE(test::pump_until([&] { return m_window->wb(kBrowserView).LocationURL() == page_uri; }));
    ASSERT_TRUE(test::pump_until([&] {
        return images_loaded > 0 && test::read_file(m_program.path() / "imagepage.html").find("kestrel-picture.png") !=
                                        std::string::npos;
    }));
    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), kImagesView);
    EXPECT_TRUE(m_window->wb(kImagesView).Visible());
    EXPECT_FALSE(m_window->wb(kBrowserView).Visible());
}

// A cancel after an earlier open does not load the earlier file again.
TEST_F(MainWindowMenus, OpenLoadsTheChosenFileAndALaterCancelKeepsTheShownPage)
{
    open_window();
    const std::filesystem::path chosen = m_pages.path() / "chosen.html";
    const std::string chosen_uri = test::write_page(chosen, "Chosen", "<p>chosen</p>");
    choose(Menu::File, 0);
    Gtk::FileChooserDialog* dialog = wait_for_file_dialog();
    ASSERT_NE(dialog, nullptr);
    std::vector<std::string> filters;
    const auto filter_list = dialog->get_filters();
    for (guint index = 0; index < filter_list->get_n_items(); ++index)
        filters.push_back(std::dynamic_pointer_cast<const Gtk::FileFilter>(filter_list->get_object(index))->get_name());
    EXPECT_EQ(filters, (std::vector<std::string>{"HTML files", "All files"}));
    EXPECT_EQ(dialog->get_action(), Gtk::FileChooser::Action::OPEN);
    EXPECT_TRUE(dialog->get_modal());
    dialog->set_file(Gio::File::create_for_path(chosen.string()));
    ASSERT_TRUE(test::pump_until([&] { return dialog->get_file() && dialog->get_file()->get_path() == chosen; }));
    dialog->response(Gtk::ResponseType::ACCEPT);
    ASSERT_TRUE(test::pump_until([&] { return shows_page(chosen_uri, "Chosen"); }));

    const std::string later = test::write_page(m_pages.path() / "later.html", "Later", "<p>later</p>");
    m_window->wb(kBrowserView).Navigate(later);
    ASSERT_TRUE(test::pump_until([&] { return shows_page(later, "Later"); }));
    choose(Menu::File, 0);
    dialog = wait_for_file_dialog();
    ASSERT_NE(dialog, nullptr);
    dialog->response(Gtk::ResponseType::CANCEL);
    test::pump_for(500ms);
    EXPECT_TRUE(shows_page(later, "Later")) << m_window->wb(kBrowserView).LocationURL();
    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), kBrowserView);
}

TEST_F(MainWindowMenus, GoBackADirectoryActsLikeTheUpDirButton)
{
    open_window();
    ASSERT_TRUE(test::pump_until([&] { return test::controls(*m_window).txtUrl.get_text().raw() == m_home_page; }));
    m_window->SelectView(kImagesView);

    choose(Menu::Go, 4);

    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), kBrowserView);
    EXPECT_EQ(std::string(test::controls(*m_window).txtUrl.get_text()), ParentUrl(m_home_page));

    // The Go menu's handler by item index runs the same action; an index past the items does nothing.
    m_window->SelectView(kImagesView);
    test::controls(*m_window).menu_bar.choose(Menu::Go, 4);
    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), kBrowserView);
    EXPECT_EQ(std::string(test::controls(*m_window).txtUrl.get_text()), ParentUrl(ParentUrl(m_home_page)));
    m_window->SelectView(kImagesView);
    test::controls(*m_window).menu_bar.choose(Menu::Go, 6);
    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), kImagesView);
}

TEST_F(MainWindowMenus, ViewHelpShowsTheHelpFileOnceAndBringsItUpAgain)
{
    ship_help_file();
    open_window();

    choose(Menu::Help, 0);
    ASSERT_EQ(shown_windows("Readme/Help").size(), 1U);
    Gtk::Window* help = shown_windows("Readme/Help").front();
    EXPECT_EQ(help->get_transient_for(), nullptr) << "the help window has no owner";
    EXPECT_FALSE(help->get_modal());

    choose(Menu::Help, 0);
    EXPECT_EQ(shown_windows("Readme/Help"), std::vector<Gtk::Window*>{help});
}

TEST_F(MainWindowMenus, ViewHelpShowsNothingWithoutAHelpFile)
{
    open_window();
    choose(Menu::Help, 0);
    choose(Menu::Help, 0);
    test::pump_for(300ms);
    EXPECT_TRUE(shown_windows("Readme/Help").empty());
}

TEST_F(MainWindowMenus, AboutShowsOneWindowWithoutAnOwner)
{
    open_window();
    const std::string title = "About " + brand_identity().ProductTitle;

    choose(Menu::About, 0);
    ASSERT_EQ(shown_windows(title).size(), 1U);
    Gtk::Window* about = shown_windows(title).front();
    EXPECT_EQ(about->get_transient_for(), nullptr);
    EXPECT_FALSE(about->get_modal());

    choose(Menu::About, 0);
    EXPECT_EQ(shown_windows(title), std::vector<Gtk::Window*>{about});

    about->close();
    choose(Menu::About, 0);
    EXPECT_EQ(shown_windows(title).size(), 1U) << "a closed About window opens again";
}

TEST_F(MainWindowMenus, StartupOpensTheHelpWindowOnlyWhenTheBoxIsChecked)
{
    ship_help_file();
    open_window();
    ProgramSettings(brand_identity().ProductTitle).set_show_help(false);
    m_window->show_help_at_startup();
    EXPECT_TRUE(shown_windows("Readme/Help").empty());

    ProgramSettings(brand_identity().ProductTitle).set_show_help(true);
    m_window->show_help_at_startup();
    EXPECT_EQ(shown_windows("Readme/Help").size(), 1U);
}

class ToolsMenu : public MainWindowMenus {
protected:
    struct MenuState {
        bool add_enabled;
        bool remove_enabled;
        bool operator==(const MenuState&) const = default;
    };

    MenuState menu_state()
    {
        return {m_window->action_enabled(MainMenuBar::action_name(Menu::Tools, 0)),
                m_window->action_enabled(MainMenuBar::action_name(Menu::Tools, 1))};
    }

    std::optional<std::vector<RegistryValue>> entry(const RegistryLocations& registry)
    {
        return RegistryStore(registry).values(RegistryRoot::LocalMachine, kToolsMenuKeyPath);
    }

    ToolsMenuProgram program()
    {
        return {brand_identity().ProductTitle, m_program.path(), platform::running_executable().filename().string(),
                m_program.path()};
    }

    std::vector<RegistryValue> expected_entry() { return tools_menu_values(program()); }

    // The desktop entry's text, when the first system data folder holds it.
    static std::optional<std::string> desktop_entry()
    {
        const auto file = test::environment().system_data_dir() / "applications" / kToolsMenuDesktopFile;
        if (!std::filesystem::exists(file))
            return std::nullopt;
        return test::read_file(file);
    }

    test::TempDirectory m_roots;
};

TEST_F(ToolsMenu, AddWritesTheEntryOnceAndRemoveDeletesIt)
{
    const RegistryLocations registry{m_roots.path() / "machine", m_roots.path() / "user"};
    open_window(registry);
    ASSERT_EQ(menu_state(), (MenuState{true, true}));

    choose(Menu::Tools, 0);
    EXPECT_EQ(entry(registry), expected_entry());
    EXPECT_EQ(desktop_entry(), tools_menu_desktop_entry(program()));
    EXPECT_EQ(menu_state(), (MenuState{false, true}));

    choose(Menu::Tools, 0); // disabled: does nothing
    EXPECT_EQ(entry(registry), expected_entry());
    EXPECT_EQ(menu_state(), (MenuState{false, true}));

    choose(Menu::Tools, 1);
    EXPECT_EQ(entry(registry), std::nullopt);
    EXPECT_EQ(desktop_entry(), std::nullopt);
    EXPECT_EQ(menu_state(), (MenuState{true, false}));

    choose(Menu::Tools, 0);
    EXPECT_EQ(entry(registry), expected_entry());
    EXPECT_EQ(menu_state(), (MenuState{false, true}));
    EXPECT_FALSE(std::filesystem::exists(registry.current_user)) << "the entry is the machine's, not the user's";
}

TEST_F(ToolsMenu, WithoutRightsNothingIsWrittenAndTheMenuStillChanges)
{
    // Even root cannot create a directory beneath a regular file.
    std::ofstream(m_roots.path() / "locked") << "x";
    const RegistryLocations registry{m_roots.path() / "locked" / "machine", m_roots.path() / "user"};
    open_window(registry);

    choose(Menu::Tools, 0);
    EXPECT_EQ(entry(registry), std::nullopt);
    EXPECT_EQ(menu_state(), (MenuState{false, true}));

    choose(Menu::Tools, 1);
    EXPECT_EQ(entry(registry), std::nullopt);
    EXPECT_EQ(menu_state(), (MenuState{true, false}));
}

}
}
