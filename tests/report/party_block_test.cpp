// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using PartyBlockTest = CRTest;
using History = std::vector<THistoryInteger::Entry>;

std::unique_ptr<ReadOutcome> Read(const std::string& blocks)
{
    return ReadText("VERSION 36\n4;Runde\n" + blocks);
}

const TParty& FindParty(ReadOutcome& r, int32_t nr)
{
    const TParty* party = r.Report->FindParty(nr);
    if (party == nullptr)
        throw std::runtime_error("party " + std::to_string(nr) + " missing");
    return *party;
}

TEST_F(PartyBlockTest, KeysFillTheParty)
{
    auto r = Read("PARTEI 7\n\"Die Füchse\";Parteiname\n\"f@x.de\";email\n\"Hurra\";banner\n"
                  "\"geheim\";Passwort\n120;Punkte\n80;Punktedurchschnitt\n\"Mensch\";Typus\n"
                  "75;Rekrutierungskosten\n44;Anzahl Personen\n3;Anzahl Immigranten\n"
                  "9;Max. Immigranten\n1023;Optionen\n");
    ASSERT_NE(r->Report, nullptr);
    const TParty& p = FindParty(*r, 7);
    EXPECT_EQ(p.Name, "Die Füchse");
    EXPECT_EQ(p.EMail, "f@x.de");
    EXPECT_EQ(p.Banner, "Hurra");
    EXPECT_EQ(p.Password, "geheim");
    EXPECT_EQ(p.Points->History(), (History{{4, 120}}));
    EXPECT_EQ(p.PointAverage->History(), (History{{4, 80}}));
    EXPECT_EQ(p.Type_, "Mensch");
    EXPECT_EQ(p.RecruteCosts, 75);
    EXPECT_EQ(p.Persons->History(), (History{{4, 44}}));
    EXPECT_EQ(p.Migrants, 3);
    EXPECT_EQ(p.MaxMigrants, 9);
    EXPECT_EQ(p.Options, 1023);
    EXPECT_TRUE(r->Warnings.empty());

    auto bare = Read("PARTEI 8\n\"Elf\";race\nPARTEI 9\n\"Ork\";Typ\n1;Farbe\n");
    EXPECT_EQ(FindParty(*bare, 8).Type_, "Elf");
    EXPECT_EQ(FindParty(*bare, 8).Migrants, -1);
    EXPECT_EQ(FindParty(*bare, 8).MaxMigrants, -1);
    EXPECT_EQ(FindParty(*bare, 9).Type_, "Ork");
    EXPECT_EQ(bare->WarningTexts(), (std::vector<std::string>{"Unbekannter Wert für Partei: Farbe"}));
}

TEST_F(PartyBlockTest, TurnKeySetsPartyAndReportTurn)
{
    auto r = Read("PARTEI 7\n12;Punkte\n9;Runde\n30;Punkte\n\"Mensch\";Typus\nREGION 0 0\n");
    const TParty& p = FindParty(*r, 7);
    EXPECT_EQ(p.Turn, 9);
    EXPECT_EQ(p.Points->History(), (History{{9, 30}, {4, 12}}));
    EXPECT_EQ(r->Report->Turn, 9);
    EXPECT_EQ(FirstRegion(*r).ReadTurn, 9) << "blocks after the party are read with its turn";
}

TEST_F(PartyBlockTest, TextBlocksReplaceEachOther)
{
    auto r = Read("PARTEI 7\nMELDUNGEN\n\"alt\"\nEINKOMMEN\n\"100 Silber\"\nBEWEGUNGEN\n\"nach Osten\"\n"
                  "PRODUKTION\n\"5 Holz\"\nEREIGNISSE\n\"Sturm\"\nHANDEL\n\"Balsam\"\nKAEMPFE\n\"Sieg\"\n"
                  "MELDUNGEN\n\"neu\"\n");
    const TParty& p = FindParty(*r, 7);
    EXPECT_EQ(p.Messages->Lines(), (std::vector<std::string>{"neu"}));
    EXPECT_EQ(p.Income->Lines(), (std::vector<std::string>{"100 Silber"}));
    EXPECT_EQ(p.Movements->Lines(), (std::vector<std::string>{"nach Osten"}));
    EXPECT_EQ(p.Production->Lines(), (std::vector<std::string>{"5 Holz"}));
    EXPECT_EQ(p.Events->Lines(), (std::vector<std::string>{"Sturm"}));
    EXPECT_EQ(p.Tradings->Lines(), (std::vector<std::string>{"Balsam"}));
    EXPECT_EQ(p.Fights->Lines(), (std::vector<std::string>{"Sieg"}));
}

TEST_F(PartyBlockTest, AlliesInBothForms)
{
    auto r = Read("PARTEI 7\nALLIIERTE\n\"x\";Status\n8;Partei\n\"Nachbarn\";Parteiname\n9;Partei\n"
                  "3;Status\n1;Farbe\nALLIANZ 10\n\"Freunde\";Parteiname\n31;Status\n1;Farbe\n");
    const TParty& p = FindParty(*r, 7);
    ASSERT_EQ(p.Allies->Count(), 3u);
    EXPECT_EQ((*p.Allies)[0]->Party, 8);
    EXPECT_EQ((*p.Allies)[0]->Name, "Nachbarn");
    EXPECT_EQ((*p.Allies)[0]->State, -1);
    EXPECT_EQ((*p.Allies)[1]->Party, 9);
    EXPECT_EQ((*p.Allies)[1]->State, 3);
    EXPECT_EQ((*p.Allies)[2]->Party, 10);
    EXPECT_EQ((*p.Allies)[2]->Name, "Freunde");
    EXPECT_EQ((*p.Allies)[2]->State, 31);
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>{"\"Status\" ohne \"Partei\"", "unbekannter Wert für Allianz: Farbe",
                                        "unbekannter Wert für Allianz: Farbe"}));
}

