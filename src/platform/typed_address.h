#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet::platform {

// The address a user typed, as a URI to load: kept as it is when it has a scheme ("HTTPS://x",
// "about:blank"), a file URI when it is an absolute path ("/home/a.html"), otherwise given
// "http://" ("example.com", "localhost:8080/x"). Surrounding blanks are dropped; a blank address
// gives "".
std::string uri_from_typed_address(std::string_view address);

// The file URI of `path`, a relative path counting from the current directory; "" when the path
// is empty or cannot be expressed as a URI.
std::string uri_from_file_path(const std::filesystem::path& path);

}
