// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "model/json_form.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using JsonFormTest = CRTest;
using nlohmann::json;

json Dump(ReadOutcome& r)
{
    return json::parse(ToJson(*r.Report));
}

TEST_F(JsonFormTest, ObjectsFollowTheirPropertyTables)
{
    auto r = ReadText(
        "VERSION 36\n5;Runde\nPARTEI 7\n\"Mensch\";Typus\nREGION 1 2\n\"Ebene\";Terrain\n"
        "1000;Silber\n12;Lohn\n");
    const json dump = Dump(*r);
    EXPECT_EQ(dump["class"], "TReport");
    const json& region = dump["Regions"][0];
    EXPECT_EQ(region["class"], "TRegion");
    // Order: "class", then the table of TRegion.
    const std::string text = ToJson(FirstRegion(*r));
    size_t last = text.find("\"class\"");
    for (const PropertyInfo& p : TRegion::StaticClass().Properties) {
        const size_t at = text.find("\"" + std::string(p.Name) + "\":");
        ASSERT_NE(at, std::string::npos) << p.Name;
        EXPECT_GT(at, last) << p.Name << " out of order";
        last = at;
    }
    EXPECT_EQ(region["Entertainment"], 50) << "derived properties appear with their values";
    EXPECT_EQ(region["Bitmap_"], 1);
    EXPECT_EQ(region["Silver"], json::parse("[[5, 1000]]"));
    EXPECT_EQ(region["Comment"], json::array());
    EXPECT_EQ(dump["Parties"][0]["Nr"], 7);
}

TEST_F(JsonFormTest, RecordListsHistoriesAndTexts)
{
    auto r = ReadText("VERSION 36\n5;Runde\nREGION 0 0\n\"W\xFCste\";Name\nPREISE\n25;Balsam\n"
                      "EINHEIT 3\n\"Gr\xF6\xDF"
                      "e\";Name\n4;Anzahl\n6;Runde\nCOMMANDS\n\"LERNEN Tarnung\"\n\"ENDE\"\n"
                      "TALENTE\n\"90 2\";Bergbau\nGEGENSTAENDE\n3;Schwert\n");
    const json unit = Dump(*r)["Regions"][0]["Units"][0];
    EXPECT_EQ(unit["class"], "TUnit");
    EXPECT_EQ(unit["Name"], "Größe") << "Windows-1252 bytes are decoded";
    EXPECT_EQ(unit["Commands"], json::parse(R"(["LERNEN Tarnung", "ENDE"])"));
    EXPECT_EQ(unit["Talents"], json::parse(R"([{"Talent": "Bergbau", "Days": 90, "Level": 2}])"));
    EXPECT_EQ(unit["Items"], json::parse(R"([{"Item": "Schwert", "Count": 3}])"));
    EXPECT_EQ(unit["Count"], json::parse("[[5, 4]]"));
    const json region = Dump(*r)["Regions"][0];
    EXPECT_EQ(region["Name"], "Wüste");
    EXPECT_EQ(region["Prices"], json::parse(R"([{"Price": 25, "Item": "Balsam"}])"));
    EXPECT_EQ(region["Politic"][0]["class"], "TPoliticInfo");
    EXPECT_EQ(region["Politic"][0]["Data"], json::parse(R"(["-1", "3", "4", "0"])"));

    THistoryInteger history;
    history.AddValue(3, 30);
    history.AddValue(5, 50);
    EXPECT_EQ(json::parse(ToJson(history)), json::parse("[[5, 50], [3, 30]]")) << "newest first";
}

TEST_F(JsonFormTest, SameModelSameText)
{
    const std::string text
        = "VERSION 36\n5;Runde\nPARTEI 7\n\"Mensch\";Typus\nREGION 1 2\nEINHEIT 4\n";
    EXPECT_EQ(ToJson(*ReadText(text)->Report), ToJson(*ReadText(text)->Report));
}

} // namespace
} // namespace maprune::test
