#pragma once

#include <filesystem>
#include <string>

namespace quillet {

// A desktop entry that starts a program with the address or file the desktop hands it, offered for
// web pages and HTML files.
struct DesktopEntry {
    std::string name;
    std::filesystem::path executable;
    std::filesystem::path icon;
};

// The text of the entry's file, every value escaped as desktop entries require.
std::string desktop_entry_text(const DesktopEntry& entry);

}
