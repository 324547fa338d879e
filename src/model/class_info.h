// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>

#include "model/property.h"

namespace maprune {

class TReportItem;

// Run-time description of a model class: its name, its base, its published
// properties in stream order, and how to make a bare instance of it (the
// creation protocol in report_item.h then owns, initialises and completes it).
struct ClassInfo {
    std::string_view Name;
    const ClassInfo* Parent = nullptr;
    PropertyList Properties;
    std::unique_ptr<TReportItem> (*New)() = nullptr;

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
};

// Declares the class-information members of a model class.
#define MAPRUNE_REPORT_CLASS                                                                       \
public:                                                                                            \
    static const ::maprune::ClassInfo& StaticClass();                                              \
    const ::maprune::ClassInfo& Class() const override { return StaticClass(); }

} // namespace maprune
