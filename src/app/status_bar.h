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

    void set_panel_width(int number, int pixels);

private:
    Gtk::Label& panel(int number) const;

    std::vector<Gtk::Label*> m_panels;
};

}
