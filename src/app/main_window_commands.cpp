#include "app/main_window.h"

#include "app/zoom_steps.h"

#include <gtkmm/gestureclick.h>

namespace quillet {

namespace {

// The extra buttons of a mouse, as the pointer reports them.
constexpr unsigned kBackMouseButton = 8;
constexpr unsigned kForwardMouseButton = 9;

}

std::string action::view(int index)
{
    return std::string(kView) + "(" + std::to_string(index) + ")";
}

const std::vector<WindowCommand>& window_commands()
{
    using Controls = MainWindowControls;
    static const std::vector<WindowCommand> commands{
        {.action = action::kOpen,
         .run = [](Form1& window) { window.show_open_file_dialog(); },
         .menu_entry = MenuEntry{Menu::File, "Open"},
         .keys = {"<Control>o"}},
        {.action = action::kExit,
         .run = [](Form1& window) { window.close(); }, // unloads the window through Form_Unload
         .menu_entry = MenuEntry{Menu::File, "Exit"},
         .keys = {"<Control>q", "<Control>w"}},
        {.action = action::kBack,
         .run = [](Form1& window) { window.m_navigation.cmbBack_Click(); },
         .menu_entry = MenuEntry{Menu::Go, "Back"},
         .keys = {"<Alt>Left"},
         .button = &Controls::cmbBack},
        {.action = action::kForward,
         .run = [](Form1& window) { window.m_navigation.cmdForward_Click(); },
         .menu_entry = MenuEntry{Menu::Go, "Forward"},
         .keys = {"<Alt>Right"},
         .button = &Controls::cmdForward},
        {.action = action::kStop,
         .run = [](Form1& window) { window.m_navigation.stop_everything(); },
         .menu_entry = MenuEntry{Menu::Go, "Stop"},
         .button = &Controls::cmdStop},
        {.action = action::kRefresh,
         .run = [](Form1& window) { window.m_navigation.cmdRefresh_Click(); },
         .menu_entry = MenuEntry{Menu::Go, "Refresh"},
         .keys = {"F5", "<Control>r"},
         .button = &Controls::cmdRefresh},
        {.action = action::kUpDir,
         .run = [](Form1& window) { window.m_navigation.cmdBackDir_Click(); },
         .menu_entry = MenuEntry{Menu::Go, "Back a Directory"},
         .button = &Controls::cmdBackDir},
        {.action = action::kSendToBrowser,
         .run = [](Form1& window) { window.m_navigation.Command1_Click(); },
         .menu_entry = MenuEntry{Menu::Go, "Send Page to Browser Tab"},
         .button = &Controls::Command1},
        {.action = action::view(kBrowserView),
         .run = [](Form1& window) { window.SelectView(kBrowserView); },
         .menu_entry = MenuEntry{Menu::View, "Browser"},
         .keys = {"<Control>1"}},
        {.action = action::view(kSourceCodeView),
         .run = [](Form1& window) { window.SelectView(kSourceCodeView); },
         .menu_entry = MenuEntry{Menu::View, "Source Code"},
         .keys = {"<Control>2"}},
        {.action = action::view(kImagesView),
         .run = [](Form1& window) { window.SelectView(kImagesView); },
         .menu_entry = MenuEntry{Menu::View, "Images"},
         .keys = {"<Control>3"}},
        {.action = action::kWebsite,
         .run = [](Form1& window) { window.cmdWebsite_Click(); },
         .menu_entry = MenuEntry{Menu::View, "Website"}, // captioned with the website's address on load
         .button = &Controls::cmdWebsite},
        {.action = action::kSourceAsRendered,
         .run = [](Form1& window) { window.choose_source_listing(SourceListing::AsRendered); },
         .menu_entry = MenuEntry{Menu::View, "Source as Rendered"},
         .choice = true},
        {.action = action::kSourceAsServed,
         .run = [](Form1& window) { window.choose_source_listing(SourceListing::AsServed); },
         .menu_entry = MenuEntry{Menu::View, "Source as Served"},
         .choice = true},
        {.action = action::kImageDetails,
         .run = [](Form1& window) { window.show_image_details(); },
         .menu_entry = MenuEntry{Menu::View, "Image Details..."},
         .keys = {"<Control>i"}},
        {.action = action::kToolsAdd,
         .run = [](Form1& window) { window.m_tools_menu.add(); },
         .menu_entry = MenuEntry{Menu::Tools, "Add program to IE Tools Menu"}},
        {.action = action::kToolsRemove,
         .run = [](Form1& window) { window.m_tools_menu.remove(); },
         .menu_entry = MenuEntry{Menu::Tools, "Remove Program from IE Tools Menu"}},
        {.action = action::kHelp,
         .run = [](Form1& window) { window.mnuHelpItem_Click(); },
         .menu_entry = MenuEntry{Menu::Help, "View Help"},
         .keys = {"F1"}},
        {.action = action::kAbout,
         .run = [](Form1& window) { window.mnuAboutItem_Click(); },
         .menu_entry = MenuEntry{Menu::About, "About this software"}},
        // Escape stops only while something loads or saves; otherwise the key is left to whatever
        // has the focus.
        {.action = action::kStopLoading,
         .run = [](Form1& window) { window.m_navigation.stop_everything(); },
         .keys = {"Escape"},
         .enabled_at_start = false},
        {.action = action::kGo,
         .run = [](Form1& window) { window.m_navigation.cmdGo_Click(); },
         .button = &Controls::cmdGo},
        {.action = action::kPreviousView,
         .run = [](Form1& window) { window.m_view_switcher.select_neighbour_view(-1); },
         .keys = {"<Control>Page_Up"}},
        {.action = action::kNextView,
         .run = [](Form1& window) { window.m_view_switcher.select_neighbour_view(1); },
         .keys = {"<Control>Page_Down"}},
        {.action = action::kFocusAddress,
         .run = [](Form1& window) { window.focus_address_box(); },
         .keys = {"<Control>l", "<Alt>d", "F6"}},
        {.action = action::kFind, .run = [](Form1& window) { window.m_find.open(); }, .keys = {"<Control>f"}},
        {.action = action::kFindNext,
         .run = [](Form1& window) { window.m_find.find_next(); },
         .keys = {"F3"},
         .enabled_at_start = false},
        {.action = action::kFindPrevious,
         .run = [](Form1& window) { window.m_find.find_previous(); },
         .keys = {"<Shift>F3"},
         .enabled_at_start = false},
        {.action = action::kZoomIn,
         .run = [](Form1& window) { window.zoom_shown_view(zoomed_in); },
         .keys = {"<Control>plus", "<Control>equal", "<Control>KP_Add"}},
        {.action = action::kZoomOut,
         .run = [](Form1& window) { window.zoom_shown_view(zoomed_out); },
         .keys = {"<Control>minus", "<Control>KP_Subtract"}},
        {.action = action::kZoomReset,
         .run = [](Form1& window) { window.zoom_reset(); },
         .keys = {"<Control>0", "<Control>KP_0"}},
        {.action = action::kCopyImageAddresses,
         .run = [](Form1& window) { window.m_image_saving.copy_image_addresses(); }},
        {.action = action::kSaveImages,
         .run = [](Form1& window) { window.m_image_saving.show_save_images_dialog(); }},
    };
    return commands;
}

// Buttons, menu items and keys all run the commands through these actions.
void Form1::add_actions()
{
    for (const WindowCommand& command : window_commands()) {
        if (command.choice)
            m_actions.add_choice(command.action, [this, run = command.run] { run(*this); });
        else
            m_actions.add(command.action, [this, run = command.run] { run(*this); });
        if (!command.enabled_at_start)
            m_actions.set_enabled(command.action, false);
        if (command.button)
            (m_controls.*command.button).set_action_name(command.action);
    }
    insert_action_group("win", m_actions.group());
}

bool Form1::action_enabled(const std::string& name) const
{
    return m_actions.enabled(name);
}

void Form1::on_mouse_buttons_pressed(Gtk::GestureClick& gesture)
{
    const char* name = nullptr;
    switch (gesture.get_current_button()) {
    case kBackMouseButton:
        name = action::kBack;
        break;
    case kForwardMouseButton:
        name = action::kForward;
        break;
    default:
        return;
    }
    gesture.set_state(Gtk::EventSequenceState::CLAIMED);
    activate_action(name);
}

void Form1::update_stop_loading()
{
    bool loading = saving_images();
    for (int view = 0; view < kViewCount; ++view)
        loading = loading || wb(view).Loading();
    m_actions.set_enabled(action::kStopLoading, loading);
}

void Form1::focus_address_box()
{
    m_controls.txtUrl.grab_focus();
    m_controls.txtUrl.select_region(0, -1);
}

// Each view keeps its own magnification.
void Form1::zoom_shown_view(double (*step)(double))
{
    platform::WebView& view = wb(m_view_switcher.visible_view());
    view.set_zoom_level(step(view.zoom_level()));
}

void Form1::zoom_reset()
{
    wb(m_view_switcher.visible_view()).set_zoom_level(1.0);
}

}
