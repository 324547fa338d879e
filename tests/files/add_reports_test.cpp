// SPDX-License-Identifier: GPL-3.0-or-later
#include <deque>

#include <gtest/gtest.h>

#include "core/error.h"
#include "core/path_text.h"
#include "core/progress.h"
#include "files/add_reports.h"
#include "files/report_file.h"
#include "report/progress_panel.h"
#include "report/report_building.h"
#include "storage/kdf_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace maprune;
using namespace maprune::test;

namespace {

const char* const kTurn11 = "VERSION 36\n"
                            "11;Runde\n"
                            "PARTEI 1\n"
                            "11;Runde\n"
                            "\"Menschen\";Typus\n"
                            "REGION 0 0\n"
                            "\"Ebene\";Terrain\n"
                            "\"Alpha\";Name\n"
                            "EINHEIT 100\n"
                            "1;Partei\n"
                            "4;Anzahl\n"
                            "COMMANDS\n"
                            "\"LERNE Reiten\"\n"
                            "EINHEIT 101\n"
                            "1;Partei\n";

struct AddReportsTest : ::testing::Test {
    TestTerrains Terrains;
    TempDir Folder;
    ScriptedDialogs Messages;
    ScriptedShifts Chooser;
    NullProgressPanel Panel;
    NullProgress Reading;
    int Merges = 0;
    AddReportsContext Context{Messages, Chooser, Panel, Reading, AdaptationOptions{}, [this] { ++Merges; }};
    std::unique_ptr<TReport> Database = NewReport(10);

    void SetUp() override
    {
        TRegion& alpha = AddRegion(*Database, 0, 0, 0, "Ebene", "Alpha");
        AddUnit(alpha, 100, 1, 10, 3).Commands->Add("ARBEITE");
    }

    std::filesystem::path Write(const std::string& name, const std::string& bytes)
    {
        WriteWholeFile(Folder / name, bytes);
        return Folder / name;
    }
};

} // namespace

TEST_F(AddReportsTest, AddsByExtensionInAnyCaseAndCollectsEveryFailure)
{
    auto older = NewReport(9);
    AddRegion(*older, 4, 4, 0, "Berge", "Gipfel");
    NullProgress saving;
    SaveKdfFile(*older, Folder / "older.KDF", KdfWriteOptions{}, saving);

    const std::vector<std::filesystem::path> files = {
        Write("turn11.Cr", kTurn11),
        Write("broken.cr", "VERSION 36\nUNSINN 1\n"),
        Folder / "missing.kdf",
        Write("notes.doc", "PARTEI 1\n"),
        Folder / "older.KDF",
        Write("orders.TXT", "PARTEI 1\nEINHEIT 2s\nMACHE TEMP a\nARBEITE\nENDE\nNAECHSTER\n"),
        Write("bad-orders.txt", "EINHEIT 2s\nX\n"),
    };
    const AddReportsResult result = AddReportFiles(Database.get(), files, Context);

    ASSERT_EQ(result.Files.size(), files.size());
    using O = AddedFile::Outcome;
    std::vector<O> outcomes;
    for (const AddedFile& f : result.Files)
        outcomes.push_back(f.Result);
    EXPECT_EQ(outcomes, (std::vector<O>{O::Merged, O::Failed, O::Failed, O::Failed, O::Merged,
                                        O::OrdersRead, O::Failed}));
    EXPECT_TRUE(result.Changed());
    EXPECT_TRUE(result.AnyFailed());
    EXPECT_EQ(Merges, 2);
    // The readers' error messages are not shown one by one: they are the reasons.
    for (const auto& shown : Messages.shown)
        EXPECT_NE(shown.kind, MessageKind::Error) << shown.text;
    EXPECT_EQ(result.Files[1].Reason,
              "Ein Fehler trat auf beim Parsen des CR, Zeile 2: Unbekannter Block/Block nicht zulässig an "
              "dieser Stelle: UNSINN");
    EXPECT_NE(result.Files[2].Reason.find("missing.kdf"), std::string::npos);
    EXPECT_EQ(result.Files[3].Reason, "unbekanntes Dateiformat");
    EXPECT_EQ(result.Files[6].Reason, "Fehler beim Lesen der Befehlsdatei Zeile 1: \"PARTEI\" erwartet");

    const std::string message = result.FailureMessage();
    EXPECT_EQ(message.rfind("Folgende Dateien konnten nicht hinzugefügt werden:\n", 0), 0u);
    for (size_t i : {1, 2, 3, 6})
        EXPECT_NE(message.find(PathText(files[i]) + ": " + result.Files[i].Reason), std::string::npos);

    EXPECT_EQ(Database->Turn, 11);
    EXPECT_EQ(Database->Regions->Count(), 2u);
    TUnit* unit = FindUnit(*Database, 100);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->Count->History(), (std::vector<THistoryInteger::Entry>{{11, 4}, {10, 3}}));
    EXPECT_EQ(CommandsOf(*unit), (std::vector<std::string>{"MACHE TEMP a", "  ARBEITE", "ENDE"}));
    EXPECT_NE(FindUnit(*Database, 101), nullptr);

    EXPECT_EQ(DescribeOutcome(result.Files[0]), PathText(files[0]) + ": zusammengeführt (Runde 11)");
    EXPECT_EQ(DescribeOutcome(result.Files[3]), PathText(files[3]) + ": übersprungen: unbekanntes Dateiformat");
    EXPECT_EQ(DescribeOutcome(result.Files[5]), PathText(files[5]) + ": Befehle gelesen");
}

