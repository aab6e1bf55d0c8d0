#pragma once

namespace quillet {

// The "Source Code" view reads the page as a listing: every space and tab kept, and long lines
// wrapped at the view's edge rather than scrolled to.
inline constexpr const char* kSourceCodeStyleSheet = R"css(
body {
    font-family: monospace;
    white-space: pre-wrap;
    overflow-wrap: anywhere;
    tab-size: 8;
}
)css";

// The listing file itself is laid out in blocks of lines (kSourceCodeListingScript groups them),
// each only once it comes near the screen; the body shows once the blocks are made, so the engine
// never lays out the whole text as one piece.
inline constexpr const char* kSourceCodeListingStyleSheet = R"css(
html:not([data-listing-grouped]) > body {
    display: none;
}
.listing-block {
    display: block;
    content-visibility: auto;
    contain-intrinsic-size: auto 400px;
}
/* The top of the listing, a screenful, shows at once, from the first frame on. */
.listing-block:nth-child(-n+2) {
    content-visibility: visible;
}
)css";

// The "Images" view shows a picture wider than the view at the view's width, in proportion.
inline constexpr const char* kImagesStyleSheet = R"css(
img {
    max-width: 100%;
    height: auto;
}
)css";

}
