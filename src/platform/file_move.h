#pragma once

#include "platform/result.h"

#include <filesystem>

namespace quillet::platform {

// How moving a file to a name of its own ended.
struct FileMove {
    enum class Outcome {
        Moved,
        NameTaken,   // something of that name exists, a link too; it is left as it is
        NameTooLong, // the file system cannot take the name
        Failed,
    };
    Outcome outcome = Outcome::Failed;
    Result result; // a failure's text names the file

    bool moved() const { return outcome == Outcome::Moved; }
};

// Gives the file `from` the name `to` unless something of that name exists, which is never
// replaced nor followed when it is a link.
FileMove move_file_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to);

}
