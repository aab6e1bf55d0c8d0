#include "app/tools_menu_commands.h"

#include "app/window_commands.h"
#include "platform/executable_resource.h"
#include "platform/user_directories.h"
#include "ui/brand_identity.h"

#include <utility>

namespace quillet {

RegistryLocations program_registry_locations()
{
    return registry_locations(brand_identity().ProductTitle, platform::user_config_directory());
}

ToolsMenuCommands::ToolsMenuCommands(RegistryLocations registry, const platform::ProgramFolders& folders,
                                     WindowActions& actions)
    : m_registry(std::move(registry)), m_folders(folders), m_actions(actions)
{
}

void ToolsMenuCommands::add()
{
    set_state(AddToToolsMenu(m_registry, program()));
}

void ToolsMenuCommands::remove()
{
    set_state(RemoveFromToolsMenu(m_registry));
}

ToolsMenuProgram ToolsMenuCommands::program() const
{
    return {brand_identity().ProductTitle, m_folders.executable_directory,
            platform::running_executable().filename().string(), m_folders.files};
}

void ToolsMenuCommands::set_state(const ToolsMenuState& state)
{
    m_actions.set_enabled(action::kToolsAdd, state.add_enabled);
    m_actions.set_enabled(action::kToolsRemove, state.remove_enabled);
}

}
