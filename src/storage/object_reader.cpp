// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/object_reader.h"

#include <algorithm>
#include <limits>
#include <string>

#include "core/count_text.h"
#include "model/class_registry.h"
#include "model/lines.h"
#include "model/report.h"
#include "storage/class_tails.h"
#include "storage/damaged_file.h"
#include "storage/load_budget.h"
#include "storage/record_coding.h"
#include "storage/region_after_load.h"
#include "storage/storage_shape.h"

namespace maprune {

namespace {

// Every list element takes at least a one-character class name and a length.
constexpr size_t kMinRecordSize = 2 + 4;

// The property `name` of `cls`, searched from `hint` on: properties come in
// table order, so the search usually ends at the first step.
const PropertyInfo& FindStoredProperty(const ClassInfo& cls, std::string_view name, size_t& hint)
{
    const PropertyList& properties = cls.Properties;
    for (size_t k = 0; k < properties.size(); ++k) {
        const size_t i = (hint + k) % properties.size();
        if (properties[i].Name == name) {
            hint = i + 1;
            return properties[i];
        }
    }
    throw Error("Klasse " + std::string(cls.Name) + ": Eigenschaft " + std::string(name)
                + " nicht gefunden");
}

// The turn that a version 56 file means for a bare history value of `item`.
int32_t Version56Turn(const TReportItem& item, StorageShape shape)
{
    if (shape == StorageShape::Region)
        return static_cast<const TRegion&>(item).FullInfoDate;
    if (shape == StorageShape::Report)
        return item.Turn;
    return item.Owner()->Turn;
}

class ObjectReader {
public:
    explicit ObjectReader(const ObjectReadOptions& options)
        : FOptions(options),
          FBudget(options.Budget != nullptr ? *options.Budget : FUnlimited)
    {
    }

    // Reads the rest of a record of class `cls` into a new item. `base` is the
    // offset of `in` within the bytes the caller handed over.
    std::unique_ptr<TReportItem> NewRecord(const ClassInfo& cls, ByteReader& in, size_t base,
                                           TReport* owner, int depth);

private:
    // Reads the rest of a record into `item`, which is initialised but not
    // yet read; the caller completes it.
    void Record(TReportItem& item, ByteReader& in, size_t base, int depth);
    void Payload(TReportItem& item, ByteReader& in, size_t base, int depth);
    void Properties(TReportItem& item, StorageShape shape, ByteReader& in, size_t base, int depth);
    void ObjectProperty(TReportItem& item, const PropertyInfo& p, ByteReader& in, size_t base,
                        int depth);
    void ListTail(TReportItemList& list, ByteReader& in, size_t base, int depth);
    // Reads a class name and returns its class, which must be `expected` or
    // derive from it. The record stands in `holder`, as property `p` or, when
    // that is null, as a list element.
    const ClassInfo& RecordClass(ByteReader& in, const ClassInfo& expected,
                                 const TReportItem& holder, const PropertyInfo* p);

    // Adds the `count` new objects of a record of class `cls` (its item and
    // what initialisation made besides) to those created by this read, which
    // has come to byte `position`, and throws when they exceed what the bytes
    // read so far can describe or the absolute limit.
    void CountObjects(const ClassInfo& cls, int32_t count, size_t position);
    // Charges a string value of `item` before it is stored; a TLines text
    // becomes one string per line.
    void ChargeText(StorageShape shape, std::string_view value);

