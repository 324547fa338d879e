// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/test_world.h"
#include "tools/calculator/calculator_answer.h"
#include "tools/calculator/parser.h"
#include "tools/calculator/report_calculator.h"

namespace maprune {
namespace {

class CalculatorTest : public ::testing::Test {
protected:
    CalculatorTest()
    {
        TRegion& region = world.AddRegion(0, 0);
        region.Name = "Tiefental";
        region.Descr = "$$CLASSREF$$00000001";
        region.Peasants->AddValue(5, 1200);
        // A name of an 8-bit report: "Oststätt" in Windows-1252.
        world.AddRegion(2, 0).Name = "Ostst\xe4tt";
        TUnit& unit = world.AddUnit(region, 7, 12);
        unit.Nr = 46; // "1a" in base 36
        unit.Name = "Boten";
        unit.Descr = "$$CLASSREF$$7FFF1234";
        world.AddParty(7, "Wir");
        world.Report().ActiveParty = 7;
    }

    std::string Answer(const std::string& input) { return Calculate(&world.Report(), input).Text; }

    maptest::TestWorld world;
};

// Each input gives this text: the value, or the shown message.
TEST_F(CalculatorTest, AnswersAsTheWindowShowsThem)
{
    const std::pair<const char*, const char*> cases[] = {
        { "1+2*3", "7" },
        { "(1+2)*3", "9" },
        { "10-4-3", "3" },
        { "7/2", "3.5" },
        { "7%3", "1" },
        { "2*3-4/2", "4" },
        { "3 & 0", "0" },
        { "3 && 6", "2" },
        { "1 | 0", "1" },
        { "1 || 6", "7" },
        { "5 ^ 1", "4" },
        { "2 < 3", "1" },
        { "2 >= 3", "0" },
        { "\"b\" == \"b\"", "1" },
        { "1 = 1", "Fehler beim Auswerten: Unbekannter Operator: =" },
        { "1 << 2", "Fehler beim Auswerten: Unbekannter Operator: <<" },
        { "0x1F + 0b1", "32" },
        { "0z10", "36" },
        { "0o17", "15" },
        { "1E2", "100" },
        { "0x1#1", "16" },
        { "1e-2", "0.01" },
        { "0x1.8", "1.5" },
        { "\"ab\" \"cd\"", "abcd" },
        { "\"a\\tb\"", "a\tb" },
        { "\"\\x41\\101\\\"\"", "AA\"" },
        { "\"ab\" + \"cd\"", "abcd" },
        { "\"Felder: \" + 0z1a", "Fehler beim Auswerten: \"Felder: \" ist keine Zahl" },
        { "\"5\" + 1", "6" },
        { "sin(0)", "0" },
        { "floor(2.7)", "2" },
        { "ceil(-2.5)", "-2" },
        { "ld(8)", "3" },
        { "--3", "3" },
        { "!0", "1" },
        { "~0", "-1" },
        { "-(2+3)*2", "-10" },
        { "sin(0, 1)", "Fehler beim Auswerten: DoFunctionCall: Funktion \"sin\" benötigt genau einen Paramter" },
        { "Sin(0)", "Fehler beim Auswerten: unbekannte Funktion" },
        { "pi[1]", "Fehler beim Auswerten: keine Indizes erwartet an dieser Stelle" },
        { "wert", "Fehler beim Auswerten: Variable/Konstante nicht definiert" },
        { "ln(-1)", "Fehler beim Auswerten: Ungültige Gleitkommaoperation" },
        // Integers that leave 32 bits become reals instead of wrapping.
        { "2147483647 + 1", "2147483648" },
        { "-2147483647 - 2", "-2147483649" },
        { "65536 * 65536", "4294967296" },
        { "-(-2147483647 - 1)", "2147483648" },
        { "(-2147483647 - 1) % -1", "0" },
        { "4294967296", "4294967296" },
        { "5 % 0", "Fehler beim Auswerten: Division durch Null" },
        { "5 / 0", "Fehler beim Auswerten: Division durch Null" },
        { "\"x\" * 2", "Fehler beim Auswerten: \"x\" ist keine Zahl" },
        // Parse messages with their positions.
        { "", "Fehler beim Parsen: (1) leerer Ausdruck nicht zulässig an dieser Stelle" },
        { "()", "Fehler beim Parsen: (2) leerer Ausdruck nicht zulässig an dieser Stelle" },
        { "1 + )", "Fehler beim Parsen: (5) ungültiges Zeichen an dieser Stelle... Ausdruck erwartet" },
        { "1 2", "Fehler beim Parsen: (3) Operator erwartet" },
        { "(1 + ", "Fehler beim Parsen: (6) Ausdruck oder ')' erwartet" },
        { "(1", "Fehler beim Parsen: (3) Fehler: ')' erwartet" },
        { "sin(1", "Fehler beim Parsen: Argumentliste nicht korrekt terminiert" },
        { "region[0,0].5", "Fehler beim Parsen: (13) Bezeichner erwartet" },
        { "1e", "Fehler beim Parsen: Syntaxfehler in Realzahl! Exponent ist unvollständig" },
        { "0b102", "Fehler beim Parsen: 2 ist keine gültige Ziffer im Zahlensystem der Basis 2" },
        { "1e2a", "Fehler beim Parsen: a ist keine gültige Ziffer" },
        { "\"\\q\"", "Fehler beim Parsen: Unbekanntes Zeichen im Escape-Code: q" },
        { "\"ab", "Fehler beim Parsen: (1) Zeichenkette ohne schließendes \"" },
        // The report's objects.
        { "region[0,0].name", "Tiefental" },
        { "region[0,0].NAME", "Tiefental" },
        // Texts of an 8-bit report and typed texts are the same characters.
        { "region[2,0].name == \"Oststätt\"", "1" },
        { "region[2,0].name + \" grüßt\"", "Oststätt grüßt" },
        { "region[2,0].name == \"Ostst\xe4tt\"", "1" },
        { "region[0,0,0].x + region[0,0].cy", "0" },
        { "region[0,0].bauern", "$$CLASSREF$$00000002" },
        { "region[0,0].Bauern", "Fehler beim Auswerten: unbekannte Eigenschaft" },
        { "region[0,0].eisenerz", "Fehler beim Auswerten: unbekannte Eigenschaft" },
        { "region[0,0].name[1]", "Fehler beim Auswerten: Fehler beim ermitteln der Eigenschaft TRegion.name: keine Indizes erwartet an dieser Stelle" },
        { "region[9,9]", "Fehler beim Auswerten: beim Auswerten von region[...] ist folgender Fehler aufgetreten: Region[9;9;0] nicht gefunden" },
        { "region[1]", "Fehler beim Auswerten: beim Auswerten von region[...] ist folgender Fehler aufgetreten: \"region\" benötigt 2 oder 3 Paramter (Koordinaten der Region; Z-Koordinate ist optional)" },
        { "einheit[0z1a].name", "Boten" },
        { "einheit[46].anzahl", "$$CLASSREF$$00000002" },
        { "einheit[1, 2]", "Fehler beim Auswerten: beim Auswerten von einheit[...] ist folgender Fehler aufgetreten: \"einheit\" benötigt genau einen Index (Nummer der Einheit)" },
        { "einheit[5]", "Fehler beim Auswerten: beim Auswerten von einheit[...] ist folgender Fehler aufgetreten: Einheit 5 nicht gefunden" },
        { "gebaeude[5]", "Fehler beim Auswerten: beim Auswerten von gebaeude[...] ist folgender Fehler aufgetreten: Gebäude 5 nicht gefunden" },
        { "schiff[5]", "Fehler beim Auswerten: beim Auswerten von schiff[...] ist folgender Fehler aufgetreten: Schiff 5 nicht gefunden" },
        { "partei.name", "Wir" },
        { "partei[1]", "Fehler beim Auswerten: beim Auswerten von partei[...] ist folgender Fehler aufgetreten: \"partei\" benötigt keinen Index" },
        { "report.activeparty", "7" },
        { "report.regions", "$$CLASSREF$$00000002" },
        // A reference text from the report is looked up among the objects
        // handed out by the same evaluation, never followed as an address.
        { "region[0,0].beschr.name", "Tiefental" },
        { "einheit[46].beschr.name", "Fehler beim Auswerten: unbekannte Eigenschaft" },
        { "(region[0,0] + \"\").name", "Fehler beim Parsen: (19) Operator erwartet" },
        { "region[0,0].name.name", "Fehler beim Auswerten: Evaluate - ekProperty: item is neither class nor record" },
        { "report.regions.count()", "Fehler beim Auswerten: unbekannte Methode" },
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(Answer(input), expected) << input;
}

TEST_F(CalculatorTest, ReferencesResolveOnlyDuringTheirEvaluation)
{
    TReportCalculator calculator(&world.Report());
    const TValue peasants = calculator.Evaluate(*ParseExpression("region[0,0].bauern"));
    EXPECT_EQ(calculator.ObjectOf(peasants), &*world.Report().FindRegion(0, 0, 0)->Peasants);
    EXPECT_EQ(calculator.ObjectOf(TValue(std::string("$$CLASSREF$$00000002"))),
        calculator.ObjectOf(peasants));
    calculator.Evaluate(*ParseExpression("1"));
    EXPECT_EQ(calculator.ObjectOf(peasants), nullptr);
    EXPECT_EQ(Calculate(nullptr, "report").Text,
        "Fehler beim Auswerten: Variable/Konstante nicht definiert");
}

TEST_F(CalculatorTest, AliasesAreExactAndFirstMatchWins)
{
    EXPECT_EQ(ResolvePropertyAlias("bauern"), "peasants");
    EXPECT_EQ(ResolvePropertyAlias("gebaeude"), "buildings");
    EXPECT_EQ(ResolvePropertyAlias("einheit"), "units");
    EXPECT_EQ(ResolvePropertyAlias("Bauern"), "Bauern");
    EXPECT_EQ(ResolvePropertyAlias("name"), "name");
}

TEST_F(CalculatorTest, DeepOrLongInputEndsWithAMessage)
{
    const std::string deep(10000, '(');
    EXPECT_EQ(Answer(deep + "1"),
        "Fehler beim Parsen: (101) Ausdruck zu tief verschachtelt (mehr als 100 Ebenen)");
    EXPECT_EQ(Answer(std::string(10000, '-') + "1"),
        "Fehler beim Parsen: (101) Ausdruck zu tief verschachtelt (mehr als 100 Ebenen)");
    std::string chain = "1";
    for (int i = 0; i < 5000; ++i)
        chain += "+1";
    EXPECT_EQ(Answer(chain), "Fehler beim Parsen: (1001) Ausdruck zu lang (mehr als 1000 Teile)");
    std::string allowed = "1";
    for (int i = 0; i < (kMaxNodes - 1) / 2; ++i)
        allowed += "+1";
    EXPECT_EQ(Answer(allowed), std::to_string((kMaxNodes - 1) / 2 + 1));
}

} // namespace
} // namespace maprune
