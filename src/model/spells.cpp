// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/spells.h"

#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TSpell::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TSpell>("TSpell", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { IntProperty<TSpell, &TSpell::Nr>("Nr").CRHead(),
                // The lower-case keys are those of today's spell book entries.
                StringProperty<TSpell, &TSpell::Spell>("Spell").CRKey({ "Name", "name" }),
                IntProperty<TSpell, &TSpell::Level>("Level").CRKey({ "Stufe", "level" }),
                StringProperty<TSpell, &TSpell::Descr>("Descr").CRKey({ "Beschr", "info" }) }));
    return info;
}

const ClassInfo& TPotion::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TPotion>("TPotion", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { IntProperty<TPotion, &TPotion::Nr>("Nr").CRHead(),
                StringProperty<TPotion, &TPotion::Potion>("Potion").CRKey({ "Name" }),
                IntProperty<TPotion, &TPotion::Level>("Level").CRKey({ "Stufe" }),
                StringProperty<TPotion, &TPotion::Ingredients>("Ingredients")
                    .CRAppendedKey("Zutat"),
                StringProperty<TPotion, &TPotion::Descr>("Descr").CRKey({ "Beschr" }) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TSpells, TReportItemList)

MAPRUNE_DEFINE_PLAIN_CLASS(TPotions, TReportItemList)

} // namespace maprune
