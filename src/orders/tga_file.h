// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace maprune {

class ByteSink;

// Row `y` (0 the top) of a picture: `width` pixels as 0x??RRGGBB, the top
// byte ignored (the layout of a 32-bit QImage scan line).
using PictureRow = std::function<const uint32_t*(int y)>;

// Writes a `width` × `height` picture as an uncompressed true-colour TGA
// file: the 18-byte header (image type 2, no colour map, origin 0,0, 24 bits
// per pixel, descriptor 0), then the rows from the bottom up, three bytes
// per pixel in blue, green, red order. Throws Error for a size that the
// format cannot hold (above 65535) and what the sink throws.
void WriteTga(int width, int height, const PictureRow& row, ByteSink& sink);

} // namespace maprune
