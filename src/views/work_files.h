#pragma once

#include "views/page_views_output.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {


// The work files of one program directory. Every write replaces a whole file atomically with one
// text followed by CR LF. Failures come back as messages naming the file; nothing throws.
class WorkFiles : public PageViewsOutput {
public:
    explicit WorkFiles(std::filesystem::path directory);

    const std::filesystem::path& directory() const { return m_directory; }
    std::filesystem::path path(WorkFile file) const;

    // Creates each missing work file holding only CR LF; a file that exists is not touched.
    std::vector<std::string> create_missing() const;

    // Removes the temporary files that writes and write checks killed midway left beside the work
    // files, those whose names bear the program's mark; nothing else.
    std::vector<std::string> remove_leftovers() const;

    // Writes `text` followed by CR LF.
    Result write(WorkFile file, std::string_view text) const override;

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
