#include "integration/application_folders.h"

#include "platform/atomic_file.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace quillet {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDefaultDataDirs = "/usr/local/share:/usr/share";
const fs::path kLastResort = "/usr/local/share/applications";

void add_once(std::vector<fs::path>& folders, const fs::path& folder)
{
    if (std::find(folders.begin(), folders.end(), folder) == folders.end())
        folders.push_back(folder);
}

bool make_folder(const fs::path& folder)
{
    std::error_code error;
    if (fs::is_directory(folder, error))
        return true;
    return fs::is_directory(folder.parent_path(), error) && fs::create_directory(folder, error);
}

}

std::vector<fs::path> system_application_folders(const char* xdg_data_dirs)
{
    std::string_view list = xdg_data_dirs != nullptr && *xdg_data_dirs != '\0' ? xdg_data_dirs : kDefaultDataDirs;
    std::vector<fs::path> folders;
    while (!list.empty()) {
        const auto end = std::min(list.find(':'), list.size());
        // Relative entries are not data folders at all.
        if (const fs::path folder(list.substr(0, end)); folder.is_absolute())
            add_once(folders, (folder / "applications").lexically_normal());
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    add_once(folders, kLastResort);
    return folders;
}

std::vector<fs::path> system_application_folders()
{
    return system_application_folders(std::getenv("XDG_DATA_DIRS"));
}

std::optional<fs::path> install_application_file(const std::vector<fs::path>& folders, std::string_view file_name,
                                                  std::string_view text)
{
    constexpr fs::perms kEveryoneReads = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                         fs::perms::others_read;
    for (const fs::path& folder : folders) {
        const fs::path file = folder / file_name;
        std::error_code error;
        if (make_folder(folder) && platform::replace_file_contents(file, {text}).ok()) {
            fs::permissions(file, kEveryoneReads, error);
            return file;
        }
    }
    return std::nullopt;
}

void remove_application_file(const std::vector<fs::path>& folders, std::string_view file_name)
{
    for (const fs::path& folder : folders) {
        std::error_code ignored;
        fs::remove(folder / file_name, ignored);
    }
}

}
