#include "app_test_files.h"

#include "platform/typed_address.h"

#include <fstream>

namespace quillet::test {

std::string write_page(const std::filesystem::path& file, const std::string& title, const std::string& body)
{
    std::ofstream(file) << "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" << title
                        << "</title></head><body>" << body << "</body></html>\n";
    return platform::uri_from_file_path(file);
}

std::filesystem::path copy_built_program(const std::filesystem::path& directory)
{
    const std::filesystem::path built(QUILLET_EXECUTABLE);
    std::filesystem::copy(built.parent_path(), directory,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    return directory / built.filename();
}

}
