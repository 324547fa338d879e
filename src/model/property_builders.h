// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for writing a class's property table from its data members.

#include <memory>
#include <optional>
#include <string>

#include "core/error.h"
#include "model/report_item.h"
#include "model/sub_object.h"

namespace maprune {

template <class C, int32_t C::*M> PropertyInfo IntProperty(std::string_view name)
{
    PropertyInfo p;
    p.Name = name;
    p.Kind = PropertyKind::Integer;
    p.GetInt = [](const TReportItem& o) { return static_cast<const C&>(o).*M; };
    p.SetInt = [](TReportItem& o, int32_t v) { static_cast<C&>(o).*M = v; };
    p.CopyValue = [](TReportItem& to, const TReportItem& from) {
        static_cast<C&>(to).*M = static_cast<const C&>(from).*M;
    };
    return p;
}

template <class C, std::string C::*M> PropertyInfo StringProperty(std::string_view name)
{
    PropertyInfo p;
    p.Name = name;
    p.Kind = PropertyKind::String;
    p.GetString = [](const TReportItem& o) { return static_cast<const C&>(o).*M; };
    p.SetString = [](TReportItem& o, std::string v) { static_cast<C&>(o).*M = std::move(v); };
    p.CopyValue = [](TReportItem& to, const TReportItem& from) {
        static_cast<C&>(to).*M = static_cast<const C&>(from).*M;
    };
    return p;
}

[[noreturn]] void ThrowWrongPropertyClass(
    const TReportItem& holder, const TReportItem& value, const ClassInfo& expected);

template <class C, class T, SubObject<T> C::*M> PropertyInfo ObjectProperty(std::string_view name)
{
    PropertyInfo p;
    p.Name = name;
    p.Kind = PropertyKind::Object;
    p.ObjectClass = []() -> const ClassInfo* { return &T::StaticClass(); };
    p.HeldObject
        = [](const TReportItem& o) -> TReportItem* { return (static_cast<const C&>(o).*M).Held(); };
    p.ReadObject = [](const TReportItem& o) -> const TReportItem& {
        return (static_cast<const C&>(o).*M).Read();
    };
    p.EditObject = [](TReportItem& o) -> TReportItem& { return (static_cast<C&>(o).*M).Edit(); };
    p.SetObjectReport
        = [](TReportItem& o, TReport* report) { (static_cast<C&>(o).*M).SetReport(report); };
    p.SetObject = [](TReportItem& o, std::unique_ptr<TReportItem> v) {
        if (v != nullptr && !v->Class().IsA(T::StaticClass()))
            ThrowWrongPropertyClass(o, *v, T::StaticClass());
        static_cast<C&>(o).*M = std::unique_ptr<T>(static_cast<T*>(v.release()));
    };
    p.SwapObjects = [](TReportItem& a, TReportItem& b) {
        (static_cast<C&>(a).*M).swap(static_cast<C&>(b).*M);
    };
    return p;
}

// The class information of a concrete model class; its shape is the
// parent's unless `shape` is given.
template <class T>
ClassInfo MakeClassInfo(std::string_view name, const ClassInfo* parent, PropertyList properties,
    std::optional<ItemShape> shape = std::nullopt)
{
    static_assert(alignof(T) <= 8, "the item pool aligns its blocks to 8 bytes");
    ClassInfo info;
    info.Name = name;
    info.Parent = parent;
    info.Properties = std::move(properties);
    info.New = []() -> std::unique_ptr<TReportItem> { return std::unique_ptr<T>(new T()); };
    info.InstanceBytes = sizeof(T);
    info.Shape = shape.value_or(parent != nullptr ? parent->Shape : ItemShape::Plain);
    info.IndexCRKeys();
    return info;
}

} // namespace maprune

// Defines StaticClass of a class that publishes nothing beyond its base.
#define MAPRUNE_DEFINE_PLAIN_CLASS(ClassName, BaseName)                                            \
    const ::maprune::ClassInfo& ClassName::StaticClass()                                           \
    {                                                                                              \
        static const ::maprune::ClassInfo info = ::maprune::MakeClassInfo<ClassName>(              \
            #ClassName, &BaseName::StaticClass(), BaseName::StaticClass().Properties);             \
        return info;                                                                               \
    }

// The same for a class that starts one of the special shapes.
#define MAPRUNE_DEFINE_SHAPED_CLASS(ClassName, BaseName, ShapeName)                                \
    const ::maprune::ClassInfo& ClassName::StaticClass()                                           \
    {                                                                                              \
        static const ::maprune::ClassInfo info                                                     \
            = ::maprune::MakeClassInfo<ClassName>(#ClassName, &BaseName::StaticClass(),            \
                BaseName::StaticClass().Properties, ::maprune::ItemShape::ShapeName);              \
        return info;                                                                               \
    }
