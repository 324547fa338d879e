// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/report_item.h"

#include "core/error.h"
#include "model/item_pool.h"
#include "model/property_builders.h"
#include "model/report.h"

namespace maprune {

const ClassInfo& TReportItem::StaticClass()
{
    static const ClassInfo info = [] {
        PropertyInfo tag;
        tag.Name = "Tag";
        tag.Kind = PropertyKind::Integer;
        tag.GetInt = [](const TReportItem& o) { return o.Tag(); };
        tag.SetInt = [](TReportItem& o, int32_t v) { o.SetTag(v); };
        PropertyInfo turn = IntProperty<TReportItem, &TReportItem::Turn>("Turn").WithDefault(-1);
        return MakeClassInfo<TReportItem>("TReportItem", nullptr, {tag, turn});
    }();
    return info;
}

void ThrowWrongPropertyClass(const TReportItem& holder, const TReportItem& value,
                             const ClassInfo& expected)
{
    throw Error(std::string(holder.ClassName()) + ": an object of class "
                + std::string(value.ClassName()) + " cannot stand where a "
                + std::string(expected.Name) + " is expected");
}

void* TReportItem::operator new(std::size_t size)
{
    return AllocateItemMemory(size);
}

void TReportItem::operator delete(void* block, std::size_t size) noexcept
{
    FreeItemMemory(block, size);
}

TReportItem::~TReportItem()
{
    if (FOwner != nullptr)
        FOwner->ReleaseRef(FOwner);
}

void TReportItem::SetTag(int32_t value)
{
    const int32_t old = FTag;
    FTag = value;
    if (old != value)
        OnTagChanged(old);
}

void TReportItem::OnTagChanged(int32_t) {}

void TReportItem::SetOwnerOfElements(TReport*) {}

void TReportItem::SetOwner(TReport* newOwner)
{
    if (FOwner == nullptr)
        throw Error("object of type " + std::string(ClassName()) + " had FOwner = nil");
    // A tree names one owner throughout, so a tree that already belongs to
    // `newOwner` has nothing to move; the counts would end where they are.
    if (FOwner == newOwner)
        return;
    FOwner->ReleaseRef(FOwner);
    FOwner = newOwner->AddRef();
    SetOwnerOfElements(newOwner);
    for (const PropertyInfo& p : Class().Properties) {
        if (p.Kind == PropertyKind::Object)
            p.SetObjectReport(*this, newOwner);
    }
}

void TReportItem::Finish()
{
    for (const PropertyInfo& p : Class().Properties) {
        if (p.Kind == PropertyKind::Object) {
            if (TReportItem* child = p.HeldObject(*this))
                child->Finish();
        }
    }
}

void TReportItem::InitFields()
{
    for (const PropertyInfo& p : Class().Properties) {
        if (p.Kind == PropertyKind::Object)
            p.SetObjectReport(*this, FOwner);
    }
}

TReport* SharedEmptiesReport()
{
    // Never freed: the empty objects it owns are read until the very end.
    // Left unfinished: finishing would read its own lists before they exist.
    static TReport* const report
        = static_cast<TReport*>(NewItem(TReport::StaticClass(), nullptr, "CreateEmpty").release());
    return report;
}

void ThrowSubObjectWithoutReport(const ClassInfo& cls)
{
    throw Error("an object of class " + std::string(cls.Name)
        + " was written before its holder belonged to a report");
}

void TReportItem::ResolveOwner(TReport* owner, std::string_view constructorName)
{
    if (owner != nullptr) {
        FOwner = owner->AddRef();
    } else if (auto* report = dynamic_cast<TReport*>(this)) {
        FOwner = report->AddRef();
    } else {
        throw Error(std::string(ClassName()) + "." + std::string(constructorName)
                    + ": AOwner is nil but we are not TReport");
    }
}

std::unique_ptr<TReportItem> NewItem(const ClassInfo& cls, TReport* owner,
                                     std::string_view constructorName)
{
    std::unique_ptr<TReportItem> item = cls.New();
    item->ResolveOwner(owner, constructorName);
    item->InitFields();
    return item;
}

std::unique_ptr<TReportItem> CreateEmpty(const ClassInfo& cls, TReport* owner)
{
    std::unique_ptr<TReportItem> item = NewItem(cls, owner, "CreateEmpty");
    item->Finish();
    return item;
}

} // namespace maprune
