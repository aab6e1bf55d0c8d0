#include "ui/file_exists.h"

#include <filesystem>
#include <system_error>

namespace quillet {

bool FileExists(const std::string& path)
{
    const std::string name = FileNamePart(path);
    if (name.empty() || name.front() == '.')
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string FileNamePart(const std::string& path)
{
    const auto separator = path.rfind('/');
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}
