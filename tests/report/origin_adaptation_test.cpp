// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "report/origin_adaptation.h"
#include "report/progress_panel.h"
#include "report/report_building.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using namespace maprune::test;

namespace {

// Records captions and the adaptation bar's positions.
class RecordingPanel : public ProgressPanel {
public:
    class Bar : public Progress {
    public:
        void SetRange(int maximum) override { Range = maximum; }
        void SetPosition(int position) override { Positions.push_back(position); }
        void ProcessEvents() override { ++Events; }
        int Range = 0;
        std::vector<int> Positions;
        int Events = 0;
    };
    Progress& Bar(PanelBar bar) override { return FBars[static_cast<size_t>(bar)]; }
    void SetCaption(const std::string& text) override { Captions.push_back(text); }
    const class Bar& Adaptation() const { return FBars[0]; }
    std::vector<std::string> Captions;

private:
    class Bar FBars[3];
};

struct Fixture : ::testing::Test {
    TestTerrains Terrains;
    ScriptedDialogs Messages;
    ScriptedShifts Chooser{1};
    RecordingPanel Panel;
    AdaptationUi Ui{Messages, Chooser, Panel};
    AdaptationOptions Options = [] {
        AdaptationOptions o;
        o.Enabled = true;
        return o;
    }();
};

using FindShiftTest = Fixture;
using AdaptOriginTest = Fixture;

// Two shifts of different score for layer 0: (0, 0) with 2, (1, 0) with 1.
void TwoCandidates(TReport& x, TReport& y)
{
    AddRegion(x, 0, 0, 0, "Berge");
    AddRegion(x, 1, 0, 0, "Berge");
    AddRegion(y, 0, 0, 0, "Berge");
    AddRegion(y, 1, 0, 0, "Berge");
}
} // namespace

TEST_F(FindShiftTest, OneAcceptedShiftIsTaken)
{
    auto x = NewReport(3);
    auto y = NewReport(4);
    AddRegion(*x, 0, 0, 0, "Berge");
    AddRegion(*y, 7, -2, 0, "Berge");
    const LayerShift result = FindShift(*x, *y, 0, Options, Ui);
    EXPECT_EQ(result.Result, LayerShift::Outcome::Shifted);
    EXPECT_EQ(result.Offset, (Shift{7, -2}));
    EXPECT_EQ(result.AcceptedShifts, 1u);
    EXPECT_TRUE(Messages.shown.empty());
    EXPECT_TRUE(Chooser.Offered.empty());
    EXPECT_EQ(Panel.Adaptation().Positions.front(), 0);
    EXPECT_EQ(Panel.Adaptation().Positions.back(), 1000);
}

TEST_F(FindShiftTest, SeveralShiftsGoToTheBestOrToTheUser)
{
    auto x = NewReport(3);
    auto y = NewReport(4);
    TwoCandidates(*x, *y);
    LayerShift result = FindShift(*x, *y, 0, Options, Ui);
    EXPECT_EQ(result.Result, LayerShift::Outcome::Shifted);
    EXPECT_EQ(result.Offset, (Shift{0, 0}));
    EXPECT_EQ(result.AcceptedShifts, 3u);

    Options.OnSeveral = SeveralShiftsReaction::LetUserChoose;
    result = FindShift(*x, *y, 0, Options, Ui);
    ASSERT_EQ(Chooser.Offered.size(), 1u);
    EXPECT_EQ(Chooser.Offered[0], (std::vector<ScoredShift>{{Shift{0, 0}, 2}, {Shift{1, 0}, 1}, {Shift{-1, 0}, 1}}));
    EXPECT_EQ(result.Offset, (Shift{1, 0}));
    EXPECT_EQ(ShiftChooser::Line(Chooser.Offered[0][2]), "Verschiebung x: -1; y: 0; 1 Übereinstimmungen");

    ScriptedShifts cancel(std::nullopt);
    AdaptationUi ui{Messages, cancel, Panel};
    EXPECT_EQ(FindShift(*x, *y, 0, Options, ui).Result, LayerShift::Outcome::Refused);
    ScriptedShifts outOfRange(9);
    AdaptationUi ui2{Messages, outOfRange, Panel};
    EXPECT_EQ(FindShift(*x, *y, 0, Options, ui2).Result, LayerShift::Outcome::Refused);
}

