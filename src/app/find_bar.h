#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/searchentry.h>
#include <sigc++/signal.h>

#include <string>

namespace quillet {

// The bar that finds text in the shown view: the text to find, the number of matches, and a
// close button. Enter and Shift+Enter ask for the next and previous match, Escape closes it.
class FindBar : public Gtk::Box {
public:
    FindBar();

    // Opens the bar with its text selected, ready for typing.
    void open();

    std::string text() const;
    void set_text(const std::string& text);

    // Shows how many matches the shown view has; 0 says plainly that there is none.
    void show_matches(unsigned matches);
    std::string result_text() const;

    sigc::signal<void(const std::string&)>& signal_text_changed() { return m_text_changed; }
    sigc::signal<void()>& signal_next() { return m_next; }
    sigc::signal<void()>& signal_previous() { return m_previous; }
    sigc::signal<void()>& signal_close() { return m_closed; }

private:
    bool on_entry_key_pressed(guint keyval, guint keycode, Gdk::ModifierType state);

    Gtk::SearchEntry m_entry;
    Gtk::Label m_result;
    Gtk::Button m_close_button;
    sigc::signal<void(const std::string&)> m_text_changed;
    sigc::signal<void()> m_next;
    sigc::signal<void()> m_previous;
    sigc::signal<void()> m_closed;
};

// "1 match", "3 matches", or "No match".
std::string matches_caption(unsigned matches);

}
