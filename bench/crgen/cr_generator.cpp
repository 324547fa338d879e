// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/crgen/cr_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "bench/crgen/report_writer.h"
#include "bench/crgen/today_format.h"
#include "bench/crgen/world.h"

namespace maprune::crgen {

namespace {

using namespace detail;

// splitmix64: the same numbers on every platform, unlike the standard
// library's distributions.
class Random {
public:
    explicit Random(uint64_t seed) : FState(seed) {}
    uint64_t Next()
    {
        uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T, size_t N>
    const T& Pick(const std::array<T, N>& items)
    {
        return items[static_cast<size_t>(Below(static_cast<int>(N)))];
    }

private:
    uint64_t FState;
};

constexpr std::array<std::string_view, 12> kSyllablesA = {"Nord", "Süd", "Ost", "West", "Grün", "Tann",
                                                          "Fels", "Mühl", "Bären", "Wolfs", "Eichen", "Kalt"};
constexpr std::array<std::string_view, 10> kSyllablesB = {"au", "heim", "tal", "furt", "berg", "hausen",
                                                          "brück", "wald", "moor", "stätt"};
constexpr std::array<std::string_view, 10> kFirstNames = {"Hans", "Grete", "Jörg", "Ulrike", "Bärbel",
                                                          "Knut", "Öda", "Gundolf", "Swaantje", "Rüdiger"};
constexpr std::array<std::string_view, 8> kUnitNouns = {"Späher", "Händler", "Wachen", "Holzfäller",
                                                        "Bergleute", "Reiter", "Schützen", "Boten"};
constexpr std::array<std::string_view, 6> kRaces = {"Mensch", "Elf", "Zwerg", "Ork", "Halbling", "Troll"};
constexpr std::array<std::string_view, 7> kLuxuries = {"Balsam", "Gewürz", "Juwel", "Myrrhe", "Öl", "Seide",
                                                       "Weihrauch"};
constexpr std::array<std::string_view, 10> kTalents = {"Bergbau", "Holzfällen", "Hiebwaffen", "Bogenschießen",
                                                       "Handeln", "Reiten", "Tarnung", "Wahrnehmung",
                                                       "Burgenbau", "Segeln"};
constexpr std::array<std::string_view, 9> kGoods = {"Schwert", "Bogen", "Speer", "Holz", "Eisen", "Stein",
                                                    "Pferd", "Kettenhemd", "Schild"};
constexpr std::array<std::string_view, 5> kShipTypes = {"Boot", "Langboot", "Drachenschiff", "Karavelle",
                                                        "Trireme"};
// Size points of a complete ship and room in GE, as data/gamedata.txt has them.
struct ShipSize {
    std::string_view Type;
    int Size;
    int Capacity;
};
constexpr std::array<ShipSize, 5> kShipSizes = {{{"Boot", 5, 50},
                                                {"Langboot", 50, 500},
                                                {"Drachenschiff", 100, 1000},
                                                {"Karavelle", 250, 3000},
                                                {"Trireme", 200, 2000}}};

const ShipSize& SizeOf(std::string_view type)
{
    for (const ShipSize& s : kShipSizes) {
        if (s.Type == type)
            return s;
    }
    return kShipSizes.front();
}
constexpr std::array<std::string_view, 5> kBuildingTypes = {"Burg", "Leuchtturm", "Sägewerk", "Bergwerk",
                                                            "Hafen"};
constexpr std::array<std::string_view, 6> kDirections = {"nw", "no", "o", "so", "sw", "w"};

// Neighbour offsets of the hex grid, in the model's direction order.
constexpr std::array<std::array<int, 2>, 6> kNeighbour = {{{-1, 0}, {-1, 1}, {0, 1}, {1, 0}, {1, -1}, {0, -1}}};

int64_t Key(int x, int y, int z)
{
    return (static_cast<int64_t>(z) << 42) ^ (static_cast<int64_t>(y + (1 << 20)) << 21)
           ^ static_cast<int64_t>(x + (1 << 20));
}

int HexDistance(int dx, int dy)
{
    return (std::abs(dx) + std::abs(dy) + std::abs(dx + dy)) / 2;
}

std::string PlaceName(Random& random)
{
    return std::string(random.Pick(kSyllablesA)) + std::string(random.Pick(kSyllablesB));
}

int32_t TakeNumber(World& world, Random& random)
{
    world.NextNumber += 1 + random.Below(40);
    return world.NextNumber;
}

Unit MakeUnit(World& world, Random& random, int party)
{
    Unit u;
    u.Nr = TakeNumber(world, random);
    u.Party = party;
    u.Name = random.Chance(50) ? std::string(random.Pick(kFirstNames))
                               : std::string(random.Pick(kUnitNouns)) + " von " + PlaceName(random);
    u.Race = world.Parties[static_cast<size_t>(party)].Race;
    u.Count = random.Chance(30) ? 1 : random.Between(2, 60);
    u.Silver = random.Chance(20) ? 0 : random.Between(1, 3000);
    u.FightState = random.Below(4);
    u.Guards = random.Chance(15);
    u.HidesParty = party > 1 && random.Chance(5);
    const int talents = random.Between(1, 3);
    for (int i = 0; i < talents; ++i)
        u.Talents.push_back(Talent{random.Pick(kTalents), random.Between(1, 9)});
    const int items = random.Below(4);
    for (int i = 0; i < items; ++i)
        u.Items.emplace_back(random.Pick(kGoods), random.Between(1, u.Count * 2));
    return u;
}

void PlaceRegions(World& world, Random& random, int regionCount)
{
    const int second = regionCount / 10;
    const int first = regionCount - second;
    const int width = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(first)))));

    struct Blob {
        int X, Y, Radius;
    };
    std::vector<Blob> continents;
    const int blobCount = std::max(3, first / 120);
    for (int i = 0; i < blobCount; ++i)
        continents.push_back(Blob{random.Below(width), random.Below(width), random.Between(2, 5 + width / 8)});

    for (int i = 0; i < first; ++i) {
        Region r;
        r.X = i % width - (i / width) / 2; // a roughly rectangular patch of the hex grid
        r.Y = i / width;
        bool land = random.Chance(3); // an islet now and then
        for (const Blob& b : continents) {
            const int bx = b.X - b.Y / 2;
            if (HexDistance(r.X - bx, r.Y - b.Y) <= b.Radius)
                land = true;
        }
        r.Terrain = land ? random.Below(static_cast<int>(kLand.size())) : -1;
        world.Regions.push_back(std::move(r));
    }
    const int secondWidth = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(second)))));
    for (int i = 0; i < second; ++i) {
        Region r;
        r.X = i % secondWidth;
        r.Y = i / secondWidth;
        r.Z = 1;
        r.Terrain = -2;
        world.Regions.push_back(std::move(r));
    }
    for (size_t i = 0; i < world.Regions.size(); ++i) {
        const Region& r = world.Regions[i];
        world.Index.emplace(Key(r.X, r.Y, r.Z), static_cast<int>(i));
    }
}

