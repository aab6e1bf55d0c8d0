#include "views/page_analysis.h"

#include "analysis/image_link_scanner.h"
#include "analysis/image_tag_scanner.h"
#include "views/image_page.h"
#include "views/source_page.h"

namespace quillet {

PageScan scan_page(std::string_view page_text, std::string_view base_address)
{
    PageScan scan;
    scan.left_out += CollectImageTags(page_text, base_address, scan.references.image_tags);
    scan.left_out += CollectImageLinks(page_text, base_address, scan.references.image_links);
    return scan;
}

PageAnalysis analyse_page(std::string_view page_text, std::string_view base_address)
{
    PageScan scan = scan_page(page_text, base_address);
    GeneratedPage source_page = build_source_page(page_text, scan.references);
    GeneratedPage image_page = build_image_page(scan.references.image_tags, page_text.size());
    return {std::move(scan.references), std::move(source_page.html), std::move(image_page.html),
            {scan.left_out, source_page.left_out, image_page.left_out}};
}

}
