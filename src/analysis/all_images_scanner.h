#pragma once

#include "analysis/named_image.h"

#include <string_view>

namespace quillet {

// Every image that `page_text` names, in page order, each address decoded and resolved against
// `base_address` (the document's base address): img src and srcset candidates, picture sources,
// lazy sources, CSS backgrounds of style attributes and <style> blocks, SVG images, input
// images, video posters, icons, og:image and twitter:image, and the links to image files the
// image link scanner lists. One entry per kind, address and descriptor; past kNamedImageBound
// entries, or the bytes a reference list may hold, the rest are counted.
NamedImages CollectNamedImages(std::string_view page_text, std::string_view base_address);

}
