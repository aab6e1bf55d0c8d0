#pragma once

#include "app/window_actions.h"
#include "integration/tools_menu.h"
#include "platform/program_folders.h"

namespace quillet {

// Where the program keeps its Tools-menu entry: the system-wide registry root and the user's.
RegistryLocations program_registry_locations();

// The Tools menu's two commands: each writes or deletes the program's entry, then sets which of
// the two is offered.
class ToolsMenuCommands {
public:
    ToolsMenuCommands(RegistryLocations registry, const platform::ProgramFolders& folders, WindowActions& actions);

    void add();
    void remove();

private:
    ToolsMenuProgram program() const;
    void set_state(const ToolsMenuState& state);

    RegistryStore m_registry;
    const platform::ProgramFolders& m_folders;
    WindowActions& m_actions;
};

}
