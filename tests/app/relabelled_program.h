#pragma once

#include <filesystem>
#include <string>

namespace quillet::test {

// A copy of the built program in `directory` (with the files it expects beside it), its labels
// set by scripts/relabel from `labels`: shell words such as "ProductName=Inkwell 'CompanyName=A B'".
// Returns the copied executable.
std::filesystem::path relabelled_program(const std::filesystem::path& directory, const std::string& labels);

}
