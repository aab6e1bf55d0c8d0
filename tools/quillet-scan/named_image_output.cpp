#include "named_image_output.h"

#include "reference_output.h"

#include <vector>

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
    std::vector<std::size_t> tag_starts;
    tag_starts.reserve(images.images.size());
    for (const NamedImage& image : images.images)
        tag_starts.push_back(image.place.tag_start);
    const std::vector<LineColumn> positions = line_columns(page_text, tag_starts);
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
        append_json_place(out, positions[i], image.element, page_text, image.place);
        out += '}';
    }
    out += "]}\n";
    return out;
}

}
