#pragma once

// Window positions and sizes are twips in the programs and pixels on screen: 15 twips per
// pixel, as at 96 dpi.
namespace interaction::twips {

constexpr int perPixel = 15;

constexpr int fromPixels(int pixels)
{
    return pixels * perPixel;
}

// Rounds to the nearest pixel, halves away from zero.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + perPixel / 2) / perPixel : -((-twips + perPixel / 2) / perPixel);
}

} // namespace interaction::twips
