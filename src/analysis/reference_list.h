#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Where a reference stands in the text scanned, in bytes from its start: its tag ("<img", "<a ")
// and its attribute value as the page writes it, before decoding.
struct ReferencePlace {
    std::size_t tag_start = 0;
    std::size_t value_start = 0;
    std::size_t value_size = 0;

    bool operator==(const ReferencePlace&) const = default;
};

// One found reference: the absolute address it resolves to and its file name, the key under
// which duplicates are detected. Both are decoded, as the engine requests them.
struct Reference {
    std::string url;
    std::string file_name;
    // The file name as the page writes it ("a&amp;b.gif" for "a&b.gif"), where that differs;
    // empty when it is the same.
    std::string written_name = {};
    ReferencePlace place = {};

    std::string_view name_as_written() const { return written_name.empty() ? file_name : written_name; }

    // Where a reference stands is no part of what it is: scans of one page that list the same
    // references agree, whatever text each cut them from.
    bool operator==(const Reference& other) const
    {
        return url == other.url && file_name == other.file_name && written_name == other.written_name;
    }
};

using ReferenceList = std::vector<Reference>;

// The two pairs of reference lists a page scan fills.
struct PageReferences {
    ReferenceList image_links; // pair 0: anchors whose line names an image file
    ReferenceList image_tags;  // pair 1: the src of every image tag

    bool operator==(const PageReferences&) const = default;
};

}
