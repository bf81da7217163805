// Small shared types of the whole program: 16-bit integers, Booleans and the
// 16-colour palette the wall is painted with.
#pragma once

#include <cstdint>

namespace splot {

using i16 = std::int16_t;

// Booleans of the game state are 16-bit integers: True is -1, False is 0.
inline constexpr i16 kTrue = -1;
inline constexpr i16 kFalse = 0;

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The classic 16-colour palette (QBColor). Indices in use: 2 cursor, 7 grid,
// 8 dark grey, 9 Blue paint, 10 winning line, 12 Red paint, 14 grease, 15 white.
constexpr Rgb qbColor(int index)
{
    constexpr Rgb table[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                               {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                               {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                               {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    return table[(index % 16 + 16) % 16];
}

// A rectangle in twips (the layout unit: 15 twips to a logical pixel).
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

inline constexpr int kTwipsPerPixel = 15;

} // namespace splot
