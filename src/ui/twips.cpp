#include "ui/twips.h"

#include <cmath>

namespace quillet {

int pixels_from_twips(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

int twips_from_pixels(int pixels)
{
    return pixels * kTwipsPerPixel;
}

Rect pixels_from_twips(const Rect& twips)
{
    return {pixels_from_twips(twips.left), pixels_from_twips(twips.top), pixels_from_twips(twips.width),
            pixels_from_twips(twips.height)};
}

}
