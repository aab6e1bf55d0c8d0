#include "app/keyboard_shortcuts.h"

#include "app/window_actions.h"

namespace quillet {

const std::vector<KeyboardShortcut>& keyboard_shortcuts()
{
    static const std::vector<KeyboardShortcut> shortcuts{
        {action::kFocusAddress, {"<Control>l", "<Alt>d", "F6"}},
        {action::kBack, {"<Alt>Left"}},
        {action::kForward, {"<Alt>Right"}},
        {action::kRefresh, {"F5", "<Control>r"}},
        {action::kStopLoading, {"Escape"}},
        {action::kOpen, {"<Control>o"}},
        {action::kExit, {"<Control>q", "<Control>w"}},
        {action::view(0), {"<Control>1"}},
        {action::view(1), {"<Control>2"}},
        {action::view(2), {"<Control>3"}},
        {action::kPreviousView, {"<Control>Page_Up"}},
        {action::kNextView, {"<Control>Page_Down"}},
        {action::kHelp, {"F1"}},
        {action::kFind, {"<Control>f"}},
        {action::kFindNext, {"F3"}},
        {action::kFindPrevious, {"<Shift>F3"}},
        {action::kZoomIn, {"<Control>plus", "<Control>equal", "<Control>KP_Add"}},
        {action::kZoomOut, {"<Control>minus", "<Control>KP_Subtract"}},
        {action::kZoomReset, {"<Control>0", "<Control>KP_0"}},
    };
    return shortcuts;
}

void install_keyboard_shortcuts(Gtk::Application& application)
{
    for (const KeyboardShortcut& shortcut : keyboard_shortcuts())
        application.set_accels_for_action(shortcut.action,
                                          std::vector<Glib::ustring>(shortcut.keys.begin(), shortcut.keys.end()));
}

}
