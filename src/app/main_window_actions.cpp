#include "app/main_window.h"

#include <gtkmm/gestureclick.h>

namespace quillet {

namespace {

// The extra buttons of a mouse, as the pointer reports them.
constexpr unsigned kBackMouseButton = 8;
constexpr unsigned kForwardMouseButton = 9;

}

// Buttons, menu items and keys all run these; each action calls the window's own handler.
void Form1::add_actions()
{
    m_actions.add(action::kOpen, sigc::bind(sigc::mem_fun(*this, &Form1::mnuFileItem_Click), 0));
    m_actions.add(action::kExit, sigc::bind(sigc::mem_fun(*this, &Form1::mnuFileItem_Click), 1));
    m_actions.add(action::kBack, sigc::mem_fun(*this, &Form1::cmbBack_Click));
    m_actions.add(action::kForward, sigc::mem_fun(*this, &Form1::cmdForward_Click));
    m_actions.add(action::kStop, sigc::mem_fun(*this, &Form1::stop_everything));
    m_actions.add(action::kStopLoading, sigc::mem_fun(*this, &Form1::stop_everything));
    m_actions.add(action::kRefresh, sigc::mem_fun(*this, &Form1::cmdRefresh_Click));
    m_actions.add(action::kUpDir, sigc::mem_fun(*this, &Form1::cmdBackDir_Click));
    m_actions.add(action::kSendToBrowser, sigc::mem_fun(*this, &Form1::Command1_Click));
    m_actions.add(action::kGo, sigc::mem_fun(*this, &Form1::cmdGo_Click));
    m_actions.add_with_index(action::kView, sigc::mem_fun(*this, &Form1::mnuViewItem_Click));
    m_actions.add(action::kPreviousView, sigc::bind(sigc::mem_fun(*this, &Form1::select_neighbour_view), -1));
    m_actions.add(action::kNextView, sigc::bind(sigc::mem_fun(*this, &Form1::select_neighbour_view), 1));
    m_actions.add(action::kWebsite, sigc::mem_fun(*this, &Form1::cmdWebsite_Click));
    m_actions.add(action::kToolsAdd, sigc::bind(sigc::mem_fun(*this, &Form1::mnuToolsItem_Click), 0));
    m_actions.add(action::kToolsRemove, sigc::bind(sigc::mem_fun(*this, &Form1::mnuToolsItem_Click), 1));
    m_actions.add(action::kHelp, sigc::mem_fun(*this, &Form1::mnuHelpItem_Click));
    m_actions.add(action::kAbout, sigc::mem_fun(*this, &Form1::mnuAboutItem_Click));
    m_actions.add(action::kFocusAddress, sigc::mem_fun(*this, &Form1::focus_address_box));
    m_actions.add(action::kFind, sigc::mem_fun(*this, &Form1::open_find_bar));
    m_actions.add(action::kFindNext, sigc::mem_fun(*this, &Form1::find_next));
    m_actions.add(action::kFindPrevious, sigc::mem_fun(*this, &Form1::find_previous));
    m_actions.add(action::kZoomIn, sigc::mem_fun(*this, &Form1::zoom_in));
    m_actions.add(action::kZoomOut, sigc::mem_fun(*this, &Form1::zoom_out));
    m_actions.add(action::kZoomReset, sigc::mem_fun(*this, &Form1::zoom_reset));
    m_actions.add(action::kCopyImageAddresses, sigc::mem_fun(*this, &Form1::copy_image_addresses));
    m_actions.add(action::kSaveImages, sigc::mem_fun(*this, &Form1::show_save_images_dialog));
    insert_action_group("win", m_actions.group());
    update_stop_loading();
}

void Form1::connect_actions()
{
    cmbBack.set_action_name(action::kBack);
    cmdForward.set_action_name(action::kForward);
    cmdStop.set_action_name(action::kStop);
    cmdRefresh.set_action_name(action::kRefresh);
    cmdBackDir.set_action_name(action::kUpDir);
    Command1.set_action_name(action::kSendToBrowser);
    cmdGo.set_action_name(action::kGo);
    cmdWebsite.set_action_name(action::kWebsite);
    // Enter in the address box; the entry still handles the key as usual.
    txtUrl.signal_activate().connect([this] { activate_action(action::kGo); });
    for (int view = 0; view < kViewCount; ++view)
        m_loading_connections.push_back(
            wb(view).connect_loading_changed(sigc::mem_fun(*this, &Form1::update_stop_loading)));
    // Seen before any view, so a page never takes them for itself.
    auto mouse_buttons = Gtk::GestureClick::create();
    mouse_buttons->set_button(0);
    mouse_buttons->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
    mouse_buttons->signal_pressed().connect(
        [this, gesture = mouse_buttons.get()](int, double, double) { on_mouse_buttons_pressed(*gesture); });
    add_controller(mouse_buttons);
    connect_find_bar();
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

// Escape stops only while something loads or saves; otherwise the key is left to whatever has the
// focus.
void Form1::update_stop_loading()
{
    bool loading = saving_images();
    for (int view = 0; view < kViewCount; ++view)
        loading = loading || wb(view).Loading();
    m_actions.set_enabled(action::kStopLoading, loading);
}

void Form1::focus_address_box()
{
    txtUrl.grab_focus();
    txtUrl.select_region(0, -1);
}

// The tabs in a ring, as Ctrl+Page Up and Page Down walk them.
void Form1::select_neighbour_view(int step)
{
    SelectView((TabStrip1.get_current_page() + step + kViewCount) % kViewCount);
}

}
