// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>

#include "core/error.h"
#include "core/file_lock.h"
#include "core/path_text.h"
#include "core/write_file.h"
#include "support/temp_dir.h"

using namespace maprune;

TEST(FileLock, ASecondLockOnTheSameFileIsRefusedUntilTheFirstEnds)
{
    TempDir dir;
    const std::filesystem::path database = dir / "wälder.kdf";
    EXPECT_NO_THROW(FileLock { database }) << "nothing to lock before the first save";
    WriteFileAtomically(database, "alt");
    std::optional<FileLock> first;
    first.emplace(database);
    const auto refused = [&database] {
        try {
            FileLock second(database);
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                "Die Datei \"" + PathText(database)
                    + "\" wird gerade von einem anderen Programm bearbeitet (Maprune oder "
                      "maprune-cli); bitte versuchen Sie es danach noch einmal.");
            return true;
        }
        return false;
    };
    EXPECT_TRUE(refused());
    WriteFileAtomically(database, "neu");
#ifdef _WIN32
    // The lock lies beside the file and lasts over the holder's saves.
    EXPECT_TRUE(refused());
#else
    // The holder's save replaces the file; who comes after it reads the new one.
    EXPECT_FALSE(refused());
#endif
    first.reset();
    EXPECT_FALSE(refused());
}
