#pragma once

#include "analysis/named_image.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// A resource the engine loaded for the page shown, as its own record of the load tells it.
struct LoadedResource {
    std::string url;
    std::string mime_type;
    std::uint64_t bytes = 0; // 0 when the response gave no length
    int http_status = 0;     // 0 for addresses that are no HTTP request (data:, file:)
    bool failed = false;
};

// One image element of the page as the engine lays it out.
struct ImageElementFacts {
    std::string url;     // its current source, the srcset or <picture> candidate the engine chose
    std::string element; // "img", "input", "video", "image" (SVG)
    unsigned natural_width = 0;
    unsigned natural_height = 0;
    unsigned shown_width = 0; // its box; 0 x 0 when it is not rendered
    unsigned shown_height = 0;
    std::optional<std::string> alt; // none when the element has no alt attribute
    bool has_size_attributes = false;
    bool has_lazy_source = false; // data-src and the like
    bool in_frame = false;        // of a same-origin frame's document
};

// A background image the engine computed for an element, style sheets included.
struct ComputedBackground {
    std::string url;
    std::string element; // a short selector: "div.hero"
    bool in_frame = false;
};

// What the engine tells of the page's images.
struct EngineImageFacts {
    std::vector<LoadedResource> resources;
    std::vector<ImageElementFacts> elements;
    std::vector<ComputedBackground> backgrounds;
    std::size_t left_out = 0; // past the bounds of the engine's record and of the read
};

// Whether the served HTML names an image, only the page as it stands now, or neither.
enum class ImageOrigin { Served, Added, Neither };

enum ImageNote : unsigned {
    NoAlternateText = 1U << 0,
    ShownSmall = 1U << 1,
    NoSizeAttributes = 1U << 2,
    LazyPlaceholder = 1U << 3,
    FailedToLoad = 1U << 4,
};
constexpr unsigned kAllImageNotes = (1U << 5) - 1;

struct ImageDetailsRow {
    std::string address;
    std::vector<std::string> sources; // "img", "img srcset 800w (shown)", "CSS background div.hero"
    ImageOrigin origin = ImageOrigin::Neither;
    std::optional<LoadedResource> load; // none when the engine did not fetch it
    std::string type;
    unsigned natural_width = 0;
    unsigned natural_height = 0;
    unsigned shown_width = 0;
    unsigned shown_height = 0;
    std::optional<std::string> alt;
    unsigned notes = 0;
    std::uint64_t bytes_saved = 0; // estimated, for ShownSmall
};

struct ImageDetails {
    std::vector<ImageDetailsRow> rows;
    std::size_t left_out = 0; // past kImageDetailsRowBound, and what the scans left out
};

constexpr std::size_t kImageDetailsRowBound = 100000;

// One row per distinct address of `rendered` (the page as it stands now), `served` (the HTML as
// its server sent it; none when the engine kept no copy) and the engine's facts, in the order
// they first name it.
ImageDetails BuildImageDetails(const NamedImages& rendered, const std::optional<NamedImages>& served,
                               const EngineImageFacts& engine);

enum class ImageColumn { Address, Source, Origin, Loaded, Type, Size, NaturalSize, ShownAt, AlternateText, Notes };
constexpr ImageColumn kImageColumns[] = {
    ImageColumn::Address, ImageColumn::Source,  ImageColumn::Origin,        ImageColumn::Loaded,
    ImageColumn::Type,    ImageColumn::Size,    ImageColumn::NaturalSize,   ImageColumn::ShownAt,
    ImageColumn::AlternateText, ImageColumn::Notes,
};

std::string_view image_column_title(ImageColumn column);
std::string_view image_note_label(ImageNote note);
// A column's text for one row, as the window and Copy Rows show it.
std::string image_column_text(const ImageDetailsRow& row, ImageColumn column);
// Negative, zero or positive as `a` sorts before, with or after `b` by `column`: sizes by number,
// texts by their letters.
int compare_image_rows(const ImageDetailsRow& a, const ImageDetailsRow& b, ImageColumn column);
// Whether the row's address or notes contain `text` (in any letter case) and it has every note of
// `notes`.
bool image_row_matches(const ImageDetailsRow& row, std::string_view text, unsigned notes);
// Tab-separated lines with a header line, tabs and line breaks inside values made spaces.
std::string image_rows_text(const std::vector<const ImageDetailsRow*>& rows);

}
