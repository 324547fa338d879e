// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/building.h"
#include "model/property_labels.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "report/report_building.h"

using namespace maprune;
using namespace maprune::test;

namespace {

std::vector<std::pair<std::string, std::string>> Lines(const TReportItem& item)
{
    std::vector<std::pair<std::string, std::string>> lines;
    for (const PropertyLine& line : PropertyLines(item))
        lines.emplace_back(line.Label, line.Value);
    return lines;
}

bool Has(const TReportItem& item, const std::string& label, const std::string& value)
{
    const auto lines = Lines(item);
    return std::find(lines.begin(), lines.end(), std::pair { label, value }) != lines.end();
}

bool HasLabel(const TReportItem& item, const std::string& label)
{
    for (const auto& line : Lines(item)) {
        if (line.first == label)
            return true;
    }
    return false;
}

} // namespace

TEST(PropertyLabels, ClassEntriesComeFirstAndUnknownNamesStay)
{
    EXPECT_EQ(LabelOf("TBuilding", "Captain").Label, "Besitzer");
    EXPECT_EQ(LabelOf("TShip", "Captain").Label, "Kapitän");
    EXPECT_EQ(LabelOf("TUnit", "Type_").Label, "Rasse");
    EXPECT_EQ(LabelOf("TShip", "Type_").Label, "Typ");
    EXPECT_TRUE(LabelOf("TUnit", "Nr").EntityNumber);
    EXPECT_FALSE(LabelOf("TSpell", "Nr").EntityNumber);
    EXPECT_EQ(LabelOf("TUnit", "Neu").Label, "Neu");
}

TEST(PropertyLabels, LinesShowNumbersInTheReportsBaseAndHistoriesWithTheirTurn)
{
    auto report = NewReport(12);
    TRegion& region = AddRegion(*report, 0, 0, 0, "Ebene", "Alpha");
    TUnit& unit = AddUnit(region, 1295, 35, 12, 4);
    unit.Count->AddValue(11, 3);
    unit.Name = "Zeile 1\nZeile 2";
    TBuilding& building = AddBuilding(region, 36, 12);

    EXPECT_TRUE(Has(unit, "Nummer", "zz"));
    EXPECT_TRUE(Has(unit, "Partei", "z"));
    EXPECT_TRUE(Has(unit, "Anzahl", "4 (Runde 12)"));
    EXPECT_TRUE(Has(unit, "Name", "Zeile 1 Zeile 2"));
    EXPECT_FALSE(HasLabel(unit, "Gebäude")) << "in no building";
    EXPECT_FALSE(HasLabel(unit, "Count"));
    EXPECT_TRUE(Has(building, "Nummer", "10"));

    report->Basis = 10;
    EXPECT_TRUE(Has(unit, "Nummer", "1295"));
    unit.Building = 36;
    EXPECT_TRUE(Has(unit, "Gebäude", "36"));
    // Unknown values have no line; a coordinate of -1 is no unknown.
    unit.Cloak = -1;
    EXPECT_FALSE(HasLabel(unit, "Tarnung"));
    region.CX = -1;
    EXPECT_TRUE(Has(region, "x", "-1"));
}
