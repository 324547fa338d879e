// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/byte_coding.h"
#include "core/error.h"
#include "model/json_form.h"
#include "model/report.h"
#include "report/create_from_cr.h"
#include "storage/object_writer.h"
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
    // Itself; its lists are made on their first write.
    EXPECT_EQ(report->RefCount(), 1);
    EXPECT_EQ(report->Turn, 1);
    EXPECT_EQ(report->Version, 37);

    {
        auto unit = CreateEmpty<TUnit>(report.get());
        unit->Commands->Add("ARBEITE");
        unit->Count->AddValue(1, 5);
        // The unit, its orders and its persons.
        EXPECT_EQ(report->RefCount(), 1 + 3);
    }
    EXPECT_EQ(report->RefCount(), 1);
}

// Reading a sub-object that was never written shows the empty object and
// makes nothing; every form of the item is the same as with empty objects.
TEST(SubObjects, AreMadeOnTheirFirstWriteAndReadAsEmptyBefore)
{
    auto report = CreateEmpty<TReport>(nullptr);
    auto unread = CreateEmpty<TRegion>(report.get());
    auto made = CreateEmpty<TRegion>(report.get());
    const TRegion& shown = *unread;
    EXPECT_EQ(shown.Peasants->CurrentValue(), -1);
    EXPECT_EQ(shown.Units->Count(), 0u);
    EXPECT_EQ(shown.Comment->Text(), "");
    EXPECT_EQ(unread->Peasants.Held(), nullptr);
    for (const PropertyInfo& p : TRegion::StaticClass().Properties) {
        if (p.Kind == PropertyKind::Object)
            p.EditObject(*made);
    }
    EXPECT_NE(made->Peasants.Held(), nullptr);
    EXPECT_EQ(ToJson(*unread), ToJson(*made));
    ByteWriter unreadBytes;
    ByteWriter madeBytes;
    WriteObject(*unread, unreadBytes);
    WriteObject(*made, madeBytes);
    EXPECT_EQ(unreadBytes.Take(), madeBytes.Take());

    const int32_t objects = report->RefCount();
    unread->Peasants->AddValue(3, 100);
    EXPECT_EQ(report->RefCount(), objects + 1);
    EXPECT_EQ(shown.Peasants->CurrentValue(), 100);
    EXPECT_EQ(SubObject<THistoryInteger>::Empty().HistoryCount(), 0);

    // A slot never written follows its holder into another report.
    auto other = CreateEmpty<TReport>(nullptr);
    other->Regions->Add(std::move(unread));
    TRegion& moved = *(*other->Regions)[0];
    EXPECT_EQ(moved.Silver.Held(), nullptr);
    EXPECT_EQ(moved.Silver->Owner(), other.get());
}

TEST(ReportItemOwner, AddingToAListOfAnotherReportMovesTheWholeSubtree)
{
    auto a = CreateEmpty<TReport>(nullptr);
    auto b = CreateEmpty<TReport>(nullptr);
    auto region = CreateEmpty<TRegion>(b.get());
    region->Units->Add(CreateEmpty<TUnit>(b.get()));
    const int32_t before_a = a->RefCount();
    const int32_t before_b = b->RefCount();
    const int32_t moved = before_b - 1;

    a->Regions->Add(std::move(region));

    // The moved objects and the region list, made by its first write.
    EXPECT_EQ(a->RefCount(), before_a + moved + 1);
    EXPECT_EQ(b->RefCount(), 1);
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
    EXPECT_EQ(a->RefCount(), 1);
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
}
