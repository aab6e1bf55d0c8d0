#include "views/image_manifest.h"

namespace quillet {

namespace {

void append_field(std::string& line, const std::string& field)
{
    for (const char c : field)
        line.push_back((c == '\t' || c == '\r' || c == '\n') ? ' ' : c);
}

}

std::string image_manifest(const std::vector<SavedImage>& images)
{
    std::string text = "address\tfile\tbytes\ttype\n";
    for (const SavedImage& image : images) {
        append_field(text, image.address);
        text.push_back('\t');
        append_field(text, image.file.empty() ? "failed: " + image.failure : image.file);
        text.push_back('\t');
        text += std::to_string(image.bytes);
        text.push_back('\t');
        append_field(text, image.type);
        text.push_back('\n');
    }
    return text;
}

}
