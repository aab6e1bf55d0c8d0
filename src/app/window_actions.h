#pragma once

#include <giomm/simpleactiongroup.h>
#include <sigc++/slot.h>

#include <string>

namespace quillet {

// The names of the main window's actions, as menu items, buttons and keys name them ("win.back").
namespace action {
inline constexpr const char* kOpen = "win.open";
inline constexpr const char* kExit = "win.exit";
inline constexpr const char* kBack = "win.back";
inline constexpr const char* kForward = "win.forward";
inline constexpr const char* kStop = "win.stop";
inline constexpr const char* kStopLoading = "win.stop-loading"; // Stop, offered only while a view loads
inline constexpr const char* kRefresh = "win.refresh";
inline constexpr const char* kUpDir = "win.up-dir";
inline constexpr const char* kSendToBrowser = "win.send-to-browser";
inline constexpr const char* kGo = "win.go";
inline constexpr const char* kView = "win.view"; // takes the view index
inline constexpr const char* kPreviousView = "win.previous-view";
inline constexpr const char* kNextView = "win.next-view";
inline constexpr const char* kWebsite = "win.website";
inline constexpr const char* kToolsAdd = "win.tools-add";
inline constexpr const char* kToolsRemove = "win.tools-remove";
inline constexpr const char* kHelp = "win.help";
inline constexpr const char* kAbout = "win.about";
inline constexpr const char* kFocusAddress = "win.focus-address";
inline constexpr const char* kFind = "win.find";
inline constexpr const char* kFindNext = "win.find-next"; // offered while the find bar is open
inline constexpr const char* kFindPrevious = "win.find-previous";
inline constexpr const char* kZoomIn = "win.zoom-in";
inline constexpr const char* kZoomOut = "win.zoom-out";
inline constexpr const char* kZoomReset = "win.zoom-reset";
inline constexpr const char* kCopyImageAddresses = "win.copy-image-addresses";
inline constexpr const char* kSaveImages = "win.save-images"; // offered while no save runs

// "win.view(1)": the action with its view index.
std::string view(int index);
}

// The actions of one window, in the group it shows under the prefix "win". Each carries its
// enabled state; a disabled action does nothing, whoever activates it.
class WindowActions {
public:
    WindowActions();

    const Glib::RefPtr<Gio::SimpleActionGroup>& group() const { return m_group; }

    void add(const char* name, const sigc::slot<void()>& activate);
    // An action that takes a whole number, as "win.view(2)" gives it.
    void add_with_index(const char* name, const sigc::slot<void(int)>& activate);

    void set_enabled(const char* name, bool enabled);
    bool enabled(const std::string& name) const;

private:
    Glib::RefPtr<Gio::SimpleActionGroup> m_group;
};

}
