#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet::platform {

namespace {

Result failure(const std::filesystem::path& path, int error_number)
{
    return Result::failure("cannot write " + path.string() + ": " + std::strerror(error_number));
}

bool write_all(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

mode_t new_file_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

constexpr std::string_view kTemporarySuffix = ".XXXXXX";

bool write_parts(int fd, std::initializer_list<std::string_view> parts)
{
    for (const std::string_view part : parts) {
        if (!write_all(fd, part))
            return false;
    }
    return true;
}

// A name that bears the mark already keeps it once.
std::string temporary_pattern_for(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    const std::string marked = name.starts_with(kTemporaryFileMark) ? name : std::string(kTemporaryFileMark) + name;
    return (path.parent_path() / marked).string() + std::string(kTemporarySuffix);
}

}

Result replace_file_contents(const std::filesystem::path& path, std::initializer_list<std::string_view> parts,
                                  Durability durability)
{
    std::string temporary = temporary_pattern_for(path);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failure(path, errno);

    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : new_file_mode();

    const bool written = write_parts(fd, parts) && ::fchmod(fd, mode) == 0
                         && (durability == Durability::Unsynced || ::fsync(fd) == 0);
    const int write_error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return failure(path, written ? errno : write_error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int rename_error = errno;
        ::unlink(temporary.c_str());
        return failure(path, rename_error);
    }
    return Result::success();
}

bool is_temporary_file(const std::filesystem::path& candidate)
{
    return candidate.filename().string().starts_with(kTemporaryFileMark);
}

}
