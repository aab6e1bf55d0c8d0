#include "views/page_analysis.h"

#include "analysis/image_link_scanner.h"
#include "analysis/image_tag_scanner.h"
#include "views/image_page.h"
#include "views/source_page.h"

namespace quillet {

PageReferences scan_page(std::string_view page_text, std::string_view page_address)
{
    PageReferences references;
    CollectImageTags(page_text, page_address, references.image_tags);
    CollectImageLinks(page_text, page_address, references.image_links);
    return references;
}

PageAnalysis analyse_page(std::string_view page_text, std::string_view page_address)
{
    PageAnalysis analysis{scan_page(page_text, page_address), {}, {}};
    analysis.source_page = build_source_page(page_text, analysis.references);
    analysis.image_page = build_image_page(analysis.references.image_tags);
    return analysis;
}

}
