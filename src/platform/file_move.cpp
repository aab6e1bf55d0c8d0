#include "platform/file_move.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet::platform {

namespace {

FileMove ended(const std::filesystem::path& to, int error_number)
{
    if (error_number == 0)
        return {FileMove::Outcome::Moved, Result::success()};
    const Result failure = Result::failure("cannot save " + to.string() + ": " + std::strerror(error_number));
    switch (error_number) {
    case EEXIST:
        return {FileMove::Outcome::NameTaken, failure};
    case ENAMETOOLONG:
        return {FileMove::Outcome::NameTooLong, failure};
    default:
        return {FileMove::Outcome::Failed, failure};
    }
}

// A hard link never replaces a name either; the file keeps only its new one.
int link_then_unlink(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    ::unlink(from.c_str());
    return 0;
}

}

FileMove move_file_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return ended(to, 0);
    if (errno != EINVAL && errno != ENOSYS)
        return ended(to, errno);
    const int link_error = link_then_unlink(from, to);
    if (link_error != EPERM && link_error != EOPNOTSUPP)
        return ended(to, link_error);
    // A file system without links of either kind (FAT): look first, then rename.
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0)
        return ended(to, EEXIST);
    return ended(to, std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno);
}

}