TEST_F(PartyBlockTest, AddressesAddPartiesThatTheFullBlockOutranks)
{
    auto r = Read("PARTEI 7\n\"Mensch\";Typus\n\"Wir\";Parteiname\nADRESSEN\n\"a@b\";email\n"
                  "8;Partei\n\"Die Anderen\";Parteiname\n\"o@x\";email\n\"Hoch!\";banner\n1;Sonstwas\n"
                  "7;Partei\n\"Wir (Adresse)\";Parteiname\n");
    ASSERT_NE(r->Report, nullptr);
    EXPECT_EQ(r->Report->Parties->Count(), 2u);
    EXPECT_EQ(FindParty(*r, 7).Name, "Wir") << "the party with a race stays";
    const TParty& other = FindParty(*r, 8);
    EXPECT_EQ(other.Name, "Die Anderen");
    EXPECT_EQ(other.EMail, "o@x");
    EXPECT_EQ(other.Banner, "Hoch!");
    EXPECT_TRUE(other.Type_.empty());
    EXPECT_EQ(r->WarningTexts(), (std::vector<std::string>{"\"email\" ohne \"Partei\""}))
        << "other keys of the address list are ignored silently";
}

TEST_F(PartyBlockTest, SpellListForm)
{
    auto r = Read("ZAUBER\n3;Stufe\n\"vorab\";Beschr\n\"AB\";Spruch\n\"Feuerball\";Spruch\n4;Stufe\n"
                  "\"heiß\";Beschr\n1;Kosten\n");
    ASSERT_NE(r->Report, nullptr);
    const TSpells& spells = *r->Report->Spells;
    ASSERT_EQ(spells.Count(), 2u);
    EXPECT_EQ(spells[0]->Spell, "AB");
    EXPECT_EQ(spells[0]->Nr, 131);
    EXPECT_EQ(spells[0]->Level, -1);
    EXPECT_EQ(spells[1]->Spell, "Feuerball");
    EXPECT_EQ(spells[1]->Level, 4);
    EXPECT_EQ(spells[1]->Descr, "heiß");
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>{"\"Stufe\" ohne \"Spruch\"", "\"Beschr\" ohne \"Spruch\"",
                                        "Unbekannter Wert für Spruch: Kosten"}));
}

TEST_F(PartyBlockTest, PotionListForm)
{
    auto r = Read("PARTEI 7\nTRAENKE\n1;Stufe\n\"Kraut\";Zutat\n\"x\";Beschr\n\"Heiltrank\";Trank\n2;Stufe\n"
                  "\"Elfenlieb\";Zutat\n\"Wasser\";Zutat\n\"heilt\";Beschr\n9;Preis\n");
    ASSERT_NE(r->Report, nullptr);
    const TPotions& potions = *r->Report->Potions;
    ASSERT_EQ(potions.Count(), 1u);
    EXPECT_EQ(potions[0]->Potion, "Heiltrank");
    EXPECT_EQ(potions[0]->Level, 2);
    EXPECT_EQ(potions[0]->Ingredients, "Elfenlieb Wasser");
    EXPECT_EQ(potions[0]->Descr, "heilt");
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>{"\"Stufe\" ohne \"Trank\"", "\"Zutat\" ohne \"Trank\"",
                                        "\"Beschr\" ohne \"Trank\"", "Unbekannter Wert für Trank: Preis"}));
}

TEST_F(PartyBlockTest, SpellAndPotionBlocks)
{
    auto r = Read("SPRUCH 12\n\"Blitz\";Name\n3;Stufe\n\"zuckt\";Beschr\n1;Farbe\n"
                  "PARTEI 7\nTRANK 13\n\"Gift\";Name\n5;Stufe\n\"Nachtschatten\";Zutat\n\"Wurz\";Zutat\n"
                  "\"tödlich\";Beschr\n1;Farbe\nSPRUCH 14\n");
    ASSERT_NE(r->Report, nullptr);
    ASSERT_EQ(r->Report->Spells->Count(), 2u);
    const TSpell& spell = *(*r->Report->Spells)[0];
    EXPECT_EQ(spell.Nr, 12);
    EXPECT_EQ(spell.Spell, "Blitz");
    EXPECT_EQ(spell.Level, 3);
    EXPECT_EQ(spell.Descr, "zuckt");
    EXPECT_EQ(spell.Turn, 4);
    ASSERT_EQ(r->Report->Potions->Count(), 1u);
    const TPotion& potion = *(*r->Report->Potions)[0];
    EXPECT_EQ(potion.Nr, 13);
    EXPECT_EQ(potion.Potion, "Gift");
    EXPECT_EQ(potion.Level, 5);
    EXPECT_EQ(potion.Ingredients, "Nachtschatten Wurz");
    EXPECT_EQ(potion.Descr, "tödlich");
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>{"Unbekannter Wert für Spruch: Farbe", "unbekannter Wert für Trank: Farbe"}));
}

TEST_F(PartyBlockTest, UnknownSubBlockIsSkippedWithWarnings)
{
    auto r = Read("PARTEI 7\nSTATISTIK\n\"a\"\n5;b\nMELDUNGEN\n\"m\"\n");
    ASSERT_NE(r->Report, nullptr);
    EXPECT_EQ(FindParty(*r, 7).Messages->Lines(), (std::vector<std::string>{"m"}));
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>{"kein Kommentar erwartet ab dieser Stelle", "unknown block: STATISTIK"}));
}

} // namespace
} // namespace maprune::test
