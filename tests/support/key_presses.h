#pragma once

#include <gtkmm/widget.h>
#include <gtkmm/window.h>

#include <string>

namespace quillet::test {

// Presses and releases `accelerator` ("<Control>l", "<Alt>Left", "F5") on the real display, as a
// person at the keyboard would, with `window` holding the keyboard focus. Returns false when the
// key cannot be typed on this display.
[[nodiscard]] bool press_keys(Gtk::Window& window, const std::string& accelerator);

// Clicks mouse button `button` (8 and 9 are the back and forward buttons) over the middle of `widget`.
[[nodiscard]] bool click_mouse_button(Gtk::Widget& widget, unsigned button);

}
