// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/byte_sink.h"
#include "core/error.h"
#include "core/write_file.h"
#include "support/temp_dir.h"

using namespace maprune;
namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
mode_t ModeOf(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

mode_t UserDefaultMode()
{
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}
#endif

std::string SaveFailure(const fs::path& path)
{
    try {
        WriteFileAtomically(path, "neu");
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(WriteFile, KeepsThePermissionsOfTheReplacedFileAndProtectsNewDatabases)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permissions";
#else
    TempDir dir;
    for (const mode_t mode : { mode_t { 0600 }, mode_t { 0640 }, mode_t { 0444 }, mode_t { 0755 } }) {
        SCOPED_TRACE(mode);
        const fs::path target = dir / ("old-" + std::to_string(mode));
        WriteWholeFile(target, "alt");
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        WriteFileAtomically(target, [](ByteSink& file) { file.Write("neu"); },
            NewFileAccess::OwnerOnly);
        EXPECT_EQ(ModeOf(target), mode);
        EXPECT_EQ(ReadWholeFile(target), "neu");
    }
    const struct {
        NewFileAccess Access;
        mode_t Mode;
    } created[] = { { NewFileAccess::UserDefault, UserDefaultMode() },
        { NewFileAccess::OwnerOnly, 0600 } };
    for (const auto& c : created) {
        const fs::path target = dir / ("new-" + std::to_string(c.Mode));
        WriteFileAtomically(target, [](ByteSink& file) { file.Write("neu"); }, c.Access);
        EXPECT_EQ(ModeOf(target), c.Mode);
    }
#endif
}

TEST(WriteFile, ReplacesTheFileASymbolicLinkNamesAndKeepsTheLink)
{
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need rights on Windows";
#else
    TempDir dir;
    fs::create_directories(dir / "data");
    WriteWholeFile(dir / "data" / "real.kdf", "alt");
    ASSERT_EQ(::chmod((dir / "data" / "real.kdf").c_str(), 0600), 0);
    // A relative link to a relative link, as users set them up.
    fs::create_symlink("data/real.kdf", dir / "middle.kdf");
    fs::create_symlink("middle.kdf", dir / "link.kdf");

    WriteFileAtomically(dir / "link.kdf", "neu");
    EXPECT_TRUE(fs::is_symlink(dir / "link.kdf"));
    EXPECT_TRUE(fs::is_symlink(dir / "middle.kdf"));
    EXPECT_EQ(ReadWholeFile(dir / "data" / "real.kdf"), "neu");
    EXPECT_EQ(ModeOf(dir / "data" / "real.kdf"), 0600u);

    fs::create_symlink("nowhere.kdf", dir / "dangling.kdf");
    WriteFileAtomically(dir / "dangling.kdf", "neu");
    EXPECT_EQ(ReadWholeFile(dir / "nowhere.kdf"), "neu") << "a dangling link gets its file";

    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    EXPECT_NE(SaveFailure(dir / "loop-a").find("Zu viele symbolische Verknüpfungen"),
        std::string::npos);
#endif
}

TEST(WriteFile, RemovesStaleTemporaryFilesOfTheSameTarget)
{
    TempDir dir;
    const auto old = fs::file_time_type::clock::now() - kStaleTemporaryAge - std::chrono::minutes(1);
    const struct {
        const char* Name;
        bool Old;
        bool Removed;
    } files[] = {
        { "report.kdf.123456.tmp", true, true }, // left by a killed save
        { "report.kdf.7.tmp", true, true },
        { "report.kdf.654321.tmp", false, false }, // perhaps a save under way
        { "report.kdf.backup.tmp", true, false },  // not one of ours
        { "other.kdf.123456.tmp", true, false },
        { "report.kdf.1234567.tmp", true, false },
    };
    for (const auto& f : files) {
        WriteWholeFile(dir / f.Name, "halb");
        if (f.Old)
            fs::last_write_time(dir / f.Name, old);
    }
    WriteFileAtomically(dir / "report.kdf", "neu");
    for (const auto& f : files)
        EXPECT_EQ(fs::exists(dir / f.Name), !f.Removed) << f.Name;
    EXPECT_EQ(ReadWholeFile(dir / "report.kdf"), "neu");
}

TEST(WriteFile, FailuresNameTheTargetInGerman)
{
    TempDir dir;
    const fs::path target = dir / "missing" / "report.kdf";
    const std::string failure = SaveFailure(target);
    EXPECT_NE(failure.find("Die Datei \"" + target.string() + "\" konnte nicht gespeichert werden: "
                  "Der Ordner existiert nicht."),
        std::string::npos)
        << failure;
    fs::create_directories(dir / "folder.kdf");
    EXPECT_NE(SaveFailure(dir / "folder.kdf").find("folder.kdf\" konnte nicht gespeichert werden"),
        std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir / "folder.kdf"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1) << "no temporary file left";
}

TEST(WriteFile, RefusesToReplaceWhatIsNoRegularFile)
{
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs and device links";
#else
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.kdf").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", dir / "null.kdf");
    for (const char* name : { "pipe.kdf", "null.kdf" }) {
        SCOPED_TRACE(name);
        EXPECT_NE(SaveFailure(dir / name)
                      .find("konnte nicht gespeichert werden: sie ist keine "
                            "gewöhnliche Datei"),
            std::string::npos);
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.kdf"));
    EXPECT_TRUE(fs::is_character_file(dir / "null.kdf"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2) << "no temporary file left";
#endif
}
