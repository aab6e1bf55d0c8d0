#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::platform {

// The section of the executable file that carries its version resource, a "Key=Value" line each.
// scripts/relabel rewrites it in a built executable without recompiling.
inline constexpr const char* kVersionSectionName = ".quillet.version";

using VersionStrings = std::map<std::string, std::string>;

// The version strings of the executable at `executable`; std::nullopt when the file cannot be read
// or holds no such section. A key the section lacks is simply absent.
std::optional<VersionStrings> read_version_strings(const std::filesystem::path& executable);

// The "Key=Value" lines of `text` (LF or CR LF); lines without "=" or with an empty key are skipped,
// and a repeated key keeps its last value.
VersionStrings parse_version_strings(std::string_view text);

// The path of the running executable; empty when the system does not tell.
std::filesystem::path running_executable();

// The directory that holds the running executable.
std::filesystem::path program_directory();

}
