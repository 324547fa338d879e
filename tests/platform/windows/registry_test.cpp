// SPDX-License-Identifier: GPL-3.0-or-later
// The user's registry as Windows (here Wine) keeps it.
#include <gtest/gtest.h>

#include <string>

#include "core/error.h"
#include "platform/windows/registry.h"
#include "platform/windows/registry_file_associations.h"

namespace maprune {
namespace {

const std::string kTestKey = "Software\\Maprune-Test\\Ärger";
const std::string kClasses = "Software\\Classes\\";
const RegistryFileType kType { "mrtest", "Maprune-Testdatei ü", 2 };
const std::string kProgram = "C:\\Programme\\Märchen\\maprune.exe";

class Registry : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean()
    {
        DeleteRegistryTree("Software\\Maprune-Test");
        DeleteRegistryTree(kClasses + ".mrtest");
        DeleteRegistryTree(kClasses + "Maprune.mrtest");
    }
};

TEST_F(Registry, BinaryValuesKeepEveryByteUnderUmlautNames)
{
    const std::string bytes("\0a\xff\x80\0", 5);
    EXPECT_EQ(ReadRegistryBinary(kTestKey, "Größe"), std::nullopt);
    ASSERT_TRUE(WriteRegistryBinary(kTestKey, "Größe", bytes));
    EXPECT_EQ(ReadRegistryBinary(kTestKey, "Größe"), bytes);
    ASSERT_TRUE(WriteRegistryBinary(kTestKey, "leer", ""));
    EXPECT_EQ(ReadRegistryBinary(kTestKey, "leer"), std::string());
    // A text value is not read as bytes.
    ASSERT_TRUE(SetRegistryDefaultText(kTestKey, "Text"));
    EXPECT_EQ(ReadRegistryBinary(kTestKey, ""), std::nullopt);
    EXPECT_EQ(RegistryDefaultText(kTestKey), "Text");
}

TEST_F(Registry, FileAssociationIsClaimedForOneProgramAndGivenUpWithoutOthersEntries)
{
    EXPECT_FALSE(IsRegistryAssociated(kType, kProgram));
    SetRegistryAssociated(kType, kProgram, true);
    EXPECT_TRUE(IsRegistryAssociated(kType, kProgram));
    EXPECT_FALSE(IsRegistryAssociated(kType, "D:\\anders\\maprune.exe"));
    EXPECT_EQ(RegistryDefaultText(kClasses + ".mrtest"), "Maprune.mrtest");
    EXPECT_EQ(RegistryDefaultText(kClasses + "Maprune.mrtest"), kType.Description);
    EXPECT_EQ(RegistryDefaultText(kClasses + "Maprune.mrtest\\DefaultIcon"), "\"" + kProgram + "\",2");
    EXPECT_EQ(RegistryDefaultText(kClasses + "Maprune.mrtest\\shell\\open\\command"),
        "\"" + kProgram + "\" \"%1\"");

    SetRegistryAssociated(kType, kProgram, false);
    EXPECT_FALSE(IsRegistryAssociated(kType, kProgram));
    EXPECT_EQ(RegistryDefaultText(kClasses + ".mrtest"), "");
    EXPECT_EQ(RegistryDefaultText(kClasses + "Maprune.mrtest"), "");

    // Another program's claim of the extension stays when ours goes.
    ASSERT_TRUE(SetRegistryDefaultText(kClasses + ".mrtest", "Anderes.Programm"));
    SetRegistryAssociated(kType, kProgram, false);
    EXPECT_EQ(RegistryDefaultText(kClasses + ".mrtest"), "Anderes.Programm");
    EXPECT_NO_THROW(SetRegistryAssociated(kType, kProgram, false));
}

} // namespace
} // namespace maprune
