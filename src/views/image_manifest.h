#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillet {

// What became of one image when all images were saved.
struct SavedImage {
    std::string address;
    std::string file;    // the name it was saved under; empty when it failed
    std::string failure; // why it was not saved
    std::uint64_t bytes = 0;
    std::string type; // the content type as the server sent it

    bool operator==(const SavedImage&) const = default;
};

// The manifest's text: a header line, then one line per image with its address, its file (or the
// failure in its place), its size in bytes and its type, separated by tabs. A tab or line break
// inside a field is written as a space, so every line keeps its four fields.
std::string image_manifest(const std::vector<SavedImage>& images);

}
