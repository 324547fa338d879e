// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "map/test_world.h"
#include "support/temp_dir.h"
#include "tools/alliances/alliance_editor.h"

namespace maprune {
namespace {

class AllianceEditorTest : public ::testing::Test {
protected:
    AllianceEditorTest()
    {
        world.AddParty(1, "Erste");
        world.AddParty(2, "Zweite");
        world.AddParty(3, "Dritte");
    }

    static std::vector<int32_t> Numbers(const std::vector<AllianceMember>& members)
    {
        std::vector<int32_t> numbers;
        for (const AllianceMember& member : members)
            numbers.push_back(member.Party);
        return numbers;
    }

    // Adds an alliance `name` and the offered parties at `choices`, in turn.
    static void Build(AllianceEditor& editor, const std::string& name, std::vector<int> choices)
    {
        editor.SetNewName(name);
        editor.AddAlliance();
        for (int choice : choices) {
            editor.SelectOffered(choice);
            editor.AddParty();
        }
    }

    maptest::TestWorld world;
    AllianceList alliances;
    TempDir folder;
};

TEST_F(AllianceEditorTest, OffersAndButtons)
{
    AllianceEditor editor(alliances, &world.Report());
    EXPECT_EQ(Numbers(editor.Offered()), (std::vector<int32_t> { 1, 2, 3 }));
    EXPECT_FALSE(editor.CanAddAlliance()); // no name yet
    EXPECT_FALSE(editor.CanDeleteAlliance());
    EXPECT_FALSE(editor.CanAddParty());
    EXPECT_FALSE(editor.CanRemoveParty());

    Build(editor, "A", { 1 });
    EXPECT_EQ(alliances[0].Members, (std::vector<AllianceMember> { { "Zweite", 2 } }));
    EXPECT_EQ(Numbers(editor.Offered()), (std::vector<int32_t> { 1, 3 }));
    editor.SetNewName("A");
    EXPECT_FALSE(editor.CanAddAlliance()); // the name is taken
    editor.SetNewName("B");
    EXPECT_TRUE(editor.CanAddAlliance());

    // A removed member is offered again; a deleted alliance's members too.
    editor.SelectMember(0);
    ASSERT_TRUE(editor.CanRemoveParty());
    editor.RemoveParty();
    EXPECT_EQ(Numbers(editor.Offered()), (std::vector<int32_t> { 1, 3, 2 }));
    EXPECT_FALSE(editor.CanRemoveParty());
    editor.SelectOffered(0);
    editor.AddParty();
    editor.DeleteAlliance();
    EXPECT_TRUE(alliances.empty());
    EXPECT_EQ(Numbers(editor.Offered()), (std::vector<int32_t> { 3, 2, 1 }));

    // With every party in an alliance, no alliance can be added.
    Build(editor, "C", { 0, 0, 0 });
    EXPECT_TRUE(editor.Offered().empty());
    editor.SetNewName("D");
    EXPECT_FALSE(editor.CanAddAlliance());
    EXPECT_FALSE(editor.CanAddParty());

    // A member of an alliance read at the start is not offered.
    AllianceEditor again(alliances, &world.Report());
    EXPECT_TRUE(again.Offered().empty());
    EXPECT_EQ(again.SelectedAlliance(), 0);
}

TEST_F(AllianceEditorTest, ExportAndImport)
{
    AllianceEditor editor(alliances, &world.Report());
    Build(editor, "A", { 0, 0 });
    Build(editor, "B", { 0 });
    const auto file = folder / "list.bnd";
    editor.Export(file);
    EXPECT_EQ(ReadWholeFile(file), "A\r\nErste (1)\r\nZweite (2)\r\n\r\nB\r\nDritte (3)\r\n");

    // A trailing empty line adds no alliance; the first one is selected.
    std::ofstream(folder / "trailing.bnd", std::ios::binary) << "X\r\nErste (1)\r\n\r\n";
    editor.Import(folder / "trailing.bnd");
    ASSERT_EQ(alliances.size(), 1u);
    EXPECT_EQ(editor.SelectedAlliance(), 0);
    EXPECT_EQ(Numbers(editor.Members()), (std::vector<int32_t> { 1 }));
    EXPECT_EQ(Numbers(editor.Offered()), (std::vector<int32_t> { 2, 3 }));

    // A member line without a number imports nothing and names file and line.
    std::ofstream(folder / "bad.bnd", std::ios::binary) << "Y\r\nZweite (2)\r\nDritte (drei)\r\n";
    try {
        editor.Import(folder / "bad.bnd");
        FAIL() << "imported a bad member line";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("bad.bnd"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Zeile 3"), std::string::npos) << e.what();
    }
    EXPECT_EQ(alliances[0].Name, "X");
    EXPECT_EQ(Numbers(editor.Offered()), (std::vector<int32_t> { 2, 3 }));

    // A failed export leaves the list and the former file as they were.
    EXPECT_THROW(editor.Export(folder / "missing" / "list.bnd"), Error);
    EXPECT_EQ(ReadWholeFile(file), "A\r\nErste (1)\r\nZweite (2)\r\n\r\nB\r\nDritte (3)\r\n");
    EXPECT_EQ(alliances.size(), 1u);
}

} // namespace
} // namespace maprune
