#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet {

class Form1;
class PictureButton;
struct MainWindowControls;

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
inline constexpr const char* kSourceListing = "win.source-listing"; // a choice: 0 as rendered, 1 as served
inline constexpr const char* kSourceAsRendered = "win.source-listing(0)";
inline constexpr const char* kSourceAsServed = "win.source-listing(1)";
inline constexpr const char* kImageDetails = "win.image-details";

// "win.view(1)": the action with its view index.
std::string view(int index);
}

// The menus of the main window, left to right.
enum class Menu { File, Go, View, Tools, Help, About };

struct MenuEntry {
    Menu menu;
    const char* caption;
};

// One command of the main window, written once: the menu bar, the keys and the buttons all read
// this table, and each runs the command through its action.
struct WindowCommand {
    std::string action; // with a target, "win.view(1)", for one value of an action that takes one
    void (*run)(Form1& window);
    std::optional<MenuEntry> menu_entry = {}; // the entries of a menu follow the table's order
    std::vector<std::string> keys = {};       // as the toolkit writes accelerators ("<Control>l")
    PictureButton MainWindowControls::*button = nullptr;
    bool enabled_at_start = true;
    bool choice = false; // one value of a choice, its menu item marked while that value is chosen
};

// Every command of the main window (main_window_commands.cpp).
const std::vector<WindowCommand>& window_commands();

}
