#include "views/image_page.h"

#include "views/html_escape.h"
#include "views/link_address.h"

namespace quillet {

namespace {

constexpr std::string_view kLinkStart = "<a href='";
constexpr std::string_view kImageStart = "'><img src='";
constexpr std::string_view kImageEnd = "'></a><BR>";
constexpr std::string_view kBlockEnd = "<BR><BR><BR>";

std::size_t image_block_size(std::string_view url)
{
    const std::size_t address_size = link_address_prefix(url).size() + html_escaped_size(url);
    return kLinkStart.size() + address_size + kImageStart.size() + address_size + kImageEnd.size() +
           html_escaped_size(url) + kBlockEnd.size();
}

void append_image_block(std::string& page, std::string_view url)
{
    const std::string_view prefix = link_address_prefix(url);
    page.append(kLinkStart).append(prefix);
    append_html_escaped(page, url);
    page.append(kImageStart).append(prefix);
    append_html_escaped(page, url);
    page.append(kImageEnd);
    append_html_escaped(page, url);
    page.append(kBlockEnd);
}

}

std::string build_image_page(const ReferenceList& image_tags)
{
    std::size_t size = 0;
    for (const Reference& image : image_tags)
        size += image_block_size(image.url);
    std::string page;
    page.reserve(size);
    for (const Reference& image : image_tags)
        append_image_block(page, image.url);
    return page;
}

std::string WriteImagePage(const WorkFiles& files, const ReferenceList& image_tags)
{
    return files.write(WorkFile::ImagePage, build_image_page(image_tags));
}

}
