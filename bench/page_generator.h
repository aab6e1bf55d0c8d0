#pragma once

#include <cstddef>
#include <string>

namespace quillet::bench {

enum class LineBreaks { Kept, None };

struct PageShape {
    std::size_t bytes = 0;
    std::size_t references = 0; // image tags and links to image files, each with its own file name
    LineBreaks line_breaks = LineBreaks::Kept;
};

// A page body of about `shape.bytes` bytes: ordinary markup (paragraphs, entities, links to pages,
// a little invalid UTF-8 and a few NUL bytes) with the references spread evenly through it.
std::string generate_page(const PageShape& shape, unsigned seed);

}
