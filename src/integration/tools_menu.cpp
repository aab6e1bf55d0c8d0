#include "integration/tools_menu.h"

#include "integration/registry_strings.h"

namespace quillet {

namespace {

std::string file_in(const std::filesystem::path& directory, std::string_view name)
{
    return (directory / name).string();
}

}

std::vector<RegistryValue> tools_menu_values(const ToolsMenuProgram& program)
{
    const std::filesystem::path& directory = program.program_directory;
    return {
        {"ButtonText", program.product_name},
        {"CLSID", std::string(kRunProgramExtensionClass)},
        {"Default Visible", "Yes"},
        {"Exec", file_in(directory, program.executable_name)},
        {"HotIcon", file_in(directory, "hoticon.ico")},
        {"Icon", file_in(directory, "icon.ico")},
        {"MenuStatusBar", program.product_name},
        {"MenuText", "&" + program.product_name},
    };
}

ToolsMenuState AddToToolsMenu(RegistryStore& store, const ToolsMenuProgram& program)
{
    for (const RegistryValue& value : tools_menu_values(program))
        SetRegString(store, RegistryRoot::LocalMachine, kToolsMenuKeyPath, value.name, value.data);
    return {.add_enabled = false, .remove_enabled = true};
}

ToolsMenuState RemoveFromToolsMenu(RegistryStore& store)
{
    DeleteRegEntry(store, RegistryRoot::LocalMachine, kToolsMenuKeyPath, "");
    return {.add_enabled = true, .remove_enabled = false};
}

}
