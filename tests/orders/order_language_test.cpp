// SPDX-License-Identifier: GPL-3.0-or-later
// The order language of the delivered game data: every command's valid
// lines pass, wrong ones give the expected finding at its place, and the
// completion offers what the syntax allows at the cursor.
#include <algorithm>
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "model/game_data.h"
#include "orders/language/order_check.h"
#include "orders/language/order_completion.h"
#include "orders/language/order_grammar.h"
#include "orders/language/syntax_match.h"

namespace maprune {
namespace {

class OrderLanguage : public ::testing::Test {
protected:
    OrderLanguage()
        : data(std::filesystem::path(MAPRUNE_BIN_DIR) / "maprune.dat", nullptr)
        , grammar(data)
    {
        scope.Known = true;
        scope.Units = { { 1, "1", "Hans" }, { 46, "1a", "Grete" }, { 47, "1b", "Bauern" } };
        scope.Buildings = { { 10, "a", "Feste" } };
        scope.Ships = { { 11, "b", "Möwe" } };
        scope.Temps = { "7" };
        scope.OwnItems = { "Silber", "Schwert", "Wunderkraut" };
    }

    std::vector<OrderFinding> Check(const std::vector<std::string>& lines)
    {
        return CheckUnitOrders(grammar, scope, lines);
    }

