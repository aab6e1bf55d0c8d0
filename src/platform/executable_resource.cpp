#include "platform/executable_resource.h"

#include "platform/elf_sections.h"

#include <system_error>

namespace quillet::platform {

namespace {

// A version resource is a few lines; anything larger is not one of ours.
constexpr std::uint64_t kVersionSectionLimit = 64 * 1024;

std::string_view without_suffix(std::string_view text, std::string_view suffix)
{
    if (text.ends_with(suffix))
        text.remove_suffix(suffix.size());
    return text;
}

}

std::optional<VersionStrings> read_version_strings(const std::filesystem::path& executable)
{
    const auto section = read_elf_section(executable, kVersionSectionName, kVersionSectionLimit);
    if (!section)
        return std::nullopt;
    return parse_version_strings(*section);
}

VersionStrings parse_version_strings(std::string_view text)
{
    VersionStrings strings;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto line = without_suffix(text.substr(0, end), "\r");
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        const auto equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            continue;
        strings.insert_or_assign(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
    }
    return strings;
}

std::filesystem::path running_executable()
{
    std::error_code error;
    const auto link = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    // A file replaced while running (scripts/relabel renames over it) is reported as "(deleted)";
    // the file now at that path is the one to read.
    const std::string reported = link.string();
    const auto replaced = without_suffix(reported, " (deleted)");
    if (replaced.size() != reported.size() && !std::filesystem::exists(link, error))
        return std::filesystem::path(replaced);
    return link;
}

std::filesystem::path program_directory()
{
    return running_executable().parent_path();
}

}