    const ObjectReadOptions& FOptions;
    size_t FCreated = 0;
    size_t FWeight = 0; // of the objects created, by ObjectWeight
    LoadBudget FUnlimited = LoadBudget::Unlimited();
    LoadBudget& FBudget;
};

std::unique_ptr<TReportItem> ObjectReader::NewRecord(const ClassInfo& cls, ByteReader& in,
                                                     size_t base, TReport* owner, int depth)
{
    // The owner report counts every object it owns, those that initialisation
    // creates included; a report read without owner owns itself.
    const int32_t before = owner != nullptr ? owner->RefCount() : 0;
    std::unique_ptr<TReportItem> item = NewItem(cls, owner, "CreateFromStream");
    CountObjects(cls, item->Owner()->RefCount() - before, base + in.Position());
    Record(*item, in, base, depth);
    item->Finish();
    return item;
}

void ObjectReader::Record(TReportItem& item, ByteReader& in, size_t base, int depth)
{
    if (depth > FOptions.MaxNesting) {
        ThrowDamagedFile("Objekte sind tiefer als " + std::to_string(FOptions.MaxNesting)
                         + " Ebenen verschachtelt");
    }
    const int32_t length = in.ReadI32();
    if (length < 0 || static_cast<size_t>(length) > in.Remaining()) {
        ThrowDamagedFile("ein " + std::string(item.ClassName()) + "-Datensatz kündigt "
            + CountText(length, "Byte", "Bytes") + " an, es folgen aber nur "
            + std::to_string(in.Remaining()));
    }
    const size_t payloadBase = base + in.Position();
    ByteReader payload(in.ReadBytes(static_cast<size_t>(length)));
    Payload(item, payload, payloadBase, depth);
    if (!payload.AtEnd()) {
        ThrowDamagedFile("ein " + std::string(item.ClassName()) + "-Datensatz enthält "
            + CountText(static_cast<int64_t>(payload.Remaining()), "überzähliges Byte",
                "überzählige Bytes"));
    }
}

void ObjectReader::Payload(TReportItem& item, ByteReader& in, size_t base, int depth)
{
    FBudget.Reached(base + in.Position());
    const StorageShape shape = ShapeOf(item.Class());
    if (shape == StorageShape::Report) {
        const int32_t version = in.ReadI32();
        CheckFileVersion(version);
        static_cast<TReport&>(item).FileVersion = version;
    }
    Properties(item, shape, in, base, depth);
    if (shape == StorageShape::List)
        ListTail(static_cast<TReportItemList&>(item), in, base, depth);
    else
        ReadValueTail(item, shape, in, FBudget);
    if (shape == StorageShape::Region)
        CompleteLoadedRegion(static_cast<TRegion&>(item));
}

void ObjectReader::Properties(TReportItem& item, StorageShape shape, ByteReader& in, size_t base,
                              int depth)
{
    const ClassInfo& cls = item.Class();
    size_t hint = 0;
    for (std::string_view name = ReadShortString(in); !name.empty(); name = ReadShortString(in)) {
        const PropertyInfo& p = FindStoredProperty(cls, name, hint);
        switch (p.Kind) {
        case PropertyKind::Integer:
            p.SetInt(item, in.ReadI32());
            break;
        case PropertyKind::String: {
            const std::string_view value = ReadLongStringView(in);
            FBudget.Reached(base + in.Position());
            ChargeText(shape, value);
            p.SetString(item, std::string(value));
            break;
        }
        case PropertyKind::Object:
            if (item.Owner()->FileVersion == 56
                && p.ObjectClass()->IsA(THistoryInteger::StaticClass())) {
                const int32_t value = in.ReadI32();
                static_cast<THistoryInteger&>(p.EditObject(item))
                    .AddValue(Version56Turn(item, shape), value);
            } else {
                ObjectProperty(item, p, in, base, depth);
            }
            break;
        }
    }
}

void ObjectReader::ObjectProperty(TReportItem& item, const PropertyInfo& p, ByteReader& in,
                                  size_t base, int depth)
{
    const ClassInfo& cls = RecordClass(in, *p.ObjectClass(), item, &p);
    // A property that holds an empty object of just that class (one its
    // holder's defaults made) reads the record into it, which ends in the
    // same state as reading a new object and freeing the empty one, without
    // the cost of both. The holder's Finish completes it.
    TReportItem* held = p.HeldObject(item);
    if (held != nullptr && &held->Class() == &cls && IsPristine(*held)) {
        Record(*held, in, base, depth + 1);
        return;
    }
    std::unique_ptr<TReportItem> read = NewRecord(cls, in, base, item.Owner(), depth + 1);
    // An empty object of the declared class (an empty history is stored)
    // is what a slot never written reads as: the slot stays unmade.
    if (held == nullptr && &cls == p.ObjectClass() && IsPristine(*read))
        return;
    p.SetObject(item, std::move(read));
}

void ObjectReader::ListTail(TReportItemList& list, ByteReader& in, size_t base, int depth)
{
    const size_t count = ReadTailCount(in, kMinRecordSize, list.ClassName());
    FBudget.Charge(count, sizeof(void*));
    list.Reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const ClassInfo& cls = RecordClass(in, list.ElementClass(), list, nullptr);
        list.Add(NewRecord(cls, in, base, list.Owner(), depth + 1));
        FBudget.Reached(base + in.Position());
        if (FOptions.Progress)
            FOptions.Progress(base + in.Position());
    }
}

void ObjectReader::ChargeText(StorageShape shape, std::string_view value)
{
    FBudget.Charge(value.size());
    if (shape == StorageShape::Lines)
        FBudget.Charge(CountLines(value), sizeof(std::string));
}

void ObjectReader::CountObjects(const ClassInfo& cls, int32_t count, size_t position)
{
    if (count <= 0)
        return;
    const auto besides = static_cast<size_t>(count - 1);
    FBudget.Charge(cls.InstanceBytes + sizeof(void*));
    FBudget.Charge(besides, kObjectBytes);
    FCreated += static_cast<size_t>(count);
    FWeight += ObjectWeight(cls) + besides;
    if (FCreated > FOptions.MaxObjects) {
        throw Error("Die KDF-Datei enthält mehr als " + std::to_string(FOptions.MaxObjects)
                    + " Objekte; so große Datenbanken kann diese Maprune-Version nicht laden.");
    }
    const size_t limit = kObjectAllowance + position / kMinBytesPerObject;
    if (FWeight > limit) {
        ThrowDamagedFile("ihre Datensätze legen mehr Objekte an, als " + std::to_string(position)
                         + " Bytes beschreiben können (höchstens " + std::to_string(limit) + ")");
    }
}

const ClassInfo& ObjectReader::RecordClass(ByteReader& in, const ClassInfo& expected,
                                           const TReportItem& holder, const PropertyInfo* p)
{
    const std::string_view name = ReadShortString(in);
    // Nearly every record is of exactly the class its place expects.
    if (name == expected.Name)
        return expected;
    const ClassInfo* cls = FindRegisteredClass(name);
    if (cls == nullptr)
        throw Error("Klasse " + std::string(name) + " nicht gefunden");
    if (!cls->IsA(expected)) {
        std::string place(holder.ClassName());
        if (p != nullptr)
            place += "." + std::string(p->Name);
        ThrowDamagedFile(place + " enthält ein Objekt der Klasse "
                         + std::string(cls->Name) + " statt " + std::string(expected.Name));
    }
    return *cls;
}

} // namespace

size_t ObjectWeight(const ClassInfo& cls)
{
    return std::max<size_t>(1, (cls.InstanceBytes + sizeof(void*) + kObjectBytes - 1)
                                   / kObjectBytes);
}

void CheckFileVersion(int32_t version)
{
    if (version < kOldestFileVersion || version > TReport::kFileVersion) {
        throw Error("Die zu ladende KDF-Datei (Version " + std::to_string(version)
                    + ") ist mit den von dieser Maprune-Version unterstützten KDF-Formaten "
                      "(Versionen "
                    + std::to_string(kOldestFileVersion) + " bis "
                    + std::to_string(TReport::kFileVersion) + ") inkompatibel!");
    }
}

std::unique_ptr<TReportItem> CreateFromStream(const ClassInfo& cls, ByteReader& in, TReport* owner,
                                              const ObjectReadOptions& options)
{
    try {
        return ObjectReader(options).NewRecord(cls, in, 0, owner, 1);
    } catch (const TruncatedData&) {
        ThrowDamagedFile("ein Wert reicht über das Ende seines Datensatzes hinaus");
    }
}

} // namespace maprune
