// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/units/unit_loads.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/error.h"
#include "model/game_data.h"
#include "model/name_forms.h"
#include "model/unit.h"

namespace maprune {

namespace {

constexpr int kRiding = 13;

struct Load {
    double Weight = 0; // of one piece or person
    double Capacity = 0;
};

// The weight and capacity of one piece of item `name`, or of one person
// when it names a race; 0 for any other kind of record.
Load LoadOf(std::string_view name)
{
    try {
        const GameRecord& record = GameDataInstance().GetItem(name, kinds::ItemsAndRaces);
        switch (record.Kind()) {
        case 0:
        case 9:
            return { record.PieceWeight(), static_cast<double>(record.Capacity()) };
        case KindRace:
            return { record.PersonWeight(), record.PersonCapacity() };
        default:
            return {};
        }
    } catch (const Error&) {
        return {};
    }
}

bool IsNamed(const TItem& item, std::string_view forms)
{
    return MatchesNameForms(forms, item.Item);
}

int64_t CountOf(const TUnit& unit, std::string_view forms)
{
    int64_t count = 0;
    for (const TItem& item : unit.Items->Entries) {
        if (IsNamed(item, forms))
            count += item.Count;
    }
    return count;
}

constexpr std::string_view kHorses = "Pferd|Pferde";
constexpr std::string_view kCarts = "Wagen";

// The weight of every item other than horses and carts.
double OtherItemsWeight(const TUnit& unit)
{
    double weight = 0;
    for (const TItem& item : unit.Items->Entries) {
        if (!IsNamed(item, kHorses) && !IsNamed(item, kCarts))
            weight += item.Count * LoadOf(item.Item).Weight;
    }
    return weight;
}

bool IsTroll(const TUnit& unit)
{
    const std::string& race = unit.TrueType.empty() ? unit.Type_ : unit.TrueType;
    return MatchesNameForms("Troll|Trolle", race);
}

int64_t Persons(const TUnit& unit)
{
    return std::max<int64_t>(unit.Count->CurrentValue(), 0);
}

} // namespace

int32_t TalentLevel(const TUnit& unit, int talentNumber)
{
    GameData& game = GameDataInstance();
    const GameRecord* type;
    try {
        type = &game.GetTalentType(talentNumber);
    } catch (const Error&) {
        return 0;
    }
    for (const TTalent& talent : unit.Talents->Entries) {
        try {
            if (&game.GetItem(talent.Talent, kinds::Talent) == type)
                return talent.Level;
        } catch (const Error&) {
            // A name that is no talent is skipped.
        }
    }
    return 0;
}

double TotalWeight(const TUnit& unit)
{
    double weight = Persons(unit) * LoadOf(unit.Type_).Weight;
    for (const TItem& item : unit.Items->Entries)
        weight += item.Count * LoadOf(item.Item).Weight;
    return weight;
}

double FreeRidingCapacity(const TUnit& unit)
{
    const int64_t persons = Persons(unit);
    const int64_t riding = TalentLevel(unit, kRiding);
    const Load horse = LoadOf("Pferde");
    const Load cart = LoadOf("Wagen");
    double weight = persons * LoadOf(unit.Type_).Weight;

    const int64_t maxHorses = riding * persons * 2;
    const int64_t horses = CountOf(unit, kHorses);
    const int64_t usedHorses = std::min(horses, maxHorses);
    weight += horse.Weight * static_cast<double>(horses - usedHorses);
    double capacity = usedHorses * horse.Capacity;

    const int64_t maxCarts = usedHorses / 2;
    const int64_t carts = CountOf(unit, kCarts);
    const int64_t usedCarts = std::min(carts, maxCarts);
    weight += cart.Weight * static_cast<double>(carts - usedCarts);
    // The two horses in front of a cart carry with the cart.
    capacity += (cart.Capacity - 2 * horse.Capacity) * static_cast<double>(usedCarts);
    return capacity - (weight + OtherItemsWeight(unit));
}

double FreeLeadingCapacity(const TUnit& unit)
{
    const int64_t persons = Persons(unit);
    const int64_t riding = TalentLevel(unit, kRiding);
    const Load race = LoadOf(unit.Type_);
    const Load horse = LoadOf("Pferde");
    const Load cart = LoadOf("Wagen");
    double capacity = persons * race.Capacity;
    double weight = 0;

    const int64_t maxHorses = (riding > 0 ? riding * 4 + 1 : 0) * persons;
    const int64_t horses = CountOf(unit, kHorses);
    const int64_t usedHorses = std::min(horses, maxHorses);
    weight += horse.Weight * static_cast<double>(horses - usedHorses);
    capacity += usedHorses * horse.Capacity;

    const int64_t maxCarts = usedHorses / 2;
    const int64_t carts = CountOf(unit, kCarts);
    int64_t usedCarts = carts;
    if (carts > maxCarts) {
        usedCarts = maxCarts;
        if (usedHorses > 0 && IsTroll(unit)) {
            const int64_t drawnByTrolls = std::min(persons / 4, carts - maxCarts);
            capacity -= race.Capacity * 4 * static_cast<double>(drawnByTrolls);
            usedCarts += drawnByTrolls;
        }
        weight += cart.Weight * static_cast<double>(carts - usedCarts);
    }
    capacity += (cart.Capacity - 2 * horse.Capacity) * static_cast<double>(usedCarts);
    return capacity - (weight + OtherItemsWeight(unit));
}

std::string FormatWeight(int decimals, std::string_view unit, double value)
{
    static const char* const kPrefixes[]
        = { "a", "f", "p", "n", "µ", "m", "", "k", "M", "G", "T", "P", "E" };
    if (value == 0)
        return "0 " + std::string(unit);
    if (value < 0)
        return "(" + FormatWeight(decimals, unit, -value) + ")";
    int prefix = 6;
    while (value < 1 && prefix >= 1) {
        value *= 1000;
        --prefix;
    }
    while (value > 1000 && prefix < 12) {
        value /= 1000;
        ++prefix;
    }
    std::string number;
    if (value < 1) {
        number = "< 1";
    } else if (value > 1000) {
        number = "> 1000";
    } else {
        // The point is the decimal separator whatever the locale.
        char text[64];
        const auto written = std::to_chars(
            text, text + sizeof text, value, std::chars_format::fixed, std::clamp(decimals, 0, 9));
        number.assign(text, written.ptr);
        if (decimals >= 1) {
            number.erase(number.find_last_not_of('0') + 1);
            if (number.back() == '.')
                number.pop_back();
        }
    }
    return number + " " + kPrefixes[prefix] + std::string(unit);
}

} // namespace maprune
