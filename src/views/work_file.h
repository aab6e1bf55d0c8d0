#pragma once

#include <array>
#include <string_view>

namespace quillet {

enum class WorkFile {
    Browser,          // "browser.txt"
    Source,           // "source.htm", shown by the "Source Code" view
    Images,           // "images.htm"
    CheckImages,      // "checkImages.txt", holding only CR LF: the scanners read the page in memory
    CheckImagesClean, // "checkImagesClean.txt"
    ImagePage,        // "imagepage.html", shown by the "Images" view
    Served,           // "served.htm", the page as its server sent it, for the "Source Code" view
};

// The order in which start-up creates missing work files.
inline constexpr std::array<WorkFile, 7> kAllWorkFiles = {
    WorkFile::Browser, WorkFile::Source, WorkFile::Images,
    WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::ImagePage, WorkFile::Served,
};

// The file's name in the work directory.
std::string_view file_name_of(WorkFile file);

}
