#pragma once

#include "platform/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet::platform {

// A folder made for one job: its name is new (`name_start` and six random letters or digits) and
// only this user may enter it, so nobody else can plant or swap a file in it.
struct PrivateFolder {
    std::filesystem::path path;
    Result created; // a failure's text names the parent folder
};
PrivateFolder create_private_folder(const std::filesystem::path& parent, std::string_view name_start);

// Creates `path` as a new empty file: a file or a link of that name makes it fail, it is never
// opened nor followed. A failure's text names it.
Result create_new_file(const std::filesystem::path& path);

}
