#pragma once

#include "analysis/reference_list.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// How page text names an image.
enum class ImageKind {
    Img,            // <img src>
    ImgSrcset,      // a candidate of <img srcset>
    PictureSource,  // a candidate of <source srcset> inside <picture>
    Lazy,           // data-src, data-srcset, data-lazy-src, data-original
    CssBackground,  // url(...) of a background in a style attribute or a <style> block
    SvgImage,       // <image href> or xlink:href
    InputImage,     // <input type=image src>
    VideoPoster,    // <video poster>
    Icon,           // <link rel=icon>, apple-touch-icon and the like
    OpenGraphImage, // <meta property=og:image content>
    TwitterImage,   // <meta name=twitter:image content>
    LinkToImageFile // an anchor the image link scanner lists
};

// The kind as the lists and quillet-scan name it: "img srcset", "CSS background", "og:image".
std::string_view image_kind_label(ImageKind kind);

// One image that page text names. Its address is decoded and resolved against the document's
// base address, as the engine requests it.
struct NamedImage {
    ImageKind kind = ImageKind::Img;
    std::string url;
    std::string file_name;
    std::string descriptor = {}; // "2x", "800w" for a srcset candidate
    std::string element = {};    // "img", "div.hero", the selector of a style sheet's rule
    ReferencePlace place = {};   // the tag, and the attribute value or url() that names it

    bool operator==(const NamedImage& other) const
    {
        return kind == other.kind && url == other.url && file_name == other.file_name &&
               descriptor == other.descriptor && element == other.element;
    }
};

struct NamedImages {
    std::vector<NamedImage> images;
    std::size_t left_out = 0; // past the bound on entries
};

// The most images one scan lists; the rest are counted.
constexpr std::size_t kNamedImageBound = 100000;

}
