#pragma once

#include <giomm/menu.h>
#include <giomm/simpleactiongroup.h>
#include <gtkmm/popovermenubar.h>
#include <sigc++/signal.h>

#include <array>
#include <string>

namespace quillet {

// The menus of the main window, left to right.
enum class Menu { File, Go, View, Tools, Help, About };

// The main window's menu bar. Each menu's items form one array: choosing an item raises the menu's
// item_clicked signal with the item's index, counted from 0. Items are enabled through their actions.
class MainMenuBar : public Gtk::PopoverMenuBar {
public:
    MainMenuBar();

    sigc::signal<void(int)>& item_clicked(Menu menu);

    void set_item_caption(Menu menu, int index, const std::string& caption);
    std::string item_caption(Menu menu, int index) const;

    void set_item_enabled(Menu menu, int index, bool enabled);
    bool item_enabled(Menu menu, int index) const;

    // The name under which this bar activates the item, e.g. for activate_action().
    static std::string action_name(Menu menu, int index);

private:
    struct Submenu {
        Glib::RefPtr<Gio::Menu> items;
        sigc::signal<void(int)> clicked;
    };

    Submenu& submenu(Menu menu);
    const Submenu& submenu(Menu menu) const;
    void add_item(Menu menu, int index, const std::string& caption);
    void on_item_activate(Menu menu, int index);

    Glib::RefPtr<Gio::Menu> m_menus;
    Glib::RefPtr<Gio::SimpleActionGroup> m_actions;
    std::array<Submenu, 6> m_submenus;
};

}
