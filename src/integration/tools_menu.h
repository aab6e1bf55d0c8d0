#pragma once

#include "integration/registry_store.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The system web browser's extension key that puts the program into its Tools menu.
inline constexpr std::string_view kToolsMenuKeyPath =
    "Software\\Microsoft\\Internet Explorer\\Extensions\\{5A1C3E9B-27D4-4F60-9B8E-C2D7F0A41E36}";
// The browser's own class for extensions that run a program.
inline constexpr std::string_view kRunProgramExtensionClass = "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}";

// The desktop's own counterpart of the entry: a desktop entry in the system's application folders,
// so that application menus and Open With for web pages offer the program. Its name is not that of
// the installed program's desktop entry, which the commands must never overwrite or delete.
inline constexpr std::string_view kToolsMenuDesktopFile = QUILLET_APPLICATION_ID ".ToolsMenu.desktop";

// What the entry says about the program.
struct ToolsMenuProgram {
    std::string product_name;
    std::filesystem::path program_directory;
    std::string executable_name; // the file name as it is, this platform has no ".exe"
    std::filesystem::path files_directory; // holds the icons
};

// Which of the two Tools-menu commands of the main window are enabled.
struct ToolsMenuState {
    bool add_enabled = true;
    bool remove_enabled = true;

    bool operator==(const ToolsMenuState&) const = default;
};

// The eight values of the entry, in the order they are written.
std::vector<RegistryValue> tools_menu_values(const ToolsMenuProgram& program);

// The desktop entry that accompanies the registry values.
std::string tools_menu_desktop_entry(const ToolsMenuProgram& program);

// Writes the entry under the local-machine root and the desktop entry into the first system
// application folder that takes it. Whether either was written is not looked at: the menu state
// changes all the same.
ToolsMenuState AddToToolsMenu(RegistryStore& store, const ToolsMenuProgram& program);

// Deletes the entry with its values and the desktop entry from every system application folder;
// again the menu state changes whatever happened.
ToolsMenuState RemoveFromToolsMenu(RegistryStore& store);

}
