// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/colour_scale.h"

#include <cmath>
#include <initializer_list>

namespace maprune {

namespace {

uint32_t Channel(Rgb colour, int shift)
{
    return (colour >> shift) & 0xFF;
}

} // namespace

Rgb ScaleColour(double max, double value, double min)
{
    const double t = max == min ? 0.0 : (value - min) / (max - min);
    Rgb from;
    Rgb to;
    double f;
    if (t < 0.25) {
        from = 0x404080;
        to = 0x800000;
        f = 4 * t;
    } else if (t < 0.5) {
        from = 0x800000;
        to = 0xFF8080;
        f = 4 * (t - 0.25);
    } else if (t < 0.75) {
        from = 0xFF8080;
        to = 0xFFFF80;
        f = 4 * (t - 0.5);
    } else {
        from = 0xFFFF80;
        to = 0x80FF80;
        f = 4 * (t - 0.75);
    }
    // NaN (from infinite inputs) takes the segment's start.
    if (!(f > 0))
        f = 0;
    else if (f > 1)
        f = 1;
    Rgb result = 0;
    for (int shift : { 16, 8, 0 }) {
        const double a = Channel(from, shift);
        const double b = Channel(to, shift);
        result |= static_cast<Rgb>(std::trunc(a + (b - a) * f)) << shift;
    }
    return result;
}

} // namespace maprune
