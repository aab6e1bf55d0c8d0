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

// The "Images" view shows a picture wider than the view at the view's width, in proportion.
inline constexpr const char* kImagesStyleSheet = R"css(
img {
    max-width: 100%;
    height: auto;
}
)css";

}
