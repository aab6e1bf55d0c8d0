#pragma once

#include "analysis/reference_list.h"
#include "app/client_area.h"
#include "app/find_controller.h"
#include "app/image_details_window.h"
#include "app/image_save_session.h"
#include "app/layout_controls.h"
#include "app/main_window_controls.h"
#include "app/navigation_commands.h"
#include "app/page_view_driver.h"
#include "app/progress_bar_state.h"
#include "app/tools_menu_commands.h"
#include "app/view_switcher.h"
#include "app/window_actions.h"
#include "app/window_commands.h"
#include "platform/program_folders.h"
#include "platform/web_view.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "views/work_files.h"

#include <gtkmm/box.h>
#include <gtkmm/filechoosernative.h>
#include <gtkmm/fixed.h>
#include <gtkmm/gestureclick.h>
#include <gtkmm/window.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quillet {

class MainWindowTestAccess;

// The main window: address box, navigation buttons, the three views behind a tab strip, status bar
// and progress bar. It builds the screen and connects it; its commands live with their own
// collaborators. The brand identity must be loaded before it is built.
class Form1 : public Gtk::Window {
public:
    // `program_directory` holds the executable: a build keeps its files and, while it is writable,
    // the work files there; an installed program reads its files from its prefix's data folder and
    // keeps the work files in the user's. The Tools menu adds and removes the program's entry in
    // `registry`. The "Browser" view starts at `start_page`, or at the home page when it is empty.
    explicit Form1(const std::filesystem::path& program_directory,
                   RegistryLocations registry = program_registry_locations(), std::string start_page = {});
    ~Form1() override;

    platform::WebView& wb(int index);

    // The visible view is the window's only record of which view is current.
    void ShowSelectedView(int index);
    void SelectView(int index);

    // Whether the window's action of that name ("win.tools-add") may run now.
    bool action_enabled(const std::string& name) const;

    // The splash stays loaded, hidden, until this window unloads.
    void adopt_splash(std::unique_ptr<Gtk::Window> splash);
    // Opens the help window when the user's "Show at Startup" box is checked.
    void show_help_at_startup();
    // What File > Open does with the file the user chose: loads it into the "Browser" view and
    // leaves the shown view as it is.
    void open_local_file(const std::filesystem::path& path);

    // Whether the generated views still wait for a run for the page shown, and when that changes.
    bool page_views_rebuilding() const { return m_page_view_driver.rebuilding(); }
    sigc::signal<void()>& page_views_rebuilding_changed() { return m_page_view_driver.rebuilding_changed(); }

    // The scanners' lists for the page the generated views show.
    const PageReferences& page_references() const { return m_page_references; }

    // What "Save All Images..." does with the folder the user chose.
    void save_all_images(const std::filesystem::path& folder);
    bool saving_images() const { return m_image_saving.saving(); }

    // View > "Image Details...": opens the window, or brings it up, and lists the page again.
    ImageDetailsWindow& show_image_details();

private:
    friend const std::vector<WindowCommand>& window_commands();
    friend class MainWindowTestAccess;

    void put_controls();
    void place(Gtk::Widget& control, const Rect& twips);
    // Puts every control at its rectangle, given in client twips.
    void place_controls(const LayoutRects& rects);
    void build_frame();
    void add_actions();
    void connect_controls();
    void connect_views();

    void Form_Load();
    void on_show() override;
    void open_start_page();
    void prepare_work_files();
    std::string home_page() const;

    void Form_Resize(int client_width, int client_height);

    void show_open_file_dialog();
    void on_open_file_dialog_response(int response);
    void cmdWebsite_Click();
    void mnuHelpItem_Click();
    void mnuAboutItem_Click();
    void focus_address_box();
    void zoom_shown_view(double (*step)(double));
    void zoom_reset();
    void choose_source_listing(SourceListing listing);

    bool on_close_request() override;
    void Form_Unload();
    void end_program_at_once();

    void on_mouse_buttons_pressed(Gtk::GestureClick& gesture);
    void update_stop_loading();
    void wb_StatusTextChange(const std::string& text);
    void wb_ProgressChange(int progress, int maximum);
    void wb_TitleChange(const std::string& title);
    void update_views_behind();

    // Declared before the controls, so they outlive the containers that show them.
    platform::WebSession m_session;
    WindowViews m_views;

    Gtk::Box m_frame;
    Gtk::Fixed m_form; // before the client area, which lets go of it when it goes
    ClientArea m_client_area;
    MainWindowControls m_controls;

    platform::ProgramFolders m_folders;
    std::string m_start_page;
    bool m_start_page_opened = false;
    WorkFiles m_work_files;
    std::string m_work_files_notice; // where the work files are, when not in the program directory
    LayoutRects m_layout;
    PageReferences m_page_references; // the scanners' hidden lists frmList and Links
    ProgressBarState m_progress;
    // Cancelled when the window goes away, ending whatever still waits for an answer.
    Glib::RefPtr<Gio::Cancellable> m_cancellable = Gio::Cancellable::create();
    PageViewDriver m_page_view_driver;

    WindowActions m_actions;
    ViewSwitcher m_view_switcher;
    FindController m_find;
    ImageSaveSession m_image_saving;
    NavigationCommands m_navigation;
    ToolsMenuCommands m_tools_menu;
    std::vector<sigc::connection> m_view_connections; // to the views, which outlive the handlers
    Glib::RefPtr<Gtk::FileChooserNative> m_open_file_dialog; // made on first use, keeps its folder
    std::unique_ptr<Gtk::Window> m_splash;
    std::unique_ptr<Form8> m_help_window;
    std::unique_ptr<frmAbout> m_about_window;
    std::unique_ptr<ImageDetailsWindow> m_image_details; // made on first use
};

}
