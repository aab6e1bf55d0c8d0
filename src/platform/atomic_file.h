#pragma once

#include "platform/result.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quillet::platform {

enum class Durability {
    Synced,   // on disk before it replaces the old content: survives a power loss
    Unsynced, // for files rebuilt anyway: a crash of the program still never tears them
};

// Replaces the whole content of `path` in one step with `parts` written one after the other: they
// go to a temporary file in the same directory, which is then renamed over `path`. A crash or a
// full disk leaves either the old content or the new one, never a torn file.
// A failure's text names the file.
Result replace_file_contents(const std::filesystem::path& path, std::initializer_list<std::string_view> parts,
                                  Durability durability = Durability::Synced);

// True when `candidate` is named like the temporary files that replacing `target` makes: a run
// killed mid-write leaves one behind.
bool is_temporary_file_for(const std::filesystem::path& candidate, const std::filesystem::path& target);

}
