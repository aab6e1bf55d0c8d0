#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

enum class WorkFile {
    Browser,          // "browser.txt"
    Source,           // "source.htm", shown by the "Source Code" view
    Images,           // "images.htm"
    CheckImages,      // "checkImages.txt", the page text handed to the scanners
    CheckImagesClean, // "checkImagesClean.txt"
    ImagePage,        // "imagepage.html", shown by the "Images" view
};

// The order in which start-up creates missing work files.
inline constexpr std::array<WorkFile, 6> kAllWorkFiles = {
    WorkFile::Browser, WorkFile::Source, WorkFile::Images,
    WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::ImagePage,
};

std::string_view file_name_of(WorkFile file);

// The work files of one program directory. Every write replaces a whole file atomically with one
// text followed by CR LF. Failures come back as messages naming the file; nothing throws.
class WorkFiles {
public:
    explicit WorkFiles(std::filesystem::path directory);

    const std::filesystem::path& directory() const { return m_directory; }
    std::filesystem::path path(WorkFile file) const;

    // Creates each missing work file holding only CR LF; a file that exists is not touched.
    std::vector<std::string> create_missing() const;

    // Writes `text` followed by CR LF. Returns an empty string on success.
    std::string write(WorkFile file, std::string_view text) const;

    // Empties the scratch files "checkImages.txt", "checkImagesClean.txt", "browser.txt",
    // "images.htm", in that order, each to CR LF only.
    std::vector<std::string> ResetWorkFiles() const;

private:
    std::filesystem::path m_directory;
};

// Where the work files live: `program_directory` when they can be created and replaced there,
// otherwise `fallback_directory` (created when missing). Without a program directory (an installed
// program never writes under its prefix) they go to `fallback_directory` as a matter of course.
struct WorkDirectoryChoice {
    std::filesystem::path directory;
    bool fell_back = false; // the program directory could not hold them
};
WorkDirectoryChoice choose_work_directory(const std::optional<std::filesystem::path>& program_directory,
                                          const std::filesystem::path& fallback_directory);

}
