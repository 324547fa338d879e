// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/tga_file.h"

#include <array>
#include <string>

#include "core/byte_sink.h"
#include "core/error.h"

namespace maprune {

namespace {

constexpr int kMaxSide = 0xFFFF;
constexpr char kTrueColour = 2;
constexpr char kBitsPerPixel = 24;

void PutWord(std::array<char, 18>& header, size_t at, int value)
{
    header[at] = static_cast<char>(value & 0xFF);
    header[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

void WriteTga(int width, int height, const PictureRow& row, ByteSink& sink)
{
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        throw Error("TGA-Bilder können höchstens 65535 × 65535 Pixel groß sein.");
    std::array<char, 18> header {};
    header[2] = kTrueColour;
    PutWord(header, 12, width);
    PutWord(header, 14, height);
    header[16] = kBitsPerPixel;
    sink.Write(std::string_view(header.data(), header.size()));

    std::string line(static_cast<size_t>(width) * 3, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* pixels = row(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[x];
            const size_t at = static_cast<size_t>(x) * 3;
            line[at] = static_cast<char>(pixel & 0xFF);
            line[at + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            line[at + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        sink.Write(line);
    }
}

} // namespace maprune
