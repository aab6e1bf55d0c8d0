#include "ui/program_settings.h"

#include "ui/show_help_setting.h"

#include <utility>

namespace quillet {

struct ProgramSettings::Key {
    const char* section;
    const char* name;
    const char* default_value;
};

const ProgramSettings::Key ProgramSettings::kHomePage{"Settings", "homePage", ""};
const ProgramSettings::Key ProgramSettings::kShowHelp{"Settings", "showHelp", "1"};
const ProgramSettings::Key ProgramSettings::kSourceListing{"Settings", "sourceListing", "rendered"};

namespace {

constexpr const char* kServedListing = "served";

}

ProgramSettings::ProgramSettings(std::string application_name, platform::SettingsStore store)
    : m_application_name(std::move(application_name)), m_store(std::move(store))
{
}

std::string ProgramSettings::home_page() const
{
    return read(kHomePage);
}

bool ProgramSettings::set_home_page(const std::string& address)
{
    return write(kHomePage, address);
}

std::string ProgramSettings::show_help() const
{
    return read(kShowHelp);
}

bool ProgramSettings::set_show_help(bool checked)
{
    return write(kShowHelp, show_help_value(checked));
}

SourceListing ProgramSettings::source_listing() const
{
    return read(kSourceListing) == kServedListing ? SourceListing::AsServed : SourceListing::AsRendered;
}

bool ProgramSettings::set_source_listing(SourceListing listing)
{
    return write(kSourceListing, listing == SourceListing::AsServed ? kServedListing : kSourceListing.default_value);
}

std::string ProgramSettings::read(const Key& key) const
{
    return m_store.get(m_application_name, key.section, key.name, key.default_value);
}

bool ProgramSettings::write(const Key& key, const std::string& value)
{
    return m_store.set(m_application_name, key.section, key.name, value);
}

}
