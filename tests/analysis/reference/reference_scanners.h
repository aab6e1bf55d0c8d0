#pragma once

#include "analysis/reference_list.h"

#include <string>
#include <string_view>

// The address helpers and page scanners spelled out literally: "http://" the only scheme, a
// hundred normalising passes, the work files re-read line by line, an entry-by-entry duplicate
// search, and a scan that ends at its first invalid cut. Slow; the yardstick the scanners are
// checked against wherever they do not differ on purpose.
namespace quillet::reference {

std::string ParentUrl(std::string address);
std::string UrlFileName(std::string reference);

// `page_text` is what the page-view driver writes to "checkImages.txt" before its closing CR LF.
void CollectImageTags(std::string_view page_text, std::string page_address, ReferenceList& image_tags);
void CollectImageLinks(std::string_view page_text, std::string page_address, ReferenceList& image_links);

}
