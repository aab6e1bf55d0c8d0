#pragma once

#include <filesystem>
#include <string>

namespace quillet {

// What the version resource of an executable says about the program. A missing value is empty.
struct ApplicationInfo {
    std::string ProductName;
    std::string CompanyName;
    std::string Comments; // the product web site
    std::string FileVersion;
    std::string ProductVersion;
    std::string Major;
    std::string Minor;
    std::string Revision;
};

ApplicationInfo read_application_info(const std::filesystem::path& executable);
ApplicationInfo running_application_info();

// The program-wide names every caption is composed from; LoadBrandIdentity is their only writer.
struct BrandIdentity {
    std::string ProductTitle;
    std::string CompanyTitle;
    std::string WebsiteAddress;
};

const BrandIdentity& brand_identity();

// Fills the brand identity from the running executable; calling it again writes the same values.
void LoadBrandIdentity();
// Fills it from another executable file, so a re-labelled build can be checked without running it.
void LoadBrandIdentity(const std::filesystem::path& executable);

}
