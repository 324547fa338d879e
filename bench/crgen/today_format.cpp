// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/crgen/today_format.h"

#include <array>
#include <string_view>

namespace maprune::crgen::detail {

namespace {

// Message types of today's reports: number, section, template and the text
// the party's report shows.
struct MessageType {
    int Nr;
    std::string_view Section;
    std::string_view Template;
};
constexpr std::array<MessageType, 7> kMessageTypes = {{{1001, "events", "Ein $thing zieht über den Himmel."},
                                                       {1002, "economy", "$unit($unit) verdient $int($amount) Silber."},
                                                       {1003, "production", "$unit($unit) produziert $int($amount) $resource($resource,$amount)."},
                                                       {1004, "movement", "$unit($unit) wandert nach $direction."},
                                                       {1005, "battle", "Der Kampf um $region($region) ist entschieden."},
                                                       {1006, "errors", "Willkommen in Runde $int($turn)."},
                                                       {kRegionEventMessageType, "events", "Die Bauern feiern ein Erntefest."}}};

std::string Coordinates(const Region& r, const View& view)
{
    return std::to_string(r.X + view.ShiftX) + " " + std::to_string(r.Y + view.ShiftY) + " " + std::to_string(r.Z);
}

} // namespace

void WriteTodayHeader(ReportWriter& w, const World& world, const View& view)
{
    w.Int(2, "Zeitalter");
    w.Text("befehle@kelvaran.example", "mailto");
    w.Text("KELVARAN 2 BEFEHLE", "mailcmd");
    w.Int(world.Parties[static_cast<size_t>(view.Party)].Nr, "reportowner");
    w.Text("3.28.1-42-gabcdef", "Build");
    w.Int(250, "max_units");
    w.Int(0, "curTempID");
    w.Head("COORDTRANS", std::to_string(world.Parties[static_cast<size_t>(view.Party)].Nr));
    w.Line("0 0;translation");
    w.Head("ALLIANCE", "1");
    w.Int(world.Parties[static_cast<size_t>(view.Party)].Nr, "leader");
    w.Text("Bund des Nordens", "name");
    w.Head("WELTCHRONIK");
    w.Text("Das Zeitalter der Drachen", "titel");
    w.Head("KAPITEL", "1");
    w.TextLine("Es war einmal.");
    w.Head("ISLAND", "1");
    w.Text("Nordinsel", "name");
}

void WriteMessage(ReportWriter& w, int nr, int type, const std::string& rendered)
{
    w.Head("MESSAGE", std::to_string(nr));
    w.Int(type, "type");
    w.Text(rendered, "rendered");
}

// The party of a today's report: MESSAGE blocks instead of the line blocks,
// spell book entries, groups, the item pool and one unknown block.
void WriteTodayParty(ReportWriter& w, const World& world, const View& view, int persons)
{
    const Party& own = world.Parties[static_cast<size_t>(view.Party)];
    const Party& ally = world.Parties[static_cast<size_t>(view.Ally)];
    const Region& home = world.Regions[static_cast<size_t>(own.Home)];
    w.Head("PARTEI", std::to_string(own.Nr));
    w.Text("de", "locale");
    w.Int(world.GameTurn - 12, "age");
    w.Int(1021, "Optionen");
    w.Text(own.Name, "Parteiname");
    w.Text(own.EMail, "email");
    w.Text("Für \"Ruhm\" und Ehre!\\", "banner");
    w.Text(own.Race, "race");
    w.Text("Gwyrrd", "Magiegebiet");
    w.Int(75, "Rekrutierungskosten");
    w.Int(persons, "Anzahl Personen");
    w.Int(persons / 10 + world.GameTurn, "Punkte");
    w.Int(50 + world.GameTurn % 17, "Punktedurchschnitt");
    w.Int(1, "heroes");
    w.Int(4, "max_heroes");
    w.Int(1, "alliance");
    w.Head("OPTIONEN");
    w.Int(1, "REPORT");
    w.Int(1, "COMPUTER");
    w.Int(0, "ZEITUNG");
    w.Head("GEGENSTAENDE");
    w.Int(120, "Silber");
    w.Int(3, "Holz");
    w.Head("ALLIANZ", std::to_string(ally.Nr));
    w.Text(ally.Name, "Parteiname");
    w.Int(59, "Status");
    w.Head("GRUPPE", "1");
    w.Text("Wächter", "name");
    for (const Party& p : world.Parties) {
        if (&p != &own && &p != &ally) {
            w.Head("ALLIANZ", std::to_string(p.Nr));
            w.Text(p.Name, "Parteiname");
            w.Int(1, "Status");
            break;
        }
    }
    w.Head("VORLIEBEN");
    w.Text("Met", "Getraenk");
    w.Head("MESSAGE", "1");
    w.Int(1006, "type");
    w.Text("Willkommen in Runde " + std::to_string(world.GameTurn) + ".", "rendered");
    w.Int(world.GameTurn, "turn");
    WriteMessage(w, 2, 1001, "Ein Komet zieht über den Himmel.");
    WriteMessage(w, 3, 1002, "Die Händler verdienen 120 Silber.");
    w.Text(Coordinates(home, view), "region");
    w.Int(120, "amount");
    WriteMessage(w, 4, 1003, "Die Holzfäller produzieren 12 Holz.");
    w.Text("Holz", "resource");
    WriteMessage(w, 5, 1004, "Die Späher wandern nach Osten.");
    WriteMessage(w, 6, kUndescribedMessageType, "Die Straßen sind \"unsicher\" geworden.");
    w.Head("ZAUBER", "1234567");
    w.Text("Feuerball", "name");
    w.Int(3, "level");
    w.Int(5, "rank");
    w.Text("Ein Ball aus Feuer trifft die Feinde.", "info");
    w.Text("combat", "class");
    w.Text("ZAUBERE \"Feuerball\"", "syntax");
    w.Head("KOMPONENTEN");
    w.Int(3, "Aura");
    w.Head("ZAUBER", "2345678");
    w.Text("Heilung", "name");
    w.Int(2, "level");
    w.Int(1, "familiar");
    // Some servers number spells beyond 32 bits.
    w.Head("ZAUBER", "4000000001");
    w.Text("Nebelschleier", "name");
    w.Int(4, "level");
    w.Text("Hüllt die Region in dichten Nebel.", "info");
    w.Int(1, "far");
    w.Head("TRAENKE");
    w.Text("Heiltrank", "Trank");
    w.Int(2, "Stufe");
    w.Text("Elfenlieb", "Zutat");
    w.Text("Wasserfinder", "Zutat");
    w.Text("Heilt Wunden über Nacht.", "Beschr");
    w.Head("TRANK", "78");
    w.Text("Bauernlieb", "Name");
    w.Int(1, "Stufe");
    w.Text("Schneekristall", "Zutat");
    w.Text("Lässt die Bauern sich vermehren.", "Beschr");
    // The other parties as today's servers write them: blocks of their own.
    for (const Party& p : world.Parties) {
        if (&p == &own)
            continue;
        w.Head("PARTEI", std::to_string(p.Nr));
        w.Text(p.Name, "Parteiname");
        w.Text(p.EMail, "email");
        w.Text("Grüße von " + p.Name, "banner");
    }
}

// The blocks that close a today's report: the fight at the party's home,
// the message types and the translations.
void WriteTodayEnd(ReportWriter& w, const World& world, const View& view)
{
    const Region& home = world.Regions[static_cast<size_t>(world.Parties[static_cast<size_t>(view.Party)].Home)];
    w.Head("BATTLE", Coordinates(home, view));
    WriteMessage(w, 7, 1005, "Der Kampf um " + home.Name + " ist entschieden.");
    WriteMessage(w, 8, 1005, "Die Späher fliehen.");
    for (const MessageType& type : kMessageTypes) {
        w.Head("MESSAGETYPE", std::to_string(type.Nr));
        w.Text(type.Template, "text");
        w.Text(type.Section, "section");
    }
    w.Head("TRANSLATION");
    w.Text("Ozean", "Ozean");
    w.Text("Ebene", "Ebene");
}

void WriteTodayRegionKeys(ReportWriter& w, const Region& r, Detail detail)
{
    w.Int((int64_t{r.Z} << 40) + (int64_t{r.Y + (1 << 19)} << 20) + (r.X + (1 << 19)), "id");
    if (detail == Detail::Glimpse)
        w.Text("neighbour", "visibility");
    else if (detail == Detail::Old)
        w.Text("lighthouse", "visibility");
    if (!IsLand(r))
        return;
    w.Int(1, "Insel");
    w.Int(5, "morale");
    // The values of the turn before, as client tools add them.
    w.Int(r.Peasants - r.Peasants / 40, "letztebauern");
    if (detail != Detail::Full)
        return;
    w.Int(r.Silver - r.Silver / 10, "letztessilber");
    w.Int(r.Horses + 1, "letztepferde");
    w.Int(r.Trees + 2, "letztebaeume");
    w.Int(r.Trees / 4 + 1, "letzteSchoesslinge");
    w.Int(r.Wages, "letzterlohn");
    w.Int(r.Peasants / 40, "letzterekruten");
    w.Int(r.Silver / 20, "letzteunterh");
    w.Int(3, "letzteluxus");
}

// The sub-blocks that today's reports add to a fully seen land region.
void WriteTodayRegionBlocks(ReportWriter& w, const Region& r, const View& view)
{
    const bool mining = kLand[static_cast<size_t>(r.Terrain)].Mining;
    int nr = 0;
    auto resource = [&](std::string_view type, int number, int skill) {
        w.Head("RESOURCE", std::to_string(++nr));
        w.Text(type, "type");
        w.Int(number, "number");
        if (skill > 0)
            w.Int(skill, "skill");
    };
    // Types in the plural mostly, in the singular in one region of three,
    // and now and then as the server's number for an internal name.
    const bool singular = (r.X + r.Y) % 3 == 1;
    resource(singular ? "Bauer" : "Bauern", r.Peasants, 0);
    resource(singular ? "Baum" : "Bäume", r.Trees, 0);
    resource(singular ? "Schößling" : "Schößlinge", r.Trees / 4, 0);
    resource(singular ? "Pferd" : "Pferde", r.Horses, 0);
    resource("Silber", r.Silver, 0);
    if ((r.X + r.Y) % 4 == 0)
        resource("1511758069", 17, 0);
    if (kLand[static_cast<size_t>(r.Terrain)].Name == "Wald" && r.X % 5 == 0)
        resource("Mallornschößlinge", 4, 0);
    if (!mining && r.Iron > 0)
        resource("Eisen", r.Iron, 1);
    if (mining) {
        resource("Eisen", r.Iron, 1);
        resource("Steine", (r.X * 7 + r.Y * 3) & 31, 1);
        if (r.Laen > 0)
            resource("Laen", r.Laen, 7);
    }
    if (r.Street > 0) {
        // A part of the road towards another neighbour is built too; the
        // most complete one counts.
        w.Head("GRENZE", "1");
        w.Text("Straße", "typ");
        w.Int(1, "richtung");
        w.Int(r.Street, "prozent");
        w.Head("GRENZE", "2");
        w.Text("Straße", "typ");
        w.Int(4, "richtung");
        w.Int(r.Street / 2, "prozent");
    }
    if ((r.X + r.Y) % 7 == 0) {
        w.Head("EFFECTS");
        w.TextLine("3 Nebelschleier");
        w.Head("SCHEMEN", std::to_string(r.X + view.ShiftX + 2) + " " + std::to_string(r.Y + view.ShiftY));
        w.Text("Ferne Berge", "Name");
    }
    if (&r == view.WeatherRegion) {
        w.Head("WETTER");
        w.Text("Regen", "heute");
        w.Head("WOLKE", "1");
        w.Int(3, "dichte");
    }
}

// The unknown region and unit blocks go to the first land region with a
// unit of the party, and to that unit.
void PlaceUnknownBlocks(const World& world, View& view)
{
    for (const Region& r : world.Regions) {
        if (!IsLand(r))
            continue;
        for (const Unit& u : r.Units) {
            if (u.Party == view.Party) {
                view.WeatherRegion = &r;
                view.DiaryUnit = u.Nr;
                return;
            }
        }
    }
}

} // namespace maprune::crgen::detail
