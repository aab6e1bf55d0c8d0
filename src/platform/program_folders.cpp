#include "platform/program_folders.h"

#include "platform/executable_resource.h"

#include <system_error>

namespace quillet::platform {

ProgramFolders program_folders(const std::filesystem::path& executable_directory)
{
    // The installed data folder, counted from the installed executable's folder.
    const std::filesystem::path installed_files =
        (executable_directory / QUILLET_INSTALLED_FILES_DIRECTORY).lexically_normal();
    std::error_code error;
    if (std::filesystem::is_directory(installed_files, error))
        return {executable_directory, installed_files, std::nullopt};
    return {executable_directory, executable_directory, executable_directory};
}

ProgramFolders program_folders()
{
    return program_folders(program_directory());
}

}
