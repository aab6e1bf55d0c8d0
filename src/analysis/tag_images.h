#pragma once

#include "analysis/html_tag_reader.h"
#include "analysis/named_image.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// An image that a tag names, before its address is resolved.
struct ImageMention {
    ImageKind kind;
    std::string reference; // decoded, as the engine reads it
    std::string descriptor;
    std::string element;
    ReferencePlace place;
};

// Appends the images that `tag` of `page_text` names in its attributes, in the order a reader
// meets them; `inside_picture` tells a <source> of a <picture> from one of a video.
void append_tag_images(std::string_view page_text, const HtmlTag& tag, bool inside_picture,
                       std::vector<ImageMention>& mentions);

// Appends the background images of a <style> block's rules.
void append_style_sheet_images(std::string_view page_text, const HtmlTag& style, std::vector<ImageMention>& mentions);

}
