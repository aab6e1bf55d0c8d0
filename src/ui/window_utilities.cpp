#include "ui/window_utilities.h"

namespace quillet {

void SetIcon(Gtk::Window& window, const std::string& icon_name, IconScope scope)
{
    platform::set_window_icon(window, icon_name, scope);
}

void SetTopMost(Gtk::Window& window, bool on_top)
{
    platform::set_keep_above(window, on_top);
}

}
