#include "platform/program_folders.h"
#include "platform/string_conversions.h"
#include "platform/window_helpers.h"

#include <gtkmm/icontheme.h>

#include <algorithm>

namespace quillet::platform {

namespace {

void add_icon_directory(const Glib::RefPtr<Gdk::Display>& display, const std::filesystem::path& directory)
{
    const auto theme = Gtk::IconTheme::get_for_display(display);
    const auto search_path = theme->get_search_path();
    if (std::find(search_path.begin(), search_path.end(), directory.string()) == search_path.end())
        theme->add_search_path(directory.string());
}

Gtk::Window& top_owner_of(Gtk::Window& window)
{
    Gtk::Window* owner = &window;
    while (Gtk::Window* parent = owner->get_transient_for())
        owner = parent;
    return *owner;
}

}

std::filesystem::path program_icon_directory()
{
    return program_folders().files / "icons";
}

void set_window_icon(Gtk::Window& window, const std::string& icon_name, IconScope scope,
                     const std::filesystem::path& icon_directory)
{
    add_icon_directory(window.get_display(), icon_directory);
    const auto name = to_ustring(icon_name);
    switch (scope) {
    case IconScope::Window:
        break;
    case IconScope::WindowAndOwner:
        top_owner_of(window).set_icon_name(name);
        break;
    }
    window.set_icon_name(name);
}

}
