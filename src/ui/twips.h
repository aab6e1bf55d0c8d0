#pragma once

namespace quillet {

// Window geometry is kept in twips (1/1440 inch), converted to pixels only when placed on screen.
inline constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

int pixels_from_twips(int twips);
int twips_from_pixels(int pixels);

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

Rect pixels_from_twips(const Rect& twips);

}
