// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "report/order_reader.h"
#include "report/report_building.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using namespace maprune::test;

namespace {

using Lines = std::vector<std::string>;

// Party 1a (base 36: 46) with password "geheim"; units 5 and zz (1295) in
// one region, unit 7 on layer 1.
struct OrderReaderTest : ::testing::Test {
    TestTerrains Terrains;
    std::unique_ptr<TReport> Report = NewReport(10, 46);
    TUnit* Five = nullptr;
    TUnit* Zz = nullptr;
    TUnit* Seven = nullptr;

    void SetUp() override
    {
        Report->FindParty(46)->Password = "geheim";
        TRegion& region = AddRegion(*Report, 0, 0, 0);
        Five = &AddUnit(region, 5, 46, 10);
        Five->Commands->Add("ALT");
        Zz = &AddUnit(region, 1295, 46, 10);
        Zz->Commands->Add("ALT zz");
        Seven = &AddUnit(AddRegion(*Report, 0, 0, 1), 7, 46, 10);
        Seven->Commands->Add("ALT 7");
    }

    OrderFileResult Read(const Lines& lines, ScriptedDialogs& dialogs)
    {
        return ReadOrderFile(*Report, lines, dialogs);
    }
};

} // namespace

TEST_F(OrderReaderTest, ReplacesTheOrdersOfTheNamedUnitsOnly)
{
    ScriptedDialogs dialogs;
    const Lines file = {"; Befehle", "", "  PARTEI 1a \"geheim\"", "REGION 0,0 ; Ebene",
                        "EINHEIT 5", "  ARBEITE  ", "; Kommentar", "// Notiz", "REGION 0,0,1",
                        "EINHEIT 7", "LERNE Hiebwaffen", "NAECHSTER"};
    EXPECT_EQ(Read(file, dialogs), OrderFileResult::Complete);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(CommandsOf(*Five), (Lines{"ARBEITE", "// Notiz"}));
    EXPECT_EQ(CommandsOf(*Seven), Lines{"LERNE Hiebwaffen"});
    EXPECT_EQ(CommandsOf(*Zz), Lines{"ALT zz"});
}

TEST_F(OrderReaderTest, SectionsAreClearedRepeatedAndEndedByRegionLines)
{
    ScriptedDialogs dialogs;
    const Lines file = {"PARTEI 1A \"geheim\"", "EINHEIT ZZ", "EINHEIT 5", "ERSTE", "EINHEIT 5",
                        "ZWEITE", "REGION 1,1", "VERLOREN", "EINHEIT 7", "NäCHSTER", "EINHEIT zz", "x"};
    EXPECT_EQ(Read(file, dialogs), OrderFileResult::Complete);
    EXPECT_TRUE(CommandsOf(*Zz).empty());
    EXPECT_EQ(CommandsOf(*Five), Lines{"ZWEITE"});
    EXPECT_TRUE(CommandsOf(*Seven).empty());
}

TEST_F(OrderReaderTest, TheEndKeywordInAnyCaseAndEncoding)
{
    for (const std::string end : {"naechster", "NaEcHsTeR", "N\xC4" "CHSTER", "n\xE4" "chster",
                                  "N\xC3\x84" "CHSTER", "n\xC3\xA4" "chster ; Ende"}) {
        ScriptedDialogs dialogs;
        EXPECT_EQ(Read({"PARTEI 1a geheim", "EINHEIT 5", "A", end, "EINHEIT 7", "B"}, dialogs),
                  OrderFileResult::Complete)
            << end;
        EXPECT_EQ(CommandsOf(*Seven), Lines{"ALT 7"});
    }
    ScriptedDialogs dialogs;
    EXPECT_EQ(Read({"PARTEI 1a geheim", "EINHEIT 5", "NAECHSTERx"}, dialogs), OrderFileResult::Unterminated);
    EXPECT_EQ(CommandsOf(*Five), Lines{"NAECHSTERx"});
}

