#pragma once

#include "support/temp_directory.h"

#include <filesystem>

namespace quillet::test {

// Points HOME, XDG_RUNTIME_DIR, XDG_CACHE_HOME, XDG_DATA_HOME and XDG_CONFIG_HOME at folders of
// one temporary directory, and puts a temporary folder first in XDG_DATA_DIRS, so that what the
// program writes for all users lands there; fontconfig reads the tests' own font configuration.
// GLib is told of the new directories too, but GTK and the engine keep those of the first
// environment a process made (before gtk_init).
class IsolatedEnvironment {
public:
    IsolatedEnvironment();

    std::filesystem::path home() const { return m_root.path() / "home"; }
    std::filesystem::path config_home() const { return m_root.path() / "config"; }
    std::filesystem::path data_home() const { return m_root.path() / "data"; }
    std::filesystem::path cache_home() const { return m_root.path() / "cache"; }
    std::filesystem::path runtime_dir() const { return m_root.path() / "runtime"; }
    // The first folder of XDG_DATA_DIRS; the system's own folders follow it.
    std::filesystem::path system_data_dir() const { return m_root.path() / "system-data"; }
    // An empty folder a test may use as the program directory.
    std::filesystem::path program_dir() const { return m_root.path() / "program"; }

private:
    TempDirectory m_root;
};

// The environment of the running GUI test, made afresh for each test (by gui_test_main.cpp).
const IsolatedEnvironment& environment();

}
