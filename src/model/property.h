// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace maprune {

class TReportItem;
struct ClassInfo;

enum class PropertyKind { Integer, String, Object };

// One published property of a model class. The class's property table is the
// single description of its persistent shape: creation of sub-objects,
// re-owning, completion, the stream form, the calculator and the JSON dump
// all walk it.
struct PropertyInfo {
    // What the stream form assumes when a property declares no default: every
    // other value is written.
    static constexpr int32_t kNoDefault = std::numeric_limits<int32_t>::min();

    std::string_view Name;
    PropertyKind Kind = PropertyKind::Integer;
    int32_t Default = kNoDefault; // declared default of an integer property
    bool Stored = true;           // false: derived, never written
    bool (*StoredIf)(const TReportItem&) = nullptr; // storage test, null: always

    int32_t (*GetInt)(const TReportItem&) = nullptr;
    void (*SetInt)(TReportItem&, int32_t) = nullptr;
    std::string (*GetString)(const TReportItem&) = nullptr;
    void (*SetString)(TReportItem&, std::string) = nullptr;

    const ClassInfo* (*ObjectClass)() = nullptr; // declared class of an object property
    TReportItem* (*GetObject)(const TReportItem&) = nullptr;
    // Stores `value`, freeing the held object; throws Error when `value` is
    // not of the declared class.
    void (*SetObject)(TReportItem&, std::unique_ptr<TReportItem> value) = nullptr;

    bool IsStoredFor(const TReportItem& item) const
    {
        return Stored && (StoredIf == nullptr || StoredIf(item));
    }

    PropertyInfo& WithDefault(int32_t value)
    {
        Default = value;
        return *this;
    }
    PropertyInfo& NeverStored()
    {
        Stored = false;
        return *this;
    }
    PropertyInfo& StoredWhen(bool (*test)(const TReportItem&))
    {
        StoredIf = test;
        return *this;
    }
};

using PropertyList = std::vector<PropertyInfo>;

// A property list for a derived class: the inherited properties first, then
// the own ones; an own property with an inherited name takes that place.
PropertyList ExtendProperties(const PropertyList& inherited, const PropertyList& own);

} // namespace maprune
