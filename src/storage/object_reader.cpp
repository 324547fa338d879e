// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/object_reader.h"

#include "model/class_registry.h"
#include "model/report.h"
#include "storage/class_tails.h"
#include "storage/damaged_file.h"
#include "storage/record_coding.h"
#include "storage/region_after_load.h"

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
int32_t Version56Turn(const TReportItem& item)
{
    if (const auto* region = dynamic_cast<const TRegion*>(&item))
        return region->FullInfoDate;
    if (dynamic_cast<const TReport*>(&item) != nullptr)
        return item.Turn;
    return item.Owner()->Turn;
}

class ObjectReader {
public:
    explicit ObjectReader(const ObjectReadOptions& options) : FOptions(options) {}

    // `base` is the offset of `in` within the bytes the caller handed over.
    std::unique_ptr<TReportItem> Record(const ClassInfo& cls, ByteReader& in, size_t base,
                                        TReport* owner, int depth);

private:
    void Payload(TReportItem& item, ByteReader& in, size_t base, int depth);
    void Properties(TReportItem& item, ByteReader& in, size_t base, int depth);
    void ListTail(TReportItemList& list, ByteReader& in, size_t base, int depth);
    // Reads a class name and returns its class, which must be `expected` or
    // derive from it; `place` names where the record stands.
    const ClassInfo& RecordClass(ByteReader& in, const ClassInfo& expected,
                                 const std::string& place);

    const ObjectReadOptions& FOptions;
};

std::unique_ptr<TReportItem> ObjectReader::Record(const ClassInfo& cls, ByteReader& in, size_t base,
                                                  TReport* owner, int depth)
{
    if (depth > FOptions.MaxNesting) {
        ThrowDamagedFile("Objekte sind tiefer als " + std::to_string(FOptions.MaxNesting)
                         + " Ebenen verschachtelt");
    }
    std::unique_ptr<TReportItem> item = NewItem(cls, owner, "CreateFromStream");
    const int32_t length = in.ReadI32();
    if (length < 0 || static_cast<size_t>(length) > in.Remaining()) {
        ThrowDamagedFile("ein " + std::string(cls.Name) + "-Datensatz kündigt "
                         + std::to_string(length) + " Bytes an, es folgen aber nur "
                         + std::to_string(in.Remaining()));
    }
    const size_t payloadBase = base + in.Position();
    ByteReader payload(in.ReadBytes(static_cast<size_t>(length)));
    Payload(*item, payload, payloadBase, depth);
    if (!payload.AtEnd()) {
        ThrowDamagedFile("ein " + std::string(cls.Name) + "-Datensatz enthält "
                         + std::to_string(payload.Remaining()) + " überzählige Bytes");
    }
    item->Finish();
    return item;
}

void ObjectReader::Payload(TReportItem& item, ByteReader& in, size_t base, int depth)
{
    if (auto* report = dynamic_cast<TReport*>(&item)) {
        const int32_t version = in.ReadI32();
        CheckFileVersion(version);
        report->FileVersion = version;
    }
    Properties(item, in, base, depth);
    if (auto* list = dynamic_cast<TReportItemList*>(&item))
        ListTail(*list, in, base, depth);
    else
        ReadValueTail(item, in);
    if (auto* region = dynamic_cast<TRegion*>(&item))
        CompleteLoadedRegion(*region);
}

void ObjectReader::Properties(TReportItem& item, ByteReader& in, size_t base, int depth)
{
    const ClassInfo& cls = item.Class();
    size_t hint = 0;
    for (std::string_view name = ReadShortString(in); !name.empty(); name = ReadShortString(in)) {
        const PropertyInfo& p = FindStoredProperty(cls, name, hint);
        switch (p.Kind) {
        case PropertyKind::Integer:
            p.SetInt(item, in.ReadI32());
            break;
        case PropertyKind::String:
            p.SetString(item, ReadLongString(in));
            break;
        case PropertyKind::Object: {
            const ClassInfo& declared = *p.ObjectClass();
            if (item.Owner()->FileVersion == 56 && declared.IsA(THistoryInteger::StaticClass())) {
                const int32_t value = in.ReadI32();
                static_cast<THistoryInteger&>(*p.GetObject(item)).AddValue(Version56Turn(item),
                                                                            value);
            } else {
                const ClassInfo& actual
                    = RecordClass(in, declared, std::string(cls.Name) + "." + std::string(p.Name));
                p.SetObject(item, Record(actual, in, base, item.Owner(), depth + 1));
            }
            break;
        }
        }
    }
}

void ObjectReader::ListTail(TReportItemList& list, ByteReader& in, size_t base, int depth)
{
    const size_t count = ReadTailCount(in, kMinRecordSize, list.ClassName());
    list.Reserve(count);
    const std::string place(list.ClassName());
    for (size_t i = 0; i < count; ++i) {
        const ClassInfo& cls = RecordClass(in, list.ElementClass(), place);
        list.Add(Record(cls, in, base, list.Owner(), depth + 1));
        if (FOptions.Progress)
            FOptions.Progress(base + in.Position());
    }
}

const ClassInfo& ObjectReader::RecordClass(ByteReader& in, const ClassInfo& expected,
                                           const std::string& place)
{
    const std::string_view name = ReadShortString(in);
    const ClassInfo* cls = FindRegisteredClass(name);
    if (cls == nullptr)
        throw Error("Klasse " + std::string(name) + " nicht gefunden");
    if (!cls->IsA(expected)) {
        ThrowDamagedFile(place + " enthält ein Objekt der Klasse " + std::string(cls->Name)
                         + " statt " + std::string(expected.Name));
    }
    return *cls;
}

} // namespace

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
        return ObjectReader(options).Record(cls, in, 0, owner, 1);
    } catch (const TruncatedData&) {
        ThrowDamagedFile("ein Wert reicht über das Ende seines Datensatzes hinaus");
    }
}

} // namespace maprune
