// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/object_writer.h"

#include <limits>

#include "model/report.h"
#include "storage/class_tails.h"
#include "storage/record_coding.h"
#include "storage/stream.h"

namespace maprune {

namespace {

void WriteProperties(const TReportItem& item, ByteWriter& out)
{
    for (const PropertyInfo& p : item.Class().Properties) {
        if (!p.IsStoredFor(item))
            continue;
        switch (p.Kind) {
        case PropertyKind::Integer: {
            const int32_t value = p.GetInt(item);
            if (value != p.Default) {
                PutShortString(out, p.Name);
                out.PutI32(value);
            }
            break;
        }
        case PropertyKind::String: {
            const std::string value = p.GetString(item);
            if (!value.empty()) {
                PutShortString(out, p.Name);
                PutLongString(out, value);
            }
            break;
        }
        case PropertyKind::Object: {
            // An object never written is stored as the empty one it reads as.
            const TReportItem& value = p.ReadObject(item);
            if (!IsEmptyForStorage(value)) {
                PutShortString(out, p.Name);
                WriteObject(value, out);
            }
            break;
        }
        }
    }
    out.PutU8(0);
}

void WriteListTail(const TReportItemList& list, ByteWriter& out)
{
    int32_t count = 0;
    for (size_t i = 0; i < list.Count(); ++i)
        count += list.Item(i) != nullptr ? 1 : 0;
    out.PutI32(count);
    for (size_t i = 0; i < list.Count(); ++i) {
        if (const TReportItem* element = list.Item(i))
            WriteObject(*element, out);
    }
}

void WritePayload(const TReportItem& item, ByteWriter& out)
{
    const StorageShape shape = ShapeOf(item.Class());
    if (shape == StorageShape::Report)
        out.PutI32(TReport::kFileVersion);
    WriteProperties(item, out);
    if (shape == StorageShape::List)
        WriteListTail(static_cast<const TReportItemList&>(item), out);
    else
        WriteValueTail(item, shape, out);
}

} // namespace

void WriteObject(const TReportItem& item, ByteWriter& out)
{
    PutShortString(out, item.ClassName());
    const size_t lengthAt = out.Size();
    out.PutU32(0);
    WritePayload(item, out);
    const size_t length = out.Size() - lengthAt - 4;
    if (length > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw Error(std::string(item.ClassName())
            + ": mehr als 2 GiB Daten können nicht gespeichert werden");
    out.PatchU32(lengthAt, static_cast<uint32_t>(length));
}

void WriteObject(const TReportItem& item, TStream& out)
{
    ByteWriter record;
    WriteObject(item, record);
    out.WriteBuffer(record.Bytes().data(), record.Size());
}

} // namespace maprune
