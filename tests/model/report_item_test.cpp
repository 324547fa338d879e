// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "model/report.h"
#include "support/fake_cr.h"

using namespace maprune;

namespace {

std::vector<std::string> PropertyNames(const ClassInfo& info)
{
    std::vector<std::string> names;
    for (const PropertyInfo& p : info.Properties)
        names.emplace_back(p.Name);
    return names;
}

} // namespace

TEST(ReportItemOwner, ItemWithoutOwnerOtherThanAReportIsRefused)
{
    try {
        CreateEmpty<TUnit>(nullptr);
        FAIL() << "no exception";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "TUnit.CreateEmpty: AOwner is nil but we are not TReport");
    }
}

TEST(ReportItemOwner, RootReportOwnsItselfAndCountsEverySubObject)
{
    auto report = CreateEmpty<TReport>(nullptr);
    EXPECT_EQ(report->Owner(), report.get());
    // Itself plus Parties, Regions, Spells, Potions, PastObjects and PastPrices.
    EXPECT_EQ(report->RefCount(), 7);
    EXPECT_EQ(report->Turn, 1);
    EXPECT_EQ(report->Version, 37);

    {
        auto unit = CreateEmpty<TUnit>(report.get());
        // The unit, its three text blocks, two histories, items and talents.
        EXPECT_EQ(report->RefCount(), 7 + 8);
    }
    EXPECT_EQ(report->RefCount(), 7);
}

TEST(ReportItemOwner, AddingToAListOfAnotherReportMovesTheWholeSubtree)
{
    auto a = CreateEmpty<TReport>(nullptr);
    auto b = CreateEmpty<TReport>(nullptr);
    auto region = CreateEmpty<TRegion>(b.get());
    region->Units->Add(CreateEmpty<TUnit>(b.get()));
    const int32_t before_a = a->RefCount();
    const int32_t before_b = b->RefCount();
    const int32_t moved = before_b - 7;

    a->Regions->Add(std::move(region));

    EXPECT_EQ(a->RefCount(), before_a + moved);
    EXPECT_EQ(b->RefCount(), 7);
    const TRegion* added = (*a->Regions)[0];
    EXPECT_EQ(added->Owner(), a.get());
    EXPECT_EQ((*added->Units)[0]->Owner(), a.get());
    EXPECT_EQ((*added->Units)[0]->Count->Owner(), a.get());
}

TEST(ReportItemOwner, ReleasingAnotherReferenceFailsAndChangesNothing)
{
    auto a = CreateEmpty<TReport>(nullptr);
    auto b = CreateEmpty<TReport>(nullptr);
    TReport* ref = b.get();
    EXPECT_THROW(a->ReleaseRef(ref), Error);
    EXPECT_EQ(ref, b.get());
    EXPECT_EQ(a->RefCount(), 7);
}

TEST(ReportItemList, RefusesElementsOfAnotherClass)
{
    auto report = CreateEmpty<TReport>(nullptr);
    EXPECT_THROW(report->Regions->Add(CreateEmpty<TUnit>(report.get())), Error);
    EXPECT_EQ(report->Regions->Count(), 0u);
}

TEST(ReportItemList, PackDropsEntriesTakenOut)
{
    auto report = CreateEmpty<TReport>(nullptr);
    for (int nr = 1; nr <= 3; ++nr) {
        auto party = CreateEmpty<TParty>(report.get());
        party->Nr = nr;
        report->Parties->Add(std::move(party));
    }
    auto taken = report->Parties->Release(1);
    const auto* takenParty = static_cast<const TParty*>(taken.get());
    EXPECT_EQ(report->Parties->Count(), 3u);
    report->Parties->Pack();
    ASSERT_EQ(report->Parties->Count(), 2u);
    EXPECT_EQ((*report->Parties)[1]->Nr, 3);
    EXPECT_EQ(takenParty->Nr, 2);
}

TEST(ReportItemTag, OnlyASelectionChangeOfARegionIsReported)
{
    auto report = CreateEmpty<TReport>(nullptr);
    int changes = 0;
    report->SelectionChanged = [&changes](TRegion&) { ++changes; };
    auto region = CreateEmpty<TRegion>(report.get());
    region->SetTag(TagNeedsRedraw);
    EXPECT_EQ(changes, 0);
    region->SetTag(TagNeedsRedraw | TagSelected);
    region->SetTag(TagSelected);
    EXPECT_EQ(changes, 1);
    region->SetRouteMark(2, 5);
    EXPECT_EQ(region->Tag(), TagSelected | TagNeedsRedraw);
    region->SetTagSilently(0);
    EXPECT_EQ(changes, 1);
}

TEST(PropertyTables, FollowTheStreamOrderWithInheritedPropertiesFirst)
{
    EXPECT_EQ(PropertyNames(TNamedItem::StaticClass()),
              (std::vector<std::string>{"Tag", "Turn", "Name", "Descr", "Nr", "Party"}));
    EXPECT_EQ(PropertyNames(TPoliticInfo::StaticClass()),
              (std::vector<std::string>{"Tag", "Turn", "Data", "Party", "RTurn"}));
    EXPECT_EQ(PropertyNames(TBuilding::StaticClass()),
              (std::vector<std::string>{"Tag", "Turn", "Name", "Descr", "Nr", "Party", "Captain",
                                        "Size", "Support", "Type_"}));
    const PropertyInfo* version = TReport::StaticClass().FindProperty("Version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->Default, 34);
    EXPECT_EQ(TReport::StaticClass().FindProperty("Tag")->Default, PropertyInfo::kNoDefault);
    EXPECT_FALSE(TRegion::StaticClass().FindProperty("Recrutees")->Stored);
}

TEST(Lines, TextJoinsWithCrLfAndSplitsAtEveryLineBreak)
{
    auto report = CreateEmpty<TReport>(nullptr);
    auto lines = CreateEmpty<TLines>(report.get());
    lines->SetText("a\r\nb\nc\rd");
    EXPECT_EQ(lines->Count(), 4);
    EXPECT_EQ(lines->Text(), "a\r\nb\r\nc\r\nd\r\n");
    lines->SetLine(1, "B");
    EXPECT_EQ(lines->Line(1), "B");
    lines->SetText("");
    EXPECT_EQ(lines->Count(), 0);
}

TEST(Lines, ReadsKeylessLinesAndWarnsAboutKeyedOnes)
{
    auto report = CreateEmpty<TReport>(nullptr);
    FakeCR cr({Head("MELDUNGEN"), Value("erste"), Value("x", "Key"), Value("zweite"),
               Head("REGION", "0 0")});
    auto lines = CreateFromCR<TLines>(cr, report.get(), 3);
    EXPECT_EQ(lines->Lines(), (std::vector<std::string>{"erste", "zweite"}));
    EXPECT_EQ(cr.warnings, std::vector<std::string>{"kein Kommentar erwartet ab dieser Stelle"});
    EXPECT_EQ(cr.CurrentLine().Block, "REGION");
    EXPECT_EQ(lines->Turn, 3);
    EXPECT_EQ(lines->CR, nullptr);
}
