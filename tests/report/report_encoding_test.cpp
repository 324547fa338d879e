// SPDX-License-Identifier: GPL-3.0-or-later
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "core/string_sink.h"
#include "report/cr_test_support.h"
#include "report/cr_writer.h"
#include "report/merge_report.h"
#include "report/progress_panel.h"
#include "report/report_building.h"
#include "report/report_encoding.h"

namespace maprune::test {
namespace {

using ReportEncodingTest = CRTest;

std::unique_ptr<ReadOutcome> Generated(bool utf8, int turn)
{
    crgen::GeneratorOptions options;
    options.Seed = 3;
    options.Regions = 150;
    options.Format = crgen::kTodayFormat;
    options.Utf8 = utf8;
    options.Turn = turn;
    return ReadText(crgen::GenerateReport(options));
}

void AddSpellings(const TReport& report, std::set<std::string>& texts)
{
    for (const TParty* party : *report.Parties)
        texts.insert(party->Name);
    for (const TRegion* region : *report.Regions) {
        texts.insert(region->Name);
        for (const TPrice& price : region->Prices->Entries)
            texts.insert(price.Item);
        for (const TUnit* unit : *region->Units) {
            for (const TTalent& talent : unit->Talents->Entries)
                texts.insert(talent.Talent);
        }
    }
}

// The names and table entries of the reports, where the generated world
// has umlauts.
std::set<std::string> Spellings(std::initializer_list<const TReport*> reports)
{
    std::set<std::string> texts;
    for (const TReport* report : reports)
        AddSpellings(*report, texts);
    return texts;
}

TEST_F(ReportEncodingTest, MergingInEitherOrderAndSavingKeepTheDatabasesEncoding)
{
    for (const bool databaseUtf8 : { false, true }) {
        SCOPED_TRACE(databaseUtf8 ? "UTF-8 database" : "Windows-1252 database");
        auto dest = Generated(databaseUtf8, 1);
        auto added = Generated(!databaseUtf8, 2);
        const std::set<std::string> expected
            = Spellings({ dest->Report.get(), Generated(databaseUtf8, 2)->Report.get() });
        ASSERT_NE(dest->Report, nullptr);
        ASSERT_NE(added->Report, nullptr);
        const TextEncoding encoding = databaseUtf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
        EXPECT_EQ(ReportEncoding(*dest->Report), encoding);
        EXPECT_NE(ReportEncoding(*added->Report), encoding);

        ScriptedDialogs messages;
        ScriptedShifts chooser;
        NullProgressPanel panel;
        AdaptationUi ui { messages, chooser, panel };
        ASSERT_TRUE(MergeReport(*dest->Report, *added->Report, AdaptationOptions {}, ui).Merged);
        EXPECT_EQ(ReportEncoding(*dest->Report), encoding);
        EXPECT_EQ(Spellings({ dest->Report.get() }), expected)
            << "one spelling of every name, in the database's encoding";

        StringSink saved;
        WriteCRExtract(*dest->Report, CRExtractOptions::Everything(), true, saved);
        auto reread = ReadText(saved.Bytes());
        ASSERT_NE(reread->Report, nullptr);
        EXPECT_EQ(ReportEncoding(*reread->Report), encoding) << "the saved CR declares it";
        EXPECT_EQ(Spellings({ reread->Report.get() }), expected);
    }
}

} // namespace
} // namespace maprune::test
