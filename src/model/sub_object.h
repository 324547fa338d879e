// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "model/report_item.h"

namespace maprune {

// An owned sub-object (history, text block, list) that is made on its first
// write. Most of a report's sub-objects stay empty, and making them all up
// front cost most of a report's memory and a good part of reading it.
//
// Reading one never written gives the shared empty object of its class, so
// reads see exactly what an empty object shows; writing through a non-const
// holder makes the object in the holder's report. Until then the slot keeps
// that report in place of the object, tagged by the low bit.
template <class T> class SubObject {
public:
    SubObject() = default;
    ~SubObject() { delete Held(); }
    SubObject(const SubObject&) = delete;
    SubObject& operator=(const SubObject&) = delete;

    // Stores `item`, freeing the held object; null leaves the slot empty.
    SubObject& operator=(std::unique_ptr<T> item)
    {
        TReport* report = Report();
        delete Held();
        FWord = item != nullptr ? reinterpret_cast<uintptr_t>(item.release()) : Absent(report);
        return *this;
    }

    const T& Read() const
    {
        const T* held = Held();
        return held != nullptr ? *held : Empty();
    }
    const T* operator->() const { return &Read(); }
    const T& operator*() const { return Read(); }

    T& Edit()
    {
        if (T* held = Held())
            return *held;
        std::unique_ptr<T> made = CreateEmpty<T>(RequireReport());
        T& item = *made;
        FWord = reinterpret_cast<uintptr_t>(made.release());
        return item;
    }
    T* operator->() { return &Edit(); }
    T& operator*() { return Edit(); }

    // The object when it was ever made, else null.
    T* Held() const { return (FWord & kAbsentBit) != 0 ? nullptr : reinterpret_cast<T*>(FWord); }

    // Moves the slot, and the object when there is one, to `report`.
    void SetReport(TReport* report)
    {
        if (T* held = Held())
            held->SetOwner(report);
        else
            FWord = Absent(report);
    }

    // The report of the slot: the held object's owner, or the one the empty
    // slot was tied to.
    TReport* Report() const
    {
        if (const T* held = Held())
            return held->Owner();
        return reinterpret_cast<TReport*>(FWord & ~kAbsentBit);
    }

    // Exchanges the contents as they are; the caller sees to the reports.
    void swap(SubObject& other) noexcept { std::swap(FWord, other.FWord); }

    // The object every slot of class T that was never written reads as.
    static const T& Empty()
    {
        static const T* const empty = CreateEmpty<T>(SharedEmptiesReport()).release();
        return *empty;
    }

private:
    static constexpr uintptr_t kAbsentBit = 1;

    static uintptr_t Absent(TReport* report)
    {
        return reinterpret_cast<uintptr_t>(report) | kAbsentBit;
    }

    TReport* RequireReport() const
    {
        TReport* report = Report();
        if (report == nullptr)
            ThrowSubObjectWithoutReport(T::StaticClass());
        return report;
    }

    uintptr_t FWord = kAbsentBit;
};

} // namespace maprune
