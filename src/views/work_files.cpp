#include "views/work_files.h"

#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

namespace quillet {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string creation_failure(const std::filesystem::path& path, int error_number)
{
    return "cannot create " + path.string() + ": " + std::strerror(error_number);
}

// Creates `path` holding CR LF unless something of that name exists: opening it for exclusive
// creation means an existing file is never opened for writing, even if it appears meanwhile.
std::string create_if_absent(const std::filesystem::path& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr)
        return errno == EEXIST ? std::string() : creation_failure(path, errno);

    const bool written = std::fwrite(kLineEnd.data(), 1, kLineEnd.size(), file) == kLineEnd.size();
    const int write_error = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return {};
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return creation_failure(path, written ? errno : write_error);
}

// The check's file bears the mark of temporary files, so that a start killed meanwhile leaves
// nothing the next start does not remove.
bool can_create_files_in(const std::filesystem::path& directory)
{
    std::random_device random;
    const auto probe = directory / (std::string(platform::kTemporaryFileMark) + "write-check-" + std::to_string(random()));
    if (!platform::replace_file_contents(probe, {kLineEnd}, platform::Durability::Unsynced).ok())
        return false;
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return true;
}

}

std::string_view file_name_of(WorkFile file)
{
    switch (file) {
    case WorkFile::Browser:
        return "browser.txt";
    case WorkFile::Source:
        return "source.htm";
    case WorkFile::Images:
        return "images.htm";
    case WorkFile::CheckImages:
        return "checkImages.txt";
    case WorkFile::CheckImagesClean:
        return "checkImagesClean.txt";
    case WorkFile::ImagePage:
        return "imagepage.html";
    case WorkFile::Served:
        return "served.htm";
    }
    return {};
}

WorkFiles::WorkFiles(std::filesystem::path directory)
    : m_directory(std::move(directory))
{
}

std::filesystem::path WorkFiles::path(WorkFile file) const
{
    return m_directory / file_name_of(file);
}

std::vector<std::string> WorkFiles::create_missing() const
{
    std::vector<std::string> failures;
    for (const WorkFile file : kAllWorkFiles) {
        if (std::string failure = create_if_absent(path(file)); !failure.empty())
            failures.push_back(std::move(failure));
    }
    return failures;
}

// Unsynced: every load rebuilds the work files, so a power loss costs nothing the next load does
// not make again.
Result WorkFiles::write(WorkFile file, std::string_view text) const
{
    return platform::replace_file_contents(path(file), {text, kLineEnd}, platform::Durability::Unsynced);
}

std::vector<std::string> WorkFiles::remove_leftovers() const
{
    std::vector<std::string> failures;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(m_directory, error); !error && entry != std::filesystem::directory_iterator();
         entry.increment(error)) {
        std::error_code status_error;
        if (entry->symlink_status(status_error).type() != std::filesystem::file_type::regular
            || !platform::is_temporary_file(entry->path()))
            continue;
        std::error_code remove_error;
        if (!std::filesystem::remove(entry->path(), remove_error))
            failures.push_back("cannot remove " + entry->path().string() + ": " + remove_error.message());
    }
    return failures;
}

WorkDirectoryChoice choose_work_directory(const std::optional<std::filesystem::path>& program_directory,
                                          const std::filesystem::path& fallback_directory)
{
    if (program_directory && can_create_files_in(*program_directory))
        return {*program_directory, false};
    std::error_code ignored;
    std::filesystem::create_directories(fallback_directory, ignored);
    return {fallback_directory, program_directory.has_value()};
}

}
