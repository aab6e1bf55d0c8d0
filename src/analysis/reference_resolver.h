#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The directory that references found on the page at `page_address` are resolved against, taken
// from the address without its query and fragment: that path itself when it ends with "/"; a bare
// host with a scheme ("http://www.example.org") followed by "/"; a scheme-less path ending in
// ".com", ".net", ".edu" or ".gov" as it is; otherwise `ParentUrl` of it.
std::string page_directory(std::string_view page_address);

// Turns the references found on one page into absolute addresses by plain text rules.
class ReferenceResolver {
public:
    explicit ReferenceResolver(std::string_view page_address);

    // A reference that begins with a scheme ("HTTP://...", "data:...") stays as written; "//host/..." takes
    // the page's scheme; "/..." is joined to the page's scheme and host; "?..." to the page's
    // address without its query, "#..." to it with its query; anything else to the page
    // directory. "." and ".." segments are resolved, never above the host.
    std::string resolve(std::string_view reference) const;

private:
    std::string resolve_network_path(std::string_view reference) const;

    std::string m_scheme;    // "https://" in lower case, or empty when the page address has none
    std::string m_host_root; // host and "/", without the scheme
    std::string m_directory; // page directory without the scheme, ending with "/"
    std::string m_document;  // the page's address without query and fragment
    std::string m_query;     // "?..." of the page's address, up to its fragment
};

}
