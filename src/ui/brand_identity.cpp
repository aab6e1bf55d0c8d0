#include "ui/brand_identity.h"

#include "platform/executable_resource.h"

namespace quillet {

namespace {

BrandIdentity g_brand_identity;

std::string value_of(const platform::VersionStrings& strings, const std::string& key)
{
    const auto found = strings.find(key);
    return found == strings.end() ? std::string() : found->second;
}

}

ApplicationInfo read_application_info(const std::filesystem::path& executable)
{
    const platform::VersionStrings strings =
        platform::read_version_strings(executable).value_or(platform::VersionStrings{});
    return {
        .ProductName = value_of(strings, "ProductName"),
        .CompanyName = value_of(strings, "CompanyName"),
        .Comments = value_of(strings, "Comments"),
        .FileVersion = value_of(strings, "FileVersion"),
        .ProductVersion = value_of(strings, "ProductVersion"),
        .Major = value_of(strings, "Major"),
        .Minor = value_of(strings, "Minor"),
        .Revision = value_of(strings, "Revision"),
    };
}

ApplicationInfo running_application_info()
{
    return read_application_info(platform::running_executable());
}

const BrandIdentity& brand_identity()
{
    return g_brand_identity;
}

void LoadBrandIdentity()
{
    LoadBrandIdentity(platform::running_executable());
}

void LoadBrandIdentity(const std::filesystem::path& executable)
{
    const ApplicationInfo application = read_application_info(executable);
    g_brand_identity.ProductTitle = application.ProductName;
    g_brand_identity.CompanyTitle = application.CompanyName;
    g_brand_identity.WebsiteAddress = application.Comments;
}

}
