#include "analysis/image_tag_scanner.h"

#include "analysis/tag_scanner.h"

namespace quillet {

namespace {

bool admits_every_tag(const TagRegion&)
{
    return true;
}

constexpr TagPattern kImageTag = {"<img", "src=", admits_every_tag};

}

std::size_t CollectImageTags(std::string_view page_text, std::string_view base_address, ReferenceList& image_tags)
{
    return collect_tag_references(page_text, base_address, kImageTag, image_tags);
}

}
