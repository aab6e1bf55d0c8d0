#include "analysis/reference_resolver.h"

#include "analysis/ascii_text.h"
#include "analysis/dot_segments.h"
#include "analysis/url_helpers.h"
#include "analysis/url_scheme.h"

#include <array>
#include <initializer_list>

namespace quillet {

namespace {

bool ends_with_host_ending(std::string_view address)
{
    constexpr std::array<std::string_view, 4> kHostEndings = {".com", ".net", ".edu", ".gov"};
    for (const std::string_view ending : kHostEndings) {
        if (address.ends_with(ending))
            return true;
    }
    return false;
}

// "http://www.example.org", without a path.
bool is_bare_host(std::string_view path, std::string_view scheme)
{
    return !scheme.empty() && path.find('/', scheme.size()) == std::string_view::npos;
}

// The host with its "/", from an address without scheme.
std::string host_root(std::string_view address)
{
    const std::size_t slash = address.find('/');
    return slash == std::string_view::npos ? std::string(address) + '/' : std::string(address.substr(0, slash + 1));
}

std::string concatenate(std::initializer_list<std::string_view> parts)
{
    std::string whole;
    std::size_t size = 0;
    for (const std::string_view part : parts)
        size += part.size();
    whole.reserve(size);
    for (const std::string_view part : parts)
        whole += part;
    return whole;
}

// `scheme`, `directory` and `reference` joined; dot segments of the reference are resolved
// within the part of `directory` after its host.
std::string join(std::string_view scheme, std::string_view directory, std::string_view reference)
{
    if (!has_dot_segments(reference))
        return concatenate({scheme, directory, reference});
    const std::size_t root_length = host_root(directory).size();
    const std::string path = remove_dot_segments(concatenate({directory.substr(root_length), reference}));
    return concatenate({scheme, directory.substr(0, root_length), path});
}

// Only a leading scheme makes a reference absolute: "/proxy?u=http://..." is root-relative.
bool is_absolute(std::string_view reference)
{
    return starts_with_scheme(reference);
}

}

std::string page_directory(std::string_view page_address)
{
    const std::string_view path = without_query_and_fragment(page_address);
    if (path.ends_with('/'))
        return std::string(path);
    const std::string_view scheme = scheme_prefix(path);
    if (is_bare_host(path, scheme))
        return std::string(path) + '/';
    if (scheme.empty() && ends_with_host_ending(path))
        return std::string(path);
    return ParentUrl(path);
}

ReferenceResolver::ReferenceResolver(std::string_view page_address)
{
    const std::string directory = page_directory(page_address);
    const std::string_view scheme = scheme_prefix(directory);
    m_scheme = to_lower_ascii(scheme);

    std::string base = directory.substr(scheme.size());
    m_host_root = host_root(base);
    if (!base.ends_with('/'))
        base = ParentUrl(base);
    // Relative images of "hometown.aol" pages are served from "members.aol".
    m_directory = replace_all_ignoring_case(base, "hometown.aol", "members.aol");

    const std::string_view path = without_query_and_fragment(page_address);
    const std::string_view page_scheme = scheme_prefix(path);
    m_document = to_lower_ascii(page_scheme) + std::string(path.substr(page_scheme.size()));
    if (is_bare_host(path, page_scheme))
        m_document += '/';
    const std::string_view rest = page_address.substr(path.size());
    m_query = rest.starts_with('?') ? std::string(rest.substr(0, rest.find('#'))) : std::string();
}

std::string ReferenceResolver::resolve(std::string_view reference) const
{
    if (is_absolute(reference))
        return std::string(reference);
    if (reference.starts_with('?'))
        return m_document + std::string(reference);
    if (reference.starts_with('#'))
        return concatenate({m_document, m_query, reference});
    if (reference.starts_with("//"))
        return resolve_network_path(reference);
    if (reference.starts_with('/'))
        return join(m_scheme, m_host_root, reference.substr(1));
    return join(m_scheme, m_directory, reference);
}

std::string ReferenceResolver::resolve_network_path(std::string_view reference) const
{
    if (m_scheme.empty())
        return std::string(reference.substr(2));
    const std::string_view scheme_name_and_colon = std::string_view(m_scheme).substr(0, m_scheme.size() - 2);
    return concatenate({scheme_name_and_colon, reference});
}

}
