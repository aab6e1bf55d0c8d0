#pragma once

#include "analysis/reference_list.h"
#include "app/layout_controls.h"
#include "app/main_menu_bar.h"
#include "app/picture_button.h"
#include "app/status_bar.h"
#include "platform/web_view.h"
#include "views/work_files.h"

#include <gtkmm/box.h>
#include <gtkmm/entry.h>
#include <gtkmm/fixed.h>
#include <gtkmm/levelbar.h>
#include <gtkmm/notebook.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/window.h>

#include <array>
#include <filesystem>
#include <memory>

namespace quillet {

// The three views of the current page; the tab number of TabStrip1 is the view index plus one.
inline constexpr int kBrowserView = 0;
inline constexpr int kSourceCodeView = 1;
inline constexpr int kImagesView = 2;
inline constexpr int kViewCount = 3;

// The main window: address box, navigation buttons, the three views behind a tab strip, status bar
// and progress bar. The brand identity must be loaded before it is built.
class Form1 : public Gtk::Window {
public:
    // The work files are kept in `program_directory` when it is writable.
    explicit Form1(std::filesystem::path program_directory);

    platform::WebView& wb(int index);

    // The visible view is the window's only record of which view is current.
    void ShowSelectedView(int index);
    void SelectView(int index);

    // Puts every control at its rectangle, given in client twips.
    void place_controls(const LayoutRects& rects);

private:
    // Declared before the controls, so they outlive the containers that show them.
    platform::WebSession m_session;
    std::array<std::unique_ptr<platform::WebView>, kViewCount> m_views;

    Gtk::Box m_frame;
    Gtk::ScrolledWindow m_client_area;
    Gtk::Fixed m_form;

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

private:
    void build_controls();
    void build_tab_strip();
    void put_controls();
    void place(Gtk::Widget& control, const Rect& twips);
    void build_frame();
    void connect_signals();

    void Form_Load();
    void prepare_work_files();
    std::string home_page() const;

    void TabStrip1_Click();
    void mnuViewItem_Click(int index);
    void cmdWebsite_Click();

    std::filesystem::path m_program_directory;
    WorkFiles m_work_files;
    LayoutRects m_layout;
    PageReferences m_page_references; // the scanners' hidden lists frmList and Links
};

}
