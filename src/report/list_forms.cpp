// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/list_forms.h"

#include <memory>
#include <string>
#include <string_view>

#include "model/report.h"
#include "report/block_reading.h"

namespace maprune {

namespace {

// The record being filled. The lead key hands the previous record to the
// list and starts the next one; other keys need a record.
template <class T, class List>
class RecordSequence {
public:
    RecordSequence(TCRInterface& cr, TReport& owner, List& target, std::string_view leadKey)
        : FCR(cr), FOwner(owner), FTarget(target), FLeadKey(leadKey)
    {
    }

    T& Start()
    {
        Flush();
        FCurrent = CreateEmpty<T>(&FOwner);
        return *FCurrent;
    }

    // The current record, or null (with a warning) before the first lead key.
    T* Current(std::string_view key)
    {
        if (FCurrent == nullptr) {
            FCR.Warning("\"" + MessageText(key) + "\" ohne \"" + std::string(FLeadKey) + "\"");
        }
        return FCurrent.get();
    }

    void Flush()
    {
        if (FCurrent != nullptr)
            FTarget.Add(std::move(FCurrent));
    }

private:
    TCRInterface& FCR;
    TReport& FOwner;
    List& FTarget;
    std::string_view FLeadKey;
    std::unique_ptr<T> FCurrent;
};

// The number of a spell or potion of the list form: the sum of the byte
// values of its name (wrapping like the 32-bit sum it always was).
int32_t NameSum(std::string_view name)
{
    uint32_t sum = 0;
    for (char c : name)
        sum += static_cast<unsigned char>(c);
    return static_cast<int32_t>(sum);
}

} // namespace

void ReadSpellList(TCRInterface& cr, TReport& owner, TSpells& target)
{
    RecordSequence<TSpell, TSpells> records(cr, owner, target, "Spruch");
    ReadValueLines(cr, [&](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Spruch") {
            TSpell& spell = records.Start();
            spell.Spell = token.Value;
            spell.Nr = NameSum(token.Value);
            spell.Level = -1;
        } else if (key == "Stufe") {
            if (TSpell* spell = records.Current(key))
                spell->Level = CRInt(cr, token.Value);
        } else if (key == "Beschr") {
            if (TSpell* spell = records.Current(key))
                spell->Descr = token.Value;
        } else {
            cr.Warning("Unbekannter Wert für Spruch: " + MessageText(key));
        }
    });
    records.Flush();
}

void ReadPotionList(TCRInterface& cr, TReport& owner, TPotions& target)
{
    RecordSequence<TPotion, TPotions> records(cr, owner, target, "Trank");
    ReadValueLines(cr, [&](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Trank") {
            TPotion& potion = records.Start();
            potion.Potion = token.Value;
            potion.Nr = NameSum(token.Value);
            potion.Level = -1;
        } else if (key == "Stufe") {
            if (TPotion* potion = records.Current(key))
                potion->Level = CRInt(cr, token.Value);
        } else if (key == "Zutat") {
            if (TPotion* potion = records.Current(key))
                AppendIngredient(potion->Ingredients, token.Value);
        } else if (key == "Beschr") {
            if (TPotion* potion = records.Current(key))
                potion->Descr = token.Value;
        } else {
            cr.Warning("Unbekannter Wert für Trank: " + MessageText(key));
        }
    });
    records.Flush();
}

void ReadAllyList(TCRInterface& cr, TReport& owner, TAllies& target)
{
    RecordSequence<TAlly, TAllies> records(cr, owner, target, "Partei");
    ReadValueLines(cr, [&](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Partei") {
            TAlly& ally = records.Start();
            ally.Party = CRInt(cr, token.Value);
            ally.State = -1;
        } else if (key == "Parteiname") {
            if (TAlly* ally = records.Current(key))
                ally->Name = token.Value;
        } else if (key == "Status") {
            if (TAlly* ally = records.Current(key))
                ally->State = CRInt(cr, token.Value);
        } else {
            cr.Warning("unbekannter Wert für Allianz: " + MessageText(key));
        }
    });
    records.Flush();
}

void ReadAddressList(TCRInterface& cr, TReport& owner, TPartyList& target)
{
    RecordSequence<TParty, TPartyList> records(cr, owner, target, "Partei");
    ReadValueLines(cr, [&](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Partei") {
            records.Start().Nr = CRInt(cr, token.Value);
        } else if (key == "Parteiname") {
            if (TParty* party = records.Current(key))
                party->Name = token.Value;
        } else if (key == "email") {
            if (TParty* party = records.Current(key))
                party->EMail = token.Value;
        } else if (key == "banner") {
            if (TParty* party = records.Current(key))
                party->Banner = token.Value;
        }
    });
    records.Flush();
}

} // namespace maprune
