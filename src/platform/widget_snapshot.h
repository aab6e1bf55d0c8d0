#pragma once

#include <gtkmm/widget.h>

#include <filesystem>
#include <string>

namespace quillet::platform {

// Web views draw their pages where a picture of their window can take them only when they do not
// composite on the graphics card. Call before the first web view is made in a program that will
// take such pictures.
void prepare_web_views_for_window_pictures();

// Renders `widget` as it last drew itself and writes the picture to `file` as PNG.
// Returns an empty string on success, otherwise a message that names what failed: kNothingDrawn
// when a change waits to be drawn, as every change does until the next frame is painted.
std::string save_widget_png(Gtk::Widget& widget, const std::filesystem::path& file);
inline constexpr const char* kNothingDrawn = "the window drew nothing";

}
