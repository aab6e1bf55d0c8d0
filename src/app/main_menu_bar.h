#pragma once

#include "app/window_commands.h"

#include <giomm/menu.h>
#include <gtkmm/popovermenubar.h>

#include <array>
#include <string>

namespace quillet {

// The main window's menu bar, its items those of the window commands that have a menu entry. Each
// item runs a named action of the window it is in ("win.back"), which also gives the item its
// enabled state.
class MainMenuBar : public Gtk::PopoverMenuBar {
public:
    MainMenuBar();

    void set_item_caption(Menu menu, int index, const std::string& caption);
    std::string item_caption(Menu menu, int index) const;

    // Runs the item's action as a click on the item does; false when there is no such item, or the
    // window has no such action.
    bool choose(Menu menu, int index);

    // The action an item runs, item indexes counted from 0 within each menu's item array.
    static std::string action_name(Menu menu, int index);

private:
    const Glib::RefPtr<Gio::Menu>& items(Menu menu) const;

    Glib::RefPtr<Gio::Menu> m_menus;
    std::array<Glib::RefPtr<Gio::Menu>, 6> m_items;
};

}