    GameData data;
    OrderGrammar grammar;
    OrderScope scope;
};

TEST_F(OrderLanguage, ValidLinesOfEveryCommandPass)
{
    const char* lines[] = {
        "ARBEITE",
        "ATTACKIERE 1a",
        "BANNER \"Wir kommen in Frieden\"",
        "BEKLAUE 1b",
        "BELAGERE a",
        "BENENNE EINHEIT \"Die Wache\"",
        "BESCHREIBE REGION \"Ein stiller Wald\"",
        "BETRETE BURG a",
        "BETRETE SCHIFF b",
        "BEWACHE NICHT",
        "BOTSCHAFT EINHEIT 1a \"Hallo\"",
        "BOTSCHAFT REGION \"An alle\"",
        "EMAIL spieler@example.org",
        "ENDE", // checked with its TEMP block below
        "FAHRE 1a",
        "FOLGE SCHIFF b",
        "FORSCHE KRÄUTER",
        "GIB 1a 5 Schwert",
        "GIB 1a ALLES Silber",
        "GIB TEMP 7 10 Silber",
        "GIB 1a KOMMANDO",
        "GIB 1a EINHEIT",
        "HELFE 3x SILBER NICHT",
        "KAMPFZAUBER STUFE 2 \"Feuerball\"",
        "KAUFE 5 Juwel",
        "KONTAKTIERE 1a",
        "KÄMPFE HINTEN",
        "KAEMPFE",
        "LEHRE 1a 1b",
        "LERNE Hiebwaffen",
        "LIEFERE 1a 3 Holz",
        "MACHE 5 Schwert",
        "MACHE Wunderkraut",
        "MACHE BURG a",
        "MACHE Langboot",
        "MACHE STRASSE NW",
        "NACH o so Nordwesten",
        "NUMMER EINHEIT neu",
        "PASSWORT \"geheim\"",
        "REKRUTIEREN 5",
        "RESERVIERE 100 Silber",
        "ROUTE O O PAUSE W W PAUSE",
        "SORTIERE VOR 1a",
        "SPIONIERE 1b",
        "STIRB \"geheim\"",
        "TARNE PARTEI",
        "TARNE 3",
        "TARNE Elf",
        "TRANSPORTIERE 1a",
        "TREIBE",
        "UNTERHALTE 200",
        "URSPRUNG -3 4",
        "VERGISS Segeln",
        "VERKAUFE ALLES Öl",
        "VERKAUFEN 3 Wunder~Elixier ; the game data does not know it",
        "VERLASSE",
        "ZAUBERE STUFE 1 REGION 3 -2 \"Nebel\" 1a",
        "ZEIGE Schwert",
        "ZERSTÖRE STRASSE SW",
        "ZÜCHTE PFERDE",
        "@ARBEITE // lasting",
        "; only a comment",
    };
    std::set<std::u32string> covered;
    for (const char* line : lines) {
        std::vector<std::string> orders { line };
        if (std::string_view(line) == "ENDE")
            orders.insert(orders.begin(), "MACHE TEMP 7");
        const std::vector<OrderFinding> findings = Check(orders);
        for (const OrderFinding& finding : findings) {
            if (!std::string_view(line).starts_with("VERKAUFEN"))
                ADD_FAILURE() << line << ": " << finding.Message;
        }
        const OrderWords words = SplitOrderLine(line);
        if (!words.Tokens.empty())
            if (const CommandSyntax* command = grammar.FindCommand(words.Tokens[0].Text))
                covered.insert(command->Folded);
    }
    for (const CommandSyntax& command : grammar.Commands())
        EXPECT_TRUE(covered.contains(command.Folded)) << "no valid line of " << command.Word;
}

TEST_F(OrderLanguage, WrongLinesGiveTheirFindingAtItsPlace)
{
    const struct {
        const char* Line;
        FindingLevel Level;
        size_t Begin, End;
        const char* Message; // its beginning
    } cases[] = {
        { "FLIEGE hoch", FindingLevel::Error, 0, 6, "Unbekannter Befehl \"FLIEGE\"" },
        { "BE 1a", FindingLevel::Error, 0, 2, "Unbekannter Befehl" },
        { "BE", FindingLevel::Error, 0, 2, "Unbekannter Befehl" },
        { "GIB 1a", FindingLevel::Error, 4, 6, "Es fehlt <Anzahl>" },
        { "LERNE", FindingLevel::Error, 0, 5, "Es fehlt <Talent>" },
        { "LERNE Zaubern", FindingLevel::Warning, 6, 13, "Unbekanntes Talent \"Zaubern\"" },
        { "KAUFE fünf Juwel", FindingLevel::Error, 6, 11, "Erwartet <Anzahl> statt \"fünf\"" },
        { "ARBEITE jetzt", FindingLevel::Warning, 8, 13, "Überzähliger Parameter" },
        { "GIB 1a 5 Zauberstab", FindingLevel::Warning, 9, 19, "Unbekannter Gegenstand" },
        { "NACH o xy", FindingLevel::Error, 7, 9, "Unbekannte Richtung \"xy\"" },
        { "ATTACKIERE zz", FindingLevel::Warning, 11, 13, "Einheit zz ist nicht in der Region" },
        { "GIB TEMP 9 5 Silber", FindingLevel::Warning, 4, 10, "TEMP 9 wird in der Region nicht" },
        { "BETRETE BURG c", FindingLevel::Warning, 13, 14, "Gebäude c ist nicht in der Region" },
        { "FOLGE SCHIFF c", FindingLevel::Warning, 13, 14, "Schiff c ist nicht in der Region" },
        { "BETRETE HAUS a", FindingLevel::Error, 8, 12, "Erwartet BURG oder SCHIFF" },
        { "BANNER \"offen", FindingLevel::Error, 7, 13, "Anführungszeichen ohne Ende" },
        { "TARNE Kobold", FindingLevel::Warning, 6, 12, "Unbekannte Rasse" },
        { "ENDE", FindingLevel::Warning, 0, 4, "ENDE ohne MACHE TEMP" },
        { "MACHE TEMP", FindingLevel::Error, 0, 10, "Es fehlt die Nummer der TEMP" },
        { "MACHE TEMP 8", FindingLevel::Error, 0, 12, "TEMP-Einheit ohne ENDE" },
    };
    for (const auto& c : cases) {
        const std::vector<OrderFinding> findings = Check({ c.Line });
        ASSERT_FALSE(findings.empty()) << c.Line;
        const OrderFinding& finding = findings.front();
        EXPECT_EQ(finding.Level, c.Level) << c.Line;
        EXPECT_EQ(finding.Begin, c.Begin) << c.Line;
        EXPECT_EQ(finding.End, c.End) << c.Line;
        EXPECT_TRUE(finding.Message.starts_with(c.Message)) << c.Line << ": " << finding.Message;
    }
}

TEST_F(OrderLanguage, TempBlocksAndLinesOfTheirFindings)
{
    const std::vector<OrderFinding> findings = Check({ "MACHE TEMP 7 \"Neue\"", "LERNE Reiten",
        "MACHE TEMP 8", "REKRUTIERE 2", "ENDE", "ARBEITE", "ENDE" });
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].Line, 2u);
    EXPECT_TRUE(findings[0].Message.starts_with("Neue TEMP-Einheit")) << findings[0].Message;
    EXPECT_EQ(findings[1].Line, 6u);
    EXPECT_EQ(findings[1].Level, FindingLevel::Warning);
}

