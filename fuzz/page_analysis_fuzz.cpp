#include "page_analysis_fuzz.h"

#include "analysis/all_images_scanner.h"
#include "analysis/attribute_value.h"
#include "analysis/base_address.h"
#include "analysis/output_bounds.h"
#include "analysis/reference_resolver.h"
#include "analysis/url_helpers.h"
#include "views/page_views_update.h"
#include "views/pages_in_memory.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quillet::fuzz {

namespace {

void require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "page analysis broke its output: %s\n", what);
    std::abort();
}

std::size_t count_of(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Every "<" of the source page opens one of its own elements: the page's own "<" are escaped.
void check_source_page(std::string_view page)
{
    require(page.find_first_of("\r\n") == std::string_view::npos, "line break left in the source page");
    for (auto at = page.find('<'); at != std::string_view::npos; at = page.find('<', at + 1)) {
        const std::string_view tag = page.substr(at);
        require(tag.starts_with("<BR>") || tag.starts_with("<a href='") || tag.starts_with("</a>"),
                "unescaped < in the source page");
    }
    require(count_of(page, "<a href='") == count_of(page, "</a>"), "unbalanced link in the source page");
}

// Each image block holds seven "<" and four quotes of its own; escaped addresses add none.
void check_image_page(std::string_view page, std::size_t image_count)
{
    require(count_of(page, "<") == 7 * image_count, "stray < in the image page");
    require(count_of(page, "'") == 4 * image_count, "stray quote in the image page");
}

// The query and fragment of an address are no part of its directory.
void check_directory_without_query(std::string_view address)
{
    const std::string_view path = without_query_and_fragment(address);
    require(page_directory(address) == page_directory(path), "the query taken into the page directory");
    require(ParentUrl(address) == ParentUrl(path), "the directory above taken inside the query");
}

// A listed value stands inside its tag: no ">" outside quoted values ends the tag before it.
void check_values_inside_tags(std::string_view page_text, const ReferenceList& references)
{
    for (const Reference& reference : references) {
        const ReferencePlace& place = reference.place;
        const std::size_t tag_end = find_tag_end(page_text, place.tag_start);
        require(place.value_start + place.value_size <= page_text.size(), "a value outside the page");
        require(tag_end == std::string_view::npos || tag_end >= place.value_start + place.value_size,
                "a value after the end of its tag");
    }
}

// Every image named stands in the page, after its tag, in page order, within the bound.
void check_named_images(std::string_view page_text, const NamedImages& found)
{
    require(found.images.size() <= kNamedImageBound, "more images than the bound");
    std::size_t previous_tag = 0;
    for (const NamedImage& image : found.images) {
        const ReferencePlace& place = image.place;
        require(place.value_start + place.value_size <= page_text.size(), "an image outside the page");
        require(place.tag_start <= place.value_start, "an image before its tag");
        require(place.tag_start >= previous_tag, "images out of page order");
        previous_tag = place.tag_start;
    }
}

}

void analyse_fuzz_input(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t line_end = input.find('\n');
    const std::string_view page_address = input.substr(0, line_end);
    const std::string_view page_text = line_end == std::string_view::npos ? std::string_view() : input.substr(line_end + 1);

    check_directory_without_query(page_address);
    const std::string base_address = document_base_address(page_text, page_address);
    check_directory_without_query(base_address);

    const PagesInMemory pages;
    const PageViewsUpdate update = update_page_views(pages, page_text, page_address);
    check_values_inside_tags(page_text, update.references.image_tags);
    check_values_inside_tags(page_text, update.references.image_links);
    check_named_images(page_text, CollectNamedImages(page_text, base_address));

    const std::string& source_page = pages.text_of(WorkFile::Source);
    const std::string& image_page = pages.text_of(WorkFile::ImagePage);
    check_source_page(source_page);
    check_image_page(image_page, update.references.image_tags.size() - update.left_out.images);
    const std::size_t bound = generated_page_bound(page_text.size());
    require(source_page.size() <= bound && image_page.size() <= bound, "a page past its bound");
}

}
