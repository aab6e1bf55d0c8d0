#include "app/keyboard_shortcuts.h"

#include "app/window_commands.h"

namespace quillet {

void install_keyboard_shortcuts(Gtk::Application& application)
{
    for (const WindowCommand& command : window_commands()) {
        if (!command.keys.empty())
            application.set_accels_for_action(command.action,
                                              std::vector<Glib::ustring>(command.keys.begin(), command.keys.end()));
    }
}

}