void FillRegions(World& world, Random& random)
{
    for (Region& r : world.Regions) {
        if (!IsLand(r))
            continue;
        const TerrainKind& kind = kLand[static_cast<size_t>(r.Terrain)];
        r.Name = PlaceName(random);
        r.Peasants = kind.Peasants / 2 + random.Below(kind.Peasants + 1);
        r.Horses = random.Below(kind.Peasants / 20 + 1);
        r.Trees = kind.Trees / 2 + random.Below(kind.Trees + 1);
        r.Silver = r.Peasants * random.Between(5, 20);
        r.Wages = random.Between(11, 15);
        r.Street = random.Chance(20) ? random.Between(10, 100) : 0;
        if (kind.Mining) {
            r.Iron = random.Between(0, 80);
            // Glaciers hold iron but no laen (data/gamedata.txt); the draw
            // stays so that the rest of the world does not change.
            const int laen = random.Chance(30) ? random.Between(1, 20) : 0;
            r.Laen = kind.Name == "Berge" ? laen : 0;
        }
        else if (kind.Name == "Hochland")
            r.Iron = (r.X * 5 + r.Y * 3) % 20 + 1; // ore outside the mountains, no draw
        for (int& price : r.Prices)
            price = random.Between(5, 80);
    }
}

void PlaceParties(World& world, Random& random, int partyCount)
{
    std::vector<int> land;
    for (size_t i = 0; i < world.Regions.size(); ++i) {
        if (IsLand(world.Regions[i]))
            land.push_back(static_cast<int>(i));
    }
    if (land.empty())
        throw std::invalid_argument("the world has no land");
    static constexpr std::array<std::string_view, 6> kPartyNames = {
        "Die Wüstenfüchse", "Bund der Bären", "Nordmänner", "Händlergilde von Öhringen", "Schattenklan",
        "Söhne des Meeres"};
    for (int p = 0; p < partyCount; ++p) {
        Party party;
        party.Nr = TakeNumber(world, random) * 37 + 5;
        party.Name = std::string(kPartyNames[static_cast<size_t>(p) % kPartyNames.size()])
                     + (p >= static_cast<int>(kPartyNames.size()) ? " " + std::to_string(p) : "");
        party.Race = kRaces[static_cast<size_t>(p) % kRaces.size()];
        party.EMail = "partei" + std::to_string(p + 1) + "@kelvaran.example";
        party.Home = land[static_cast<size_t>(random.Below(static_cast<int>(land.size())))];
        world.Parties.push_back(std::move(party));
    }
}

