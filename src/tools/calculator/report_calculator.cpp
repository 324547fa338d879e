// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calculator/report_calculator.h"

#include <utility>

#include "core/error.h"
#include "core/text_encoding.h"
#include "model/report.h"
#include "tools/units/unit_view.h"

namespace maprune {

namespace {

// The first matching alias wins, so "gebaeude" is Buildings and "einheit"
// is Units as property names.
constexpr std::pair<std::string_view, std::string_view> kAliases[] = {
    { "x", "cx" }, { "y", "cy" }, { "kommentar", "comment" }, { "regionskommentar", "comment" },
    { "beschr", "descr" }, { "beschreibung", "descr" }, { "unterhaltung", "entertainment" },
    { "maxunterhaltung", "entertainment" }, { "ereignisse", "events" },
    { "regionsereignisse", "events" }, { "pferde", "horses" }, { "eisen", "iron" },
    { "erz", "iron" }, { "mallornbaeume", "mallorn" }, { "preise", "prices" },
    { "luxusgueter", "prices" }, { "nachrichten", "messages" }, { "botschaften", "messages" },
    { "regionsnachrichten", "messages" }, { "regionsbotschaften", "messages" },
    { "tarnung", "cloak" }, { "parteitarnung", "cloakparty" }, { "anzahl", "count" },
    { "menge", "count" }, { "durchreise", "passthrough" }, { "durchreisen", "passthrough" },
    { "bauern", "peasants" }, { "maxrekruten", "recrutees" }, { "rekruten", "recrutees" },
    { "schiffe", "ships" }, { "gebaeude", "buildings" }, { "burgen", "buildings" },
    { "strasse", "street" }, { "strassen", "street" }, { "umgebung", "surrounding" },
    { "regionsumgebung", "surrounding" }, { "holz", "trees" }, { "baeume", "trees" },
    { "einheiten", "units" }, { "einheit", "units" }, { "loehne", "wages" },
    { "gehaelter", "wages" }, { "belagert", "besiege" }, { "gebauede", "building" },
    { "burg", "building" }, { "befehle", "commands" }, { "kommandos", "commands" },
    { "default", "default_" }, { "kampfstatus", "fightstate" }, { "hp", "hitpoints" },
    { "trefferpunkte", "hitpoints" }, { "gegenstaende", "items" },
    { "einheitsbotschaften", "messages" }, { "bewacht", "observes" }, { "privat", "private_" },
    { "schiff", "ship" }, { "sprueche", "spells" }, { "zaubersprueche", "spells" },
    { "zauber", "spells" }, { "talente", "talents" }, { "wahrertyp", "truetype" },
    { "typ", "type_" }, { "typus", "type_" }, { "rasse", "type_" }, { "silber", "silver" },
    { "nummer", "nr" }, { "beschaedigung", "damage" }, { "ladung", "load" },
    { "maxladung", "maxload" }, { "fortschritt", "percent" }, { "groesse", "size" },
    { "unterhalt", "support" },
};

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

const PropertyInfo* FindPublished(const ClassInfo& cls, std::string_view name)
{
    for (const PropertyInfo& property : cls.Properties) {
        if (SameIgnoringCase(property.Name, name))
            return &property;
    }
    return nullptr;
}

void ExpectIndices(const TValues& indices, size_t count, const char* message)
{
    if (indices.size() != count)
        throw Error(message);
}

template <class Item, class List>
Item* FindInRegions(const TReport& report, int32_t nr, List TRegion::*list)
{
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (Item* item : *(region->*list)) {
            if (item != nullptr && item->Nr == nr)
                return item;
        }
    }
    return nullptr;
}

} // namespace

std::string_view ResolvePropertyAlias(std::string_view name)
{
    for (const auto& [alias, target] : kAliases) {
        if (alias == name)
            return target;
    }
    return name;
}

TReportCalculator::TReportCalculator(TReport* report) : FReport(report)
{
    FEvaluator.OnGetVariable = [this](const std::string& name, TValue& value,
                                   const TValues& indices) { GetVariable(name, value, indices); };
    FEvaluator.OnGetProperty = [this](const ObjectRef& object, const std::string& name,
                                   TValue& value, const TValues& indices) {
        GetProperty(object, name, value, indices);
    };
}

TValue TReportCalculator::Evaluate(const TExpression& tree)
{
    FObjects.clear();
    return FEvaluator.Evaluate(tree);
}

