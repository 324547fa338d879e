// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "model/property.h"

namespace maprune {

class TReportItem;

// The shapes of report items that readers, writers and views treat apart
// from the property walk (item_shape.h dispatches on them). A class takes
// the shape of its base unless it declares its own.
enum class ItemShape : uint8_t { Plain, History, Lines, Prices, Items, Talents, List };

// Run-time description of a model class: its name, its base, its published
// properties in stream order, and how to make a bare instance of it (the
// creation protocol in report_item.h then owns, initialises and completes it).
struct ClassInfo {
    // A CR key or sub-block name and the index of its property in Properties.
    struct CRKey {
        std::string_view Key;
        uint16_t Property = 0;
    };

    std::string_view Name;
    const ClassInfo* Parent = nullptr;
    PropertyList Properties;
    std::unique_ptr<TReportItem> (*New)() = nullptr;
    size_t InstanceBytes = 0; // the size of an instance, for load budgets
    ItemShape Shape = ItemShape::Plain;
    // Built once from the properties' CR descriptions (IndexCRKeys), ordered
    // by key length, then bytes: a block reader's look-up per line is a
    // binary search decided mostly by the length.
    std::vector<CRKey> CRValueKeys;
    std::vector<CRKey> CRBlockKeys;

    bool IsA(const ClassInfo& other) const
    {
        for (const ClassInfo* c = this; c != nullptr; c = c->Parent) {
            if (c == &other)
                return true;
        }
        return false;
    }
    const PropertyInfo* FindProperty(std::string_view name) const
    {
        for (const PropertyInfo& p : Properties) {
            if (p.Name == name)
                return &p;
        }
        return nullptr;
    }

    // The property read from CR value lines with key `key` (the value and
    // appended forms), null when the class has none.
    const PropertyInfo* FindCRValue(std::string_view key) const;
    // The object property read from sub-blocks named `block`, or null.
    const PropertyInfo* FindCRBlock(std::string_view block) const;
    // Fills CRValueKeys and CRBlockKeys from Properties.
    void IndexCRKeys();
};

// Declares the class-information members of a model class.
#define MAPRUNE_REPORT_CLASS                                                                       \
public:                                                                                            \
    static const ::maprune::ClassInfo& StaticClass();                                              \
    const ::maprune::ClassInfo& Class() const override                                             \
    {                                                                                              \
        return StaticClass();                                                                      \
    }

} // namespace maprune
