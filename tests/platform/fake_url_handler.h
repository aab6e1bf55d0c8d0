#pragma once

#include "support/temp_directory.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillet::test {

// Makes a recording script the desktop's default handler for http and https addresses, for the
// user whose XDG data and configuration directories are given (a test's own, never the real
// ones): a desktop entry in <data_home>/applications and a mimeapps.list in <config_home>.
// Create it before the test's first GIO lookup of applications; GIO notices later changes to
// these directories only through the main loop.
class FakeUrlHandler {
public:
    FakeUrlHandler(const std::filesystem::path& data_home, const std::filesystem::path& config_home);

    // Every address handed to the handler so far, in order. The handler runs as a process of its
    // own: pump or wait until the expected number has arrived.
    std::vector<std::string> received() const;

    static constexpr const char* kDesktopId = "quillet-test-url-handler.desktop";

private:
    TempDirectory m_directory; // the script and its record
};

}
