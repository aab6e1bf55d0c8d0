#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include <string>
#include <vector>

namespace quillet {

// A row of text panels along the bottom of a window. Panels are numbered from 1, left to right.
class StatusBar : public Gtk::Box {
public:
    // The bar starts with one panel.
    StatusBar();

    // Adds a panel of the default width at the right end.
    void add_panel();
    int panel_count() const;

    void set_panel_text(int number, const std::string& text);
    std::string panel_text(int number) const;

    // With a notice, the first panel's width is shared with it.
    void set_panel_width(int number, int pixels);

    // A lasting notice in a panel of its own right of the first panel, which goes on showing its
    // own texts; `tooltip` tells the whole of it.
    void set_notice(const std::string& text, const std::string& tooltip);
    std::string notice_text() const;
    std::string notice_tooltip() const;

private:
    Gtk::Label& panel(int number) const;
    void share_first_panel();

    std::vector<Gtk::Label*> m_panels;
    Gtk::Label* m_notice = nullptr;
    int m_first_panel_width = 0; // the first panel's and the notice's width together
};

}
