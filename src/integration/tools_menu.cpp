#include "integration/tools_menu.h"

#include "integration/application_folders.h"
#include "integration/desktop_entry.h"
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
    return {
        {"ButtonText", program.product_name},
        {"CLSID", std::string(kRunProgramExtensionClass)},
        {"Default Visible", "Yes"},
        {"Exec", file_in(program.program_directory, program.executable_name)},
        {"HotIcon", file_in(program.files_directory, "hoticon.ico")},
        {"Icon", file_in(program.files_directory, "icon.ico")},
        {"MenuStatusBar", program.product_name},
        {"MenuText", "&" + program.product_name},
    };
}

std::string tools_menu_desktop_entry(const ToolsMenuProgram& program)
{
    return desktop_entry_text({program.product_name, program.program_directory / program.executable_name,
                               program.files_directory / "icons" / "AAA.png"});
}

ToolsMenuState AddToToolsMenu(RegistryStore& store, const ToolsMenuProgram& program)
{
    for (const RegistryValue& value : tools_menu_values(program))
        SetRegString(store, RegistryRoot::LocalMachine, kToolsMenuKeyPath, value.name, value.data);
    install_application_file(system_application_folders(), kToolsMenuDesktopFile, tools_menu_desktop_entry(program));
    return {.add_enabled = false, .remove_enabled = true};
}

ToolsMenuState RemoveFromToolsMenu(RegistryStore& store)
{
    DeleteRegEntry(store, RegistryRoot::LocalMachine, kToolsMenuKeyPath, "");
    remove_application_file(system_application_folders(), kToolsMenuDesktopFile);
    return {.add_enabled = true, .remove_enabled = false};
}

}
