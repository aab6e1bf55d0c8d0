#pragma once

#include <filesystem>
#include <optional>

namespace quillet::platform {

// Where the program finds its own files, decided by where its executable lies. A build keeps
// everything beside the executable; an installed program reads its files from the data folder of
// its installation prefix ("<prefix>/share/quillet" beside "<prefix>/bin") and never writes there.
struct ProgramFolders {
    std::filesystem::path executable_directory;
    // The help file, the icons, the splash picture and the start page: read, never written.
    std::filesystem::path files;
    // Where the work files go while it can be written; none for an installed program, whose work
    // files live in the user's data folder from the start.
    std::optional<std::filesystem::path> work_directory;

    bool installed() const { return !work_directory; }
};

ProgramFolders program_folders(const std::filesystem::path& executable_directory);

// The folders of the running executable.
ProgramFolders program_folders();

}
