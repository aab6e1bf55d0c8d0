#pragma once

#include <gtkmm/window.h>

namespace quillet {

inline constexpr const char* kMainWindowStyleClass = "quillet-main";

// Lets the controls of windows with kMainWindowStyleClass take their design sizes, which are
// smaller than the theme's default minimums. Installed once per display.
void install_main_window_style(Gtk::Window& window);

}
