#pragma once

#include "platform/window_helpers.h"

#include <gtkmm/window.h>

#include <string>

namespace quillet {

using platform::IconScope;

// Gives `window` the program's icon `icon_name` (shipped beside the executable); with
// IconScope::WindowAndOwner also the top window of its owner chain.
void SetIcon(Gtk::Window& window, const std::string& icon_name, IconScope scope);

// Keeps `window` above ordinary windows, or lets it go back among them, where the desktop allows it.
void SetTopMost(Gtk::Window& window, bool on_top);

// Shows `window` not modal and without an owner, or brings it up again when it is open. The program
// keeps running while such a window is open, even after its main window has gone.
void show_modeless(Gtk::Window& window);

}
