// Twips (1440 to the logical inch) and pixels of a device with the given logical dpi.
#pragma once

#include <algorithm>

namespace vq {

// Rounded to the nearest pixel.
inline int TwipsToPixels(int twips, int dpi)
{
    return (twips * dpi + 720) / 1440;
}

// Rounded up, so that the pixels fit in the twips.
inline int PixelsToTwips(int pixels, int dpi)
{
    dpi = std::max(dpi, 1);
    return (pixels * 1440 + dpi - 1) / dpi;
}

} // namespace vq
