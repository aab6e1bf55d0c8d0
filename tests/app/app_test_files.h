#pragma once

#include "support/test_files.h"

#include <filesystem>
#include <string>

namespace quillet::test {

// Writes a small HTML page and returns its file URI.
std::string write_page(const std::filesystem::path& file, const std::string& title, const std::string& body);

// Copies the built quillet executable and the files it expects beside it into `directory`;
// returns the copied executable.
std::filesystem::path copy_built_program(const std::filesystem::path& directory);

}