TReportItem* TReportCalculator::ObjectOf(const TValue& value) const
{
    uint32_t handle = 0;
    if (value.IsObject())
        return Resolve(value.Object().Handle);
    if (value.IsString() && ParseClassRef(value.String(), handle))
        return Resolve(handle);
    return nullptr;
}

TReportItem* TReportCalculator::Resolve(uint32_t handle) const
{
    if (handle == 0 || handle > FObjects.size())
        return nullptr;
    return FObjects[handle - 1];
}

TValue TReportCalculator::HandOut(TReportItem* item)
{
    if (item == nullptr)
        return {};
    uint32_t handle = 0;
    while (handle < FObjects.size() && FObjects[handle] != item)
        ++handle;
    if (handle == FObjects.size())
        FObjects.push_back(item);
    return TValue(ObjectRef { handle + 1, std::string(item->ClassName()) });
}

void TReportCalculator::GetVariable(const std::string& name, TValue& value, const TValues& indices)
{
    if (FReport == nullptr)
        return;
    TReport& report = *FReport;
    if (name == "einheit") {
        ExpectIndices(indices, 1, "\"einheit\" benötigt genau einen Index (Nummer der Einheit)");
        const int32_t nr = indices[0].ToInteger();
        TUnit* unit = FindUnitByNumber(report, nr);
        if (unit == nullptr)
            throw Error("Einheit " + report.FormatNr(nr) + " nicht gefunden");
        value = HandOut(unit);
    } else if (name == "burg" || name == "gebaeude") {
        ExpectIndices(indices, 1,
            name == "burg" ? "\"burg\" benötigt genau einen Index (Nummer des Gebäudes)"
                           : "\"gebaeude\" benötigt genau einen Index (Nummer des Gebäudes)");
        const int32_t nr = indices[0].ToInteger();
        TBuilding* building = FindInRegions<TBuilding>(report, nr, &TRegion::Buildings);
        if (building == nullptr)
            throw Error("Gebäude " + report.FormatNr(nr) + " nicht gefunden");
        value = HandOut(building);
    } else if (name == "schiff") {
        ExpectIndices(indices, 1, "\"schiff\" benötigt genau einen Index (Nummer des Schiffes)");
        const int32_t nr = indices[0].ToInteger();
        TShip* ship = FindInRegions<TShip>(report, nr, &TRegion::Ships);
        if (ship == nullptr)
            throw Error("Schiff " + report.FormatNr(nr) + " nicht gefunden");
        value = HandOut(ship);
    } else if (name == "region") {
        if (indices.size() != 2 && indices.size() != 3)
            throw Error("\"region\" benötigt 2 oder 3 Paramter (Koordinaten der Region; "
                        "Z-Koordinate ist optional)");
        const int32_t x = indices[0].ToInteger();
        const int32_t y = indices[1].ToInteger();
        const int32_t z = indices.size() == 3 ? indices[2].ToInteger() : 0;
        TRegion* region = report.FindRegion(x, y, z);
        if (region == nullptr)
            throw Error("Region[" + std::to_string(x) + ";" + std::to_string(y) + ";"
                + std::to_string(z) + "] nicht gefunden");
        value = HandOut(region);
    } else if (name == "partei") {
        ExpectIndices(indices, 0, "\"partei\" benötigt keinen Index");
        value = HandOut(report.FindParty(report.ActiveParty));
    } else if (name == "report") {
        ExpectIndices(indices, 0, "\"report\" benötigt keinen Index");
        value = HandOut(&report);
    }
}

void TReportCalculator::GetProperty(
    const ObjectRef& object, const std::string& name, TValue& value, const TValues& indices)
{
    TReportItem* item = Resolve(object.Handle);
    if (item == nullptr)
        return;
    const PropertyInfo* property = FindPublished(item->Class(), ResolvePropertyAlias(name));
    if (property == nullptr)
        return;
    if (!indices.empty())
        throw Error("keine Indizes erwartet an dieser Stelle");
    switch (property->Kind) {
    case PropertyKind::Integer:
        value = TValue(property->GetInt(*item));
        break;
    case PropertyKind::String:
        // Texts typed into the calculator are UTF-8; the report's are
        // brought to it, so that they compare and join as the same characters.
        value = TValue(DisplayText(property->GetString(*item)));
        break;
    case PropertyKind::Object:
        value = HandOut(&property->EditObject(*item));
        break;
    }
}

} // namespace maprune
