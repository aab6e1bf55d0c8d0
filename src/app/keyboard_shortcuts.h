#pragma once

#include <gtkmm/application.h>

namespace quillet {

// Binds the keys of the window commands to their actions, once for every window of `application`.
void install_keyboard_shortcuts(Gtk::Application& application);

}
