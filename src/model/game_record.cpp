// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/game_data.h"

namespace maprune {

namespace {

bool InFixedBlock(int recordByte, int width)
{
    return recordByte >= GameRecord::kFixedOffset
        && recordByte + width <= GameRecord::kFixedOffset + GameRecord::kFixedSize;
}

// A ratio of two record fields; a zero or negative divisor (every record that
// GetItem made up for an unknown name has one) gives 0 instead of a NaN that
// would poison every weight sum it enters.
double Ratio(int32_t numerator, int32_t denominator)
{
    return denominator > 0 ? static_cast<double>(numerator) / denominator : 0.0;
}

} // namespace

uint8_t GameRecord::ByteAt(int recordByte) const
{
    return InFixedBlock(recordByte, 1) ? Fixed[recordByte - kFixedOffset] : 0;
}

int32_t GameRecord::Int32At(int recordByte) const
{
    if (!InFixedBlock(recordByte, 4))
        return 0;
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | Fixed[recordByte - kFixedOffset + i];
    return static_cast<int32_t>(value);
}

void GameRecord::SetByte(int recordByte, uint8_t value)
{
    if (InFixedBlock(recordByte, 1))
        Fixed[recordByte - kFixedOffset] = value;
}

void GameRecord::SetInt32(int recordByte, int32_t value)
{
    if (!InFixedBlock(recordByte, 4))
        return;
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        Fixed[recordByte - kFixedOffset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

double GameRecord::PieceWeight() const
{
    return Ratio(Int32At(24), Int32At(20));
}

uint16_t GameRecord::TerrainSet() const
{
    return static_cast<uint16_t>(ByteAt(80) | ByteAt(81) << 8);
}

double GameRecord::PersonWeight() const
{
    return Ratio(Int32At(152), Int32At(156));
}

double GameRecord::PersonCapacity() const
{
    return Ratio(Int32At(160), Int32At(164));
}

} // namespace maprune