// The party whose territory a region lies in: the nearest home, now and then another.
int LocalParty(const World& world, const Region& r, Random& random)
{
    if (random.Chance(25))
        return random.Below(static_cast<int>(world.Parties.size()));
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t p = 0; p < world.Parties.size(); ++p) {
        const Region& home = world.Regions[static_cast<size_t>(world.Parties[p].Home)];
        const int d = HexDistance(r.X - home.X, r.Y - home.Y);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(p);
        }
    }
    return best;
}

void PopulateRegions(World& world, Random& random, int unitsPerRegion)
{
    int landCount = 0;
    for (const Region& r : world.Regions)
        landCount += IsLand(r) ? 1 : 0;
    const int64_t wanted = static_cast<int64_t>(world.Regions.size()) * unitsPerRegion;
    // Units per land region, in thousandths, so that the total comes out right.
    const int64_t perLandMilli = landCount > 0 ? wanted * 1000 / landCount : 0;
    for (Region& r : world.Regions) {
        if (!IsLand(r)) {
            if (r.Terrain == -1 && random.Chance(4)) {
                Ship ship{TakeNumber(world, random), random.Pick(kShipTypes), PlaceName(random) + "s Stolz"};
                Unit crew = MakeUnit(world, random, LocalParty(world, r, random));
                crew.Ship = ship.Nr;
                r.Ships.push_back(std::move(ship));
                r.Units.push_back(std::move(crew));
            }
            continue;
        }
        const int units = static_cast<int>((static_cast<int64_t>(random.Below(2001)) * perLandMilli + 500'000) / 1'000'000);
        for (int i = 0; i < units; ++i)
            r.Units.push_back(MakeUnit(world, random, LocalParty(world, r, random)));
        if (!r.Units.empty() && random.Chance(10)) {
            const bool castle = random.Chance(60);
            Building b{TakeNumber(world, random), castle ? std::string_view("Burg") : random.Pick(kBuildingTypes),
                       castle ? "Feste " + r.Name : "Bau von " + r.Name, random.Between(2, 300)};
            for (Unit& u : r.Units) {
                if (random.Chance(50))
                    u.Building = b.Nr;
            }
            r.Units.front().Building = b.Nr;
            r.Buildings.push_back(std::move(b));
        }
        if (!r.Units.empty() && random.Chance(3)) {
            Ship ship{TakeNumber(world, random), random.Pick(kShipTypes), "Kahn von " + r.Name};
            ship.Coast = random.Below(6);
            r.Units.back().Ship = ship.Nr;
            r.Units.back().Building = 0;
            r.Ships.push_back(std::move(ship));
        }
    }
}

World CreateWorld(const GeneratorOptions& options)
{
    Random random(options.Seed);
    World world;
    world.NextNumber = 100;
    PlaceRegions(world, random, options.Regions);
    FillRegions(world, random);
    PlaceParties(world, random, options.Parties);
    PopulateRegions(world, random, options.UnitsPerRegion);
    return world;
}

int Vary(Random& random, int value, int percent)
{
    const int spread = std::max(1, value * percent / 100);
    return std::max(0, value + random.Between(-spread, spread));
}

// One turn passes: values drift, some units move or vanish, new ones appear.
void AdvanceTurn(World& world, Random& random)
{
    ++world.GameTurn;
    std::vector<std::pair<size_t, Unit>> moving;
    for (size_t i = 0; i < world.Regions.size(); ++i) {
        Region& r = world.Regions[i];
        if (IsLand(r)) {
            r.Peasants = Vary(random, r.Peasants, 3);
            r.Silver = Vary(random, r.Silver, 10);
            r.Trees = Vary(random, r.Trees, 2);
            r.Horses = Vary(random, r.Horses, 5);
            for (int& price : r.Prices)
                price = std::max(1, Vary(random, price, 10));
        }
        for (Building& b : r.Buildings)
            b.Size += random.Below(6);
        for (Ship& s : r.Ships)
            s.Load = random.Below(500);
        std::vector<Unit> staying;
        for (Unit& u : r.Units) {
            if (random.Chance(3))
                continue; // gone
            u.Count = std::max(1, Vary(random, u.Count, 10));
            u.Silver = Vary(random, u.Silver, 20);
            if (IsLand(r) && u.Building == 0 && u.Ship == 0 && random.Chance(10)) {
                const auto& d = kNeighbour[static_cast<size_t>(random.Below(6))];
                const auto target = world.Index.find(Key(r.X + d[0], r.Y + d[1], r.Z));
                if (target != world.Index.end() && IsLand(world.Regions[static_cast<size_t>(target->second)])) {
                    moving.emplace_back(static_cast<size_t>(target->second), std::move(u));
                    continue;
                }
            }
            staying.push_back(std::move(u));
        }
        r.Units = std::move(staying);
        if (IsLand(r) && random.Chance(2))
            r.Units.push_back(MakeUnit(world, random, LocalParty(world, r, random)));
    }
    for (auto& [target, unit] : moving)
        world.Regions[target].Units.push_back(std::move(unit));
}

bool IsFriendly(const View& view, int party)
{
    return party == view.Party || party == view.Ally;
}

void WriteHeader(ReportWriter& w, const World& world, const View& view)
{
    w.Head("VERSION", std::to_string(view.Today ? kTodayFormat : kOlderFormat));
    if (view.Today) {
        w.Text(view.Utf8 ? "UTF-8" : "ISO-8859-1", "charset");
        w.Text("de", "locale");
        w.Int(1, "noskillpoints");
        w.Int(1'700'000'000 + int64_t{world.GameTurn} * 604'800, "date");
    }
    w.Text("Standard", "Konfiguration");
    w.Text("Kelvaran", "Spiel");
    w.Text("Hex", "Koordinaten");
    w.Int(1, "Umlaute");
    w.Int(36, "Basis");
    w.Int(world.GameTurn, "Runde");
    if (view.Today)
        WriteTodayHeader(w, world, view);
}

void WriteParty(ReportWriter& w, const World& world, const View& view)
{
    const Party& own = world.Parties[static_cast<size_t>(view.Party)];
    const Party& ally = world.Parties[static_cast<size_t>(view.Ally)];
    int persons = 0;
    for (const Region& r : world.Regions) {
        for (const Unit& u : r.Units)
            persons += u.Party == view.Party ? u.Count : 0;
    }
    if (view.Today) {
        WriteTodayParty(w, world, view, persons);
        return;
    }
    w.Head("PARTEI", std::to_string(own.Nr));
    w.Text(own.Name, "Parteiname");
    w.Text(own.EMail, "email");
    w.Text("Für Ruhm und Ehre!", "banner");
    w.Text(own.Race, "Typus");
    w.Int(75, "Rekrutierungskosten");
    w.Int(persons, "Anzahl Personen");
    w.Int(0, "Anzahl Immigranten");
    w.Int(12, "Max. Immigranten");
    w.Int(persons / 10 + world.GameTurn, "Punkte");
    w.Int(50 + world.GameTurn % 17, "Punktedurchschnitt");
    w.Int(1021, "Optionen");
    w.Head("ALLIIERTE");
    w.Int(ally.Nr, "Partei");
    w.Text(ally.Name, "Parteiname");
    w.Int(59, "Status");
    for (size_t p = 0; p < world.Parties.size(); ++p) {
        if (static_cast<int>(p) != view.Party && static_cast<int>(p) != view.Ally) {
            w.Head("ALLIANZ", std::to_string(world.Parties[p].Nr));
            w.Text(world.Parties[p].Name, "Parteiname");
            w.Int(0, "Status");
            break;
        }
    }
    w.Head("ADRESSEN");
    for (const Party& p : world.Parties) {
        w.Int(p.Nr, "Partei");
        w.Text(p.Name, "Parteiname");
        w.Text(p.EMail, "email");
        w.Text("Grüße von " + p.Name, "banner");
    }
    w.Head("MELDUNGEN");
    w.TextLine("Willkommen in Runde " + std::to_string(world.GameTurn) + ".");
    w.TextLine("Die Straßen sind unsicher geworden.");
    w.Head("EREIGNISSE");
    w.TextLine("Ein Komet zieht über den Himmel.");
    w.Head("EINKOMMEN");
    w.TextLine("Die Händler verdienen 120 Silber.");
    w.Head("HANDEL");
    w.TextLine("Die Händler kaufen 5 Balsam für 150 Silber.");
    w.Head("PRODUKTION");
    w.TextLine("Die Holzfäller produzieren 12 Holz.");
    w.Head("BEWEGUNGEN");
    w.TextLine("Die Späher wandern nach Osten.");
    w.Head("KAEMPFE");
    w.TextLine("Der Kampf um " + world.Regions[static_cast<size_t>(own.Home)].Name + " ist entschieden.");
    w.Head("ZAUBER");
    w.Text("Feuerball", "Spruch");
    w.Int(3, "Stufe");
    w.Text("Ein Ball aus Feuer trifft die Feinde.", "Beschr");
    w.Text("Heilung", "Spruch");
    w.Int(2, "Stufe");
    w.Head("TRAENKE");
    w.Text("Heiltrank", "Trank");
    w.Int(2, "Stufe");
    w.Text("Elfenlieb", "Zutat");
    w.Text("Wasserfinder", "Zutat");
    w.Text("Heilt Wunden über Nacht.", "Beschr");
    w.Head("SPRUCH", "77");
    w.Text("Nebelschleier", "Name");
    w.Int(4, "Stufe");
    w.Text("Hüllt die Region in dichten Nebel.", "Beschr");
    w.Head("TRANK", "78");
    w.Text("Bauernlieb", "Name");
    w.Int(1, "Stufe");
    w.Text("Schneekristall", "Zutat");
    w.Text("Lässt die Bauern sich vermehren.", "Beschr");
}

Detail RegionDetail(const Region& r, const View& view, uint64_t salt)
{
    for (const Unit& u : r.Units) {
        if (IsFriendly(view, u.Party))
            return Detail::Full;
    }
    return (salt % 5) == 0 ? Detail::Old : Detail::Glimpse;
}

void WriteUnit(ReportWriter& w, const World& world, const Unit& u, const View& view, Random& random)
{
    const bool own = u.Party == view.Party;
    w.Head("EINHEIT", std::to_string(u.Nr));
    w.Text(view.Today && u.Nr % 9 == 0 ? u.Name + " \"der Kühne\"" : u.Name, "Name");
    if (random.Chance(10))
        w.Text("Eine Gruppe " + std::string(u.Race) + "en auf Wanderschaft.", "Beschr");
    if (u.HidesParty && !own)
        w.Int(1, "Parteitarnung");
    else
        w.Int(world.Parties[static_cast<size_t>(u.Party)].Nr, "Partei");
    w.Text(u.Race, "Typ");
    if (own && u.HidesParty)
        w.Text("Elf", "wahrerTyp");
    w.Int(u.Count, "Anzahl");
    if (u.Guards)
        w.Int(1, "bewacht");
    if (u.Building != 0)
        w.Int(u.Building, "Burg");
    if (u.Ship != 0)
        w.Int(u.Ship, "Schiff");
    if (view.Today) {
        w.Text(u.Count == 1 ? "" : "einige", "typprefix");
        w.Int(int64_t{u.Count} * 1000, "weight");
    }
    if (!IsFriendly(view, u.Party))
        return;
    if (view.Today && own && u.Nr % 11 == 0) {
        w.Int(20, "Aura");
        w.Int(30, "Auramax");
        w.Int(1, "gruppe");
    }
    if (!view.Today)
        w.Int(u.Silver, "Silber");
    w.Int(u.FightState, "Kampfstatus");
    w.Int(own && random.Chance(20) ? 2 : 0, "Tarnung");
    if (u.Count < 3)
        w.Text("verwundet", "hp");
    if (own && random.Chance(5))
        w.Text("Nur für mich: " + u.Name, "privat");
    if (own) {
        w.Head("COMMANDS");
        switch (random.Below(5)) {
        case 0:
            w.TextLine("ARBEITEN");
            break;
        case 1:
            w.TextLine("LERNEN " + std::string(u.Talents.front().Name));
            break;
        case 2:
            w.TextLine("NACH " + std::string(random.Pick(kDirections)) + " " + std::string(random.Pick(kDirections)));
            w.TextLine("; Zur Küste");
            break;
        case 3:
            w.TextLine("KAUFEN 5 " + std::string(random.Pick(kLuxuries)));
            w.TextLine("VERKAUFEN ALLES Wunder~Elixier");
            break;
        default:
            w.TextLine("MACHEN TEMP " + std::to_string(u.Nr % 97 + 1));
            w.TextLine("  REKRUTIEREN 5");
            w.TextLine(view.Today ? "  BENENNE EINHEIT \"Neue Wache\"" : "  BENENNEN EINHEIT Neue~Wache");
            w.TextLine("  LERNEN Hiebwaffen");
            w.TextLine("ENDE");
            w.TextLine("// " + u.Name + " bleibt hier");
            break;
        }
    }
    w.Head("TALENTE");
    for (const Talent& t : u.Talents) {
        const std::string change = view.Today ? " " + std::to_string(u.Nr % 3 - 1) : std::string();
        w.Text(std::to_string(u.Count * 30 * t.Level) + " " + std::to_string(t.Level) + change, t.Name);
    }
    // Today's reports hold the silver only as an item, first of them.
    const bool silverItem = view.Today && u.Silver > 0;
    if (!u.Items.empty() || silverItem) {
        w.Head("GEGENSTAENDE");
        if (silverItem)
            w.Int(u.Silver, "Silber");
        for (const auto& [item, count] : u.Items)
            w.Int(count, item);
    }
    if (own && random.Chance(5)) {
        w.Head("SPRUECHE");
        w.TextLine("Feuerball");
        w.TextLine("Heilung");
    }
    if (own && random.Chance(15)) {
        w.Head("EINHEITSBOTSCHAFTEN");
        w.TextLine(u.Name + " hat Hunger.");
    }
    if (view.Today && own && u.Nr % 13 == 0) {
        w.Head("KAMPFZAUBER", "0");
        w.Text("Feuerball", "name");
        w.Int(3, "level");
    }
    if (u.Nr == view.DiaryUnit) {
        w.Head("TAGEBUCH");
        w.TextLine("Heute nichts Besonderes.");
    }
}

uint64_t RegionSalt(const Region& r, const World& world)
{
    return static_cast<uint64_t>(r.X * 31 + r.Y * 17 + world.GameTurn);
}

// The fully seen regions whose amounts today's report gives only as RESOURCE
// blocks: one in three.
bool ResourcesOnly(const Region& r, Detail detail)
{
    return detail == Detail::Full && (r.X + r.Y) % 3 == 0;
}

void WriteRegion(ReportWriter& w, const World& world, const Region& r, const View& view, Random& random)
{
    w.Head("REGION", std::to_string(r.X + view.ShiftX) + " " + std::to_string(r.Y + view.ShiftY)
                         + (r.Z != 0 ? " " + std::to_string(r.Z) : ""));
    const Detail detail = RegionDetail(r, view, RegionSalt(r, world));
    if (r.Terrain == -1) {
        w.Text("Ozean", "Terrain");
    } else if (r.Terrain == -2) {
        w.Text(r.X % 3 == 0 ? "Dichter Nebel" : "Nebel", "Terrain");
    } else {
        w.Text(r.Name, "Name");
        w.Text(kLand[static_cast<size_t>(r.Terrain)].Name, "Terrain");
    }
    if (detail == Detail::Old)
        w.Int(world.GameTurn - 1 - (r.X & 3), "Runde");
    if (view.Today)
        WriteTodayRegionKeys(w, r, detail);
    // Today's reports give some regions' amounts only in RESOURCE blocks.
    const bool keyLines = !view.Today || !ResourcesOnly(r, detail);
    if (IsLand(r)) {
        if (keyLines) {
            w.Int(r.Peasants, "Bauern");
            w.Int(r.Trees, "Baeume");
        }
        if (view.Today && keyLines)
            w.Int(r.Trees / 4, "Schoesslinge");
        if (detail == Detail::Full) {
            w.Text("Ein weites Land unter hohem Himmel.\nDie Bauern von " + r.Name + " sind fleißig.", "Beschr");
            if (keyLines) {
                w.Int(r.Horses, "Pferde");
                w.Int(r.Silver, "Silber");
            }
            w.Int(r.Silver / 20, "Unterh");
            w.Int(r.Peasants / 40, "Rekruten");
            w.Int(r.Wages, "Lohn");
            if (r.Street > 0 && !view.Today)
                w.Int(r.Street, "Strasse");
            if ((kLand[static_cast<size_t>(r.Terrain)].Mining || r.Iron > 0) && !view.Today) {
                w.Int(r.Iron, "Eisen");
                if (r.Laen > 0)
                    w.Int(r.Laen, "Laen");
            }
            w.Head("PREISE");
            for (size_t i = 0; i < kLuxuries.size(); ++i)
                w.Int(i == 0 ? -r.Prices[i] : r.Prices[i], kLuxuries[i]);
            if (view.Today)
                WriteTodayRegionBlocks(w, r, view);
            if (random.Chance(20)) {
                if (view.Today) {
                    WriteMessage(w, 3000 + r.X, kRegionEventMessageType, "Die Bauern feiern ein Erntefest.");
                } else {
                    w.Head("REGIONSEREIGNISSE");
                    w.TextLine("Die Bauern feiern ein Erntefest.");
                }
            }
            if (random.Chance(10)) {
                if (view.Today) {
                    WriteMessage(w, 4000 + r.Y, kUndescribedMessageType, "Ein Bote ruft: \"Frieden für " + r.Name + "!\"");
                } else {
                    w.Head("REGIONSBOTSCHAFTEN");
                    w.TextLine("Ein Bote ruft: Frieden für " + r.Name + "!");
                }
            }
            if (random.Chance(10)) {
                w.Head("DURCHREISE");
                w.TextLine("Boten (" + std::to_string(random.Between(1000, 9999)) + ")");
                if (view.Today) {
                    w.Head("DURCHSCHIFFUNG");
                    w.TextLine("Kahn von " + r.Name + " (" + std::to_string(r.X + 5000) + ")");
                }
            }
            if (random.Chance(5)) {
                w.Head("REGIONSKOMMENTAR");
                w.TextLine("Hier lohnt sich ein Markt.");
            }
        }
        if (detail != Detail::Old) {
            w.Head("UMGEBUNG");
            w.TextLine("Im " + std::string(random.Pick(kDirections)) + " liegt " + r.Name + "s Nachbarland.");
        }
        for (const Building& b : r.Buildings) {
            w.Head("BURG", std::to_string(b.Nr));
            w.Text(b.Name, "Name");
            w.Text(b.Type, "Typ");
            w.Int(b.Size, "Groesse");
            if (!r.Units.empty())
                w.Int(r.Units.front().Nr, "Besitzer");
            if (detail == Detail::Full)
                w.Int(b.Size / 10, "Unterhalt");
        }
    }
    // Ships name their captain (their party follows from him); the load is
    // known only on friendly ships.
    for (const Ship& s : r.Ships) {
        w.Head("SCHIFF", std::to_string(s.Nr));
        w.Text(s.Name, "Name");
        w.Text(s.Type, "Typ");
        if (s.Coast >= 0)
            w.Int(s.Coast, "Kueste");
        // Every fifth ship is still being built, every fourth damaged, every
        // seventh finished one a fleet of two.
        const ShipSize& size = SizeOf(s.Type);
        const int built = s.Nr % 5 == 0 ? size.Size * 3 / 5 : size.Size;
        const int ships = s.Nr % 7 == 0 && built == size.Size ? 2 : 1;
        if (view.Today) {
            w.Int(built * ships, "Groesse");
            w.Int(ships, "Anzahl");
            w.Int(3, "speed");
        } else if (built < size.Size) {
            w.Int(built * 100 / size.Size, "Prozent");
        }
        for (const Unit& u : r.Units) {
            if (u.Ship != s.Nr)
                continue;
            w.Int(u.Nr, "Kapitaen");
            if (IsFriendly(view, u.Party)) {
                w.Int(s.Nr % 4 == 0 ? 10 : 0, "Schaden");
                if (view.Today) {
                    // Hundredths of GE: a part of a GE now and then.
                    w.Int(int64_t{s.Load} * 100 + s.Nr % 3 * 25, "cargo");
                    w.Int(int64_t{size.Capacity} * ships * 100, "capacity");
                } else {
                    w.Int(s.Load, "Ladung");
                    w.Int(size.Capacity * ships, "MaxLadung");
                }
            }
            break;
        }
    }
    if (detail == Detail::Old)
        return;
    for (const Unit& u : r.Units)
        WriteUnit(w, world, u, view, random);
}

} // namespace

std::string GenerateReport(const GeneratorOptions& options)
{
    if (options.Regions < 10 || options.Regions > 10'000'000)
        throw std::invalid_argument("regions must lie between 10 and 10000000");
    if (options.UnitsPerRegion < 0 || options.UnitsPerRegion > 100)
        throw std::invalid_argument("units per region must lie between 0 and 100");
    if (options.Parties < 3 || options.Parties > 1000)
        throw std::invalid_argument("parties must lie between 3 and 1000");
    if (options.Turn < 1 || options.Turn > 1000)
        throw std::invalid_argument("turn must lie between 1 and 1000");
    if (options.ViewParty != 0 && options.ViewParty != 1)
        throw std::invalid_argument("view must be 0 (the player) or 1 (the ally)");
    if (options.Format != kOlderFormat && options.Format != kTodayFormat)
        throw std::invalid_argument("format must be 36 or 69");

    World world = CreateWorld(options);
    for (int t = 1; t < options.Turn; ++t) {
        Random turnRandom(options.Seed * 1000003u + static_cast<uint64_t>(t));
        AdvanceTurn(world, turnRandom);
    }

    View view{options.ViewParty, 1 - options.ViewParty, options.ShiftX, options.ShiftY};
    view.Today = options.Format == kTodayFormat;
    view.Utf8 = options.Utf8;
    if (view.Today)
        PlaceUnknownBlocks(world, view);
    ReportWriter w(options.Utf8, view.Today);
    w.Reserve(static_cast<size_t>(options.Regions) * (150 + 200 * static_cast<size_t>(options.UnitsPerRegion)));
    Random detailRandom(options.Seed ^ (static_cast<uint64_t>(options.Turn) << 32)
                        ^ static_cast<uint64_t>(options.ViewParty));
    WriteHeader(w, world, view);
    WriteParty(w, world, view);
    for (const Region& r : world.Regions)
        WriteRegion(w, world, r, view, detailRandom);
    if (view.Today)
        WriteTodayEnd(w, world, view);
    return w.Take();
}

} // namespace maprune::crgen
