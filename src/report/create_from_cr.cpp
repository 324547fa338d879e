// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/create_from_cr.h"

#include <string>

#include "core/error.h"
#include "model/building.h"
#include "model/entry_lists.h"
#include "model/lines.h"
#include "model/party.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/spells.h"
#include "model/unit.h"

namespace maprune {
namespace {

using BlockReader = void (*)(TReportItem&, TCRInterface&);

template <class T> void ReadBlockOf(TReportItem& item, TCRInterface& cr)
{
    static_cast<T&>(item).ReadCR(cr);
}

// The classes read from CR blocks, the most frequent first: the model does
// not know its readers, so that it links without the reader.
BlockReader ReaderOf(const ClassInfo& cls)
{
    struct ClassReader {
        const ClassInfo& Class;
        BlockReader Read;
    };
    static const ClassReader readers[] = {
        {TItems::StaticClass(), &ReadBlockOf<TItems>},
        {TTalents::StaticClass(), &ReadBlockOf<TTalents>},
        {TUnit::StaticClass(), &ReadBlockOf<TUnit>},
        {TLines::StaticClass(), &ReadBlockOf<TLines>},
        {TRegion::StaticClass(), &ReadBlockOf<TRegion>},
        {TPrices::StaticClass(), &ReadBlockOf<TPrices>},
        {TShip::StaticClass(), &ReadBlockOf<TShip>},
        {TBuilding::StaticClass(), &ReadBlockOf<TBuilding>},
        {TParty::StaticClass(), &ReadBlockOf<TParty>},
        {TAlly::StaticClass(), &ReadBlockOf<TAlly>},
        {TSpell::StaticClass(), &ReadBlockOf<TSpell>},
        {TPotion::StaticClass(), &ReadBlockOf<TPotion>},
        {TReport::StaticClass(), &ReadBlockOf<TReport>},
    };
    for (const ClassInfo* c = &cls; c != nullptr; c = c->Parent) {
        for (const ClassReader& reader : readers) {
            if (&reader.Class == c)
                return reader.Read;
        }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<TReportItem> CreateFromCR(const ClassInfo& cls, TCRInterface& cr, TReport* owner,
                                          int32_t turn)
{
    const BlockReader read = ReaderOf(cls);
    if (read == nullptr)
        throw Error(std::string(cls.Name) + ".ReadCR: this class is not read from a CR");
    std::unique_ptr<TReportItem> item = NewItem(cls, owner, "CreateFromCR");
    item->Turn = turn;
    read(*item, cr);
    item->Finish();
    return item;
}

} // namespace maprune
