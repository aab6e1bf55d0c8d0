#pragma once

#include "platform/settings_store.h"

#include <string>

namespace quillet {

// The per-user settings of the program, stored under its product name. One typed getter and setter
// per key; each key and its default are written once, in program_settings.cpp.
class ProgramSettings {
public:
    explicit ProgramSettings(std::string application_name, platform::SettingsStore store = platform::SettingsStore());

    // The address "Home" goes to; empty means the start page shipped beside the executable.
    std::string home_page() const;
    // Returns false when the value could not be stored.
    bool set_home_page(const std::string& address);

private:
    struct Key;
    static const Key kHomePage;

    std::string read(const Key& key) const;
    bool write(const Key& key, const std::string& value);

    std::string m_application_name;
    platform::SettingsStore m_store;
};

}