TEST_F(AddReportsTest, ARefusedReportIsNoFailureAndChangesNothing)
{
    Context.Adaptation.Enabled = true;
    Context.Adaptation.OnNone = NoShiftReaction::Refuse;
    const auto file = Write("sea.cr", "VERSION 36\n11;Runde\nPARTEI 1\n11;Runde\n\"Menschen\";Typus\n"
                                      "REGION 0 0\n\"Ozean\";Terrain\n");
    const AddReportsResult result = AddReportFiles(Database.get(), {file}, Context);
    ASSERT_EQ(result.Files.size(), 1u);
    EXPECT_EQ(result.Files[0].Result, AddedFile::Outcome::Refused);
    EXPECT_FALSE(result.AnyFailed());
    EXPECT_FALSE(result.Changed());
    EXPECT_TRUE(result.FailureMessage().empty());
    EXPECT_EQ(DescribeOutcome(result.Files[0]), PathText(file) + ": abgewiesen (Ebene 0: keine passende Verschiebung)");
    EXPECT_EQ(Database->Turn, 10);
    EXPECT_EQ((*Database->Regions)[0]->Terrain, "Ebene");
}

TEST_F(AddReportsTest, AQuestionThatCannotBeAnsweredFailsTheFile)
{
    class NoAnswers : public Dialogs {
    public:
        DialogButton ShowMessage(MessageKind kind, const std::string& text, DialogButtons buttons) override
        {
            if ((buttons & (ButtonYes | ButtonCancel)) != 0)
                throw Error(text);
            return SilentDialogs().ShowMessage(kind, text, buttons);
        }
    } unanswered;
    AddReportsContext context{unanswered, Chooser, Panel, Reading, AdaptationOptions{}, {}};
    const auto file = Write("other.txt", "PARTEI 2\nEINHEIT 2s\nX\nNAECHSTER\n");
    const AddReportsResult result = AddReportFiles(Database.get(), {file}, context);
    EXPECT_EQ(result.Files[0].Result, AddedFile::Outcome::Failed);
    EXPECT_EQ(result.Files[0].Reason,
              "Warnung: Befehlsdatei gehört zu Partei 2, der offene Report gehört Partei 1... wollen Sie fortjahren?");
    EXPECT_EQ(CommandsOf(*FindUnit(*Database, 100)), std::vector<std::string>{"ARBEITE"});
}