TEST_F(OrderLanguage, CompletionOffersWhatTheSyntaxAllowsAtTheCursor)
{
    const struct {
        const char* Line;
        size_t Cursor;
        size_t Begin;
        std::vector<std::string> First; // the first candidates, in order
        const char* Absent;
    } cases[] = {
        { "ler", 3, 0, { "LERNE" }, "LEHRE" },
        { "GIB ", 4, 4, { "1", "1a", "1b", "TEMP 7" }, "ALLES" },
        { "GIB 1a 5 ", 9, 9, { "Silber", "Schwert", "Wunderkraut" }, "Hiebwaffen" },
        { "GIB 1a 5 sch", 12, 9, { "Schwert", "Schwerter", "Schild" }, "Silber" },
        { "GIB 1a ", 7, 7, { "ALLES", "EINHEIT", "KOMMANDO" }, "Schwert" },
        { "LERNE rei", 9, 6, { "Reiten" }, "Segeln" },
        { "NACH o n", 8, 7, { "NW", "NO", "Nordwesten", "Nordosten" }, "W" },
        { "BETRETE BURG ", 13, 13, { "a" }, "b" },
        { "BETRETE SCH", 11, 8, { "SCHIFF" }, "BURG" },
        { "MACHE STRASSE s", 15, 14, { "SO", "SW", "Südosten", "Südwesten" }, "O" },
        { "ARBEITE ; l", 11, 11, {}, "LERNE" },
    };
    for (const auto& c : cases) {
        const OrderCompletion completion = CompleteOrder(grammar, scope, c.Line, c.Cursor);
        std::vector<std::string> texts;
        for (const CompletionCandidate& candidate : completion.Candidates)
            texts.push_back(candidate.Text);
        EXPECT_EQ(completion.Begin, c.Begin) << c.Line;
        ASSERT_GE(texts.size(), c.First.size()) << c.Line;
        EXPECT_TRUE(std::equal(c.First.begin(), c.First.end(), texts.begin())) << c.Line;
        EXPECT_EQ(std::count(texts.begin(), texts.end(), c.Absent), 0) << c.Line;
    }
}

// Game data can be edited or broken: a syntax text must not nest, repeat or
// multiply its readings without bound, and the command stays usable.
TEST(CommandSyntaxBounds, HostileSyntaxesStayBoundedAndUsable)
{
    std::string manyBars;
    for (int i = 0; i < 30; ++i)
        manyBars += "a" + std::to_string(i) + " ";
    manyBars += "|";
    for (int i = 0; i < 30; ++i)
        manyBars += " b" + std::to_string(i);
    std::string manyRepeats;
    for (int i = 0; i < 60; ++i)
        manyRepeats += "w" + std::to_string(i) + " ... ";
    const std::string syntaxes[] = { std::string(60000, '['), std::string(200, '[') + "<Anzahl>",
        manyBars, manyRepeats, "X " + std::string(5000, 'y') };
    const OrderToken word { "X", 0, 1, false };
    const ValueJudge anyValue
        = [](ParamKind, const OrderToken*, size_t, std::vector<OrderFinding>&) {};
    for (const std::string& syntax : syntaxes) {
        const CommandSyntax command = ParseCommandSyntax("X", syntax);
        EXPECT_LE(command.Readings.size(), 65u) << syntax.substr(0, 40);
        const OrderWords words = SplitOrderLine("X 5 a0 b29");
        const std::vector<OrderToken> parameters(words.Tokens.begin() + 1, words.Tokens.end());
        MatchParameters(command, word, parameters, anyValue);
    }
    const CommandSyntax tooLong = ParseCommandSyntax("X", std::string(600, '['));
    EXPECT_TRUE(
        MatchParameters(tooLong, word, { { "irgendwas", 2, 11, false } }, anyValue).empty());
}

} // namespace
} // namespace maprune
