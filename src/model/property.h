// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace maprune {

class TReport;
class TReportItem;
struct ClassInfo;

enum class PropertyKind { Integer, String, Object };

// How a property stands in a computer report (CR) block of its class.
enum class CRForm : uint8_t {
    None, // not in the CR, or read by the block's own code
    Value, // one value line per key: an integer through CRInt, a string as
           // it stands, a history gains (the item's Turn, CRInt(value))
    Appended, // a string; each line's value joins the ones before after a blank
    Block, // an object from the sub-block of that name: a list gains one
           // element per block, any other object is replaced by the block
    Head, // the number on the block head (a writer puts it there)
};

struct CRDescription {
    CRForm Form = CRForm::None;
    // Value and appended forms: the keys read, a writer uses the first.
    // Block form: the sub-block name in the first place.
    std::array<std::string_view, 3> Keys {};
};

// How merging entities (units, ships, buildings, parties) treats a property
// of the database's entity, given the same entity of an added report.
enum class MergeRule : uint8_t {
    Never, // the database's value stays
    History, // a history: gains the turns it lacks, whichever report is newer
    Newer, // taken from the added report only when that report is newer: a
           // value copied, a text or list exchanged, a table's entries swapped
};

// One published property of a model class. The class's property table is the
// single description of its persistent shape: creation of sub-objects,
// re-owning, completion, the stream form, the calculator and the JSON dump
// all walk it, and so do the CR block readers and entity merging.
struct PropertyInfo {
    // What the stream form assumes when a property declares no default: every
    // other value is written.
    static constexpr int32_t kNoDefault = std::numeric_limits<int32_t>::min();

    std::string_view Name;
    PropertyKind Kind = PropertyKind::Integer;
    int32_t Default = kNoDefault; // declared default of an integer property
    bool Stored = true; // false: derived, never written
    bool (*StoredIf)(const TReportItem&) = nullptr; // storage test, null: always

    int32_t (*GetInt)(const TReportItem&) = nullptr;
    void (*SetInt)(TReportItem&, int32_t) = nullptr;
    std::string (*GetString)(const TReportItem&) = nullptr;
    void (*SetString)(TReportItem&, std::string) = nullptr;

    const ClassInfo* (*ObjectClass)() = nullptr; // declared class of an object property
    // Object properties are made on their first write (sub_object.h).
    // HeldObject: the object when it was ever made, else null. ReadObject:
    // it, or the shared empty object of its class. EditObject: it, made now
    // when it was never made.
    TReportItem* (*HeldObject)(const TReportItem&) = nullptr;
    const TReportItem& (*ReadObject)(const TReportItem&) = nullptr;
    TReportItem& (*EditObject)(TReportItem&) = nullptr;
    // Moves the held object, or the empty slot, to `report`.
    void (*SetObjectReport)(TReportItem&, TReport* report) = nullptr;
    // Stores `value`, freeing the held object; throws Error when `value` is
    // not of the declared class.
    void (*SetObject)(TReportItem&, std::unique_ptr<TReportItem> value) = nullptr;

    // Integer and string properties: `to` takes the value of `from`, both of
    // the property's class.
    void (*CopyValue)(TReportItem& to, const TReportItem& from) = nullptr;
    // Object properties: `a` and `b` exchange their objects as they are; the
    // caller sees to the owners when a and b belong to different reports.
    void (*SwapObjects)(TReportItem& a, TReportItem& b) = nullptr;

    CRDescription CR;
    MergeRule Merge = MergeRule::Never;

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
    // Read from value lines under `keys` (at most three, the first written).
    PropertyInfo& CRKey(std::initializer_list<std::string_view> keys)
    {
        return Described(CRForm::Value, keys);
    }
    PropertyInfo& CRAppendedKey(std::string_view key)
    {
        return Described(CRForm::Appended, { key });
    }
    PropertyInfo& CRBlock(std::string_view name) { return Described(CRForm::Block, { name }); }
    PropertyInfo& CRHead() { return Described(CRForm::Head, {}); }
    PropertyInfo& Merged(MergeRule rule)
    {
        Merge = rule;
        return *this;
    }

private:
    PropertyInfo& Described(CRForm form, std::initializer_list<std::string_view> keys)
    {
        CR.Form = form;
        size_t i = 0;
        for (std::string_view key : keys)
            CR.Keys.at(i++) = key;
        return *this;
    }
};

using PropertyList = std::vector<PropertyInfo>;

// A property list for a derived class: the inherited properties first, then
// the own ones; an own property with an inherited name takes that place.
PropertyList ExtendProperties(const PropertyList& inherited, const PropertyList& own);

} // namespace maprune
