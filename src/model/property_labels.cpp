// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/property_labels.h"

#include "model/class_info.h"
#include "model/history_integer.h"
#include "model/numbers.h"
#include "model/property.h"
#include "model/report.h"
#include "model/report_item.h"

namespace maprune {

namespace {

struct LabelEntry {
    std::string_view Class; // empty: every class with the property
    std::string_view Property;
    PropertyLabel Shown;
};

// The labels follow the words of the game's reports where there is one.
// Entries for one class come before the entry for every class.
constexpr LabelEntry kLabels[] = {
    { "TBuilding", "Captain", { "Besitzer", true, true } },
    { "TShip", "Captain", { "Kapitän", true, true } },
    { "TSpell", "Nr", { "Nummer" } },
    { "TPotion", "Nr", { "Nummer" } },
    { "TSpell", "Level", { "Stufe" } },
    { "TPotion", "Level", { "Stufe" } },
    { "TParty", "Type_", { "Rasse" } },
    { "TUnit", "Type_", { "Rasse" } },
    { "TShip", "Count", { "Schiffe im Verband" } },
    { "TShip", "Size", { "Baufortschritt (Größenpunkte)" } },
    { "TUnit", "Weight", { "Gewicht laut Server (1/100 GE)" } },
    { "", "ActiveLayer", { "aktive Ebene" } },
    { "", "ActiveParty", { "eigene Partei", true } },
    { "", "Allies", { "Allianzen" } },
    { "", "Banner", { "Banner" } },
    { "", "Basis", { "Zahlenbasis" } },
    { "", "Besiege", { "belagert", true, true } },
    { "", "Bitmap_", { "Kartensymbol" } },
    { "", "Building", { "Gebäude", true, true } },
    { "", "Buildings", { "Gebäude" } },
    { "", "CX", { "x" } },
    { "", "CY", { "y" } },
    { "", "CZ", { "Ebene" } },
    { "", "Charset", { "Zeichensatz" } },
    { "", "Capacity", { "Laderaum (1/100 GE)" } },
    { "", "Cargo", { "Ladung (1/100 GE)" } },
    { "", "Cloak", { "Tarnung" } },
    { "", "CloakParty", { "parteigetarnt" } },
    { "", "Coast", { "Küste" } },
    { "", "Commands", { "Befehle" } },
    { "", "Comment", { "Kommentar" } },
    { "", "Config", { "Konfiguration" } },
    { "", "Coordinates", { "Koordinaten" } },
    { "", "Count", { "Anzahl" } },
    { "", "Damage", { "Schaden" } },
    { "", "Data", { "Daten" } },
    { "", "Default_", { "Standardbefehl" } },
    { "", "Descr", { "Beschreibung" } },
    { "", "EMail", { "E-Mail" } },
    { "", "Entertainment", { "Unterhaltung" } },
    { "", "Events", { "Ereignisse" } },
    { "", "FightState", { "Kampfstatus" } },
    { "", "Fights", { "Kämpfe" } },
    { "", "FullInfoDate", { "ganz gesehen in Runde" } },
    { "", "Game", { "Spiel" } },
    { "", "HitPoints", { "Gesundheit" } },
    { "", "Horses", { "Pferde" } },
    { "", "Income", { "Einkommen" } },
    { "", "InfoDate", { "gesehen in Runde" } },
    { "", "Ingredients", { "Zutaten" } },
    { "", "Iron", { "Eisen" } },
    { "", "Items", { "Gegenstände" } },
    { "", "Laen", { "Laen" } },
    { "", "Load", { "Ladung" } },
    { "", "Mallorn", { "Mallornbäume" } },
    { "", "MaxLoad", { "maximale Ladung" } },
    { "", "MaxMigrants", { "maximale Immigranten" } },
    { "", "Messages", { "Meldungen" } },
    { "", "Migrants", { "Immigranten" } },
    { "", "Movements", { "Bewegungen" } },
    { "", "Name", { "Name" } },
    { "", "Nr", { "Nummer", true } },
    { "", "Observes", { "bewacht" } },
    { "", "Options", { "Optionen" } },
    { "", "OrderAddress", { "Befehlsadresse" } },
    { "", "OrderSubject", { "Betreff der Befehle" } },
    { "", "Parties", { "Parteien" } },
    { "", "Party", { "Partei", true } },
    { "", "Passthrough", { "Durchreise" } },
    { "", "Password", { "Passwort" } },
    { "", "Peasants", { "Bauern" } },
    { "", "Percent", { "fertig (Prozent)" } },
    { "", "Persons", { "Personen" } },
    { "", "PointAverage", { "Punktedurchschnitt" } },
    { "", "Points", { "Punkte" } },
    { "", "Politic", { "Politik" } },
    { "", "PosX", { "Bildlauf x" } },
    { "", "PosY", { "Bildlauf y" } },
    { "", "Potion", { "Trank" } },
    { "", "Potions", { "Tränke" } },
    { "", "Prices", { "Preise" } },
    { "", "Private_", { "privat" } },
    { "", "Production", { "Produktion" } },
    { "", "RecruteCosts", { "Rekrutierungskosten" } },
    { "", "Recrutees", { "Rekruten" } },
    { "", "Regions", { "Regionen" } },
    { "", "ReportOwner", { "Partei des Reports", true } },
    { "", "MallornSaplings", { "Mallornschösslinge" } },
    { "", "Saplings", { "Schösslinge" } },
    { "", "Series", { "Serie" } },
    { "", "Ship", { "Schiff", true, true } },
    { "", "Ships", { "Schiffe" } },
    { "", "Silver", { "Silber" } },
    { "", "Size", { "Größe" } },
    { "", "Spell", { "Zauber" } },
    { "", "Spells", { "Zauber" } },
    { "", "State", { "Status" } },
    { "", "Stones", { "Steine" } },
    { "", "Street", { "Straße" } },
    { "", "Support", { "Unterhalt" } },
    { "", "Surrounding", { "Umgebung" } },
    { "", "Tag", { "Markierung", false, true } },
    { "", "Talents", { "Talente" } },
    { "", "Terrain", { "Terrain" } },
    { "", "Tradings", { "Handel" } },
    { "", "Trees", { "Bäume" } },
    { "", "TrueType", { "wahre Rasse" } },
    { "", "Turn", { "Runde" } },
    { "", "Type_", { "Typ" } },
    { "", "Umlaute", { "Umlaute" } },
    { "", "Units", { "Einheiten" } },
    { "", "Version", { "Version" } },
    { "", "Wages", { "Lohn" } },
    { "", "Weapons", { "Waffen" } },
};

const LabelEntry* Find(std::string_view className, std::string_view property)
{
    const LabelEntry* general = nullptr;
    for (const LabelEntry& entry : kLabels) {
        if (entry.Property != property)
            continue;
        if (entry.Class == className)
            return &entry;
        if (entry.Class.empty() && general == nullptr)
            general = &entry;
    }
    return general;
}

std::string OneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

} // namespace

PropertyLabel LabelOf(std::string_view className, std::string_view property)
{
    if (const LabelEntry* entry = Find(className, property))
        return entry->Shown;
    return { property };
}

std::vector<PropertyLine> PropertyLines(const TReportItem& item)
{
    const int32_t basis = item.Owner() != nullptr ? item.Owner()->Basis : kDefaultBasis;
    const std::string_view className = item.Class().Name;
    std::vector<PropertyLine> lines;
    for (const PropertyInfo& property : item.Class().Properties) {
        const PropertyLabel label = LabelOf(className, property.Name);
        std::string value;
        switch (property.Kind) {
        case PropertyKind::Integer: {
            const int32_t number = property.GetInt(item);
            // -1 is unknown where it is the declared default; a coordinate
            // of -1 is a place like any other.
            const bool unknown = number == -1 && property.Default == -1;
            if (unknown || (number == 0 && label.ZeroIsNone))
                continue;
            value = label.EntityNumber ? FormatNr(number, basis) : std::to_string(number);
            break;
        }
        case PropertyKind::String:
            value = OneLine(property.GetString(item));
            break;
        case PropertyKind::Object: {
            const TReportItem* object = &property.ReadObject(item);
            const auto* history = dynamic_cast<const THistoryInteger*>(object);
            if (history == nullptr || history->CurrentValue() == -1)
                continue;
            value = std::to_string(history->CurrentValue()) + " (Runde "
                + std::to_string(history->History().front().Date) + ")";
            break;
        }
        }
        if (!value.empty())
            lines.push_back({ std::string(label.Label), std::move(value) });
    }
    return lines;
}

} // namespace maprune
