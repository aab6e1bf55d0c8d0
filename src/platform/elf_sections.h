#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::platform {

// The bytes of the section named `section_name` in the 64-bit ELF file at `file`, read through its
// section header table. std::nullopt when the file cannot be read, is not a 64-bit ELF file of this
// machine's byte order, has no such section, or the section is larger than `size_limit`.
// Every offset and size is checked against the file, so truncated or garbage files are safe.
std::optional<std::string> read_elf_section(const std::filesystem::path& file, std::string_view section_name,
                                            std::uint64_t size_limit);

}
