// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

struct ClassInfo;

// What the stream form of a class does besides its published properties:
// the report's format version in front, one of the tails after the end mark,
// the region's completion after reading. Classes derived from one of these
// take its shape.
enum class StorageShape { Plain, Report, Region, List, Lines, History, Prices, Items, Talents };

// The class's item shape (ClassInfo::Shape), else Report or Region for those
// classes: decided from the class information alone, without a dynamic_cast
// per item, since the stream form asks for every object it reads or writes.
StorageShape ShapeOf(const ClassInfo& cls);

} // namespace maprune
