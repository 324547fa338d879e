// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/class_info.h"

namespace maprune {

class TReport;
class TCRInterface;

// Base of every record of a report database.
//
// Every item belongs to exactly one root TReport (its owner) and holds one
// counted reference on it. Items are made only through the creation
// functions below and the CR reader's CreateFromCR (report/create_from_cr.h),
// which run the fixed sequence owner resolution, InitFields, (reading),
// Finish. A parent owns its children through SubObject (made on
// first write) or std::unique_ptr; the published object properties of a
// class are its owned sub-objects.
class TReportItem {
public:
    // Bare construction is for ClassInfo::New only; use the creation functions.
    TReportItem() = default;
    virtual ~TReportItem();
    TReportItem(const TReportItem&) = delete;
    TReportItem& operator=(const TReportItem&) = delete;

    static const ClassInfo& StaticClass();
    virtual const ClassInfo& Class() const { return StaticClass(); }
    std::string_view ClassName() const { return Class().Name; }

    // Items come from the item pool (item_pool.h), which is faster and
    // smaller than the general heap for the millions of items of a report.
    static void* operator new(std::size_t size);
    static void operator delete(void* block, std::size_t size) noexcept;

    TReport* Owner() const { return FOwner; }

    int32_t Tag() const { return FTag; }
    // Stores the value; a TRegion reports a change of the selection bit 0.
    void SetTag(int32_t value);
    // Stores the value without any notification (reading files).
    void SetTagSilently(int32_t value) { FTag = value; }

    // Moves the item and everything it owns to `newOwner`. Throws Error when
    // the item has no owner.
    void SetOwner(TReport* newOwner);

    // Completes the item after creation: calls Finish of every owned sub-object.
    virtual void Finish();

    int32_t Turn = -1;

protected:
    // Ties the empty slots of the owned sub-objects to the owner (they are
    // made on their first write); subclasses then set their defaults.
    virtual void InitFields();
    virtual void OnTagChanged(int32_t oldTag);
    // Re-owns owned objects that are not published properties (list elements).
    virtual void SetOwnerOfElements(TReport* newOwner);

    // Re-owns `newItem` to this item's owner, frees the item in `slot` and
    // stores `newItem` there.
    template <class Slot, class T> void ReplaceItem(Slot& slot, std::unique_ptr<T> newItem)
    {
        newItem->SetOwner(FOwner);
        slot = std::move(newItem);
    }

private:
    friend std::unique_ptr<TReportItem> NewItem(const ClassInfo&, TReport*, std::string_view);
    friend class TReport;

    void ResolveOwner(TReport* owner, std::string_view constructorName);

    // After Turn, so that the two share one 8-byte word: there are hundreds of
    // thousands of items.
    int32_t FTag = 0;
    TReport* FOwner = nullptr;
};

// The first two steps shared by all creation paths: a bare instance of
// `cls`, owned by `owner` (or by itself when it is a TReport without owner),
// with InitFields done. `constructorName` ("CreateEmpty", "CreateFromStream"
// ...) names the path in the owner messages. The caller fills and finishes it.
std::unique_ptr<TReportItem> NewItem(const ClassInfo& cls, TReport* owner,
                                     std::string_view constructorName);

// Creates an item with its defaults (NewItem, then Finish).
std::unique_ptr<TReportItem> CreateEmpty(const ClassInfo& cls, TReport* owner);

// The report that owns the shared empty objects of SubObject (never freed).
TReport* SharedEmptiesReport();
// Throws Error: a sub-object of class `cls` is written in a slot that no
// creation function set up.
[[noreturn]] void ThrowSubObjectWithoutReport(const ClassInfo& cls);

template <class T>
std::unique_ptr<T> CreateEmpty(TReport* owner)
{
    return std::unique_ptr<T>(static_cast<T*>(CreateEmpty(T::StaticClass(), owner).release()));
}

} // namespace maprune