TEST_F(AddReportsTest, WithoutADatabaseNothingIsAdded)
{
    const auto file = Write("turn11.cr", kTurn11);
    const AddReportsResult result = AddReportFiles(nullptr, {file}, Context);
    EXPECT_TRUE(result.Files.empty());
    ASSERT_EQ(Messages.shown.size(), 1u);
    EXPECT_EQ(Messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(Messages.shown[0].text, "no report loaded");
}

TEST_F(AddReportsTest, ADamagedDatabaseFailsWithTheMessageThatOpeningItGives)
{
    // Histories stored oldest first, against the order a database keeps.
    auto older = NewReport(9);
    TRegion& peak = AddRegion(*older, 4, 4, 0, "Berge", "Gipfel");
    AddUnit(peak, 200, 1, 9).Count->SetHistory({{8, 2}, {9, 3}});
    NullProgress saving;
    SaveKdfFile(*older, Folder / "reversed.kdf", KdfWriteOptions{}, saving);
    std::string opening;
    try {
        OpenReportFile(Folder / "reversed.kdf", Messages, Reading);
    } catch (const Error& e) {
        opening = e.what();
    }
    EXPECT_EQ(opening, "Die KDF-Datei ist beschädigt: die Runden eines THistoryInteger sind nicht "
                       "absteigend geordnet (Runde 9 nach Runde 8).");

    const AddReportsResult result = AddReportFiles(Database.get(), {Folder / "reversed.kdf"}, Context);
    ASSERT_EQ(result.Files.size(), 1u);
    EXPECT_EQ(result.Files[0].Result, AddedFile::Outcome::Failed);
    EXPECT_EQ(result.Files[0].Reason, opening);
    EXPECT_EQ(Merges, 0);
    EXPECT_EQ(Database->Turn, 10);
    EXPECT_EQ(Database->Regions->Count(), 1u);
    EXPECT_EQ(FindUnit(*Database, 200), nullptr);
}

TEST_F(AddReportsTest, AReportOfAnotherGameIsAddedOnlyWhenAccepted)
{
    // The database is of game "Kelvaran"; the CR names its game in the header.
    const auto crOf = [this](const std::string& name, const std::string& game) {
        return Write(name, "VERSION 36\n\"" + game + "\";Spiel\n11;Runde\nPARTEI 1\n11;Runde\n"
                           "\"Menschen\";Typus\nREGION 5 5\n\"Ebene\";Terrain\n");
    };
    using O = AddedFile::Outcome;
    struct Case {
        const char* game;
        OtherGameReaction reaction;
        std::deque<DialogButton> answers;
        O outcome;
        bool asked;
    };
    const Case cases[] = {
        {"kelvaran", OtherGameReaction::Ask, {}, O::Merged, false}, // case is no other game
        {"Runenland", OtherGameReaction::Ask, {ButtonNo}, O::Declined, true},
        {"Runenland", OtherGameReaction::Ask, {ButtonYes}, O::Merged, true},
        {"Runenland", OtherGameReaction::Refuse, {}, O::Failed, false},
        {"Runenland", OtherGameReaction::Add, {}, O::Merged, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.game) + " " + std::to_string(static_cast<int>(c.reaction)));
        auto database = NewReport(10);
        AddRegion(*database, 0, 0, 0, "Ebene", "Alpha");
        Messages.shown.clear();
        Messages.answers = c.answers;
        Merges = 0;
        Context.OtherGame = c.reaction;
        const auto orders = Write("orders.txt", "PARTEI 1\nNAECHSTER\n");
        const AddReportsResult result
            = AddReportFiles(database.get(), {crOf("other.cr", c.game), orders}, Context);
        ASSERT_EQ(result.Files.size(), 2u);
        EXPECT_EQ(result.Files[0].Result, c.outcome);
        EXPECT_EQ(result.Files[1].Result, O::OrdersRead); // order files are not asked about
        ASSERT_EQ(Messages.shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(Messages.shown[0].text,
                      "Der Report gehört zu einem anderen Spiel (Runenland). Trotzdem hinzufügen?");
        }
        const bool merged = c.outcome == O::Merged;
        EXPECT_EQ(Merges, merged ? 1 : 0);
        EXPECT_EQ(database->Turn, merged ? 11 : 10);
        EXPECT_EQ(database->Regions->Count(), merged ? 2u : 1u);
    }
    AddedFile declined;
    declined.File = "x.cr";
    declined.Result = O::Declined;
    declined.Reason = "anderes Spiel: Runenland";
    EXPECT_EQ(DescribeOutcome(declined), "x.cr: nicht hinzugefügt (anderes Spiel: Runenland)");
    AddedFile merged;
    merged.File = "x.cr";
    merged.Result = O::Merged;
    merged.Merge.AddedTurn = 11;
    for (const auto& [warnings, text] :
        { std::pair<size_t, const char*> { 1, "1 Warnung" }, { 2, "2 Warnungen" } }) {
        merged.Warnings = warnings;
        EXPECT_EQ(DescribeOutcome(merged),
            std::string("x.cr: zusammengeführt (Runde 11, ") + text + " beim Lesen)");
    }
}
