// SPDX-License-Identifier: GPL-3.0-or-later
// Every CR key and sub-block name of the property tables reaches the
// property it names when a block is read.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/item_shape.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using PropertyKeysTest = CRTest;

// Where a block of a class stands in a report, and how to find the item it
// gives.
struct Place {
    const ClassInfo* Class;
    std::string Before; // the report text up to the block head
    std::string Head;
    std::function<TReportItem&(TReport&)> Item;
};

const std::string kRegion = "VERSION 36\n6;Runde\nREGION 0 0\n";

std::vector<Place> Places()
{
    return {
        { &TReport::StaticClass(), "", "VERSION 36\n",
            [](TReport& r) -> TReportItem& { return r; } },
        { &TParty::StaticClass(), "VERSION 36\n", "PARTEI 7\n",
            [](TReport& r) -> TReportItem& { return *(*r.Parties)[0]; } },
        { &TAlly::StaticClass(), "VERSION 36\nPARTEI 7\n", "ALLIANZ 8\n",
            [](TReport& r) -> TReportItem& { return *(*(*r.Parties)[0]->Allies)[0]; } },
        { &TSpell::StaticClass(), "VERSION 36\n", "SPRUCH 3\n",
            [](TReport& r) -> TReportItem& { return *(*r.Spells)[0]; } },
        { &TPotion::StaticClass(), "VERSION 36\n", "TRANK 3\n",
            [](TReport& r) -> TReportItem& { return *(*r.Potions)[0]; } },
        { &TRegion::StaticClass(), "VERSION 36\n6;Runde\n", "REGION 0 0\n",
            [](TReport& r) -> TReportItem& { return *(*r.Regions)[0]; } },
        { &TUnit::StaticClass(), kRegion, "EINHEIT 4\n",
            [](TReport& r) -> TReportItem& { return *(*(*r.Regions)[0]->Units)[0]; } },
        { &TShip::StaticClass(), kRegion, "SCHIFF 4\n",
            [](TReport& r) -> TReportItem& { return *(*(*r.Regions)[0]->Ships)[0]; } },
        { &TBuilding::StaticClass(), kRegion, "BURG 4\n",
            [](TReport& r) -> TReportItem& { return *(*(*r.Regions)[0]->Buildings)[0]; } },
    };
}

// Region values that the reader derives after reading from others, so that
// the value read does not stay.
bool DerivedAfterReading(const ClassInfo& cls, std::string_view property)
{
    return &cls == &TRegion::StaticClass()
        && (property == "InfoDate" || property == "FullInfoDate" || property == "Entertainment"
            || property == "Recrutees");
}

// The value line that gives property `p` the value 7 (or the text "t7").
std::string ValueLine(const PropertyInfo& p, std::string_view key)
{
    const std::string value = p.Kind == PropertyKind::String ? "\"t7\"" : "7";
    return value + ";" + std::string(key) + "\n";
}

// The content of a sub-block that gives an object of `cls` one entry.
std::string OneEntry(const ClassInfo& cls)
{
    switch (cls.Shape) {
    case ItemShape::Lines:
        return "\"eine Zeile\"\n";
    case ItemShape::Prices:
    case ItemShape::Items:
        return "7;Schwert\n";
    case ItemShape::Talents:
        return "\"30 1\";Bergbau\n";
    default:
        return "";
    }
}

size_t Entries(const TReportItem& object)
{
    return VisitShape(object,
        ShapeHandlers { [](const TLines& lines) { return static_cast<size_t>(lines.Count()); },
            [](const TReportItemList& list) { return list.Count(); },
            []<class Entry>(const TEntryList<Entry>& table) { return table.Entries.size(); },
            [](const TReportItem&) { return size_t { 0 }; } });
}

TEST_F(PropertyKeysTest, EveryValueKeyReachesItsProperty)
{
    for (const Place& place : Places()) {
        for (const PropertyInfo& p : place.Class->Properties) {
            if ((p.CR.Form != CRForm::Value && p.CR.Form != CRForm::Appended)
                || DerivedAfterReading(*place.Class, p.Name))
                continue;
            for (std::string_view key : p.CR.Keys) {
                if (key.empty())
                    continue;
                SCOPED_TRACE(std::string(place.Class->Name) + "." + std::string(p.Name) + " by "
                    + std::string(key));
                auto r = ReadText(place.Before + place.Head + ValueLine(p, key));
                ASSERT_NE(r->Report, nullptr);
                EXPECT_TRUE(r->WarningTexts().empty());
                const TReportItem& item = place.Item(*r->Report);
                switch (p.Kind) {
                case PropertyKind::Integer:
                    EXPECT_EQ(p.GetInt(item), 7);
                    break;
                case PropertyKind::String:
                    EXPECT_EQ(p.GetString(item), "t7");
                    break;
                case PropertyKind::Object:
                    EXPECT_EQ(
                        static_cast<const THistoryInteger&>(p.ReadObject(item)).CurrentValue(), 7);
                    break;
                }
            }
        }
    }
}

TEST_F(PropertyKeysTest, EveryBlockNameReachesItsProperty)
{
    for (const Place& place : Places()) {
        for (const PropertyInfo& p : place.Class->Properties) {
            if (p.CR.Form != CRForm::Block)
                continue;
            SCOPED_TRACE(std::string(place.Class->Name) + "." + std::string(p.Name));
            const ClassInfo& objectClass = *p.ObjectClass();
            // An element block's head carries its number, a region's its place.
            const std::string_view name = p.CR.Keys[0];
            const std::string head = std::string(name)
                + (objectClass.Shape != ItemShape::List ? ""
                        : name == "REGION"              ? " 1 1"
                                                        : " 9")
                + "\n";
            auto r = ReadText(place.Before + place.Head + head + OneEntry(objectClass));
            ASSERT_NE(r->Report, nullptr);
            EXPECT_TRUE(r->WarningTexts().empty());
            EXPECT_EQ(Entries(p.ReadObject(place.Item(*r->Report))), 1U);
        }
    }
}

} // namespace
} // namespace maprune::test
