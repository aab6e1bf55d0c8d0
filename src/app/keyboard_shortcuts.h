#pragma once

#include <gtkmm/application.h>

#include <string>
#include <vector>

namespace quillet {

// The keys of one window action, written as the toolkit writes accelerators ("<Control>l").
struct KeyboardShortcut {
    std::string action;
    std::vector<std::string> keys;
};

// Every key of the main window, as desktop browsers have them.
const std::vector<KeyboardShortcut>& keyboard_shortcuts();

// Binds the keys to the window actions, once for every window of `application`.
void install_keyboard_shortcuts(Gtk::Application& application);

}
