#include "views/image_page.h"

#include "analysis/output_bounds.h"
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
    const std::size_t escaped_size = html_escaped_size(url);
    const std::size_t address_size = link_address_prefix(url).size() + escaped_size;
    return kLinkStart.size() + address_size + kImageStart.size() + address_size + kImageEnd.size() + escaped_size +
           kBlockEnd.size();
}

// The address is escaped once; its two further copies come from the page itself.
void append_image_block(std::string& page, std::string_view url)
{
    const std::string_view prefix = link_address_prefix(url);
    page.append(kLinkStart).append(prefix);
    const std::size_t escaped_start = page.size();
    append_html_escaped(page, url);
    const std::size_t escaped_size = page.size() - escaped_start;
    page.append(kImageStart).append(prefix).append(page, escaped_start, escaped_size);
    page.append(kImageEnd).append(page, escaped_start, escaped_size);
    page.append(kBlockEnd);
}

}

GeneratedPage build_image_page(const ReferenceList& image_tags, std::size_t page_size)
{
    const std::size_t bound = generated_page_bound(page_size);
    std::size_t size = 0;
    std::size_t shown = 0;
    for (; shown < image_tags.size(); ++shown) {
        const std::size_t block_size = image_block_size(image_tags[shown].url);
        if (block_size > bound - size)
            break;
        size += block_size;
    }
    GeneratedPage page{{}, image_tags.size() - shown};
    page.html.reserve(size);
    for (std::size_t image = 0; image < shown; ++image)
        append_image_block(page.html, image_tags[image].url);
    return page;
}

GeneratedPageWrite WriteImagePage(const PageViewsOutput& output, const ReferenceList& image_tags,
                                  std::size_t page_size)
{
    const GeneratedPage page = build_image_page(image_tags, page_size);
    return {page.left_out, output.write(WorkFile::ImagePage, page.html)};
}

}
