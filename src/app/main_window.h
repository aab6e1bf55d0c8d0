#pragma once

#include "analysis/reference_list.h"
#include "app/client_area.h"
#include "app/find_bar.h"
#include "app/image_saver.h"
#include "app/layout_controls.h"
#include "app/main_menu_bar.h"
#include "app/picture_button.h"
#include "app/progress_bar_state.h"
#include "app/status_bar.h"
#include "app/window_actions.h"
#include "integration/tools_menu.h"
#include "platform/program_folders.h"
#include "platform/web_view.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "app/page_view_driver.h"
#include "views/work_files.h"

#include <gtkmm/box.h>
#include <gtkmm/entry.h>
#include <gtkmm/filechoosernative.h>
#include <gtkmm/fixed.h>
#include <gtkmm/gestureclick.h>
#include <gtkmm/levelbar.h>
#include <gtkmm/notebook.h>
#include <gtkmm/window.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quillet {

// The three views of the current page; the tab number of TabStrip1 is the view index plus one.
inline constexpr int kBrowserView = 0;
inline constexpr int kSourceCodeView = 1;
inline constexpr int kImagesView = 2;
inline constexpr int kViewCount = 3;

// Where the program keeps its Tools-menu entry: the system-wide registry root and the user's.
RegistryLocations program_registry_locations();

// The main window: address box, navigation buttons, the three views behind a tab strip, status bar
// and progress bar. The brand identity must be loaded before it is built.
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

    // Puts every control at its rectangle, given in client twips.
    void place_controls(const LayoutRects& rects);

    // The navigation commands, shared by the buttons, the address box and the Go menu.
    void cmbBack_Click();
    void cmdForward_Click();
    void cmdStop_Click();
    void cmdRefresh_Click();
    void cmdBackDir_Click();
    void Command1_Click();
    void cmdGo_Click();
    // The Go menu's items by index, each running its button's action.
    void mnuGoItem_Click(int index);

    // Whether the window's action of that name ("win.tools-add") may run now.
    bool action_enabled(const std::string& name) const;

    // The splash stays loaded, hidden, until this window unloads.
    void adopt_splash(std::unique_ptr<Gtk::Window> splash);
    // Opens the help window when the user's "Show at Startup" box is checked.
    void show_help_at_startup();
    // What File > Open does with the file the user chose: loads it into the "Browser" view and
    // leaves the shown view as it is.
    void open_local_file(const std::filesystem::path& path);

    // The scanners' lists for the page the generated views show.
    const PageReferences& page_references() const { return m_page_references; }

    // What "Save All Images..." does with the folder the user chose: saves every image of the
    // Images view's list there, with a manifest. The status bar tells how it ended.
    void save_all_images(const std::filesystem::path& folder);
    bool saving_images() const { return m_image_saver && m_image_saver->running(); }

private:
    // Declared before the controls, so they outlive the containers that show them.
    platform::WebSession m_session;
    std::array<std::unique_ptr<platform::WebView>, kViewCount> m_views;

    Gtk::Box m_frame;
    Gtk::Fixed m_form; // before the client area, which lets go of it when it goes
    ClientArea m_client_area;

public:
    MainMenuBar menu_bar;
    // The controls, by their own names.
    PictureButton cmbBack;
    PictureButton cmdForward;
    PictureButton cmdStop;
    PictureButton cmdRefresh;
    PictureButton cmdBackDir;
    PictureButton Command1;
    PictureButton cmdWebsite;
    Gtk::Entry Text1;
    Gtk::Entry txtUrl;
    PictureButton cmdGo;
    Gtk::Notebook TabStrip1;
    StatusBar sb1;
    Gtk::LevelBar pb1;
    FindBar find_bar; // over the top right corner of the views

private:
    void build_controls();
    void build_tab_strip();
    void put_controls();
    void place(Gtk::Widget& control, const Rect& twips);
    void build_frame();
    void connect_signals();

    void Form_Load();
    void on_show() override;
    void open_start_page();
    void prepare_work_files();
    std::string home_page() const;

    void TabStrip1_Click();
    void mnuViewItem_Click(int index);
    void cmdWebsite_Click();

    void Form_Resize(int client_width, int client_height);

    void mnuFileItem_Click(int index);
    void show_open_file_dialog();
    void on_open_file_dialog_response(int response);
    void mnuToolsItem_Click(int index);
    ToolsMenuProgram tools_menu_program() const;
    void set_tools_menu_state(const ToolsMenuState& state);
    void mnuHelpItem_Click();
    void mnuAboutItem_Click();

    bool on_close_request() override;
    void Form_Unload();
    void end_program_at_once();

    void add_actions();
    void connect_actions();
    void on_mouse_buttons_pressed(Gtk::GestureClick& gesture);
    void update_stop_loading();
    void stop_everything();
    void focus_address_box();
    void select_neighbour_view(int step);

    void connect_find_bar();
    void wb_FindResult(unsigned matches, int view);
    void open_find_bar();
    void find_next();
    void find_previous();
    void close_find_bar();
    void follow_shown_view_with_find_bar();
    void set_find_actions_enabled(bool enabled);
    void zoom_in();
    void zoom_out();
    void zoom_reset();

    int visible_view();

    void add_images_view_menu_items();
    std::vector<std::string> image_addresses() const;
    void copy_image_addresses();
    void show_save_images_dialog();
    void on_save_images_dialog_response(int response);
    void on_image_saver_progress(std::size_t ended, std::size_t total);
    void on_image_saver_finished(const ImageSaver::Summary& summary);

    void connect_browser_events();
    void wb_StatusTextChange(const std::string& text);
    void wb_ProgressChange(int progress, int maximum);
    void wb_TitleChange(const std::string& title);
    void on_page_view_driver_run_notice(const std::string& message);

    platform::ProgramFolders m_folders;
    std::string m_start_page;
    bool m_start_page_opened = false;
    WorkFiles m_work_files;
    std::string m_work_files_notice; // where the work files are, when not in the program directory
    LayoutRects m_layout;
    int m_find_view = kBrowserView; // the view the find bar searches
    PageReferences m_page_references; // the scanners' hidden lists frmList and Links
    ProgressBarState m_progress;
    // Cancelled when the window goes away, ending whatever still waits for an answer.
    Glib::RefPtr<Gio::Cancellable> m_cancellable = Gio::Cancellable::create();
    PageViewDriver m_page_view_driver;

    RegistryStore m_registry;
    WindowActions m_actions;
    std::vector<sigc::connection> m_loading_connections; // to the views, which outlive the handlers
    Glib::RefPtr<Gtk::FileChooserNative> m_open_file_dialog; // made on first use, keeps its folder
    Glib::RefPtr<Gtk::FileChooserNative> m_save_images_dialog; // made on first use, keeps its folder
    std::unique_ptr<ImageSaver> m_image_saver; // the last save, kept until the next one starts
    std::unique_ptr<Gtk::Window> m_splash;
    std::unique_ptr<Form8> m_help_window;
    std::unique_ptr<frmAbout> m_about_window;
};

}
