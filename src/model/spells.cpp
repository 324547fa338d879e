// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/spells.h"

#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TSpell::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TSpell>(
        "TSpell", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
                         {IntProperty<TSpell, &TSpell::Nr>("Nr"),
                          StringProperty<TSpell, &TSpell::Spell>("Spell"),
                          IntProperty<TSpell, &TSpell::Level>("Level"),
                          StringProperty<TSpell, &TSpell::Descr>("Descr")}));
    return info;
}

const ClassInfo& TPotion::StaticClass()
{
    static const ClassInfo info = MakeClassInfo<TPotion>(
        "TPotion", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
                         {IntProperty<TPotion, &TPotion::Nr>("Nr"),
                          StringProperty<TPotion, &TPotion::Potion>("Potion"),
                          IntProperty<TPotion, &TPotion::Level>("Level"),
                          StringProperty<TPotion, &TPotion::Ingredients>("Ingredients"),
                          StringProperty<TPotion, &TPotion::Descr>("Descr")}));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TSpells, TReportItemList)

MAPRUNE_DEFINE_PLAIN_CLASS(TPotions, TReportItemList)

} // namespace maprune
