#include "fake_url_handler.h"

#include <fstream>
#include <stdexcept>

namespace quillet::test {

namespace {

void write_text(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream stream(path, std::ios::trunc);
    stream << text;
    if (!stream.flush())
        throw std::runtime_error("cannot write " + path.string());
}

}

FakeUrlHandler::FakeUrlHandler(const std::filesystem::path& data_home, const std::filesystem::path& config_home)
{
    const auto script = m_directory.path() / "handler.sh";
    const auto record = m_directory.path() / "received.txt";
    write_text(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + record.string() + "'\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    write_text(data_home / "applications" / kDesktopId,
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Quillet test URL handler\n"
               "NoDisplay=true\n"
               "Exec=\"" + script.string() + "\" %u\n"
               "MimeType=x-scheme-handler/http;x-scheme-handler/https;\n");
    write_text(config_home / "mimeapps.list",
               std::string("[Default Applications]\n")
               + "x-scheme-handler/http=" + kDesktopId + "\n"
               + "x-scheme-handler/https=" + kDesktopId + "\n");
}

std::vector<std::string> FakeUrlHandler::received() const
{
    std::vector<std::string> addresses;
    std::ifstream stream(m_directory.path() / "received.txt");
    for (std::string line; std::getline(stream, line);)
        addresses.push_back(line);
    return addresses;
}

}
