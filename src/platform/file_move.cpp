#include "platform/file_move.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quillet::platform {

Result move_file_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return Result::success();
    int error_number = errno;
    // Some file systems cannot rename without replacing: there, look first.
    if (error_number == EINVAL || error_number == ENOSYS) {
        if (::access(to.c_str(), F_OK) == 0)
            error_number = EEXIST;
        else if (std::rename(from.c_str(), to.c_str()) == 0)
            return Result::success();
        else
            error_number = errno;
    }
    return Result::failure("cannot save " + to.string() + ": " + std::strerror(error_number));
}

}
