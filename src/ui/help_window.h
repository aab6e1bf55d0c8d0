#pragma once

#include "ui/rtf_text_view.h"

#include <gtkmm/box.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/window.h>

#include <filesystem>

namespace quillet {

// The "Readme/Help" window: the rich text of "Help.rtf" from the program directory above the
// "Show at Startup" box, which mirrors the user's "showHelp" setting. The brand identity names the
// settings; it must be loaded before the window is built.
class Form8 : public Gtk::Window {
public:
    explicit Form8(const std::filesystem::path& program_directory);

    // Shows the window, or leaves it invisible when there was no help file to show.
    void Show();

    RtfTextView rtf1;
    Gtk::CheckButton Check1;

private:
    void build_window();
    void Form_Load(const std::filesystem::path& program_directory);
    void load_help_file(const std::string& path);
    void Check1_Click();

    Gtk::Box m_content;
    Gtk::ScrolledWindow m_text_area;
    bool m_has_help = false;
};

}