TEST_F(FindShiftTest, EachNoShiftReaction)
{
    auto x = NewReport(3);
    auto y = NewReport(4);
    AddRegion(*x, 0, 0, 0, "Ozean");
    AddRegion(*y, 0, 0, 0, "Berge");

    Options.OnNone = NoShiftReaction::Continue;
    EXPECT_EQ(FindShift(*x, *y, 0, Options, Ui).Result, LayerShift::Outcome::Unshifted);
    Options.OnNone = NoShiftReaction::Refuse;
    EXPECT_EQ(FindShift(*x, *y, 0, Options, Ui).Result, LayerShift::Outcome::Refused);
    EXPECT_TRUE(Messages.shown.empty());

    Options.OnNone = NoShiftReaction::Ask;
    ScriptedDialogs script;
    script.answers = {ButtonOk, ButtonCancel};
    AdaptationUi ui{script, Chooser, Panel};
    EXPECT_EQ(FindShift(*x, *y, 0, Options, ui).Result, LayerShift::Outcome::Unshifted);
    EXPECT_EQ(FindShift(*x, *y, 0, Options, ui).Result, LayerShift::Outcome::Refused);
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(script.shown[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(script.shown[0].buttons, ButtonOk | ButtonCancel);
    EXPECT_EQ(script.shown[0].text,
              "Es wurde keine Verschiebungsmöglichkeit gefunden... wählen Sie OK, um die Karte ohne "
              "Verschiebung zu importieren");
    // An empty layer finds nothing either.
    EXPECT_EQ(FindShift(*x, *y, 5, Options, ui).AcceptedShifts, 0u);
}

TEST_F(FindShiftTest, SettingValuesMapToTheReactions)
{
    const auto defaults = AdaptationOptions::FromSettings(true, 5, 5, 0, 2);
    EXPECT_FALSE(defaults.Enabled);
    EXPECT_EQ(defaults.OnSeveral, SeveralShiftsReaction::TakeBest);
    EXPECT_EQ(defaults.OnNone, NoShiftReaction::Ask);
    const auto other = AdaptationOptions::FromSettings(false, 7, 9, 3, 1);
    EXPECT_TRUE(other.Enabled);
    EXPECT_EQ(other.NameMismatchLimit, 7);
    EXPECT_EQ(other.TerrainMismatchLimit, 9);
    EXPECT_EQ(other.OnSeveral, SeveralShiftsReaction::LetUserChoose);
    EXPECT_EQ(other.OnNone, NoShiftReaction::Refuse);
    EXPECT_EQ(AdaptationOptions::FromSettings(false, 5, 5, 0, 0).OnNone, NoShiftReaction::Continue);
    EXPECT_EQ(AdaptationOptions::FromSettings(false, 5, 5, 0, 7).OnNone, NoShiftReaction::Ask);
}

TEST_F(AdaptOriginTest, ShiftsEveryLayerOfTheOlderReportOnly)
{
    auto x = NewReport(3);
    auto y = NewReport(4);
    TRegion& a1 = AddRegion(*x, 0, 0, 1, "Berge");
    TRegion& a0 = AddRegion(*x, 0, 0, 0, "Berge");
    TRegion& b0 = AddRegion(*y, 2, 3, 0, "Berge");
    AddRegion(*y, -4, 1, 1, "Berge");
    AddRegion(*y, 9, 9, 2, "Berge");
    x->ActiveLayer = 0;
    y->ActiveLayer = 2;

    const AdaptationPlan plan = AdaptOrigin(*x, *y, Options, Ui);
    ASSERT_EQ(plan.Layers.size(), 3u);
    EXPECT_EQ(plan.Layers[0].Layer, 1);
    EXPECT_EQ(plan.Layers[1].Layer, 0);
    EXPECT_EQ(plan.Layers[2].Layer, 2);
    EXPECT_EQ(plan.Layers[2].Result, LayerShift::Outcome::Unshifted); // the question, answered OK
    EXPECT_EQ(std::make_pair(a1.CX, a1.CY), std::make_pair(-4, 1));
    EXPECT_EQ(std::make_pair(a0.CX, a0.CY), std::make_pair(2, 3));
    EXPECT_EQ(std::make_pair(b0.CX, b0.CY), std::make_pair(2, 3));
    EXPECT_EQ(x->ActiveLayer, 0);
    EXPECT_EQ(y->ActiveLayer, 2);
    EXPECT_EQ(x->FindRegion(2, 3, 0), &a0);
    EXPECT_EQ(Panel.Captions, (std::vector<std::string>{
                                  "initialisiere Ebene 1 (1 von 3)",
                                  "Koordinatenursprungsanpassung Ebene 1 (1 von 3)",
                                  "initialisiere Ebene 0 (2 von 3)",
                                  "Koordinatenursprungsanpassung Ebene 0 (2 von 3)",
                                  "initialisiere Ebene 2 (3 von 3)",
                                  "Koordinatenursprungsanpassung Ebene 2 (3 von 3)",
                              }));
}

TEST_F(AdaptOriginTest, ARefusedLayerMovesNothingAndEndsTheSearch)
{
    auto x = NewReport(3);
    auto y = NewReport(4);
    TRegion& a0 = AddRegion(*x, 0, 0, 0, "Berge");
    AddRegion(*x, 0, 0, 1, "Ozean");
    AddRegion(*x, 0, 0, 2, "Ozean");
    AddRegion(*y, 5, 5, 0, "Berge");
    AddRegion(*y, 5, 5, 1, "Berge");
    Options.OnNone = NoShiftReaction::Refuse;
    const AdaptationPlan plan = AdaptOrigin(*x, *y, Options, Ui);
    EXPECT_TRUE(plan.Refused());
    ASSERT_EQ(plan.Layers.size(), 2u);
    EXPECT_EQ(plan.Layers[0].Result, LayerShift::Outcome::Shifted);
    EXPECT_EQ(std::make_pair(a0.CX, a0.CY), std::make_pair(0, 0));
}

TEST_F(AdaptOriginTest, DoesNothingWhenSwitchedOff)
{
    auto x = NewReport(3);
    auto y = NewReport(4);
    TRegion& a = AddRegion(*x, 0, 0, 0, "Berge");
    AddRegion(*y, 5, 5, 0, "Berge");
    Options.Enabled = false;
    const AdaptationPlan plan = AdaptOrigin(*x, *y, Options, Ui);
    EXPECT_FALSE(plan.Enabled);
    EXPECT_TRUE(plan.Layers.empty());
    EXPECT_EQ(a.CX, 0);
    EXPECT_TRUE(Panel.Captions.empty());
}
