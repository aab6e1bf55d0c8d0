#include "analysis/image_tag_scanner.h"

#include "analysis/tag_scanner.h"

namespace quillet {

namespace {

bool admits_every_tag(std::string_view)
{
    return true;
}

constexpr TagPattern kImageTag = {"<img", "src=", admits_every_tag};

}

void CollectImageTags(std::string_view page_text, std::string_view page_address, ReferenceList& image_tags)
{
    collect_tag_references(page_text, page_address, kImageTag, image_tags);
}

}
