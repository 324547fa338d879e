// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>

#include "core/error.h"
#include "core/file_lock.h"
#include "core/write_file.h"
#include "support/temp_dir.h"

using namespace maprune;

TEST(FileLock, ASecondLockOnTheSameFileIsRefusedUntilTheFirstEnds)
{
#ifdef _WIN32
    GTEST_SKIP() << "no lock on Windows yet";
#else
    TempDir dir;
    const std::filesystem::path database = dir / "welt.kdf";
    EXPECT_NO_THROW(FileLock { database }) << "nothing to lock before the first save";
    WriteFileAtomically(database, "alt");
    std::optional<FileLock> first;
    first.emplace(database);
    try {
        FileLock second(database);
        ADD_FAILURE() << "locked twice";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
            "Die Datei \"" + database.string()
                + "\" wird gerade von einem anderen Programm bearbeitet (Maprune oder "
                  "maprune-cli); bitte versuchen Sie es danach noch einmal.");
    }
    // The holder's save replaces the file; who comes after it reads the new one.
    WriteFileAtomically(database, "neu");
    EXPECT_NO_THROW(FileLock { database });
    first.reset();
    EXPECT_NO_THROW(FileLock { database });
#endif
}
