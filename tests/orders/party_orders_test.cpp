// SPDX-License-Identifier: GPL-3.0-or-later
// The party's orders as one text on a generated world: the text reads back
// without change, edits reach exactly the units they concern, and the
// completion at a line knows that line's unit and region.
#include <filesystem>

#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/lines.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/language/order_completion.h"
#include "orders/language/order_grammar.h"
#include "orders/language/report_scope.h"
#include "orders/party_orders.h"
#include "report/cr_reader.h"
#include "support/scripted_dialogs.h"

namespace maprune::test {
namespace {

class PartyOrders : public ::testing::Test {
protected:
    PartyOrders()
    {
        crgen::GeneratorOptions options;
        options.Regions = 120;
        ScriptedDialogs dialogs;
        NullProgress progress;
        report = ReadCR(crgen::GenerateReport(options), dialogs, progress, nullptr);
        text = PartyOrdersText(*report);
    }

    // The line of the text that starts with `start`.
    size_t LineOf(const std::string& start) const
    {
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i].starts_with(start))
                return i;
        }
        ADD_FAILURE() << start;
        return 0;
    }

    std::unique_ptr<TReport> report;
    std::vector<std::string> text;
};

TEST_F(PartyOrders, EditsOfTheTextReachTheirUnitsOnly)
{
    ASSERT_TRUE(ReadPartyOrders(*report, text).Changed.empty());
    std::vector<TUnit*> own;
    for (TRegion* region : *report->Regions)
        for (TUnit* unit : *region->Units)
            if (unit->IsOwn())
                own.push_back(unit);
    ASSERT_GE(own.size(), 3u);
    const std::string first = "EINHEIT " + report->FormatNr(own[0]->Nr) + " ";
    const std::string second = "EINHEIT " + report->FormatNr(own[2]->Nr) + " ";
    std::vector<std::string> edited = text;
    edited.insert(edited.begin() + static_cast<ptrdiff_t>(LineOf(second)) + 1, "LERNE Reiten");
    const size_t firstLine = LineOf(first);
    edited.insert(edited.begin() + static_cast<ptrdiff_t>(firstLine) + 1, "ARBEITE");
    edited.push_back("EINHEIT zzzz ; gibt es nicht");
    const PartyOrdersEdits edits = ReadPartyOrders(*report, edited);
    ASSERT_EQ(edits.Changed.size(), 2u);
    EXPECT_EQ(edits.Changed[0].Unit, own[0]);
    EXPECT_EQ(edits.Changed[0].Lines.front(), "ARBEITE");
    EXPECT_EQ(edits.Changed[0].Lines.size(), own[0]->Commands->Lines().size() + 1);
    EXPECT_EQ(edits.Changed[1].Unit, own[2]);
    EXPECT_EQ(edits.Changed[1].Lines.front(), "LERNE Reiten");
    EXPECT_EQ(edits.Unknown, std::vector<std::string> { "zzzz" });
}

TEST_F(PartyOrders, CompletionAtALineKnowsItsUnitAndRegion)
{
    const size_t unitLine = LineOf("EINHEIT ");
    const OrderScope scope = ScopeAtLine(*report, text, unitLine + 1);
    ASSERT_TRUE(scope.Known);
    ASSERT_FALSE(scope.Units.empty());
    GameData data(std::filesystem::path(MAPRUNE_BIN_DIR) / "maprune.dat", nullptr);
    const OrderGrammar grammar(data);
    const OrderCompletion units = CompleteOrder(grammar, scope, "GIB ", 4);
    ASSERT_FALSE(units.Candidates.empty());
    EXPECT_EQ(units.Candidates.front().Text, scope.Units.front().Number);
    EXPECT_EQ(units.Candidates.front().Label,
        scope.Units.front().Number + "  " + scope.Units.front().Name);
    const OrderCompletion items = CompleteOrder(grammar, scope, "GIB 1 5 ", 8);
    ASSERT_FALSE(items.Candidates.empty());
    if (!scope.OwnItems.empty()) {
        EXPECT_EQ(items.Candidates.front().Text, scope.OwnItems.front());
    }
    EXPECT_TRUE(ScopeAtLine(*report, text, 0).Units.empty()) << "above the first unit";
}

} // namespace
} // namespace maprune::test
