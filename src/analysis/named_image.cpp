#include "analysis/named_image.h"

namespace quillet {

std::string_view image_kind_label(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Img:
        return "img";
    case ImageKind::ImgSrcset:
        return "img srcset";
    case ImageKind::PictureSource:
        return "picture source";
    case ImageKind::Lazy:
        return "lazy";
    case ImageKind::CssBackground:
        return "CSS background";
    case ImageKind::SvgImage:
        return "SVG image";
    case ImageKind::InputImage:
        return "input image";
    case ImageKind::VideoPoster:
        return "video poster";
    case ImageKind::Icon:
        return "icon";
    case ImageKind::OpenGraphImage:
        return "og:image";
    case ImageKind::TwitterImage:
        return "twitter:image";
    case ImageKind::LinkToImageFile:
        return "link to image file";
    }
    return "img";
}

}