TEST_F(OrderReaderTest, TemporaryBlocksAreIndentedBetweenTheirOpeningAndClosingLines)
{
    ScriptedDialogs dialogs;
    const Lines file = {"PARTEI 1a geheim", "EINHEIT 5", "ARBEITE", "  mache temp x1  ", "LERNE Reiten",
                        "   ; weg", "  Ende", "MACHE TEMP", "EINHEIT 7", "MACHE TEMP y", "BEWACHE",
                        "EINHEIT zz", "BEWACHE", "NAECHSTER"};
    Read(file, dialogs);
    EXPECT_EQ(CommandsOf(*Five), (Lines{"ARBEITE", "mache temp x1", "  LERNE Reiten", "Ende", "MACHE TEMP"}));
    EXPECT_EQ(CommandsOf(*Seven), (Lines{"MACHE TEMP y", "  BEWACHE"}));
    // An EINHEIT line ends the block.
    EXPECT_EQ(CommandsOf(*Zz), Lines{"BEWACHE"});
}

TEST_F(OrderReaderTest, AMissingPartyLineIsAnErrorThatChangesNothing)
{
    ScriptedDialogs dialogs;
    try {
        Read({"", "; Kopf", "EINHEIT 5", "X", "NAECHSTER"}, dialogs);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Fehler beim Lesen der Befehlsdatei Zeile 3: \"PARTEI\" erwartet");
    }
    EXPECT_THROW(Read({"PARTEIEN 1a", "NAECHSTER"}, dialogs), Error);
    EXPECT_THROW(Read({"PARTEI \"geheim\"", "NAECHSTER"}, dialogs), Error);
    EXPECT_THROW(Read({"PARTEI zzzzzzzzzzzzzzzz", "NAECHSTER"}, dialogs), Error);
    EXPECT_EQ(CommandsOf(*Five), Lines{"ALT"});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OrderReaderTest, AnEmptyOrUnterminatedFileWarnsAndKeepsWhatWasRead)
{
    ScriptedDialogs empty;
    EXPECT_EQ(Read({"", " ; nur Kommentar"}, empty), OrderFileResult::Unterminated);
    ASSERT_EQ(empty.shown.size(), 1u);
    EXPECT_EQ(empty.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(empty.shown[0].buttons, ButtonOk);
    EXPECT_EQ(empty.shown[0].text, "Befehlsdatei nicht mit NAECHSTER abgeschlossen!");

    ScriptedDialogs dialogs;
    EXPECT_EQ(Read({"PARTEI 1a geheim", "EINHEIT 5", "ARBEITE"}, dialogs), OrderFileResult::Unterminated);
    EXPECT_EQ(CommandsOf(*Five), Lines{"ARBEITE"});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Befehlsdatei nicht mit NAECHSTER abgeschlossen!");
}

TEST_F(OrderReaderTest, AnotherPartysFileIsReadOnlyWhenTheUserAgrees)
{
    ScriptedDialogs no;
    no.answers = {ButtonNo};
    EXPECT_EQ(Read({"PARTEI 2 wasauchimmer", "EINHEIT 5", "X", "NAECHSTER"}, no), OrderFileResult::Declined);
    EXPECT_EQ(CommandsOf(*Five), Lines{"ALT"});
    ASSERT_EQ(no.shown.size(), 1u);
    EXPECT_EQ(no.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(no.shown[0].buttons, ButtonYes | ButtonNo);
    EXPECT_EQ(no.shown[0].text,
              "Warnung: Befehlsdatei gehört zu Partei 2, der offene Report gehört Partei 1a... wollen Sie fortjahren?");

    // Yes goes on without a password check.
    ScriptedDialogs yes;
    yes.answers = {ButtonYes};
    EXPECT_EQ(Read({"PARTEI 2 falsch", "EINHEIT 5", "X", "NAECHSTER"}, yes), OrderFileResult::Complete);
    EXPECT_EQ(CommandsOf(*Five), Lines{"X"});
    EXPECT_EQ(yes.shown.size(), 1u);
}

TEST_F(OrderReaderTest, TheNumberIsReadInTheReportsBase)
{
    // "1a" is party 46 in base 36; a decimal reading would take party 1.
    ScriptedDialogs dialogs;
    EXPECT_EQ(Read({"PARTEI 1a \"geheim\"", "EINHEIT 5", "X", "NAECHSTER"}, dialogs), OrderFileResult::Complete);
    EXPECT_TRUE(dialogs.shown.empty());
    Report->Basis = 10;
    ScriptedDialogs decimal;
    decimal.answers = {ButtonNo};
    EXPECT_EQ(Read({"PARTEI 46 geheim", "NAECHSTER"}, decimal), OrderFileResult::Complete);
    EXPECT_TRUE(decimal.shown.empty());
}

TEST_F(OrderReaderTest, AWrongPasswordAsks)
{
    ScriptedDialogs no;
    no.answers = {ButtonNo};
    EXPECT_EQ(Read({"PARTEI 1a \"Geheim\"", "EINHEIT 5", "X", "NAECHSTER"}, no), OrderFileResult::Declined);
    ASSERT_EQ(no.shown.size(), 1u);
    EXPECT_EQ(no.shown[0].text, "Warnung: das Passwort in der Befehlsdatei ist inkorrekt... wollen Sie fortfahren?");
    EXPECT_EQ(CommandsOf(*Five), Lines{"ALT"});
    ScriptedDialogs none;
    none.answers = {ButtonYes};
    EXPECT_EQ(Read({"PARTEI 1a", "EINHEIT 5", "X", "NAECHSTER"}, none), OrderFileResult::Complete);
    EXPECT_EQ(none.shown.size(), 1u);
    EXPECT_EQ(CommandsOf(*Five), Lines{"X"});
    // A lone quote is no quoted password.
    ScriptedDialogs quote;
    quote.answers = {ButtonNo};
    Report->FindParty(46)->Password = "\"";
    EXPECT_EQ(Read({"PARTEI 1a \"", "NAECHSTER"}, quote), OrderFileResult::Complete);
    EXPECT_TRUE(quote.shown.empty());
}

TEST_F(OrderReaderTest, AnUnknownUnitSkipsItsSectionOrStopsReading)
{
    ScriptedDialogs yes;
    yes.answers = {ButtonYes};
    const Lines file = {"PARTEI 1a geheim", "EINHEIT 5", "A", "EINHEIT abc", "FREMD", "EINHEIT 7", "B",
                        "EINHEIT", "C", "NAECHSTER"};
    EXPECT_EQ(Read(file, yes), OrderFileResult::Complete);
    EXPECT_EQ(CommandsOf(*Five), Lines{"A"});
    EXPECT_EQ(CommandsOf(*Seven), Lines{"B"});
    ASSERT_EQ(yes.shown.size(), 2u);
    EXPECT_EQ(yes.shown[0].text, "Einheit abc (Zeile 4) wurde nicht gefunden... wollen Sie fortfahren?");
    EXPECT_EQ(yes.shown[1].text, "Einheit  (Zeile 8) wurde nicht gefunden... wollen Sie fortfahren?");

    // No stops reading; what was read before stays applied.
    ScriptedDialogs no;
    no.answers = {ButtonNo};
    const Lines stop = {"PARTEI 1a geheim", "EINHEIT 5", "NEU", "EINHEIT abc", "EINHEIT 7", "C", "NAECHSTER"};
    EXPECT_EQ(Read(stop, no), OrderFileResult::Declined);
    EXPECT_EQ(CommandsOf(*Five), Lines{"NEU"});
    EXPECT_EQ(CommandsOf(*Seven), Lines{"B"});
}

TEST_F(OrderReaderTest, AQuestionThatCannotBeAnsweredChangesNothing)
{
    class Unanswerable : public Dialogs {
    public:
        DialogButton ShowMessage(MessageKind, const std::string& text, DialogButtons) override
        {
            throw Error(text);
        }
    } dialogs;
    const Lines file = {"PARTEI 1a geheim", "EINHEIT 5", "NEU", "EINHEIT abc", "NAECHSTER"};
    EXPECT_THROW(ReadOrderFile(*Report, file, dialogs), Error);
    EXPECT_EQ(CommandsOf(*Five), Lines{"ALT"});
}
