#pragma once

#include <string>
#include <vector>

namespace quillet {

// One found reference: the absolute address it resolves to and its file name, the key under
// which duplicates are detected.
struct Reference {
    std::string url;
    std::string file_name;

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
