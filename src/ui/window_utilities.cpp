#include "ui/window_utilities.h"

#include <gtkmm/application.h>

namespace quillet {

void SetIcon(Gtk::Window& window, const std::string& icon_name, IconScope scope)
{
    platform::set_window_icon(window, icon_name, scope);
}

void SetTopMost(Gtk::Window& window, bool on_top)
{
    platform::set_keep_above(window, on_top);
}

void show_modeless(Gtk::Window& window)
{
    auto application = std::dynamic_pointer_cast<Gtk::Application>(Gio::Application::get_default());
    if (application && !window.get_application())
        application->add_window(window);
    window.present();
}

}
