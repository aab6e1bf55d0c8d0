#pragma once

#include <gtkmm/window.h>

#include <filesystem>
#include <string>

namespace quillet::platform {

enum class IconScope {
    Window,         // only the given window
    WindowAndOwner, // also the top window of its transient-for chain (the window itself when it has none)
};

// The "icons" folder among the program's files: the icons shipped with the program.
std::filesystem::path program_icon_directory();

// Gives `window` the icon `icon_name`, looked up in `icon_directory` (added once to the icon
// search path of the window's display) and then in the desktop's icon themes. An icon found
// nowhere leaves the desktop's default icon.
void set_window_icon(Gtk::Window& window, const std::string& icon_name, IconScope scope,
                     const std::filesystem::path& icon_directory = program_icon_directory());

// Keeps `window` above ordinary windows (or no longer), where the desktop allows it: on X11 the
// window manager is asked through _NET_WM_STATE_ABOVE now if the window is shown, and again each
// time it is shown; other desktops are left alone.
void set_keep_above(Gtk::Window& window, bool above);

}
