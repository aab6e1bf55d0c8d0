#include "named_image_output.h"

#include "reference_output.h"

namespace quillet::scan {

std::string named_images_as_lines(const NamedImages& images)
{
    std::string out;
    for (const NamedImage& image : images.images) {
        out += image_kind_label(image.kind);
        out += '\t';
        append_line_field(out, image.url);
        out += '\t';
        append_line_field(out, image.file_name);
        if (!image.descriptor.empty()) {
            out += '\t';
            append_line_field(out, image.descriptor);
        }
        out += '\n';
    }
    return out;
}

std::string named_images_as_json(const NamedImages& images, std::string_view page_text)
{
    LineColumnCounter positions(page_text);
    std::string out = "{\"images\": [";
    for (std::size_t i = 0; i < images.images.size(); ++i) {
        const NamedImage& image = images.images[i];
        out += i == 0 ? "{\"kind\": " : ", {\"kind\": ";
        append_json_string(out, image_kind_label(image.kind));
        out += ", \"url\": ";
        append_json_string(out, image.url);
        out += ", \"fileName\": ";
        append_json_string(out, image.file_name);
        out += ", \"descriptor\": ";
        append_json_string(out, image.descriptor);
        append_json_place(out, positions, image.element, page_text, image.place);
        out += '}';
    }
    out += "]}\n";
    return out;
}

}
