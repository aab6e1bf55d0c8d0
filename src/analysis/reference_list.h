#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// One found reference: the absolute address it resolves to and its file name, the key under
// which duplicates are detected. Both are decoded, as the engine requests them.
struct Reference {
    std::string url;
    std::string file_name;
    // The file name as the page writes it ("a&amp;b.gif" for "a&b.gif"), where that differs;
    // empty when it is the same.
    std::string written_name = {};

    std::string_view name_as_written() const { return written_name.empty() ? file_name : written_name; }

    bool operator==(const Reference&) const = default;
};

using ReferenceList = std::vector<Reference>;

// The two pairs of reference lists a page scan fills.
struct PageReferences {
    ReferenceList image_links; // pair 0: anchors whose line names an image file
    ReferenceList image_tags;  // pair 1: the src of every image tag

    bool operator==(const PageReferences&) const = default;
};

}
