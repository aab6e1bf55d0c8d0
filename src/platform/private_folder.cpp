#include "platform/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quillet::platform {

PrivateFolder create_private_folder(const std::filesystem::path& parent, std::string_view name_start)
{
    std::string pattern = (parent / name_start).string() + "XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        return {{}, Result::failure("cannot save into " + parent.string() + ": " + std::strerror(errno))};
    return {pattern, Result::success()};
}

Result create_new_file(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 || ::close(fd) != 0)
        return Result::failure("cannot create " + path.string() + ": " + std::strerror(errno));
    return Result::success();
}

}
