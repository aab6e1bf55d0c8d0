#pragma once

#include "platform/settings_store.h"

#include <string>

namespace quillet {

// Which listing the "Source Code" view shows: the page as the engine holds it after its scripts
// ran, or the document as its server sent it.
enum class SourceListing { AsRendered, AsServed };

// The per-user settings of the program, stored under its product name. One typed getter and setter
// per key; each key and its default are written once, in program_settings.cpp.
class ProgramSettings {
public:
    explicit ProgramSettings(std::string application_name, platform::SettingsStore store = platform::SettingsStore());

    // The address "Home" goes to; empty means the start page shipped beside the executable.
    std::string home_page() const;
    // Returns false when the value could not be stored.
    bool set_home_page(const std::string& address);

    // The help window's "Show at Startup" box as stored: "1" checked, "0" unchecked (see
    // ui/show_help_setting.h for reading it); "1" when nothing is stored.
    std::string show_help() const;
    // Returns false when the value could not be stored.
    bool set_show_help(bool checked);

    // As rendered unless "served" is stored.
    SourceListing source_listing() const;
    // Returns false when the value could not be stored.
    bool set_source_listing(SourceListing listing);

private:
    struct Key;
    static const Key kHomePage;
    static const Key kShowHelp;
    static const Key kSourceListing;

    std::string read(const Key& key) const;
    bool write(const Key& key, const std::string& value);

    std::string m_application_name;
    platform::SettingsStore m_store;
};

}
